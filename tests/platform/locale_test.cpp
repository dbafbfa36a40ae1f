#include "platform/locale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// 2024-03-14 14:05:09 and 2031-12-01 00:00:00 as days since 1899-12-30.
constexpr double kAfternoon = 45365.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;
constexpr double kMidnight = 47818.0;

}  // namespace

TEST(Locale, TextsRoundTripExactly) {
    for (double value : {kAfternoon, kMidnight, 2.0 + 0.5, 36526.0 + 86399.0 / 86400.0}) {
        std::string date = platform::LocaleShortDateText(value);
        std::string time = platform::LocaleLongTimeText(value);
        std::string both = platform::LocaleDateTimeText(value);
        ASSERT_FALSE(date.empty());
        ASSERT_FALSE(time.empty());
        EXPECT_EQ(both, date + " " + time);

        EXPECT_EQ(platform::ParseLocaleShortDate(date), std::floor(value)) << date;
        auto parsedTime = platform::ParseLocaleLongTime(time);
        ASSERT_TRUE(parsedTime) << time;
        EXPECT_EQ(platform::LocaleLongTimeText(*parsedTime), time);
        auto parsedBoth = platform::ParseLocaleDateTime(both);
        ASSERT_TRUE(parsedBoth) << both;
        EXPECT_EQ(platform::LocaleDateTimeText(*parsedBoth), both);
    }
    // Whole seconds come back as the very same number.
    EXPECT_EQ(platform::ParseLocaleDateTime(platform::LocaleDateTimeText(kAfternoon)), kAfternoon);
}

TEST(Locale, TextsThatDoNotFitAreRejected) {
    EXPECT_FALSE(platform::ParseLocaleShortDate(""));
    EXPECT_FALSE(platform::ParseLocaleShortDate("not a date"));
    EXPECT_FALSE(platform::ParseLocaleLongTime("25:99:99"));
    std::string date = platform::LocaleShortDateText(kAfternoon);
    EXPECT_FALSE(platform::ParseLocaleShortDate(date + "x"));
    EXPECT_FALSE(platform::ParseLocaleLongTime(date));
    // A date-time text may be a date alone: midnight.
    EXPECT_EQ(platform::ParseLocaleDateTime(date), 45365.0);
}

TEST(Locale, ValuesTheSystemCannotShowGiveEmptyTexts) {
    EXPECT_EQ(platform::LocaleShortDateText(-200000.0), "");
    EXPECT_EQ(platform::LocaleDateTimeText(NAN), "");
}
