#pragma once
// The two list mechanisms behind most Windows histories: the MRU list (one-character values
// named in order by the text value "MRUList") and the numbered list (File0, File1, ...).
#include <string>

#include "engine/wash_scope.h"
#include "platform/root_key.h"

// How the test run lists a deleted value of an MRU list.
enum class MruDataShown {
    Data,      // its text in double quotes, then its size
    SizeOnly,  // only its size
};

// Deletes the values of root\keyPath (no trailing backslash) that its "MRUList" names, in
// that order, each once, then clears "MRUList" itself (it stays, empty). Values it does not
// name and subkeys stay. A value that cannot be deleted is not counted; the walk goes on.
void WashMruList(WashScope& scope, RootKey root, const std::string& keyPath, MruDataShown shown);

// Deletes the values prefix + "0", prefix + "1", ... of root\keyPath up to the first missing
// number. A value that cannot be deleted is not counted and the walk goes on with the next
// number.
void WashNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                      const std::string& prefix);
