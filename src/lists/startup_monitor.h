#pragma once
// The startup monitor's reach into the system: the programs of the six Run keys and the two
// startup folders, and stopping one through the wash primitives.
#include <vector>

#include "engine/wash_context.h"
#include "lists/startup_programs.h"

// The values of HKLM, then HKCU "...\Run", "...\RunOnce" and "...\RunOnceEx" (subkeys are not
// listed), then the files of the user's and the common startup folder, a shortcut with its
// target, any other file with its own path.
std::vector<StartupProgram> FindStartupPrograms();

// Deletes the registry value under its own root and key (the key stays), or destroys the
// startup-folder file at the wash level. True when it is gone.
bool StopStartupProgram(WashContext& ctx, const StartupProgram& program);
