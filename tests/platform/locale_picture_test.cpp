#include "platform/locale_picture.h"

#include <gtest/gtest.h>

using platform::LocaleNames;
using platform::ParseWithPicture;
using platform::PictureFields;

namespace {

LocaleNames English() {
    LocaleNames n;
    n.months = {"January", "February", "March",     "April",   "May",      "June",
                "July",    "August",   "September", "October", "November", "December"};
    n.shortMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    n.days = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    n.shortDays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return n;
}

std::string Show(const std::optional<PictureFields>& f) {
    if (!f)
        return "none";
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", f->year, f->month, f->day,
                  f->hour, f->minute, f->second);
    return text;
}

std::string Parse(const std::string& text, const std::string& picture) {
    return Show(ParseWithPicture(text, picture, English()));
}

}  // namespace

TEST(LocalePicture, CommonShortDates) {
    EXPECT_EQ(Parse("3/14/2024", "M/d/yyyy"), "2024-03-14 00:00:00");
    EXPECT_EQ(Parse("14.03.2024", "dd.MM.yyyy"), "2024-03-14 00:00:00");
    EXPECT_EQ(Parse("2024-03-04", "yyyy-MM-dd"), "2024-03-04 00:00:00");
    EXPECT_EQ(Parse("20240304", "yyyyMMdd"), "2024-03-04 00:00:00");
    EXPECT_EQ(Parse("14-Mar-24", "dd-MMM-yy"), "2024-03-14 00:00:00");
    EXPECT_EQ(Parse("Thursday, march 14, 2024", "dddd, MMMM d, yyyy"), "2024-03-14 00:00:00");
    EXPECT_EQ(Parse("14 de 3 de 2024", "d' de 'M' de 'yyyy"), "2024-03-14 00:00:00");
}

TEST(LocalePicture, TwoDigitYearsFallIn1930To2029) {
    EXPECT_EQ(Parse("1/2/29", "M/d/yy"), "2029-01-02 00:00:00");
    EXPECT_EQ(Parse("1/2/30", "M/d/yy"), "1930-01-02 00:00:00");
}

TEST(LocalePicture, TimesInTwelveAndTwentyFourHours) {
    EXPECT_EQ(Parse("2:05:09 PM", "h:mm:ss tt"), "1899-12-30 14:05:09");
    EXPECT_EQ(Parse("12:00:00 am", "h:mm:ss tt"), "1899-12-30 00:00:00");
    EXPECT_EQ(Parse("12:30:00 PM", "h:mm:ss tt"), "1899-12-30 12:30:00");
    EXPECT_EQ(Parse("14:05:09", "HH:mm:ss"), "1899-12-30 14:05:09");
    EXPECT_EQ(Parse("14 h 05", "H' h 'mm"), "1899-12-30 14:05:00");
    EXPECT_EQ(Parse("3/14/2024 2:05:09 PM", "M/d/yyyy h:mm:ss tt"), "2024-03-14 14:05:09");
}

TEST(LocalePicture, MisfitsAndImpossibleValuesAreRejected) {
    EXPECT_EQ(Parse("", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("2/30/2024", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("2/29/2023", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("2/29/2024", "M/d/yyyy"), "2024-02-29 00:00:00");
    EXPECT_EQ(Parse("13/1/2024", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("1/1/2024x", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("1-1-2024", "M/d/yyyy"), "none");
    EXPECT_EQ(Parse("24:00:00", "HH:mm:ss"), "none");
    EXPECT_EQ(Parse("13:00:00 PM", "h:mm:ss tt"), "none");
    EXPECT_EQ(Parse("9:60:00", "H:mm:ss"), "none");
    EXPECT_EQ(Parse("Foo 1, 2024", "MMM d, yyyy"), "none");
}
