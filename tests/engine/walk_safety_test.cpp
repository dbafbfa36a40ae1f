// What a wash must never reach, tried the way a hostile setting would: other spellings of the
// Windows folder and of a profile, a second drive letter, links above, inside and swapped in
// during the walk, hard links, streams, and a tree as deep as Wine's paths allow. Each case
// leaves a canary that must survive byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "engine/primitives.h"
#include "engine/shred/shredder.h"
#include "platform/file_streams.h"
#include "platform/files.h"
#include "platform/held_entry.h"
#include "platform/known_folders.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/recording_views.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"

using testing_support::RecordingWashView;
using testing_support::ScopedUnixSymlink;
using testing_support::TempFolder;

namespace {

struct RecordingLog : ActivityLog {
    std::string text;
    void Write(std::string_view t) override { text += t; }
    void Flush() override {}
};

// A file that must come through a wash exactly as it was.
class Canary {
  public:
    explicit Canary(std::string path) : path_(std::move(path)) {
        EXPECT_TRUE(platform::WriteWholeFile(path_, kContents)) << path_;
    }
    ~Canary() { platform::DeleteFileAt(path_); }
    bool Alive() const { return platform::ReadWholeFile(path_) == kContents; }
    const std::string& Path() const { return path_; }

  private:
    static constexpr const char* kContents = "canary: must survive every wash";
    std::string path_;
};

// Wine's own Unix path of a Windows path.
std::string UnixPathOf(const std::string& path) {
    using GetUnixName = char*(CDECL*)(LPCWSTR);
    auto get = reinterpret_cast<GetUnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = get ? get(platform::Utf8ToWide(path).c_str()) : nullptr;
    std::string result = name ? name : "";
    if (name)
        HeapFree(GetProcessHeap(), 0, name);
    return result;
}

struct WalkSafety : ::testing::Test {
    Catalogue catalogue;
    RecordingWashView view;
    WasherTable washers;
    WashContext ctx{catalogue, view, washers};
    RecordingLog log;
    TempFolder temp;

    void SetUp() override {
        ctx.KeepWashing = true;
        ctx.Shred.WashMode = 2;  // overwrite, rename, delete
        ctx.Shred.WashStrength = 1;
        ctx.Log = &log;
        ctx.Opts.LogActivities = true;
    }

    // A real wash of the folder and all below it.
    WashCounters WashAll(const std::string& folder, bool deleteItself = true) {
        WashScope scope(ctx, 0);
        bool prompt = false;
        WashFolder(scope, folder, "*.*", "", prompt, deleteItself, true, true);
        return scope.Counters;
    }
};

TEST_F(WalkSafety, NoSpellingOfTheWindowsFolderOrAProfileIsWashed) {
    const std::string windows = platform::WithoutTrailingBackslash(platform::WindowsFolder());
    const std::string profile = platform::WithoutTrailingBackslash(platform::UserProfileFolder());
    Canary inWindows(windows + "\\tidewell-canary.txt");
    Canary inSystem(platform::SystemFolder() + "tidewell-canary.txt");
    Canary inProfile(profile + "\\tidewell-canary.txt");
    std::string unixWindows = UnixPathOf(windows);
    ASSERT_FALSE(unixWindows.empty());
    for (char& c : unixWindows)
        if (c == '/')
            c = '\\';
    const std::string drive = windows.substr(0, 2);
    for (const std::string& spelling : {
             "\\\\.\\" + windows,
             "\\\\?\\" + windows,
             "//./" + windows,
             "\\\\?\\GLOBALROOT\\??\\" + windows,
             "\\\\?\\unix" + unixWindows,
             platform::LowerAscii(windows) + "\\system32\\..",
             drive + "\\nowhere\\..\\" + windows.substr(3),
             drive + "\\\\" + windows.substr(3) + "\\.\\",
             "\\\\.\\" + platform::SystemFolder(),
             "\\\\?\\" + profile,
             "\\\\.\\" + profile + "\\..",  // the folder that holds the profiles
             "\\\\?\\" + drive + "\\",
         }) {
        SCOPED_TRACE(spelling);
        log.text.clear();
        WashCounters counters = WashAll(spelling, false);
        EXPECT_EQ(counters.count, 0u);
        EXPECT_NE(log.text.find("Refused to wash "), std::string::npos) << log.text;
        ASSERT_TRUE(inWindows.Alive() && inSystem.Alive() && inProfile.Alive());
    }
    EXPECT_TRUE(platform::FolderExists(platform::SystemFolder() + "drivers"));
}

TEST_F(WalkSafety, ASecondDriveLetterForTheSameDiskReachesNoProtectedFolder) {
    const std::string windows = platform::WindowsFolder();
    ASSERT_TRUE(testing_support::MakeDriveLetter('Q', windows.substr(0, 3)));
    struct Unmap {
        ~Unmap() { testing_support::RemoveDriveLetter('Q'); }
    } unmap;
    Canary inWindows(windows + "tidewell-canary.txt");
    const std::string profile = platform::UserProfileFolder();
    Canary inProfile(profile + "tidewell-canary.txt");
    const std::string viaQ = "Q:" + windows.substr(2);
    ASSERT_TRUE(platform::FileExists(viaQ + "tidewell-canary.txt"));
    for (const std::string& folder : {viaQ, "Q:" + platform::SystemFolder().substr(2),
                                      "Q:" + profile.substr(2), std::string("Q:\\")}) {
        SCOPED_TRACE(folder);
        log.text.clear();
        EXPECT_EQ(WashAll(folder, false).count, 0u);
        EXPECT_NE(log.text.find("Refused to wash " + folder), std::string::npos) << log.text;
    }
    EXPECT_TRUE(inWindows.Alive());
    EXPECT_TRUE(inProfile.Alive());

    // An ordinary folder through the second letter is washed as through the first.
    temp.AddFile("viaq\\a.txt", "a");
    temp.AddFile("viaq\\sub\\b.txt", "b");
    EXPECT_EQ(WashAll("Q:" + temp.Path().substr(2) + "viaq\\").count, 4u);
    EXPECT_FALSE(temp.Exists("viaq"));
}

TEST_F(WalkSafety, ALinkAboveTheFolderIsRefusedBeforeTheWalk) {
    std::string target = temp.AddFolder("target\\inner");
    Canary canary(target + "canary.txt");
    std::string holder = temp.AddFolder("holder");
    ScopedUnixSymlink link(temp.Path() + "target", holder + "up");
    ASSERT_TRUE(link.Made());
    ASSERT_TRUE(platform::FileExists(holder + "up\\inner\\canary.txt"));
    for (bool testRun : {true, false}) {
        ctx.TestRunning = testRun;
        log.text.clear();
        EXPECT_EQ(WashAll(holder + "up\\inner\\").count, 0u);
        EXPECT_NE(log.text.find(holder + "up\\ on its way is a link"), std::string::npos)
            << log.text;
    }
    EXPECT_TRUE(canary.Alive());
    EXPECT_TRUE(platform::FolderExists(target));
}

TEST_F(WalkSafety, AFolderSwappedForALinkAfterTheListingIsNotEntered) {
    std::string target = temp.AddFolder("elsewhere");
    Canary canary(target + "canary.txt");
    std::string folder = temp.AddFolder("w");
    temp.AddFile("w\\plain.txt", "goes");
    temp.AddFile("w\\swap\\inside.txt", "moved away before the walk enters");
    const std::string swapped = folder + "swap";
    bool swappedIn = false;
    // The moment another program could choose: the listing of w is read, swap is about to be
    // entered.
    platform::OverrideBeforeHoldForTests([&](const std::string& path) {
        if (swappedIn || path.size() < 6 || path.compare(path.size() - 6, 6, "\\swap\\") != 0)
            return;
        swappedIn = true;
        EXPECT_TRUE(platform::MoveFileTo(swapped, folder + "moved"));
        EXPECT_TRUE(testing_support::MakeUnixSymlink(target, swapped));
    });
    WashCounters counters = WashAll(folder);
    platform::OverrideBeforeHoldForTests({});
    EXPECT_TRUE(swappedIn);
    EXPECT_TRUE(canary.Alive());
    EXPECT_EQ(counters.count, 1u);  // plain.txt; w still holds the link and the moved folder
    EXPECT_NE(log.text.find("Refused to wash " + swapped + "\\: it is a link"), std::string::npos)
        << log.text;
    EXPECT_TRUE(testing_support::RemoveUnixSymlink(swapped));
}

TEST_F(WalkSafety, AFileWithAnotherNameLosesOnlyThisName) {
    std::string other = temp.AddFolder("kept");
    Canary canary(other + "original.txt");
    std::string folder = temp.AddFolder("h");
    ASSERT_TRUE(CreateHardLinkW(platform::Utf8ToWide(folder + "second.txt").c_str(),
                                platform::Utf8ToWide(canary.Path()).c_str(), nullptr));
    ASSERT_EQ(platform::EntryInfoAt(canary.Path())->links, 2u);
    temp.AddFile("h\\single.txt", "overwritten");
    ctx.Shred.WashMode = 4;  // 35 passes: none of them may reach the other name
    EXPECT_EQ(WashAll(folder, false).count, 2u);
    EXPECT_TRUE(canary.Alive());
    EXPECT_FALSE(temp.Exists("h\\second.txt"));
    EXPECT_FALSE(temp.Exists("h\\single.txt"));
    EXPECT_EQ(platform::EntryInfoAt(canary.Path())->links, 1u);
    EXPECT_NE(log.text.find("Deleted only the name " + folder +
                            "second.txt: the file has other "
                            "names (hard links)"),
              std::string::npos)
        << log.text;

    // Clearing (no delete) would clear the other name too: the file is left as it is.
    ASSERT_TRUE(CreateHardLinkW(platform::Utf8ToWide(folder + "third.txt").c_str(),
                                platform::Utf8ToWide(canary.Path()).c_str(), nullptr));
    ShredSettings clear{3, 1, false};
    EXPECT_FALSE(ShredFile(folder + "third.txt", clear));
    EXPECT_TRUE(canary.Alive());
}

// Wine keeps no streams: a stream's name opens a file of that name beside the file, which
// the listing seam names as the file's stream.
TEST_F(WalkSafety, AlternateStreamsAreOverwrittenOrTheLogSaysWhyNot) {
    std::string folder = temp.AddFolder("s");
    const std::string file = temp.AddFile("s\\f.txt", "main contents");
    const std::string stream = file + ":secret:$DATA";
    ASSERT_TRUE(platform::WriteWholeFile(stream, "hidden in a stream"));
    std::optional<std::vector<std::string>> answer = std::vector<std::string>{":secret:$DATA"};
    std::vector<std::string> asked;
    platform::OverrideStreamNamesForTests([&](const std::string& path) {
        asked.push_back(path);
        return answer;
    });
    ShredSettings overwrite{2, 1, false};  // clear: overwrite and cut to length 0
    EXPECT_TRUE(ShredFile(file, overwrite));
    EXPECT_EQ(asked, std::vector<std::string>{file});
    EXPECT_EQ(platform::FileSize(stream), std::optional<std::uint64_t>(0));

    // Streams that cannot be opened, or a system that cannot list them: said in the log.
    answer = std::vector<std::string>{":locked:$DATA"};
    WashScope scope(ctx, 0);
    bool prompt = false;
    EXPECT_FALSE(WashFile(scope, folder, {"f.txt"}, prompt, true));
    answer = std::nullopt;
    temp.AddFile("s\\g.txt", "more");
    temp.AddFile("s\\h.txt", "more");
    WashFile(scope, folder, {"g.txt", "h.txt"}, prompt, true);
    platform::OverrideStreamNamesForTests({});
    scope.WriteQueuedLogLines();
    EXPECT_EQ(scope.Counters.count, 3u);
    EXPECT_NE(log.text.find("The stream " + folder + "f.txt:locked:$DATA could not be overwritten"),
              std::string::npos)
        << log.text;
    const std::string unlisted = "could not be listed, so they were not overwritten";
    ASSERT_NE(log.text.find(unlisted), std::string::npos) << log.text;
    EXPECT_EQ(log.text.find(unlisted), log.text.rfind(unlisted)) << "said once per object";
}

// Wine's cost per call grows with the square of a path's depth, so the walk goes 128 folders
// deep and says so in the log; above that depth everything is washed, quickly.
TEST_F(WalkSafety, ATreeFifteenHundredFoldersDeepEndsAtTheStatedDepthWithALogLine) {
    const std::string top = temp.Path() + "deep\\";
    std::string below;
    std::string atLimit;
    for (int level = 1; level <= 1500; ++level) {
        below += "d\\";
        if (level == 128)
            atLimit = top + below;
    }
    ASSERT_TRUE(testing_support::MakeUnixFolders(top, below));
    struct Cleanup {
        std::string folder;
        ~Cleanup() { testing_support::RemoveUnixTree(folder); }
    } cleanup{top};
    const std::string shallow = temp.AddFile("deep\\d\\f.txt", "washed");
    const std::string lastWashed = "\\\\?\\" + atLimit + "f.txt";
    ASSERT_TRUE(platform::WriteWholeFile(lastWashed, "washed too"));
    const std::string beyond = "\\\\?\\" + atLimit + "d\\f.txt";
    ASSERT_TRUE(platform::WriteWholeFile(beyond, "left alone"));
    Canary canary(temp.Path() + "beside.txt");

    auto start = std::chrono::steady_clock::now();
    ctx.TestRunning = true;
    WashCounters test = WashAll(top);
    ctx.TestRunning = false;
    WashCounters real = WashAll(top);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 120.0);
    EXPECT_EQ(real.count, 2u);  // the two files; every folder down there still holds the rest
    EXPECT_EQ(test.count, real.count);
    EXPECT_FALSE(platform::PathExists(shallow));
    EXPECT_FALSE(platform::PathExists(lastWashed));
    EXPECT_EQ(platform::ReadWholeFile(beyond), std::optional<std::string>("left alone"));
    EXPECT_NE(log.text.find("Left alone the subfolders of " + atLimit +
                            ": they lie more than 128 folders deep"),
              std::string::npos)
        << log.text.substr(0, 400);
    EXPECT_TRUE(canary.Alive());
}

}  // namespace
