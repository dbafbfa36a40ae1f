#include "platform/url_cache.h"

#include <windows.h>
#include <wininet.h>

#include <vector>

#include "platform/handles.h"
#include "platform/module_exports.h"
#include "platform/text.h"

namespace platform {

namespace {

using FindFirstExFn = decltype(&::FindFirstUrlCacheEntryExW);
using FindNextExFn = decltype(&::FindNextUrlCacheEntryExW);
using FindFirstFn = decltype(&::FindFirstUrlCacheEntryW);
using FindNextFn = decltype(&::FindNextUrlCacheEntryW);
using FindCloseFn = decltype(&::FindCloseUrlCache);
using DeleteFn = decltype(&::DeleteUrlCacheEntryW);

std::uint64_t FileTimeValue(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::string Text(const wchar_t* text) {
    return text ? WideToUtf8(text) : std::string();
}

void Fill(const INTERNET_CACHE_ENTRY_INFOW& info, UrlCacheEntry& entry) {
    entry.sourceUrlName = Text(info.lpszSourceUrlName);
    entry.localFileName = Text(info.lpszLocalFileName);
    entry.entryType = info.CacheEntryType;
    entry.useCount = info.dwUseCount;
    entry.hitRate = info.dwHitRate;
    entry.size = (static_cast<std::uint64_t>(info.dwSizeHigh) << 32) | info.dwSizeLow;
    entry.lastModified = FileTimeValue(info.LastModifiedTime);
    entry.expires = FileTimeValue(info.ExpireTime);
    entry.lastAccess = FileTimeValue(info.LastAccessTime);
    entry.lastSync = FileTimeValue(info.LastSyncTime);
    entry.headerInfo =
        info.lpHeaderInfo
            ? WideToUtf8(std::wstring_view(info.lpHeaderInfo, info.dwHeaderInfoSize / 2))
            : std::string();
    entry.fileExtension = Text(info.lpszFileExtension);
    entry.exemptDelta = info.dwExemptDelta;
}

// One entry record, read in the two steps the cache asks for: the size, then the record.
// `call` fills the buffer it is given (null with size 0 for the first step).
template <typename Call>
std::uint32_t ReadEntry(const Call& call, UrlCacheEntry& entry) {
    DWORD size = 0;
    std::vector<std::uint64_t> buffer;  // 8-byte aligned, as the record needs
    for (int attempt = 0; attempt < 4; ++attempt) {
        auto* info =
            buffer.empty() ? nullptr : reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
        if (call(info, &size)) {
            if (!info)
                return ERROR_INSUFFICIENT_BUFFER;  // nothing to read the entry into
            Fill(*info, entry);
            return ERROR_SUCCESS;
        }
        DWORD error = GetLastError();
        if (error != ERROR_INSUFFICIENT_BUFFER)
            return error ? error : ERROR_NO_MORE_ITEMS;
        buffer.assign(size / sizeof(std::uint64_t) + 1, 0);
    }
    return ERROR_INSUFFICIENT_BUFFER;  // the entry kept growing
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

struct UrlCache::Library {
    UniqueModule module;
    FindFirstExFn findFirstEx = nullptr;
    FindNextExFn findNextEx = nullptr;
    FindFirstFn findFirst = nullptr;
    FindNextFn findNext = nullptr;
    FindCloseFn findClose = nullptr;
    DeleteFn deleteEntry = nullptr;

    HANDLE find = nullptr;
    // The walk through the older find functions, which take no filter: it is applied here.
    bool filtersItself = false;
    std::uint32_t filter = 0;
    std::optional<std::string> pattern;
    std::wstring widePattern;

    const wchar_t* Pattern() const { return pattern ? widePattern.c_str() : nullptr; }
    bool Wanted(const UrlCacheEntry& entry) const {
        return (entry.entryType & filter) != 0 &&
               (!pattern || StartsWith(entry.sourceUrlName, *pattern));
    }
};

UrlCache::UrlCache() {
    UniqueModule module(LoadLibraryW(L"WININET.DLL"));
    if (!module)
        return;
    for (const char* name : {"FindFirstUrlCacheGroup", "FindNextUrlCacheGroup",
                             "GetUrlCacheGroupAttributeA", "SetUrlCacheGroupAttributeA"})
        if (!GetProcAddress(module.Get(), name))
            return;
    auto lib = std::make_unique<Library>();
    HMODULE m = module.Get();
    lib->findFirstEx = ExportOf<FindFirstExFn>(m, "FindFirstUrlCacheEntryExW");
    lib->findNextEx = ExportOf<FindNextExFn>(m, "FindNextUrlCacheEntryExW");
    lib->findFirst = ExportOf<FindFirstFn>(m, "FindFirstUrlCacheEntryW");
    lib->findNext = ExportOf<FindNextFn>(m, "FindNextUrlCacheEntryW");
    lib->findClose = ExportOf<FindCloseFn>(m, "FindCloseUrlCache");
    lib->deleteEntry = ExportOf<DeleteFn>(m, "DeleteUrlCacheEntryW");
    if (!lib->findFirstEx || !lib->findNextEx || !lib->findFirst || !lib->findNext ||
        !lib->findClose || !lib->deleteEntry)
        return;
    lib->module = std::move(module);
    lib_ = std::move(lib);
}

UrlCache::~UrlCache() {
    CloseFind();
}

bool UrlCache::Loaded() const {
    return lib_ != nullptr;
}

std::uint32_t UrlCache::FindFirst(const std::optional<std::string>& pattern, std::uint32_t filter,
                                  std::uint64_t group, UrlCacheEntry& entry) {
    if (!lib_)
        return url_cache_error::kNotLoaded;
    CloseFind();
    Library& lib = *lib_;
    lib.pattern = pattern;
    lib.widePattern = pattern ? Utf8ToWide(*pattern) : std::wstring();
    lib.filter = filter;
    lib.filtersItself = false;
    std::uint32_t result = ReadEntry(
        [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
            lib.find = lib.findFirstEx(lib.Pattern(), 0, filter, static_cast<GROUPID>(group), info,
                                       size, nullptr, nullptr, nullptr);
            return lib.find != nullptr;
        },
        entry);
    if (result == ERROR_SUCCESS || result == ERROR_NO_MORE_ITEMS)
        return result;
    // Some WinINet builds (Wine's among them) answer the filtered find with "not supported"
    // or "file not found" only. The older find takes the same pattern but no filter, so the
    // filter is applied here and the washers work the same on either.
    lib.filtersItself = true;
    result = ReadEntry(
        [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
            lib.find = lib.findFirst(lib.Pattern(), info, size);
            return lib.find != nullptr;
        },
        entry);
    if (result != ERROR_SUCCESS || lib.Wanted(entry))
        return result;
    return FindNext(entry);
}

std::uint32_t UrlCache::FindNext(UrlCacheEntry& entry) {
    if (!lib_)
        return url_cache_error::kNotLoaded;
    Library& lib = *lib_;
    if (!lib.find)
        return ERROR_INVALID_HANDLE;
    for (;;) {
        std::uint32_t result = lib.filtersItself
                                   ? ReadEntry(
                                         [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
                                             return lib.findNext(lib.find, info, size) != FALSE;
                                         },
                                         entry)
                                   : ReadEntry(
                                         [&](INTERNET_CACHE_ENTRY_INFOW* info, DWORD* size) {
                                             return lib.findNextEx(lib.find, info, size, nullptr,
                                                                   nullptr, nullptr) != FALSE;
                                         },
                                         entry);
        if (result != ERROR_SUCCESS || !lib.filtersItself || lib.Wanted(entry))
            return result;
    }
}

bool UrlCache::CloseFind() {
    if (!lib_ || !lib_->find)
        return false;
    bool closed = lib_->findClose(lib_->find) != FALSE;
    lib_->find = nullptr;
    return closed;
}

std::uint32_t UrlCache::DeleteEntry(const std::string& url) {
    if (!lib_)
        return url_cache_error::kNotLoaded;
    if (lib_->deleteEntry(Utf8ToWide(url).c_str()))
        return ERROR_SUCCESS;
    DWORD error = GetLastError();
    return error ? error : ERROR_FILE_NOT_FOUND;
}

double FileTimeToLocalDateTime(std::uint64_t fileTime) {
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    SYSTEMTIME calendar;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &calendar))
        return 0;
    // 109205 days lie between 1601-01-01 (FILETIME) and 1899-12-30 (date-time values).
    constexpr double kTicksPerDay = 864000000000.0;
    return static_cast<double>(FileTimeValue(local)) / kTicksPerDay - 109205.0;
}

}  // namespace platform
