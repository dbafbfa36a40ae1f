// The Windows file and system washers against real files in the prefix's Windows folder and
// real keys of its registry. Every file a test puts into the Windows folder goes again.
#include <windows.h>

#include <gtest/gtest.h>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/scoped_registry_key.h"
#include "washers/washer_harness.h"

using testing_support::ScopedRegistryKey;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

const std::string& Windows() {
    static const std::string folder = platform::WindowsFolder();
    return folder;
}

}  // namespace

// Four washers empty a folder of the Windows folder, its subfolders too, and keep the folder.
TEST(WindowsSubfolders, AreEmptiedWholeAndKept) {
    const struct {
        TWashListItemType type;
        const char* folder;
        const char* title;
    } washers[] = {
        {wlitWin_Application_Logs, "AppLog\\", " Washing: Windows Application Logs"},
        {wlitWin_Downloaded_Installations, "Downloaded Installations\\",
         " Washing: Windows Downloaded Installations"},
        {wlitWin_Temporary_Files, "Temp\\", " Washing: Windows Temporary Files"},
        {wlitWin_XP_Prefetch_Folder, "Prefetch\\", " Washing: Windows XP Prefetch Folder"},
    };
    for (const auto& washer : washers) {
        SCOPED_TRACE(washer.folder);
        const std::string folder = Windows() + washer.folder;
        ScopedFiles files;
        files.AddFile(folder + "a.txt", "12345");
        files.AddFile(folder + "tidewell-sub\\b.pf", "12");
        files.AddFile(folder + "tidewell-sub\\deeper\\c", "1");
        WasherRunner runner;
        TwoRuns runs = TestThenWash(runner, washer.type, [&] { return FolderState(folder); });
        EXPECT_EQ(runs.test.lines.at(0), "BLR " + folder + "tidewell-sub\\deeper\\c 0.00 Kb");
        EXPECT_EQ(runs.real.entries, "5/0.01 Kb");  // three files, two folders
        EXPECT_EQ(runs.real.log.substr(8), std::string(washer.title) + " {5/0.01 Kb}\r\n");
        EXPECT_TRUE(platform::FolderExists(folder));
        EXPECT_EQ(FolderState(folder), "");
    }
}

TEST(LogFiles, WashTheWindowsFolderLogsButSpareTheTwoNamedOnes) {
    const std::string& w = Windows();
    const std::string wbem = platform::SystemFolder() + "wbem\\logs\\";
    ScopedFiles files;
    files.AddFile(w + "tidewell-setup.log", "1234");
    files.AddFile(w + "sti_trace.log");
    files.AddFile(w + "tidewell-setuplog.txt");
    files.AddFile(w + "schedlog.txt");
    files.AddFile(w + "tidewell-oldlog.bak");
    files.AddFile(w + "tidewell-notes.txt");
    files.AddFile(w + "tidewell-report.logfile");  // found by its short name only
    files.AddFile(w + "tidewell-folder.log\\inside.log");
    files.AddFile(wbem + "wbemcore.log", "12");
    files.AddFile(wbem + "old\\wmiprov.txt");
    auto state = [&] { return PathsState(files.Made()); };
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Log_Files, state);
    EXPECT_EQ(runs.test.lines, (Lines{
                                   "BLR " + w + "tidewell-setup.log 0.00 Kb",
                                   "BLR " + w + "tidewell-setuplog.txt 0.00 Kb",
                                   "BLR " + w + "tidewell-oldlog.bak 0.00 Kb",
                                   "BLR " + wbem + "old\\wmiprov.txt 0.00 Kb",
                                   "BLR " + wbem + "old\\ 0 Kb (folder)",
                                   "BLR " + wbem + "wbemcore.log 0.00 Kb",
                               }));
    EXPECT_EQ(runs.real.entries, "6/0.01 Kb");
    for (const char* gone : {"tidewell-setup.log", "tidewell-setuplog.txt", "tidewell-oldlog.bak"})
        EXPECT_FALSE(platform::PathExists(w + gone)) << gone;
    for (const char* kept : {"sti_trace.log", "schedlog.txt", "tidewell-notes.txt",
                             "tidewell-report.logfile", "tidewell-folder.log\\inside.log"})
        EXPECT_TRUE(platform::PathExists(w + kept)) << kept;
    EXPECT_TRUE(platform::FolderExists(wbem));
    EXPECT_EQ(FolderState(wbem), "");
}

TEST(LogFiles, ACancelDuringTheFirstStepSkipsTheOtherThree) {
    const std::string& w = Windows();
    const std::string wbem = platform::SystemFolder() + "wbem\\logs\\";
    ScopedFiles files;
    files.AddFile(w + "tidewell-a.log");
    files.AddFile(w + "tidewell-b.log");
    files.AddFile(w + "tidewell-setuplog.txt");
    files.AddFile(w + "tidewell-oldlog.bak");
    files.AddFile(wbem + "wbemcore.log");
    WasherRunner runner;
    runner.view.onProcessMessages = [&] { runner.ctx.KeepWashing = false; };  // Stop pressed
    WashOutcome real = runner.Run(wlitWin_Log_Files, false);
    EXPECT_EQ(real.entries, "1/0.00 Kb");
    EXPECT_FALSE(platform::PathExists(w + "tidewell-a.log"));
    for (const std::string& kept : {w + "tidewell-b.log", w + "tidewell-setuplog.txt",
                                    w + "tidewell-oldlog.bak", wbem + "wbemcore.log"})
        EXPECT_TRUE(platform::PathExists(kept)) << kept;
}

TEST(TmpFiles, WashOnlyTmpFilesOfTheWindowsFolderItself) {
    const std::string& w = Windows();
    ScopedFiles files;
    files.AddFile(w + "tidewell-a.tmp", "123");
    files.AddFile(w + "tidewell-x.tmp\\inside.tmp");  // a folder so named
    files.AddFile(w + "tidewell-b.tmpfile");          // matched by its short name only
    files.AddFile(w + "tidewell-sub\\c.tmp");
    WasherRunner runner;
    TwoRuns runs =
        TestThenWash(runner, wlitWin_Tmp_Files, [&] { return PathsState(files.Made()); });
    EXPECT_EQ(runs.test.lines, (Lines{"BLR " + w + "tidewell-a.tmp 0.00 Kb"}));
    EXPECT_EQ(runs.real.lines, (Lines{Progress("Blurring ", w + "tidewell-a.tmp")}));
    EXPECT_EQ(runs.real.entries, "1/0.00 Kb");
    EXPECT_FALSE(platform::PathExists(w + "tidewell-a.tmp"));
    EXPECT_TRUE(platform::PathExists(w + "tidewell-x.tmp\\inside.tmp"));
    EXPECT_TRUE(platform::PathExists(w + "tidewell-b.tmpfile"));
    EXPECT_TRUE(platform::PathExists(w + "tidewell-sub\\c.tmp"));
}

TEST(Clipboard, IsEmptiedAndCountsNothing) {
    ASSERT_TRUE(platform::PutTextOnClipboard("secret"));
    WasherRunner runner;
    WashOutcome test = runner.Run(wlitWin_Clipboard, true);
    EXPECT_EQ(test.lines, (Lines{"BLR Clipboard"}));
    EXPECT_EQ(test.entries, "0/0 Kb");
    EXPECT_GT(platform::ClipboardFormatCount(), 0);  // the test run leaves it
    WashOutcome real = runner.Run(wlitWin_Clipboard, false);
    EXPECT_EQ(real.lines, (Lines{"Blurring Clipboard"}));
    EXPECT_EQ(real.entries, "0/0 Kb");
    EXPECT_EQ(real.log.substr(8), " Washing: Windows Clipboard {0/0 Kb}\r\n");
    EXPECT_EQ(platform::ClipboardFormatCount(), 0);
}

namespace {

const char kWinlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const char kPolicies[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

struct PlatformIdScope {
    explicit PlatformIdScope(platform::PlatformId id) { platform::OverridePlatformIdForTests(id); }
    ~PlatformIdScope() { platform::OverridePlatformIdForTests(std::nullopt); }
};

}  // namespace

TEST(LastLoggedOnUser, ClearsTheNameAndHidesItOnWindowsNt) {
    ScopedRegistryValue name(RootKey::LocalMachine, kWinlogon, "DefaultUserName");
    ScopedRegistryValue hide(RootKey::LocalMachine, kPolicies, "DontDisplayLastUserName");
    name.SetString("alice");
    hide.SetDword(0);
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Last_Logged_On_User, [&] {
        return name.String().value_or("-") + std::to_string(hide.Dword().value_or(9));
    });
    EXPECT_EQ(runs.test.lines, (Lines{
                                   "CLR Windows Last Logged On User \"alice\" 0.00 Kb",
                                   "CLR Windows Last Logged On User",
                               }));
    EXPECT_EQ(runs.real.lines, (Lines{
                                   "Clearing Windows Last Logged On User",
                                   "Clearing Windows Last Logged On User",
                               }));
    EXPECT_EQ(runs.test.testBytes, 5u + 4u);
    EXPECT_EQ(runs.real.entries, "2/0.01 Kb");
    EXPECT_EQ(name.String(), "");
    EXPECT_EQ(hide.Dword(), 1u);
}

// An empty or missing name is still the name that is cleared: one entry of 0 bytes.
TEST(LastLoggedOnUser, AnEmptyOrMissingNameIsStillClearedAndCountedAsOneEntry) {
    ScopedRegistryValue name(RootKey::LocalMachine, kWinlogon, "DefaultUserName");
    ScopedRegistryValue hide(RootKey::LocalMachine, kPolicies, "DontDisplayLastUserName");
    name.SetString("");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Last_Logged_On_User, [&] {
        return name.String().value_or("-") + std::to_string(hide.Dword().value_or(9));
    });
    EXPECT_EQ(runs.test.lines.at(0), "CLR Windows Last Logged On User \"\" 0 Kb");
    EXPECT_EQ(runs.test.testCount, 2u);
    EXPECT_EQ(runs.real.count, 2u);
    EXPECT_EQ(runs.real.bytes, 4u);  // the name 0, the setting 4

    name.Remove();
    WashOutcome real = runner.Run(wlitWin_Last_Logged_On_User, false);
    EXPECT_EQ(real.count, 2u);
    EXPECT_EQ(real.bytes, 4u);
    EXPECT_EQ(name.String(), "");  // written as the empty name
    EXPECT_EQ(hide.Dword(), 1u);
}

// The Windows 9x name too.
TEST(LastLoggedOnUser, AnEmptyLogonNameOnWindows9xIsOneEntry) {
    PlatformIdScope windows9x(platform::PlatformId::Windows9x);
    ScopedRegistryKey logon(RootKey::LocalMachine, "Network\\Logon");
    WasherRunner runner;
    WashOutcome real = runner.Run(wlitWin_Last_Logged_On_User, false);
    EXPECT_EQ(real.entries, "1/0 Kb");
    EXPECT_EQ(logon.Open().Read("Username")->AsString(), "");
}

TEST(LastLoggedOnUser, ClearsTheLogonNameOnWindows9x) {
    PlatformIdScope windows9x(platform::PlatformId::Windows9x);
    ScopedRegistryKey logon(RootKey::LocalMachine, "Network\\Logon");
    logon.SetString("Username", "bob");
    ScopedRegistryValue name(RootKey::LocalMachine, kWinlogon, "DefaultUserName");
    name.SetString("alice");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_Last_Logged_On_User,
                                [&] { return RegistryState(logon.Root(), logon.Path()); });
    EXPECT_EQ(runs.test.lines, (Lines{"CLR Windows Last Logged On User \"bob\" 0.00 Kb"}));
    EXPECT_EQ(runs.real.entries, "1/0.00 Kb");
    EXPECT_TRUE(logon.HasValue("Username"));
    EXPECT_EQ(logon.Open().Read("Username")->AsString(), "");
    EXPECT_EQ(name.String(), "alice");  // the NT keys are not touched
}

TEST(SwapFile, AsksWindowsToClearItAndCountsItsSize) {
    ScopedRegistryValue clear(
        RootKey::LocalMachine,
        "System\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
        "ClearPageFileAtShutdown");
    clear.SetDword(0);
    const std::string pagefile = platform::LowerAscii(Windows().substr(0, 3)) + "pagefile.sys";
    const std::string prepared = " prepared to be cleared on Windows shutdown";
    WasherRunner runner;
    {
        ScopedFiles files;
        files.AddFile(pagefile, std::string(3000, 'p'));
        TwoRuns runs = TestThenWash(runner, wlitWin_Swap_File, [&] {
            return std::to_string(clear.Dword().value_or(9)) + PathsState(files.Made());
        });
        EXPECT_EQ(runs.test.lines,
                  (Lines{"CLR Windows Swap File \"" + pagefile + "\"" + prepared + " 3 Kb"}));
        EXPECT_EQ(runs.real.lines, (Lines{"Clearing Windows Swap File" + prepared}));
        EXPECT_EQ(runs.real.entries, "1/3 Kb");
        EXPECT_EQ(clear.Dword(), 1u);
        EXPECT_EQ(platform::FileSize(pagefile), 3000u);  // the file itself is not touched
    }
    clear.SetDword(0);
    TwoRuns runs = TestThenWash(runner, wlitWin_Swap_File,
                                [&] { return std::to_string(clear.Dword().value_or(9)); });
    EXPECT_EQ(runs.test.lines, (Lines{"CLR Windows Swap File" + prepared}));
    EXPECT_EQ(runs.test.entries, "1/0 Kb");
    EXPECT_EQ(runs.real.log.substr(8), " Washing: Windows Swap File {1/0 Kb}\r\n");
    EXPECT_EQ(clear.Dword(), 1u);
}

namespace {

// The 32-bit program on 64-bit Windows, as far as the program asks. In this 64-bit test
// program the platform then shows the default view of HKLM as such a program sees it (the
// 32-bit copy), so the test sees where a wash would go without the 64-bit view.
struct Wow64Scope {
    Wow64Scope() { platform::OverrideWow64ForTests(true); }
    ~Wow64Scope() { platform::OverrideWow64ForTests(std::nullopt); }
};

// A text value of HKLM read (and written) straight in one registry view (KEY_WOW64_64KEY or
// KEY_WOW64_32KEY); a value it wrote is removed afterwards.
class ViewValue {
  public:
    ViewValue(REGSAM view, const std::string& path, const std::string& name)
        : view_(view), path_(platform::Utf8ToWide(path)), name_(platform::Utf8ToWide(name)) {}
    ~ViewValue() {
        if (!written_)
            return;
        if (HKEY key = Open(KEY_SET_VALUE)) {
            RegDeleteValueW(key, name_.c_str());
            RegCloseKey(key);
        }
    }
    void Set(const std::string& text) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE | view_, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        std::wstring wide = platform::Utf8ToWide(text);
        RegSetValueExW(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                       static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        written_ = true;
    }
    std::string Get() const {
        wchar_t text[256] = {};
        DWORD size = sizeof text - sizeof(wchar_t);
        HKEY key = Open(KEY_QUERY_VALUE);
        LONG rc = key ? RegQueryValueExW(key, name_.c_str(), nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(text), &size)
                      : ERROR_FILE_NOT_FOUND;
        if (key)
            RegCloseKey(key);
        return rc == ERROR_SUCCESS ? platform::WideToUtf8(text) : "(missing)";
    }

  private:
    HKEY Open(REGSAM access) const {
        HKEY key = nullptr;
        return RegOpenKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, access | view_, &key) ==
                       ERROR_SUCCESS
                   ? key
                   : nullptr;
    }
    REGSAM view_;
    std::wstring path_, name_;
    bool written_ = false;
};

}  // namespace

// Windows keeps the last user's name in the 64-bit view; the 32-bit copy a 32-bit program is
// shown in its place is not the one Windows reads.
TEST(Wow64, TheLastUserNameIsClearedInThe64BitView) {
    ScopedRegistryValue name(RootKey::LocalMachine, kWinlogon, "DefaultUserName");
    ScopedRegistryValue hide(RootKey::LocalMachine, kPolicies, "DontDisplayLastUserName");
    ViewValue native(KEY_WOW64_64KEY, kWinlogon, "DefaultUserName");
    ViewValue copy(KEY_WOW64_32KEY, kWinlogon, "DefaultUserName");
    name.SetString("alice");
    copy.Set("copy");
    ASSERT_EQ(copy.Get(), "copy");
    ASSERT_EQ(native.Get(), "alice") << "the two views are one here";
    WasherRunner runner;
    {
        Wow64Scope wow64;
        WashOutcome test = runner.Run(wlitWin_Last_Logged_On_User, true);
        EXPECT_EQ(test.lines.at(0), "CLR Windows Last Logged On User \"alice\" 0.00 Kb");
        WashOutcome real = runner.Run(wlitWin_Last_Logged_On_User, false);
        EXPECT_EQ(real.count, 2u);
        EXPECT_EQ(real.bytes, 5u + 4u);
    }
    EXPECT_EQ(native.Get(), "");
    EXPECT_EQ(copy.Get(), "copy");
    EXPECT_EQ(hide.Dword(), 1u);
}

// The 32-bit program reaches the 64-bit system folder as "Sysnative"; "system32" would be its
// 32-bit copy. Here both are real folders of the prefix, so the test sees which one is washed.
TEST(Wow64, TheSystemLogsAreWashedInThe64BitSystemFolder) {
    const std::string sysnative = Windows() + "Sysnative\\wbem\\logs\\";
    const std::string system32 = platform::SystemFolder() + "wbem\\logs\\";
    ScopedFiles files;
    files.AddFile(sysnative + "native.log", "1234");
    files.AddFile(system32 + "copy.log", "12");
    WasherRunner runner;
    {
        Wow64Scope wow64;
        EXPECT_EQ(platform::NativeSystemFolder(), Windows() + "Sysnative\\");
        runner.Run(wlitWin_Log_Files, false);
    }
    EXPECT_FALSE(platform::PathExists(sysnative + "native.log"));
    EXPECT_TRUE(platform::PathExists(system32 + "copy.log"));
    EXPECT_EQ(platform::NativeSystemFolder(), platform::SystemFolder());
}
