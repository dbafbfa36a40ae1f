// The Microsoft tool washers against real keys and files of the Wine prefix: the download
// folder and its safety, the small history files, the numbered lists, and WordPad itself
// writing the list it washes.
#include <windows.h>

#include <gtest/gtest.h>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"
#include "washers/washer_harness.h"

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

constexpr RootKey kUser = RootKey::CurrentUser;
const std::string kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::string kDownloadKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\Active Setup Temp "
    "Folders";

std::function<std::string()> KeyState(const ScopedRegistryKey& key) {
    return [&key] { return RegistryState(key.Root(), key.Path()); };
}

bool Mentions(const std::vector<std::string>& lines, const std::string& text) {
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

// Overwriting levels clear a file to length 0; "1 Delete" would leave it as it is.
ShredSettings ZerosLevel() {
    ShredSettings shred;
    shred.WashMode = 2;
    return shred;
}

// The machine-wide download folder value for one test.
struct DownloadFolderValue : ScopedRegistryValue {
    explicit DownloadFolderValue(const std::string& text)
        : ScopedRegistryValue(RootKey::LocalMachine, kDownloadKey, "Folder") {
        SetString(text);
    }
};

}  // namespace

TEST(DownloadFolder, EmptiesTheFolderTheValueNamesWithItsSubfoldersAndKeepsIt) {
    TempFolder downloads;
    downloads.AddFile("setup.cab", "12345");
    downloads.AddFile("component\\setup.inf", "12");
    TempFolder other;
    other.AddFile("other drive.cab", "stays");
    // What follows "|" names the other drives' folders; one trailing backslash is dropped.
    DownloadFolderValue value(downloads.Path() + "|" +
                              platform::WithoutTrailingBackslash(other.Path()));
    WasherRunner runner;
    TwoRuns runs =
        TestThenWash(runner, wlitMS_Download_Folder, [&] { return FolderState(downloads.Path()); });
    EXPECT_EQ(runs.real.entries, "3/0.01 Kb");  // two files and the emptied subfolder
    EXPECT_EQ(FolderState(downloads.Path()), "");
    EXPECT_TRUE(platform::FolderExists(downloads.Path()));
    EXPECT_TRUE(other.Exists("other drive.cab"));
}

// The value comes from the machine's registry and names a folder emptied with everything in
// it: a drive root, the Windows, system or profile folder is never washed, however spelled.
TEST(DownloadFolder, AValueNamingADriveRootOrASystemFolderWashesNothingAndIsLogged) {
    ScopedFiles files;
    files.AddFile("C:\\tidewell-download-probe.txt", "stays");
    const std::string windows = platform::WindowsFolder();
    const std::string profile =
        platform::WithTrailingBackslash(platform::EnvironmentVariable("USERPROFILE"));
    ASSERT_GT(profile.size(), 3u);
    struct Case {
        std::string value;
        bool realWash;  // refused before any walk starts, so a real wash is safe to try
    };
    const Case cases[] = {
        {"C:\\", true},
        {"C:\\|?:\\msdownld.tmp", true},
        {"C:", true},
        {"c:\\|", true},
        {"C:\\\\", true},
        {"msdownld.tmp", true},
        {"?:\\msdownld.tmp|C:\\", true},
        {"C:\\.\\", false},
        {"C:\\windows\\..\\", false},
        {windows, false},
        {platform::WithoutTrailingBackslash(windows) + "|?:\\msdownld.tmp", false},
        {platform::SystemFolder(), false},
        {profile, false},
        {"\\\\?\\C:\\", false},
    };
    WasherRunner runner;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        DownloadFolderValue value(c.value);
        WashOutcome test = runner.Run(wlitMS_Download_Folder, true);
        ASSERT_EQ(test.count, 0u);
        ASSERT_EQ(test.entries, "0/0 Kb");
        for (const std::string& line : test.lines)
            EXPECT_EQ(line.rfind("Refused to wash ", 0), 0u) << line;
        if (c.value.find("\\\\?\\") != 0) {
            EXPECT_TRUE(Mentions(test.lines, "Refused to wash "));
            EXPECT_NE(test.log.find("Refused to wash "), std::string::npos) << test.log;
        }
        if (c.realWash) {
            WashOutcome real = runner.Run(wlitMS_Download_Folder, false);
            EXPECT_EQ(real.count, 0u);
            EXPECT_NE(real.log.find("Refused to wash the download folder"), std::string::npos);
        }
    }
    EXPECT_TRUE(platform::FileExists("C:\\tidewell-download-probe.txt"));
    EXPECT_TRUE(platform::FolderExists(windows + "system32\\"));
}

// A link never leads the wash elsewhere.
TEST(DownloadFolder, AValueNamingALinkWashesNothingAndIsLogged) {
    TempFolder target;
    target.AddFile("precious.doc", "keep me");
    target.AddFile("sub\\more.doc", "keep me too");
    TempFolder holder;
    const std::string link = holder.Path() + "downloads";
    testing_support::ScopedUnixSymlink symlink(target.Path(), link);
    ASSERT_TRUE(symlink.Made());
    WasherRunner runner;
    for (const std::string& folder : {link, link + "\\|?:\\msdownld.tmp"}) {
        SCOPED_TRACE(folder);
        DownloadFolderValue value(folder);
        WashOutcome test = runner.Run(wlitMS_Download_Folder, true);
        ASSERT_EQ(test.count, 0u);
        EXPECT_TRUE(Mentions(test.lines, "Refused to wash ")) << test.log;
        WashOutcome real = runner.Run(wlitMS_Download_Folder, false);
        EXPECT_EQ(real.count, 0u);
        EXPECT_NE(real.log.find("Refused to wash "), std::string::npos) << real.log;
    }
    EXPECT_EQ(FolderState(target.Path()), "precious.doc 7\nsub\\\n  more.doc 11\n");
}

TEST(DownloadFolder, AMissingValueOrFolderWashesNothingSilently) {
    WasherRunner runner;
    {
        DownloadFolderValue value("C:\\tidewell no such folder\\|?:\\msdownld.tmp");
        WashOutcome real = runner.Run(wlitMS_Download_Folder, false);
        EXPECT_EQ(real.entries, "0/0 Kb");
        EXPECT_EQ(real.lines, Lines{});
        value.Remove();
        real = runner.Run(wlitMS_Download_Folder, false);
        EXPECT_EQ(real.entries, "0/0 Kb");
        EXPECT_EQ(real.log.find("Refused"), std::string::npos);
    }
}

// HTML Help's and NetMeeting's history files are cleared, not deleted; NetMeeting's calls go.
TEST(ToolHistories, HtmlHelpAndNetMeetingClearTheirFilesInPlace) {
    TempFolder appData;
    appData.AddFile("Microsoft\\HTML Help\\hh.dat", "help history");
    appData.AddFile("Microsoft\\HTML Help\\other.dat", "stays");
    appData.AddFile("Microsoft\\HTML Help\\sub\\hh.dat", "not entered");
    ScopedShellFolder shell("AppData", appData.Path());
    TempFolder programFiles;
    programFiles.AddFile("NetMeeting\\calllog.dat", "call log");
    programFiles.AddFile("NetMeeting\\conf.exe", "stays");
    ScopedRegistryValue programFilesDir(
        RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    programFilesDir.SetString(platform::WithoutTrailingBackslash(programFiles.Path()));
    ScopedRegistryKey calls(kUser, "Software\\Microsoft\\Conferencing\\UI\\CallMRU");
    calls.SetString("Name0", "alice");
    calls.SetString("Addr0", "10.0.0.7");
    calls.SetString("x", "stays", "sub");

    WasherRunner runner;
    runner.shred = ZerosLevel();
    TwoRuns help =
        TestThenWash(runner, wlitMS_HTML_Help_History, [&] { return FolderState(appData.Path()); });
    EXPECT_EQ(help.real.count, 1u);
    EXPECT_EQ(platform::FileSize(appData.Path() + "Microsoft\\HTML Help\\hh.dat"), 0u);
    EXPECT_EQ(platform::FileSize(appData.Path() + "Microsoft\\HTML Help\\other.dat"), 5u);
    EXPECT_EQ(platform::FileSize(appData.Path() + "Microsoft\\HTML Help\\sub\\hh.dat"), 11u);

    TwoRuns meeting = TestThenWash(runner, wlitMS_Netmeeting_History, [&] {
        return RegistryState(calls.Root(), calls.Path()) + FolderState(programFiles.Path());
    });
    EXPECT_EQ(meeting.real.count, 3u);  // two values and the call log
    EXPECT_FALSE(calls.HasValue("Name0"));
    EXPECT_FALSE(calls.HasValue("Addr0"));
    EXPECT_TRUE(calls.HasValue("x", "sub"));
    EXPECT_EQ(platform::FileSize(programFiles.Path() + "NetMeeting\\calllog.dat"), 0u);
    EXPECT_TRUE(programFiles.Exists("NetMeeting\\conf.exe"));
}

TEST(ToolHistories, ScandiskLogStaysEmptiedInTheRootOfTheWindowsDrive) {
    const std::string root = platform::WindowsFolder().substr(0, 3);
    ScopedFiles files;
    files.AddFile(root + "scandisk.log", "surface scan results");
    files.AddFile(root + "scandisk.txt", "stays");
    files.AddFile(root + "tidewell-scandisk\\scandisk.log", "not entered");
    WasherRunner runner;
    runner.shred = ZerosLevel();
    TwoRuns runs =
        TestThenWash(runner, wlitMS_Scandisk_Log, [&] { return PathsState(files.Made()); });
    EXPECT_EQ(runs.test.lines, Lines{"BLR " + root + "scandisk.log " + FormatSizeText(20)});
    EXPECT_EQ(runs.real.count, 1u);
    EXPECT_EQ(platform::FileSize(root + "scandisk.log"), 0u);
    EXPECT_EQ(platform::FileSize(root + "scandisk.txt"), 5u);
    EXPECT_EQ(platform::FileSize(root + "tidewell-scandisk\\scandisk.log"), 11u);
}

// The tools' numbered lists count from File1: File0 and values after a gap stay.
TEST(ToolHistories, NumberedListsAreWashedFromFile1ToTheFirstGap) {
    const struct {
        TWashListItemType type;
        std::string key;
    } lists[] = {
        {wlitMS_Imaging_History, "Software\\Kodak\\Imaging\\Recent File List"},
        {wlitMS_Paint_History, kApplets + "Paint\\Recent File List"},
        {wlitMS_WordPad_History, kApplets + "WordPad\\Recent File List"},
    };
    for (const auto& list : lists) {
        SCOPED_TRACE(list.key);
        ScopedRegistryKey key(kUser, list.key);
        key.SetString("File0", "C:\\zero.bmp");
        key.SetString("File1", "C:\\one.bmp");
        key.SetString("File2", "C:\\two.bmp");
        key.SetString("File4", "C:\\four.bmp");
        WasherRunner runner;
        TwoRuns runs = TestThenWash(runner, list.type, KeyState(key));
        const std::string path = "HKCU\\" + list.key + "\\";
        EXPECT_EQ(runs.test.lines, (Lines{"DEL " + path + "File1 \"C:\\one.bmp\" " +
                                              FormatSizeText(StringValueSize("C:\\one.bmp")),
                                          "DEL " + path + "File2 \"C:\\two.bmp\" " +
                                              FormatSizeText(StringValueSize("C:\\two.bmp"))}));
        EXPECT_EQ(runs.real.entries, "2/" + FormatSizeText(2 * StringValueSize("C:\\one.bmp")));
        EXPECT_FALSE(key.HasValue("File1"));
        EXPECT_FALSE(key.HasValue("File2"));
        EXPECT_TRUE(key.HasValue("File0"));
        EXPECT_TRUE(key.HasValue("File4"));
    }
}

namespace {

const char kWordPad[] = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";

struct FindWindowOf {
    DWORD process;
    HWND found;
};

BOOL CALLBACK TakeVisibleWindowOf(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<FindWindowOf*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

// Starts WordPad (with a file to open, or none), waits for its window, closes it as a user
// would and waits for it to end. True when it started, showed its window and ended.
bool RunWordPad(const std::string& file) {
    std::wstring commandLine = platform::Utf8ToWide(std::string("\"") + kWordPad + "\"" +
                                                    (file.empty() ? "" : " \"" + file + "\""));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    FindWindowOf search{info.dwProcessId, nullptr};
    for (int tries = 0; tries < 300 && !search.found; ++tries) {
        Sleep(100);
        EnumWindows(TakeVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    }
    if (search.found)
        PostMessageW(search.found, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return search.found && ended;
}

}  // namespace

// Wine's WordPad writes its recent-file list itself; the washer empties what it wrote, and
// WordPad starts cleanly afterwards with an empty list.
TEST(WordPadHistory, EmptiesTheListWordPadWroteAndWordPadStartsCleanlyAfterwards) {
    ASSERT_TRUE(platform::FileExists(kWordPad));
    ScopedRegistryKey wordPad(kUser, kApplets + "Wordpad");
    TempFolder documents;
    const std::string letter = documents.AddFile("letter.txt", "Dear reader");
    const std::string notes = documents.AddFile("notes.txt", "Remember");
    ASSERT_TRUE(RunWordPad(letter));
    ASSERT_TRUE(RunWordPad(notes));
    const std::string list = "Recent File List";
    ASSERT_TRUE(wordPad.HasValue("File1", list));
    ASSERT_TRUE(wordPad.HasValue("File2", list));
    const std::string listPath = wordPad.Path() + "\\" + list;
    auto text = [&](const char* name) {
        auto value = platform::RegistryKey::Open(kUser, listPath).Read(name);
        return value ? value->AsString() : std::string();
    };
    EXPECT_NE(text("File1").find("notes.txt"), std::string::npos) << text("File1");
    EXPECT_NE(text("File2").find("letter.txt"), std::string::npos) << text("File2");

    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitMS_WordPad_History, KeyState(wordPad));
    EXPECT_GE(runs.real.count, 2u);
    EXPECT_TRUE(Mentions(runs.test.lines, "notes.txt"));
    for (const char* gone : {"File1", "File2", "File3", "File4"})
        EXPECT_FALSE(wordPad.HasValue(gone, list)) << gone;

    ASSERT_TRUE(RunWordPad(""));
    EXPECT_FALSE(wordPad.HasValue("File1", list));
    EXPECT_TRUE(documents.Exists("letter.txt"));  // the documents themselves are not touched
    EXPECT_EQ(platform::ReadWholeFile(notes).value_or(""), "Remember");
}
