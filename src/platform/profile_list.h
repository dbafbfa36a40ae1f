#pragma once
// The user profiles the system knows, from
// HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\ProfileList: not guessed from the current
// user's own profile, so profiles elsewhere (another drive, the system's own profiles under
// the system folder) are known too.
#include <string>
#include <vector>

namespace platform {

struct ProfileFolders {
    std::string holder;                 // the folder that holds the profiles; may be empty
    std::vector<std::string> profiles;  // each profile, the shared and default ones included
};

// Paths as the registry gives them, environment variables expanded; relative names (Windows
// XP's "All Users", "Default User") are taken inside the holder.
ProfileFolders RegisteredProfileFolders();

}  // namespace platform
