#include "platform/files.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/handles.h"
#include "platform/text.h"

namespace platform {
namespace {

FileEntry EntryFrom(const WIN32_FIND_DATAW& data) {
    FileEntry entry;
    entry.name = WideToUtf8(data.cFileName);
    entry.shortName = WideToUtf8(data.cAlternateFileName);
    entry.attributes = data.dwFileAttributes;
    entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return entry;
}

std::wstring Wide(const std::string& path) {
    return Utf8ToWide(path);
}

}  // namespace

DirectoryListing::DirectoryListing(const std::string& pattern) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(Wide(pattern).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    find_ = find;
    current_ = EntryFrom(data);
    hasCurrent_ = true;
}

DirectoryListing::~DirectoryListing() {
    if (find_)
        FindClose(static_cast<HANDLE>(find_));
}

bool DirectoryListing::Next() {
    if (!find_)
        return false;
    WIN32_FIND_DATAW data;
    if (!FindNextFileW(static_cast<HANDLE>(find_), &data)) {
        hasCurrent_ = false;
        return false;
    }
    current_ = EntryFrom(data);
    return true;
}

std::optional<std::uint32_t> FileAttributes(const std::string& path) {
    DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool SetFileAttributesTo(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesW(Wide(path).c_str(), attributes) != 0;
}

bool PathExists(const std::string& path) {
    return FileAttributes(path).has_value();
}

bool FileExists(const std::string& path) {
    auto attributes = FileAttributes(path);
    return attributes && !(*attributes & file_attr::kDirectory);
}

bool FolderExists(const std::string& path) {
    auto attributes = FileAttributes(WithoutTrailingBackslash(path));
    if (!attributes && path.size() <= 3)
        attributes = FileAttributes(path);  // "C:\"
    return attributes && (*attributes & file_attr::kDirectory);
}

std::optional<std::uint64_t> FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool DeleteFileAt(const std::string& path) {
    return DeleteFileW(Wide(path).c_str()) != 0;
}

bool RemoveFolderAt(const std::string& path) {
    return RemoveDirectoryW(Wide(WithoutTrailingBackslash(path)).c_str()) != 0;
}

bool MoveFileTo(const std::string& from, const std::string& to) {
    return MoveFileW(Wide(from).c_str(), Wide(to).c_str()) != 0;
}

bool CreateFolder(const std::string& path) {
    return CreateDirectoryW(Wide(WithoutTrailingBackslash(path)).c_str(), nullptr) != 0;
}

bool CreateFolderTree(const std::string& path) {
    std::string trimmed = WithoutTrailingBackslash(path);
    if (trimmed.empty() || FolderExists(trimmed))
        return !trimmed.empty();
    std::string parent = WithoutTrailingBackslash(FolderOfPath(trimmed));
    if (!parent.empty() && parent != trimmed && !FolderExists(parent) && !CreateFolderTree(parent))
        return false;
    return CreateFolder(trimmed) || FolderExists(trimmed);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
            return std::nullopt;
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    return bytes;
}

}  // namespace platform
