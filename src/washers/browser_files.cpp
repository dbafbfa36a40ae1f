#include "washers/browser_files.h"

#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "platform/files.h"

std::string AppDataFolder() {
    return ResolveShellFolder(ShellFolderKind::ftAppData);
}

std::string LocalAppDataFolder() {
    return ResolveShellFolder(ShellFolderKind::ftLocalAppData);
}

std::vector<std::string> ProfileFolders(const std::string& folder) {
    std::vector<std::string> profiles;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*"))
        if (!entry.IsDotEntry() && entry.IsFolder())
            profiles.push_back(folder + entry.name + "\\");
    return profiles;
}

void ClearFiles(WashScope& scope, const std::string& folder, const std::string& mask) {
    bool prompt = false;
    WashFolder(scope, folder, mask, "", prompt, false, false, false);
}

void DeleteFiles(WashScope& scope, const std::string& folder, const std::string& mask) {
    bool prompt = false;
    WashFolder(scope, folder, mask, "", prompt, false, false, true);
}

void DeleteKeyValues(WashScope& scope, const std::string& keyPath) {
    bool prompt = false;
    WashRegistryKey(scope, RootKey::CurrentUser, keyPath, "*", "", prompt, false, true, true);
}
