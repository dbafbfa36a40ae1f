#pragma once
// Folders a wash must never run over, and paths in the one spelling the system resolves them to.
#include <string>

namespace platform {

// The current user's profile folder ("C:\users\bob\"), with a trailing backslash; empty when
// the system does not say.
std::string UserProfileFolder();
// The 32-bit system folder of a 64-bit Windows ("C:\windows\SysWOW64\"); empty when none.
std::string SystemWow64Folder();
// The full path with "." and ".." resolved, "/" turned into "\" and short 8.3 components in
// their long form where the path exists. A trailing backslash stays. Unchanged on failure.
std::string FullLongPath(const std::string& path);
// The short 8.3 form of an existing path, for programs that take a path without quotes; the
// path unchanged when the system has no short form for it.
std::string ShortPathName(const std::string& path);

}  // namespace platform
