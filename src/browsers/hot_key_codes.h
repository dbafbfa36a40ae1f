#pragma once
// A hot key as the hot-key box holds it (key in the low byte; 1 Shift, 2 Ctrl, 4 Alt in the
// high byte), translated for the system's registration (1 Alt, 2 Ctrl, 4 Shift).
#include "catalogue/options.h"

unsigned HotKeyModifiers(HotKeyCode code);
unsigned HotKeyVirtualKey(HotKeyCode code);
