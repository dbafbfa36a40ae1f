#pragma once
// Files and folders by UTF-8 path. Folder listings come one entry at a time.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/paths.h"

namespace platform {

namespace file_attr {
constexpr std::uint32_t kReadOnly = 0x1;
constexpr std::uint32_t kHidden = 0x2;
constexpr std::uint32_t kSystem = 0x4;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
constexpr std::uint32_t kNormal = 0x80;
constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace file_attr

struct FileEntry {
    std::string name;       // the long name
    std::string shortName;  // the 8.3 name, empty when the system gives none
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::uint64_t fileId = 0;  // from a listing through a held folder; 0 when not known

    bool IsFolder() const { return (attributes & file_attr::kDirectory) != 0; }
    bool IsReparsePoint() const { return (attributes & file_attr::kReparsePoint) != 0; }
    bool IsDotEntry() const { return name == "." || name == ".."; }
};

// Lists the entries that match a pattern such as "C:\dir\*.*", as the system finds them
// (that includes matches on the short 8.3 name). Use as a range:
//   for (const FileEntry& e : DirectoryListing(pattern)) ...
class DirectoryListing {
  public:
    explicit DirectoryListing(const std::string& pattern);
    ~DirectoryListing();
    DirectoryListing(const DirectoryListing&) = delete;
    DirectoryListing& operator=(const DirectoryListing&) = delete;

    class Iterator {
      public:
        explicit Iterator(DirectoryListing* owner) : owner_(owner) {}
        const FileEntry& operator*() const { return owner_->current_; }
        const FileEntry* operator->() const { return &owner_->current_; }
        Iterator& operator++() {
            if (!owner_->Next())
                owner_ = nullptr;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return owner_ != other.owner_; }
        bool operator==(const Iterator& other) const { return owner_ == other.owner_; }

      private:
        DirectoryListing* owner_;
    };

    Iterator begin() { return Iterator(hasCurrent_ ? this : nullptr); }
    Iterator end() { return Iterator(nullptr); }

  private:
    bool Next();
    void* find_ = nullptr;  // HANDLE of FindFirstFileW
    FileEntry current_;
    bool hasCurrent_ = false;
};

std::optional<std::uint32_t> FileAttributes(const std::string& path);
bool SetFileAttributesTo(const std::string& path, std::uint32_t attributes);
bool PathExists(const std::string& path);
bool FileExists(const std::string& path);    // exists and is not a folder
bool FolderExists(const std::string& path);  // a trailing backslash is allowed
std::optional<std::uint64_t> FileSize(const std::string& path);

bool DeleteFileAt(const std::string& path);
bool RemoveFolderAt(const std::string& path);
bool MoveFileTo(const std::string& from, const std::string& to);
bool CreateFolder(const std::string& path);
bool CreateFolderTree(const std::string& path);  // with all missing parents
bool WriteWholeFile(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadWholeFile(const std::string& path);

}  // namespace platform
