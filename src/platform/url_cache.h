#pragma once
// The WinINet URL cache (cached pages, cookies, "Visited:" entries), loaded at run time: a walk
// over its entries and the deletion of one entry. Texts are UTF-8; the wide functions are used.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// Error numbers the cache walk answers, by the numbers Windows gives them.
namespace url_cache_error {
constexpr std::uint32_t kSuccess = 0;
constexpr std::uint32_t kNotLoaded = 2;  // the cache library (or one of its functions) is missing
constexpr std::uint32_t kNoMoreItems = 259;
}  // namespace url_cache_error

// One cache entry as the cache describes it. Times are FILETIME values (UTC, 100 ns).
struct UrlCacheEntry {
    std::string sourceUrlName;
    std::string localFileName;
    std::uint32_t entryType = 0;
    std::uint32_t useCount = 0;
    std::uint32_t hitRate = 0;
    std::uint64_t size = 0;
    std::uint64_t lastModified = 0;
    std::uint64_t expires = 0;
    std::uint64_t lastAccess = 0;
    std::uint64_t lastSync = 0;
    std::string headerInfo;
    std::string fileExtension;
    std::uint32_t exemptDelta = 0;
};

// The loaded library and at most one walk at a time.
class UrlCache {
  public:
    // Loads "WININET.DLL"; not loaded when it or one of the group functions is missing.
    UrlCache();
    ~UrlCache();
    UrlCache(const UrlCache&) = delete;
    UrlCache& operator=(const UrlCache&) = delete;

    bool Loaded() const;

    // Starts a walk over the entries whose type shares a bit with `filter`; `pattern` is the
    // URL search pattern (none: every container). Fills `entry` with the first one.
    std::uint32_t FindFirst(const std::optional<std::string>& pattern, std::uint32_t filter,
                            std::uint64_t group, UrlCacheEntry& entry);
    std::uint32_t FindNext(UrlCacheEntry& entry);
    bool CloseFind();
    std::uint32_t DeleteEntry(const std::string& url);

  private:
    struct Library;
    std::unique_ptr<Library> lib_;
};

// Local time as a date-time value (days since 1899-12-30), 0 when a conversion fails.
double FileTimeToLocalDateTime(std::uint64_t fileTime);

}  // namespace platform
