#include "catalogue/date_time.h"

#include <gtest/gtest.h>

TEST(DateTime, EncodesDaysSinceTheEndOf1899) {
    EXPECT_DOUBLE_EQ(EncodeDateTime({1899, 12, 30}), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({1900, 1, 1}), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime({2000, 1, 1, 12}), 36526.5);
    CivilDateTime c = DecodeDateTime(EncodeDateTime({2026, 12, 8, 14, 5, 9, 250}));
    EXPECT_EQ(c.year, 2026);
    EXPECT_EQ(c.month, 12);
    EXPECT_EQ(c.day, 8);
    EXPECT_EQ(c.hour, 14);
    EXPECT_EQ(c.minute, 5);
    EXPECT_EQ(c.second, 9);
    EXPECT_EQ(c.millisecond, 250);
}

TEST(DateTime, FormatsThePatternsTheProgramUses) {
    TDateTime t = EncodeDateTime({2026, 3, 7, 9, 4, 2});
    EXPECT_EQ(FormatDateTime("mmmm dd yyyy hh:mm:ss", t), "March 07 2026 09:04:02");
    EXPECT_EQ(FormatDateTime("dd mmmm, yyyy hh:mm:ss", t), "07 March, 2026 09:04:02");
    EXPECT_EQ(FormatDateTime("mmmm, dd yyyy hh:mm:ss", t), "March, 07 2026 09:04:02");
    EXPECT_EQ(FormatClockTime(t, ":"), "09:04:02");
    EXPECT_EQ(FormatClockTime(t, "."), "09.04.02");  // the locale's separator, as given
}

TEST(DateTime, NowIsAfterTheYear2000) {
    EXPECT_GT(Now(), EncodeDateTime({2000, 1, 1}));
}
