#include "catalogue/date_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

const long long kEpochOffsetDays = DaysFromCivil(1899, 12, 30);  // days from 1970 to 1899-12-30

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

bool StartsWith(const std::string& text, std::size_t at, const char* word) {
    return text.compare(at, std::char_traits<char>::length(word), word) == 0;
}

}  // namespace

TDateTime EncodeDateTime(const CivilDateTime& c) {
    long long days =
        DaysFromCivil(c.year, static_cast<unsigned>(c.month), static_cast<unsigned>(c.day)) -
        kEpochOffsetDays;
    double ms = ((c.hour * 60.0 + c.minute) * 60.0 + c.second) * 1000.0 + c.millisecond;
    return static_cast<double>(days) + ms / kMillisecondsPerDay;
}

CivilDateTime DecodeDateTime(TDateTime value) {
    CivilDateTime c;
    double whole = std::floor(value);
    long long ms = std::llround((value - whole) * kMillisecondsPerDay);
    long long days = static_cast<long long>(whole);
    if (ms >= static_cast<long long>(kMillisecondsPerDay)) {
        ms -= static_cast<long long>(kMillisecondsPerDay);
        ++days;
    }
    CivilFromDays(days + kEpochOffsetDays, c.year, c.month, c.day);
    c.millisecond = static_cast<int>(ms % 1000);
    c.second = static_cast<int>(ms / 1000 % 60);
    c.minute = static_cast<int>(ms / 60000 % 60);
    c.hour = static_cast<int>(ms / 3600000);
    return c;
}

TDateTime Now() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    CivilDateTime c;
    c.year = local.tm_year + 1900;
    c.month = local.tm_mon + 1;
    c.day = local.tm_mday;
    c.hour = local.tm_hour;
    c.minute = local.tm_min;
    c.second = local.tm_sec;
    c.millisecond =
        static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDateTime(c);
}

TDateTime Today() {
    return std::floor(Now());
}

double TimeOfDayFraction(TDateTime value) {
    return value - std::floor(value);
}

const MonthNames& EnglishMonthNames() {
    static const MonthNames names = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
    return names;
}

std::string FormatDateTime(const std::string& pattern, TDateTime value, const MonthNames& months) {
    const CivilDateTime c = DecodeDateTime(value);
    std::string out;
    bool afterHour = false;  // "mm" right after an hour means minutes
    for (std::size_t i = 0; i < pattern.size();) {
        if (StartsWith(pattern, i, "yyyy")) {
            out += std::to_string(c.year);
            i += 4;
        } else if (StartsWith(pattern, i, "mmmm")) {
            out += months[static_cast<std::size_t>(c.month - 1)];
            i += 4;
        } else if (StartsWith(pattern, i, "mm")) {
            out += TwoDigits(afterHour ? c.minute : c.month);
            afterHour = false;
            i += 2;
        } else if (StartsWith(pattern, i, "nn")) {
            out += TwoDigits(c.minute);
            i += 2;
        } else if (StartsWith(pattern, i, "dd")) {
            out += TwoDigits(c.day);
            i += 2;
        } else if (StartsWith(pattern, i, "hh")) {
            out += TwoDigits(c.hour);
            afterHour = true;
            i += 2;
        } else if (StartsWith(pattern, i, "ss")) {
            out += TwoDigits(c.second);
            i += 2;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::string FormatClockTime(TDateTime value, std::string_view timeSeparator) {
    std::string separator(timeSeparator);
    return FormatDateTime("hh", value) + separator + FormatDateTime("nn", value) + separator +
           FormatDateTime("ss", value);
}
