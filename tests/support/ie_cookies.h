#pragma once
// Real Internet Explorer cookies in WinINet's cache for tests, read back with WinINet's own
// reader (not the program's TIECache).
#include <string>
#include <vector>

namespace testing_support {

// The cache names ("Cookie:user@site/") of every cookie in the cache, in the cache's order.
std::vector<std::string> CookieCacheNames();
// Deletes every cookie of the cache.
void EmptyCookieCache();
// Sets a cookie of http://site/ that outlives the session, so WinINet keeps it in its cache;
// its cache name, empty when WinINet did not keep it.
std::string AddCachedCookie(const std::string& site);

}  // namespace testing_support
