// TidewellCmd.exe as a process: copied from the build (drive T:) into a program folder of its
// own with its own tidewell.ini, run with command lines, judged by its exit code, its output and
// what it leaves in the registry, the files and tidewell.log.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "catalogue/date_time.h"
#include "catalogue/settings.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/locale.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/child_process.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ChildProcessResult;
using testing_support::ScopedRegistryKey;
using testing_support::TempFolder;

std::string BuildDrive() {
    std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
    return drive.empty() ? "T:\\" : platform::WithTrailingBackslash(drive);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::string Utf16File(const std::string& text) {
    std::wstring wide = L"\xFEFF" + platform::Utf8ToWide(text);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

// The Run box history with one command in it (value "a"), removed afterwards.
struct OneRunCommand : ScopedRegistryKey {
    OneRunCommand()
        : ScopedRegistryKey(RootKey::CurrentUser,
                            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU") {
        SetString("a", "calc\\1");
        SetString("MRUList", "a");
    }
};

class ProgramFolder {
  public:
    explicit ProgramFolder(const std::string& options) {
        auto exe = platform::ReadWholeFile(BuildDrive() + "TidewellCmd.exe");
        EXPECT_TRUE(exe) << "TidewellCmd.exe is not in the build on " << BuildDrive();
        exe_ = folder_.AddFile("TidewellCmd.exe", exe.value_or(""));
        // Stored as UTF-16, as the program stores its own settings: any name survives.
        ini_ = folder_.AddFile("tidewell.ini", Utf16File("[" + CurrentUserSectionPrefix() +
                                                         ".Options]\r\n" + options));
    }
    ChildProcessResult Run(const std::string& args, const std::string& input = "") const {
        return testing_support::RunChildProcess("\"" + exe_ + "\" " + args, input);
    }
    std::string Ini() const { return platform::ReadWholeFile(ini_).value_or(""); }
    std::string Log() const {
        return platform::ReadWholeFile(folder_.Path() + "tidewell.log").value_or("");
    }
    std::string Path() const { return folder_.Path(); }

  private:
    TempFolder folder_;
    std::string exe_, ini_;
};

TEST(TidewellCmd, RefusesBadArgumentsWithAMessage) {
    ProgramFolder program("");
    struct Case {
        const char* args;
        const char* says;
    };
    for (const Case& c : {Case{"", "no command"}, Case{"scrub", "unknown command 'scrub'"},
                          Case{"wash --level 9", "0 to 7"}, Case{"test --level=-1", "0 to 7"},
                          Case{"wash --frobnicate", "unknown option"},
                          Case{"list --only wlitWin_Clipboard", "list takes no"}}) {
        ChildProcessResult r = program.Run(c.args);
        ASSERT_TRUE(r.started);
        EXPECT_EQ(r.exitCode, 2u) << c.args;
        EXPECT_NE(r.errors.find(c.says), std::string::npos) << c.args << ": " << r.errors;
        EXPECT_EQ(r.output, "") << c.args;
    }
    ChildProcessResult help = program.Run("--help");
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_NE(help.output.find("Usage: TidewellCmd"), std::string::npos);
    EXPECT_NE(help.output.find("list    every wash object: identifier, name, selected, present"),
              std::string::npos);
}

TEST(TidewellCmd, OnlyRefusesUnknownAndUnwashableObjectsAndWashesNothing) {
    OneRunCommand run;
    ProgramFolder program("");
    const std::string iniBefore = program.Ini();
    ChildProcessResult r = program.Run("wash --yes --only wlitWin_Run_History,wlitNo_Such_Thing");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.errors.find("unknown object identifier 'wlitNo_Such_Thing'"), std::string::npos)
        << r.errors;
    EXPECT_TRUE(run.HasValue("a"));
    // Software that is not installed (no Opera folder): asked for by name, it is refused, not
    // skipped.
    TempFolder appData;
    testing_support::ScopedShellFolder roaming{"AppData", appData.Path()};
    r = program.Run("wash --yes --only wlitWin_Run_History,wlitOpera_Cache");
    EXPECT_EQ(r.exitCode, 2u);
    EXPECT_NE(r.errors.find("object 'wlitOpera_Cache' is not present on this computer"),
              std::string::npos)
        << r.errors;
    EXPECT_EQ(r.output, "");
    EXPECT_TRUE(run.HasValue("a"));
    EXPECT_EQ(program.Ini(), iniBefore);  // nothing ran: no wash time either
}

TEST(TidewellCmd, ListsEveryObjectAndLeavesTheSettingsAsTheyWere) {
    OneRunCommand run;
    ProgramFolder program(
        "wlitWin_Clipboard=1\r\nwlitIE_History=0\r\n"
        "[Objects]\r\nCount=1\r\n[Object_1]\r\nDisplayName=Büro ☂ Ελλάδα\r\nSelected=1\r\n");
    const std::string iniBefore = program.Ini();
    ChildProcessResult r = program.Run("list");
    ASSERT_EQ(r.exitCode, 0u) << r.errors;
    std::vector<std::string> lines = Lines(r.output);
    ASSERT_EQ(lines.size(), 1u + 82u + 1u) << r.output;  // header, built-in, one user object
    EXPECT_EQ(lines[0].rfind("IDENTIFIER", 0), 0u) << lines[0];
    auto fields = [](const std::string& line) {
        std::smatch m;
        std::regex_match(line, m, std::regex(R"((\S+)\s+(.*\S)\s+(yes|no)\s+(yes|no))"));
        return std::vector<std::string>{m[1], m[2], m[3], m[4]};
    };
    EXPECT_EQ(fields(lines[1])[0], "wlitIE_Visited_Typed_Urls");
    EXPECT_EQ(fields(lines[1 + wlitIE_History])[2], "no");
    EXPECT_EQ(fields(lines[1 + wlitWin_Clipboard])[2], "yes");
    EXPECT_EQ(fields(lines[1 + wlitWin_Run_History])[2], "yes");  // by default, and present
    EXPECT_EQ(fields(lines[1 + wlitWin_Run_History])[3], "yes");
    // Redirected output is UTF-8, whatever the code page.
    EXPECT_EQ(fields(lines[83]),
              (std::vector<std::string>{"user:1", "Büro ☂ Ελλάδα", "yes", "yes"}));
    // The selected column lines up under its header, counted in characters.
    const std::size_t selectedAt = lines[0].find("SELECTED");
    EXPECT_EQ(platform::Utf8ToWide(lines[83]).find(L"yes"), selectedAt) << lines[83];
    EXPECT_EQ(lines[1 + wlitIE_History].find("no "), selectedAt) << lines[1 + wlitIE_History];
    EXPECT_EQ(program.Ini(), iniBefore);
    // A listing changes nothing: with logging off (the default) not even the log is written;
    // with logging on it is opened and closed as the program does it.
    EXPECT_FALSE(platform::PathExists(program.Path() + "tidewell.log"));
    ProgramFolder logging("LogActivities=1\r\n");
    ASSERT_EQ(logging.Run("list").exitCode, 0u);
    EXPECT_NE(logging.Log().find("**** Tidewell started at "), std::string::npos);
    EXPECT_NE(logging.Log().find("**** Tidewell closed at "), std::string::npos);
}

// The "selected" and "present" columns of each object's line of "list", by identifier.
std::map<std::string, std::string> SelectedAndPresent(const std::string& listing) {
    std::map<std::string, std::string> columns;
    const std::regex line(R"((\S+)\s+.*\S\s+(yes|no)\s+(yes|no))");
    for (const std::string& text : Lines(listing)) {
        std::smatch m;
        if (std::regex_match(text, m, line))
            columns[m[1]] = std::string(m[2]) + "/" + std::string(m[3]);
    }
    return columns;
}

TEST(TidewellCmd, ListSaysWhichSoftwareIsInstalled) {
    TempFolder appData;
    testing_support::ScopedShellFolder roaming{"AppData", appData.Path()};
    ScopedRegistryKey office{RootKey::CurrentUser, "Software\\Microsoft\\Office"};
    ProgramFolder program(
        "wlitOpera_Cache=1\r\nwlitMS_Word=1\r\nwlitMS_Excel=1\r\nwlitWin_Clipboard=1\r\n");
    const std::string iniBefore = program.Ini();
    ChildProcessResult before = program.Run("list");
    ASSERT_EQ(before.exitCode, 0u) << before.errors;
    std::map<std::string, std::string> shown = SelectedAndPresent(before.output);
    ASSERT_EQ(shown.size(), 82u) << before.output;
    // Chosen in the settings, but not installed: neither selected nor present.
    EXPECT_EQ(shown["wlitOpera_Cache"], "no/no");
    EXPECT_EQ(shown["wlitOpera_Bookmarks"], "no/no");
    EXPECT_EQ(shown["wlitMS_Word"], "no/no");
    EXPECT_EQ(shown["wlitWin_Clipboard"], "yes/yes");
    EXPECT_EQ(shown["wlitWin_Log_Files"], "no/yes");

    appData.AddFolder("Opera\\profile");
    office.SetString("Pos", "1", "11.0\\Word\\Data");
    ChildProcessResult after = program.Run("list");
    ASSERT_EQ(after.exitCode, 0u) << after.errors;
    shown = SelectedAndPresent(after.output);
    EXPECT_EQ(shown["wlitOpera_Cache"], "yes/yes");
    EXPECT_EQ(shown["wlitOpera_Bookmarks"], "no/yes");  // installed, not chosen
    EXPECT_EQ(shown["wlitMS_Word"], "yes/yes");
    EXPECT_EQ(shown["wlitMS_Excel"], "no/no") << "Word's version has no Excel files";
    // Neither listing wrote the selection it found back to the settings.
    EXPECT_EQ(program.Ini(), iniBefore);
}

// The counted lines of a test listing (one per entry a wash would remove), by object header.
std::map<std::string, int> ListedEntries(const std::vector<std::string>& listing) {
    std::map<std::string, int> counts;
    std::string object;
    for (const std::string& line : listing) {
        if (line.rfind("**** ", 0) == 0)
            object = line;
        else if (!object.empty() && (line.rfind("DEL ", 0) == 0 || line.rfind("BLR ", 0) == 0 ||
                                     line.rfind("CLR ", 0) == 0))
            ++counts[object];
    }
    return counts;
}

// "... N items found to wash, total size B bytes (...)" / "... N items washed, total size ...".
std::pair<std::string, std::string> Totals(const std::string& line) {
    std::smatch m;
    std::regex_search(
        line, m, std::regex(R"((\d+) items (?:found to wash|washed), total size (\d+) bytes)"));
    return {m[1], m[2]};
}

TEST(TidewellCmd, AWashRemovesExactlyWhatTheTestRunListed) {
    const std::string explorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
    ScopedRegistryKey run(RootKey::CurrentUser, explorer + "RunMRU");
    run.SetString("a", "notepad C:\\diary.txt\\1");
    run.SetString("b", "cmd\\1");
    run.SetString("z", "not named by the list");
    run.SetString("MRUList", "ba");
    ScopedRegistryKey player(RootKey::CurrentUser, "Software\\Microsoft\\MediaPlayer\\Player");
    player.SetString("File0", "C:\\music\\a.mp3", "RecentFileList");
    player.SetString("File1", "C:\\music\\b.mp3", "RecentFileList");
    player.SetString("Url0", "http://radio.example/", "RecentURLList");
    const std::string temp = platform::WindowsFolder() + "Temp\\";
    const std::string planted = temp + "tidewell-cli-test\\";
    platform::CreateFolderTree(planted + "deeper\\");
    platform::WriteWholeFile(planted + "setup.tmp", std::string(3000, 'x'));
    platform::WriteWholeFile(planted + "deeper\\cache.bin", std::string(70000, 'y'));

    ProgramFolder program("LogActivities=1\r\nWashBlurMode=1\r\n");
    const std::string iniBefore = program.Ini();
    const std::string only =
        "--only wlitWin_Run_History,wlitWin_Media_Player,wlitWin_Temporary_Files";
    ChildProcessResult test = program.Run("test " + only);
    ASSERT_EQ(test.exitCode, 0u) << test.errors;
    std::vector<std::string> listing = Lines(test.output);
    ASSERT_GE(listing.size(), 10u);
    EXPECT_EQ(listing.front(), ">>>>");
    EXPECT_NE(listing[1].find("Wash Level \"2 #0 Overwrite & Delete\""), std::string::npos);
    EXPECT_EQ(listing[listing.size() - 2], "<<<<");
    const std::string& status = listing.back();
    EXPECT_EQ(status.rfind("Tidewell Test Run done, ", 0), 0u) << status;
    // The test run changed nothing and logged no wash lines.
    EXPECT_TRUE(run.HasValue("a"));
    EXPECT_TRUE(platform::FileExists(planted + "deeper\\cache.bin"));
    EXPECT_EQ(program.Log().find("Washing:"), std::string::npos);
    EXPECT_EQ(program.Ini(), iniBefore);  // a test run is no wash: no time is stored

    std::map<std::string, int> listed = ListedEntries(listing);
    EXPECT_EQ(listed["**** wlitWin_Run_History ****"], 3);  // b, a and the cleared MRUList
    EXPECT_EQ(listed["**** wlitWin_Media_Player ****"], 3);
    EXPECT_GE(listed["**** wlitWin_Temporary_Files ****"], 4);  // 2 files, 2 folders at least
    for (const std::string& line : listing) {
        if (line.rfind("BLR " + planted, 0) != 0)
            continue;
        EXPECT_TRUE(line.find(" 68 Kb") != std::string::npos ||
                    line.find(" 3 Kb") != std::string::npos ||
                    line.find(" 0 Kb (folder)") != std::string::npos)
            << line;
    }

    ChildProcessResult wash = program.Run("wash " + only);
    ASSERT_EQ(wash.exitCode, 0u) << wash.errors;
    std::vector<std::string> washed = Lines(wash.output);
    ASSERT_EQ(washed.size(), 4u) << wash.output;
    const std::regex objectLine(R"(\d\d:\d\d:\d\d Washing: (.+) \{(\d+)/[0-9.]+ [KMG]b\})");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(washed[0], m, objectLine)) << washed[0];
    EXPECT_EQ(m[1], "Windows Media Player History");
    EXPECT_EQ(m[2], "3");
    ASSERT_TRUE(std::regex_match(washed[1], m, objectLine)) << washed[1];
    EXPECT_EQ(m[1], "Windows Run History");
    EXPECT_EQ(m[2], "3");
    ASSERT_TRUE(std::regex_match(washed[2], m, objectLine)) << washed[2];
    EXPECT_EQ(m[1], "Windows Temporary Files");
    EXPECT_EQ(std::stoi(m[2]), listed["**** wlitWin_Temporary_Files ****"]);
    EXPECT_EQ(Totals(washed[3]), Totals(status)) << washed[3] << " / " << status;

    // What was listed is gone; what was not named stays.
    EXPECT_FALSE(run.HasValue("a"));
    EXPECT_FALSE(run.HasValue("b"));
    EXPECT_TRUE(run.HasValue("z"));
    EXPECT_FALSE(player.HasValue("File0", "RecentFileList"));
    EXPECT_FALSE(player.HasValue("Url0", "RecentURLList"));
    EXPECT_FALSE(platform::PathExists(planted));
    EXPECT_TRUE(platform::FolderExists(temp));
    // --only chose for this run: the settings file stays as it was.
    EXPECT_EQ(program.Ini(), iniBefore);
    // "Log Activities" is on: the same lines are in the log.
    const std::string log = program.Log();
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_NE(log.find(washed[i] + "\r\n"), std::string::npos) << washed[i];
}

TEST(TidewellCmd, LeavesTheLogWithoutWashLinesWhenLoggingIsOff) {
    OneRunCommand run;
    ProgramFolder program("LogActivities=0\r\n");
    ChildProcessResult wash = program.Run("wash --level 0 --only wlitWin_Run_History");
    ASSERT_EQ(wash.exitCode, 0u) << wash.errors;
    EXPECT_NE(wash.output.find(" Washing: Windows Run History {2/"), std::string::npos)
        << wash.output;
    EXPECT_FALSE(run.HasValue("a"));
    const std::string log = program.Log();
    EXPECT_NE(log.find("**** Tidewell started at "), std::string::npos);
    EXPECT_EQ(log.find("Washing:"), std::string::npos);
}

TEST(TidewellCmd, LevelChoosesTheWashLevelForThisRunOnly) {
    ProgramFolder program("WashBlurMode=1\r\n");
    const std::string iniBefore = program.Ini();
    for (const auto& [args, level] :
         {std::pair<const char*, const char*>{"", "2 #0 Overwrite & Delete"},
          {"--level 3", "3M US DoD, NSA Overwrite & Delete"},
          {"--level=7", "4H Secure Deletion, Dr Gutmann full 39 steps"}}) {
        ChildProcessResult r = program.Run(std::string("test --only wlitWin_Clipboard ") + args);
        ASSERT_EQ(r.exitCode, 0u) << args << ": " << r.errors;
        std::vector<std::string> listing = Lines(r.output);
        ASSERT_GE(listing.size(), 2u) << r.output;
        EXPECT_NE(listing[1].find("(Wash Level \"" + std::string(level) + "\")"), std::string::npos)
            << args << ": " << listing[1];
    }
    EXPECT_EQ(program.Ini(), iniBefore);  // the saved level stays
}

TEST(TidewellCmd, AWashLeavesTheSettingsFileAsItWas) {
    OneRunCommand run;
    ProgramFolder program("LngID=44\r\nUnknownKey=kept\r\n[Objects]\r\nCount=0\r\n");
    const std::string iniBefore = program.Ini();
    ChildProcessResult r = program.Run("wash --only wlitWin_Run_History");
    ASSERT_EQ(r.exitCode, 0u) << r.errors;
    EXPECT_FALSE(run.HasValue("a"));
    EXPECT_EQ(program.Ini(), iniBefore);

    // A wash with no object selected washes nothing.
    std::string noneSelected;
    for (int type = 0; type < kBuiltInTypeCount; ++type)
        noneSelected +=
            std::string(TypeInfo(static_cast<TWashListItemType>(type)).identifier) + "=0\r\n";
    ProgramFolder idle(noneSelected);
    const std::string idleBefore = idle.Ini();
    r = idle.Run("wash --yes");
    EXPECT_EQ(r.exitCode, 0u) << r.errors;
    EXPECT_NE(r.errors.find("no wash object is selected"), std::string::npos) << r.errors;
    EXPECT_EQ(idle.Ini(), idleBefore);
}

// A user object that asks before each file: without --yes and with no console input every
// question is cancelled, so nothing goes; with --yes everything does.
TEST(TidewellCmd, WithoutYesAnUnansweredConfirmationRemovesNothing) {
    TempFolder scratch;
    const std::string first = scratch.AddFile("first.tmp", "one");
    const std::string second = scratch.AddFile("second.tmp", "two");
    ProgramFolder program(
        "[Objects]\r\nCount=1\r\n[Object_1]\r\nDisplayName=Scratch\r\n"
        "Selected=1\r\nFolder=" +
        platform::WithoutTrailingBackslash(scratch.Path()) +
        "\r\nFileList=Scratch files^*.tmp|\r\nPromptOnDelete=1\r\n");
    ChildProcessResult r = program.Run("wash --only user:1");
    if (r.exitCode == 2u && r.errors.find("cannot be washed yet") != std::string::npos)
        GTEST_SKIP() << "user objects have no washer in this build: " << r.errors;
    ASSERT_EQ(r.exitCode, 0u) << r.errors;
    EXPECT_NE(r.errors.find("no answer: cancelled"), std::string::npos) << r.errors;
    EXPECT_TRUE(platform::FileExists(first));
    EXPECT_TRUE(platform::FileExists(second));

    r = program.Run("wash --yes --only user:1");
    ASSERT_EQ(r.exitCode, 0u) << r.errors;
    EXPECT_EQ(r.errors.find("no answer"), std::string::npos) << r.errors;
    EXPECT_FALSE(platform::FileExists(first));
    EXPECT_FALSE(platform::FileExists(second));
}

// The Microsoft application objects, two Office versions installed: the wash removes for each
// object as many entries as the test run listed, and the totals match.
TEST(TidewellCmd, MicrosoftAppObjectsWashWhatTheirTestRunListed) {
    const std::pair<const char*, const char*> objects[] = {
        {"wlitMS_Download_Folder", "MS Download Folder"},
        {"wlitMS_HTML_Help_History", "MS HTML Help History"},
        {"wlitMS_Imaging_History", "MS Imaging History"},
        {"wlitMS_Netmeeting_History", "MS Netmeeting History"},
        {"wlitMS_Paint_History", "MS Paint History"},
        {"wlitMS_Scandisk_Log", "MS Scandisk Log"},
        {"wlitMS_WordPad_History", "MS WordPad History"},
        {"wlitMS_Office", "MS Office"},
        {"wlitMS_Access", "MS Access"},
        {"wlitMS_Excel", "MS Excel"},
        {"wlitMS_FrontPage", "MS FrontPage"},
        {"wlitMS_InfoPath", "MS InfoPath"},
        {"wlitMS_Photo_Editor", "MS Photo Editor"},
        {"wlitMS_PowerPoint", "MS PowerPoint"},
        {"wlitMS_Publisher", "MS Publisher"},
        {"wlitMS_Visio", "MS Visio"},
        {"wlitMS_Word", "MS Word"},
    };
    const std::string applets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
    TempFolder downloads, appData;
    downloads.AddFile("setup.cab", "cab");
    downloads.AddFile("sub\\setup.inf", "inf");
    ScopedRegistryKey downloadKey(RootKey::LocalMachine,
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                  "VolumeCaches\\Active Setup Temp Folders");
    downloadKey.SetString("Folder", downloads.Path() + "|?:\\msdownld.tmp");
    appData.AddFile("Microsoft\\HTML Help\\hh.dat", "help");
    appData.AddFile("Microsoft\\Office\\Recent\\plan.xls.lnk", "link");
    testing_support::ScopedShellFolder shell("AppData", appData.Path());
    ScopedRegistryKey kodak(RootKey::CurrentUser, "Software\\Kodak");
    kodak.SetString("File1", "C:\\scan.tif", "Imaging\\Recent File List");
    ScopedRegistryKey paint(RootKey::CurrentUser, applets + "Paint");
    paint.SetString("File1", "C:\\a.bmp", "Recent File List");
    paint.SetString("File2", "C:\\b.bmp", "Recent File List");
    ScopedRegistryKey wordPad(RootKey::CurrentUser, applets + "WordPad");
    wordPad.SetString("File1", "C:\\letter.rtf", "Recent File List");
    ScopedRegistryKey calls(RootKey::CurrentUser, "Software\\Microsoft\\Conferencing");
    calls.SetString("Name0", "alice", "UI\\CallMRU");
    const std::string scandisk = platform::WindowsFolder().substr(0, 3) + "scandisk.log";
    platform::WriteWholeFile(scandisk, "scan results");
    ScopedRegistryKey recentDocs(
        RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs");
    recentDocs.SetBinary("0", "plan.xls");
    ScopedRegistryKey office(RootKey::CurrentUser, "Software\\Microsoft\\Office");
    for (const std::string version : {"11.0", "12.0"}) {
        office.SetString("MRU1", "C:\\" + version + ".mdb", version + "\\Access\\Settings");
        office.SetDword("MRUFlags1", 0, version + "\\Access\\Settings");
        office.SetString("File1", "C:\\a.xls", version + "\\Excel\\Recent File List");
        office.SetString("File2", "C:\\b.xls", version + "\\Excel\\Recent File List");
        office.SetString("a", "C:\\form.xsn", version + "\\InfoPath\\Recent File List");
        office.SetString("a", "C:\\t.xsn", version + "\\InfoPath\\Recent Templates");
        office.SetString("File1", "C:\\talk.ppt", version + "\\PowerPoint\\Recent File List");
        office.SetString("File1", "C:\\card.pub", version + "\\Publisher\\Recent File List");
        office.SetString("LastFile1", "C:\\floor.vsd", version + "\\Visio\\Application");
        office.SetBinary("Settings", "word settings", version + "\\Word\\Data");
    }
    ScopedRegistryKey frontPage(RootKey::CurrentUser, "Software\\Microsoft\\FrontPage");
    frontPage.SetString("a", "C:\\web", "Explorer\\FrontPage Explorer\\Recent Web List");
    ScopedRegistryKey photoEditor(RootKey::CurrentUser, "Software\\Microsoft\\Photo Editor");
    photoEditor.SetString("LastFile1", "C:\\p.jpg", "3.0\\Microsoft Photo Editor");
    photoEditor.SetString("LastType1", "JPEG", "3.0\\Microsoft Photo Editor");

    ProgramFolder program("LogActivities=1\r\nWashBlurMode=1\r\n");
    std::string only = "--only ";
    for (const auto& object : objects)
        only += std::string(object.first) + (&object == std::end(objects) - 1 ? "" : ",");
    ChildProcessResult test = program.Run("test " + only);
    ASSERT_EQ(test.exitCode, 0u) << test.errors;
    std::vector<std::string> listing = Lines(test.output);
    ASSERT_GE(listing.size(), 2u);
    std::map<std::string, int> listed = ListedEntries(listing);
    EXPECT_TRUE(office.HasValue("File1", "12.0\\Excel\\Recent File List"));  // nothing changed

    ChildProcessResult wash = program.Run("wash " + only);
    ASSERT_EQ(wash.exitCode, 0u) << wash.errors;
    std::vector<std::string> washed = Lines(wash.output);
    ASSERT_EQ(washed.size(), std::size(objects) + 1) << wash.output;
    const std::regex objectLine(R"(\d\d:\d\d:\d\d Washing: (.+) \{(\d+)/[0-9.]+ [KMG]b\})");
    for (std::size_t i = 0; i < std::size(objects); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(washed[i], m, objectLine)) << washed[i];
        EXPECT_EQ(m[1], objects[i].second);
        const int expected = listed[std::string("**** ") + objects[i].first + " ****"];
        EXPECT_EQ(std::stoi(m[2]), expected) << objects[i].first;
        EXPECT_GT(expected, 0) << objects[i].first << " found nothing to wash";
    }
    EXPECT_EQ(Totals(washed.back()), Totals(listing.back()));
    EXPECT_EQ(listed["**** wlitMS_Excel ****"], 4);   // two values in each version
    EXPECT_EQ(listed["**** wlitMS_Access ****"], 2);  // one pair in each version
    EXPECT_FALSE(office.HasValue("File2", "11.0\\Excel\\Recent File List"));
    EXPECT_FALSE(photoEditor.HasValue("LastType1", "3.0\\Microsoft Photo Editor"));
    EXPECT_FALSE(downloads.Exists("setup.cab"));
    EXPECT_TRUE(platform::FileExists(scandisk));  // cleared, not deleted
    platform::DeleteFileAt(scandisk);
}

}  // namespace
