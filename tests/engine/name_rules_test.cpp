// The pure rules of the primitives: size texts, file masks, registry masks, spare lists,
// progress shortening and protected folders.
#include <gtest/gtest.h>

#include <string>

#include "engine/file_mask.h"
#include "engine/name_rules.h"
#include "engine/protected_folders.h"
#include "engine/report_action.h"
#include "engine/size_text.h"

namespace {

TEST(FormatSizeText, WritesKbMbGbAndBeyond) {
    EXPECT_EQ(FormatSizeText(0), "0 Kb");
    EXPECT_EQ(FormatSizeText(1), "0.00 Kb");
    EXPECT_EQ(FormatSizeText(128), "0.13 Kb");  // half a hundredth rounds up
    EXPECT_EQ(FormatSizeText(1000), "0.98 Kb");
    EXPECT_EQ(FormatSizeText(1023), "1.00 Kb");
    EXPECT_EQ(FormatSizeText(1024), "1 Kb");
    EXPECT_EQ(FormatSizeText(3 * 1024 + 100), "3 Kb");
    EXPECT_EQ(FormatSizeText(1024 * 1024 - 1), "1024 Kb");
    EXPECT_EQ(FormatSizeText(1024 * 1024), "1 Mb");
    EXPECT_EQ(FormatSizeText(std::uint64_t{1} << 30), "1 Gb");
    EXPECT_EQ(FormatSizeText((std::uint64_t{5} << 30) + 1), "5 Gb");  // beyond 4 Gb
    EXPECT_EQ(FormatSizeText(std::uint64_t{3} << 40), "3 Tb");
    EXPECT_EQ(FormatSizeText(std::uint64_t{7} << 50), "7 Pb");
    EXPECT_EQ(FormatSizeText(~std::uint64_t{0}), "16 Eb");
}

TEST(FileMask, MatchesLongNamesAsWindowsDoes) {
    EXPECT_TRUE(FileMaskMatches("*.log", "setup.log"));
    EXPECT_TRUE(FileMaskMatches("*.LOG", "Setup.Log"));
    EXPECT_FALSE(FileMaskMatches("*.log", "report.logfile"));  // only the short name matches
    EXPECT_FALSE(FileMaskMatches("*.tmp", "data.tmpx"));
    EXPECT_TRUE(FileMaskMatches("*.tmp", "a.b.tmp"));
    EXPECT_TRUE(FileMaskMatches("*log*.txt", "mylogfile.txt"));
    EXPECT_FALSE(FileMaskMatches("*log*.txt", "mylogfile.txt.bak"));
    EXPECT_TRUE(FileMaskMatches("DCBC2A71-70D8-4DAN-EHR8-E0D61DEA3FDF.ini",
                                "dcbc2a71-70d8-4dan-ehr8-e0d61dea3fdf.INI"));
}

TEST(FileMask, StarDotStarTakesNamesWithoutADot) {
    for (const char* name : {"readme", "a.txt", ".hidden", "a.b.c"})
        EXPECT_TRUE(FileMaskMatches("*.*", name)) << name;
    EXPECT_TRUE(FileMaskMatches("*", "readme"));
    EXPECT_TRUE(FileMaskMatches("abc.*", "abc"));
    EXPECT_TRUE(FileMaskMatches("*.", "readme"));
    EXPECT_FALSE(FileMaskMatches("*.", "read.me"));
    // Masks of wildcards alone take (nearly) every name; those with a letter name something.
    for (const char* mask : {"*.*", "*", "*.", "?*", "*?", "??*", "*.???"})
        EXPECT_TRUE(MaskTakesAnyName(mask)) << mask;
    for (const char* mask : {"*.log", "", "a?", "...", "~*"})
        EXPECT_FALSE(MaskTakesAnyName(mask)) << mask;
}

TEST(FileMask, QuestionMarksAndSpecialCases) {
    EXPECT_TRUE(FileMaskMatches("a?c", "abc"));
    EXPECT_FALSE(FileMaskMatches("a?c", "ac"));
    EXPECT_FALSE(FileMaskMatches("a?c", "abbc"));
    EXPECT_TRUE(FileMaskMatches("ab??.txt", "ab.txt"));  // a "?" run may end at a dot
    EXPECT_TRUE(FileMaskMatches("ab??", "ab"));
    EXPECT_FALSE(FileMaskMatches("a?b", "a.b"));
    EXPECT_TRUE(FileMaskMatches("?", "\xC3\xA9"));  // one character, two bytes
    EXPECT_TRUE(FileMaskMatches("\xC3\x89T\xC3\x89.*", "\xC3\xA9t\xC3\xA9.doc"));  // É/é
    EXPECT_FALSE(FileMaskMatches("sub\\*.txt", "a.txt"));
    EXPECT_FALSE(FileMaskMatches("", "a"));
    EXPECT_FALSE(FileMaskMatches("*.*", ""));
}

TEST(RegistryMask, WordAndStarMatchesAnywhereWithoutStarOnlyTheName) {
    EXPECT_TRUE(RegistryNameMatches("MRU*", "MRUList"));
    EXPECT_TRUE(RegistryNameMatches("MRU*", "FileMRU"));
    EXPECT_TRUE(RegistryNameMatches("*MRU", "aMRUb"));
    EXPECT_FALSE(RegistryNameMatches("MRU*", "mrulist"));  // case-sensitive
    EXPECT_TRUE(RegistryNameMatches("MRU", "MRU"));
    EXPECT_FALSE(RegistryNameMatches("MRU", "MRUList"));
    EXPECT_TRUE(RegistryNameMatches("*", "anything"));
    EXPECT_TRUE(RegistryNameMatches("*", ""));
    EXPECT_TRUE(RegistryNameMatches("", ""));  // the default value
    EXPECT_FALSE(RegistryNameMatches("", "a"));
    EXPECT_TRUE(RegistryNameMatches("a*b*", "xab*y"));  // only the first star goes
}

TEST(SpareLists, AreSubstringTests) {
    const std::string spared = "desktop.ini\r\nindex.dat\r\n";
    EXPECT_TRUE(FileNameExcluded("index", spared));
    EXPECT_TRUE(FileNameExcluded("Desktop.INI", spared));
    EXPECT_TRUE(FileNameExcluded("dat", spared));
    EXPECT_FALSE(FileNameExcluded("index.dat.bak", spared));
    EXPECT_FALSE(FileNameExcluded("a.txt", ""));
    EXPECT_TRUE(RegistryNameExcluded("Keep", "KeepThis"));
    EXPECT_FALSE(RegistryNameExcluded("keep", "KeepThis"));
    EXPECT_FALSE(RegistryNameExcluded("", "KeepThis"));  // the default value is never spared
}

TEST(ShortenForProgress, KeepsTheEndOfLongTexts) {
    const std::string sixty(60, 'a');
    EXPECT_EQ(ShortenForProgress(sixty), sixty);
    EXPECT_EQ(ShortenForProgress("b" + sixty), ".." + sixty);  // 61 characters, no backslash
    EXPECT_EQ(ShortenForProgress("C:\\" + std::string(30, 'x') + "\\" + std::string(30, 'y') +
                                 "\\file.txt"),
              "C:\\..\\" + std::string(30, 'y') + "\\file.txt");
    EXPECT_EQ(ShortenForProgress("C:\\" + std::string(70, 'x') + "\\f"), "C:\\..\\f");
    // The last component stays whole even when it alone is too long.
    EXPECT_EQ(ShortenForProgress("C:\\d\\" + std::string(70, 'z')),
              "C:\\..\\" + std::string(70, 'z'));
    // Characters, not bytes, are counted and kept: no character is cut in half.
    std::string accented;
    for (int i = 0; i < 61; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(ShortenForProgress(accented), ".." + accented.substr(2));
}

TEST(ProtectedFolders, RootsSystemFoldersAndProfiles) {
    ProtectedFolders folders;
    folders.Add("C:\\windows\\", "the Windows folder");
    folders.Add("C:\\windows\\system32", "the system folder");
    folders.Add("C:\\users\\", "the folder that holds the user profiles");
    folders.SetProfilesHolder("C:\\users\\");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:\\"), "a drive root");
    EXPECT_EQ(ProtectedFolderReason(folders, "d:"), "a drive root");
    EXPECT_EQ(ProtectedFolderReason(folders, "\\\\server\\share\\"), "a drive root");
    EXPECT_EQ(ProtectedFolderReason(folders, "\\\\?\\C:\\"), "a drive root");
    EXPECT_EQ(ProtectedFolderReason(folders, "c:\\WINDOWS\\"), "the Windows folder");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:/Windows/System32/"), "the system folder");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:\\Users\\"),
              "the folder that holds the user profiles");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:\\Users\\Public\\"), "a user profile folder");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:\\Users\\bob\\Desktop\\"), "");
    EXPECT_EQ(ProtectedFolderReason(folders, "C:\\windows\\Temp\\"), "");
    EXPECT_TRUE(WalkNeedsGuard("*.log", true));
    EXPECT_TRUE(WalkNeedsGuard("*.*", false));
    EXPECT_FALSE(WalkNeedsGuard("*.log", false));
    EXPECT_TRUE(WalkNeedsGuard("?*", false));
}

}  // namespace
