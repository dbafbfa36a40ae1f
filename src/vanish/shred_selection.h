#pragma once
// The Vanish page's Shred: the chosen entries of one folder destroyed at the wash level, each
// confirmed ("Delete C:\dir\name ?" with Yes, No, Cancel and All).
#include <functional>
#include <string>
#include <vector>

#include "engine/wash_context.h"

// Shows "Initializing Schredder...", marks the run, sets the shredder from the wash level and
// hands `names` (real names in `folder`, which ends with a backslash) to WashFile: folders
// among them are washed whole and removed. `refresh` then reads the folder again. Finally shows
// "Done Schredding...". With no names only the two texts show. Does nothing while washing.
void ShredSelection(WashContext& ctx, const std::string& folder,
                    const std::vector<std::string>& names, const std::function<void()>& refresh);

inline constexpr const char* kShredStartText = "Initializing Schredder...";
inline constexpr const char* kShredDoneText = "Done Schredding...";
