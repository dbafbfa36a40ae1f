#pragma once
// The list of open browser windows, one text line per top-level window:
//   "$0001A2B4=ieframe Example page - Internet Explorer"
// The name is "$" and the window handle as eight upper-case hexadecimal digits; the value the
// window's class name in lower case, a blank, and its caption ("????" where none was taken).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class BrowserWindowList {
  public:
    // "$" and eight upper-case hexadecimal digits.
    static std::string NameOf(std::uint32_t window);
    // The handle a name stands for; 0 for a name that does not parse ("$" marks hexadecimal,
    // without it the digits are decimal).
    static std::uint32_t WindowOfName(std::string_view name);

    // Adds "name=className caption" unless a line of that name exists; true when added.
    bool AddIfAbsent(std::uint32_t window, const std::string& className,
                     const std::string& caption);
    bool Contains(std::uint32_t window) const;
    void Remove(std::uint32_t window);
    // Drops, from the last line to the first, every line whose window `exists` denies;
    // true when lines are left.
    bool Prune(const std::function<bool(std::uint32_t)>& exists);
    void Clear() { lines_.clear(); }

    const std::vector<std::string>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }

  private:
    std::vector<std::string>::const_iterator Find(std::uint32_t window) const;
    std::vector<std::string> lines_;
};
