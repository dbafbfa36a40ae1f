#include "browsers/hot_keys.h"

#include "browsers/hot_key_codes.h"
#include "platform/system_hot_keys.h"

namespace {

bool Register(HWND window, int id, HotKeyCode code) {
    return platform::RegisterSystemHotKey(window, id, HotKeyModifiers(code),
                                          HotKeyVirtualKey(code));
}

}  // namespace

HotKeyCode RegisterHotKeyKeepingPrevious(HWND window, int id, HotKeyCode previous,
                                         HotKeyCode wanted) {
    platform::UnregisterSystemHotKey(window, id);
    if (wanted == 0 || Register(window, id, wanted))
        return wanted;
    if (previous != 0 && Register(window, id, previous))
        return previous;
    return 0;
}
