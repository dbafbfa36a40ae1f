#pragma once
// Facts about the running system. The platform id is a seam: tests can pretend to be Windows 9x.
#include <optional>
#include <string>

namespace platform {

enum class PlatformId { Windows9x = 1, WindowsNT = 2 };

PlatformId CurrentPlatformId();
// Tests only: make CurrentPlatformId() answer `id` (nullopt goes back to the real one).
void OverridePlatformIdForTests(std::optional<PlatformId> id);

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
std::string WindowsFolder();    // "C:\windows\"
std::string SystemFolder();     // "C:\windows\system32\"
std::string TempFolder();       // the user's temporary folder
std::string CurrentUserName();  // empty when the system does not say
std::string EnvironmentVariable(const std::string& name);
unsigned long long MillisecondsSinceStart();

}  // namespace platform
