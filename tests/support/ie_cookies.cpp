#include "support/ie_cookies.h"

#include <windows.h>
#include <wininet.h>

#include <cstdint>

#include "platform/text.h"

namespace testing_support {

std::vector<std::string> CookieCacheNames() {
    std::vector<std::string> names;
    std::vector<std::uint64_t> buffer(1024);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size() * 8);
    HANDLE find = FindFirstUrlCacheEntryW(L"Cookie:", info, &size);
    while (find) {
        names.push_back(platform::WideToUtf8(info->lpszSourceUrlName));
        size = static_cast<DWORD>(buffer.size() * 8);
        if (!FindNextUrlCacheEntryW(find, info, &size))
            break;
    }
    if (find)
        FindCloseUrlCache(find);
    return names;
}

void EmptyCookieCache() {
    for (const std::string& name : CookieCacheNames())
        DeleteUrlCacheEntryW(platform::Utf8ToWide(name).c_str());
}

std::string AddCachedCookie(const std::string& site) {
    if (!InternetSetCookieW(platform::Utf8ToWide("http://" + site + "/").c_str(), L"sid",
                            L"42; expires=Sat, 01-Jan-2050 00:00:00 GMT"))
        return "";
    for (const std::string& name : CookieCacheNames())
        if (name.find("@" + site + "/") != std::string::npos)
            return name;
    return "";
}

}  // namespace testing_support
