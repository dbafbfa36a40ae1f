// The single-object browser washers: Advanced Browser, Avant, Enigma, Maxthon, NetCaptor and
// SlimBrowser, against real files in a sandbox application data folder and real keys.
#include <gtest/gtest.h>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"
#include "washers/washer_registry.h"

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

std::optional<std::uint64_t> Size(const std::string& path) {
    return platform::FileSize(path);
}

constexpr std::optional<std::uint64_t> kCleared = 0;

}  // namespace

TEST(OtherBrowserWashers, FillEveryOtherBrowserAndOutlookExpressSlot) {
    WasherTable table = MakeWasherTable();
    for (int i = 0; i < kBuiltInTypeCount; ++i) {
        auto type = static_cast<TWashListItemType>(i);
        WasherFamily family = TypeInfo(type).family;
        if (family == WasherFamily::OtherBrowsers || family == WasherFamily::OutlookExpress) {
            EXPECT_TRUE(table.BuiltIn[i]) << TypeInfo(type).identifier;
        }
    }
}

TEST(AdvancedAndAvant, ClearTheirThreeFilesInOrderAndKeepThem) {
    TempFolder roaming;
    ScopedShellFolder shell("AppData", roaming.Path());
    const struct {
        TWashListItemType type;
        const char* folder;
        Lines files;
        const char* title;
    } browsers[] = {
        {wlitAdvanced_Browser_History,
         "Advanced Browser\\",
         {"pages.dat", "recents.dat", "keywords.dat"},
         " Washing: Advanced Browser Data"},
        {wlitAvant_Browser_History,
         "Avant Browser\\",
         {"reopen.dat", "recents.dat", "keywords.dat"},
         " Washing: Avant Browser Data"},
    };
    for (const auto& browser : browsers) {
        SCOPED_TRACE(browser.title);
        Lines expected;
        for (const std::string& file : browser.files) {
            roaming.AddFile(browser.folder + file, "12345");
            expected.push_back("BLR " + roaming.Path() + browser.folder + file + " " +
                               FormatSizeText(5));
        }
        roaming.AddFile(std::string(browser.folder) + "conf.ini", "kept");
        WasherRunner runner;
        runner.shred.WashMode = 2;
        TwoRuns runs =
            TestThenWash(runner, browser.type, [&] { return FolderState(roaming.Path()); });
        EXPECT_EQ(runs.test.lines, expected);
        for (const std::string& file : browser.files)
            EXPECT_EQ(Size(roaming.Path() + browser.folder + file), kCleared);
        EXPECT_EQ(Size(roaming.Path() + browser.folder + "conf.ini"),
                  std::optional<std::uint64_t>(4));
        EXPECT_EQ(runs.real.log.substr(8),
                  std::string(browser.title) + " {3/" + FormatSizeText(15) + "}\r\n");
    }
}

TEST(Enigma, DeletesTheSavedGroupsAndClearsItsIniAndDatFiles) {
    TempFolder roaming, program;
    ScopedShellFolder shell("AppData", roaming.Path());
    ScopedRegistryKey machine(RootKey::LocalMachine, "Software\\Enigma Browser\\Enigma Browser");
    machine.SetString("", platform::WithoutTrailingBackslash(program.Path()));  // no backslash
    ScopedRegistryKey user(RootKey::CurrentUser, "Software\\Enigma Browser\\Enigma Browser");
    user.SetString("File1", "C:\\page.htm", "Recent File List");
    user.SetString("Home", "kept");
    program.AddFile("history.dat", "history");
    program.AddFile("searchhis.ini", "searches");
    roaming.AddFile("Enigma Browser\\recentclose.ini", "closed");
    roaming.AddFile("Enigma Browser\\group one.sgp", "group");
    roaming.AddFile("Enigma Browser\\settings.sgpx", "kept");  // found by the short name only
    WasherRunner runner;
    runner.shred.WashMode = 2;
    TwoRuns runs = TestThenWash(runner, wlitEnigma_Browser_History, [&] {
        return FolderState(roaming.Path()) + FolderState(program.Path()) +
               RegistryState(user.Root(), user.Path());
    });
    EXPECT_EQ(runs.real.count, 5u);
    EXPECT_EQ(Size(program.Path() + "history.dat"), kCleared);
    EXPECT_EQ(Size(program.Path() + "searchhis.ini"), kCleared);
    EXPECT_EQ(Size(roaming.Path() + "Enigma Browser\\recentclose.ini"), kCleared);
    EXPECT_FALSE(roaming.Exists("Enigma Browser\\group one.sgp"));
    EXPECT_TRUE(roaming.Exists("Enigma Browser\\settings.sgpx"));
    EXPECT_FALSE(user.HasValue("File1", "Recent File List"));
    EXPECT_TRUE(user.HasSubkey("Recent File List"));
    EXPECT_TRUE(user.HasValue("Home"));
}

TEST(Enigma, AMissingOrRelativeProgramFolderOnlyWashesTheUserData) {
    TempFolder roaming;
    ScopedShellFolder shell("AppData", roaming.Path());
    ScopedRegistryKey machine(RootKey::LocalMachine, "Software\\Enigma Browser\\Enigma Browser");
    machine.SetString("", "Enigma");  // relative: never the current folder
    roaming.AddFile("Enigma Browser\\recentclose.ini", "closed");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitEnigma_Browser_History,
                                [&] { return FolderState(roaming.Path()); });
    EXPECT_EQ(runs.real.count, 1u);
}

TEST(SlimBrowser, DeletesTheSavedGroupsAndTheRecentListAndClearsItsIniFiles) {
    TempFolder roaming;
    ScopedShellFolder shell("AppData", roaming.Path());
    ScopedRegistryKey user(RootKey::CurrentUser, "Software\\FlashPeak\\SlimBrowser");
    user.SetString("File1", "C:\\a.htm", "Recent File List");
    user.SetString("File2", "C:\\b.htm", "Recent File List");
    roaming.AddFile("SlimBrowser\\recentclose.ini", "closed");
    roaming.AddFile("SlimBrowser\\searchhis.ini", "searched");
    roaming.AddFile("SlimBrowser\\work.sgp", "group");
    roaming.AddFile("SlimBrowser\\sbrowser.ini", "kept");
    WasherRunner runner;
    runner.shred.WashMode = 2;
    TwoRuns runs = TestThenWash(runner, wlitSlim_Browser_History, [&] {
        return FolderState(roaming.Path()) + RegistryState(user.Root(), user.Path());
    });
    EXPECT_EQ(runs.real.count, 5u);
    EXPECT_FALSE(user.HasValue("File1", "Recent File List"));
    EXPECT_EQ(Size(roaming.Path() + "SlimBrowser\\recentclose.ini"), kCleared);
    EXPECT_EQ(Size(roaming.Path() + "SlimBrowser\\searchhis.ini"), kCleared);
    EXPECT_FALSE(roaming.Exists("SlimBrowser\\work.sgp"));
    EXPECT_EQ(Size(roaming.Path() + "SlimBrowser\\sbrowser.ini"), std::optional<std::uint64_t>(4));
    EXPECT_EQ(runs.real.log.substr(8),
              " Washing: SlimBrowser Data {5/" + FormatSizeText(16 + 5 + 18) + "}\r\n");
}

TEST(MaxthonAndNetCaptor, WashTheFileAndListTheirKeysName) {
    TempFolder roaming, maxthon;
    ScopedShellFolder shell("AppData", roaming.Path());
    ScopedRegistryKey maxthonKey(RootKey::CurrentUser, "Software\\Maxthon");
    maxthonKey.SetString("Folder", platform::WithoutTrailingBackslash(maxthon.Path()));
    maxthon.AddFile("Config\\dynamic.ini", "recent");
    maxthon.AddFile("dynamic.ini", "not in Config");
    ScopedRegistryKey captor(RootKey::CurrentUser, "Software\\Stilesoft\\NetCaptor");
    captor.SetString("Site1", "http://a", "CurrentVersion\\Last Open Sites");
    roaming.AddFile("Stilesoft\\NetCaptor\\last.dat", "last");
    WasherRunner runner;
    runner.shred.WashMode = 2;
    TwoRuns max =
        TestThenWash(runner, wlitMaxthon_History, [&] { return FolderState(maxthon.Path()); });
    EXPECT_EQ(max.real.count, 1u);
    EXPECT_EQ(Size(maxthon.Path() + "Config\\dynamic.ini"), kCleared);
    EXPECT_EQ(Size(maxthon.Path() + "dynamic.ini"), std::optional<std::uint64_t>(13));
    EXPECT_EQ(max.real.log.substr(8), " Washing: Maxthon Data {1/" + FormatSizeText(6) + "}\r\n");

    TwoRuns net = TestThenWash(runner, wlitNetCaptor_History, [&] {
        return FolderState(roaming.Path()) + RegistryState(captor.Root(), captor.Path());
    });
    EXPECT_EQ(net.real.count, 2u);
    EXPECT_FALSE(captor.HasValue("Site1", "CurrentVersion\\Last Open Sites"));
    EXPECT_EQ(Size(roaming.Path() + "Stilesoft\\NetCaptor\\last.dat"), kCleared);
    EXPECT_EQ(net.real.log.substr(8).substr(0, 26), " Washing: NetCaptor Data {");
}
