// The Office washers against real keys and files of the Wine prefix: two Office versions side
// by side, the paired lists, Visio's names and Word's one value.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
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

constexpr RootKey kUser = RootKey::CurrentUser;
const std::string kOffice = "Software\\Microsoft\\Office";

std::function<std::string()> KeyState(const ScopedRegistryKey& key) {
    return [&key] { return RegistryState(key.Root(), key.Path()); };
}

Lines Sorted(Lines lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The log holds the object's line and nothing else.
void ExpectOnlyLogLine(const std::string& log, const std::string& title,
                       const std::string& entries) {
    ASSERT_GE(log.size(), 8u);
    EXPECT_EQ(log[2], ':');
    EXPECT_EQ(log.substr(8), title + " {" + entries + "}\r\n");
}

}  // namespace

TEST(MicrosoftAppWashers, EveryObjectHasAWasherThatLogsItsTitle) {
    const std::pair<TWashListItemType, const char*> titles[] = {
        {wlitMS_Download_Folder, " Washing: MS Download Folder"},
        {wlitMS_HTML_Help_History, " Washing: MS HTML Help History"},
        {wlitMS_Imaging_History, " Washing: MS Imaging History"},
        {wlitMS_Netmeeting_History, " Washing: MS Netmeeting History"},
        {wlitMS_Paint_History, " Washing: MS Paint History"},
        {wlitMS_Scandisk_Log, " Washing: MS Scandisk Log"},
        {wlitMS_WordPad_History, " Washing: MS WordPad History"},
        {wlitMS_Office, " Washing: MS Office"},
        {wlitMS_Access, " Washing: MS Access"},
        {wlitMS_Excel, " Washing: MS Excel"},
        {wlitMS_FrontPage, " Washing: MS FrontPage"},
        {wlitMS_InfoPath, " Washing: MS InfoPath"},
        {wlitMS_Photo_Editor, " Washing: MS Photo Editor"},
        {wlitMS_PowerPoint, " Washing: MS PowerPoint"},
        {wlitMS_Publisher, " Washing: MS Publisher"},
        {wlitMS_Visio, " Washing: MS Visio"},
        {wlitMS_Word, " Washing: MS Word"},
    };
    int family = 0;
    for (int i = 0; i < kBuiltInTypeCount; ++i)
        family += TypeInfo(static_cast<TWashListItemType>(i)).family == WasherFamily::MicrosoftApps;
    EXPECT_EQ(family, 17);
    WasherRunner runner;
    for (const auto& [type, title] : titles) {
        WashOutcome test = runner.Run(type, true);  // changes nothing in the prefix
        ASSERT_GE(test.log.size(), 8u) << title;
        EXPECT_EQ(test.log.substr(8, std::string(title).size() + 2), std::string(title) + " {");
    }
}

// Excel: each installed version's own list, each from File1 on, up to its first gap.
TEST(OfficeWashers, ExcelRemovesTheListsOfBothVersionsFromFile1On) {
    ScopedRegistryKey office(kUser, kOffice);
    const std::string list9 = "9.0\\Excel\\Recent File List";
    const std::string list11 = "11.0\\Excel\\Recent File List";
    office.SetString("File1", "C:\\budget.xls", list9);
    office.SetString("File2", "C:\\plan.xls", list9);
    office.SetString("File4", "C:\\after a gap.xls", list9);
    office.SetString("File0", "C:\\not counted from 0.xls", list11);
    office.SetString("File1", "C:\\q1.xls", list11);
    office.SetString("File2", "C:\\q2.xls", list11);
    office.SetString("File3", "C:\\q3.xls", list11);
    office.SetString("Max Display", "4", list11);
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_Excel, KeyState(office));

    const std::string path9 = "HKCU\\" + kOffice + "\\" + list9 + "\\";
    const std::string path11 = "HKCU\\" + kOffice + "\\" + list11 + "\\";
    auto line = [](const std::string& path, const char* name, const std::string& data) {
        return "DEL " + path + name + " \"" + data + "\" " + FormatSizeText(StringValueSize(data));
    };
    EXPECT_EQ(Sorted(runs.test.lines), Sorted({
                                           line(path9, "File1", "C:\\budget.xls"),
                                           line(path9, "File2", "C:\\plan.xls"),
                                           line(path11, "File1", "C:\\q1.xls"),
                                           line(path11, "File2", "C:\\q2.xls"),
                                           line(path11, "File3", "C:\\q3.xls"),
                                       }));
    const std::uint64_t bytes = StringValueSize("C:\\budget.xls") +
                                StringValueSize("C:\\plan.xls") + 3 * StringValueSize("C:\\q1.xls");
    EXPECT_EQ(runs.real.entries, "5/" + FormatSizeText(bytes));
    EXPECT_EQ(runs.real.bytes, bytes);
    ExpectOnlyLogLine(runs.real.log, " Washing: MS Excel", runs.real.entries);
    for (const char* gone : {"File1", "File2"}) {
        EXPECT_FALSE(office.HasValue(gone, list9)) << gone;
        EXPECT_FALSE(office.HasValue(gone, list11)) << gone;
    }
    EXPECT_FALSE(office.HasValue("File3", list11));
    EXPECT_TRUE(office.HasValue("File4", list9));
    EXPECT_TRUE(office.HasValue("File0", list11));
    EXPECT_TRUE(office.HasValue("Max Display", list11));
}

TEST(OfficeWashers, AValueThatCannotBeDeletedIsNotCountedAndTheNextNumberWashed) {
    ScopedRegistryKey office(kUser, kOffice);
    const std::string list = "11.0\\Excel\\Recent File List";
    office.SetString("File1", "C:\\one.xls", list);
    office.SetString("File2", "C:\\two.xls", list);
    WasherRunner runner;
    // Another program removes File1 between the report and the deletion: the deletion fails.
    const std::string reportOfFile1 =
        Progress("Deleting ", "HKCU\\" + kOffice + "\\" + list + "\\File1");
    runner.view.onProcessMessages = [&] {
        if (!runner.view.progress.empty() && runner.view.progress.back() == reportOfFile1)
            platform::RegistryKey::Open(kUser, office.Path() + "\\" + list,
                                        platform::reg_access::kAllAccess)
                .DeleteValue("File1");
    };
    WashOutcome real = runner.Run(wlitMS_Excel, false);
    EXPECT_EQ(real.count, 1u);
    EXPECT_EQ(real.bytes, StringValueSize("C:\\two.xls"));
    EXPECT_FALSE(office.HasValue("File2", list));
}

// A cancel during one version's list leaves the versions after it untouched.
TEST(OfficeWashers, ACancelStopsBeforeTheNextVersion) {
    ScopedRegistryKey office(kUser, kOffice);
    for (const char* version : {"11.0", "12.0"}) {
        office.SetString("File1", "C:\\one.xls",
                         std::string(version) + "\\Excel\\Recent File List");
        office.SetString("File2", "C:\\two.xls",
                         std::string(version) + "\\Excel\\Recent File List");
    }
    WasherRunner runner;
    runner.view.onProcessMessages = [&] { runner.ctx.KeepWashing = false; };
    WashOutcome real = runner.Run(wlitMS_Excel, false);
    EXPECT_EQ(real.count, 2u);  // the list that was begun is finished
    int whole = 0;
    for (const char* version : {"11.0", "12.0"}) {
        const std::string list = std::string(version) + "\\Excel\\Recent File List";
        whole += office.HasValue("File1", list) && office.HasValue("File2", list);
    }
    EXPECT_EQ(whole, 1);
}

TEST(OfficeWashers, WithoutTheOfficeKeysCountNothingAndWriteOnlyTheirLogLine) {
    platform::DeleteRegistryTree(kUser, kOffice);
    platform::DeleteRegistryTree(kUser, "Software\\Microsoft\\Photo Editor");
    // What the version-independent steps would wash stays too: no version, no step.
    ScopedRegistryKey recentDocs(
        kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs");
    recentDocs.SetString("a", "stays");
    ScopedRegistryKey frontPage(kUser, "Software\\Microsoft\\FrontPage");
    frontPage.SetString("a", "stays", "Explorer\\FrontPage Explorer\\Recent File List");
    TempFolder appData;
    appData.AddFile("Microsoft\\Office\\Recent\\report.doc.lnk");
    ScopedShellFolder shell("AppData", appData.Path());
    const std::pair<TWashListItemType, const char*> programs[] = {
        {wlitMS_Office, " Washing: MS Office"},
        {wlitMS_Access, " Washing: MS Access"},
        {wlitMS_Excel, " Washing: MS Excel"},
        {wlitMS_FrontPage, " Washing: MS FrontPage"},
        {wlitMS_InfoPath, " Washing: MS InfoPath"},
        {wlitMS_Photo_Editor, " Washing: MS Photo Editor"},
        {wlitMS_PowerPoint, " Washing: MS PowerPoint"},
        {wlitMS_Publisher, " Washing: MS Publisher"},
        {wlitMS_Visio, " Washing: MS Visio"},
        {wlitMS_Word, " Washing: MS Word"},
    };
    WasherRunner runner;
    for (const auto& [type, title] : programs) {
        SCOPED_TRACE(title);
        for (bool testRun : {true, false}) {
            WashOutcome outcome = runner.Run(type, testRun);
            EXPECT_EQ(outcome.entries, "0/0 Kb");
            EXPECT_EQ(outcome.lines, Lines{});
            ExpectOnlyLogLine(outcome.log, title, "0/0 Kb");
        }
    }
    EXPECT_TRUE(recentDocs.HasValue("a"));
    EXPECT_TRUE(frontPage.HasValue("a", "Explorer\\FrontPage Explorer\\Recent File List"));
    EXPECT_TRUE(appData.Exists("Microsoft\\Office\\Recent\\report.doc.lnk"));
    EXPECT_FALSE(platform::RegistryKeyOpens(kUser, kOffice));  // never created
}

// Access: MRU n with MRUFlags n is one entry; an MRU without flags is one too.
TEST(OfficeWashers, AccessCountsEachFileWithItsFlagsAsOneEntry) {
    ScopedRegistryKey office(kUser, kOffice);
    const std::string settings = "10.0\\Access\\Settings";
    office.SetString("MRU1", "C:\\db\\orders.mdb", settings);
    office.SetDword("MRUFlags1", 0, settings);
    office.SetString("MRU2", "C:\\db\\staff.mdb", settings);
    office.SetDword("MRUFlags2", 1, settings);
    office.SetString("MRU3", "C:\\db\\no flags.mdb", settings);
    office.SetString("MRU5", "C:\\db\\after a gap.mdb", settings);
    office.SetDword("MRUFlags5", 0, settings);
    office.SetString("Default Database Directory", "C:\\db", settings);
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_Access, KeyState(office));

    const std::string path = "HKCU\\" + kOffice + "\\" + settings + "\\";
    const std::size_t pair1 = StringValueSize("C:\\db\\orders.mdb") + 4;
    const std::size_t pair2 = StringValueSize("C:\\db\\staff.mdb") + 4;
    const std::size_t lone3 = StringValueSize("C:\\db\\no flags.mdb");
    EXPECT_EQ(runs.test.lines, (Lines{
                                   "DEL " + path + "MRUFlags1 " + FormatSizeText(pair1),
                                   "DEL " + path + "MRUFlags2 " + FormatSizeText(pair2),
                                   "DEL " + path + "MRU3 " + FormatSizeText(lone3),
                               }));
    EXPECT_EQ(runs.real.lines, (Lines{
                                   Progress("Deleting ", path + "MRUFlags1"),
                                   Progress("Deleting ", path + "MRUFlags2"),
                                   Progress("Deleting ", path + "MRU3"),
                               }));
    EXPECT_EQ(runs.real.count, 3u);
    EXPECT_EQ(runs.real.bytes, pair1 + pair2 + lone3);
    for (const char* gone : {"MRU1", "MRUFlags1", "MRU2", "MRUFlags2", "MRU3"})
        EXPECT_FALSE(office.HasValue(gone, settings)) << gone;
    for (const char* stays : {"MRU5", "MRUFlags5", "Default Database Directory"})
        EXPECT_TRUE(office.HasValue(stays, settings)) << stays;
}

TEST(OfficeWashers, AnAccessPairCountsOnlyWhatCouldBeDeleted) {
    ScopedRegistryKey office(kUser, kOffice);
    const std::string settings = "10.0\\Access\\Settings";
    for (const char* n : {"1", "2", "3"}) {
        office.SetString(std::string("MRU") + n, std::string("C:\\db") + n + ".mdb", settings);
        office.SetDword(std::string("MRUFlags") + n, 0, settings);
    }
    WasherRunner runner;
    // Another program removes both values of pair 1 and the file of pair 2 meanwhile.
    const std::string path = "HKCU\\" + kOffice + "\\" + settings + "\\";
    runner.view.onProcessMessages = [&] {
        if (runner.view.progress.empty())
            return;
        platform::RegistryKey key = platform::RegistryKey::Open(
            kUser, office.Path() + "\\" + settings, platform::reg_access::kAllAccess);
        if (runner.view.progress.back() == Progress("Deleting ", path + "MRUFlags1")) {
            key.DeleteValue("MRU1");
            key.DeleteValue("MRUFlags1");
        } else if (runner.view.progress.back() == Progress("Deleting ", path + "MRUFlags2")) {
            key.DeleteValue("MRU2");
        }
    };
    WashOutcome real = runner.Run(wlitMS_Access, false);
    EXPECT_EQ(real.count, 2u);  // pair 1 removed nothing; pair 2 its flags; pair 3 whole
    EXPECT_EQ(real.bytes, 4u + StringValueSize("C:\\db3.mdb") + 4u);
    for (const char* gone : {"MRUFlags2", "MRU3", "MRUFlags3"})
        EXPECT_FALSE(office.HasValue(gone, settings)) << gone;
}

// Photo Editor keeps its list under versions of its own, the type beside each file.
TEST(OfficeWashers, PhotoEditorRemovesFilesAndTypesOfEveryVersion) {
    ScopedRegistryKey editor(kUser, "Software\\Microsoft\\Photo Editor");
    const std::string v3 = "3.0\\Microsoft Photo Editor";
    const std::string v301 = "3.01\\Microsoft Photo Editor";
    editor.SetString("LastFile1", "C:\\photos\\beach.jpg", v3);
    editor.SetString("LastType1", "JPEG", v3);
    editor.SetString("LastFile2", "C:\\photos\\map.bmp", v3);
    editor.SetString("LastType2", "BMP", v3);
    editor.SetString("Zoom", "100", v3);
    editor.SetString("LastFile1", "C:\\photos\\logo.gif", v301);
    editor.SetString("LastType1", "GIF", v301);
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_Photo_Editor, KeyState(editor));

    const std::string root = "HKCU\\Software\\Microsoft\\Photo Editor\\";
    // Listed under the type, with its text; counted with both sizes.
    auto line = [&](const std::string& list, const char* number, const std::string& type,
                    const std::string& file) {
        return "DEL " + root + list + "\\LastType" + number + " \"" + type + "\" " +
               FormatSizeText(StringValueSize(file) + StringValueSize(type));
    };
    EXPECT_EQ(Sorted(runs.test.lines), Sorted({
                                           line(v3, "1", "JPEG", "C:\\photos\\beach.jpg"),
                                           line(v3, "2", "BMP", "C:\\photos\\map.bmp"),
                                           line(v301, "1", "GIF", "C:\\photos\\logo.gif"),
                                       }));
    EXPECT_EQ(runs.real.count, 3u);
    ExpectOnlyLogLine(runs.real.log, " Washing: MS Photo Editor", runs.real.entries);
    for (const char* gone : {"LastFile1", "LastType1", "LastFile2", "LastType2"})
        EXPECT_FALSE(editor.HasValue(gone, v3)) << gone;
    EXPECT_FALSE(editor.HasValue("LastFile1", v301));
    EXPECT_TRUE(editor.HasValue("Zoom", v3));
}

TEST(OfficeWashers, VisioRemovesOnlyValuesBeginningWithLastFile) {
    ScopedRegistryKey office(kUser, kOffice);
    const std::string app = "12.0\\Visio\\Application";
    office.SetString("LastFile1", "C:\\plans\\floor.vsd", app);
    office.SetString("LastFile2", "C:\\plans\\network.vsd", app);
    office.SetString("LastFileDir", "C:\\plans", app);
    office.SetString("MyLastFile", "stays: does not begin with LastFile", app);
    office.SetString("LastDir", "stays", app);
    office.SetString("LastFile1", "stays: subkeys are not entered", app + "\\Recent");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_Visio, KeyState(office));
    EXPECT_EQ(runs.real.count, 3u);
    for (const char* gone : {"LastFile1", "LastFile2", "LastFileDir"})
        EXPECT_FALSE(office.HasValue(gone, app)) << gone;
    EXPECT_TRUE(office.HasValue("MyLastFile", app));
    EXPECT_TRUE(office.HasValue("LastDir", app));
    EXPECT_TRUE(office.HasValue("LastFile1", app + "\\Recent"));
}

TEST(OfficeWashers, WordRemovesTheSettingsValueOfEveryVersion) {
    ScopedRegistryKey office(kUser, kOffice);
    office.SetBinary("Settings", std::string(300, '\x01'), "11.0\\Word\\Data");
    office.SetBinary("Toolbars", std::string(20, '\x02'), "11.0\\Word\\Data");
    office.SetBinary("Settings", std::string(10, '\x03'), "12.0\\Word\\Data");
    office.SetString("Settings", "stays: another program's", "12.0\\Excel\\Data");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_Word, KeyState(office));
    const std::string path = "HKCU\\" + kOffice + "\\";
    EXPECT_EQ(Sorted(runs.test.lines),
              Sorted({"DEL " + path + "11.0\\Word\\Data\\Settings " + FormatSizeText(300),
                      "DEL " + path + "12.0\\Word\\Data\\Settings " + FormatSizeText(10)}));
    EXPECT_EQ(runs.real.entries, "2/" + FormatSizeText(310));
    EXPECT_FALSE(office.HasValue("Settings", "11.0\\Word\\Data"));
    EXPECT_FALSE(office.HasValue("Settings", "12.0\\Word\\Data"));
    EXPECT_TRUE(office.HasValue("Toolbars", "11.0\\Word\\Data"));
    EXPECT_TRUE(office.HasValue("Settings", "12.0\\Excel\\Data"));
}

// The key washers empty their lists' keys of every version; subkeys and the keys stay.
TEST(OfficeWashers, RecentListKeysAreEmptiedForEveryVersion) {
    ScopedRegistryKey office(kUser, kOffice);
    const struct {
        TWashListItemType type;
        ScopedRegistryKey& root;
        std::vector<std::string> lists;  // per version: "%" stands for the version
        std::size_t perVersion;          // values washed per version
    } washers[] = {
        {wlitMS_InfoPath,
         office,
         {"%\\InfoPath\\Recent File List", "%\\InfoPath\\Recent Templates"},
         4},
        {wlitMS_PowerPoint, office, {"%\\PowerPoint\\Recent File List"}, 2},
        {wlitMS_Publisher, office, {"%\\Publisher\\Recent File List"}, 2},
    };
    for (const auto& washer : washers) {
        SCOPED_TRACE(TypeInfo(washer.type).identifier);
        std::vector<std::string> keys;
        for (const char* version : {"11.0", "12.0"}) {
            for (std::string list : washer.lists) {
                list.replace(list.find('%'), 1, version);
                washer.root.SetString("File1", "C:\\one", list);
                washer.root.SetString("File2", "C:\\two", list);
                washer.root.SetString("x", "stays", list + "\\sub");
                keys.push_back(list);
            }
        }
        WasherRunner runner;
        TwoRuns runs = TestThenWash(runner, washer.type, KeyState(washer.root));
        EXPECT_EQ(runs.real.count, 2 * washer.perVersion);
        for (const std::string& list : keys) {
            EXPECT_FALSE(washer.root.HasValue("File1", list)) << list;
            EXPECT_TRUE(washer.root.HasValue("x", list + "\\sub")) << list;
            EXPECT_TRUE(washer.root.HasSubkey(list + "\\sub")) << list;
        }
    }
}

// FrontPage's lists and the recent documents do not depend on the version: with two versions
// installed they are washed once, and the test run lists each entry once too.
TEST(OfficeWashers, VersionIndependentListsAreWashedOnceWithTwoVersions) {
    ScopedRegistryKey office(kUser, kOffice);
    office.SetString("x", "version", "11.0\\Common");
    office.SetString("x", "version", "12.0\\Common");
    ScopedRegistryKey frontPage(kUser, "Software\\Microsoft\\FrontPage");
    const std::string explorer = "Explorer\\FrontPage Explorer\\";
    for (const char* list : {"Recent File List", "Recent Page List", "Recent Web List"}) {
        frontPage.SetString("File1", "C:\\web\\index.htm", explorer + list);
        frontPage.SetString("x", "stays", explorer + list + "\\sub");
    }
    WasherRunner runner;
    TwoRuns front = TestThenWash(runner, wlitMS_FrontPage, KeyState(frontPage));
    EXPECT_EQ(front.test.count, 3u);
    EXPECT_EQ(front.real.count, 3u);
    EXPECT_FALSE(frontPage.HasValue("File1", explorer + "Recent Web List"));
    EXPECT_TRUE(frontPage.HasValue("x", explorer + "Recent Web List\\sub"));

    ScopedRegistryKey recentDocs(
        kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs");
    recentDocs.SetBinary("0", "a.doc");
    recentDocs.SetBinary("1", "b.xls");
    recentDocs.SetBinary("MRUListEx", std::string("\x01\0\0\0\0\0\0\0\xff\xff\xff\xff", 12));
    recentDocs.SetBinary("0", "stays", ".doc");
    TempFolder appData;
    appData.AddFile("Microsoft\\Office\\Recent\\a.doc.LNK", "12345");
    appData.AddFile("Microsoft\\Office\\Recent\\index.dat", "123");
    appData.AddFile("Microsoft\\Office\\Recent\\sub\\c.LNK", "stays");
    ScopedShellFolder shell("AppData", appData.Path());
    TwoRuns recent = TestThenWash(runner, wlitMS_Office, [&] {
        return RegistryState(recentDocs.Root(), recentDocs.Path()) + FolderState(appData.Path());
    });
    EXPECT_EQ(recent.real.count, 5u);  // three values, two files
    EXPECT_FALSE(recentDocs.HasValue("MRUListEx"));
    EXPECT_TRUE(recentDocs.HasValue("0", ".doc"));
    EXPECT_FALSE(appData.Exists("Microsoft\\Office\\Recent\\a.doc.LNK"));
    EXPECT_TRUE(appData.Exists("Microsoft\\Office\\Recent\\sub\\c.LNK"));
    EXPECT_TRUE(platform::FolderExists(appData.Path() + "Microsoft\\Office\\Recent\\"));
}
