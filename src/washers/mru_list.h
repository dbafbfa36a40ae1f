#pragma once
// The list mechanisms behind most Windows and application histories: the MRU list
// (one-character values named in order by the text value "MRUList"), the numbered list (File0,
// File1, ... or File1, File2, ...), also in pairs (MRU1 with MRUFlags1), and the values whose
// names begin alike (LastFile1, LastFileDir).
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
// An "MRUListEx" list in the same key (binary numbers naming the values "0", "1", ...) is
// washed the same way first, and left holding only its end mark.
void WashMruList(WashScope& scope, RootKey root, const std::string& keyPath, MruDataShown shown);

// Deletes the values prefix + firstNumber, prefix + (firstNumber + 1), ... of root\keyPath up
// to the first missing number (Windows' own lists count from 0, the applications' from 1). A
// value that cannot be deleted is not counted and the walk goes on with the next number.
void WashNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                      const std::string& prefix, unsigned long firstNumber = 0);

// A numbered list whose entries are pairs: first + n (the file) and, when there is one,
// second + n (its flags or type), from first + firstNumber up to the first missing number.
// Each pair is one entry listed under the second value's name (the first's when the second is
// missing), counted with the sizes of the values removed; a pair of which nothing could be
// deleted is not counted.
void WashPairedNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                            const std::string& first, const std::string& second,
                            unsigned long firstNumber, MruDataShown shown);

// Deletes every value of root\keyPath whose name begins with `prefix` (in either letter case:
// "LastFile" takes "LastFile1" and "LastFileDir", not "MyLastFile"); subkeys stay. A value that
// cannot be deleted is not counted.
void WashValuesNamedFrom(WashScope& scope, RootKey root, const std::string& keyPath,
                         const std::string& prefix);
