#include "ui/window.h"

namespace ui {

Window::~Window() {
    Destroy();
}

void Window::Destroy() {
    if (hwnd_) {
        HWND hwnd = hwnd_;
        DestroyWindow(hwnd);
        hwnd_ = nullptr;
    }
}

void Window::RegisterClassOnce(const wchar_t* className, const ClassStyle& style) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style.style;
    wc.lpfnWndProc = &Window::EntryProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = style.background;
    wc.hIcon = style.icon;
    wc.hIconSm = style.smallIcon;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

bool Window::CreateAs(const wchar_t* className, DWORD exStyle, DWORD style,
                      const std::wstring& title, const RECT& bounds, HWND parent, INT_PTR id) {
    HWND hwnd = CreateWindowExW(exStyle, className, title.c_str(), style, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::EntryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        LRESULT result = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}

void OwnerDrawn::Attach(HWND control, OwnerDrawn* drawer) {
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(drawer));
}

bool OwnerDrawn::Reflect(LPARAM drawItemStruct) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(drawItemStruct);
    if (!item || (item->CtlType != ODT_BUTTON && item->CtlType != ODT_STATIC))
        return false;
    auto* drawer = reinterpret_cast<OwnerDrawn*>(GetWindowLongPtrW(item->hwndItem, GWLP_USERDATA));
    if (!drawer)
        return false;
    drawer->DrawItem(*item);
    return true;
}

namespace {

void Dispatch(MSG& msg, MessageFilter* filter, HWND dialogWindow) {
    if (filter && filter->PreTranslate(msg))
        return;
    if (dialogWindow && IsWindow(dialogWindow) && IsDialogMessageW(dialogWindow, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void PumpPendingMessages(MessageFilter* filter, HWND dialogWindow) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg, filter, dialogWindow);
    }
}

int RunMessageLoop(MessageFilter* filter, HWND dialogWindow) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        Dispatch(msg, filter, dialogWindow);
    return static_cast<int>(msg.wParam);
}

}  // namespace ui
