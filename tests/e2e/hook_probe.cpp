// Another process for the hook library to watch: shows one top-level window of the class
// "TidewellHookProbe" for a second, destroys it and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"TidewellHookProbe";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, L"TidewellHookProbe", L"probe", WS_OVERLAPPEDWINDOW, 40, 40,
                                  200, 100, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    DWORD until = GetTickCount() + 1000;
    MSG msg;
    while (GetTickCount() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}
