#pragma once
// The folders a destroying walk never runs over with its subfolders or with a mask that takes
// every file: drive roots, the Windows and system folders, the user profiles and the folder
// that holds them. Named masks in such a folder itself (such as "*.log") stay allowed.
#include <string>
#include <vector>

struct ProtectedFolders {
    struct Folder {
        std::string path;  // lower case, with a trailing backslash
        std::string what;  // "the Windows folder"
    };
    std::vector<Folder> folders;
    // Lower case, with a trailing backslash; each folder directly inside it is a user profile.
    std::string profilesHolder;

    void Add(const std::string& path, const std::string& what);
    void SetProfilesHolder(const std::string& path);
};

// What makes `folder` protected ("a drive root", "the Windows folder", ...), or "" when it is
// not. `folder` is a full path in its long form (FullLongPath); letter case does not matter.
std::string ProtectedFolderReason(const ProtectedFolders& protectedFolders,
                                  const std::string& folder);

// Whether a walk with this mask over a protected folder is refused.
bool WalkNeedsGuard(const std::string& mask, bool includeSubfolders);

// The folders of this system (Windows side).
ProtectedFolders SystemProtectedFolders();
