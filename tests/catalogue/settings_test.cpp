// The settings file under Wine's real INI functions, registry and files.
#include "catalogue/settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/date_time.h"
#include "catalogue/record_file.h"
#include "catalogue/settings_values.h"
#include "catalogue/table_db_writer.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "support/recording_views.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

using testing_support::RecordingCatalogueView;
using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

namespace {

// The main window's part, recorded.
class RecordingHost : public SettingsHost {
  public:
    explicit RecordingHost(const std::string& folder, std::string user = "ann")
        : state(opts, catalogue, cookies, activeX, mailBoxes, intervalRemaining, dailyRemaining) {
        state.Files = SettingsFilesIn(folder);
        state.UserSectionPrefix = std::move(user);
    }

    SettingsState& Settings() override { return state; }
    CatalogueView& ObjectsView() override { return view; }
    void ShowShellFolderWarning(const std::string&) override { calls.push_back("warning"); }
    void ShowLanguageList(const std::vector<std::string>& entries, int selected) override {
        languages = entries;
        languageSelected = selected;
        calls.push_back("languages");
    }
    void ApplyLanguage(const LanguageChoice& language) override {
        applied = language.LngID;
        calls.push_back("apply");
    }
    void ShowLoadedOptions() override { calls.push_back("options"); }
    void RunObjectDetection() override { calls.push_back("detect"); }
    void SetCaption(const std::string& text) override { caption = text; }
    void OpenActivityLog() override { calls.push_back("log open"); }
    void CloseActivityLog() override { calls.push_back("log close"); }
    void FindRunningBrowsers() override { calls.push_back("browsers"); }
    void StartHookLibrary() override { calls.push_back("hook start"); }
    void StopHookLibrary() override { calls.push_back("hook stop"); }

    std::size_t SelectedCount() const {
        std::size_t n = 0;
        for (const auto& item : catalogue.Items)
            n += item->Selected;
        return n;
    }
    TWashListItem& Item(TWashListItemType type) { return *catalogue.Items[type]; }

    Options opts;
    Catalogue catalogue;
    std::vector<std::string> cookies, activeX, mailBoxes;
    double intervalRemaining = -1, dailyRemaining = -1;
    SettingsState state;
    RecordingCatalogueView view;
    std::vector<std::string> calls, languages;
    int languageSelected = -2, applied = 0;
    std::string caption;
};

std::unique_ptr<TWashListItem> UserObject(const std::string& name, const std::string& folder) {
    TWashListUserItem user;
    user.Folder = folder;
    user.FileList = "Temporary files^*.tmp|";
    return MakeUserItem(user, name, true);
}

// A language file with English and German rows for a few texts.
std::string SmallLanguageFile() {
    auto text = [](const char* name, std::uint16_t length) {
        GbColumn c;
        c.name = name;
        c.type = gb_type::kText;
        c.length = length;
        return c;
    };
    GbColumn tag;
    tag.name = "Tag";
    tag.type = gb_type::kInteger;
    GbTableSource contents{"Contents",
                           {text("sLanguage", 9), text("sCountry", 20), text("iCountry", 5)},
                           {{std::string("en"), std::string("English"), std::string("44")},
                            {std::string("de"), std::string("Deutsch"), std::string("49")}}};
    GbTableSource german{"MainForm (Deutsch)",
                         {tag, text("Caption", 60), text("Hint", 60)},
                         {{std::int64_t{10101}, std::string("IE-Verlauf")},
                          {std::int64_t{10001}, std::string("Deaktiviert")}}};
    return WriteTableDb({contents, german}, true);
}

class SettingsTest : public ::testing::Test {
  protected:
    std::string Ini() const { return folder.Path() + "tidewell.ini"; }
    std::string Read(const std::string& section, const std::string& key) const {
        return platform::ReadIniString(Ini(), section, key, "<missing>");
    }
    TempFolder folder;
};

}  // namespace

TEST_F(SettingsTest, FirstStartTakesEveryDefault) {
    RecordingHost host(folder.Path());
    host.state.DetectedLngID = 33;
    LoadSettings(host);

    ASSERT_EQ(host.catalogue.Items.size(), 82u);
    EXPECT_EQ(host.SelectedCount(), 37u);
    EXPECT_TRUE(host.Item(wlitIE_Cache).Selected);
    EXPECT_FALSE(host.Item(wlitIE_Cookies).Selected);
    EXPECT_EQ(host.Item(wlitIE_Cookies).State, wlsDisabled);
    EXPECT_EQ(host.Item(wlitIE_Cache).DisplayName, "wlitIE_Cache");  // no language file
    EXPECT_EQ(host.view.rowNames.size(), 82u);
    EXPECT_EQ(host.catalogue.States[wlsScheduled], "wlsScheduled");

    const Options& o = host.opts;
    EXPECT_EQ(o.LngID, 33);
    EXPECT_EQ(o.WashLevel, 5);
    EXPECT_TRUE(o.CloseAllBrowserWindows && o.HideShowAllBrowserWindows && o.StealthMode);
    EXPECT_EQ(o.CloseAllBrowserWindowsHotKey, 0x0279);
    EXPECT_EQ(o.HideShowAllBrowserWindowsHotKey, 0x027A);
    EXPECT_EQ(o.StealthModeHotKey, 0x027B);
    EXPECT_FALSE(o.AutoWashTimeInterval || o.AutoWashDailyTime || o.AutoWashDate);
    EXPECT_NEAR(o.AutoWashTimeIntervalTime, 10.0 / 1440, 1e-9);
    EXPECT_NEAR(o.AutoWashDailyTimeTime, 17.0 / 24, 1e-9);
    EXPECT_EQ(o.AutoWashDateDate, Today());
    EXPECT_NEAR(host.intervalRemaining, 10.0 / 1440, 1e-9);
    EXPECT_GT(host.dailyRemaining, 0);
    EXPECT_LE(host.dailyRemaining, 1);
    EXPECT_TRUE(o.CloseBrowsersDuringWash && o.AutoWashAfterBrowsersCloses && o.IETidewellButton);
    EXPECT_FALSE(o.LogActivities || o.WashOnWindowsShutdown || o.StayInTrayDuringWash);
    EXPECT_TRUE(host.cookies.empty() && host.activeX.empty() && host.mailBoxes.empty());

    EXPECT_EQ(host.calls, (std::vector<std::string>{"apply", "options", "detect", "log open",
                                                    "browsers", "hook start"}));
    EXPECT_EQ(host.caption, "ann - Tidewell 2.4 release 3");

    host.calls.clear();
    SaveSettings(host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hook stop", "log close"}));
    EXPECT_EQ(host.caption, "Tidewell 2.4 release 3");
    EXPECT_EQ(Read("ann.Options", "LngID"), "33");
    EXPECT_EQ(Read("ann.Options", "wlitIE_Cache"), "1");
    EXPECT_EQ(Read("ann.Options", "wlitIE_Cookies"), "0");
    EXPECT_EQ(Read("ann.Options", "WashBlurMode"), "5");
    EXPECT_EQ(Read("ann.Options", "CloseAllBrowserWindowsHotKey"), "Ctrl+F10");
    EXPECT_EQ(Read("ann.Options", "StealthModeHotKey"), "Ctrl+F12");
    EXPECT_EQ(Read("ann.Cookies", "Count"), "0");
    EXPECT_EQ(Read("Objects", "Count"), "<missing>");  // no user object was changed
}

TEST_F(SettingsTest, TwoWindowsUsersKeepTheirOptionsAndShareUserObjects) {
    {
        RecordingHost ann(folder.Path(), "ann");
        LoadSettings(ann);
        ann.opts.WashLevel = 2;
        ann.opts.LogActivities = true;
        ann.Item(wlitIE_History).Selected = false;
        ann.cookies = {"example.com"};
        AppendUserObject(ann.catalogue, ann.view, UserObject("Scratch", "C:\\scratch"));
        SaveSettings(ann);
    }
    {
        RecordingHost bob(folder.Path(), "bob");
        LoadSettings(bob);
        EXPECT_EQ(bob.opts.WashLevel, 5);
        EXPECT_FALSE(bob.opts.LogActivities);
        EXPECT_TRUE(bob.Item(wlitIE_History).Selected);
        EXPECT_TRUE(bob.cookies.empty());
        ASSERT_EQ(bob.catalogue.Items.size(), 83u);
        EXPECT_EQ(bob.catalogue.Items.back()->DisplayName, "Scratch");
        bob.opts.WashLevel = 7;
        bob.catalogue.Items.back()->Selected = false;
        SaveSettings(bob);
    }
    RecordingHost ann(folder.Path(), "ann");
    LoadSettings(ann);
    EXPECT_EQ(ann.opts.WashLevel, 2);
    EXPECT_TRUE(ann.opts.LogActivities);
    EXPECT_FALSE(ann.Item(wlitIE_History).Selected);
    EXPECT_EQ(ann.cookies, std::vector<std::string>{"example.com"});
    // The user object is shared, its selection too.
    EXPECT_FALSE(ann.catalogue.Items.back()->Selected);
}

TEST_F(SettingsTest, UserObjectSectionsAreRenumberedWithoutGaps) {
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        for (const char* name : {"One", "Two", "Three"})
            AppendUserObject(host.catalogue, host.view,
                             UserObject(name, "C:\\" + std::string(name)));
        SaveSettings(host);
        EXPECT_EQ(Read("Object_3", "DisplayName"), "Three");
    }
    platform::WriteIniString(Ini(), "Object_1", "Folder", "C:\\One\\");
    platform::WriteIniString(Ini(), "Object_1", "Unknown", "kept");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    ASSERT_EQ(host.catalogue.Items.size(), 85u);
    EXPECT_EQ(host.catalogue.Items[82]->UserItem->Folder, "C:\\One");  // backslash dropped
    EXPECT_EQ(host.catalogue.Items[82]->UserItem->FileList, "Temporary files^*.tmp|");
    ASSERT_TRUE(RemoveUserObject(host.catalogue, host.view, 83));  // "Two"
    SaveSettings(host);

    EXPECT_EQ(Read("Objects", "Count"), "2");
    EXPECT_EQ(Read("Object_1", "DisplayName"), "One");
    EXPECT_EQ(Read("Object_1", "Unknown"), "<missing>");  // erased with its section
    EXPECT_EQ(Read("Object_2", "DisplayName"), "Three");
    EXPECT_EQ(Read("Object_2", "Folder"), "C:\\Three");
    EXPECT_EQ(Read("Object_2", "PromptOnDelete"), "1");
    EXPECT_TRUE(platform::IniSectionKeys(Ini(), "Object_3").empty());
    EXPECT_FALSE(host.catalogue.UserObjectsChanged);
}

// As a hand edit leaves the file: "Object_2" and the list keys "2" (cookies) and "1" (ActiveX)
// are missing. Everything after a gap is still loaded, and the save numbers it again from 1.
TEST_F(SettingsTest, GapsInObjectsAndListsLoseNothingThroughLoadAndSave) {
    platform::WriteIniString(Ini(), "Objects", "Count", "3");
    platform::WriteIniString(Ini(), "Object_1", "DisplayName", "One");
    platform::WriteIniString(Ini(), "Object_1", "Folder", "C:\\One");
    platform::WriteIniString(Ini(), "Object_3", "DisplayName", "Three");
    platform::WriteIniString(Ini(), "Object_3", "Folder", "C:\\Three");
    platform::WriteIniString(Ini(), "Object_3", "Selected", "1");
    platform::WriteIniString(Ini(), "Object_3", "FileList", "Logs^*.log|");
    platform::WriteIniString(Ini(), "ann.Cookies", "Count", "3");
    platform::WriteIniString(Ini(), "ann.Cookies", "1", "a.com");
    platform::WriteIniString(Ini(), "ann.Cookies", "3", "c.com");
    platform::WriteIniString(Ini(), "ann.ActiveX", "Count", "2");
    platform::WriteIniString(Ini(), "ann.ActiveX", "2", "{0002DF01-0000-0000-C000-000000000046}");
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        ASSERT_EQ(host.catalogue.Items.size(), 84u);
        EXPECT_EQ(host.catalogue.Items[82]->DisplayName, "One");
        EXPECT_EQ(host.catalogue.Items[83]->DisplayName, "Three");
        EXPECT_TRUE(host.catalogue.Items[83]->Selected);
        EXPECT_EQ(host.cookies, (std::vector<std::string>{"a.com", "c.com"}));
        EXPECT_EQ(host.activeX, std::vector<std::string>{"{0002DF01-0000-0000-C000-000000000046}"});
        SaveSettings(host);
    }
    // What the file now holds, read back key by key.
    EXPECT_EQ(Read("Objects", "Count"), "2");
    EXPECT_EQ(Read("Object_1", "DisplayName"), "One");
    EXPECT_EQ(Read("Object_2", "DisplayName"), "Three");
    EXPECT_EQ(Read("Object_2", "Folder"), "C:\\Three");
    EXPECT_EQ(Read("Object_2", "Selected"), "1");
    EXPECT_EQ(Read("Object_2", "FileList"), "Logs^*.log|");
    EXPECT_TRUE(platform::IniSectionKeys(Ini(), "Object_3").empty());
    EXPECT_EQ(platform::IniSectionKeys(Ini(), "ann.Cookies"),
              (std::vector<std::string>{"Count", "1", "2"}));
    EXPECT_EQ(Read("ann.Cookies", "Count"), "2");
    EXPECT_EQ(Read("ann.Cookies", "2"), "c.com");
    EXPECT_EQ(Read("ann.ActiveX", "Count"), "1");
    EXPECT_EQ(Read("ann.ActiveX", "1"), "{0002DF01-0000-0000-C000-000000000046}");

    RecordingHost again(folder.Path());
    LoadSettings(again);
    ASSERT_EQ(again.catalogue.Items.size(), 84u);
    EXPECT_EQ(again.catalogue.Items[83]->DisplayName, "Three");
    EXPECT_EQ(again.catalogue.Items[83]->UserItem->FileList, "Logs^*.log|");
    EXPECT_EQ(again.cookies, (std::vector<std::string>{"a.com", "c.com"}));
    EXPECT_FALSE(again.catalogue.UserObjectsChanged);  // no gap left
}

// Keys beyond letters and F keys were written as "" and so lost at the next start.
TEST_F(SettingsTest, HotKeysOfAnyKeySurviveTheNextStart) {
    using namespace hot_key;
    const HotKeyCode apps = kCtrl | kExtended | 0x5D, volumeUp = kAlt | kExtended | 0xAF,
                     numPadEnter = kShift | kCtrl | kExtended | 0x0D;
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        host.opts.CloseAllBrowserWindowsHotKey = apps;
        host.opts.HideShowAllBrowserWindowsHotKey = volumeUp;
        host.opts.StealthModeHotKey = numPadEnter;
        SaveSettings(host);
    }
    EXPECT_EQ(Read("ann.Options", "CloseAllBrowserWindowsHotKey"), "Ctrl+Apps");
    EXPECT_EQ(Read("ann.Options", "StealthModeHotKey"), "Shift+Ctrl+Num Enter");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    EXPECT_EQ(host.opts.CloseAllBrowserWindowsHotKey, apps);
    EXPECT_EQ(host.opts.HideShowAllBrowserWindowsHotKey, volumeUp);
    EXPECT_EQ(host.opts.StealthModeHotKey, numPadEnter);
}

TEST_F(SettingsTest, AutoWashDateIsEmptyWhenOffAndTodayAfterTheNextLoad) {
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        host.opts.AutoWashDateDate = EncodeDateTime({2001, 2, 3});
        SaveSettings(host);
        EXPECT_EQ(Read("ann.Options", "AutoWashDateDate"), "");
    }
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        EXPECT_EQ(host.opts.AutoWashDateDate, Today());
        host.opts.AutoWashDate = true;
        host.opts.AutoWashDateDate = EncodeDateTime({2031, 12, 24});
        host.opts.AutoWashDailyTime = true;
        host.opts.AutoWashDailyTimeTime = EncodeDateTime({1899, 12, 30, 8, 15, 30});
        SaveSettings(host);
        EXPECT_NE(Read("ann.Options", "AutoWashDateDate"), "");
    }
    RecordingHost host(folder.Path());
    LoadSettings(host);
    EXPECT_TRUE(host.opts.AutoWashDate);
    EXPECT_EQ(host.opts.AutoWashDateDate, EncodeDateTime({2031, 12, 24}));
    EXPECT_NEAR(host.opts.AutoWashDailyTimeTime, (8 * 3600 + 15 * 60 + 30) / 86400.0, 1e-7);
}

TEST_F(SettingsTest, WashAndShutdownIsNeverTickedAfterALoad) {
    RecordingHost host(folder.Path());
    LoadSettings(host);
    host.opts.WashAndShutdownWindows = true;
    SaveSettings(host);
    platform::WriteIniString(Ini(), "ann.Options", "WashAndShutdownWindows", "1");
    LoadSettings(host);
    EXPECT_FALSE(host.opts.WashAndShutdownWindows);
}

TEST_F(SettingsTest, ValuesAreReadByKindWithTheirDefaults) {
    platform::WriteIniString(Ini(), "ann.Options", "WashBlurMode", "0x3");
    platform::WriteIniString(Ini(), "ann.Options", "LogActivities", "0x1");
    platform::WriteIniString(Ini(), "ann.Options", "StayInTrayDuringWash", "yes");  // not a number
    platform::WriteIniString(Ini(), "ann.Options", "wlitIE_Cache", "0");
    platform::WriteIniString(Ini(), "ann.Options", "CloseAllBrowserWindowsHotKey", "");
    platform::WriteIniString(Ini(), "ann.Options", "HideShowAllBrowserWindowsHotKey", "Alt+Home");
    platform::WriteIniString(Ini(), "ann.Options", "StealthModeHotKey", "Blah+Q");
    platform::WriteIniString(Ini(), "ann.Options", "AutoWashTimeIntervalTime", "not a time");
    platform::WriteIniString(Ini(), "Objects", "Count", "2147483647");
    platform::WriteIniString(Ini(), "ann.Cookies", "Count", "99999");
    platform::WriteIniString(Ini(), "ann.Cookies", "1", "a.com");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    EXPECT_EQ(host.opts.WashLevel, 3);
    EXPECT_TRUE(host.opts.LogActivities);
    EXPECT_FALSE(host.opts.StayInTrayDuringWash);
    EXPECT_FALSE(host.Item(wlitIE_Cache).Selected);
    EXPECT_EQ(host.opts.CloseAllBrowserWindowsHotKey, 0);  // cleared by the user
    EXPECT_EQ(host.opts.HideShowAllBrowserWindowsHotKey, 0x0C24);
    EXPECT_EQ(host.opts.StealthModeHotKey, 0);
    EXPECT_NEAR(host.opts.AutoWashTimeIntervalTime, 10.0 / 1440, 1e-9);
    EXPECT_EQ(host.catalogue.Items.size(), 82u);  // a damaged count makes up no objects
    EXPECT_EQ(host.cookies, (std::vector<std::string>{"a.com"}));

    platform::WriteIniString(Ini(), "ann.Options", "WashBlurMode", "12");
    LoadSettings(host);
    EXPECT_EQ(host.opts.WashLevel, 5);
}

// Names outside the ANSI code page (Cyrillic, Japanese, accents) must come back unchanged.
TEST_F(SettingsTest, NamesOutsideTheAnsiCodePageSurviveSaveAndLoad) {
    const std::string folderName =
        "C:\\\xd0\x94\xd0\xb0\xd0\xbd\xd0\xbd\xd1\x8b\xd0\xb5\\\xe6\x97\xa5\xe6\x9c\xac";
    const std::string mailBox = "\xc3\xa9t\xc3\xa9=C:\\Mail\\\xc3\xa9t\xc3\xa9.dbx";
    const std::string cookie = "\xd0\xbf\xd1\x80\xd0\xb8\xd0\xbc\xd0\xb5\xd1\x80.\xd1\x80\xd1\x84";
    {
        RecordingHost host(folder.Path(), "\xc3\x85sa");
        LoadSettings(host);
        AppendUserObject(host.catalogue, host.view,
                         UserObject("\xe6\x97\xa5\xe8\xa8\x98", folderName));
        host.mailBoxes = {mailBox};
        host.cookies = {cookie};
        host.activeX = {"{\xce\xb1\xce\xb2}"};
        SaveSettings(host);
    }
    auto bytes = platform::ReadWholeFile(Ini());
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 2), "\xff\xfe");  // stored as UTF-16
    RecordingHost host(folder.Path(), "\xc3\x85sa");
    LoadSettings(host);
    ASSERT_EQ(host.catalogue.Items.size(), 83u);
    EXPECT_EQ(host.catalogue.Items.back()->DisplayName, "\xe6\x97\xa5\xe8\xa8\x98");
    EXPECT_EQ(host.catalogue.Items.back()->UserItem->Folder, folderName);
    EXPECT_EQ(host.mailBoxes, std::vector<std::string>{mailBox});
    EXPECT_EQ(host.cookies, std::vector<std::string>{cookie});
    EXPECT_EQ(host.activeX, std::vector<std::string>{"{\xce\xb1\xce\xb2}"});
}

// A tidewell.ini in the ANSI code page (an installer's, or written by hand) becomes UTF-16 at
// the first save, its own text read in the ANSI code page.
TEST_F(SettingsTest, AnAnsiFileBecomesUnicodeAndKeepsItsKeys) {
    platform::WriteWholeFile(Ini(),
                             "[ann.Options]\r\nLogActivities=1\r\nwlitIE_Cache=0\r\n"
                             "Installer=Caf\xe9\r\n[Objects]\r\nCount=1\r\n"
                             "[Object_1]\r\nDisplayName=Plain\r\nFolder=C:\\Plain\r\n");
    const std::string installer = Read("ann.Options", "Installer");  // as the system reads it
    const std::string name = "\xe6\x97\xa5\xe8\xa8\x98 \xd0\x94";    // outside any ANSI page
    {
        RecordingHost host(folder.Path());
        LoadSettings(host);
        ASSERT_EQ(host.catalogue.Items.size(), 83u);
        AppendUserObject(host.catalogue, host.view, UserObject(name, "C:\\" + name));
        SaveSettings(host);
    }
    EXPECT_EQ(platform::ReadWholeFile(Ini()).value_or("").substr(0, 2), "\xff\xfe");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    ASSERT_EQ(host.catalogue.Items.size(), 84u);
    EXPECT_EQ(host.catalogue.Items[82]->DisplayName, "Plain");
    EXPECT_EQ(host.catalogue.Items[83]->DisplayName, name);
    EXPECT_EQ(host.catalogue.Items[83]->UserItem->Folder, "C:\\" + name);
    EXPECT_TRUE(host.opts.LogActivities);
    EXPECT_FALSE(host.Item(wlitIE_Cache).Selected);
    EXPECT_EQ(Read("ann.Options", "Installer"), installer);
    EXPECT_EQ(installer, "Caf\xc3\xa9");  // the test prefix's ANSI page is Western
}

TEST_F(SettingsTest, BrowserSettingsAreAdjustedOnlyWhereTheBrowserIsInstalled) {
    TempFolder appData;
    appData.AddFolder("Opera");
    appData.AddFolder("SlimBrowser");
    appData.AddFolder("Enigma Browser");
    ScopedShellFolder shell("AppData", appData.Path());
    ScopedRegistryKey enigma(RootKey::CurrentUser, "Software\\Enigma Browser");
    platform::DeleteRegistryTree(RootKey::CurrentUser, "Software\\Enigma Browser");
    RecordingHost host(folder.Path());
    LoadSettings(host);

    std::string opera = appData.Path() + "Opera\\Opera\\profile\\opera6.ini";
    EXPECT_EQ(platform::ReadIniString(opera, "Disk Cache", "Empty On Exit"), "0");
    EXPECT_EQ(platform::ReadIniString(opera, "User Prefs", "Show Exit Dialog"), "0");
    std::string slim = appData.Path() + "SlimBrowser\\sbrowser.ini";
    EXPECT_EQ(platform::ReadIniString(slim, "Settings", "ConfirmQuit"), "0");
    EXPECT_EQ(platform::ReadIniString(slim, "Settings", "CloseToTray"), "0");
    EXPECT_FALSE(platform::PathExists(appData.Path() + "Advanced Browser"));
    EXPECT_FALSE(platform::PathExists(appData.Path() + "Avant Browser"));
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::CurrentUser, "Software\\Stilesoft"));

    auto enigmaKey = platform::RegistryKey::Open(
        RootKey::CurrentUser, "Software\\Enigma Browser\\Enigma Browser\\Settings");
    ASSERT_TRUE(enigmaKey);
    EXPECT_EQ(enigmaKey.Read("CleanAtExit")->AsDword(), 0u);
    EXPECT_EQ(enigmaKey.Read("ConfirmQuit")->AsDword(), 0u);
    auto cache = platform::RegistryKey::Open(
        RootKey::CurrentUser,
        "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache");
    ASSERT_TRUE(cache);
    EXPECT_EQ(cache.Read("Persistent")->AsDword(), 1u);
    auto tabs = platform::RegistryKey::Open(
        RootKey::CurrentUser, "Software\\Microsoft\\Internet Explorer\\TabbedBrowsing");
    ASSERT_TRUE(tabs);
    EXPECT_EQ(tabs.Read("WarnOnClose")->AsDword(), 0u);
}

// The browsers that keep their settings in files of their own, and NetCaptor in the registry.
TEST_F(SettingsTest, AdvancedAvantAndNetCaptorSettingsAreAdjustedWhenInstalled) {
    TempFolder appData;
    // A browser's own file stays in its ANSI code page, with its other keys.
    appData.AddFile("Advanced Browser\\main.ini", "[Browser Settings]\r\nHomePage=about:blank\r\n");
    appData.AddFolder("Avant Browser");
    appData.AddFolder("Stilesoft\\NetCaptor");
    ScopedShellFolder shell("AppData", appData.Path());
    ScopedRegistryKey stilesoft(RootKey::CurrentUser, "Software\\Stilesoft");
    platform::DeleteRegistryTree(RootKey::CurrentUser, "Software\\Stilesoft");
    RecordingHost host(folder.Path());
    LoadSettings(host);

    const std::string advanced = appData.Path() + "Advanced Browser\\main.ini";
    for (const auto& [key, value] :
         {std::pair<const char*, const char*>{"AlwaysClearWhenExit", "no"},
          {"CloseToTray", "no"},
          {"ActionWhenExit", "2"},
          {"ShowInTaskBar", "no"},
          {"ConfirmCloseAll", "no"},
          {"HomePage", "about:blank"}})
        EXPECT_EQ(platform::ReadIniString(advanced, "Browser Settings", key, "<missing>"), value)
            << key;
    EXPECT_EQ(platform::ReadWholeFile(advanced).value_or("").rfind("[Browser Settings]", 0), 0u);

    const std::string avant = appData.Path() + "Avant Browser\\conf.ini";
    for (const auto& [key, value] :
         {std::pair<const char*, const char*>{"AlwaysClearRecordWhenExit", "no"},
          {"CloseToTray", "no"},
          {"TaskWhenExit", "3"},
          {"ShowInTaskBar", "no"},
          {"ConfirmCloseAll", "no"}})
        EXPECT_EQ(platform::ReadIniString(avant, "Avant Browser Settings", key, "<missing>"), value)
            << key;

    auto netCaptor = platform::RegistryKey::Open(RootKey::CurrentUser,
                                                 "Software\\Stilesoft\\NetCaptor\\CurrentVersion");
    ASSERT_TRUE(netCaptor);
    for (const char* name : {"CleanOnClose", "ConfirmShutdown", "MinToTray", "ConfirmCloseAll"}) {
        auto value = netCaptor.Read(name);
        ASSERT_TRUE(value) << name;
        EXPECT_EQ(value->AsString(), "0") << name;  // a string value, not a number
    }
}

TEST_F(SettingsTest, ShortcutOptionsFollowTheShortcutFiles) {
    TempFolder shared;
    shared.AddFile("Desktop\\Tidewell.LNK");
    shared.AddFolder("Startup");
    ScopedShellFolder desktop(RootKey::LocalMachine, "Common Desktop", shared.Path() + "Desktop");
    ScopedShellFolder startup(RootKey::LocalMachine, "Common Startup", shared.Path() + "Startup");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    EXPECT_TRUE(host.opts.ShowShortcutOnDesktop);
    EXPECT_FALSE(host.opts.AutorunAtWindowsStartup);
    shared.AddFile("Startup\\Tidewell.LNK");
    LoadSettings(host);
    EXPECT_TRUE(host.opts.AutorunAtWindowsStartup);
}

TEST_F(SettingsTest, LanguageAndPluginObjects) {
    platform::WriteWholeFile(folder.Path() + "Tidewell.lng", SmallLanguageFile());
    platform::WriteWholeFile(folder.Path() + "tidewell_2431.dat",
                             WriteRecordFile({{"wlitPlugin_Zip|1",
                                               "DisplayName_44=Zip\r\nDisplayName_49=Zip (de)\r\n"
                                               "S0=R||HKCU Software\\Zip\\||D|"},
                                              {"wlitPlugin_Old disabled", "DisplayName_44=Old"}},
                                             true));
    platform::WriteIniString(Ini(), "ann.Options", "LngID", "49");
    platform::WriteIniString(Ini(), "ann.Options", "wlitPlugin_Zip", "1");
    RecordingHost host(folder.Path());
    LoadSettings(host);
    EXPECT_EQ(host.languages, (std::vector<std::string>{"Deutsch", "English"}));
    EXPECT_EQ(host.languageSelected, 0);
    EXPECT_EQ(host.applied, 49);
    EXPECT_EQ(host.Item(wlitIE_History).DisplayName, "IE-Verlauf");
    EXPECT_EQ(host.Item(wlitIE_Cache).DisplayName, "wlitIE_Cache");
    EXPECT_EQ(host.catalogue.States[wlsDisabled], "Deaktiviert");
    ASSERT_EQ(host.catalogue.Items.size(), 83u);
    const TWashListItem& zip = *host.catalogue.Items.back();
    EXPECT_EQ(zip.DisplayName, "Zip (de)");
    EXPECT_TRUE(zip.Selected);
    EXPECT_EQ(zip.PluginItem->Lines, std::vector<std::string>{"R||HKCU Software\\Zip\\||D|"});

    // Choosing the language in use changes nothing; another one saves and loads again.
    host.calls.clear();
    EXPECT_FALSE(LanguageListChange(host, "Deutsch"));
    EXPECT_FALSE(LanguageListChange(host, ""));
    EXPECT_TRUE(host.calls.empty());
    host.catalogue.Items.back()->Selected = false;
    EXPECT_TRUE(LanguageListChange(host, "English"));
    EXPECT_EQ(host.opts.LngID, 44);
    EXPECT_EQ(Read("ann.Options", "LngID"), "44");
    EXPECT_EQ(Read("ann.Options", "wlitPlugin_Zip"), "0");
    EXPECT_EQ(host.Item(wlitIE_History).DisplayName, "wlitIE_History");  // no English table
    EXPECT_EQ(host.catalogue.Items.back()->DisplayName, "Zip");
    EXPECT_EQ(host.languageSelected, 1);

    // A damaged language file reads as missing: the list stays, the names are the defaults.
    platform::WriteWholeFile(folder.Path() + "Tidewell.lng", SmallLanguageFile().substr(0, 400));
    host.languages.clear();
    platform::WriteIniString(Ini(), "ann.Options", "LngID", "49");
    LoadSettings(host);
    EXPECT_TRUE(host.languages.empty());
    EXPECT_EQ(host.Item(wlitIE_History).DisplayName, "wlitIE_History");
}

TEST_F(SettingsTest, MisdirectedShellFoldersAreReportedOncePerStartAndUser) {
    ScopedShellFolder cache("Cache", platform::WindowsFolder());
    RecordingHost host(folder.Path());
    LoadSettings(host);
    LoadSettings(host);  // a reload, as after a change of language
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "warning"), 1);
    host.state.UserSectionPrefix = "bob";
    LoadSettings(host);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "warning"), 2);
}

TEST_F(SettingsTest, AnotherWindowsUserSavesTheOldAndLoadsTheNew) {
    RecordingHost host(folder.Path(), "previous user");
    LoadSettings(host);
    host.opts.WashLevel = 1;
    host.calls.clear();

    platform::OverridePlatformIdForTests(platform::PlatformId::Windows9x);
    EXPECT_FALSE(CheckWindowsUserChange(host));  // only the NT family has several users
    platform::OverridePlatformIdForTests(std::nullopt);
    EXPECT_TRUE(host.calls.empty());

    ASSERT_TRUE(CheckWindowsUserChange(host));
    EXPECT_EQ(host.state.UserSectionPrefix, CurrentUserSectionPrefix());
    EXPECT_EQ(Read("previous user.Options", "WashBlurMode"), "1");
    EXPECT_EQ(host.opts.WashLevel, 5);
    EXPECT_EQ(host.calls.front(), "hook stop");
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "log close"), host.calls.end());
    EXPECT_EQ(host.calls.back(), "hook start");
    host.calls.clear();
    EXPECT_FALSE(CheckWindowsUserChange(host));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_FALSE(CurrentUserSectionPrefix().empty());
}
