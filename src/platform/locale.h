#pragma once
// Dates and times as texts of the current user's locale, and back. A date-time is given as days
// since 30 December 1899 with the time of day as the fraction (the program's TDateTime).
#include <array>
#include <optional>
#include <string>

namespace platform {

// The locale's short date ("3/14/2024"), long time ("2:05:09 PM") and short date, blank, long
// time. Empty for a value the system cannot show (before the year 1601).
std::string LocaleShortDateText(double dateTime);
std::string LocaleLongTimeText(double dateTime);
std::string LocaleDateTimeText(double dateTime);
// The names of the months in the locale of the calling thread (the user's locale unless the
// program chose another), January first ("januari", ... in Dutch).
std::array<std::string, 12> LocaleMonthNames();

// Reads such texts back by the locale's own pictures. A date alone gives a whole number of
// days; a time alone gives the fraction of a day (date part 0); a date-time text may also be a
// date alone. Nothing when the text does not fit.
std::optional<double> ParseLocaleShortDate(const std::string& text);
std::optional<double> ParseLocaleLongTime(const std::string& text);
std::optional<double> ParseLocaleDateTime(const std::string& text);

}  // namespace platform
