// Definition lines of plug-in objects and the file lists of user objects, as text.
#include <gtest/gtest.h>

#include "engine/plugin_schema.h"
#include "engine/user_file_list.h"

namespace {

std::string TestFolders(ShellFolderKind kind) {
    switch (kind) {
        case ShellFolderKind::ftCookies:
            return "C:\\users\\ann\\Cookies\\";
        case ShellFolderKind::ftLocalSettings:
            return std::string(kNoSuchFolder);
        default:
            return "C:\\users\\ann\\AppData\\Roaming\\";
    }
}

TSchema Parse(const std::string& line) {
    return ParseSchemaLineWith(line, TestFolders);
}

TEST(SchemaLine, ReadsRegistryLinesWithEveryRoot) {
    TSchema s = Parse("R|SI|HKCU Software\\WinZip\\filemenu\\|filemenu*|D|");
    EXPECT_EQ(s.Kind, 1);
    EXPECT_EQ(s.IncludeSubitems, 1);
    EXPECT_EQ(s.Root, RootKey::CurrentUser);
    EXPECT_EQ(s.KeyPath, "Software\\WinZip\\filemenu\\");
    EXPECT_EQ(s.Mask, "filemenu*");
    EXPECT_EQ(s.Action, 2);
    EXPECT_TRUE(s.Folder.empty());

    const std::pair<const char*, RootKey> roots[] = {
        {"HKCR ", RootKey::ClassesRoot},
        {"HKCU ", RootKey::CurrentUser},
        {"HKLM ", RootKey::LocalMachine},
        {"HKU ", RootKey::Users},
        {"HKCC ", RootKey::CurrentConfig},
        {"HKDD ", RootKey::DynData},
        // Any other text is the local machine; the key path is what follows the first blank.
        {"HKEY_CURRENT_USER ", RootKey::LocalMachine},
        {"hkcu ", RootKey::LocalMachine}};
    for (const auto& [prefix, root] : roots) {
        TSchema r = Parse(std::string("R||") + prefix + "A b\\|*|C|");
        EXPECT_EQ(r.Root, root) << prefix;
        EXPECT_EQ(r.KeyPath, "A b\\") << prefix;
        EXPECT_EQ(r.IncludeSubitems, 0);
        EXPECT_EQ(r.Action, 1);
    }
    // No blank: no key path at all (the primitive never washes a whole root).
    EXPECT_EQ(Parse("R||HKCUSoftware\\|*|D|").KeyPath, "");
}

TEST(SchemaLine, ExpandsTheFolderOfFilesLines) {
    TSchema s = Parse("F|SI|[ftCookies]|*.*|C|");
    EXPECT_EQ(s.Kind, 2);
    EXPECT_EQ(s.IncludeSubitems, 1);
    EXPECT_EQ(s.Folder, "C:\\users\\ann\\Cookies\\");
    EXPECT_EQ(s.Mask, "*.*");
    EXPECT_EQ(s.Action, 1);
    EXPECT_TRUE(s.KeyPath.empty());
    EXPECT_FALSE(FolderMacroLeft(s.Folder));
}

TEST(SchemaLine, MissingOrUnknownFieldsReadAsEmpty) {
    TSchema empty = Parse("");
    EXPECT_EQ(empty.Kind, 0);
    EXPECT_EQ(empty.Root, RootKey::LocalMachine);
    EXPECT_EQ(Parse("X|SI|HKCU A\\|*|D|").Kind, 0);
    EXPECT_EQ(Parse("F|SI|[ftCookies]|*.*|Z|").Action, 0);  // washes like "D"
    EXPECT_EQ(Parse("F|si|[ftCookies]|*.*|D|").IncludeSubitems, 0);
    // A field without its "|" is empty, and so is everything after it.
    TSchema cut = Parse("F|SI|[ftCookies]|*.*");
    EXPECT_EQ(cut.Mask, "");
    EXPECT_EQ(cut.Action, 0);
    TSchema early = Parse("F|SI");
    EXPECT_EQ(early.Kind, 2);
    EXPECT_EQ(early.IncludeSubitems, 0);
    EXPECT_EQ(early.Folder, "");
}

TEST(SchemaLine, AFolderWhoseMacroDidNotResolveIsNeverAPath) {
    // Unknown macros and second occurrences stay as literal text; an undetermined folder is
    // the made-up "DRIVE:\NO_SUCH_FOLDER\".
    for (const char* line :
         {"F||[ftNoSuchFolder]Opera\\|*.*|D|", "F||[ftAppData]a\\[ftAppData]b\\|*.*|D|",
          "F||[ftLocalSettings]Temp\\|*.*|D|", "F||C:\\x\\[ftBogus]\\|*|D|",
          "F||%UserProfile%\\Temp\\|*.*|D|", "F||[ftWindows32]a\\[ftWindows32]b\\|*.*|D|"}) {
        TSchema s = Parse(line);
        EXPECT_TRUE(FolderMacroLeft(s.Folder)) << line << " -> " << s.Folder;
    }
    for (const char* folder : {"C:\\Games[1]\\", "C:\\100%\\", "C:\\a[\\b]\\", "D:\\[]\\",
                               "C:\\users\\ann\\AppData\\Roaming\\Opera\\"})
        EXPECT_FALSE(FolderMacroLeft(folder)) << folder;
}

TEST(UserFileList, ReadsEntriesAsTheGridShowsThem) {
    auto entries = FileListEntries("Temporary files^*.tmp|Logs^*.log|");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Description, "Temporary files");
    EXPECT_EQ(entries[0].Mask, "*.tmp");
    EXPECT_EQ(entries[1].Mask, "*.log");
    // A "^" without a "|" after it ends the list: no endless reading of a damaged text.
    EXPECT_EQ(FileListEntries("a|^b").size(), 0u);
    EXPECT_EQ(FileListEntries("x^*.x|tail^no end").size(), 1u);
    // The mask runs from the first "^" to the next "|", as the washer reads it.
    auto odd = FileListEntries("a|b^c^d|");
    ASSERT_EQ(odd.size(), 1u);
    EXPECT_EQ(odd[0].Description, "a|b");
    EXPECT_EQ(odd[0].Mask, "c^d");
    EXPECT_EQ(FileListMasks("a|b^c^d|"), std::vector<std::string>{"c^d"});
}

TEST(UserFileList, SavesOnlyEntriesWithDescriptionAndMask) {
    std::vector<FileListEntry> grid = {{"Temp", "*.tmp"}, {"", "*.log"},         {"No mask", ""},
                                       {"", ""},          {"Old^bak|", "*.bak"}, {"Pipe", "a|b"}};
    const std::string text = FileListText(grid);
    EXPECT_EQ(text, "Temp^*.tmp|Oldbak^*.bak|");
    EXPECT_EQ(FileListMasks(text), (std::vector<std::string>{"*.tmp", "*.bak"}));
    // Empty masks of a hand-written list are skipped by the wash.
    EXPECT_EQ(FileListMasks("d^|e^*.x|"), std::vector<std::string>{"*.x"});
}

TEST(UserFolder, ADriveRootIsNeverWalkedWithItsSubfolders) {
    for (const char* root : {"C:", "C:\\", "C:\\\\", "d:"}) {
        UserFolderWalk walk = UserFolderWalkOf(root, true);
        EXPECT_FALSE(walk.Subfolders) << root;
        EXPECT_TRUE(walk.FullPath) << root;
        EXPECT_EQ(walk.Folder.size(), 3u) << root;
    }
    UserFolderWalk deep = UserFolderWalkOf("C:\\Temp\\", true);
    EXPECT_EQ(deep.Folder, "C:\\Temp\\");
    EXPECT_TRUE(deep.Subfolders);
    EXPECT_FALSE(UserFolderWalkOf("C:\\Temp", false).Subfolders);
    // A relative folder from a hand-edited tidewell.ini is not a full path.
    EXPECT_FALSE(UserFolderWalkOf("Temp", false).FullPath);
    EXPECT_FALSE(UserFolderWalkOf("", true).FullPath);
}

}  // namespace
