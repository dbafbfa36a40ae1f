#pragma once
// What the accepted-cookies list shows and what its clicks do to the accepted cookie names
// (AcceptedCookieList), apart from the window that shows it. No system calls.
#include <cstddef>
#include <string>
#include <vector>

struct CookieLine {
    std::string name;  // the cookie's whole cache name, "Cookie:user@site/path"
    bool checked = false;
};

// Whether `name` is accepted; names are compared without regard to letter case.
bool IsAcceptedCookie(const std::vector<std::string>& accepted, const std::string& name);

class AcceptedCookiesList {
  public:
    // The accepted names first, in their order and checked, then each cached name that holds
    // "Cookie:" and is not listed yet (letter case aside), in the cache's order, unchecked.
    void Rebuild(const std::vector<std::string>& accepted,
                 const std::vector<std::string>& cachedNames);

    const std::vector<CookieLine>& Lines() const { return lines_; }

    // The line's name leaves the accepted names when it is there and joins them at the end
    // otherwise; its check mark follows.
    void ClickCheck(std::size_t index, std::vector<std::string>& accepted);
    void SelectAll(std::vector<std::string>& accepted);
    void DeselectAll(std::vector<std::string>& accepted);

  private:
    bool Listed(const std::string& name) const;
    std::vector<CookieLine> lines_;
};
