#include "lists/accepted_cookies_list.h"

#include <algorithm>

#include "platform/paths.h"

namespace {

constexpr char kCookieMark[] = "Cookie:";

// Every spelling of the name goes, so no other letter case keeps sparing the cookie.
void RemoveAccepted(std::vector<std::string>& accepted, const std::string& name) {
    accepted.erase(std::remove_if(accepted.begin(), accepted.end(),
                                  [&](const std::string& line) {
                                      return platform::EqualsIgnoreCase(line, name);
                                  }),
                   accepted.end());
}

}  // namespace

bool IsAcceptedCookie(const std::vector<std::string>& accepted, const std::string& name) {
    return std::any_of(accepted.begin(), accepted.end(), [&](const std::string& line) {
        return platform::EqualsIgnoreCase(line, name);
    });
}

bool AcceptedCookiesList::Listed(const std::string& name) const {
    return std::any_of(lines_.begin(), lines_.end(), [&](const CookieLine& line) {
        return platform::EqualsIgnoreCase(line.name, name);
    });
}

void AcceptedCookiesList::Rebuild(const std::vector<std::string>& accepted,
                                  const std::vector<std::string>& cachedNames) {
    lines_.clear();
    for (const std::string& name : accepted)
        if (!Listed(name))
            lines_.push_back(CookieLine{name, true});
    for (const std::string& name : cachedNames)
        if (name.find(kCookieMark) != std::string::npos && !Listed(name))
            lines_.push_back(CookieLine{name, false});
}

void AcceptedCookiesList::ClickCheck(std::size_t index, std::vector<std::string>& accepted) {
    if (index >= lines_.size())
        return;
    CookieLine& line = lines_[index];
    if (IsAcceptedCookie(accepted, line.name)) {
        RemoveAccepted(accepted, line.name);
        line.checked = false;
    } else {
        accepted.push_back(line.name);
        line.checked = true;
    }
}

void AcceptedCookiesList::SelectAll(std::vector<std::string>& accepted) {
    for (CookieLine& line : lines_) {
        line.checked = true;
        if (!IsAcceptedCookie(accepted, line.name))
            accepted.push_back(line.name);
    }
}

void AcceptedCookiesList::DeselectAll(std::vector<std::string>& accepted) {
    for (CookieLine& line : lines_) {
        line.checked = false;
        RemoveAccepted(accepted, line.name);
    }
}
