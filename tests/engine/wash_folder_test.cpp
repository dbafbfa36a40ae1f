// WashFolder and WashFile over real files in the Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>

#include "engine/primitives.h"
#include "platform/files.h"
#include "platform/known_folders.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/recording_views.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"

using testing_support::RecordingWashView;
using testing_support::TempFolder;

namespace {

struct RecordingLog : ActivityLog {
    std::string text;
    void Write(std::string_view t) override { text += t; }
    void Flush() override {}
};

struct BusyRecordingView : RecordingWashView {
    std::vector<bool> cursor;
    void SetBusyCursor(bool busy) override { cursor.push_back(busy); }
};

// Every path below a folder (links not entered) with its contents.
void Snapshot(const std::string& folder, std::map<std::string, std::string>& into) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*")) {
        if (entry.IsDotEntry())
            continue;
        std::string path = folder + entry.name;
        if (entry.IsFolder()) {
            into[path + "\\"] = "<folder>";
            if (!entry.IsReparsePoint())
                Snapshot(path + "\\", into);
        } else {
            into[path] = platform::ReadWholeFile(path).value_or("<unreadable>");
        }
    }
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> tree;
    Snapshot(folder, tree);
    return tree;
}

// The path of a "BLR path size" listing line ("BLR C:\t\a.txt 0.10 Kb" -> "C:\t\a.txt").
std::string ListedPath(const std::string& line) {
    std::string path = line.substr(4);
    auto folderMark = path.find(" 0 Kb (folder)");
    if (folderMark != std::string::npos)
        return path.substr(0, folderMark);
    return path.substr(0, path.rfind(' ', path.rfind(' ') - 1));
}

struct WashFolderFixture : ::testing::Test {
    Catalogue catalogue;
    BusyRecordingView view;
    WasherTable washers;
    WashContext ctx{catalogue, view, washers};
    RecordingLog log;
    TempFolder temp;
    bool lastResult = false;

    void SetUp() override {
        ctx.KeepWashing = true;
        ctx.Shred.WashMode = 1;
        ctx.Shred.WashStrength = 1;
        ctx.Log = &log;
        ctx.Opts.LogActivities = true;
    }

    WashCounters Folder(const std::string& folder, const std::string& mask,
                        const std::string& exclusions, bool deleteItself, bool subfolders,
                        bool deleteFiles = true) {
        WashScope scope(ctx, 0);
        bool prompt = false;
        lastResult = WashFolder(scope, folder, mask, exclusions, prompt, deleteItself, subfolders,
                                deleteFiles);
        return scope.Counters;
    }

    WashCounters Files(const std::string& folder, const std::vector<std::string>& names) {
        WashScope scope(ctx, 0);
        bool prompt = false;
        lastResult = WashFile(scope, folder, names, prompt, true);
        return scope.Counters;
    }

    void BuildTree(const std::string& root) {
        temp.AddFile(root + "a.txt", std::string(100, 'a'));
        temp.AddFile(root + "b.log", std::string(2000, 'b'));
        temp.AddFile(root + "desktop.ini", "spared");
        temp.AddFile(root + "index", "spared by index.dat");
        temp.AddFile(root + "sub1\\c.txt", std::string(10, 'c'));
        temp.AddFile(root + "sub1\\deeper\\d.log", std::string(3000, 'd'));
        temp.AddFile(root + "sub2\\desktop.ini", "spared, so sub2 stays");
        temp.AddFile(root + "sub2\\e.txt", "e");
        temp.AddFile(root + "weblogs\\f.txt", "matches *log* whole");
        temp.AddFile(root + "weblogs\\old.log", "found twice by *log*");
        temp.AddFolder(root + "empty");
    }
};

TEST_F(WashFolderFixture, WashesTheTreeSparesNamesAndKeepsFoldersThatStillHoldSomething) {
    BuildTree("t\\");
    WashCounters counters =
        Folder(temp.Path() + "t\\", "*.*", "desktop.ini\r\nindex.dat\r\n", true, true);
    // Files: a, b, c, d, e, f, old = 7; folders: deeper, sub1, weblogs, empty = 4.
    EXPECT_EQ(counters.count, 11u);
    EXPECT_EQ(counters.bytes, 100u + 2000 + 10 + 3000 + 1 + 19 + 20);
    EXPECT_EQ(view.rowEntries[0], "11/5 Kb");
    EXPECT_TRUE(temp.Exists("t\\desktop.ini"));
    EXPECT_TRUE(temp.Exists("t\\index"));  // "index" occurs in the spare list
    EXPECT_TRUE(temp.Exists("t\\sub2\\desktop.ini"));
    EXPECT_FALSE(temp.Exists("t\\sub2\\e.txt"));
    EXPECT_FALSE(temp.Exists("t\\sub1"));
    EXPECT_FALSE(temp.Exists("t\\empty"));
    EXPECT_TRUE(temp.Exists("t\\sub2"));  // still holds a spared file: kept, not counted
    EXPECT_FALSE(lastResult);             // t itself could not go
    EXPECT_TRUE(view.cursor.empty());     // a row is given: no hourglass
}

TEST_F(WashFolderFixture, ATestRunChangesNothingAndCountsWhatTheRealRunDoes) {
    ctx.Shred.WashMode = 2;  // overwrite, rename, delete: renames happen during the walk
    for (const char* mask : {"*.*", "*log*"}) {
        SCOPED_TRACE(mask);
        std::string root = temp.Path() + "r" + (mask[1] == '.' ? "1" : "2") + "\\";
        BuildTree(platform::LastPathComponent(root) + "\\");
        const std::string spared = "desktop.ini\r\nindex.dat\r\n";
        auto before = Snapshot(root);

        ctx.TestRunning = true;
        view.testLines.clear();
        WashCounters test = Folder(root, mask, spared, true, true);
        bool testResult = lastResult;
        EXPECT_EQ(Snapshot(root), before);
        std::set<std::string> listed;
        for (const std::string& line : view.testLines) {
            ASSERT_EQ(line.rfind("BLR ", 0), 0u) << line;
            listed.insert(ListedPath(line));
        }

        ctx.TestRunning = false;
        WashCounters real = Folder(root, mask, spared, true, true);
        EXPECT_EQ(test.count, real.count);
        EXPECT_EQ(test.bytes, real.bytes);
        EXPECT_EQ(testResult, lastResult);
        auto after = Snapshot(root);
        std::set<std::string> destroyed;
        for (const auto& [path, contents] : before)
            if (!after.count(path))
                destroyed.insert(path);
        EXPECT_EQ(listed, destroyed);
        EXPECT_EQ(listed.size(), real.count);
    }
}

TEST_F(WashFolderFixture, MasksMatchLongNamesOnly) {
    std::string folder = temp.AddFolder("m");
    temp.AddFile("m\\a.log");
    temp.AddFile("m\\report.logfile", "kept");
    temp.AddFile("m\\b.tmp");
    temp.AddFile("m\\data.tmpx", "kept");
    temp.AddFile("m\\archive.logs\\inside.txt", "kept");
    // The system's own search finds the long names through their short names.
    std::set<std::string> systemFinds;
    for (const auto& entry : platform::DirectoryListing(folder + "*.log"))
        systemFinds.insert(entry.name);
    EXPECT_TRUE(systemFinds.count("report.logfile")) << "short names are not matched here";

    EXPECT_EQ(Folder(folder, "*.log", "", false, true).count, 1u);
    EXPECT_EQ(Folder(folder, "*.tmp", "", false, false).count, 1u);
    EXPECT_FALSE(temp.Exists("m\\a.log"));
    EXPECT_FALSE(temp.Exists("m\\b.tmp"));
    EXPECT_TRUE(temp.Exists("m\\report.logfile"));
    EXPECT_TRUE(temp.Exists("m\\data.tmpx"));
    EXPECT_TRUE(temp.Exists("m\\archive.logs\\inside.txt"));
}

TEST_F(WashFolderFixture, AnswersYesNoAllAndCancel) {
    std::string folder = temp.AddFolder("q");
    for (const char* name : {"1.txt", "2.txt", "3.txt", "4.txt"})
        temp.AddFile(std::string("q\\") + name);
    view.answers = {ConfirmAnswer::Yes, ConfirmAnswer::No, ConfirmAnswer::All};
    WashScope scope(ctx, 0);
    bool prompt = true;
    EXPECT_FALSE(WashFolder(scope, folder, "*.txt", "", prompt, true, false, true));
    ASSERT_EQ(view.questions.size(), 3u);  // the fourth file and the folder go unasked
    EXPECT_EQ(view.questions[0].rfind("Delete " + folder, 0), 0u);
    EXPECT_EQ(view.questions[0].substr(view.questions[0].size() - 2), " ?");
    EXPECT_FALSE(prompt);
    EXPECT_EQ(scope.Counters.count, 3u);
    std::string declined = view.questions[1].substr(7, view.questions[1].size() - 9);
    EXPECT_TRUE(platform::FileExists(declined)) << declined;

    // Cancel ends the object: nothing more is asked or destroyed.
    std::string other = temp.AddFolder("c");
    for (const char* name : {"1.txt", "2.txt", "3.txt"})
        temp.AddFile(std::string("c\\") + name);
    view.questions.clear();
    view.answers = {ConfirmAnswer::Yes, ConfirmAnswer::Cancel};
    prompt = true;
    WashScope second(ctx, 1);
    EXPECT_TRUE(WashFolder(second, other, "*.*", "", prompt, true, true, true));
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_FALSE(ctx.KeepWashing);
    EXPECT_EQ(second.Counters.count, 1u);
    EXPECT_EQ(Snapshot(other).size(), 2u);
}

TEST_F(WashFolderFixture, ClearingAsksClearButTheFolderQuestionSaysDelete) {
    ctx.Shred.WashMode = 2;  // clearing overwrites and cuts to length 0
    std::string folder = temp.AddFolder("k");
    temp.AddFile("k\\a.txt", "contents");
    WashScope scope(ctx, 0);
    bool prompt = true;
    view.answers = {ConfirmAnswer::Yes, ConfirmAnswer::No};
    WashFolder(scope, folder, "*.*", "", prompt, true, false, false);
    EXPECT_EQ(view.questions,
              (std::vector<std::string>{"Clear " + folder + "a.txt ?", "Delete " + folder + " ?"}));
    EXPECT_EQ(platform::FileSize(folder + "a.txt"), std::optional<std::uint64_t>(0));
    EXPECT_FALSE(ctx.Shred.ShredDelete);  // the last delete flag stays
}

TEST_F(WashFolderFixture, WashFileSkipsMissingNamesAndWashesFoldersWhole) {
    std::string folder = temp.AddFolder("f");
    temp.AddFile("f\\one.txt", std::string(1500, '1'));
    temp.AddFile("f\\dir\\two.txt", "22");

    ctx.TestRunning = true;
    WashCounters test = Files(folder, {"one.txt", "dir", "ghost"});
    EXPECT_EQ(view.testLines, (std::vector<std::string>{
                                  "BLR " + folder + "one.txt 1 Kb",
                                  "BLR " + folder + "dir\\two.txt 0.00 Kb",
                                  "BLR " + folder + "dir\\ 0 Kb (folder)",
                              }));
    ctx.TestRunning = false;
    WashCounters real = Files(folder, {"one.txt", "dir", "ghost"});
    EXPECT_TRUE(lastResult);    // the last folder call: "dir" removed
    EXPECT_EQ(real.count, 3u);  // "ghost" never existed: not counted
    EXPECT_EQ(real.bytes, 1502u);
    EXPECT_EQ(test.count, real.count);
    EXPECT_EQ(test.bytes, real.bytes);
    EXPECT_EQ(Snapshot(folder).size(), 0u);
    EXPECT_FALSE(platform::PathExists(folder + "ghost"));
    EXPECT_EQ(view.progress.back(), "Blurring " + ShortenForProgress(folder + "dir\\"));
}

TEST_F(WashFolderFixture, WashFileNeverClimbsOutOfItsFolder) {
    std::string folder = temp.AddFolder("in\\sub");
    temp.AddFile("in\\keep.txt");
    WashCounters counters = Files(folder, {"", "..", ".", "..\\keep.txt", "x\\..\\..\\keep.txt"});
    EXPECT_EQ(counters.count, 0u);
    EXPECT_TRUE(temp.Exists("in\\keep.txt"));
    EXPECT_TRUE(temp.Exists("in\\sub"));
    EXPECT_FALSE(lastResult);
}

TEST_F(WashFolderFixture, AFileDeletedWithoutOverwriteIsCountedAndLogged) {
    ctx.Shred.WashMode = 3;
    std::string folder = temp.AddFolder("held");
    std::string file = temp.AddFile("held\\open.txt", "secret");
    temp.AddFile("held\\free.txt", "free");
    HANDLE holder =
        CreateFileW(platform::Utf8ToWide(file).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    WashCounters counters = Folder(folder, "*.*", "", false, false);
    CloseHandle(holder);
    EXPECT_EQ(counters.count, 2u);  // both are gone
    EXPECT_FALSE(temp.Exists("held\\open.txt"));
    EXPECT_NE(log.text.find("Deleted " + file + " without overwriting it"), std::string::npos)
        << log.text;
    EXPECT_EQ(log.text.find("free.txt"), std::string::npos) << log.text;
}

// A damaged folder value such as "rel\" must not be found under whatever the current folder is.
TEST_F(WashFolderFixture, RelativeFoldersFindNothing) {
    temp.AddFile("rel\\keep.txt");
    temp.AddFile("keep2.txt");
    wchar_t previous[MAX_PATH];
    ASSERT_GT(GetCurrentDirectoryW(MAX_PATH, previous), 0u);
    ASSERT_TRUE(SetCurrentDirectoryW(platform::Utf8ToWide(temp.Path()).c_str()));
    WashCounters folder = Folder("rel\\", "*.*", "", true, true);
    WashCounters drive = Folder(temp.Path().substr(0, 2) + "rel\\", "*.*", "", true, true);
    WashCounters files = Files("rel\\", {"keep.txt"});
    WashCounters here = Files("", {"keep2.txt"});
    SetCurrentDirectoryW(previous);
    EXPECT_EQ(folder.count + drive.count + files.count + here.count, 0u);
    EXPECT_TRUE(temp.Exists("rel\\keep.txt"));
    EXPECT_TRUE(temp.Exists("keep2.txt"));
}

TEST_F(WashFolderFixture, WithoutARowThePointerShowsTheHourglassPerItem) {
    std::string folder = temp.AddFolder("v");
    temp.AddFile("v\\a.txt");
    temp.AddFile("v\\b.txt");
    WashScope scope(ctx, kNoStatusRow);
    bool prompt = false;
    WashFile(scope, folder, {"a.txt", "b.txt"}, prompt, true);
    EXPECT_EQ(view.cursor, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(view.rowEntries.empty());
    EXPECT_EQ(scope.Counters.count, 2u);
}

TEST_F(WashFolderFixture, LinksAreNeverFollowedNorTouched) {
    std::string target = temp.AddFolder("target");
    temp.AddFile("target\\canary.txt", "alive");
    std::string folder = temp.AddFolder("w");
    temp.AddFile("w\\plain.txt", "goes");
    testing_support::ScopedUnixSymlink link(target, folder + "link");
    ASSERT_TRUE(link.Made());
    auto attributes = platform::FileAttributes(folder + "link");
    ASSERT_TRUE(attributes && (*attributes & platform::file_attr::kReparsePoint));

    ctx.TestRunning = true;
    WashCounters test = Folder(folder, "*.*", "", true, true);
    for (const std::string& line : view.testLines)
        EXPECT_EQ(line.find("canary"), std::string::npos) << line;
    ctx.TestRunning = false;
    WashCounters real = Folder(folder, "*.*", "", true, true);
    EXPECT_EQ(real.count, 1u);  // plain.txt; the folder holds the link and stays
    EXPECT_EQ(test.count, real.count);
    EXPECT_FALSE(lastResult);
    EXPECT_EQ(Files(folder, {"link"}).count, 0u);
    EXPECT_EQ(Folder(folder + "link\\", "*.*", "", true, true).count, 0u);

    EXPECT_EQ(platform::ReadWholeFile(target + "canary.txt"), std::optional<std::string>("alive"));
    EXPECT_TRUE(platform::PathExists(folder + "link"));
    EXPECT_FALSE(temp.Exists("w\\plain.txt"));
    EXPECT_NE(log.text.find("link (junction or symbolic link)"), std::string::npos) << log.text;
}

TEST_F(WashFolderFixture, ProtectedFoldersAreRefusedAndTheLogSaysWhy) {
    const std::string windows = platform::WindowsFolder();
    const std::string profile = platform::UserProfileFolder();
    ASSERT_FALSE(profile.empty());
    const std::string holder = platform::FolderOfPath(platform::WithoutTrailingBackslash(profile));
    const std::string canary = profile + "tidewell-canary.txt";
    ASSERT_TRUE(platform::WriteWholeFile(canary, "alive"));

    // A real run over the profile root with "*.*": nothing happens.
    EXPECT_EQ(Folder(profile, "*.*", "", false, false).count, 0u);
    EXPECT_FALSE(lastResult);
    EXPECT_TRUE(platform::FileExists(canary));
    platform::DeleteFileAt(canary);

    ctx.TestRunning = true;
    struct Case {
        std::string folder, mask;
        bool subfolders;
        std::string reason;
    };
    for (const Case& c : std::vector<Case>{
             {windows, "*.*", false, "the Windows folder"},
             {windows + "system32\\..\\", "*.log", true, "the Windows folder"},
             {platform::SystemFolder(), "*", false, "the system folder"},
             {platform::SystemFolder(), "?*", false, "the system folder"},
             {windows.substr(0, 3), "*.tmp", true, "a drive root"},
             {holder, "*.*", false, "the folder that holds the user profiles"},
             {holder + "Public\\", "*.dat", true, "a user profile folder"},
         }) {
        SCOPED_TRACE(c.folder + " " + c.mask);
        log.text.clear();
        view.testLines.clear();
        {
            WashCounters counters = Folder(c.folder, c.mask, "", false, c.subfolders);
            EXPECT_EQ(counters.count, 0u);
            EXPECT_FALSE(lastResult);
        }
        EXPECT_NE(log.text.find("Refused to wash " + c.folder), std::string::npos) << log.text;
        EXPECT_NE(log.text.find("it is " + c.reason), std::string::npos) << log.text;
        ASSERT_EQ(view.testLines.size(), 1u);  // only the refusal
    }

    // A whole folder handed to WashFile is washed with "*.*": refused the same way.
    view.testLines.clear();
    EXPECT_EQ(Files(platform::FolderOfPath(platform::WithoutTrailingBackslash(windows)),
                    {platform::LastPathComponent(windows)})
                  .count,
              0u);
    EXPECT_EQ(view.testLines.size(), 1u);

    // A named mask in the Windows folder itself stays allowed.
    log.text.clear();
    Folder(windows, "*.log", "", false, false);
    EXPECT_TRUE(lastResult);
    EXPECT_EQ(log.text.find("Refused"), std::string::npos) << log.text;
}

}  // namespace
