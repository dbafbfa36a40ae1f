#include "cli/cli_objects.h"

#include <gtest/gtest.h>

#include "support/recording_views.h"

namespace {

std::string NoTranslation(int, const std::string& fallback) {
    return fallback;
}

struct CliObjects : ::testing::Test {
    Catalogue catalogue;
    testing_support::RecordingCatalogueView view;

    void SetUp() override {
        AppendBuiltInObjects(catalogue, view, NoTranslation,
                             [](std::string_view, bool fallback) { return fallback; });
        TWashListPluginItem plugin;
        plugin.Id = "wlitPlugin_Notes";
        AppendToCatalogue(catalogue, view, MakePluginItem(plugin, "Notes", false));
        AppendToCatalogue(catalogue, view, MakeUserItem({}, "My temp", true));
        AppendToCatalogue(catalogue, view, MakeUserItem({}, "My temp", false));
    }
    TWashListItem& At(std::size_t i) { return *catalogue.Items.at(i); }
};

TEST_F(CliObjects, NamesEachKindOfObject) {
    std::vector<std::string> ids = ObjectIdentifiers(catalogue);
    ASSERT_EQ(ids.size(), 85u);
    EXPECT_EQ(ids[0], "wlitIE_Visited_Typed_Urls");
    EXPECT_EQ(ids[wlitWin_Run_History], "wlitWin_Run_History");
    EXPECT_EQ(ids[82], "wlitPlugin_Notes");
    EXPECT_EQ(ids[83], "user:1");  // two user objects of one name stay apart
    EXPECT_EQ(ids[84], "user:2");
}

TEST_F(CliObjects, ListsIdentifierSelectionPresenceAndNameInColumns) {
    At(wlitWin_Temporary_Files).Enabled = false;
    std::vector<std::string> lines = ObjectListingLines(catalogue);
    ASSERT_EQ(lines.size(), 86u);
    const std::size_t width = lines[0].find("SELECTED");
    EXPECT_EQ(lines[0].substr(0, 10), "IDENTIFIER");
    const std::string& run = lines[1 + wlitWin_Run_History];
    EXPECT_EQ(run.substr(0, width), "wlitWin_Run_History" + std::string(width - 19, ' '));
    EXPECT_EQ(run.substr(width), "yes       yes      wlitWin_Run_History");
    EXPECT_EQ(lines[1 + wlitWin_Temporary_Files].substr(width, 18), "yes       no      ");
    EXPECT_EQ(lines[1 + wlitWin_Clipboard].substr(width), "no        yes      wlitWin_Clipboard");
    EXPECT_EQ(lines[1 + 83].substr(width), "yes       yes      My temp");
}

TEST_F(CliObjects, OnlySelectsExactlyTheNamedObjects) {
    EXPECT_EQ(SelectOnly(catalogue, {"WLITWIN_CLIPBOARD", "user:2", "wlitPlugin_Notes"}), "");
    for (std::size_t i = 0; i < catalogue.Items.size(); ++i) {
        const bool wanted = i == wlitWin_Clipboard || i == 82 || i == 84;
        EXPECT_EQ(At(i).Selected, wanted) << i;
        EXPECT_EQ(At(i).State, wanted ? wlsNone : wlsDisabled) << i;
    }
}

TEST_F(CliObjects, OnlyRefusesUnknownAndAbsentObjectsAndChangesNothing) {
    At(wlitWin_Media_Player).Enabled = false;
    std::string message = SelectOnly(catalogue, {"wlitWin_Clipboard", "wlitWin_Nothing"});
    EXPECT_NE(message.find("unknown object identifier 'wlitWin_Nothing'"), std::string::npos);
    message = SelectOnly(catalogue, {"user:3"});
    EXPECT_NE(message.find("'user:3'"), std::string::npos);
    message = SelectOnly(catalogue, {"wlitwin_media_player"});
    EXPECT_EQ(message, "object 'wlitWin_Media_Player' is not present on this computer");
    EXPECT_FALSE(At(wlitWin_Clipboard).Selected);  // the selection is untouched
    EXPECT_TRUE(At(wlitWin_Run_History).Selected);
}

TEST(WashSummaryText, GivesItemsBytesAndSizeText) {
    EXPECT_EQ(WashSummary(7, 3072, false),
              "Tidewell Wash done, 7 items washed, total size 3072 bytes (3 Kb)");
    EXPECT_EQ(WashSummary(0, 0, true),
              "Tidewell Wash stopped, 0 items washed, total size 0 bytes (0 Kb)");
}

}  // namespace
