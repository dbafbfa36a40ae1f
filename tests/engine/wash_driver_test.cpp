#include "engine/wash_driver.h"

#include <gtest/gtest.h>

#include "engine/wash_levels.h"
#include "support/recording_views.h"

using testing_support::RecordingCatalogueView;
using testing_support::RecordingWashView;

namespace {

std::string NoTranslation(int, const std::string& fallback) {
    return fallback;
}
bool NothingSelected(std::string_view, bool) {
    return false;
}

struct DriverFixture : ::testing::Test {
    Catalogue catalogue;
    RecordingCatalogueView catalogueView;
    RecordingWashView view;
    WasherTable washers;
    WashContext ctx{catalogue, view, washers};
    std::vector<std::string> washed;  // display names, in call order
    std::vector<int> rows;

    void SetUp() override {
        AppendBuiltInObjects(catalogue, catalogueView, NoTranslation, NothingSelected);
        auto record = [this](WashContext&, TWashListItem& item, int row) {
            washed.push_back(item.DisplayName);
            rows.push_back(row);
        };
        for (auto& slot : washers.BuiltIn)
            slot = record;
        washers.Plugin = record;
        washers.User = record;
    }
    void Select(TWashListItemType type) { catalogue.Items.at(type)->Selected = true; }
};

TEST_F(DriverFixture, WashesOnlySelectedObjectsInCatalogueOrder) {
    Select(wlitWin_Run_History);
    Select(wlitIE_History);
    Select(wlitMS_Word);
    TWashListUserItem user;
    AppendToCatalogue(catalogue, catalogueView, MakeUserItem(user, "mine", true));
    ScrubAndGoBtnClick(ctx);

    EXPECT_EQ(washed, (std::vector<std::string>{"wlitIE_History", "wlitWin_Run_History",
                                                "wlitMS_Word", "mine"}));
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3}));  // rows count scheduled objects only
    for (const auto& item : catalogue.Items)
        EXPECT_EQ(item->State, item->Selected ? wlsComplete : wlsDisabled);
    EXPECT_EQ(view.rowStatus.size(), 4u);
    EXPECT_EQ(view.rowStatus[3], "wlsComplete");
    EXPECT_EQ(view.rowEntries[0], "0/0 Kb");
    EXPECT_EQ(view.trayAnimations, 4);
    EXPECT_FALSE(ctx.Washing);
    EXPECT_GT(ctx.LastWashTime, 0.0);
}

TEST_F(DriverFixture, SetsTheWindowUpForTheRunAndBackAfterIt) {
    Select(wlitWin_Run_History);
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(view.progress.front(), "Initializing Wash...");
    EXPECT_EQ(view.progress.back(), "Done Washing...");
    EXPECT_EQ(view.captions, (std::vector<std::string>{"Stop!", "Go.."}));
    EXPECT_FALSE(view.redButton);
    EXPECT_TRUE(view.timerEnabled);
    EXPECT_EQ(view.closeBrowsersCalls, 1);
    EXPECT_EQ(view.restoreCalls, 1);
    EXPECT_EQ(view.updateStatusCalls, 2);
}

TEST_F(DriverFixture, ASecondPressStopsAfterTheCurrentObject) {
    Select(wlitIE_History);
    Select(wlitWin_Run_History);
    Select(wlitMS_Word);
    washers.BuiltIn[wlitWin_Run_History] = [this](WashContext& c, TWashListItem& item, int) {
        washed.push_back(item.DisplayName);
        ScrubAndGoBtnClick(c);  // the Stop press, arriving while this object is washed
        EXPECT_TRUE(c.StopRequested);
        EXPECT_FALSE(c.KeepWashing);
    };
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(washed, (std::vector<std::string>{"wlitIE_History", "wlitWin_Run_History"}));
    EXPECT_EQ(catalogue.Items[wlitIE_History]->State, wlsComplete);
    EXPECT_EQ(catalogue.Items[wlitWin_Run_History]->State, wlsComplete);
    EXPECT_EQ(catalogue.Items[wlitMS_Word]->State, wlsScheduled);
    EXPECT_EQ(view.rowStatus[2], "wlsScheduled");
    EXPECT_EQ(view.progress.back(), "Done Washing...");
    EXPECT_EQ(view.captions.back(), "Go..");
    EXPECT_FALSE(ctx.Washing);
}

TEST_F(DriverFixture, APressWhileTheRunStartsUpStopsItInsteadOfNestingASecondRun) {
    Select(wlitIE_History);
    int presses = 0;
    view.onProcessMessages = [&] {
        if (presses++ == 0)
            ScrubAndGoBtnClick(ctx);  // the first message pump of the run delivers a click
    };
    ScrubAndGoBtnClick(ctx);
    EXPECT_TRUE(washed.empty());
    EXPECT_EQ(view.captions, (std::vector<std::string>{"Stop!", "Go.."}));
    EXPECT_EQ(catalogue.Items[wlitIE_History]->State, wlsScheduled);
    EXPECT_FALSE(ctx.Washing);
}

TEST_F(DriverFixture, KeepWashingIsSetAgainForTheNextObject) {
    Select(wlitIE_History);
    Select(wlitWin_Run_History);
    std::vector<bool> keep;
    washers.BuiltIn[wlitIE_History] = [&](WashContext& c, TWashListItem&, int) {
        keep.push_back(c.KeepWashing);
        c.KeepWashing = false;  // as a Cancel in a confirmation does
    };
    washers.BuiltIn[wlitWin_Run_History] = [&](WashContext& c, TWashListItem&, int) {
        keep.push_back(c.KeepWashing);
    };
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(keep, (std::vector<bool>{true, true}));
}

TEST_F(DriverFixture, ObjectsWithoutAWasherOrRecordAreStillCompleted) {
    Select(wlitIE_History);
    washers.BuiltIn[wlitIE_History] = nullptr;
    auto plugin = MakePluginItem({"p", {}}, "plug", true);
    plugin->PluginItem.reset();
    AppendToCatalogue(catalogue, catalogueView, std::move(plugin));
    ScrubAndGoBtnClick(ctx);
    EXPECT_TRUE(washed.empty());
    EXPECT_EQ(catalogue.Items[wlitIE_History]->State, wlsComplete);
    EXPECT_EQ(catalogue.Items.back()->State, wlsComplete);
}

TEST_F(DriverFixture, ATestRunWritesHeadersAndLeavesWindowAndBrowsersAlone) {
    Select(wlitWin_Run_History);
    ctx.TestRunning = true;
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(view.testLines, std::vector<std::string>{"\r\n**** wlitWin_Run_History ****\r\n"});
    EXPECT_EQ(view.closeBrowsersCalls, 0);
    EXPECT_EQ(view.restoreCalls, 0);
}

TEST_F(DriverFixture, WithNothingSelectedTheRunGoesStraightToTheEnd) {
    ScrubAndGoBtnClick(ctx);
    EXPECT_TRUE(washed.empty());
    EXPECT_TRUE(view.rowStatus.empty());
    EXPECT_EQ(view.progress.back(), "Done Washing...");
}

TEST_F(DriverFixture, StayInTrayKeepsTheWindowAway) {
    ctx.Opts.StayInTrayDuringWash = true;
    ctx.Opts.CloseBrowsersDuringWash = false;
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(view.restoreCalls, 0);
    EXPECT_EQ(view.closeBrowsersCalls, 0);
}

struct LogRecorder : ActivityLog {
    std::string text;
    void Write(std::string_view t) override { text += t; }
    void Flush() override {}
};

TEST_F(DriverFixture, BrowsersThatStayOpenAreLoggedAndTheRunGoesOn) {
    LogRecorder log;
    ctx.Log = &log;
    ctx.Opts.LogActivities = true;
    ctx.BrowsersWereRunning = true;
    view.browsersClose = false;
    Select(wlitIE_History);
    ScrubAndGoBtnClick(ctx);
    EXPECT_NE(log.text.find(" Error: Unable to close all browsers\r\n"), std::string::npos);
    EXPECT_EQ(log.text.size(),
              std::string("hh:mm:ss Error: Unable to close all browsers\r\n").size());
    EXPECT_TRUE(ctx.BrowsersWereRunning);
    EXPECT_EQ(washed.size(), 1u);

    view.browsersClose = true;
    ScrubAndGoBtnClick(ctx);
    EXPECT_FALSE(ctx.BrowsersWereRunning);
}

TEST_F(DriverFixture, TheLevelSetsTheShredderAndStaysAfterTheRun) {
    ctx.Opts.WashLevel = 3;
    ctx.Shred.ShredDelete = false;
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(ctx.Shred.WashMode, 3);
    EXPECT_EQ(ctx.Shred.WashStrength, 2);
    EXPECT_TRUE(ctx.Shred.ShredDelete);
}

TEST(WashLevels, MapToModeAndStrength) {
    const int expected[8][2] = {{1, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {4, 1}, {4, 2}, {4, 3}};
    for (int level = 0; level < 8; ++level) {
        EXPECT_EQ(SettingsForWashLevel(level).WashMode, expected[level][0]);
        EXPECT_EQ(SettingsForWashLevel(level).WashStrength, expected[level][1]);
    }
    for (int level : {-1, 8, 9, 100}) {
        EXPECT_EQ(SettingsForWashLevel(level).WashMode, 1) << level;
        EXPECT_EQ(SettingsForWashLevel(level).WashStrength, 1) << level;
    }
}

TEST(WashLevels, ShortNamesStopBeforeTheFirstDash) {
    EXPECT_EQ(ShortLevelName(3), "3M US DoD, NSA Overwrite & Delete");
    EXPECT_EQ(ShortLevelName(0), "1 Delete");
    EXPECT_EQ(ShortLevelName(7), "4H Secure Deletion, Dr Gutmann full 39 steps");
    EXPECT_EQ(ShortLevelName(9), "");
}

}  // namespace
