// The accepted-cookies list: what it shows and what its clicks leave in the accepted names.
#include <gtest/gtest.h>

#include "lists/accepted_cookies_list.h"

using Lines = std::vector<std::string>;

namespace {

std::string Shown(const AcceptedCookiesList& list) {
    std::string text;
    for (const CookieLine& line : list.Lines())
        text += (line.checked ? "[x] " : "[ ] ") + line.name + "\n";
    return text;
}

}  // namespace

TEST(AcceptedCookiesList, AcceptedNamesComeFirstAndACacheNameInOtherCaseIsNotListedTwice) {
    AcceptedCookiesList list;
    list.Rebuild({}, {});
    EXPECT_EQ(Shown(list), "");

    list.Rebuild(
        {"Cookie:ann@BANK.example/", "Cookie:ann@gone.example/", "cookie:ann@bank.example/"},
        {"Cookie:ann@tracker.example/", "Cookie:ann@bank.example/",
         "Visited:ann@http://page.example/", "Cookie:ann@ads.example/"});
    EXPECT_EQ(Shown(list),
              "[x] Cookie:ann@BANK.example/\n"
              "[x] Cookie:ann@gone.example/\n"
              "[ ] Cookie:ann@tracker.example/\n"
              "[ ] Cookie:ann@ads.example/\n");
}

TEST(AcceptedCookiesList, AClickTogglesTheNameWhateverItsSpelling) {
    AcceptedCookiesList list;
    Lines accepted{"Cookie:ann@BANK.example/", "cookie:ANN@bank.example/"};
    list.Rebuild(accepted, {"Cookie:ann@bank.example/", "Cookie:ann@shop.example/"});
    ASSERT_EQ(list.Lines().size(), 2u);

    list.ClickCheck(0, accepted);  // every spelling leaves, or it would still be spared
    EXPECT_TRUE(accepted.empty());
    EXPECT_FALSE(list.Lines()[0].checked);

    list.ClickCheck(1, accepted);
    list.ClickCheck(0, accepted);
    EXPECT_EQ(accepted, (Lines{"Cookie:ann@shop.example/", "Cookie:ann@BANK.example/"}));
    EXPECT_EQ(Shown(list),
              "[x] Cookie:ann@BANK.example/\n"
              "[x] Cookie:ann@shop.example/\n");

    list.ClickCheck(7, accepted);  // no such line
    EXPECT_EQ(accepted.size(), 2u);
}

TEST(AcceptedCookiesList, SelectAndDeselectAllTakeEveryLineAlsoAGoneCookie) {
    AcceptedCookiesList list;
    Lines accepted{"Cookie:ann@gone.example/", "Cookie:ann@unlisted.example/"};
    list.Rebuild({"Cookie:ann@gone.example/"}, {"Cookie:ann@a.example/", "Cookie:ann@b.example/"});

    list.SelectAll(accepted);
    EXPECT_EQ(accepted, (Lines{"Cookie:ann@gone.example/", "Cookie:ann@unlisted.example/",
                               "Cookie:ann@a.example/", "Cookie:ann@b.example/"}));
    EXPECT_EQ(Shown(list),
              "[x] Cookie:ann@gone.example/\n"
              "[x] Cookie:ann@a.example/\n"
              "[x] Cookie:ann@b.example/\n");

    list.DeselectAll(accepted);
    EXPECT_EQ(accepted, Lines{"Cookie:ann@unlisted.example/"});  // not a line of the list
    EXPECT_EQ(Shown(list),
              "[ ] Cookie:ann@gone.example/\n"
              "[ ] Cookie:ann@a.example/\n"
              "[ ] Cookie:ann@b.example/\n");
}
