#include "browsers/ie_cache.h"

#include <optional>

namespace {

// The cache entry type flag of each TFilterOption member, in member order.
constexpr std::uint32_t kEntryTypeFlags[] = {
    0x1,       // NORMAL_ENTRY
    0x2,       // STABLE_ENTRY
    0x4,       // STICKY_ENTRY
    0x100000,  // COOKIE_ENTRY
    0x200000,  // URLHISTORY_ENTRY
    0x10,      // TRACK_OFFLINE_ENTRY
    0x20,      // TRACK_ONLINE_ENTRY
    0x10000,   // SPARSE_ENTRY
    0x20000,   // OCX_ENTRY
};

std::optional<std::string> PatternText(TSearchPattern pattern) {
    switch (pattern) {
        case TSearchPattern::spCookies:
            return std::string("Cookie:");
        case TSearchPattern::spHistory:
            return std::string("Visited:");
        case TSearchPattern::spUrl:
            return std::string();
        case TSearchPattern::spAll:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::uint32_t FilterMask(TFilterOptions set) {
    std::uint32_t mask = 0;
    for (std::size_t member = 0; member < std::size(kEntryTypeFlags); ++member)
        if (set & (1u << member))
            mask |= kEntryTypeFlags[member];
    return mask;
}

TIECache::TIECache() {
    SetFilterOptions(FilterSet({NORMAL_ENTRY, STICKY_ENTRY, COOKIE_ENTRY, URLHISTORY_ENTRY,
                                TRACK_OFFLINE_ENTRY, TRACK_ONLINE_ENTRY}));
}

void TIECache::SetFilterOptions(TFilterOptions options) {
    filterOptions_ = options;
    filterMask_ = FilterMask(options);
}

CacheWalkCode TIECache::FindFirstEntry(std::uint64_t groupId) {
    platform::UrlCacheEntry entry;
    return Load(cache_.FindFirst(PatternText(SearchPattern), filterMask_, groupId, entry), entry);
}

CacheWalkCode TIECache::FindNextEntry() {
    platform::UrlCacheEntry entry;
    return Load(cache_.FindNext(entry), entry);
}

bool TIECache::CloseFind() {
    return cache_.CloseFind();
}

CacheWalkCode TIECache::DeleteEntry(const std::string& url) {
    CacheWalkCode code = cache_.DeleteEntry(url);
    if (code == 0)
        Current = Entry();
    return code;
}

CacheWalkCode TIECache::Load(CacheWalkCode code, const platform::UrlCacheEntry& entry) {
    if (code != 0)
        return code;
    Entry& e = Current;
    e.SourceUrlName = entry.sourceUrlName;
    e.LocalFileName = entry.localFileName;
    e.EntryType = entry.entryType;
    e.UseCount = entry.useCount;
    e.HitRate = entry.hitRate;
    e.Size = static_cast<std::uint32_t>(entry.size);
    e.LastModified = platform::FileTimeToLocalDateTime(entry.lastModified);
    e.Expires = platform::FileTimeToLocalDateTime(entry.expires);
    e.LastAccessed = platform::FileTimeToLocalDateTime(entry.lastAccess);
    e.LastSynchronised = platform::FileTimeToLocalDateTime(entry.lastSync);
    e.HeaderInfo = entry.headerInfo;
    e.FileExtension = entry.fileExtension;
    e.ExemptionDelta = entry.exemptDelta;
    return 0;
}
