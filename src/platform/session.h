#pragma once
// Ending the Windows session. ExitWindowsEx is a seam: tests record what the program asks
// for instead of ending the session of the machine they run on.
#include <functional>

namespace platform {

// Enables the process's shutdown privilege; failures are ignored (ExitWindowsEx then fails
// or succeeds on its own). Windows 9x has no privileges: there it does nothing harmful.
void EnableShutdownPrivilege();

// ExitWindowsEx(flags, reason); true when Windows accepted the request.
bool ExitWindowsSession(unsigned flags, unsigned reason);

// Tests only: ExitWindowsSession calls `exit` instead (an empty function goes back to the
// real one).
using ExitWindowsFunction = std::function<bool(unsigned flags, unsigned reason)>;
void OverrideExitWindowsForTests(ExitWindowsFunction exit);

}  // namespace platform
