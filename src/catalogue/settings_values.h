#pragma once
// The texts of values in the settings file: integers (decimal, or hexadecimal after "0x" or
// "$"), Booleans stored as integers, and hot keys as menu-shortcut texts such as "Ctrl+F10".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// "Home", "Left", "Up", "Right", "Down", "Ins", "Del", "Num 0".."Num 9", "Apps", "Print
// Screen", the media keys ("Volume Up", ...), ... The keys of the numeric pad that share their
// code with another key are told by their names ("Num Enter", "Num Home"); a key without a name
// is written by its number ("Key 146", "Key 146 Ext" with the extended mark). So every code the
// hot-key control gives comes back as it was. No hot key (no key code) is the empty text.
std::string ShortCutToText(HotKeyCode code);
// Modifiers in any order and case; nothing when the key's name is unknown. The empty text is
// no hot key (0). Keys that the hot-key control marks as extended (arrows, Ins, Del, Home,
// End, PgUp, PgDn, Apps, the media keys) get that mark back.
std::optional<HotKeyCode> TextToShortCut(std::string_view text);

// The numbers n (1 <= n <= limit, ascending, each once) for which `names` holds prefix + n in
// decimal without leading zeros, the prefix compared ignoring case as INI names are. So the
// keys "1", "2", ... of a list section and the sections "Object_1", ... are found from the
// names the file has, however large a damaged count is, and a gap loses nothing after it.
std::vector<int> NumberedNames(const std::vector<std::string>& names, std::string_view prefix,
                               int limit);

namespace hot_key {
constexpr HotKeyCode kShift = 0x100, kCtrl = 0x200, kAlt = 0x400, kExtended = 0x800;
}  // namespace hot_key
