#pragma once
// Closing one browser window the way its user would: the system close command, the close
// message and, for a prompt, its button commands, with short pauses between them. No process
// is ended; a window that ignores all of it simply stays open.
#include <windows.h>

#include <functional>

class BrowserCloser {
  public:
    static constexpr unsigned long kPauseMs = 50;
    static constexpr unsigned long kRepeatMs = 3000;  // a repeated close gives up after this

    // `processMessages`: the main window's handling of its pending messages, run while waiting.
    explicit BrowserCloser(std::function<void()> processMessages)
        : processMessages_(std::move(processMessages)) {}

    // Closes a listed browser window by its kind; returns when that kind's sequence is done,
    // whether or not the window is gone.
    void CloseBrowser(HWND window);
    // Closes the window (its last active popup first, when asked); true when it is gone.
    bool CloseWindowTree(HWND window, HWND owner, bool followPopups);
    // Waits while the main window handles its messages.
    void PumpWait(unsigned long milliseconds);

  private:
    bool CloseWindowTreeAt(HWND window, HWND owner, bool followPopups, int depth);
    void ClosePrompt(HWND window, HWND owner);
    void PopupSequence(HWND window);
    // Runs `pass` again and again until the window is gone or kRepeatMs have passed.
    void Repeat(HWND window, const std::function<void()>& pass);
    // Pauses only while the window exists; false (no pause) once it is gone.
    bool PauseWhile(HWND window);

    std::function<void()> processMessages_;
};
