#pragma once
// Path text rules shared by every layer (no system calls).
#include <string>
#include <string_view>

namespace platform {

// "C:\a\b.txt" -> "C:\a\"; "b.txt" -> "".
std::string FolderOfPath(const std::string& path);
// "C:\a\b.txt" -> "b.txt"; a trailing backslash is ignored: "C:\a\" -> "a".
std::string LastPathComponent(const std::string& path);
std::string WithTrailingBackslash(std::string path);
// Drops trailing backslashes, but a drive root keeps its own ("C:\").
std::string WithoutTrailingBackslash(std::string path);
// "C:\..." or a network path "\\server\share\...": a path that names the same place whatever
// the current folder is.
bool IsAbsolutePath(std::string_view path);
// ASCII lower case, as file names compare on Windows for the letters that matter here.
std::string LowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// The text without the blanks, tabs and line ends around it.
std::string Trim(std::string_view text);

}  // namespace platform
