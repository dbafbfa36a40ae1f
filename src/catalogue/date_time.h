#pragma once
// Dates and times as the program stores them: days since 30 December 1899 (fraction = time of
// day), in local time.
#include <array>
#include <string>
#include <string_view>

using TDateTime = double;

struct CivilDateTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

TDateTime Now();
TDateTime Today();
TDateTime EncodeDateTime(const CivilDateTime& civil);
CivilDateTime DecodeDateTime(TDateTime value);
double TimeOfDayFraction(TDateTime value);

// The names of the months, January first.
using MonthNames = std::array<std::string, 12>;
const MonthNames& EnglishMonthNames();

// Formats with the patterns the program uses: "yyyy", "mmmm" (the month's name from `months`),
// "mm" (month, or minutes right after an hour), "dd", "hh", "nn" (minutes), "ss"; other
// characters are copied. Example: "mmmm dd yyyy hh:mm:ss" -> "December 08 2026 14:05:09".
std::string FormatDateTime(const std::string& pattern, TDateTime value,
                           const MonthNames& months = EnglishMonthNames());
// "hh:mm:ss", as the activity log writes times; the ":" is the locale's time separator, which
// the caller gives.
std::string FormatClockTime(TDateTime value, std::string_view timeSeparator);
