#include "support/temp_folder.h"

#include <atomic>
#include <random>

#include "platform/files.h"
#include "platform/system.h"

namespace testing_support {
namespace {

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return "tidewell-test-" + std::to_string(seed) + "-" + std::to_string(++counter);
}

}  // namespace

TempFolder::TempFolder() {
    path_ = platform::TempFolder() + UniqueName() + "\\";
    platform::CreateFolderTree(path_);
}

TempFolder::~TempFolder() {
    RemoveTreeForTests(path_);
}

std::string TempFolder::AddFile(const std::string& relative, const std::string& contents) {
    std::string full = path_ + relative;
    platform::CreateFolderTree(platform::FolderOfPath(full));
    platform::WriteWholeFile(full, contents);
    return full;
}

std::string TempFolder::AddFolder(const std::string& relative) {
    std::string full = platform::WithTrailingBackslash(path_ + relative);
    platform::CreateFolderTree(full);
    return full;
}

bool TempFolder::Exists(const std::string& relative) const {
    return platform::PathExists(path_ + relative);
}

void RemoveTreeForTests(const std::string& folder) {
    std::string base = platform::WithTrailingBackslash(folder);
    for (const platform::FileEntry& entry : platform::DirectoryListing(base + "*")) {
        if (entry.IsDotEntry())
            continue;
        std::string full = base + entry.name;
        if (entry.IsReparsePoint())
            continue;  // never reach through a link
        if (entry.IsFolder()) {
            RemoveTreeForTests(full);
        } else {
            platform::SetFileAttributesTo(full, platform::file_attr::kNormal);
            platform::DeleteFileAt(full);
        }
    }
    platform::RemoveFolderAt(base);
}

}  // namespace testing_support
