#pragma once
// The definition lines of plug-in objects ("F|SI|[ftCookies]|*.*|C|") as TSchema records, and
// the test that keeps a folder whose macro did not resolve from ever being walked.
#include <string>

#include "catalogue/folder_macros.h"
#include "catalogue/wash_list.h"

// Five fields, each ended by "|": "R" (registry) or "F" (files), else kind 0; "SI" for
// subitems; "ROOT key\" (HKCR, HKCU, HKLM, HKU, HKCC, HKDD; any other root is HKLM) or the
// folder with its macros expanded through `resolve`; the mask; "C" clear or "D" delete. A field
// without its "|" reads as empty, and so do the fields after it.
TSchema ParseSchemaLineWith(const std::string& line, const ShellFolderResolver& resolve);

// True when an expanded folder still holds a folder macro ("[ftLocalSettings]", "[ftNoSuch]",
// "%SystemRoot%") or the path of a folder that could not be determined: such text must never
// be taken as a path.
bool FolderMacroLeft(const std::string& folder);

// The text a detection line's mask with "*" looks for in names: the part before the first "*"
// ("Recent*" -> "Recent"); empty, so that any name has it, when the mask begins with "*".
std::string DetectionMaskText(const std::string& mask);
