// The reference of bench/idle.sh: an empty, hidden Win32 window with a 1-second timer, the least
// a program with Tidewell's main timer can cost while it idles. Like Tidewell it answers the
// registered message "TidewellMessageCount" with the number of messages its loop has taken.
#include <windows.h>

namespace {

UINT g_countMessage = 0;

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_countMessage && g_countMessage != 0)
        return GetWindowLongPtrW(window, GWLP_USERDATA);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    g_countMessage = RegisterWindowMessageW(L"TidewellMessageCount");
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"TidewellIdleReference";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                  nullptr, instance, nullptr);
    if (!window)
        return 1;
    SetTimer(window, 1, 1000, nullptr);
    MSG msg;
    LONG_PTR taken = 0;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        SetWindowLongPtrW(window, GWLP_USERDATA, ++taken);
        DispatchMessageW(&msg);
    }
    return 0;
}
