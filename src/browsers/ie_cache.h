#pragma once
// TIECache: a walk over Internet Explorer's WinINet cache (cached pages, cookies, "Visited:"
// entries) that deletes single entries. Made, used and freed inside one washer call.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "platform/url_cache.h"

// The entry types a walk takes, each standing for one cache entry type flag.
enum TFilterOption : std::uint8_t {
    NORMAL_ENTRY,
    STABLE_ENTRY,
    STICKY_ENTRY,
    COOKIE_ENTRY,
    URLHISTORY_ENTRY,
    TRACK_OFFLINE_ENTRY,
    TRACK_ONLINE_ENTRY,
    SPARSE_ENTRY,
    OCX_ENTRY,
};

// A set of TFilterOption members as a mask of member numbers.
using TFilterOptions = std::uint16_t;
constexpr TFilterOptions FilterSet(std::initializer_list<TFilterOption> members) {
    TFilterOptions set = 0;
    for (TFilterOption member : members)
        set = static_cast<TFilterOptions>(set | (1u << member));
    return set;
}
constexpr bool InFilterSet(TFilterOptions set, TFilterOption member) {
    return (set & (1u << member)) != 0;
}
// The cache entry type flags of a set, OR-ed.
std::uint32_t FilterMask(TFilterOptions set);

// spAll: no pattern (every entry); spCookies: "Cookie:"; spHistory: "Visited:"; spUrl: "".
enum class TSearchPattern : std::uint8_t { spAll, spCookies, spHistory, spUrl };

// 0 for success, else the system's error number; 2 when the cache library is not loaded.
using CacheWalkCode = std::uint32_t;
constexpr CacheWalkCode kCacheNoMoreItems = platform::url_cache_error::kNoMoreItems;

class TIECache {
  public:
    TIECache();

    bool LibraryLoaded() const { return cache_.Loaded(); }

    TFilterOptions FilterOptions() const { return filterOptions_; }
    void SetFilterOptions(TFilterOptions options);
    TSearchPattern SearchPattern = TSearchPattern::spAll;

    CacheWalkCode FindFirstEntry(std::uint64_t groupId);
    CacheWalkCode FindNextEntry();
    bool CloseFind();
    // On success the current entry is cleared.
    CacheWalkCode DeleteEntry(const std::string& url);

    // The current entry, loaded by each find; times as local date-time values (0 when the
    // conversion fails).
    struct Entry {
        std::string SourceUrlName;
        std::string LocalFileName;
        std::uint32_t EntryType = 0;
        std::uint32_t UseCount = 0;
        std::uint32_t HitRate = 0;
        std::uint32_t Size = 0;  // the low half of the entry's size
        double LastModified = 0;
        double Expires = 0;
        double LastAccessed = 0;
        double LastSynchronised = 0;
        std::string HeaderInfo;
        std::string FileExtension;
        std::uint32_t ExemptionDelta = 0;
    };
    Entry Current;

  private:
    CacheWalkCode Load(CacheWalkCode code, const platform::UrlCacheEntry& entry);

    platform::UrlCache cache_;
    TFilterOptions filterOptions_ = 0;
    std::uint32_t filterMask_ = 0;
};
