// Tidewell.dll: system-wide window and mouse hooks that report to the main window. The
// library is loaded into every process whose windows or mouse input it watches; the window to
// report to lies in a section that all those copies share.
#include "hook/tidewell_hook.h"

namespace {

constexpr UINT kWmBrowserWindow = 0x2401;
constexpr UINT kWmHookMouse = 0x2403;
constexpr WPARAM kWindowCreated = 1;
constexpr WPARAM kWindowDestroyed = 2;

// Shared by all processes: where to report.
HWND g_windowTarget __attribute__((section(".shared"), shared)) = nullptr;
HWND g_mouseTarget __attribute__((section(".shared"), shared)) = nullptr;

// Per process: the hooks this process installed, and this library's module.
HHOOK g_windowHook = nullptr;
HHOOK g_mouseHook = nullptr;
HINSTANCE g_module = nullptr;

bool IsTopLevel(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) == 0;
}

bool IsButtonMessage(WPARAM message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK WindowProcHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        HWND target = g_windowTarget;
        if (target && call->hwnd != target &&
            (call->message == WM_CREATE || call->message == WM_DESTROY) && IsTopLevel(call->hwnd))
            PostMessageW(target, kWmBrowserWindow,
                         call->message == WM_CREATE ? kWindowCreated : kWindowDestroyed,
                         reinterpret_cast<LPARAM>(call->hwnd));
    }
    return CallNextHookEx(g_windowHook, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    HWND target = g_mouseTarget;
    if (code == HC_ACTION && target && IsButtonMessage(wParam))
        PostMessageW(target, kWmHookMouse, wParam, 0);
    return CallNextHookEx(g_mouseHook, code, wParam, lParam);
}

int Install(HHOOK& hook, int kind, HOOKPROC procedure) {
    if (!hook)
        hook = SetWindowsHookExW(kind, procedure, g_module, 0);
    return hook != nullptr;
}

void Remove(HHOOK& hook) {
    if (hook)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}

}  // namespace

extern "C" int __cdecl StartHook(int kind, HWND window) {
    switch (kind) {
        case WH_CALLWNDPROC:
            g_windowTarget = window;
            return Install(g_windowHook, WH_CALLWNDPROC, WindowProcHook);
        case WH_MOUSE:
            g_mouseTarget = window;
            return Install(g_mouseHook, WH_MOUSE, MouseHook);
        default:
            return 0;
    }
}

extern "C" int __cdecl StopHook(int kind) {
    switch (kind) {
        case WH_CALLWNDPROC:
            Remove(g_windowHook);
            g_windowTarget = nullptr;
            return 1;
        case WH_MOUSE:
            Remove(g_mouseHook);
            g_mouseTarget = nullptr;
            return 1;
        default:
            return 0;
    }
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
