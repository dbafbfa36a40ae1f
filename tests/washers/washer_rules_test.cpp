#include "washers/washer_rules.h"

#include <gtest/gtest.h>

using Names = std::vector<std::string>;

TEST(MruListExNames, LittleEndianNumbersUpToTheEndMarkEachOnce) {
    using Bytes = std::vector<std::uint8_t>;
    EXPECT_EQ(MruListExNames(Bytes{2, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}),
              (Names{"2", "0", "257"}));
    EXPECT_EQ(MruListExNames(Bytes{0xFF, 0xFF, 0xFF, 0xFF}), Names{});  // an empty list
    EXPECT_EQ(MruListExNames(Bytes{}), Names{});
    // Damaged lists: a repeated number, no end mark, an incomplete last number, data after the
    // end mark.
    EXPECT_EQ(MruListExNames(Bytes{3, 0, 0, 0, 3, 0, 0, 0, 0x78, 0x56, 0x34, 0x12, 9, 0}),
              (Names{"3", "305419896"}));
    EXPECT_EQ(MruListExNames(Bytes{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 4, 0, 0, 0}), Names{"1"});
    EXPECT_EQ(MruListExNames(Bytes{0xFE, 0xFF, 0xFF, 0xFF}), Names{"4294967294"});
}

TEST(MruListNames, TakesEachCharacterOnceInTheOrderItStands) {
    EXPECT_EQ(MruListNames("cba"), (Names{"c", "b", "a"}));
    EXPECT_EQ(MruListNames("abcab"), (Names{"a", "b", "c"}));
    EXPECT_EQ(MruListNames("aAbB"), (Names{"a", "b"}));  // one value in either case
    EXPECT_EQ(MruListNames(""), Names{});
    // Characters beyond ASCII are whole characters, not bytes.
    EXPECT_EQ(MruListNames("\xC3\xA9"
                           "a\xC3\xA9"),
              (Names{"\xC3\xA9", "a"}));
    EXPECT_EQ(CharacterCount("\xC3\xA9"
                             "a"),
              2u);
}

TEST(SwapFilePath, IsOnTheDriveOfTheWindowsFolder) {
    EXPECT_EQ(SwapFilePath("C:\\WINDOWS\\"), "c:\\pagefile.sys");
    EXPECT_EQ(SwapFilePath("d:\\winnt\\"), "d:\\pagefile.sys");
    // A Windows folder not on a drive letter has no swap file to look for.
    EXPECT_EQ(SwapFilePath("\\\\server\\share\\windows\\"), "");
    EXPECT_EQ(SwapFilePath("DRIVE:\\NO_SUCH_FOLDER\\"), "");
    EXPECT_EQ(SwapFilePath("C:"), "");
    EXPECT_EQ(SwapFilePath(""), "");
}

TEST(RecycleBinFolderName, FollowsTheFileSystem) {
    EXPECT_EQ(RecycleBinFolderName("NTFS"), "Recycler\\");
    EXPECT_EQ(RecycleBinFolderName("ntfs"), "Recycler\\");
    EXPECT_EQ(RecycleBinFolderName("FAT32"), "Recycled\\");
    EXPECT_EQ(RecycleBinFolderName("FAT"), "Recycled\\");
    EXPECT_EQ(RecycleBinFolderName(""), std::nullopt);  // unknown: no folder is guessed
}

TEST(DownloadFolderFromValue, TakesTheTextBeforeTheFirstBarWithoutOneTrailingBackslash) {
    EXPECT_EQ(DownloadFolderFromValue("C:\\WINDOWS\\msdownld.tmp|?:\\msdownld.tmp"),
              "C:\\WINDOWS\\msdownld.tmp");
    EXPECT_EQ(DownloadFolderFromValue("C:\\Downloads\\"), "C:\\Downloads");
    EXPECT_EQ(DownloadFolderFromValue("C:\\Downloads\\\\|x|y"), "C:\\Downloads\\");  // just one
    // A drive root comes out too short to be a folder of its own.
    EXPECT_EQ(DownloadFolderFromValue("C:\\|?:\\msdownld.tmp"), "C:");
    EXPECT_EQ(DownloadFolderFromValue("|C:\\Downloads"), "");
    EXPECT_EQ(DownloadFolderFromValue("\\"), "");
    EXPECT_EQ(DownloadFolderFromValue(""), "");
}
