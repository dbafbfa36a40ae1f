#pragma once
// The primitives every washer works through: destroy named files, wash a folder tree, wash a
// registry key tree. They ask for confirmation when asked to, report each action, count entries
// and bytes into the scope's counters, stop when KeepWashing falls, and in a test run only
// report and count what they would do.
#include <string>
#include <vector>

#include "engine/report_action.h"
#include "engine/size_text.h"
#include "engine/wash_scope.h"
#include "platform/root_key.h"

// Destroys (deleteFiles) or clears each file folder + name. A name that is a folder is washed
// whole: WashFolder with "*.*", subfolders, and the folder itself removed when deleteFiles.
// Returns the result of the last such folder call, false when none. Names that do not exist,
// are empty or climb out with "." or ".." are skipped and never counted.
bool WashFile(WashScope& scope, const std::string& folder, const std::vector<std::string>& names,
              bool& prompt, bool deleteFiles);

// Destroys (deleteFiles) or clears the files of `folder` (ending in a backslash) whose long
// names match `mask` and are not spared by `exclusions`; with includeSubfolders first every
// subfolder the same way, then the subfolders whose names match the mask whole; finally, with
// deleteFolderItself, removes the folder when it is empty. True when the folder was removed or
// was not to be removed. Links (junctions, symbolic links) are never entered nor touched, and a
// walk over a protected folder (drive root, Windows, system or profile folder) with subfolders
// or with a mask that takes every file is refused: false, and the log says why.
bool WashFolder(WashScope& scope, const std::string& folder, const std::string& mask,
                const std::string& exclusions, bool& prompt, bool deleteFolderItself,
                bool includeSubfolders, bool deleteFiles);

// Whether a walk may list `folder` at all: a path form the program understands, with no link
// (junction, symbolic link) on its way or at its end. When not, the log says why. For washers
// that list a folder themselves before handing what they find to WashFolder (the recycle bin).
bool FolderMayBeWalked(WashScope& scope, const std::string& folder);

// Whether root\keyPath is a registry link, which no wash follows: it may lead anywhere, even
// above itself. When it is, it is reported and logged as left alone. For washers that read a
// key's values themselves (the MRU and numbered lists).
bool RefusedRegistryLink(WashScope& scope, RootKey root, const std::string& keyPath);

// Deletes (deleteValues) or clears the values of root\keyPath (ending in a backslash) whose
// names match `mask`, not spared by `exclusions`; with includeSubkeys first every subkey the same
// way; subkeys whose names match a mask other than "*" are washed whole; finally, with
// deleteKeyItself, removes the key when it is empty (removed keys are not counted).
bool WashRegistryKey(WashScope& scope, RootKey root, const std::string& keyPath,
                     const std::string& mask, const std::string& exclusions, bool& prompt,
                     bool deleteKeyItself, bool includeSubkeys, bool deleteValues);

// Deletes the one value `valueName` of root\keyPath, its name taken as it is (never as a mask,
// so "*" or a subkey of the same name are not touched); the key stays. True when the value was
// deleted (in a test run: would be).
bool WashRegistryValue(WashScope& scope, RootKey root, const std::string& keyPath,
                       const std::string& valueName, bool& prompt);
