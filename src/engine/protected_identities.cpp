#include "engine/protected_identities.h"

#include "engine/protected_folders.h"
#include "platform/drives.h"
#include "platform/profile_list.h"
#include "platform/system.h"

namespace {

std::optional<platform::FileIdentity> FolderIdentity(const std::string& path) {
    auto info = platform::EntryInfoAt(path);
    if (!info)
        return std::nullopt;
    return info->identity;
}

}  // namespace

ProtectedIdentities ProtectedIdentities::OfThisSystem() {
    ProtectedIdentities result;
    for (const std::string& root : platform::FixedDriveRoots())
        result.Add(root, "a drive root");
    const std::string windows = platform::WindowsFolder();
    result.Add(windows.substr(0, 3), "a drive root");
    result.Add(windows, "the Windows folder");
    result.Add(platform::SystemFolder(), "the system folder");
    const ProtectedFolders named = SystemProtectedFolders();
    for (const auto& folder : named.folders)
        result.Add(folder.path, folder.what);
    const platform::ProfileFolders profiles = platform::RegisteredProfileFolders();
    if (!profiles.holder.empty()) {
        result.Add(profiles.holder, "the folder that holds the user profiles");
        result.AddProfilesHolder(profiles.holder);
    }
    for (const std::string& profile : profiles.profiles)
        result.Add(profile, "a user profile folder");
    // The parent of the current user's profile, as the name rules know it.
    if (!named.profilesHolder.empty())
        result.AddProfilesHolder(named.profilesHolder);
    return result;
}

void ProtectedIdentities::Add(const std::string& path, const std::string& what) {
    if (path.empty())
        return;
    if (auto id = FolderIdentity(path))
        what_.emplace(*id, what);  // the first reason given stays
}

void ProtectedIdentities::AddProfilesHolder(const std::string& path) {
    if (auto id = FolderIdentity(path))
        holders_.insert(*id);
}

std::string ProtectedIdentities::Reason(const platform::FileIdentity& folder,
                                        const std::optional<platform::FileIdentity>& parent) const {
    auto found = what_.find(folder);
    if (found != what_.end())
        return found->second;
    if (parent && holders_.count(*parent))
        return "a user profile folder";
    return {};
}
