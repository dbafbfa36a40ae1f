#include "engine/shred/shredder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "engine/shred/shred_patterns.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"

using testing_support::TempFolder;

namespace {

ShredSettings Level(int mode, int strength, bool destroy = true) {
    ShredSettings settings;
    settings.WashMode = mode;
    settings.WashStrength = strength;
    settings.ShredDelete = destroy;
    return settings;
}

// Writes down what the shredder does: pass numbers, "F" flush, "T" truncate, "C" close; and
// calls `onPass` with the pass number while the file is still open.
class Trace : public ShredObserver {
  public:
    std::string events;
    std::vector<std::string> renames;
    std::function<void(int)> onPass;

    void PassWritten(int pass, bool complete) override {
        events += std::to_string(pass) + (complete ? " " : "! ");
        if (onPass)
            onPass(pass);
    }
    void Flushed() override { events += "F "; }
    void Truncated() override { events += "T "; }
    void Closed() override { events += "C "; }
    void Renamed(const std::string& path) override { renames.push_back(path); }
    void DeletedWithoutOverwrite() override { events += "W "; }
};

// The trace of `passes` passes with a flush after each pass listed in `flushes`; the cut to
// length 0 flushes first what the last pass wrote, unless that pass has just been flushed.
std::string Expected(int passes, std::set<int> flushes) {
    std::string events;
    for (int pass = 1; pass <= passes; ++pass)
        events += std::to_string(pass) + (flushes.count(pass) ? " F " : " ");
    return events + (passes > 0 && !flushes.count(passes) ? "F " : "") + "T F C ";
}

std::set<int> AllUpTo(int passes) {
    std::set<int> all;
    for (int pass = 1; pass <= passes; ++pass)
        all.insert(pass);
    return all;
}

std::string Contents(const std::string& path) {
    return platform::ReadWholeFile(path).value_or("<unreadable>");
}

std::string Bytes(std::size_t size) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>('a' + i % 26);
    return text;
}

std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*"))
        if (!entry.IsDotEntry())
            names.insert(entry.name);
    return names;
}

std::uint8_t At(const std::string& data, std::size_t offset) {
    return static_cast<std::uint8_t>(data[offset]);
}

}  // namespace

TEST(Shredder, EveryLevelWritesItsPassesAndFlushes) {
    struct Case {
        int mode, strength;
        std::string expected;
    };
    const Case cases[] = {
        {2, 3, Expected(3, {1, 2, 3})},    {3, 1, Expected(7, {})},
        {3, 2, Expected(7, {4})},          {3, 3, Expected(7, AllUpTo(7))},
        {4, 1, Expected(35, {9, 25})},     {4, 2, Expected(35, {4, 9, 25, 31})},
        {4, 3, Expected(35, AllUpTo(35))}, {2, 1, Expected(3, {})},
        {2, 2, Expected(3, {2})},
    };
    TempFolder temp;
    for (const Case& c : cases) {
        std::string file = temp.AddFile("level.dat", Bytes(10000));
        Trace trace;
        EXPECT_TRUE(ShredFile(file, Level(c.mode, c.strength), &trace));
        EXPECT_EQ(trace.events, c.expected) << c.mode << "/" << c.strength;
        EXPECT_FALSE(platform::PathExists(file));
        EXPECT_FALSE(platform::PathExists(trace.renames.back()));
    }
}

TEST(Shredder, ZeroAndRandomPassesWriteTheWholeFileInPlace) {
    TempFolder temp;
    const std::size_t size = kShredWriteBytes + 3 * kShredBlockBytes + 7;
    std::string file = temp.AddFile("data.bin", Bytes(size));
    std::vector<std::string> seen;
    Trace trace;
    trace.onPass = [&](int) { seen.push_back(Contents(file)); };
    EXPECT_TRUE(ShredFile(file, Level(2, 3, false), &trace));
    ASSERT_EQ(seen.size(), 3u);
    for (const std::string& data : seen)
        EXPECT_EQ(data, std::string(size, '\0'));

    platform::WriteWholeFile(file, Bytes(size));
    seen.clear();
    EXPECT_TRUE(ShredFile(file, Level(3, 1, false), &trace));
    ASSERT_EQ(seen.size(), 7u);
    for (const std::string& data : seen) {
        ASSERT_EQ(data.size(), size);  // never longer than the file
        EXPECT_EQ(data.find('\0'), std::string::npos);
        for (std::size_t offset : {std::size_t{4096}, kShredWriteBytes + 5, size - 1})
            EXPECT_EQ(data[offset], data[offset % kShredBlockBytes]);  // one block repeated
    }
    EXPECT_NE(seen[0], seen[1]);  // a fresh block for each pass
}

TEST(Shredder, GutmannPassesRestartTheirPatternAtEveryBlock) {
    TempFolder temp;
    const std::size_t size = kShredWriteBytes + 5000;
    std::string file = temp.AddFile("gutmann.bin", Bytes(size));
    std::vector<std::string> seen;
    Trace trace;
    trace.onPass = [&](int) { seen.push_back(Contents(file)); };
    EXPECT_TRUE(ShredFile(file, Level(4, 1, false), &trace));
    ASSERT_EQ(seen.size(), 35u);
    for (int pass = 1; pass <= 35; ++pass) {
        const std::string& data = seen[pass - 1];
        ASSERT_EQ(data.size(), size);
        if (GutmannPassIsRandom(pass)) {
            EXPECT_EQ(data.find('\0'), std::string::npos) << pass;
            continue;
        }
        const auto pattern = GutmannPattern(pass);
        bool matches = true;
        for (std::size_t offset = 0; offset < size && matches; ++offset)
            matches = At(data, offset) == pattern[offset % kShredBlockBytes % 3];
        EXPECT_TRUE(matches) << "pass " << pass;
    }
    // 92 49 24 at 4094, 4095, then 92 again at 4096 rather than the 49 that would follow.
    EXPECT_EQ(At(seen[6], 4095), 0x92);
    EXPECT_EQ(At(seen[6], 4096), 0x92);
    EXPECT_EQ(At(seen[6], 4097), 0x49);
    EXPECT_EQ(platform::FileSize(file), 0u);
}

TEST(Shredder, RenamesDisguiseTheNameBeforeDeleting) {
    TempFolder temp;
    Trace two;
    EXPECT_TRUE(ShredFile(temp.AddFile("a.b"), Level(2, 3), &two));
    EXPECT_EQ(two.renames, std::vector<std::string>{temp.Path() + "U.U"});

    Trace four;
    EXPECT_TRUE(ShredFile(temp.AddFile("secret.txt"), Level(4, 1), &four));
    ASSERT_EQ(four.renames.size(), 35u);
    EXPECT_EQ(four.renames[4], temp.Path() + "UUUUUU.UUU");   // pass 5: 55
    EXPECT_EQ(four.renames[12], temp.Path() + "333333.333");  // pass 13: 33
    std::string last = platform::LastPathComponent(four.renames.back());
    EXPECT_EQ(last.size(), 10u);
    EXPECT_EQ(last[6], '.');
    for (std::size_t i : {0, 5, 7, 9})
        EXPECT_TRUE(last[i] >= 'a' && last[i] <= 'z') << last;
    EXPECT_TRUE(Names(temp.Path()).empty());
}

TEST(Shredder, ARenameNeverReplacesAnotherFile) {
    TempFolder temp;
    std::string bystander = temp.AddFile("U.U", "keep me");
    Trace trace;
    EXPECT_TRUE(ShredFile(temp.AddFile("a.b"), Level(2, 1), &trace));
    EXPECT_TRUE(trace.renames.empty());
    EXPECT_FALSE(temp.Exists("a.b"));
    EXPECT_EQ(Contents(bystander), "keep me");
}

// The renames and the delete go through one handle held for them: each step must still be
// made on the disk, for a name outside the ANSI code page and a path longer than MAX_PATH.
TEST(Shredder, EveryRenameIsMadeOnTheDiskEvenBeyondTheOldPathLimit) {
    TempFolder temp;
    std::string folder = "\\\\?\\" + temp.Path();
    for (int i = 0; i < 6; ++i)
        folder += std::string(50, static_cast<char>('a' + i)) + "\\";
    ASSERT_TRUE(platform::CreateFolderTree(folder));
    const std::string file = folder + "\xc3\xa9t\xc3\xa9-\xd1\x84\xd0\xb0\xd0\xb9\xd0\xbb.txt";
    ASSERT_GT(file.size(), 300u);
    for (const int mode : {2, 4}) {
        ASSERT_TRUE(platform::WriteWholeFile(file, Bytes(5000)));
        std::string previous = file;
        int madeOnDisk = 0;
        struct Check : Trace {
            std::string* previous;
            int* made;
            void Renamed(const std::string& path) override {
                Trace::Renamed(path);
                if (platform::FileExists(path) && !platform::PathExists(*previous))
                    ++*made;
                *previous = path;
            }
        } check;
        check.previous = &previous;
        check.made = &madeOnDisk;
        EXPECT_TRUE(ShredFile(file, Level(mode, 1), &check)) << mode;
        EXPECT_EQ(madeOnDisk, RenameCount(mode)) << mode;
        EXPECT_EQ(check.renames.size(), static_cast<std::size_t>(RenameCount(mode)));
        EXPECT_TRUE(Names(folder).empty()) << mode;  // the last name deleted, nothing else left
    }
}

// Someone holds the file open for reading and writing but lets nobody rename or delete it: the
// passes are written, and since neither the held handle nor the names can move it, the file is
// left cut to length 0 under its own name and the shred says it failed.
TEST(Shredder, AFileNobodyMayDeleteIsOverwrittenAndKeptUnderItsName) {
    TempFolder temp;
    std::string file = temp.AddFile("open.txt", Bytes(7000));
    HANDLE holder =
        CreateFileW(platform::Utf8ToWide(file).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    std::vector<std::string> seen;
    Trace trace;
    trace.onPass = [&](int) { seen.push_back(Contents(file)); };
    EXPECT_FALSE(ShredFile(file, Level(2, 3), &trace));
    CloseHandle(holder);
    EXPECT_EQ(trace.events, Expected(3, {1, 2, 3}));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2], std::string(7000, '\0'));
    EXPECT_TRUE(trace.renames.empty());
    EXPECT_EQ(Names(temp.Path()), std::set<std::string>{"open.txt"});
    EXPECT_EQ(Contents(file), "");
}

TEST(Shredder, ClearingLeavesAnEmptyFileUnderItsName) {
    TempFolder temp;
    for (int mode : {2, 3, 4}) {
        std::string file = temp.AddFile("clear.me", Bytes(9000));
        Trace trace;
        EXPECT_TRUE(ShredFile(file, Level(mode, 2, false), &trace)) << mode;
        EXPECT_EQ(platform::FileSize(file), 0u) << mode;
        EXPECT_TRUE(trace.renames.empty());
    }
}

TEST(Shredder, DeleteOnlyLevelNeverOpensTheFileButAClearStillEmptiesIt) {
    TempFolder temp;
    std::string file = temp.AddFile("plain.txt", "contents");
    Trace trace;
    EXPECT_TRUE(ShredFile(file, Level(1, 1, false), &trace));
    EXPECT_EQ(Contents(file), "");  // cut to length 0 under its own name, no pass written
    EXPECT_EQ(trace.events, Expected(0, {}));
    EXPECT_TRUE(trace.renames.empty());
    trace.events.clear();
    EXPECT_TRUE(ShredFile(file, Level(1, 1), &trace));
    EXPECT_FALSE(platform::PathExists(file));
    EXPECT_EQ(trace.events, "");
    EXPECT_TRUE(ShredFile(file, Level(1, 1), &trace));  // already gone
}

TEST(Shredder, ReadOnlyHiddenAndEmptyFilesAreStillDestroyed) {
    TempFolder temp;
    std::string locked = temp.AddFile("readonly.txt", Bytes(5000));
    platform::SetFileAttributesTo(locked, platform::file_attr::kReadOnly |
                                              platform::file_attr::kHidden |
                                              platform::file_attr::kSystem);
    std::vector<std::string> seen;
    Trace trace;
    trace.onPass = [&](int) { seen.push_back(Contents(locked)); };
    EXPECT_TRUE(ShredFile(locked, Level(2, 3), &trace));
    EXPECT_EQ(trace.events, Expected(3, {1, 2, 3}));  // overwritten, not only deleted
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::string(5000, '\0'));
    EXPECT_FALSE(platform::PathExists(locked));

    std::string empty = temp.AddFile("empty.txt", "");
    Trace emptyTrace;
    EXPECT_TRUE(ShredFile(empty, Level(3, 1), &emptyTrace));
    EXPECT_EQ(emptyTrace.events, Expected(7, {}));
    EXPECT_EQ(emptyTrace.renames.size(), 1u);
    EXPECT_FALSE(platform::PathExists(empty));
}

TEST(Shredder, ClearingAReadOnlyFileKeepsItReadOnly) {
    TempFolder temp;
    std::string file = temp.AddFile("keep.txt", Bytes(100));
    platform::SetFileAttributesTo(file, platform::file_attr::kReadOnly);
    EXPECT_TRUE(ShredFile(file, Level(2, 1, false)));
    EXPECT_EQ(platform::FileSize(file), 0u);
    EXPECT_EQ(platform::FileAttributes(file).value_or(0) & platform::file_attr::kReadOnly,
              platform::file_attr::kReadOnly);
    platform::SetFileAttributesTo(file, platform::file_attr::kNormal);
}

TEST(Shredder, AFileInUseIsNotOverwrittenAndReportsFailure) {
    TempFolder temp;
    std::string file = temp.AddFile("in-use.txt", "still here");
    // Held by someone who shares nothing.
    HANDLE holder = CreateFileW(platform::Utf8ToWide(file).c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Trace trace;
    EXPECT_FALSE(ShredFile(file, Level(3, 3), &trace));
    EXPECT_EQ(trace.events, "");  // no pass, no flush
    EXPECT_FALSE(ShredFile(file, Level(3, 3, false)));
    CloseHandle(holder);
    EXPECT_TRUE(trace.renames.empty());  // tried, refused like the delete
    EXPECT_EQ(Contents(file), "still here");
}

TEST(Shredder, AFileThatCannotBeWrittenButMayBeDeletedIsDeletedAndSaysSo) {
    TempFolder temp;
    std::string file = temp.AddFile("shared.txt", "secret");
    // Held by someone who lets others read and delete, but not write.
    HANDLE holder =
        CreateFileW(platform::Utf8ToWide(file).c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Trace trace;
    EXPECT_TRUE(ShredFile(file, Level(3, 1), &trace));
    CloseHandle(holder);
    EXPECT_EQ(trace.events, "W ");  // no pass, and the caller hears of it
    ASSERT_FALSE(trace.renames.empty());
    EXPECT_FALSE(platform::PathExists(file));
    EXPECT_FALSE(platform::PathExists(trace.renames.back()));

    // An ordinary file says nothing of the kind.
    Trace plain;
    EXPECT_TRUE(ShredFile(temp.AddFile("plain.txt", "x"), Level(3, 1), &plain));
    EXPECT_EQ(plain.events.find('W'), std::string::npos) << plain.events;
}

TEST(Shredder, UnknownModesDoNothing) {
    TempFolder temp;
    std::string file = temp.AddFile("x.txt", "x");
    std::string folder = temp.AddFolder("empty");
    for (int mode : {0, 5, -1}) {
        EXPECT_FALSE(ShredFile(file, Level(mode, 2)));
        EXPECT_FALSE(ShredFolder(folder, Level(mode, 2)));
    }
    EXPECT_EQ(Contents(file), "x");
    EXPECT_TRUE(platform::FolderExists(folder));
}

TEST(Shredder, FoldersAreRemovedOnlyWhenEmpty) {
    TempFolder temp;
    std::string full = temp.AddFolder("full");
    temp.AddFile("full\\inside.txt", "x");
    EXPECT_FALSE(ShredFolder(full, Level(2, 3)));
    EXPECT_TRUE(temp.Exists("full\\inside.txt"));

    Trace two;
    EXPECT_TRUE(ShredFolder(temp.AddFolder("my.dir"), Level(2, 3), &two));
    EXPECT_EQ(two.renames, std::vector<std::string>{temp.Path() + "UUUUUU"});  // dots too
    EXPECT_FALSE(temp.Exists("UUUUUU"));

    Trace four;
    EXPECT_TRUE(ShredFolder(temp.AddFolder("a.b"), Level(4, 1), &four));
    EXPECT_EQ(four.renames.size(), 35u);
    EXPECT_EQ(four.renames[12], temp.Path() + "333");

    std::string kept = temp.AddFolder("kept");
    EXPECT_TRUE(ShredFolder(kept, Level(3, 1, false)));
    EXPECT_TRUE(platform::FolderExists(kept));
    EXPECT_TRUE(ShredFolder(temp.Path() + "missing\\", Level(3, 1)));
    EXPECT_FALSE(ShredFile(kept, Level(3, 1)));  // a folder is not a file
    EXPECT_FALSE(ShredFile(kept, Level(3, 1, false)));
    EXPECT_TRUE(ShredFolder(kept, Level(1, 1)));
    EXPECT_FALSE(platform::FolderExists(kept));
}

TEST(Shredder, LinksAreLeftAlone) {
    TempFolder temp;
    std::string target = temp.AddFolder("target");
    testing_support::ScopedUnixSymlink link(target, temp.Path() + "link");
    ASSERT_TRUE(link.Made());
    Trace trace;
    EXPECT_FALSE(ShredFolder(temp.Path() + "link\\", Level(2, 3), &trace));
    EXPECT_FALSE(ShredFile(temp.Path() + "link", Level(2, 3), &trace));
    EXPECT_FALSE(ShredFile(temp.Path() + "link", Level(1, 1), &trace));
    EXPECT_TRUE(trace.renames.empty());
    EXPECT_TRUE(platform::FolderExists(target));
    EXPECT_TRUE(temp.Exists("link"));
}

// A walk hands over the attributes its listing showed: a link or a folder is refused on them.
TEST(Shredder, ListedFilesAreDeletedByTheirListedAttributes) {
    TempFolder temp;
    std::string plain = temp.AddFile("plain.txt");
    EXPECT_TRUE(ShredListedFile(plain, platform::file_attr::kArchive, Level(1, 1)));
    EXPECT_FALSE(platform::PathExists(plain));

    std::string locked = temp.AddFile("readonly.txt");
    platform::SetFileAttributesTo(locked, platform::file_attr::kReadOnly);
    EXPECT_TRUE(ShredListedFile(locked, platform::file_attr::kReadOnly, Level(1, 1)));
    EXPECT_FALSE(platform::PathExists(locked));

    std::string kept = temp.AddFile("kept.txt");
    const std::uint32_t link = platform::file_attr::kArchive | platform::file_attr::kReparsePoint;
    EXPECT_FALSE(ShredListedFile(kept, link, Level(1, 1)));
    EXPECT_FALSE(ShredListedFile(kept, platform::file_attr::kDirectory, Level(1, 1)));
    EXPECT_TRUE(platform::PathExists(kept));

    // Other levels overwrite as ShredFile does.
    Trace trace;
    EXPECT_TRUE(ShredListedFile(kept, platform::file_attr::kArchive, Level(2, 3), &trace));
    EXPECT_EQ(trace.events, Expected(3, {1, 2, 3}));
    EXPECT_FALSE(platform::PathExists(kept));
}
