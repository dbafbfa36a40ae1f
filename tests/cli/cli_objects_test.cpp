#include "cli/cli_objects.h"

#include <gtest/gtest.h>

#include "support/recording_views.h"

namespace {

std::string NoTranslation(int, const std::string& fallback) {
    return fallback;
}

// Washers for every object but IE's: the run has nothing to call for those.
WasherTable WashersButInternetExplorer() {
    WasherTable table;
    const Washer washer = [](WashContext&, TWashListItem&, int) {};
    for (int type = wlitOE_Mail_Boxes; type < kBuiltInTypeCount; ++type)
        table.BuiltIn[type] = washer;
    table.Plugin = washer;
    table.User = washer;
    return table;
}

struct CliObjects : ::testing::Test {
    Catalogue catalogue;
    testing_support::RecordingCatalogueView view;
    const WasherTable washers = WashersButInternetExplorer();

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

TEST_F(CliObjects, ListsIdentifierNameSelectionAndPresenceInColumns) {
    At(wlitWin_Temporary_Files).Enabled = false;
    At(84).DisplayName = "B\xc3\xbcro \xe2\x98\x82";  // "Büro ☂": 6 characters, 9 bytes
    std::vector<std::string> lines = ObjectListingLines(catalogue);
    ASSERT_EQ(lines.size(), 86u);
    const std::size_t nameAt = lines[0].find("NAME");
    const std::size_t selectedAt = lines[0].find("SELECTED");
    EXPECT_EQ(lines[0].substr(0, 10), "IDENTIFIER");
    EXPECT_EQ(lines[0].substr(selectedAt), "SELECTED  PRESENT");
    const std::string& run = lines[1 + wlitWin_Run_History];
    EXPECT_EQ(run.substr(0, nameAt), "wlitWin_Run_History" + std::string(nameAt - 19, ' '));
    EXPECT_EQ(run.substr(nameAt, selectedAt - nameAt),
              "wlitWin_Run_History" + std::string(selectedAt - nameAt - 19, ' '));
    EXPECT_EQ(run.substr(selectedAt), "yes       yes");
    EXPECT_EQ(lines[1 + wlitWin_Temporary_Files].substr(selectedAt), "yes       no");
    EXPECT_EQ(lines[1 + wlitWin_Clipboard].substr(selectedAt), "no        yes");
    EXPECT_EQ(lines[1 + 83].substr(nameAt),
              "My temp" + std::string(selectedAt - nameAt - 7, ' ') + "yes       yes");
    // The longest name sets the column, two blanks after it.
    EXPECT_EQ(selectedAt - nameAt,
              std::string("wlitWin_Common_Dialog_Open_Save_History").size() + 2);
    // A name outside ASCII is padded by its characters, so its columns line up too.
    const std::string& user = lines[1 + 84];
    EXPECT_EQ(user.substr(nameAt), "B\xc3\xbcro \xe2\x98\x82" +
                                       std::string(selectedAt - nameAt - 6, ' ') + "no        yes");
}

TEST_F(CliObjects, OnlySelectsExactlyTheNamedObjects) {
    EXPECT_EQ(SelectOnly(catalogue, {"WLITWIN_CLIPBOARD", "user:2", "wlitPlugin_Notes"}, washers),
              "");
    for (std::size_t i = 0; i < catalogue.Items.size(); ++i) {
        const bool wanted = i == wlitWin_Clipboard || i == 82 || i == 84;
        EXPECT_EQ(At(i).Selected, wanted) << i;
        EXPECT_EQ(At(i).State, wanted ? wlsNone : wlsDisabled) << i;
    }
}

TEST_F(CliObjects, OnlyRefusesUnknownAndAbsentObjectsAndChangesNothing) {
    At(wlitWin_Media_Player).Enabled = false;
    std::string message = SelectOnly(catalogue, {"wlitWin_Clipboard", "wlitWin_Nothing"}, washers);
    EXPECT_NE(message.find("unknown object identifier 'wlitWin_Nothing'"), std::string::npos);
    message = SelectOnly(catalogue, {"user:3"}, washers);
    EXPECT_NE(message.find("'user:3'"), std::string::npos);
    message = SelectOnly(catalogue, {"wlitwin_media_player"}, washers);
    EXPECT_EQ(message, "object 'wlitWin_Media_Player' is not present on this computer");
    // Named on purpose but washed by nothing: refused rather than silently skipped.
    message = SelectOnly(catalogue, {"wlitWin_Clipboard", "wlitie_cache"}, washers);
    EXPECT_EQ(message, "object 'wlitIE_Cache' cannot be washed yet: no washer handles it");
    message = SelectOnly(catalogue, {"user:1"}, WasherTable{});
    EXPECT_NE(message.find("'user:1' cannot be washed yet"), std::string::npos);
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
