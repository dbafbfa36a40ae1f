#include "platform/held_folder.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>

#include "platform/directory_records.h"
#include "platform/ntdll_calls.h"
#include "platform/text.h"

namespace platform {
namespace {

// The ntdll calls that open a folder by its name below another and list it through its handle
// (exported since Windows NT; looked up at run time like the other ntdll calls).
using OpenFile = LONG(WINAPI*)(HANDLE*, ACCESS_MASK, OBJECT_ATTRIBUTES*, IO_STATUS_BLOCK*, ULONG,
                               ULONG);
using QueryDirectoryFile = LONG(WINAPI*)(HANDLE, HANDLE, void*, void*, IO_STATUS_BLOCK*, void*,
                                         ULONG, int, BOOLEAN, UNICODE_STRING*, BOOLEAN);

struct FolderCalls {
    OpenFile open = nullptr;
    QueryDirectoryFile list = nullptr;
};

const FolderCalls& Calls() {
    static const FolderCalls calls = [] {
        FolderCalls found;
        found.open = ntdll::Find<OpenFile>("NtOpenFile");
        found.list = ntdll::Find<QueryDirectoryFile>("NtQueryDirectoryFile");
        return found;
    }();
    return calls;
}

constexpr ACCESS_MASK kFolderAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
// No delete sharing: the folder cannot be renamed or removed while it is held.
constexpr ULONG kFolderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr ULONG kDirectoryFile = 0x00000001;                  // FILE_DIRECTORY_FILE
constexpr ULONG kSynchronousIo = 0x00000020;                  // FILE_SYNCHRONOUS_IO_NONALERT
constexpr ULONG kBackupIntent = 0x00004000;                   // FILE_OPEN_FOR_BACKUP_INTENT
constexpr ULONG kOpenReparsePoint = 0x00200000;               // FILE_OPEN_REPARSE_POINT
constexpr ULONG kCaseInsensitive = 0x00000040;                // OBJ_CASE_INSENSITIVE
constexpr int kIdBothDirectoryInformation = 37;               // FileIdBothDirectoryInformation
constexpr LONG kNoMoreFiles = static_cast<LONG>(0x80000006);  // STATUS_NO_MORE_FILES
constexpr LONG kNoSuchFile = static_cast<LONG>(0xC000000F);   // STATUS_NO_SUCH_FILE

HANDLE OpenByPath(const std::string& path) {
    HANDLE handle = CreateFileW(
        Utf8ToWide(path).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES, kFolderSharing,
        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

FileEntry EntryFrom(const DirectoryRecord& record) {
    FileEntry entry;
    entry.name = WideToUtf8(std::wstring(record.name.begin(), record.name.end()));
    entry.shortName = WideToUtf8(std::wstring(record.shortName.begin(), record.shortName.end()));
    entry.attributes = record.attributes;
    entry.size = record.size;
    entry.fileId = record.fileId;
    return entry;
}

}  // namespace

void OpaqueHandleTraits::Close(void* handle) {
    CloseHandle(static_cast<HANDLE>(handle));
}

HeldFolder HeldFolder::AtPath(const std::string& path) {
    RunBeforeHoldHook(path);
    return HeldFolder(OpenByPath(path));
}

HeldFolder HeldFolder::Below(const HeldFolder& parent, const std::string& name,
                             const std::string& path) {
    RunBeforeHoldHook(path);
    const FolderCalls& calls = Calls();
    std::wstring wide = Utf8ToWide(name);
    if (!parent.IsOpen() || !calls.open || wide.empty() || wide.size() * sizeof(wchar_t) > 0xFFF0)
        return HeldFolder(OpenByPath(path));
    UNICODE_STRING text;
    text.Buffer = &wide[0];
    text.Length = static_cast<USHORT>(wide.size() * sizeof(wchar_t));
    text.MaximumLength = text.Length;
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &text, kCaseInsensitive, parent.handle_.Get(), nullptr);
    IO_STATUS_BLOCK status{};
    HANDLE handle = nullptr;
    if (calls.open(&handle, kFolderAccess, &attributes, &status, kFolderSharing,
                   kDirectoryFile | kSynchronousIo | kBackupIntent | kOpenReparsePoint) < 0)
        return HeldFolder();
    return HeldFolder(handle);
}

std::optional<std::vector<FileEntry>> HeldFolder::List() const {
    const FolderCalls& calls = Calls();
    if (!IsOpen() || !calls.list)
        return std::nullopt;
    // LONGLONG-aligned, as the records are.
    std::vector<ULONGLONG> buffer(64 * 1024 / sizeof(ULONGLONG));
    std::vector<DirectoryRecord> records;
    for (bool first = true;; first = false) {
        IO_STATUS_BLOCK status{};
        const LONG result = calls.list(handle_.Get(), nullptr, nullptr, nullptr, &status,
                                       buffer.data(), static_cast<ULONG>(buffer.size() * 8),
                                       kIdBothDirectoryInformation, FALSE, nullptr, first);
        if (result == kNoMoreFiles || (first && result == kNoSuchFile))
            break;
        if (result < 0)
            return std::nullopt;
        const std::size_t filled = std::min<std::size_t>(status.Information, buffer.size() * 8);
        if (filled == 0)
            break;
        if (!ReadDirectoryRecords(reinterpret_cast<const unsigned char*>(buffer.data()), filled,
                                  records))
            return std::nullopt;
    }
    std::vector<FileEntry> entries;
    entries.reserve(records.size());
    for (const DirectoryRecord& record : records)
        if (record.name != u"." && record.name != u"..")
            entries.push_back(EntryFrom(record));
    return entries;
}

}  // namespace platform
