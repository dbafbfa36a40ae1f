#include "platform/system_hot_keys.h"

namespace platform {

bool RegisterSystemHotKey(HWND window, int id, unsigned modifiers, unsigned virtualKey) {
    return virtualKey != 0 && RegisterHotKey(window, id, modifiers, virtualKey) != FALSE;
}

void UnregisterSystemHotKey(HWND window, int id) {
    UnregisterHotKey(window, id);
}

}  // namespace platform
