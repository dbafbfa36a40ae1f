// A folder held for a walk is listed through its own handle: the listing must be the one the
// system's search gives, with file ids that the folders opened below it answer with, at any
// length of path, and a link must show as one before anything opens it.
#include "platform/held_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "platform/files.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"

using platform::FileEntry;
using platform::HeldFolder;
using testing_support::ScopedUnixSymlink;
using testing_support::TempFolder;

namespace {

using Facts = std::map<std::string, std::tuple<std::uint32_t, std::uint64_t>>;

Facts ByName(const std::vector<FileEntry>& entries) {
    Facts facts;
    for (const FileEntry& entry : entries)
        if (!entry.IsDotEntry())
            facts[entry.name] = {entry.attributes, entry.size};
    return facts;
}

TEST(HeldFolder, ListsWhatTheSystemSearchFindsAndSubfoldersAnswerWithTheirListedIds) {
    TempFolder temp;
    const std::string folder = temp.AddFolder("list");
    temp.AddFile("list\\small.txt", "12345");
    temp.AddFile("list\\report.logfile", std::string(5000, 'r'));
    temp.AddFile("list\\\xc3\xa9t\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac.txt", "outside ANSI");
    temp.AddFile("list\\sub\\inside.txt");
    temp.AddFolder("list\\empty");
    const std::string target = temp.AddFolder("elsewhere");
    ScopedUnixSymlink link(target, folder + "link");
    ASSERT_TRUE(link.Made());

    HeldFolder held = HeldFolder::AtPath("\\\\?\\" + folder);
    ASSERT_TRUE(held.IsOpen());
    std::optional<std::vector<FileEntry>> listed = held.List();
    ASSERT_TRUE(listed);
    std::vector<FileEntry> searched;
    for (const FileEntry& entry : platform::DirectoryListing(folder + "*"))
        searched.push_back(entry);
    EXPECT_EQ(ByName(*listed), ByName(searched));
    EXPECT_EQ(listed->size(), 6u);  // no "." or ".."

    const auto parent = held.Info();
    ASSERT_TRUE(parent);
    for (const FileEntry& entry : *listed) {
        SCOPED_TRACE(entry.name);
        if (entry.name == "link") {
            EXPECT_TRUE(entry.IsReparsePoint());
            continue;
        }
        EXPECT_NE(entry.fileId, 0u);
        if (!entry.IsFolder())
            continue;
        HeldFolder below = HeldFolder::Below(held, entry.name, "\\\\?\\" + folder + entry.name);
        auto info = below.InfoOnVolume(parent->identity.volume);
        ASSERT_TRUE(info);
        EXPECT_EQ(info->identity.index, entry.fileId);
        EXPECT_EQ(info->identity, platform::EntryInfoAt(folder + entry.name)->identity);
        EXPECT_TRUE(info->attributes & platform::file_attr::kDirectory);
    }
    // A file is no folder to hold, and a missing name opens nothing.
    EXPECT_FALSE(HeldFolder::Below(held, "small.txt", "\\\\?\\" + folder + "small.txt").IsOpen());
    EXPECT_FALSE(HeldFolder::Below(held, "missing", "\\\\?\\" + folder + "missing").IsOpen());
    EXPECT_FALSE(HeldFolder().List());
}

TEST(HeldFolder, FoldersFarBeyondMaxPathAreOpenedBelowTheirParents) {
    TempFolder temp;
    const std::string name(120, 'n');
    HeldFolder held = HeldFolder::AtPath("\\\\?\\" + temp.Path());
    std::string path = "\\\\?\\" + temp.Path();
    for (int level = 0; level < 12; ++level) {  // about 1,500 characters
        path += name + "\\";
        ASSERT_TRUE(platform::CreateFolder(path));
        held = HeldFolder::Below(held, name, path);
        ASSERT_TRUE(held.IsOpen()) << level;
    }
    ASSERT_TRUE(platform::WriteWholeFile(path + "deep.txt", "at the bottom"));
    std::optional<std::vector<FileEntry>> listed = held.List();
    ASSERT_TRUE(listed);
    ASSERT_EQ(listed->size(), 1u);
    EXPECT_EQ((*listed)[0].name, "deep.txt");
    EXPECT_EQ((*listed)[0].size, 13u);
    held.Close();
    testing_support::RemoveTreeForTests(temp.Path() + name);
}

}  // namespace
