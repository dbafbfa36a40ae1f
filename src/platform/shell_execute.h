#pragma once
// Starting a program or document through the shell, with or without waiting for it.
#include <functional>
#include <string>

namespace platform {

// ShellExecute with the desktop window as owner, no verb, a normal window and no working
// folder; true when the shell reports success (a result of 32 or more).
bool ShellExecuteOpen(const std::string& file, const std::string& parameters);

// ShellExecuteEx of the program with a normal window (no message box of the shell when it
// cannot be started), then waits until it has ended or the
// application is ending (WM_QUIT waits in the queue), calling `pump` whenever messages arrive.
// True when the program could be started.
bool RunAndWait(const std::string& program, const std::string& parameters,
                const std::function<void()>& pump);

}  // namespace platform
