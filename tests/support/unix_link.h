#pragma once
// Symbolic links made from the Linux side, for tests under Wine: Wine cannot make them itself
// (CreateSymbolicLink does nothing), and deleting a link through Windows acts on its target, so
// tests remove their links the same way. Both run /bin/ln or /bin/rm as Unix programs.
#include <string>

namespace testing_support {

// Makes `link` (a Windows path that does not exist yet) a symbolic link to `target`.
bool MakeUnixSymlink(const std::string& target, const std::string& link);
// Removes the link itself, never its target.
bool RemoveUnixSymlink(const std::string& link);

// A link that exists for one test and is removed afterwards.
class ScopedUnixSymlink {
  public:
    ScopedUnixSymlink(const std::string& target, std::string link);
    ~ScopedUnixSymlink();
    ScopedUnixSymlink(const ScopedUnixSymlink&) = delete;
    ScopedUnixSymlink& operator=(const ScopedUnixSymlink&) = delete;

    bool Made() const { return made_; }

  private:
    std::string link_;
    bool made_;
};

}  // namespace testing_support
