// The recycle-bin washers: bin folders made on the prefix's drive C:, the shell's bin of the
// sandbox (its desktop trash), and the two seams for what Wine cannot show: a bin per drive
// and a FAT drive.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <map>

#include "catalogue/wash_object_types.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/recycle_bin.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"
#include "washers/washer_harness.h"

using namespace washer_tests;
using platform::RecycleBinState;
using Lines = std::vector<std::string>;

namespace {

// Bins per drive, as a real system keeps them; emptying records the drive.
struct FakeBins {
    std::map<std::string, RecycleBinState> bins;
    std::vector<std::string> emptied;
    bool emptyingWorks = true;
    std::optional<RecycleBinState> leftAfterEmptying;

    FakeBins() {
        platform::OverrideRecycleBinForTests(
            {[this](const std::string& root) -> std::optional<RecycleBinState> {
                 auto bin = bins.find(root);
                 return bin == bins.end() ? RecycleBinState{} : bin->second;
             },
             [this](const std::string& root) {
                 emptied.push_back(root);
                 if (emptyingWorks)
                     bins[root] = leftAfterEmptying.value_or(RecycleBinState{});
                 return emptyingWorks;
             }});
    }
    ~FakeBins() { platform::OverrideRecycleBinForTests({}); }
};

struct FileSystemNameScope {
    explicit FileSystemNameScope(std::optional<std::string> name) {
        platform::OverrideFileSystemNameForTests(
            [name](const std::string&) -> std::optional<std::string> { return name; });
    }
    ~FileSystemNameScope() { platform::OverrideFileSystemNameForTests({}); }
};

const std::string kDrive = "C:\\";

// A bin as Windows XP leaves it: a per-user folder with deleted files and a deleted folder,
// the shell's index and the folder's desktop.ini files.
void FillBin(ScopedFiles& files, const std::string& bin) {
    const std::string user = bin + "S-1-5-21-1004\\";
    files.AddFile(user + "Dc1.txt", "1234");
    files.AddFile(user + "Dc2\\inner.txt", "12");
    files.AddFile(user + "INFO2", "index");
    files.AddFile(user + "desktop.ini", "[.ShellClassInfo]");
    files.AddFile(bin + "desktop.ini", "[.ShellClassInfo]");
    files.AddFile(bin + "stray.txt", "1");
}

}  // namespace

TEST(RecycleBinsWash, ShredsTheNtfsBinAndKeepsPerUserFoldersAndDesktopIni) {
    FakeBins shell;
    shell.bins[kDrive] = {12, 2};
    FileSystemNameScope ntfs("NTFS");
    ScopedFiles files;
    FillBin(files, kDrive + "Recycler\\");
    files.AddFile(kDrive + "Recycled\\not-a-bin-here.txt");
    WasherRunner runner;
    TwoRuns runs =
        TestThenWash(runner, wlitWin_RecycleBins_Wash, [&] { return PathsState(files.Made()); });
    EXPECT_TRUE(shell.emptied == Lines{kDrive}) << "only the real wash empties the bin";
    EXPECT_EQ(runs.real.lines.at(0), "Deleting Recycle Bin on C:\\");
    // Dc1.txt, inner.txt, Dc2\, INFO2 and stray.txt.
    EXPECT_EQ(runs.real.entries, "5/0.01 Kb");
    EXPECT_EQ(runs.real.log.substr(8), " Washing: Windows Recycle Bins Wash {5/0.01 Kb}\r\n");
    EXPECT_EQ(FolderState(kDrive + "Recycler\\"),
              "S-1-5-21-1004\\\n  desktop.ini 17\ndesktop.ini 17\n");
    EXPECT_TRUE(platform::FileExists(kDrive + "Recycled\\not-a-bin-here.txt"));
}

TEST(RecycleBinsWash, WorksInRecycledOnAFatDrive) {
    FakeBins shell;
    shell.bins[kDrive] = {12, 2};
    FileSystemNameScope fat("FAT32");
    ScopedFiles files;
    FillBin(files, kDrive + "Recycled\\");
    files.AddFile(kDrive + "Recycler\\not-a-bin-here.txt");
    WasherRunner runner;
    TwoRuns runs =
        TestThenWash(runner, wlitWin_RecycleBins_Wash, [&] { return PathsState(files.Made()); });
    EXPECT_EQ(runs.real.entries, "5/0.01 Kb");
    EXPECT_EQ(FolderState(kDrive + "Recycled\\"),
              "S-1-5-21-1004\\\n  desktop.ini 17\ndesktop.ini 17\n");
    EXPECT_TRUE(platform::FileExists(kDrive + "Recycler\\not-a-bin-here.txt"));
}

TEST(RecycleBinsWash, LeavesADriveAloneWhoseFileSystemCannotBeRead) {
    FakeBins shell;
    shell.bins[kDrive] = {12, 2};
    FileSystemNameScope unknown(std::nullopt);
    ScopedFiles files;
    FillBin(files, kDrive + "Recycled\\");
    FillBin(files, kDrive + "Recycler\\");
    const std::string before = PathsState(files.Made());
    WasherRunner runner;
    WashOutcome real = runner.Run(wlitWin_RecycleBins_Wash, false);
    EXPECT_EQ(real.entries, "0/0 Kb");
    EXPECT_EQ(PathsState(files.Made()), before);
    EXPECT_TRUE(shell.emptied.empty());
    EXPECT_NE(real.log.find("Left alone the recycle bin on C:\\: the drive's file system could "
                            "not be read\r\n"),
              std::string::npos);
}

TEST(RecycleBins, AnEmptyBinGivesNoReportLineInEitherWasher) {
    FakeBins shell;  // every bin empty
    FileSystemNameScope ntfs("NTFS");
    ScopedFiles files;
    FillBin(files, kDrive + "Recycler\\");
    const std::string before = PathsState(files.Made());
    WasherRunner runner;
    for (TWashListItemType type : {wlitWin_RecycleBins_Wash, wlitWin_RecycleBins}) {
        for (bool testRun : {true, false}) {
            WashOutcome outcome = runner.Run(type, testRun);
            EXPECT_TRUE(outcome.lines.empty()) << outcome.lines.front();
            EXPECT_EQ(outcome.entries, "0/0 Kb");
        }
    }
    EXPECT_EQ(PathsState(files.Made()), before);
    EXPECT_TRUE(shell.emptied.empty());
}

TEST(ShellRecycleBins, EmptyEachFilledBinAndCountItsItems) {
    FakeBins shell;
    shell.bins[kDrive] = {3000, 3};
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitWin_RecycleBins, [&] {
        return std::to_string(shell.bins[kDrive].items) + std::to_string(shell.emptied.size());
    });
    EXPECT_EQ(runs.test.lines, (Lines{"CLR Recycle Bin on C:\\"}));
    EXPECT_EQ(runs.real.lines, (Lines{"Clearing Recycle Bin on C:\\"}));
    EXPECT_EQ(runs.test.testBytes, 3000u);
    EXPECT_EQ(runs.real.entries, "3/3 Kb");
    EXPECT_EQ(runs.real.log.substr(8), " Washing: Windows Recycle Bins {3/3 Kb}\r\n");
    EXPECT_EQ(shell.emptied, (Lines{kDrive}));
}

TEST(ShellRecycleBins, CountOnlyWhatTheShellRemoved) {
    FakeBins shell;
    shell.bins[kDrive] = {3000, 3};
    shell.emptyingWorks = false;
    WasherRunner runner;
    WashOutcome failed = runner.Run(wlitWin_RecycleBins, false);
    EXPECT_EQ(failed.lines, (Lines{"Clearing Recycle Bin on C:\\"}));
    EXPECT_EQ(failed.entries, "0/0 Kb");

    shell.emptyingWorks = true;
    shell.leftAfterEmptying = RecycleBinState{1000, 1};  // one item the shell could not remove
    EXPECT_EQ(runner.Run(wlitWin_RecycleBins, false).entries, "2/2 Kb");
}

namespace {

// Deletes a file to the recycle bin through the shell, as Explorer does.
bool DeleteToRecycleBin(const std::string& path) {
    std::wstring from = platform::Utf8ToWide(path);
    from.push_back(L'\0');  // the list ends with an empty name
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace

// Wine keeps one bin for every drive and ignores the drive in the query, so a test run here lists
// that bin once per fixed drive; the real wash empties it on the first drive and counts it once.
TEST(ShellRecycleBins, EmptyTheBinOfThisSystem) {
    ScopedFiles files;
    const std::string file = files.AddFile(kDrive + "tidewell-recycled.txt", "deleted");
    ASSERT_TRUE(DeleteToRecycleBin(file));
    ASSERT_FALSE(platform::PathExists(file));
    auto before = platform::QueryRecycleBin(kDrive);
    ASSERT_TRUE(before);
    ASSERT_GE(before->items, 1u);
    WasherRunner runner;
    WashOutcome test = runner.Run(wlitWin_RecycleBins, true);
    EXPECT_EQ(test.lines.at(0), "CLR Recycle Bin on C:\\");
    EXPECT_EQ(platform::QueryRecycleBin(kDrive)->items, before->items);
    WashOutcome real = runner.Run(wlitWin_RecycleBins, false);
    EXPECT_EQ(real.lines.at(0), "Clearing Recycle Bin on C:\\");
    EXPECT_EQ(real.count, before->items);
    EXPECT_EQ(real.bytes, before->bytes);
    EXPECT_EQ(platform::QueryRecycleBin(kDrive)->items, 0u);

    // Now empty: no line, nothing counted.
    WashOutcome again = runner.Run(wlitWin_RecycleBins, true);
    EXPECT_TRUE(again.lines.empty());
    EXPECT_EQ(again.entries, "0/0 Kb");
}

// A per-user folder of the bin, or the bin folder itself, that is a link leads to another
// folder: the wash never empties what it points to.
TEST(RecycleBinsWash, NeverEmptiesWhatALinkedBinFolderPointsTo) {
    FakeBins shell;
    shell.bins[kDrive] = {12, 2};
    FileSystemNameScope ntfs("NTFS");
    testing_support::TempFolder elsewhere;
    const std::string canary = elsewhere.AddFile("user\\canary.txt", "must survive");
    elsewhere.AddFile("bin\\S-1-5-21-1004\\canary.txt", "must survive");
    ScopedFiles files;
    const std::string bin = kDrive + "Recycler\\";
    files.AddFile(bin + "Dc1.txt", "1234");
    {
        testing_support::ScopedUnixSymlink user(elsewhere.Path() + "user", bin + "S-1-5-21-1004");
        ASSERT_TRUE(user.Made());
        WasherRunner runner;
        WashOutcome real = runner.Run(wlitWin_RecycleBins_Wash, false);
        EXPECT_EQ(real.entries, "1/0.00 Kb");  // Dc1.txt alone
        EXPECT_NE(real.log.find("S-1-5-21-1004\\: it is a link"), std::string::npos) << real.log;
    }
    EXPECT_EQ(platform::ReadWholeFile(canary), std::optional<std::string>("must survive"));

    // The whole bin folder a link: nothing below it is even listed.
    FileSystemNameScope fat("FAT32");
    testing_support::ScopedUnixSymlink whole(elsewhere.Path() + "bin", kDrive + "Recycled");
    ASSERT_TRUE(whole.Made());
    shell.bins[kDrive] = {12, 2};  // the first wash emptied it
    WasherRunner runner;
    WashOutcome real = runner.Run(wlitWin_RecycleBins_Wash, false);
    EXPECT_EQ(real.entries, "0/0 Kb");
    EXPECT_NE(real.log.find("Refused to wash C:\\Recycled\\: it is a link"), std::string::npos)
        << real.log;
    EXPECT_EQ(platform::ReadWholeFile(elsewhere.Path() + "bin\\S-1-5-21-1004\\canary.txt"),
              std::optional<std::string>("must survive"));
}
