// NimboAction.exe as Windows starts it at the next logon: the exact command line of the start
// entry, in a program folder of its own with its settings beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include "catalogue/settings.h"
#include "engine/deferred_wash.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/child_process.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

namespace {

std::string BuildDrive() {
    std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
    return drive.empty() ? "T:\\" : platform::WithTrailingBackslash(drive);
}

std::string Utf16File(const std::string& text) {
    std::wstring wide = L"\xFEFF" + platform::Utf8ToWide(text);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

// The runner with its tidewell.ini in a folder of its own.
class RunnerFolder {
  public:
    explicit RunnerFolder(const std::string& options) {
        auto exe = platform::ReadWholeFile(BuildDrive() + kTaskRunnerFileName);
        EXPECT_TRUE(exe) << "NimboAction.exe is not in the build on " << BuildDrive();
        folder_.AddFile(kTaskRunnerFileName, exe.value_or(""));
        folder_.AddFile("tidewell.ini",
                        Utf16File("[" + CurrentUserSectionPrefix() + ".Options]\r\n" + options));
    }
    ~RunnerFolder() { UpdateIndexDatStartEntry(false, Path()); }
    const std::string& Path() const { return folder_.Path(); }
    std::string TaskFile() const { return Path() + kIndexDatTaskFileName; }
    std::string Log() const {
        return platform::ReadWholeFile(Path() + "tidewell.log").value_or("");
    }

    // Writes the start entry as the main window does and runs what it says.
    testing_support::ChildProcessResult RunStartEntry() const {
        UpdateIndexDatStartEntry(true, Path());
        auto entry = platform::RegistryKey::Open(RootKey::LocalMachine, kStartEntryKey)
                         .Read(kStartEntryValue);
        EXPECT_TRUE(entry);
        return testing_support::RunChildProcess(entry ? entry->AsString() : "", "", 60000);
    }

  private:
    TempFolder folder_;
};

// A file held open without sharing: nothing can remove it while the test holds it.
class LockedFile {
  public:
    explicit LockedFile(const std::string& path)
        : handle_(CreateFileW(platform::Utf8ToWide(path).c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr)) {}
    ~LockedFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    bool Locked() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

}  // namespace

TEST(NimboAction, DestroysListedIndexDatFilesOnlyInTheIEFoldersAndKeepsTheRest) {
    TempFolder ie, elsewhere;
    ScopedShellFolder cache("Cache", ie.AddFolder("Cache"));
    ScopedShellFolder history("History", ie.AddFolder("History"));
    ScopedShellFolder cookies("Cookies", ie.AddFolder("Cookies"));
    const std::string deep = ie.AddFile("Cache\\Content.IE5\\AB12\\index.dat", "cache db");
    const std::string historyDb = ie.AddFile("History\\History.IE5\\index.dat", "history db");
    const std::string notIndex = ie.AddFile("Cache\\notes.txt", "not a database");
    const std::string outside = elsewhere.AddFile("index.dat", "someone else's");
    elsewhere.AddFile("behind\\index.dat", "behind a link");
    testing_support::ScopedUnixSymlink link(elsewhere.Path() + "behind", ie.Path() + "Cache\\link");
    ASSERT_TRUE(link.Made());
    const std::string throughLink = ie.Path() + "Cache\\link\\index.dat";
    const std::string locked = ie.AddFile("Cookies\\index.dat", "cookie db");
    const std::string stale = ie.Path() + "Cache\\Gone\\index.dat";

    RunnerFolder runner("LogActivities=1\r\nWashBlurMode=2\r\n");
    platform::WriteWholeFile(runner.TaskFile(), std::string(kIndexDatTaskHeader) + "\r\n" + deep +
                                                    "\r\n" + notIndex + "\r\n" + outside + "\r\n" +
                                                    throughLink + "\r\n" + locked + "\r\n" + stale +
                                                    "\r\n" + historyDb + "\r\n");
    LockedFile lock(locked);
    ASSERT_TRUE(lock.Locked());
    auto run = runner.RunStartEntry();
    ASSERT_TRUE(run.started);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1u) << "some lines are kept";

    EXPECT_FALSE(platform::PathExists(deep));
    EXPECT_FALSE(platform::PathExists(historyDb));
    EXPECT_EQ(platform::ReadWholeFile(notIndex), "not a database");
    EXPECT_EQ(platform::ReadWholeFile(outside), "someone else's");
    EXPECT_EQ(platform::ReadWholeFile(elsewhere.Path() + "behind\\index.dat"), "behind a link");
    EXPECT_TRUE(platform::FileExists(locked));
    EXPECT_EQ(platform::ReadWholeFile(runner.TaskFile()),
              notIndex + "\r\n" + outside + "\r\n" + throughLink + "\r\n" + locked + "\r\n");

    const std::string log = runner.Log();
    for (const std::string& expected :
         {"NimboAction: Destroyed " + deep + "\r\n", "NimboAction: Destroyed " + historyDb,
          "NimboAction: Left alone " + notIndex + ": it is not an index.dat file",
          "NimboAction: Left alone " + outside + ": it lies outside",
          "NimboAction: Left alone " + throughLink + ": it is reached through the link",
          "NimboAction: Could not remove " + locked})
        EXPECT_NE(log.find(expected), std::string::npos) << expected << "\n" << log;
}

TEST(NimboAction, AFinishedListLeavesAnEmptyTaskFileAndLogsNothingWhenLoggingIsOff) {
    TempFolder ie;
    ScopedShellFolder cache("Cache", ie.AddFolder("Cache"));
    const std::string db = ie.AddFile("Cache\\index.dat", "cache db");
    RunnerFolder runner("LogActivities=0\r\n");
    platform::WriteWholeFile(runner.TaskFile(), db + "\r\n");
    auto run = runner.RunStartEntry();
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(platform::PathExists(db));
    EXPECT_EQ(platform::ReadWholeFile(runner.TaskFile()), "");
    EXPECT_EQ(runner.Log(), "");
}

TEST(NimboAction, WithoutATaskFileArgumentItDoesNothing) {
    RunnerFolder runner("");
    auto run = testing_support::RunChildProcess("\"" + runner.Path() + kTaskRunnerFileName + "\"");
    ASSERT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, 2u);
}
