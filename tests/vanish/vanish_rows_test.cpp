// The file list's texts and order and the drive order of the Vanish page, without the system.
#include <gtest/gtest.h>

#include <algorithm>

#include "vanish/vanish_rows.h"

namespace {

TEST(VanishRows, SizesAndTimesAreWrittenAsTheListShowsThem) {
    EXPECT_EQ(FileSizeText(0, ","), "0");
    EXPECT_EQ(FileSizeText(999, ","), "999");
    EXPECT_EQ(FileSizeText(1000, ","), "1,000");
    EXPECT_EQ(FileSizeText(1234567, "."), "1.234.567");
    EXPECT_EQ(FileSizeText(18446744073709551615ull, ","), "18,446,744,073,709,551,615");
    EXPECT_EQ(FileTimeText(2026, 12, 8, 9, 5, 44), "12-08-26 09:05");
    EXPECT_EQ(FileTimeText(2026, 12, 8, 9, 5, 31), "08-12-26 09:05");
    EXPECT_EQ(FileTimeText(2000, 1, 2, 23, 59, 49), "01-02-00 23:59");
}

TEST(VanishRows, OnlyFoldersAndOrdinaryFilesGetRows) {
    EXPECT_TRUE(VanishListsEntry(0));       // no attributes at all
    EXPECT_TRUE(VanishListsEntry(0x10));    // folder
    EXPECT_TRUE(VanishListsEntry(0x20));    // archive
    EXPECT_TRUE(VanishListsEntry(0x2));     // hidden
    EXPECT_FALSE(VanishListsEntry(0x80));   // "normal" alone is not one of the four
    EXPECT_FALSE(VanishListsEntry(0x100));  // temporary
}

std::vector<std::string> Sorted(std::vector<VanishRow> rows, const VanishSort& sort) {
    std::stable_sort(rows.begin(), rows.end(), [&sort](const VanishRow& a, const VanishRow& b) {
        return CompareVanishRows(a, b, sort) < 0;
    });
    std::vector<std::string> names;
    for (const VanishRow& row : rows)
        names.push_back(row.name);
    return names;
}

TEST(VanishRows, ASecondClickOnAColumnReversesTheOrder) {
    std::vector<VanishRow> rows = {{"b.txt", "b", false, 900, 30, "", "", -1},
                                   {"A.txt", "A", false, 10000, 10, "", "", -1},
                                   {"sub", "sub", true, 0, 20, "", "", -1}};
    VanishSort sort;
    sort.ColumnClick(0);  // the name column, first click: ascending
    EXPECT_TRUE(sort.toggle && sort.chosen);
    EXPECT_EQ(Sorted(rows, sort), (std::vector<std::string>{"A.txt", "b.txt", "sub"}));
    sort.ColumnClick(0);
    EXPECT_EQ(Sorted(rows, sort), (std::vector<std::string>{"sub", "b.txt", "A.txt"}));
    // Sizes by their byte count, folders first: 900 before 10,000, not as text.
    sort.ColumnClick(1);
    EXPECT_EQ(Sorted(rows, sort), (std::vector<std::string>{"sub", "b.txt", "A.txt"}));
    sort.ColumnClick(1);
    EXPECT_EQ(Sorted(rows, sort), (std::vector<std::string>{"A.txt", "b.txt", "sub"}));
    sort.ColumnClick(2);  // by time
    EXPECT_EQ(Sorted(rows, sort), (std::vector<std::string>{"A.txt", "sub", "b.txt"}));
}

TEST(VanishRows, DrivesKeepLetterOrderWhateverTheShellCallsThem) {
    EXPECT_EQ(DriveRootsOfMask((1u << 0) | (1u << 2) | (1u << 25)),
              (std::vector<std::string>{"A:\\", "C:\\", "Z:\\"}));
    EXPECT_TRUE(DriveRootsOfMask(0).empty());
    EXPECT_LT(CompareTreeNodes(true, "C:\\", "Zeta (C:)", "T:\\", "Alpha (T:)"), 0);
    EXPECT_GT(CompareTreeNodes(false, "C:\\b\\", "b", "C:\\A\\", "A"), 0);
    EXPECT_EQ(CompareTreeNodes(false, "C:\\a\\", "a", "C:\\A\\", "A"), 0);
}

}  // namespace
