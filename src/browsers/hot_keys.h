#pragma once
// Registering one of the program's hot keys, keeping the previous one when another program
// holds the new combination.
#include <windows.h>

#include "catalogue/options.h"

// Registers `wanted` under `id` in place of `previous`; answers the hot key now in force:
// `wanted`, or `previous` when the combination is taken, or 0 (none) when neither can be
// registered. A wanted 0 clears the hot key.
HotKeyCode RegisterHotKeyKeepingPrevious(HWND window, int id, HotKeyCode previous,
                                         HotKeyCode wanted);
