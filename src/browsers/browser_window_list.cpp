#include "browsers/browser_window_list.h"

#include <algorithm>

namespace {

std::string_view NamePart(std::string_view line) {
    return line.substr(0, line.find('='));
}

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::string BrowserWindowList::NameOf(std::uint32_t window) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string name = "$00000000";
    for (int i = 8; i >= 1; --i) {
        name[static_cast<std::size_t>(i)] = kDigits[window & 0xF];
        window >>= 4;
    }
    return name;
}

std::uint32_t BrowserWindowList::WindowOfName(std::string_view name) {
    int base = 10;
    if (!name.empty() && name.front() == '$') {
        base = 16;
        name.remove_prefix(1);
    }
    if (name.empty())
        return 0;
    std::uint64_t value = 0;
    for (char c : name) {
        int digit = DigitValue(c, base);
        if (digit < 0)
            return 0;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu)
            return 0;  // no handle is that large
    }
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string>::const_iterator BrowserWindowList::Find(std::uint32_t window) const {
    std::string name = NameOf(window);
    return std::find_if(lines_.begin(), lines_.end(),
                        [&](const std::string& line) { return NamePart(line) == name; });
}

bool BrowserWindowList::AddIfAbsent(std::uint32_t window, const std::string& className,
                                    const std::string& caption) {
    if (window == 0 || Contains(window))
        return false;
    lines_.push_back(NameOf(window) + "=" + className + " " + caption);
    return true;
}

bool BrowserWindowList::Contains(std::uint32_t window) const {
    return Find(window) != lines_.end();
}

void BrowserWindowList::Remove(std::uint32_t window) {
    auto found = Find(window);
    if (found != lines_.end())
        lines_.erase(found);
}

bool BrowserWindowList::Prune(const std::function<bool(std::uint32_t)>& exists) {
    for (std::size_t i = lines_.size(); i-- > 0;) {
        if (!exists(WindowOfName(NamePart(lines_[i]))))
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return !lines_.empty();
}
