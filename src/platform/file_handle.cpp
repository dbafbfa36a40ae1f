#include "platform/file_handle.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/ntdll_calls.h"
#include "platform/text.h"

namespace platform {
namespace {

// The few ntdll calls (there since Windows NT) that work on an open handle where the kernel32
// calls would open the file again by its name, or ask the volume as well (which under Wine
// costs a round trip to its mount manager).
using ntdll::IoStatus;
struct NtText {
    USHORT length;  // bytes
    USHORT maximumLength;
    PWSTR buffer;
};
struct StandardInformation {
    LARGE_INTEGER allocationSize;
    LARGE_INTEGER endOfFile;
    ULONG numberOfLinks;
    BOOLEAN deletePending;
    BOOLEAN directory;
};
struct RenameInformation {
    BOOLEAN replaceIfExists;
    HANDLE rootDirectory;
    ULONG fileNameLength;  // bytes
    WCHAR fileName[1];
};
struct DispositionInformation {
    BOOLEAN deleteFile;
};
constexpr int kFileStandardInformation = 5;
constexpr int kFileRenameInformation = 10;
constexpr int kFileDispositionInformation = 13;

using DosPathToNtPath = BOOLEAN(WINAPI*)(PCWSTR, NtText*, PWSTR*, void*);
using FreeText = void(WINAPI*)(NtText*);

bool SetInformation(HANDLE handle, void* data, ULONG bytes, int kind) {
    static const auto set = ntdll::Find<ntdll::SetInformationFile>("NtSetInformationFile");
    IoStatus status{};
    return set && set(handle, &status, data, bytes, kind) >= 0;
}

// The system's own form of a path ("\??\C:\dir\name"), as MoveFile hands it on.
std::optional<std::wstring> NtPath(const std::string& path) {
    static const auto convert = ntdll::Find<DosPathToNtPath>("RtlDosPathNameToNtPathName_U");
    static const auto release = ntdll::Find<FreeText>("RtlFreeUnicodeString");
    NtText text{};
    if (!convert || !release || !convert(Utf8ToWide(path).c_str(), &text, nullptr, nullptr))
        return std::nullopt;
    std::wstring result(text.buffer, text.length / sizeof(WCHAR));
    release(&text);
    return result;
}

}  // namespace

OpenFile::~OpenFile() {
    Close();
}

OpenFile::OpenFile(OpenFile&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

OpenFile OpenFile::ForOverwrite(const std::string& path) {
    OpenFile file;
    HANDLE handle =
        CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        file.handle_ = handle;
    return file;
}

std::optional<std::uint64_t> OpenFile::Size() const {
    LARGE_INTEGER size;
    if (!handle_ || !GetFileSizeEx(static_cast<HANDLE>(handle_), &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::uint32_t> OpenFile::NameCount() const {
    const auto query = ntdll::QueryInformation();
    IoStatus status{};
    StandardInformation info{};
    if (!handle_ || !query ||
        query(static_cast<HANDLE>(handle_), &status, &info, sizeof info, kFileStandardInformation) <
            0)
        return std::nullopt;
    return info.numberOfLinks;
}

bool OpenFile::SeekTo(std::uint64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return handle_ && SetFilePointerEx(static_cast<HANDLE>(handle_), distance, nullptr, FILE_BEGIN);
}

std::uint32_t OpenFile::Write(const void* data, std::uint32_t bytes) {
    DWORD written = 0;
    if (!handle_ || !WriteFile(static_cast<HANDLE>(handle_), data, bytes, &written, nullptr))
        return 0;
    return written;
}

bool OpenFile::Flush() {
    return handle_ && FlushFileBuffers(static_cast<HANDLE>(handle_));
}

bool OpenFile::SetEndHere() {
    return handle_ && SetEndOfFile(static_cast<HANDLE>(handle_));
}

void OpenFile::Close() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

FileForRenaming::~FileForRenaming() {
    Close();
}

FileForRenaming::FileForRenaming(FileForRenaming&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

FileForRenaming& FileForRenaming::operator=(FileForRenaming&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

FileForRenaming FileForRenaming::Open(const std::string& path) {
    FileForRenaming file;
    // A link is opened itself, never its target; a folder does not open without backup
    // semantics.
    HANDLE handle = CreateFileW(Utf8ToWide(path).c_str(), DELETE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        file.handle_ = handle;
    return file;
}

bool FileForRenaming::RenameTo(const std::string& path) {
    std::optional<std::wstring> target = NtPath(path);
    if (!handle_ || !target)
        return false;
    const std::size_t nameBytes = target->size() * sizeof(WCHAR);
    std::vector<unsigned char> data(offsetof(RenameInformation, fileName) + nameBytes +
                                    sizeof(WCHAR));
    auto* info = reinterpret_cast<RenameInformation*>(data.data());
    info->replaceIfExists = FALSE;
    info->rootDirectory = nullptr;
    info->fileNameLength = static_cast<ULONG>(nameBytes);
    std::memcpy(data.data() + offsetof(RenameInformation, fileName), target->data(), nameBytes);
    return SetInformation(static_cast<HANDLE>(handle_), info, static_cast<ULONG>(data.size()),
                          kFileRenameInformation);
}

bool FileForRenaming::DeleteWhenClosed() {
    DispositionInformation info{TRUE};
    return handle_ && SetInformation(static_cast<HANDLE>(handle_), &info, sizeof info,
                                     kFileDispositionInformation);
}

void FileForRenaming::Close() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

}  // namespace platform
