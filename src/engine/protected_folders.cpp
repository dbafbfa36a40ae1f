#include "engine/protected_folders.h"

#include "engine/file_mask.h"
#include "platform/paths.h"

namespace {

std::string Normalized(const std::string& path) {
    std::string text = platform::LowerAscii(path);
    for (char& c : text)
        if (c == '/')
            c = '\\';
    if (text.rfind("\\\\?\\unc\\", 0) == 0)
        text = "\\\\" + text.substr(8);
    else if (text.rfind("\\\\?\\", 0) == 0)
        text.erase(0, 4);
    while (text.size() > 1 && text.back() == '\\')
        text.pop_back();
    return text + "\\";
}

// "c:\" or "\\server\share\" (after Normalized).
bool IsDriveRoot(const std::string& path) {
    if (path.size() == 3 && path[1] == ':')
        return true;
    if (path.rfind("\\\\", 0) != 0)
        return false;
    int separators = 0;
    for (std::size_t i = 2; i < path.size(); ++i)
        if (path[i] == '\\')
            ++separators;
    return separators <= 2;  // "\\server\" or "\\server\share\"
}

}  // namespace

void ProtectedFolders::Add(const std::string& path, const std::string& what) {
    if (!path.empty())
        folders.push_back({Normalized(path), what});
}

void ProtectedFolders::SetProfilesHolder(const std::string& path) {
    profilesHolder = path.empty() ? std::string() : Normalized(path);
}

std::string ProtectedFolderReason(const ProtectedFolders& protectedFolders,
                                  const std::string& folder) {
    std::string path = Normalized(folder);
    if (IsDriveRoot(path))
        return "a drive root";
    for (const auto& entry : protectedFolders.folders)
        if (path == entry.path)
            return entry.what;
    const std::string& holder = protectedFolders.profilesHolder;
    if (!holder.empty() && path.size() > holder.size() && path.rfind(holder, 0) == 0 &&
        path.find('\\', holder.size()) == path.size() - 1)
        return "a user profile folder";
    return {};
}

bool WalkNeedsGuard(const std::string& mask, bool includeSubfolders) {
    return includeSubfolders || MaskTakesAnyName(mask);
}
