#include "catalogue/settings_values.h"

#include <algorithm>
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
    bool extended;  // how the hot-key control reports the key from its usual place
};

constexpr KeyName kKeyNames[] = {
    {0x03, "Break", true},
    {0x08, "BkSp", false},
    {0x09, "Tab", false},
    {0x0C, "Clear", false},
    {0x0D, "Enter", false},
    {0x13, "Pause", false},
    {0x14, "Caps Lock", false},
    {0x1B, "Esc", false},
    {0x20, "Space", false},
    {0x21, "PgUp", true},
    {0x22, "PgDn", true},
    {0x23, "End", true},
    {0x24, "Home", true},
    {0x25, "Left", true},
    {0x26, "Up", true},
    {0x27, "Right", true},
    {0x28, "Down", true},
    {0x29, "Select", false},
    {0x2A, "Print", false},
    {0x2B, "Execute", false},
    {0x2C, "Print Screen", true},
    {0x2D, "Ins", true},
    {0x2E, "Del", true},
    {0x2F, "Help", false},
    {0x5B, "Left Windows", true},
    {0x5C, "Right Windows", true},
    {0x5D, "Apps", true},
    {0x5F, "Sleep", false},
    {0x6A, "Num *", false},
    {0x6B, "Num +", false},
    {0x6C, "Separator", false},
    {0x6D, "Num -", false},
    {0x6E, "Num Del", false},
    {0x6F, "Num /", true},
    {0x90, "Num Lock", false},
    {0x91, "Scroll Lock", false},
    {0xA6, "Browser Back", true},
    {0xA7, "Browser Forward", true},
    {0xA8, "Browser Refresh", true},
    {0xA9, "Browser Stop", true},
    {0xAA, "Browser Search", true},
    {0xAB, "Browser Favorites", true},
    {0xAC, "Browser Home", true},
    {0xAD, "Volume Mute", true},
    {0xAE, "Volume Down", true},
    {0xAF, "Volume Up", true},
    {0xB0, "Next Track", true},
    {0xB1, "Previous Track", true},
    {0xB2, "Stop Media", true},
    {0xB3, "Play/Pause Media", true},
    {0xB4, "Start Mail", true},
    {0xB5, "Select Media", true},
    {0xB6, "Start Application 1", true},
    {0xB7, "Start Application 2", true},
    {0xBA, ";", false},
    {0xBB, "=", false},
    {0xBC, ",", false},
    {0xBD, "-", false},
    {0xBE, ".", false},
    {0xBF, "/", false},
    {0xC0, "`", false},
    {0xDB, "[", false},
    {0xDC, "\\", false},
    {0xDD, "]", false},
    {0xDE, "'", false},
};

// The same key codes from the numeric pad (Num Lock off) and its Enter, which the control
// tells apart by the extended mark alone.
constexpr KeyName kNumPadNames[] = {
    {0x0D, "Num Enter", true}, {0x21, "Num PgUp", false},  {0x22, "Num PgDn", false},
    {0x23, "Num End", false},  {0x24, "Num Home", false},  {0x25, "Num Left", false},
    {0x26, "Num Up", false},   {0x27, "Num Right", false}, {0x28, "Num Down", false},
    {0x2D, "Num Ins", false},
};

// Any other key (and Del from the numeric pad) by its number: "Key 146", "Key 146 Ext".
constexpr std::string_view kNumberedKey = "Key ";
constexpr std::string_view kExtendedSuffix = " Ext";

// The first entry of either table that `match` takes.
template <typename Match>
const KeyName* FindKeyName(Match match) {
    for (const KeyName& k : kKeyNames)
        if (match(k))
            return &k;
    for (const KeyName& k : kNumPadNames)
        if (match(k))
            return &k;
    return nullptr;
}

std::string ComputedKeyName(std::uint8_t vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return std::string(1, static_cast<char>(vk));
    if (vk >= 0x60 && vk <= 0x69)
        return "Num " + std::string(1, static_cast<char>('0' + vk - 0x60));
    if (vk >= 0x70 && vk <= 0x87)
        return "F" + std::to_string(vk - 0x70 + 1);
    return {};
}

// The name of a key code with its extended mark; every code has one.
std::string KeyNameOf(HotKeyCode key) {
    const auto vk = static_cast<std::uint8_t>(key & 0xFF);
    const bool extended = (key & hot_key::kExtended) != 0;
    std::string computed = ComputedKeyName(vk);
    if (!computed.empty() && !extended)
        return computed;
    if (const KeyName* k =
            FindKeyName([&](const KeyName& k) { return k.vk == vk && k.extended == extended; }))
        return k->name;
    return std::string(kNumberedKey) + std::to_string(vk) +
           std::string(extended ? kExtendedSuffix : "");
}

std::optional<HotKeyCode> NumberedKeyOfName(std::string_view name) {
    if (name.size() <= kNumberedKey.size() ||
        !platform::EqualsIgnoreCase(name.substr(0, kNumberedKey.size()), kNumberedKey))
        return std::nullopt;
    name.remove_prefix(kNumberedKey.size());
    HotKeyCode code = 0;
    if (name.size() > kExtendedSuffix.size() &&
        platform::EqualsIgnoreCase(name.substr(name.size() - kExtendedSuffix.size()),
                                   kExtendedSuffix)) {
        code = hot_key::kExtended;
        name.remove_suffix(kExtendedSuffix.size());
    }
    int vk = 0;
    for (char c : name) {
        if (c < '0' || c > '9' || name.size() > 3)
            return std::nullopt;
        vk = vk * 10 + (c - '0');
    }
    if (vk < 1 || vk > 255)
        return std::nullopt;
    return static_cast<HotKeyCode>(code | vk);
}

// The key code (with the extended mark where the hot-key control sets it) of a key name.
std::optional<HotKeyCode> KeyOfName(std::string_view name) {
    for (int vk = 1; vk < 256; ++vk) {
        std::string computed = ComputedKeyName(static_cast<std::uint8_t>(vk));
        if (!computed.empty() && platform::EqualsIgnoreCase(computed, name))
            return static_cast<HotKeyCode>(vk);
    }
    if (const KeyName* k =
            FindKeyName([&](const KeyName& k) { return platform::EqualsIgnoreCase(k.name, name); }))
        return static_cast<HotKeyCode>(k->vk | (k->extended ? hot_key::kExtended : 0));
    return NumberedKeyOfName(name);
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
    if ((code & 0xFF) == 0)
        return {};
    std::string key = KeyNameOf(code);
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

std::vector<int> NumberedNames(const std::vector<std::string>& names, std::string_view prefix,
                               int limit) {
    std::vector<int> numbers;
    for (std::string_view name : names) {
        if (name.size() <= prefix.size() ||
            !platform::EqualsIgnoreCase(name.substr(0, prefix.size()), prefix))
            continue;
        name.remove_prefix(prefix.size());
        if (name.front() == '0' || name.size() > 10 ||
            name.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        long long n = 0;
        for (char c : name)
            n = n * 10 + (c - '0');
        if (n <= limit)
            numbers.push_back(static_cast<int>(n));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}
