#pragma once
// What the washers of the browsers other than Internet Explorer share: their profile folders
// and the three ways they hand a browser's data to the primitives.
#include <string>
#include <vector>

#include "engine/wash_scope.h"

// The user's application data folders (each ends with a backslash).
std::string AppDataFolder();
std::string LocalAppDataFolder();

// The subfolders of `folder` (ending with a backslash), each as folder + name + "\", in the
// order the file system gives them. A missing folder gives none.
std::vector<std::string> ProfileFolders(const std::string& folder);

// The files of `folder` matching `mask` emptied in place (the browser still finds them), or
// deleted; no subfolders, the folder kept, nothing asked.
void ClearFiles(WashScope& scope, const std::string& folder, const std::string& mask);
void DeleteFiles(WashScope& scope, const std::string& folder, const std::string& mask);

// Every value of HKCU\keyPath and of its subkeys deleted; the keys stay.
void DeleteKeyValues(WashScope& scope, const std::string& keyPath);
