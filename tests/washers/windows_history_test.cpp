// The Windows history washers against real keys and folders of the Wine prefix.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/registry.h"
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

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

// The size of a string value as the registry tells an ANSI program: characters and the
// terminator, not the UTF-16 bytes stored.
std::size_t StringSize(const std::string& ascii) {
    return ascii.size() + 1;
}
std::string SizeOf(const std::string& ascii) {
    return FormatSizeText(StringSize(ascii));
}

std::function<std::string()> KeyState(const ScopedRegistryKey& key) {
    return [&key] { return RegistryState(key.Root(), key.Path()); };
}

std::string ValueText(const ScopedRegistryKey& key, const std::string& name,
                      const std::string& subkey = "") {
    std::string path = subkey.empty() ? key.Path() : key.Path() + "\\" + subkey;
    auto value = platform::RegistryKey::Open(key.Root(), path).Read(name);
    return value ? value->AsString() : "(missing)";
}

// The time the frame writes, then the title and the counters.
void ExpectLogLine(const std::string& log, const std::string& title, const std::string& entries) {
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(log[2], ':');
    EXPECT_EQ(log.substr(8), title + " {" + entries + "}\r\n");
}

}  // namespace

TEST(WasherTable, FillsEveryBuiltInObject) {
    WasherTable table = MakeWasherTable();
    for (int i = 0; i < kBuiltInTypeCount; ++i)
        EXPECT_TRUE(table.BuiltIn[i]) << TypeInfo(static_cast<TWashListItemType>(i)).identifier;
}

TEST(WasherTable, EveryWasherLogsItsTitleAndItsCounters) {
    const std::pair<TWashListItemType, const char*> titles[] = {
        {wlitWin_Application_Logs, " Washing: Windows Application Logs"},
        {wlitWin_Clipboard, " Washing: Windows Clipboard"},
        {wlitWin_Common_Dialog_Open_Save_History,
         " Washing: Windows Common Dialog Open Save History"},
        {wlitWin_Common_Dialog_Visited_History, " Washing: Windows Common Dialog Visited History"},
        {wlitWin_Document_History, " Washing: Windows Document History"},
        {wlitWin_Downloaded_Installations, " Washing: Windows Downloaded Installations"},
        {wlitWin_Find_Computers_History, " Washing: Windows Find Computers History"},
        {wlitWin_Find_Files_History, " Washing: Windows Find Files History"},
        {wlitWin_Last_Logged_On_User, " Washing: Windows Last Logged On User"},
        {wlitWin_Log_Files, " Washing: Windows Log Files"},
        {wlitWin_Media_Player, " Washing: Windows Media Player History"},
        {wlitWin_Network_Drive_History, " Washing: Windows Network Drive History"},
        {wlitWin_Printer_Ports_History, " Washing: Windows Printer Ports History"},
        {wlitWin_RecycleBins_Wash, " Washing: Windows Recycle Bins Wash"},
        {wlitWin_RecycleBins, " Washing: Windows Recycle Bins"},
        {wlitWin_Regedit_LastKey, " Washing: Windows Regedit Last Key"},
        {wlitWin_Registry_Streams, " Washing: Windows Registry Streams"},
        {wlitWin_Run_History, " Washing: Windows Run History"},
        {wlitWin_Start_Menu_Order_History, " Washing: Windows Start Menu Order History"},
        {wlitWin_Swap_File, " Washing: Windows Swap File"},
        {wlitWin_Telnet_History, " Washing: Windows Telnet History"},
        {wlitWin_Temporary_Files, " Washing: Windows Temporary Files"},
        {wlitWin_Tmp_Files, " Washing: Windows Tmp Files"},
        {wlitWin_UserAssist_History, " Washing: Windows User Assist History"},
        {wlitWin_XP_Prefetch_Folder, " Washing: Windows XP Prefetch Folder"},
    };
    WasherRunner runner;
    for (const auto& [type, title] : titles) {
        WashOutcome test = runner.Run(type, true);  // changes nothing in the prefix
        ExpectLogLine(test.log, title, test.entries);
    }
}

// Run history: the MRU list washer as the Run box keeps it.
TEST(RunHistory, DeletesTheListedValuesInListOrderAndEmptiesTheList) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RunMRU");
    key.SetString("a", "notepad\\1");
    key.SetString("b", "cmd\\1");
    key.SetString("c", "regedit\\1");
    key.SetString("d", "not listed");
    key.SetString("MRUList", "cba");
    key.SetString("x", "in a subkey", "sub");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Run_History, KeyState(key));

    const std::string path = "HKCU\\" + kExplorer + "RunMRU\\";
    EXPECT_EQ(runs.test.lines, (Lines{
                                   "DEL " + path + "c \"regedit\\1\" " + SizeOf("regedit\\1"),
                                   "DEL " + path + "b \"cmd\\1\" " + SizeOf("cmd\\1"),
                                   "DEL " + path + "a \"notepad\\1\" " + SizeOf("notepad\\1"),
                                   "CLR " + path + "MRUList \"cba\" 0.00 Kb",
                               }));
    EXPECT_EQ(runs.real.lines, (Lines{
                                   Progress("Deleting ", path + "c"),
                                   Progress("Deleting ", path + "b"),
                                   Progress("Deleting ", path + "a"),
                                   Progress("Clearing ", path + "MRUList"),
                               }));
    const std::uint64_t bytes = 10 + 6 + 10 + 3;
    EXPECT_EQ(runs.test.testCount, 4u);
    EXPECT_EQ(runs.test.testBytes, bytes);
    EXPECT_EQ(runs.real.entries, "4/" + FormatSizeText(bytes));
    ExpectLogLine(runs.real.log, " Washing: Windows Run History", runs.real.entries);

    for (const char* gone : {"a", "b", "c"})
        EXPECT_FALSE(key.HasValue(gone)) << gone;
    EXPECT_EQ(ValueText(key, "d"), "not listed");
    EXPECT_TRUE(key.HasValue("MRUList"));
    EXPECT_EQ(ValueText(key, "MRUList"), "");
    EXPECT_TRUE(key.HasValue("x", "sub"));
}

TEST(RunHistory, TakesEachListedNameOnceAndSkipsMissingOnes) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RunMRU");
    key.SetString("a", "one");
    key.SetString("b", "two");
    key.SetString("MRUList", "abAzb");  // a and b twice (value names ignore case), z missing
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Run_History, KeyState(key));
    EXPECT_EQ(runs.test.lines.size(), 3u);
    EXPECT_EQ(runs.real.entries, "3/" + FormatSizeText(4 + 4 + 5));
    EXPECT_EQ(ValueText(key, "MRUList"), "");
}

TEST(RunHistory, ListsNamedByCharactersBeyondAscii) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RunMRU");
    key.SetString("\xC3\xA9", "caf\xC3\xA9");  // "é" -> "café"
    key.SetString("a", "x");
    key.SetString("MRUList",
                  "\xC3\xA9"
                  "a");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Run_History, KeyState(key));
    EXPECT_EQ(runs.test.lines.at(0),
              "DEL HKCU\\" + kExplorer + "RunMRU\\\xC3\xA9 \"caf\xC3\xA9\" " + FormatSizeText(5));
    EXPECT_EQ(runs.test.lines.at(2), "CLR HKCU\\" + kExplorer +
                                         "RunMRU\\MRUList \"\xC3\xA9"
                                         "a\" 0.00 Kb");
    // "café" is 4 bytes and its terminator to the ANSI side; the list counts two characters.
    EXPECT_EQ(runs.test.testBytes, 5u + 2u + 2u);
    EXPECT_FALSE(key.HasValue("\xC3\xA9"));
    EXPECT_FALSE(key.HasValue("a"));
}

TEST(RunHistory, AValueThatCannotBeDeletedIsNotCountedAndTheWalkGoesOn) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RunMRU");
    key.SetString("a", "one");
    key.SetString("b", "two");
    key.SetString("MRUList", "ba");
    WasherRunner runner;
    // Another program removes "b" between the report and the deletion: the deletion fails.
    const std::string reportOfB = Progress("Deleting ", "HKCU\\" + kExplorer + "RunMRU\\b");
    runner.view.onProcessMessages = [&] {
        if (!runner.view.progress.empty() && runner.view.progress.back() == reportOfB)
            key.Open().DeleteValue("b");
    };
    WashOutcome real = runner.Run(wlitWin_Run_History, false);
    EXPECT_EQ(real.entries, "2/" + FormatSizeText(8 + 2));  // "a" and the list
    EXPECT_FALSE(key.HasValue("a"));
    EXPECT_EQ(ValueText(key, "MRUList"), "");
}

TEST(RunHistory, AMissingKeyOrListWashesNothing) {
    WasherRunner runner;
    platform::DeleteRegistryTree(RootKey::CurrentUser, kExplorer + "RunMRU");
    EXPECT_EQ(runner.Run(wlitWin_Run_History, false).entries, "0/0 Kb");

    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RunMRU");
    key.SetString("a", "one");
    WashOutcome real = runner.Run(wlitWin_Run_History, false);
    EXPECT_EQ(real.entries, "0/0 Kb");
    EXPECT_TRUE(key.HasValue("a"));
    EXPECT_FALSE(key.HasValue("MRUList"));  // never created
}

TEST(OpenSaveHistory, WashesTheListOfEveryExtensionAndLeavesTheKeysOwnValues) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "ComDlg32\\OpenSaveMRU");
    key.SetString("keep", "own value");
    key.SetString("a", "C:\\a.txt", "txt");
    key.SetString("b", "C:\\b.txt", "txt");
    key.SetString("MRUList", "ba", "txt");
    key.SetString("a", "C:\\any.doc", "*");
    key.SetString("MRUList", "a", "*");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Common_Dialog_Open_Save_History, KeyState(key));

    const std::string path = "HKCU\\" + kExplorer + "ComDlg32\\OpenSaveMRU\\";
    Lines expected;
    for (const std::string& sub : key.Open().SubkeyNames()) {
        if (sub == "txt") {
            expected.push_back("DEL " + path + "txt\\b \"C:\\b.txt\" " + SizeOf("C:\\b.txt"));
            expected.push_back("DEL " + path + "txt\\a \"C:\\a.txt\" " + SizeOf("C:\\a.txt"));
            expected.push_back("CLR " + path + "txt\\MRUList \"ba\" 0.00 Kb");
        } else {
            expected.push_back("DEL " + path + "*\\a \"C:\\any.doc\" " + SizeOf("C:\\any.doc"));
            expected.push_back("CLR " + path + "*\\MRUList \"a\" 0.00 Kb");
        }
    }
    EXPECT_EQ(runs.test.lines, expected);
    EXPECT_EQ(runs.real.lines.back().substr(0, 9), "Clearing ");
    EXPECT_EQ(runs.real.entries, "5/" + FormatSizeText(9 + 9 + 2 + 11 + 1));
    EXPECT_EQ(ValueText(key, "keep"), "own value");
    EXPECT_EQ(ValueText(key, "MRUList", "txt"), "");
    EXPECT_EQ(ValueText(key, "MRUList", "*"), "");
    EXPECT_FALSE(key.HasValue("a", "txt"));
    EXPECT_FALSE(key.HasValue("a", "*"));
}

// Visited folders and printer ports list a deleted value by its size only.
TEST(SizeOnlyMruLists, ShowNoDataInTheTestRun) {
    const struct {
        TWashListItemType type;
        std::string key;
        std::string title;
    } lists[] = {
        {wlitWin_Common_Dialog_Visited_History, kExplorer + "ComDlg32\\LastVisitedMRU",
         " Washing: Windows Common Dialog Visited History"},
        {wlitWin_Printer_Ports_History, kExplorer + "PrnPortsMRU",
         " Washing: Windows Printer Ports History"},
    };
    for (const auto& list : lists) {
        SCOPED_TRACE(list.key);
        ScopedRegistryKey key(RootKey::CurrentUser, list.key);
        key.SetString("a", "notepad.exe");
        key.SetString("b", "LPT1:");
        key.SetString("MRUList", "ab");
        WasherRunner runner;
        TwoRuns runs = TestThenWash(runner, list.type, KeyState(key));
        const std::string path = "HKCU\\" + list.key + "\\";
        EXPECT_EQ(runs.test.lines, (Lines{
                                       "DEL " + path + "a " + SizeOf("notepad.exe"),
                                       "DEL " + path + "b " + SizeOf("LPT1:"),
                                       "CLR " + path + "MRUList \"ab\" 0.00 Kb",
                                   }));
        EXPECT_EQ(runs.real.entries, "3/" + FormatSizeText(12 + 6 + 2));
        ExpectLogLine(runs.real.log, list.title, runs.real.entries);
        EXPECT_FALSE(key.HasValue("a"));
        EXPECT_FALSE(key.HasValue("b"));
    }
}

TEST(DocumentHistory, WashesTheListAndTheRecentFolderButSparesDesktopIni) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RecentDocs");
    key.SetString("a", "a.txt");
    key.SetString("MRUList", "a");
    TempFolder recent;
    ScopedShellFolder shell("Recent", recent.Path());
    recent.AddFile("a.lnk", "aaaa");
    recent.AddFile("desktop.ini", "[.ShellClassInfo]");
    recent.AddFile("old\\b.lnk", "bb");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Document_History, [&] {
        return RegistryState(key.Root(), key.Path()) + FolderState(recent.Path());
    });
    EXPECT_EQ(runs.test.lines.at(0), "DEL HKCU\\" + kExplorer + "RecentDocs\\a " + SizeOf("a.txt"));
    // The value, the list, two files and the emptied subfolder.
    EXPECT_EQ(runs.real.entries, "5/" + FormatSizeText(6 + 1 + 4 + 2));
    EXPECT_FALSE(key.HasValue("a"));
    EXPECT_FALSE(recent.Exists("a.lnk"));
    EXPECT_FALSE(recent.Exists("old"));
    EXPECT_TRUE(recent.Exists("desktop.ini"));
}

namespace {

// An "MRUListEx" list: 32-bit numbers, then the end mark.
std::string ListEx(std::initializer_list<std::uint32_t> numbers) {
    std::string bytes;
    for (std::uint32_t n : numbers)
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>((n >> shift) & 0xFF);
    return bytes + std::string(4, '\xFF');
}

}  // namespace

// Windows XP and later keep RecentDocs, and a list per extension below it, as "MRUListEx"
// lists of numbered binary values.
TEST(DocumentHistory, EmptiesTheMruListExListsOfTheKeyAndItsExtensionSubkeys) {
    ScopedRegistryKey key(RootKey::CurrentUser, kExplorer + "RecentDocs");
    key.SetBinary("0", std::string(10, 'a'));
    key.SetBinary("1", std::string(20, 'b'));
    key.SetBinary("MRUListEx", ListEx({1, 0}));
    key.SetBinary("0", std::string(7, 'c'), ".txt");
    key.SetBinary("MRUListEx", ListEx({0}), ".txt");
    key.SetBinary("3", std::string(5, 'd'), "Folder");
    key.SetBinary("5", std::string(6, 'e'), "Folder");     // named by no list: stays
    key.SetBinary("MRUListEx", ListEx({3, 4}), "Folder");  // 4 is missing
    TempFolder recent;
    ScopedShellFolder shell("Recent", recent.Path());
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Document_History, KeyState(key));
    const std::string path = "HKCU\\" + kExplorer + "RecentDocs\\";
    EXPECT_EQ(runs.test.lines, (Lines{
                                   "DEL " + path + "1 " + FormatSizeText(20),
                                   "DEL " + path + "0 " + FormatSizeText(10),
                                   "CLR " + path + "MRUListEx " + FormatSizeText(8),
                                   "DEL " + path + ".txt\\0 " + FormatSizeText(7),
                                   "CLR " + path + ".txt\\MRUListEx " + FormatSizeText(4),
                                   "DEL " + path + "Folder\\3 " + FormatSizeText(5),
                                   "CLR " + path + "Folder\\MRUListEx " + FormatSizeText(8),
                               }));
    // Four values and three lists; each list counts the bytes it lost.
    EXPECT_EQ(runs.real.count, 7u);
    EXPECT_EQ(runs.real.bytes, 20u + 10 + 8 + 7 + 4 + 5 + 8);

    // What is left, read key by key: every list holds its end mark alone.
    const std::vector<std::uint8_t> endMark(4, 0xFF);
    for (const std::string sub : {"", "\\.txt", "\\Folder"}) {
        platform::RegistryKey opened = platform::RegistryKey::Open(key.Root(), key.Path() + sub);
        std::vector<std::string> names = opened.ValueNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, sub == "\\Folder" ? (Lines{"5", "MRUListEx"}) : Lines{"MRUListEx"}) << sub;
        EXPECT_EQ(opened.Read("MRUListEx")->data, endMark) << sub;
    }
}

TEST(SearchHistories, WashTheMruListAndTheSearchAssistantKeys) {
    const struct {
        TWashListItemType type;
        std::string mruKey;
        std::vector<std::string> lists;
    } searches[] = {
        {wlitWin_Find_Computers_History, kExplorer + "FindComputerMRU", {"5647"}},
        {wlitWin_Find_Files_History, kExplorer + "Doc Find Spec MRU", {"5603", "5604"}},
    };
    for (const auto& search : searches) {
        SCOPED_TRACE(search.mruKey);
        ScopedRegistryKey mru(RootKey::CurrentUser, search.mruKey);
        mru.SetString("a", "needle");
        mru.SetString("MRUList", "a");
        ScopedRegistryKey assistant(RootKey::CurrentUser, "Software\\Microsoft\\Search Assistant");
        assistant.SetString("keep", "own value");
        for (const std::string& list : search.lists) {
            assistant.SetString("000", "typed", "ACMru\\" + list);
            assistant.SetString("001", "more", "ACMru\\" + list + "\\older");
        }
        assistant.SetString("000", "other list", "ACMru\\5001");
        WasherRunner runner;
        TwoRuns runs = TestThenWash(runner, search.type, [&] {
            return RegistryState(mru.Root(), mru.Path()) +
                   RegistryState(assistant.Root(), assistant.Path());
        });
        EXPECT_EQ(runs.test.lines.at(0),
                  "DEL HKCU\\" + search.mruKey + "\\a \"needle\" " + SizeOf("needle"));
        // The value and the list, then two values per search list.
        EXPECT_EQ(runs.real.count, 2 + 2 * search.lists.size());
        for (const std::string& list : search.lists) {
            EXPECT_TRUE(assistant.HasSubkey("ACMru\\" + list));
            EXPECT_FALSE(assistant.HasSubkey("ACMru\\" + list + "\\older"));
            EXPECT_FALSE(assistant.HasValue("000", "ACMru\\" + list));
        }
        EXPECT_TRUE(assistant.HasValue("000", "ACMru\\5001"));
        EXPECT_TRUE(assistant.HasValue("keep"));
    }
}

TEST(MediaPlayerHistory, WalksEachNumberedListToItsFirstGapAndDeletesTheLibraryFiles) {
    ScopedRegistryKey player(RootKey::CurrentUser, "Software\\Microsoft\\MediaPlayer");
    for (const char* file : {"File0", "File1", "File3"})
        player.SetString(file, std::string("C:\\") + file + ".mp3", "Player\\RecentFileList");
    for (const char* url : {"Url0", "Url1", "Url2"})
        player.SetString(url, std::string("http://x/") + url, "Player\\RecentURLList");
    TempFolder local, common;
    ScopedShellFolder localShell("Local AppData", local.Path());
    ScopedShellFolder commonShell(RootKey::LocalMachine, "Common AppData", common.Path());
    local.AddFile("DCBC2A71-70D8-4DAN-EHR8-E0D61DEA3FDF.ini", "ini");
    local.AddFile("other.ini");
    local.AddFile("Microsoft\\Media Player\\CurrentDatabase_372.wmdb", "database");
    local.AddFile("Microsoft\\Media Player\\Art\\cache.wmdb");
    common.AddFile("Microsoft\\Media Index\\wmplibrary.db", "db");
    common.AddFile("Microsoft\\Media Index\\keep.txt");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Media_Player, [&] {
        return RegistryState(player.Root(), player.Path()) + FolderState(local.Path()) +
               FolderState(common.Path());
    });
    const std::string files = "HKCU\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList\\";
    EXPECT_EQ(runs.test.lines.at(0),
              "DEL " + files + "File0 \"C:\\File0.mp3\" " + SizeOf("C:\\File0.mp3"));
    EXPECT_EQ(runs.real.lines.at(2),
              Progress("Deleting ",
                       "HKCU\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList\\Url0"));
    EXPECT_EQ(runs.real.count, 8u);  // 2 files, 3 addresses, 3 library files
    EXPECT_FALSE(player.HasValue("File0", "Player\\RecentFileList"));
    EXPECT_FALSE(player.HasValue("File1", "Player\\RecentFileList"));
    EXPECT_TRUE(player.HasValue("File3", "Player\\RecentFileList"));
    EXPECT_FALSE(player.HasValue("Url2", "Player\\RecentURLList"));
    EXPECT_FALSE(local.Exists("DCBC2A71-70D8-4DAN-EHR8-E0D61DEA3FDF.ini"));
    EXPECT_FALSE(local.Exists("Microsoft\\Media Player\\CurrentDatabase_372.wmdb"));
    EXPECT_TRUE(local.Exists("Microsoft\\Media Player\\Art\\cache.wmdb"));  // not entered
    EXPECT_TRUE(local.Exists("other.ini"));
    EXPECT_FALSE(common.Exists("Microsoft\\Media Index\\wmplibrary.db"));
    EXPECT_TRUE(common.Exists("Microsoft\\Media Index\\keep.txt"));
}

TEST(MediaPlayerHistory, AValueThatCannotBeDeletedIsPassedAndTheNextNumberWashed) {
    ScopedRegistryKey player(RootKey::CurrentUser, "Software\\Microsoft\\MediaPlayer");
    player.SetString("File0", "C:\\a.mp3", "Player\\RecentFileList");
    player.SetString("File1", "C:\\b.mp3", "Player\\RecentFileList");
    WasherRunner runner;
    // Another program removes File0 between the report and the deletion: the deletion fails.
    const std::string reportOfFile0 = Progress(
        "Deleting ", "HKCU\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList\\File0");
    runner.view.onProcessMessages = [&] {
        if (!runner.view.progress.empty() && runner.view.progress.back() == reportOfFile0)
            platform::RegistryKey::Open(RootKey::CurrentUser,
                                        player.Path() + "\\Player\\RecentFileList",
                                        platform::reg_access::kAllAccess)
                .DeleteValue("File0");
    };
    WashOutcome real = runner.Run(wlitWin_Media_Player, false);
    EXPECT_EQ(real.count, 1u);
    EXPECT_FALSE(player.HasValue("File1", "Player\\RecentFileList"));
}

TEST(NetworkDriveHistory, EmptiesBothKeysAndKeepsThem) {
    ScopedRegistryKey recent(RootKey::CurrentUser, "Network\\Recent");
    recent.SetString("a", "\\\\server\\share");
    recent.SetString("b", "\\\\server\\other");
    recent.SetString("x", "y", "sub");
    ScopedRegistryKey map(RootKey::CurrentUser, kExplorer + "Map Network Drive MRU");
    map.SetString("a", "\\\\server\\share");
    map.SetString("MRUList", "a");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Network_Drive_History, [&] {
        return RegistryState(recent.Root(), recent.Path()) + RegistryState(map.Root(), map.Path());
    });
    EXPECT_EQ(runs.real.count, 5u);  // subkeys removed are not counted
    EXPECT_EQ(RegistryState(recent.Root(), recent.Path()), "");
    EXPECT_EQ(RegistryState(map.Root(), map.Path()), "");
}

TEST(NetworkDriveHistory, ACancelInTheFirstKeyLeavesTheSecondUntouched) {
    ScopedRegistryKey recent(RootKey::CurrentUser, "Network\\Recent");
    recent.SetString("a", "\\\\server\\share");
    recent.SetString("x", "y", "sub");
    ScopedRegistryKey map(RootKey::CurrentUser, kExplorer + "Map Network Drive MRU");
    map.SetString("a", "\\\\server\\share");
    map.SetString("MRUList", "a");
    const std::string mapBefore = RegistryState(map.Root(), map.Path());
    WasherRunner runner;
    runner.view.onProcessMessages = [&] { runner.ctx.KeepWashing = false; };  // Stop pressed
    WashOutcome real = runner.Run(wlitWin_Network_Drive_History, false);
    EXPECT_EQ(real.count, 1u);
    EXPECT_EQ(RegistryState(map.Root(), map.Path()), mapBefore);
    EXPECT_TRUE(recent.HasValue("a"));
}

TEST(ClearedValues, RegeditLastKeyAndStartMenuOrderAreEmptiedNotDeleted) {
    ScopedRegistryKey regedit(RootKey::CurrentUser,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit");
    regedit.SetString("LastKey", "My Computer\\HKEY_CURRENT_USER");
    regedit.SetString("LastKeyBackup", "kept");
    regedit.SetString("View", "kept");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Regedit_LastKey, KeyState(regedit), true);
    EXPECT_EQ(runs.test.lines, (Lines{"CLR HKCU\\" + regedit.Path() +
                                      "\\LastKey \"My Computer\\HKEY_CURRENT_USER\" " +
                                      SizeOf("My Computer\\HKEY_CURRENT_USER")}));
    EXPECT_EQ(runs.test.entries, "1/0 Kb");  // a test run writes nothing, so no bytes
    EXPECT_EQ(runs.real.entries, "1/" + FormatSizeText(30 - 1));
    EXPECT_TRUE(regedit.HasValue("LastKey"));
    EXPECT_EQ(ValueText(regedit, "LastKey"), "");
    EXPECT_EQ(ValueText(regedit, "LastKeyBackup"), "kept");

    ScopedRegistryKey menu(RootKey::CurrentUser, kExplorer + "MenuOrder\\Start Menu\\Menu");
    menu.SetBinary("Order", "abcdef");
    menu.SetBinary("Other", "abc");
    menu.SetBinary("Order", "abc", "Programs");
    runs = TestThenWash(runner, wlitWin_Start_Menu_Order_History, KeyState(menu), true);
    EXPECT_EQ(runs.real.entries, "1/" + FormatSizeText(6 - 1));
    auto order = menu.Open().Read("Order");
    ASSERT_TRUE(order);
    EXPECT_EQ(order->data, std::vector<std::uint8_t>{0});
    EXPECT_EQ(menu.Open().Read("Other")->Size(), 3u);
    EXPECT_TRUE(menu.HasValue("Order", "Programs"));  // subkeys not entered
}

TEST(KeyWashers, StreamsTelnetAndUserAssistDeleteTheirValues) {
    ScopedRegistryKey streams(RootKey::CurrentUser, kExplorer + "StreamMRU");
    streams.SetBinary("0", "pidl");
    streams.SetString("MRUListEx", "x");
    streams.SetBinary("0", "pidl", "sub");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Registry_Streams, KeyState(streams));
    EXPECT_EQ(runs.real.count, 3u);
    EXPECT_EQ(RegistryState(streams.Root(), streams.Path()), "");

    ScopedRegistryKey telnet(RootKey::Users, ".Default\\Software\\Microsoft\\Telnet");
    telnet.SetString("Machine1", "host.example");
    telnet.SetString("x", "kept", "sub");
    runs = TestThenWash(runner, wlitWin_Telnet_History, KeyState(telnet));
    EXPECT_EQ(runs.test.lines, (Lines{"DEL HKU\\" + telnet.Path() + "\\Machine1 \"host.example\" " +
                                      SizeOf("host.example")}));
    EXPECT_FALSE(telnet.HasValue("Machine1"));
    EXPECT_TRUE(telnet.HasValue("x", "sub"));  // subkeys not entered

    ScopedRegistryKey assist(RootKey::CurrentUser, kExplorer + "UserAssist");
    for (const char* guid :
         {"{5E6AB780-7743-11CF-A12B-00AA004AE837}", "{75048700-EF1F-11D0-9888-006097DEACF9}"}) {
        assist.SetBinary("HRZR_EHAPCY:abgrcnq.rkr", "12345678", std::string(guid) + "\\Count");
        assist.SetBinary("kept", "1", std::string(guid) + "\\Count\\sub");
        assist.SetDword("Version", 3, guid);
    }
    assist.SetBinary("other", "1", "{00000000-0000-0000-0000-000000000000}\\Count");
    runs = TestThenWash(runner, wlitWin_UserAssist_History, KeyState(assist));
    EXPECT_EQ(runs.real.entries, "2/" + FormatSizeText(16));
    ExpectLogLine(runs.real.log, " Washing: Windows User Assist History", "2/0.02 Kb");
    EXPECT_FALSE(assist.HasValue("HRZR_EHAPCY:abgrcnq.rkr",
                                 "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"));
    EXPECT_TRUE(assist.HasValue("kept", "{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count\\sub"));
    EXPECT_TRUE(assist.HasValue("Version", "{75048700-EF1F-11D0-9888-006097DEACF9}"));
    EXPECT_TRUE(assist.HasValue("other", "{00000000-0000-0000-0000-000000000000}\\Count"));
}
