// The system half of the contained-file rule.
#include "engine/contained_file.h"

#include "engine/protected_folders.h"
#include "engine/shred/shredder.h"
#include "platform/files.h"
#include "platform/known_folders.h"
#include "platform/paths.h"

namespace {

bool IsLinkAt(const std::string& path) {
    auto attributes = platform::FileAttributes(path);
    return attributes && (*attributes & platform::file_attr::kReparsePoint);
}

}  // namespace

std::string LinkOnTheWay(const std::string& path) {
    std::size_t at = path.find('\\');
    while (at != std::string::npos && at + 1 < path.size()) {
        std::size_t next = path.find('\\', at + 1);
        std::string prefix = path.substr(0, next);
        if (IsLinkAt(prefix))
            return prefix;
        at = next;
    }
    return "";
}

namespace {

class Watch : public ShredObserver {
  public:
    void DeletedWithoutOverwrite() override { missed = true; }
    bool missed = false;
};

}  // namespace

ContainedFolders::ContainedFolders(const std::vector<std::string>& folders) {
    const ProtectedFolders protectedFolders = SystemProtectedFolders();
    for (const std::string& folder : folders) {
        std::string canonical = platform::WithTrailingBackslash(platform::FullLongPath(folder));
        if (ProtectedFolderReason(protectedFolders, canonical).empty())
            folders_.push_back(std::move(canonical));
    }
}

bool ContainedFolders::Contain(const std::string& fullPath) const {
    for (const std::string& folder : folders_)
        if (PathLiesUnder(fullPath, folder))
            return true;
    return false;
}

std::string ContainedFileRefusal(const std::string& path, const ContainedFolders& folders) {
    const std::string full = platform::FullLongPath(path);
    if (!folders.Contain(full))
        return "it lies outside the folders it may be destroyed in";
    std::string link = LinkOnTheWay(platform::WithoutTrailingBackslash(full));
    if (!link.empty())
        return "it is reached through the link " + link + ", which a wash never follows";
    auto attributes = platform::FileAttributes(full);
    if (attributes && (*attributes & platform::file_attr::kDirectory))
        return "it is a folder";
    return "";
}

ContainedShred ShredContainedFile(const std::string& path, const ContainedFolders& folders,
                                  const ShredSettings& settings, std::string& note) {
    note = ContainedFileRefusal(path, folders);
    if (!note.empty())
        return ContainedShred::Refused;
    if (!platform::FileExists(path))
        return ContainedShred::Missing;
    Watch watch;
    if (!ShredFile(path, settings, &watch)) {
        note = "it could not be removed";
        return ContainedShred::Failed;
    }
    if (watch.missed)
        note = "deleted without overwriting it: it could not be written";
    return ContainedShred::Destroyed;
}

bool WashContainedFile(WashScope& scope, const std::string& path, const ContainedFolders& folders) {
    if (scope.Testing())
        return false;
    std::string note;
    ShredSettings settings = scope.Ctx.Shred;
    settings.ShredDelete = true;
    ContainedShred result = ShredContainedFile(path, folders, settings, note);
    if (result == ContainedShred::Refused)
        scope.QueueLogLine("Left alone " + path + ": " + note);
    else if (result == ContainedShred::Destroyed && !note.empty())
        scope.QueueLogLine("Deleted " + path + " without overwriting it: it could not be written");
    return result == ContainedShred::Destroyed;
}
