#include "engine/protected_folders.h"

#include "platform/known_folders.h"
#include "platform/paths.h"
#include "platform/profile_list.h"
#include "platform/system.h"

ProtectedFolders SystemProtectedFolders() {
    using platform::FullLongPath;
    ProtectedFolders result;
    result.Add(FullLongPath(platform::WindowsFolder()), "the Windows folder");
    result.Add(FullLongPath(platform::SystemFolder()), "the system folder");
    result.Add(FullLongPath(platform::SystemWow64Folder()), "the system folder");
    // The 64-bit system folder as a 32-bit program reaches it ("Sysnative").
    result.Add(FullLongPath(platform::NativeSystemFolder()), "the system folder");
    std::string profile = platform::UserProfileFolder();
    if (!profile.empty()) {
        profile = FullLongPath(profile);
        result.Add(profile, "a user profile folder");
        std::string holder = platform::FolderOfPath(platform::WithoutTrailingBackslash(profile));
        result.Add(holder, "the folder that holds the user profiles");
        result.SetProfilesHolder(holder);
    }
    // Every profile the system registers, wherever it lies (the system's own profiles live in
    // the system folder), and the folder the system keeps them in.
    const platform::ProfileFolders registered = platform::RegisteredProfileFolders();
    for (const std::string& path : registered.profiles)
        result.Add(FullLongPath(path), "a user profile folder");
    if (!registered.holder.empty())
        result.Add(FullLongPath(registered.holder), "the folder that holds the user profiles");
    return result;
}
