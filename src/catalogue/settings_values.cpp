#include "catalogue/settings_values.h"

#include <cstdint>
#include <string>

#include "platform/paths.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

struct KeyName {
    std::uint8_t vk;
    const char* name;
    bool extended;
};

constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp", false},  {0x09, "Tab", false},       {0x0D, "Enter", false},
    {0x13, "Pause", false}, {0x14, "Caps Lock", false}, {0x1B, "Esc", false},
    {0x20, "Space", false}, {0x21, "PgUp", true},       {0x22, "PgDn", true},
    {0x23, "End", true},    {0x24, "Home", true},       {0x25, "Left", true},
    {0x26, "Up", true},     {0x27, "Right", true},      {0x28, "Down", true},
    {0x2D, "Ins", true},    {0x2E, "Del", true},        {0x6A, "Num *", false},
    {0x6B, "Num +", false}, {0x6D, "Num -", false},     {0x6E, "Num Del", false},
    {0x6F, "Num /", true},  {0x90, "Num Lock", false},  {0x91, "Scroll Lock", false},
    {0xBA, ";", false},     {0xBB, "=", false},         {0xBC, ",", false},
    {0xBD, "-", false},     {0xBE, ".", false},         {0xBF, "/", false},
    {0xC0, "`", false},     {0xDB, "[", false},         {0xDC, "\\", false},
    {0xDD, "]", false},     {0xDE, "'", false},
};

std::string KeyNameOf(std::uint8_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return std::string(1, static_cast<char>(vk));
    if (vk >= 0x60 && vk <= 0x69)
        return "Num " + std::string(1, static_cast<char>('0' + vk - 0x60));
    if (vk >= 0x70 && vk <= 0x87)
        return "F" + std::to_string(vk - 0x70 + 1);
    for (const KeyName& k : kKeyNames)
        if (k.vk == vk)
            return k.name;
    return {};
}

// The key code (with the extended mark where the hot-key control sets it) of a key name.
std::optional<HotKeyCode> KeyOfName(std::string_view name) {
    for (int vk = 1; vk < 256; ++vk) {
        std::string known = KeyNameOf(static_cast<std::uint8_t>(vk));
        if (known.empty() || !platform::EqualsIgnoreCase(known, name))
            continue;
        HotKeyCode code = static_cast<HotKeyCode>(vk);
        for (const KeyName& k : kKeyNames)
            if (k.vk == vk && k.extended)
                code |= hot_key::kExtended;
        return code;
    }
    return std::nullopt;
}

bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() <= prefix.size() ||
        !platform::EqualsIgnoreCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

}  // namespace

std::optional<int> ParseSettingsInteger(std::string_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        int digit = DigitValue(c);
        if (digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFll)
            return std::nullopt;
    }
    // Hexadecimal texts name the 32 bits ("0xFFFFFFFF" is -1); decimal ones must fit.
    if (base == 16 && !negative)
        return static_cast<int>(static_cast<std::uint32_t>(value));
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

bool ParseSettingsBoolean(std::string_view text, bool fallback) {
    std::optional<int> value = ParseSettingsInteger(text);
    return value ? *value != 0 : fallback;
}

std::string ShortCutToText(HotKeyCode code) {
    std::string key = KeyNameOf(static_cast<std::uint8_t>(code & 0xFF));
    if (key.empty())
        return {};
    std::string text;
    if (code & hot_key::kShift)
        text += "Shift+";
    if (code & hot_key::kCtrl)
        text += "Ctrl+";
    if (code & hot_key::kAlt)
        text += "Alt+";
    return text + key;
}

std::optional<HotKeyCode> TextToShortCut(std::string_view text) {
    text = Trimmed(text);
    if (text.empty())
        return HotKeyCode{0};
    HotKeyCode modifiers = 0;
    for (bool more = true; more;) {
        more = false;
        if (TakePrefix(text, "Shift+")) {
            modifiers |= hot_key::kShift;
            more = true;
        } else if (TakePrefix(text, "Ctrl+")) {
            modifiers |= hot_key::kCtrl;
            more = true;
        } else if (TakePrefix(text, "Alt+")) {
            modifiers |= hot_key::kAlt;
            more = true;
        }
    }
    std::optional<HotKeyCode> key = KeyOfName(text);
    if (!key)
        return std::nullopt;
    return static_cast<HotKeyCode>(*key | modifiers);
}
