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

// Makes drive `letter` (a letter Wine does not map yet) a second name of `folder`, as a
// link in the prefix's "dosdevices" folder; RemoveDriveLetter takes the link away again.
bool MakeDriveLetter(char letter, const std::string& folder);
bool RemoveDriveLetter(char letter);

// Makes folder\below and its missing parents at once from the Linux side (a tree thousands of
// folders deep, which Wine takes minutes to make through Windows calls); RemoveUnixTree
// removes a folder with everything below it the same way, without following links.
// `below` is relative to `folder` ("a\\b\\c"), which may be a path of any length.
bool MakeUnixFolders(const std::string& folder, const std::string& below);
bool RemoveUnixTree(const std::string& folder);

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
