#pragma once
// Facts about the running system. The platform id is a seam: tests can pretend to be Windows 9x.
#include <optional>
#include <string>

namespace platform {

enum class PlatformId { Windows9x = 1, WindowsNT = 2 };

PlatformId CurrentPlatformId();
// Tests only: make CurrentPlatformId() answer `id` (nullopt goes back to the real one).
void OverridePlatformIdForTests(std::optional<PlatformId> id);

// A 32-bit program on 64-bit Windows, whose view of HKLM\Software, HKCR and the system folder
// Windows redirects to their 32-bit copies.
bool IsWow64();
// Tests only: make IsWow64() answer `wow64` (nullopt goes back to the real answer). A 64-bit
// test program never sees the redirection itself.
void OverrideWow64ForTests(std::optional<bool> wow64);

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();
std::string WindowsFolder();  // "C:\windows\"
std::string SystemFolder();   // "C:\windows\system32\"
// The 64-bit system folder that Windows itself uses, as this program reaches it: the system
// folder, or for a redirected 32-bit program "C:\windows\Sysnative\" (Windows Vista and
// later; where it is missing, that program cannot reach the folder and finds nothing there).
std::string NativeSystemFolder();
std::string TempFolder();       // the user's temporary folder
std::string CurrentUserName();  // empty when the system does not say
std::string EnvironmentVariable(const std::string& name);
unsigned long long MillisecondsSinceStart();

}  // namespace platform
