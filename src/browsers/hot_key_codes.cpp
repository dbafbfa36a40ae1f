#include "browsers/hot_key_codes.h"

#include "catalogue/settings_values.h"

namespace {
constexpr unsigned kSystemAlt = 1, kSystemCtrl = 2, kSystemShift = 4;
}  // namespace

unsigned HotKeyModifiers(HotKeyCode code) {
    unsigned modifiers = 0;
    if (code & hot_key::kShift)
        modifiers |= kSystemShift;
    if (code & hot_key::kCtrl)
        modifiers |= kSystemCtrl;
    if (code & hot_key::kAlt)
        modifiers |= kSystemAlt;
    return modifiers;
}

unsigned HotKeyVirtualKey(HotKeyCode code) {
    return code & 0xFFu;
}
