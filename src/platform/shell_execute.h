#pragma once
// Starting a program or document through the shell, without waiting for it.
#include <string>

namespace platform {

// ShellExecute with the desktop window as owner, no verb, a normal window and no working
// folder; true when the shell reports success (a result of 32 or more).
bool ShellExecuteOpen(const std::string& file, const std::string& parameters);

}  // namespace platform
