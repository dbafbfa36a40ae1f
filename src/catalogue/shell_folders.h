#pragma once
// The real Windows folders behind ShellFolderKind, read from the registry on every call (the
// user may move a shell folder while the program runs), and the macros expanded with them.
#include <functional>
#include <string>

#include "catalogue/folder_macros.h"

// The folder's path with a trailing backslash added to the stored value; kNoSuchFolder when
// it cannot be determined. Never empty.
std::string ResolveShellFolder(ShellFolderKind kind);
// ExpandFolderMacrosWith() over the real folders.
std::string ExpandFolderMacros(const std::string& text);
// False for the system and the Windows directory (exact, case-sensitive comparison); true for
// everything else, kNoSuchFolder included.
bool IsNotSystemFolder(const std::string& path);

// Shows `ShellFolderWarningText` once for each per-user or common shell folder (members 0 to
// 25) that points at a system folder. The start goes on afterwards; nothing is changed.
using ShowWarning = std::function<void(const std::string& text)>;
void CheckShellFolders(const ShowWarning& show);
