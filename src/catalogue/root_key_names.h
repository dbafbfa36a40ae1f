#pragma once
// Names of the registry root keys: long ("HKEY_CURRENT_USER") in questions, short ("HKCU") in
// reports.
#include <string>

#include "platform/root_key.h"

// Long name, empty for a number that is not a root key.
std::string RootKeyName(RootKey root);
// Short name, empty for a number that is not a root key.
std::string RootKeyShortName(RootKey root);
// The root key of an exact, case-sensitive long name, else the fallback.
RootKey RootKeyFromName(const std::string& longName, RootKey fallback);
