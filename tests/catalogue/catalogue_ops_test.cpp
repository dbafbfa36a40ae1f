#include "catalogue/catalogue_ops.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "support/recording_views.h"

using testing_support::RecordingCatalogueView;

namespace {

std::string NoTranslation(int, const std::string& fallback) {
    return fallback;
}
bool Defaults(std::string_view, bool fallback) {
    return fallback;
}

struct CatalogueFixture : ::testing::Test {
    Catalogue catalogue;
    RecordingCatalogueView view;

    void SetUp() override { AppendBuiltInObjects(catalogue, view, NoTranslation, Defaults); }

    TWashListItem& Item(TWashListItemType type) { return *catalogue.Items.at(type); }
    std::size_t AddUserObject(bool selected) {
        TWashListUserItem user;
        user.Folder = "C:\\data\\";
        AppendToCatalogue(catalogue, view, MakeUserItem(user, "mine", selected));
        return catalogue.Items.size() - 1;
    }
    std::size_t AddPluginObject(bool selected) {
        AppendToCatalogue(catalogue, view, MakePluginItem({"wlitPluginX", {}}, "plug", selected));
        return catalogue.Items.size() - 1;
    }
    std::vector<int> SelectedTypes() const {
        std::vector<int> types;
        for (const auto& item : catalogue.Items)
            if (item->IsBuiltIn() && item->Selected)
                types.push_back(item->ItemType);
        return types;
    }
};

TEST_F(CatalogueFixture, FirstStartSelectsTheThirtySevenDefaultObjects) {
    ASSERT_EQ(catalogue.Items.size(), 82u);
    const std::vector<int> expected = {0,  1,  2,  4,  7,  8,  13, 14, 15, 16, 17, 18, 24,
                                       25, 26, 27, 28, 33, 34, 35, 39, 42, 43, 44, 46, 47,
                                       56, 57, 59, 61, 65, 66, 67, 68, 69, 70, 71};
    EXPECT_EQ(SelectedTypes(), expected);
    for (const auto& item : catalogue.Items) {
        EXPECT_EQ(item->State, item->Selected ? wlsNone : wlsDisabled);
        EXPECT_EQ(item->ShownEntries, 0u);
    }
    EXPECT_EQ(view.checks[0], true);
    EXPECT_EQ(view.checks[3], false);
}

TEST_F(CatalogueFixture, OrderIdentifiersAndIconsFollowTheTypeTable) {
    EXPECT_EQ(Item(wlitIE_Visited_Typed_Urls).DisplayName, "wlitIE_Visited_Typed_Urls");
    EXPECT_EQ(Item(wlitWin_Run_History).DisplayName, "wlitWin_Run_History");
    EXPECT_EQ(Item(wlitMS_Word).DisplayName, "wlitMS_Word");
    EXPECT_EQ(view.rowNames.at(57), "wlitWin_Run_History");
    for (int i = 0; i < kBuiltInTypeCount; ++i) {
        auto type = static_cast<TWashListItemType>(i);
        EXPECT_EQ(catalogue.Items[i]->ItemType, type);
        EXPECT_EQ(TypeFromIdentifier(TypeInfo(type).identifier), type);
    }
    EXPECT_FALSE(TypeFromIdentifier("wlitNothing").has_value());
    EXPECT_EQ(StatusIconIndex(Item(wlitIE_Favorites)), 3);
    EXPECT_EQ(StatusIconIndex(Item(wlitOE_Cleanup_Log)), 4);
    EXPECT_EQ(StatusIconIndex(Item(wlitNetCaptor_History)), 10);
    EXPECT_EQ(StatusIconIndex(Item(wlitSlim_Browser_History)), 13);
    EXPECT_EQ(StatusIconIndex(Item(wlitWin_XP_Prefetch_Folder)), 14);
    EXPECT_EQ(StatusIconIndex(Item(wlitMS_WordPad_History)), 15);
    EXPECT_EQ(StatusIconIndex(Item(wlitMS_Office)), 16);
    EXPECT_EQ(StatusIconIndex(*catalogue.Items[AddPluginObject(true)]), 1);
    EXPECT_EQ(StatusIconIndex(*catalogue.Items[AddUserObject(true)]), 2);
}

// The 82 identifiers in their fixed order: they are the settings keys and the order of washing,
// so a misspelt or swapped one would lose a user's selection or wash out of order.
TEST_F(CatalogueFixture, TheBuiltInIdentifiersInTheirFixedOrder) {
    std::istringstream listed(R"(
        wlitIE_Visited_Typed_Urls wlitIE_History wlitIE_Cache wlitIE_Cookies
        wlitIE_Indexdotdat_Files wlitIE_Downloaded_Program_Files wlitIE_AutoComplete_Data
        wlitIE_Download_Directory wlitIE_Save_Directory wlitIE_Favorites_Order_History
        wlitIE_Favorites wlitOE_Mail_Boxes wlitOE_Cleanup_Log wlitAdvanced_Browser_History
        wlitAvant_Browser_History wlitEnigma_Browser_History wlitFirefox_Visited_Typed_Urls
        wlitFirefox_History wlitFirefox_Cache wlitFirefox_Cookies wlitFirefox_Downloaded_Files
        wlitFirefox_AutoComplete_Data wlitFirefox_Preferences wlitFirefox_Bookmarks
        wlitMaxthon_History wlitNetCaptor_History wlitNetscape_Visited_Typed_Urls
        wlitNetscape_History wlitNetscape_Cache wlitNetscape_Cookies
        wlitNetscape_AutoComplete_Data wlitNetscape_Preferences wlitNetscape_Bookmarks
        wlitOpera_Visited_Typed_Urls wlitOpera_History wlitOpera_Cache wlitOpera_Cookies
        wlitOpera_Preferences wlitOpera_Bookmarks wlitSlim_Browser_History
        wlitWin_Application_Logs wlitWin_Clipboard wlitWin_Common_Dialog_Open_Save_History
        wlitWin_Common_Dialog_Visited_History wlitWin_Document_History
        wlitWin_Downloaded_Installations wlitWin_Find_Computers_History
        wlitWin_Find_Files_History wlitWin_Last_Logged_On_User wlitWin_Log_Files
        wlitWin_Media_Player wlitWin_Network_Drive_History wlitWin_Printer_Ports_History
        wlitWin_RecycleBins_Wash wlitWin_RecycleBins wlitWin_Regedit_LastKey
        wlitWin_Registry_Streams wlitWin_Run_History wlitWin_Start_Menu_Order_History
        wlitWin_Swap_File wlitWin_Telnet_History wlitWin_Temporary_Files wlitWin_Tmp_Files
        wlitWin_UserAssist_History wlitWin_XP_Prefetch_Folder wlitMS_Download_Folder
        wlitMS_HTML_Help_History wlitMS_Imaging_History wlitMS_Netmeeting_History
        wlitMS_Paint_History wlitMS_Scandisk_Log wlitMS_WordPad_History wlitMS_Office
        wlitMS_Access wlitMS_Excel wlitMS_FrontPage wlitMS_InfoPath wlitMS_Photo_Editor
        wlitMS_PowerPoint wlitMS_Publisher wlitMS_Visio wlitMS_Word)");
    std::vector<std::string> expected{std::istream_iterator<std::string>(listed), {}};
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kBuiltInTypeCount));
    for (int i = 0; i < kBuiltInTypeCount; ++i) {
        EXPECT_EQ(TypeInfo(static_cast<TWashListItemType>(i)).identifier, expected[i]) << i;
        EXPECT_EQ(view.rowNames.at(i), expected[i]) << i;
    }
}

TEST_F(CatalogueFixture, DisplayNamesAndStateTextsComeFromTheLanguage) {
    Catalogue translated;
    RecordingCatalogueView other;
    auto texts = [](int id, const std::string& fallback) {
        return id == 10101 ? std::string("IE History") : id == 10002 ? "Scheduled" : fallback;
    };
    AppendBuiltInObjects(translated, other, texts, Defaults);
    EXPECT_EQ(translated.Items[1]->DisplayName, "IE History");
    EXPECT_EQ(translated.Items[2]->DisplayName, "wlitIE_Cache");
    StateTexts states = LookUpStateTexts(texts);
    EXPECT_EQ(states[wlsScheduled], "Scheduled");
    EXPECT_EQ(states[wlsComplete], "wlsComplete");
}

TEST_F(CatalogueFixture, StatusRowsListSelectedObjectsWithZeroCounters) {
    RefreshWashList(catalogue, view);
    ASSERT_EQ(view.statusRows.size(), 37u);
    EXPECT_EQ(view.statusRows[0].caption, "wlitIE_Visited_Typed_Urls");
    EXPECT_EQ(view.statusRows[0].entriesSize, "0/0 Kb");
    EXPECT_EQ(view.statusRows[0].status, "wlsNone");
    EXPECT_EQ(view.statusRows[0].icon, 3);
    ASSERT_FALSE(view.indexDatTask.empty());
    EXPECT_TRUE(view.indexDatTask.back());
}

TEST_F(CatalogueFixture, TickingAnOrdinaryObjectChangesOnlyItsOwnSelection) {
    auto before = SelectedTypes();
    WashingListClickCheck(catalogue, view, wlitWin_Telnet_History, true);
    auto after = SelectedTypes();
    EXPECT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(Item(wlitWin_Telnet_History).State, wlsNone);
    EXPECT_TRUE(view.tabsShown.empty());
    EXPECT_TRUE(view.questionsAsked.empty());
    WashingListClickCheck(catalogue, view, wlitWin_Telnet_History, false);
    EXPECT_EQ(Item(wlitWin_Telnet_History).State, wlsDisabled);
    EXPECT_EQ(SelectedTypes(), before);
}

TEST_F(CatalogueFixture, AnsweringNoToTheFavouritesQuestionUnticksTheRow) {
    view.answerYes = false;
    WashingListClickCheck(catalogue, view, wlitIE_Favorites, true);
    EXPECT_EQ(view.questionsAsked, std::vector<int>{620001});
    EXPECT_FALSE(Item(wlitIE_Favorites).Selected);
    EXPECT_EQ(Item(wlitIE_Favorites).State, wlsDisabled);
    EXPECT_FALSE(view.checks[wlitIE_Favorites]);

    view.answerYes = true;
    WashingListClickCheck(catalogue, view, wlitOpera_Bookmarks, true);
    EXPECT_EQ(view.questionsAsked.back(), 620004);
    EXPECT_TRUE(Item(wlitOpera_Bookmarks).Selected);
}

TEST_F(CatalogueFixture, TickingCookiesActiveXOrMailShowsTheirTab) {
    WashingListClickCheck(catalogue, view, wlitIE_Cookies, true);
    WashingListClickCheck(catalogue, view, wlitIE_Downloaded_Program_Files, true);
    WashingListClickCheck(catalogue, view, wlitOE_Mail_Boxes, true);
    EXPECT_EQ(view.tabsShown, (std::vector<ObjectsTab>{ObjectsTab::IECookies, ObjectsTab::ActiveX,
                                                       ObjectsTab::MailBoxes}));
    EXPECT_TRUE(Item(wlitIE_Cookies).Selected);
    EXPECT_TRUE(Item(wlitOE_Mail_Boxes).Selected);
    WashingListClickCheck(catalogue, view, wlitIE_Cookies, false);  // unticking shows nothing
    EXPECT_EQ(view.tabsShown.size(), 3u);
}

TEST_F(CatalogueFixture, TickingABrowserOnIEStoresSelectsTheEnabledIEObjects) {
    const TWashListItemType stores[] = {
        wlitIE_Visited_Typed_Urls, wlitIE_History,       wlitIE_Cache, wlitIE_Indexdotdat_Files,
        wlitIE_Download_Directory, wlitIE_Save_Directory};
    const TWashListItemType browsers[] = {wlitAdvanced_Browser_History, wlitAvant_Browser_History,
                                          wlitEnigma_Browser_History,   wlitMaxthon_History,
                                          wlitNetCaptor_History,        wlitSlim_Browser_History};
    for (TWashListItemType browser : browsers) {
        DeselectAllWashingListItemsBtnClick(catalogue, view);
        Item(wlitIE_Cache).Enabled = false;  // a disabled row is left alone
        WashingListClickCheck(catalogue, view, browser, true);
        for (TWashListItemType store : stores)
            EXPECT_EQ(Item(store).Selected, store != wlitIE_Cache) << browser << " " << store;
        EXPECT_FALSE(Item(wlitIE_Cookies).Selected);
        EXPECT_FALSE(Item(wlitIE_AutoComplete_Data).Selected);
        Item(wlitIE_Cache).Enabled = true;
    }
}

TEST_F(CatalogueFixture, SelectAllKeepsTheRiskyObjectsAndSkipsDisabledRows) {
    DeselectAllWashingListItemsBtnClick(catalogue, view);
    Item(wlitOE_Cleanup_Log).Selected = true;  // kept as it was: stays selected
    Item(wlitMS_Visio).Enabled = false;
    std::size_t user = AddUserObject(false);
    SelectAllWashingListItemsBtnClick(catalogue, view);
    for (const auto& item : catalogue.Items) {
        if (!item->IsBuiltIn())
            continue;
        switch (item->ItemType) {
            case wlitIE_Favorites:
            case wlitOE_Mail_Boxes:
            case wlitFirefox_Bookmarks:
            case wlitNetscape_Bookmarks:
            case wlitOpera_Bookmarks:
            case wlitWin_RecycleBins_Wash:
            case wlitMS_Visio:
                EXPECT_FALSE(item->Selected) << int(item->ItemType);
                break;
            default:
                EXPECT_TRUE(item->Selected) << int(item->ItemType);
        }
    }
    EXPECT_TRUE(catalogue.Items[user]->Selected);
    EXPECT_GT(view.repaints, 0);
}

TEST_F(CatalogueFixture, DeselectAllSkipsDisabledRows) {
    Item(wlitIE_Cache).Enabled = false;
    DeselectAllWashingListItemsBtnClick(catalogue, view);
    EXPECT_EQ(SelectedTypes(), std::vector<int>{wlitIE_Cache});
    EXPECT_TRUE(view.statusRows.size() == 1);
}

TEST_F(CatalogueFixture, DefaultObjectsLeavesPluginAndUserObjectsAlone) {
    std::size_t plugin = AddPluginObject(true);
    std::size_t user = AddUserObject(false);
    SelectAllWashingListItemsBtnClick(catalogue, view);
    catalogue.Items[plugin]->Selected = true;
    DefaultObjectsBtnClick(catalogue, view);
    EXPECT_EQ(SelectedTypes().size(), 37u);
    EXPECT_TRUE(catalogue.Items[plugin]->Selected);
    EXPECT_TRUE(catalogue.Items[user]->Selected);  // Select All ticked it; Default keeps it
}

TEST_F(CatalogueFixture, DefaultObjectsSkipsDisabledRows) {
    // Both differ from their defaults; detection disabled their rows.
    Item(wlitIE_Cache).Selected = false;  // selected by default
    ApplySelectionRule(Item(wlitIE_Cache));
    Item(wlitIE_Cache).Enabled = false;
    Item(wlitMS_Word).Selected = true;  // not selected by default
    ApplySelectionRule(Item(wlitMS_Word));
    Item(wlitMS_Word).Enabled = false;
    Item(wlitWin_Clipboard).Selected = true;  // enabled: back to its default
    DefaultObjectsBtnClick(catalogue, view);
    EXPECT_FALSE(Item(wlitIE_Cache).Selected);
    EXPECT_EQ(Item(wlitIE_Cache).State, wlsDisabled);
    EXPECT_TRUE(Item(wlitMS_Word).Selected);
    EXPECT_EQ(Item(wlitMS_Word).State, wlsNone);
    EXPECT_FALSE(Item(wlitWin_Clipboard).Selected);
    EXPECT_EQ(SelectedTypes().size(), 37u);  // 37 defaults, less IE's cache, plus Word
}

TEST_F(CatalogueFixture, UserObjectsMarkTheCatalogueChanged) {
    catalogue.UserObjectsChanged = false;
    std::size_t row = AddUserObject(false);
    WashingListClickCheck(catalogue, view, row, true);
    EXPECT_TRUE(catalogue.UserObjectsChanged);
    EXPECT_EQ(catalogue.Items[row]->UserItem->Folder, "C:\\data");

    catalogue.UserObjectsChanged = false;
    EXPECT_FALSE(RemoveUserObject(catalogue, view, 0));  // built-in rows cannot be removed
    EXPECT_TRUE(RemoveUserObject(catalogue, view, row));
    EXPECT_TRUE(catalogue.UserObjectsChanged);
    EXPECT_EQ(catalogue.Items.size(), 82u);
    EXPECT_EQ(view.rowNames.size(), 82u);
}

TEST(NewUserObject, IsUnselectedPointsAtTheProgramFolderAndPrompts) {
    auto item = MakeNewUserItem("C:\\Program Files\\Tidewell\\");
    EXPECT_EQ(item->Kind, WashItemKind::User);
    EXPECT_EQ(item->ItemType, wlitWin_Temporary_Files);
    EXPECT_EQ(item->DisplayName, "Tidewell Item");
    EXPECT_FALSE(item->Selected);
    EXPECT_EQ(item->UserItem->Folder, "C:\\Program Files\\Tidewell");
    EXPECT_FALSE(item->UserItem->IncludeSubfolders);
    EXPECT_TRUE(item->UserItem->PromptOnDelete);
    EXPECT_TRUE(item->UserItem->FileList.empty());
}

}  // namespace
