#include "app/design_texts.h"

#include <gtest/gtest.h>

#include <set>

#include "app/control_ids.h"
#include "engine/wash_levels.h"

namespace {

bool Reserved(int tag) {
    return tag == 531 || (tag >= 652 && tag <= 666) || (tag >= 1011 && tag <= 1015) ||
           (tag >= 1210 && tag <= 1239) || (tag >= 10000 && tag <= 10004) ||
           (tag >= 10100 && tag <= 10181) || (tag >= 620001 && tag <= 620004);
}

TEST(DesignTextsTest, ControlTagsAreUniqueInRangeAndClearOfMessageTexts) {
    std::set<int> messages;
    for (const DesignText& row : MainFormMessageTexts())
        messages.insert(row.tag);
    std::set<int> seen;
    for (const DesignText& row : MainFormDesignTexts()) {
        EXPECT_TRUE(seen.insert(row.tag).second) << "tag " << row.tag << " twice";
        EXPECT_GE(row.tag, 100);
        EXPECT_LE(row.tag, 999);
        EXPECT_FALSE(Reserved(row.tag)) << "tag " << row.tag << " is a message text";
        EXPECT_EQ(messages.count(row.tag), 0u) << row.tag;
    }
}

TEST(DesignTextsTest, MessageTextsKeepTheirNumbersAndEnglish) {
    EXPECT_EQ(DesignCaption(ids::ScrubAndGoBtn), "Go..");
    EXPECT_EQ(DesignCaption(text_ids::StopCaption), "Stop!");
    EXPECT_EQ(DesignCaption(text_ids::QuitQuestion), "Do you really want to close Tidewell?");
    EXPECT_EQ(DesignCaption(text_ids::QuitHint), "Use [x] to place Tidewell on the taskbar!");
    EXPECT_EQ(DesignCaption(text_ids::QuitChoice), "Click Yes to quit and No to continue.");
    EXPECT_EQ(DesignCaption(text_ids::VanishModifiedColumn), "Modified");
    EXPECT_EQ(DesignCaption(ids::WashListH1), "  Object");
    EXPECT_EQ(DesignCaption(ids::AutoWashGroup), "Auto Wash Task Sheduler");
    EXPECT_EQ(DesignHint(ids::StealthModeHotKey),
              "Select and enter a key or combination of two keys");
}

TEST(DesignTextsTest, MultiItemControlsTakeTheFollowingRows) {
    auto levels = DesignItems(ids::WashBlurModeList, kWashLevelCount);
    ASSERT_EQ(levels.size(), 8u);
    EXPECT_EQ(levels.front(), WashLevelTexts().front());
    EXPECT_EQ(levels.back(), WashLevelTexts().back());
    auto tabs = DesignItems(ids::ObjectsPages, 5);
    ASSERT_EQ(tabs.size(), 5u);
    EXPECT_EQ(tabs.front(), "Wash Objects");
    EXPECT_EQ(tabs.back(), "Startup Monitor");
}

}  // namespace
