// The accepted-cookies list over Wine's real WinINet cookie cache, and the IE cookies wash that
// follows it: an accepted cookie (in any letter case) is spared with its log line, and after
// Deselect All every cookie goes.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "catalogue/wash_object_types.h"
#include "lists/accepted_cookies_list.h"
#include "lists/cached_cookies.h"
#include "platform/text.h"
#include "washers/washer_harness.h"

using Lines = std::vector<std::string>;

namespace {

Lines CookieUrls() {
    Lines urls;
    std::vector<std::uint64_t> buffer(1024);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size() * 8);
    HANDLE find = FindFirstUrlCacheEntryW(L"Cookie:", info, &size);
    while (find) {
        urls.push_back(platform::WideToUtf8(info->lpszSourceUrlName));
        size = static_cast<DWORD>(buffer.size() * 8);
        if (!FindNextUrlCacheEntryW(find, info, &size))
            break;
    }
    if (find)
        FindCloseUrlCache(find);
    return urls;
}

void EmptyCookies() {
    for (const std::string& url : CookieUrls())
        DeleteUrlCacheEntryW(platform::Utf8ToWide(url).c_str());
}

// A cookie that outlives the session, so WinINet keeps it in its cache; its cache name.
std::string AddCookie(const std::string& site) {
    EXPECT_TRUE(InternetSetCookieW(platform::Utf8ToWide("http://" + site + "/").c_str(), L"sid",
                                   L"42; expires=Sat, 01-Jan-2050 00:00:00 GMT"));
    for (const std::string& url : CookieUrls())
        if (url.find("@" + site + "/") != std::string::npos)
            return url;
    return "";
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class AcceptedCookies : public ::testing::Test {
  protected:
    void SetUp() override { EmptyCookies(); }
    void TearDown() override { EmptyCookies(); }
    washer_tests::WasherRunner runner;
    AcceptedCookiesList list;
};

}  // namespace

TEST_F(AcceptedCookies, AnAcceptedCookieInOtherCaseIsListedOnceAndSurvivesTheWash) {
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    EXPECT_TRUE(list.Lines().empty()) << "an empty cache and no accepted cookie";

    const std::string bank = AddCookie("bank.example");
    const std::string tracker = AddCookie("tracker.example");
    ASSERT_FALSE(bank.empty());
    ASSERT_FALSE(tracker.empty());
    runner.ctx.AcceptedCookieList = {Upper(bank)};
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    ASSERT_EQ(list.Lines().size(), 2u);
    EXPECT_EQ(list.Lines()[0].name, Upper(bank));
    EXPECT_TRUE(list.Lines()[0].checked);
    EXPECT_EQ(list.Lines()[1].name, tracker);
    EXPECT_FALSE(list.Lines()[1].checked);

    washer_tests::WashOutcome wash = runner.Run(wlitIE_Cookies, false);
    EXPECT_EQ(CookieUrls(), Lines{bank});
    EXPECT_NE(wash.log.find("Cookie is on Accepted Cookies List " + bank), std::string::npos)
        << wash.log;
    EXPECT_EQ(wash.log.find(tracker), std::string::npos) << "only the spared cookie is named";

    // Gone from the cache, the accepted name is still shown, checked.
    EmptyCookies();
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    ASSERT_EQ(list.Lines().size(), 1u);
    EXPECT_TRUE(list.Lines()[0].checked);
}

TEST_F(AcceptedCookies, SelectAllKeepsEveryListedCookieAndDeselectAllWashesEveryOne) {
    const Lines cookies = {AddCookie("a.example"), AddCookie("b.example"), AddCookie("c.example")};
    runner.ctx.AcceptedCookieList = {"Cookie:someone@gone.example/"};
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    ASSERT_EQ(list.Lines().size(), 4u);

    list.SelectAll(runner.ctx.AcceptedCookieList);
    EXPECT_EQ(runner.Run(wlitIE_Cookies, false).count, 0u);
    Lines left = CookieUrls();
    std::sort(left.begin(), left.end());
    Lines expected = cookies;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);

    list.DeselectAll(runner.ctx.AcceptedCookieList);
    EXPECT_TRUE(runner.ctx.AcceptedCookieList.empty());
    EXPECT_EQ(runner.Run(wlitIE_Cookies, false).count, 3u);
    EXPECT_EQ(CookieUrls(), Lines{});
}
