// The lines of the browser window list: their names, what reads them back, and pruning.
#include "browsers/browser_window_list.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(BrowserWindowListTest, NamesAreADollarAndEightUpperCaseDigitsAndReadBack) {
    EXPECT_EQ(BrowserWindowList::NameOf(0x1A2B4), "$0001A2B4");
    EXPECT_EQ(BrowserWindowList::NameOf(0), "$00000000");
    EXPECT_EQ(BrowserWindowList::NameOf(0xFFFFFFFFu), "$FFFFFFFF");
    for (std::uint32_t handle : {0x1u, 0x10040u, 0x7FFFFFFFu, 0x80000000u, 0xDEADBEEFu})
        EXPECT_EQ(BrowserWindowList::WindowOfName(BrowserWindowList::NameOf(handle)), handle);
    EXPECT_EQ(BrowserWindowList::WindowOfName("$1a2b4"), 0x1A2B4u);
    EXPECT_EQ(BrowserWindowList::WindowOfName("1234"), 1234u) << "without $ the digits are decimal";
}

TEST(BrowserWindowListTest, ANameThatDoesNotParseGivesZero) {
    for (const char* name :
         {"", "$", "$G0", "$12 ", " $12", "12a", "$100000000", "$-1", "99999999999"})
        EXPECT_EQ(BrowserWindowList::WindowOfName(name), 0u) << name;
}

TEST(BrowserWindowListTest, OneLinePerWindowWithLowerClassAndCaption) {
    BrowserWindowList list;
    EXPECT_TRUE(list.AddIfAbsent(0x1A2B4, "ieframe", "Example = page"));
    EXPECT_FALSE(list.AddIfAbsent(0x1A2B4, "ieframe", "another caption"));
    EXPECT_TRUE(list.AddIfAbsent(0x20, "mozillawindowclass", "????"));
    EXPECT_FALSE(list.AddIfAbsent(0, "opwindow", "no handle")) << "0 is no window";
    ASSERT_EQ(list.Lines().size(), 2u);
    EXPECT_EQ(list.Lines()[0], "$0001A2B4=ieframe Example = page");
    EXPECT_EQ(list.Lines()[1], "$00000020=mozillawindowclass ????");
    EXPECT_TRUE(list.Contains(0x20));

    list.Remove(0x1A2B4);
    list.Remove(0x999);  // not listed: nothing happens
    ASSERT_EQ(list.Lines().size(), 1u);
    EXPECT_FALSE(list.Contains(0x1A2B4));
}

TEST(BrowserWindowListTest, ACaptionThatLooksLikeANameIsNeverTakenForOne) {
    BrowserWindowList list;
    list.AddIfAbsent(0x30, "opwindow", "$00000040=opwindow fake\r\nline");
    EXPECT_FALSE(list.Contains(0x40));
    EXPECT_TRUE(list.AddIfAbsent(0x40, "opwindow", ""));
    EXPECT_EQ(list.Lines()[1], "$00000040=opwindow ");
}

TEST(BrowserWindowListTest, PruneDropsTheGoneAndSaysWhetherAnyIsLeft) {
    BrowserWindowList list;
    for (std::uint32_t handle : {1u, 2u, 3u, 4u})
        list.AddIfAbsent(handle, "opwindow", "x");
    std::set<std::uint32_t> alive = {2, 4};
    std::vector<std::uint32_t> asked;
    EXPECT_TRUE(list.Prune([&](std::uint32_t handle) {
        asked.push_back(handle);
        return alive.count(handle) > 0;
    }));
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{4, 3, 2, 1})) << "from the last line to the first";
    ASSERT_EQ(list.Lines().size(), 2u);
    EXPECT_TRUE(list.Contains(2) && list.Contains(4));
    EXPECT_FALSE(list.Prune([](std::uint32_t) { return false; }));
    EXPECT_TRUE(list.Empty());
}

}  // namespace
