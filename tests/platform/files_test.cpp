#include "platform/files.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/system.h"
#include "support/temp_folder.h"

using platform::DirectoryListing;
using platform::FileEntry;
using testing_support::TempFolder;

namespace {

std::set<std::string> Names(const std::string& pattern) {
    std::set<std::string> names;
    for (const FileEntry& entry : DirectoryListing(pattern))
        if (!entry.IsDotEntry())
            names.insert(entry.name);
    return names;
}

}  // namespace

TEST(Files, ListingGivesNamesSizesAndKinds) {
    TempFolder temp;
    temp.AddFile("a.txt", "hello");
    temp.AddFile("sub\\b.log", std::string(5000, 'b'));
    std::set<std::string> names;
    for (const FileEntry& entry : DirectoryListing(temp.Path() + "*.*")) {
        if (entry.IsDotEntry())
            continue;
        names.insert(entry.name);
        if (entry.name == "a.txt") {
            EXPECT_EQ(entry.size, 5u);
            EXPECT_FALSE(entry.IsFolder());
        }
        if (entry.name == "sub") {
            EXPECT_TRUE(entry.IsFolder());
        }
    }
    EXPECT_EQ(names, (std::set<std::string>{"a.txt", "sub"}));
    EXPECT_EQ(platform::FileSize(temp.Path() + "sub\\b.log"), 5000u);
    EXPECT_TRUE(Names(temp.Path() + "nothing-*").empty());
    EXPECT_TRUE(Names(temp.Path() + "missing\\*.*").empty());
}

TEST(Files, TheSystemAlsoMatchesMasksOnShortNames) {
    // Why every walk re-checks the long name against its mask.
    TempFolder temp;
    temp.AddFile("report.logfile");
    temp.AddFile("plain.log");
    std::set<std::string> found = Names(temp.Path() + "*.log");
    EXPECT_TRUE(found.count("plain.log"));
    EXPECT_TRUE(found.count("report.logfile"));
}

TEST(Files, NamesOutsideTheAnsiPageWork) {
    TempFolder temp;
    std::string name = "\xd0\xb6\xd1\x83\xd1\x80\xd0\xbd\xd0\xb0\xd0\xbb.txt";  // Cyrillic
    std::string path = temp.AddFile(name, "abc");
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(Names(temp.Path() + "*.txt"), std::set<std::string>{name});
    EXPECT_EQ(platform::ReadWholeFile(path), std::string("abc"));
    EXPECT_TRUE(platform::DeleteFileAt(path));
    EXPECT_FALSE(platform::PathExists(path));
}

TEST(Files, FoldersAreCreatedWithTheirParentsAndRemovedWhenEmpty) {
    TempFolder temp;
    std::string deep = temp.Path() + "x\\y\\z\\";
    EXPECT_TRUE(platform::CreateFolderTree(deep));
    EXPECT_TRUE(platform::FolderExists(deep));
    EXPECT_FALSE(platform::FileExists(deep));
    EXPECT_FALSE(platform::RemoveFolderAt(temp.Path() + "x\\y"));  // not empty
    EXPECT_TRUE(platform::RemoveFolderAt(deep));
    EXPECT_FALSE(platform::FolderExists(deep));
}

TEST(Files, ReadOnlyFilesNeedTheirAttributesReset) {
    TempFolder temp;
    std::string path = temp.AddFile("locked.txt");
    ASSERT_TRUE(platform::SetFileAttributesTo(path, platform::file_attr::kReadOnly));
    EXPECT_FALSE(platform::DeleteFileAt(path));
    EXPECT_TRUE(platform::SetFileAttributesTo(path, platform::file_attr::kArchive));
    EXPECT_TRUE(platform::DeleteFileAt(path));
}

TEST(System, FoldersAndPlatformId) {
    EXPECT_EQ(platform::WindowsFolder().back(), '\\');
    EXPECT_TRUE(platform::FolderExists(platform::SystemFolder()));
    EXPECT_TRUE(platform::FolderExists(platform::TempFolder()));
    EXPECT_FALSE(platform::ProgramFolder().empty());
    EXPECT_EQ(platform::CurrentPlatformId(), platform::PlatformId::WindowsNT);
    platform::OverridePlatformIdForTests(platform::PlatformId::Windows9x);
    EXPECT_EQ(platform::CurrentPlatformId(), platform::PlatformId::Windows9x);
    platform::OverridePlatformIdForTests(std::nullopt);
    EXPECT_EQ(platform::CurrentPlatformId(), platform::PlatformId::WindowsNT);
}
