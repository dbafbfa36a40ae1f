#pragma once
// The texts of values in the settings file: integers (decimal, or hexadecimal after "0x" or
// "$"), Booleans stored as integers, and hot keys as menu-shortcut texts such as "Ctrl+F10".
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/options.h"

// A 32-bit integer; blanks around it are allowed. Nothing when the text is not one.
std::optional<int> ParseSettingsInteger(std::string_view text);
// Any integer other than 0 is true; a text that is not an integer gives `fallback`.
bool ParseSettingsBoolean(std::string_view text, bool fallback);
inline const char* BooleanText(bool value) {
    return value ? "1" : "0";
}

// Hot keys: modifiers "Shift+", "Ctrl+", "Alt+" (in that order), then the key's name: a letter
// or digit, "F1".."F24", "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End",
// "Home", "Left", "Up", "Right", "Down", "Ins", "Del", "Num 0".."Num 9", ... No hot key (0)
// and a key without a name are the empty text.
std::string ShortCutToText(HotKeyCode code);
// Modifiers in any order and case; nothing when the key's name is unknown. The empty text is
// no hot key (0). Keys that the hot-key control marks as extended (arrows, Ins, Del, Home,
// End, PgUp, PgDn) get that mark back.
std::optional<HotKeyCode> TextToShortCut(std::string_view text);

namespace hot_key {
constexpr HotKeyCode kShift = 0x100, kCtrl = 0x200, kAlt = 0x400, kExtended = 0x800;
}  // namespace hot_key
