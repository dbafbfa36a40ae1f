// The accepted-cookies list over Wine's real WinINet cookie cache, and the IE cookies wash that
// follows it: an accepted cookie (in any letter case) is spared with its log line, and after
// Deselect All every cookie goes.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "catalogue/wash_object_types.h"
#include "lists/accepted_cookies_list.h"
#include "lists/cached_cookies.h"
#include "support/ie_cookies.h"
#include "washers/washer_harness.h"

using Lines = std::vector<std::string>;
using testing_support::AddCachedCookie;
using testing_support::CookieCacheNames;
using testing_support::EmptyCookieCache;

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class AcceptedCookies : public ::testing::Test {
  protected:
    void SetUp() override { EmptyCookieCache(); }
    void TearDown() override { EmptyCookieCache(); }
    washer_tests::WasherRunner runner;
    AcceptedCookiesList list;
};

}  // namespace

TEST_F(AcceptedCookies, AnAcceptedCookieInOtherCaseIsListedOnceAndSurvivesTheWash) {
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    EXPECT_TRUE(list.Lines().empty()) << "an empty cache and no accepted cookie";

    const std::string bank = AddCachedCookie("bank.example");
    const std::string tracker = AddCachedCookie("tracker.example");
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
    EXPECT_EQ(CookieCacheNames(), Lines{bank});
    EXPECT_NE(wash.log.find("Cookie is on Accepted Cookies List " + bank), std::string::npos)
        << wash.log;
    EXPECT_EQ(wash.log.find(tracker), std::string::npos) << "only the spared cookie is named";

    // Gone from the cache, the accepted name is still shown, checked.
    EmptyCookieCache();
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    ASSERT_EQ(list.Lines().size(), 1u);
    EXPECT_TRUE(list.Lines()[0].checked);
}

TEST_F(AcceptedCookies, SelectAllKeepsEveryListedCookieAndDeselectAllWashesEveryOne) {
    const Lines cookies = {AddCachedCookie("a.example"), AddCachedCookie("b.example"),
                           AddCachedCookie("c.example")};
    runner.ctx.AcceptedCookieList = {"Cookie:someone@gone.example/"};
    list.Rebuild(runner.ctx.AcceptedCookieList, CachedCookieNames());
    ASSERT_EQ(list.Lines().size(), 4u);

    list.SelectAll(runner.ctx.AcceptedCookieList);
    EXPECT_EQ(runner.Run(wlitIE_Cookies, false).count, 0u);
    Lines left = CookieCacheNames();
    std::sort(left.begin(), left.end());
    Lines expected = cookies;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);

    list.DeselectAll(runner.ctx.AcceptedCookieList);
    EXPECT_TRUE(runner.ctx.AcceptedCookieList.empty());
    EXPECT_EQ(runner.Run(wlitIE_Cookies, false).count, 3u);
    EXPECT_EQ(CookieCacheNames(), Lines{});
}
