// The line PStoreWash keeps for each AutoComplete item, and reading it back.
#include <gtest/gtest.h>

#include "browsers/pstore_lines.h"

TEST(PStoreLines, NameAndSizeComeBack) {
    PStoreItem item = ParsePStoreItemLine(PStoreItemLine("user@site", 1234));
    EXPECT_EQ(item.name, "user@site");
    EXPECT_EQ(item.size, 1234u);
    EXPECT_FALSE(item.nameCut);
}

TEST(PStoreLines, ANameHoldingTheSizeMarkIsCutAtItsFirstOccurrence) {
    PStoreItem item = ParsePStoreItemLine(PStoreItemLine("a Size=b", 7));
    EXPECT_EQ(item.name, "a");
    EXPECT_EQ(item.size, 0u);  // "b Size=7" is not a number
    EXPECT_TRUE(item.nameCut);
}

TEST(PStoreLines, ASizeThatIsNoNumberCountsZero) {
    EXPECT_EQ(ParsePStoreItemLine("x Size=").size, 0u);
    EXPECT_EQ(ParsePStoreItemLine("x Size=12a").size, 0u);
    EXPECT_EQ(ParsePStoreItemLine("x Size=99999999999999999999999").size, 0u);
    EXPECT_EQ(ParsePStoreItemLine("no mark").name, "no mark");
}
