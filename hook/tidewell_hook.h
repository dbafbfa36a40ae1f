#pragma once
// The interface of the hook library "Tidewell.dll": C calling convention, exported by name.
//   StartHook(4, window): report the creation (wParam 1) and destruction (wParam 2) of top-level
//     windows anywhere to `window` as message 0x2401, lParam = the window.
//   StartHook(7, window): report mouse button presses and releases anywhere to `window` as
//     message 0x2403, wParam = the mouse message.
//   StopHook(kind): stop that report.
// The results say whether the hook is in place; the program does not rely on them.
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

int __cdecl StartHook(int kind, HWND window);
int __cdecl StopHook(int kind);

#ifdef __cplusplus
}
#endif
