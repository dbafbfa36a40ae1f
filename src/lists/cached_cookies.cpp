#include "lists/cached_cookies.h"

#include "browsers/ie_cache.h"

std::vector<std::string> CachedCookieNames() {
    std::vector<std::string> names;
    TIECache cache;
    cache.SetFilterOptions(FilterSet({NORMAL_ENTRY, COOKIE_ENTRY}));
    cache.SearchPattern = TSearchPattern::spCookies;
    if (!cache.LibraryLoaded())
        return names;
    for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0; code = cache.FindNextEntry())
        names.push_back(cache.Current.SourceUrlName);
    cache.CloseFind();
    return names;
}
