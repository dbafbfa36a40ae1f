#pragma once
// Destroys one file or one empty folder according to the wash level's mode and strength.
#include <string>

#include "engine/shred/shred_settings.h"

// Destroys (ShredDelete) or clears one file by settings.WashMode: overwrite passes, flushes,
// truncation, renames, delete. True when the file is gone (or, when clearing, when the clear
// succeeded); a mode outside 1..4 gives false.
bool ShredFile(const std::string& path, const ShredSettings& settings);

// Removes one folder (path ends with a backslash) if it is empty, renaming it first by mode.
bool ShredFolder(const std::string& path, const ShredSettings& settings);
