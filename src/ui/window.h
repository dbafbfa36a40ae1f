#pragma once
// The base of every window class of the program: one entry procedure per class stores the
// object at WM_NCCREATE in GWLP_USERDATA and hands each message to HandleMessage.
#include <windows.h>

#include <string>

namespace ui {

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    bool Exists() const { return hwnd_ != nullptr; }
    void Destroy();

  protected:
    struct ClassStyle {
        UINT style = 0;
        HBRUSH background = nullptr;
        HICON icon = nullptr;
        HICON smallIcon = nullptr;
    };
    // Registers the class on first use (again after it was unregistered).
    static void RegisterClassOnce(const wchar_t* className, const ClassStyle& style);
    bool CreateAs(const wchar_t* className, DWORD exStyle, DWORD style, const std::wstring& title,
                  const RECT& bounds, HWND parent, INT_PTR id = 0);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK EntryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// A control that draws itself: its parent reflects WM_DRAWITEM to it. The control's
// GWLP_USERDATA holds the drawer (standard controls leave that slot to the program).
class OwnerDrawn {
  public:
    virtual ~OwnerDrawn() = default;
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;

    static void Attach(HWND control, OwnerDrawn* drawer);
    // Reflects the message to its control; false when the control has no drawer.
    static bool Reflect(LPARAM drawItemStruct);
};

// Sees every message of a loop before it is dispatched (the main window's key preview).
class MessageFilter {
  public:
    virtual ~MessageFilter() = default;
    // True when the message was handled and must not be dispatched.
    virtual bool PreTranslate(MSG& message) = 0;
};

// Handles the messages that are waiting now and returns; a WM_QUIT is put back for the loop.
void PumpPendingMessages(MessageFilter* filter, HWND dialogWindow);
// The message loop; returns the exit code of WM_QUIT.
int RunMessageLoop(MessageFilter* filter, HWND dialogWindow);

}  // namespace ui
