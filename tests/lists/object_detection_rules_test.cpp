// The detection rules of the 82 built-in types and the detection of a whole catalogue, against
// a machine described in the test: which keys, values, folders and files exist.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "lists/object_detection.h"
#include "platform/paths.h"
#include "support/recording_views.h"

using testing_support::RecordingCatalogueView;

namespace {

std::string Normal(const std::string& path) {
    return platform::LowerAscii(platform::WithoutTrailingBackslash(path));
}

std::string KeyName(RootKey root, const std::string& path) {
    return std::to_string(static_cast<int>(root)) + ":" + Normal(path);
}

// A machine with the shell folders of an XP profile and nothing else until a test adds it.
struct Machine : MachineFacts {
    std::set<std::string> keys, values, folders, files, pluginLines;
    std::map<ShellFolderKind, std::string> shell = {
        {ShellFolderKind::ftAppData, "C:\\Profile\\Application Data\\"},
        {ShellFolderKind::ftLocalAppData, "C:\\Profile\\Local Settings\\Application Data\\"},
        {ShellFolderKind::ftCache, "C:\\Profile\\Local Settings\\Temporary Internet Files\\"},
        {ShellFolderKind::ftHistory, "C:\\Profile\\Local Settings\\History\\"},
        {ShellFolderKind::ftCookies, "C:\\Profile\\Cookies\\"},
        {ShellFolderKind::ftWindows32, "C:\\WINDOWS\\"},
        {ShellFolderKind::ftSystem32, "C:\\WINDOWS\\system32\\"},
        {ShellFolderKind::ftSystem16, "C:\\WINDOWS\\system\\"},
        {ShellFolderKind::ftProgramFiles, "C:\\Program Files\\"},
    };
    std::vector<std::string> activeXCache, identityStores;
    std::map<std::string, std::vector<std::string>> subkeys;
    int questions = 0;

    void AddKey(const std::string& path, RootKey root = RootKey::CurrentUser) {
        keys.insert(KeyName(root, path));
    }
    void AddFolder(ShellFolderKind base, const std::string& below = "") {
        folders.insert(Normal(shell.at(base) + below));
    }
    void AddFile(ShellFolderKind base, const std::string& below) {
        files.insert(Normal(shell.at(base) + below));
    }
    void AddVersion(const std::string& versionsKey, const std::string& version) {
        subkeys[KeyName(RootKey::CurrentUser, versionsKey)].push_back(version);
    }

    bool KeyExists(RootKey root, const std::string& path) override {
        ++questions;
        return keys.count(KeyName(root, path)) > 0;
    }
    bool ValueExists(RootKey root, const std::string& path, const std::string& name) override {
        ++questions;
        return values.count(KeyName(root, path) + "|" + platform::LowerAscii(name)) > 0;
    }
    std::vector<std::string> SubkeyNames(RootKey root, const std::string& path) override {
        ++questions;
        auto found = subkeys.find(KeyName(root, path));
        return found == subkeys.end() ? std::vector<std::string>() : found->second;
    }
    bool FolderExists(const std::string& path) override {
        ++questions;
        return folders.count(Normal(path)) > 0;
    }
    bool FileExists(const std::string& path) override {
        ++questions;
        return files.count(Normal(path)) > 0;
    }
    std::string ShellFolder(ShellFolderKind kind) override {
        auto found = shell.find(kind);
        return found == shell.end() ? std::string(kNoSuchFolder) : found->second;
    }
    std::vector<std::string> ActiveXCacheFolders() override { return activeXCache; }
    std::vector<std::string> IdentityStoreFolders() override { return identityStores; }
    bool PluginDetectionLineFinds(const std::string& line) override {
        return pluginLines.count(line) > 0;
    }
};

std::set<int> PresentTypes(Machine& machine) {
    std::set<int> present;
    for (int type = 0; type < kBuiltInTypeCount; ++type)
        if (RulePasses(DetectionRuleFor(static_cast<TWashListItemType>(type)), machine))
            present.insert(type);
    return present;
}

// The types that are there on any machine: the download and save folders, the clipboard, the
// log files and the two recycle-bin objects.
const std::set<int> kAlways = {wlitIE_Download_Directory, wlitIE_Save_Directory,
                               wlitWin_Clipboard,         wlitWin_Log_Files,
                               wlitWin_RecycleBins_Wash,  wlitWin_RecycleBins};

std::set<int> AlwaysAnd(std::initializer_list<int> more) {
    std::set<int> types = kAlways;
    types.insert(more.begin(), more.end());
    return types;
}

std::set<int> Range(int first, int last) {
    std::set<int> types;
    for (int t = first; t <= last; ++t)
        types.insert(t);
    return types;
}

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

}  // namespace

TEST(DetectionRules, OnAnEmptyMachineOnlyTheObjectsWithoutSoftwareArePresent) {
    Machine machine;
    EXPECT_EQ(PresentTypes(machine), kAlways);
    // A machine whose folders cannot even be determined gives the same.
    machine.shell.clear();
    EXPECT_EQ(PresentTypes(machine), kAlways);
}

TEST(DetectionRules, EachProgramsTraceMakesItsObjectsPresentAndNoOthers) {
    using K = ShellFolderKind;
    struct Case {
        const char* what;
        std::function<void(Machine&)> plant;
        std::set<int> present;
    };
    const std::set<int> firefox = Range(wlitFirefox_Visited_Typed_Urls, wlitFirefox_Bookmarks);
    std::set<int> withFirefox = kAlways;
    withFirefox.insert(firefox.begin(), firefox.end());
    std::set<int> withOpera = kAlways;
    for (int t : Range(wlitOpera_Visited_Typed_Urls, wlitOpera_Bookmarks))
        withOpera.insert(t);
    std::set<int> withNetscape = kAlways;
    for (int t : Range(wlitNetscape_Visited_Typed_Urls, wlitNetscape_Bookmarks))
        withNetscape.insert(t);
    const std::vector<Case> cases = {
        {"Opera", [](Machine& m) { m.AddFolder(K::ftAppData, "Opera\\"); }, withOpera},
        {"Firefox (local)",
         [](Machine& m) { m.AddFolder(K::ftLocalAppData, "Mozilla\\Firefox\\Profiles\\"); },
         withFirefox},
        {"Firefox (roaming)",
         [](Machine& m) { m.AddFolder(K::ftAppData, "Mozilla\\Firefox\\Profiles\\"); },
         withFirefox},
        {"Netscape", [](Machine& m) { m.AddFolder(K::ftAppData, "Netscape\\NSAE\\Profiles\\"); },
         withNetscape},
        {"IE cache", [](Machine& m) { m.AddFolder(K::ftCache); },
         AlwaysAnd({wlitIE_Cache, wlitIE_Indexdotdat_Files})},
        {"IE cookies", [](Machine& m) { m.AddFolder(K::ftCookies); },
         AlwaysAnd({wlitIE_Cookies, wlitIE_Indexdotdat_Files})},
        {"protected storage", [](Machine& m) { m.AddFile(K::ftSystem32, "pstorec.dll"); },
         AlwaysAnd({wlitIE_AutoComplete_Data})},
        {"favourites order", [](Machine& m) { m.AddKey(kExplorer + "MenuOrder\\Favorites"); },
         AlwaysAnd({wlitIE_Favorites_Order_History, wlitIE_Favorites})},
        {"Maxthon",
         [](Machine& m) {
             m.values.insert(KeyName(RootKey::CurrentUser, "Software\\Maxthon") + "|folder");
         },
         AlwaysAnd({wlitMaxthon_History})},
        {"Outlook Express store root",
         [](Machine& m) {
             m.values.insert(KeyName(RootKey::CurrentUser, "Software\\Microsoft\\Outlook Express") +
                             "|store root");
         },
         AlwaysAnd({wlitOE_Mail_Boxes, wlitOE_Cleanup_Log})},
        {"an identity's store",
         [](Machine& m) {
             m.identityStores = {"C:\\gone\\", "C:\\Store\\"};
             m.folders.insert("c:\\store");
         },
         AlwaysAnd({wlitOE_Mail_Boxes, wlitOE_Cleanup_Log})},
        {"an identity's store that is gone", [](Machine& m) { m.identityStores = {"C:\\gone\\"}; },
         kAlways},
        {"ActiveX cache",
         [](Machine& m) {
             m.activeXCache = {"C:\\gone\\", "C:\\WINDOWS\\Downloaded Program Files\\"};
             m.AddFolder(K::ftWindows32, "Downloaded Program Files\\");
         },
         AlwaysAnd({wlitIE_Downloaded_Program_Files})},
        {"ActiveX cache that is gone", [](Machine& m) { m.activeXCache = {"C:\\gone\\"}; },
         kAlways},
        {"last user (HKLM)",
         [](Machine& m) {
             m.AddKey("Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                      RootKey::LocalMachine);
         },
         AlwaysAnd({wlitWin_Last_Logged_On_User})},
        {"Telnet (HKU)",
         [](Machine& m) { m.AddKey(".Default\\Software\\Microsoft\\Telnet", RootKey::Users); },
         AlwaysAnd({wlitWin_Telnet_History})},
        {"Telnet under HKCU is not Telnet's",
         [](Machine& m) { m.AddKey(".Default\\Software\\Microsoft\\Telnet"); }, kAlways},
        {"search assistant",
         [](Machine& m) { m.AddKey("Software\\Microsoft\\Search Assistant\\ACMru\\5604"); },
         AlwaysAnd({wlitWin_Find_Files_History})},
        {"UserAssist",
         [](Machine& m) {
             m.AddKey(kExplorer + "UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count");
         },
         AlwaysAnd({wlitWin_UserAssist_History})},
        {"Windows folder", [](Machine& m) { m.AddFolder(K::ftWindows32); },
         AlwaysAnd({wlitWin_Tmp_Files})},
        {"Windows folder and scandisk.log",
         [](Machine& m) {
             m.AddFolder(K::ftWindows32);
             m.files.insert("c:\\scandisk.log");
         },
         AlwaysAnd({wlitWin_Tmp_Files, wlitMS_Scandisk_Log})},
        {"scandisk.log without the Windows folder",
         [](Machine& m) { m.files.insert("c:\\scandisk.log"); }, kAlways},
        {"NetMeeting call log",
         [](Machine& m) { m.AddFile(K::ftProgramFiles, "NetMeeting\\calllog.dat"); },
         AlwaysAnd({wlitMS_Netmeeting_History})},
        {"HTML Help", [](Machine& m) { m.AddFile(K::ftAppData, "Microsoft\\HTML Help\\hh.dat"); },
         AlwaysAnd({wlitMS_HTML_Help_History})},
        {"hh.dat as a folder is no file",
         [](Machine& m) { m.AddFolder(K::ftAppData, "Microsoft\\HTML Help\\hh.dat"); }, kAlways},
        {"Excel 2003",
         [](Machine& m) {
             m.AddVersion("Software\\Microsoft\\Office", "11.0");
             m.AddKey("Software\\Microsoft\\Office\\11.0\\Excel\\Recent File List");
         },
         AlwaysAnd({wlitMS_Excel})},
        {"Excel's key without the version subkey",
         [](Machine& m) { m.AddKey("Software\\Microsoft\\Office\\11.0\\Excel\\Recent File List"); },
         kAlways},
        {"Word of the second of two versions",
         [](Machine& m) {
             m.AddVersion("Software\\Microsoft\\Office", "10.0");
             m.AddVersion("Software\\Microsoft\\Office", "12.0");
             m.AddKey("Software\\Microsoft\\Office\\12.0\\Word\\Data");
         },
         AlwaysAnd({wlitMS_Word})},
        {"recent documents with and without Office",
         [](Machine& m) {
             m.AddKey(kExplorer + "RecentDocs");
             m.AddVersion("Software\\Microsoft\\Photo Editor", "3.0");
             m.AddKey("Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor");
         },
         AlwaysAnd({wlitWin_Document_History, wlitMS_Photo_Editor})},
        {"recent documents and an Office version",
         [](Machine& m) {
             m.AddKey(kExplorer + "RecentDocs");
             m.AddVersion("Software\\Microsoft\\Office", "11.0");
         },
         AlwaysAnd({wlitWin_Document_History, wlitMS_Office})},
        {"FrontPage with an Office version",
         [](Machine& m) {
             m.AddVersion("Software\\Microsoft\\Office", "11.0");
             m.AddKey(
                 "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\"
                 "Recent Web List");
         },
         AlwaysAnd({wlitMS_FrontPage})},
        {"download folder (HKLM value)",
         [](Machine& m) {
             m.values.insert(
                 KeyName(RootKey::LocalMachine,
                         "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\"
                         "Active Setup Temp Folders") +
                 "|folder");
         },
         AlwaysAnd({wlitMS_Download_Folder})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Machine machine;
        c.plant(machine);
        EXPECT_EQ(PresentTypes(machine), c.present);
    }
}

TEST(DetectionRules, AnyStopsAtTheFirstHitAndBothAsksTheSecondOnlyAfterTheFirst) {
    Machine machine;
    machine.AddFolder(ShellFolderKind::ftCache);
    EXPECT_TRUE(RulePasses(DetectionRuleFor(wlitIE_Indexdotdat_Files), machine));
    EXPECT_EQ(machine.questions, 1);

    machine.questions = 0;
    machine.files.insert("c:\\scandisk.log");
    EXPECT_FALSE(RulePasses(DetectionRuleFor(wlitMS_Scandisk_Log), machine));
    EXPECT_EQ(machine.questions, 1) << "no Windows folder: the log is not looked for";

    machine.questions = 0;
    EXPECT_FALSE(RulePasses(DetectionRuleFor(wlitMS_Word), machine));
    EXPECT_EQ(machine.questions, 1) << "without an Office version only the versions are read";
}

namespace {

struct CatalogueDetection : ::testing::Test {
    Catalogue catalogue;
    RecordingCatalogueView view;
    Machine machine;

    void SetUp() override {
        AppendBuiltInObjects(
            catalogue, view, [](int, const std::string& english) { return english; },
            [](std::string_view, bool) { return true; });  // everything selected
    }
    std::size_t Append(std::unique_ptr<TWashListItem> item) {
        AppendToCatalogue(catalogue, view, std::move(item));
        return catalogue.Items.size() - 1;
    }
    const TWashListItem& At(std::size_t row) const { return *catalogue.Items.at(row); }
};

}  // namespace

TEST_F(CatalogueDetection, AbsentObjectsAreUntickedAndDisabledPresentOnesKeepTheirChoice) {
    machine.AddFolder(ShellFolderKind::ftCache);
    machine.AddFolder(ShellFolderKind::ftAppData, "Opera\\");
    const std::size_t bare = Append(MakePluginItem({"wlitPlugin_Bare", {}}, "bare", true));
    const std::size_t found =
        Append(MakePluginItem({"wlitPlugin_Found", {"F||[ftAppData]Found\\||D|"}}, "found", true));
    const std::size_t missing = Append(
        MakePluginItem({"wlitPlugin_Missing", {"F||[ftAppData]Missing\\||D|"}}, "missing", true));
    machine.pluginLines.insert("F||[ftAppData]Found\\||D|");
    TWashListUserItem user;
    user.Folder = "C:\\No\\Such\\Folder";
    const std::size_t mine = Append(MakeUserItem(user, "mine", true));
    const std::size_t unticked = Append(MakeUserItem(user, "unticked", false));

    const ObjectsTabsShown tabs = DetectObjects(catalogue, view, machine);

    std::set<std::size_t> enabled;
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        const TWashListItem& item = At(row);
        if (item.Enabled)
            enabled.insert(row);
        else {
            EXPECT_FALSE(item.Selected) << item.DisplayName;
            EXPECT_FALSE(view.checks.at(row)) << item.DisplayName;
        }
        EXPECT_EQ(item.State, item.Selected ? wlsNone : wlsDisabled) << item.DisplayName;
    }
    std::set<std::size_t> expected = {found, mine, unticked};
    for (int type : AlwaysAnd({wlitIE_Cache, wlitIE_Indexdotdat_Files}))
        expected.insert(static_cast<std::size_t>(type));
    for (int type : Range(wlitOpera_Visited_Typed_Urls, wlitOpera_Bookmarks))
        expected.insert(static_cast<std::size_t>(type));
    EXPECT_EQ(enabled, expected);
    EXPECT_FALSE(enabled.count(bare) || enabled.count(missing));
    EXPECT_TRUE(At(wlitOpera_Cache).Selected && view.checks.at(wlitOpera_Cache));
    EXPECT_FALSE(At(unticked).Selected) << "a user object keeps its own choice";
    EXPECT_TRUE(At(mine).Selected);

    EXPECT_FALSE(tabs.IECookies);
    EXPECT_FALSE(tabs.ActiveX);
    EXPECT_FALSE(tabs.MailBoxes);
    // The status list shows only what is still selected; the index.dat task follows it.
    ASSERT_FALSE(view.statusRows.empty());
    EXPECT_EQ(view.statusRows.size(), expected.size() - 1);  // less the unticked user object
    EXPECT_EQ(view.indexDatTask.back(), true);
    EXPECT_EQ(view.repaints, 1);
}

TEST_F(CatalogueDetection, WithoutOperaItsSixRowsAreUntickedEvenWhenTheSettingsChoseThem) {
    machine.AddFolder(ShellFolderKind::ftCookies);
    machine.activeXCache = {"C:\\Cache\\"};
    machine.folders.insert("c:\\cache");
    machine.identityStores = {"C:\\Store\\"};
    machine.folders.insert("c:\\store");
    const ObjectsTabsShown tabs = DetectObjects(catalogue, view, machine);
    for (int type : Range(wlitOpera_Visited_Typed_Urls, wlitOpera_Bookmarks)) {
        EXPECT_FALSE(At(static_cast<std::size_t>(type)).Enabled);
        EXPECT_FALSE(At(static_cast<std::size_t>(type)).Selected);
        EXPECT_FALSE(view.checks.at(static_cast<std::size_t>(type)));
        EXPECT_EQ(At(static_cast<std::size_t>(type)).State, wlsDisabled);
    }
    EXPECT_TRUE(tabs.IECookies);
    EXPECT_TRUE(tabs.ActiveX);
    EXPECT_TRUE(tabs.MailBoxes);
    EXPECT_EQ(view.indexDatTask.back(), true) << "index.dat files: the cookies folder is there";

    // Detection again on the same catalogue, with Opera installed meanwhile: its rows can be
    // ticked again, but they stay unticked until the user ticks them.
    machine.AddFolder(ShellFolderKind::ftAppData, "Opera\\");
    DetectObjects(catalogue, view, machine);
    EXPECT_TRUE(At(wlitOpera_Cache).Enabled);
    EXPECT_FALSE(At(wlitOpera_Cache).Selected);
}
