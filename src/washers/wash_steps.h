#pragma once
// The two primitive calls washers make most: a folder's files and a key's values, the folder or
// key itself staying, nothing asked, nothing spared unless named.
#include <string>

#include "engine/primitives.h"

// Destroys the files of `folder` that match `mask` (with includeSubfolders, its subfolders too,
// emptied ones removed).
inline void DeleteFolderFiles(WashScope& scope, const std::string& folder, const std::string& mask,
                              bool includeSubfolders, const std::string& exclusions = "") {
    bool prompt = false;
    WashFolder(scope, folder, mask, exclusions, prompt, false, includeSubfolders, true);
}

// Clears the files of `folder` itself that match `mask`: they stay, emptied or overwritten.
inline void ClearFolderFiles(WashScope& scope, const std::string& folder, const std::string& mask) {
    bool prompt = false;
    WashFolder(scope, folder, mask, "", prompt, false, false, false);
}

// Deletes the values of root\keyPath (ending in a backslash) that match `mask`; its subkeys are
// not entered.
inline void DeleteKeyValues(WashScope& scope, RootKey root, const std::string& keyPath,
                            const std::string& mask) {
    bool prompt = false;
    WashRegistryKey(scope, root, keyPath, mask, "", prompt, false, false, true);
}
