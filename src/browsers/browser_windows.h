#pragma once
// The open browser windows the program knows of, and what it does with them. The list is
// filled by a walk over all top-level windows and by the hook library's reports, and pruned
// of windows that have gone. Only listed windows are ever hidden, shown or closed.
#include <windows.h>

#include <functional>

#include "browsers/browser_control.h"
#include "browsers/browser_window_list.h"

enum class BrowserAction { Find = 0, Hide = 1, Show = 2, Close = 3 };

class BrowserWindows {
  public:
    // `processMessages`: the main window's handling of its pending messages, run while a
    // close waits between its steps.
    explicit BrowserWindows(std::function<void()> processMessages)
        : closer_(std::move(processMessages)) {}

    const BrowserWindowList& List() const { return list_; }
    void Clear() { list_.Clear(); }

    // The walk over every top-level window with `action`; never stopped early.
    void Walk(BrowserAction action);
    void FindBrowsers() { Walk(BrowserAction::Find); }
    void CloseBrowsers() { Walk(BrowserAction::Close); }
    void HideBrowsers() { Walk(BrowserAction::Hide); }
    void ShowBrowsers() { Walk(BrowserAction::Show); }

    // Adds the window's line when it is a browser window (of its top-level frame, for an
    // Internet Explorer page); anything else, a handle that is no window included, is ignored.
    void RegisterBrowserWindow(HWND window);
    void ForgetBrowserWindow(HWND window);
    // Drops the lines of windows that have gone; true when a listed window is left.
    bool BrowserIsRunning();

  private:
    void Step(HWND window, BrowserAction action);
    void ActOn(HWND window, BrowserAction action);
    bool AddLine(HWND window, const char* caption = nullptr);

    BrowserWindowList list_;
    BrowserCloser closer_;
};
