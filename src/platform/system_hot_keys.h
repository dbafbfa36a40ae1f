#pragma once
// System-wide hot keys of a window: a key combination pressed anywhere is sent to the window
// as WM_HOTKEY with the registration's id.
#include <windows.h>

namespace platform {

// `modifiers`: the system's flags (1 Alt, 2 Ctrl, 4 Shift). False when another program holds
// the combination (or it is no key at all).
bool RegisterSystemHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey);
void UnregisterSystemHotKey(HWND window, int id);

}  // namespace platform
