#include "platform/locale.h"

#include <windows.h>

#include <cmath>

#include "platform/locale_picture.h"
#include "platform/text.h"

namespace platform {
namespace {

constexpr long long kMsPerDay = 86400000;
constexpr long long kTicksPerMs = 10000;           // FILETIME counts 100 ns steps
constexpr long long kDaysFrom1601To1899 = 109205;  // 1601-01-01 .. 1899-12-30

std::optional<SYSTEMTIME> ToSystemTime(double dateTime) {
    if (!std::isfinite(dateTime))
        return std::nullopt;
    double whole = std::floor(dateTime);
    if (whole < -kDaysFrom1601To1899 || whole > 2900000.0)
        return std::nullopt;
    long long days = static_cast<long long>(whole);
    long long ms = std::llround((dateTime - whole) * kMsPerDay);
    if (ms >= kMsPerDay) {
        ms -= kMsPerDay;
        ++days;
    }
    unsigned long long ticks =
        static_cast<unsigned long long>((days + kDaysFrom1601To1899) * kMsPerDay + ms) *
        kTicksPerMs;
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    SYSTEMTIME st;
    if (!FileTimeToSystemTime(&ft, &st))
        return std::nullopt;
    return st;
}

// Whole days since 1899-12-30 of a civil date; nothing for a date the system rejects.
std::optional<double> DaysOf(const PictureFields& f) {
    SYSTEMTIME st = {};
    st.wYear = static_cast<WORD>(f.year);
    st.wMonth = static_cast<WORD>(f.month);
    st.wDay = static_cast<WORD>(f.day);
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft))
        return std::nullopt;
    unsigned long long ticks =
        (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    long long days = static_cast<long long>(ticks / kTicksPerMs / kMsPerDay);
    return static_cast<double>(days - kDaysFrom1601To1899);
}

// The same arithmetic as the program's date encoding, so that equal times compare equal.
double FractionOf(const PictureFields& f) {
    double ms = ((f.hour * 60.0 + f.minute) * 60.0 + f.second) * 1000.0;
    return ms / static_cast<double>(kMsPerDay);
}

std::string LocaleInfo(LCTYPE type) {
    wchar_t buffer[128];
    int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
    if (length <= 0)
        return {};
    return WideToUtf8(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
}

LocaleNames CurrentLocaleNames() {
    LocaleNames names;
    for (int i = 0; i < 12; ++i) {
        names.months[i] = LocaleInfo(LOCALE_SMONTHNAME1 + i);
        names.shortMonths[i] = LocaleInfo(LOCALE_SABBREVMONTHNAME1 + i);
    }
    for (int i = 0; i < 7; ++i) {
        names.days[i] = LocaleInfo(LOCALE_SDAYNAME1 + i);
        names.shortDays[i] = LocaleInfo(LOCALE_SABBREVDAYNAME1 + i);
    }
    names.am = LocaleInfo(LOCALE_S1159);
    names.pm = LocaleInfo(LOCALE_S2359);
    return names;
}

std::string ShortDatePicture() {
    return LocaleInfo(LOCALE_SSHORTDATE);
}

std::string LongTimePicture() {
    return LocaleInfo(LOCALE_STIMEFORMAT);
}

std::optional<PictureFields> Parse(const std::string& text, const std::string& picture) {
    return ParseWithPicture(text, picture, CurrentLocaleNames());
}

}  // namespace

std::string LocaleShortDateText(double dateTime) {
    auto st = ToSystemTime(dateTime);
    wchar_t buffer[128];
    if (!st || GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &*st, nullptr, buffer, 128) <= 0)
        return {};
    return WideToUtf8(buffer);
}

std::string LocaleLongTimeText(double dateTime) {
    auto st = ToSystemTime(dateTime);
    wchar_t buffer[128];
    if (!st || GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &*st, nullptr, buffer, 128) <= 0)
        return {};
    return WideToUtf8(buffer);
}

std::string LocaleDateTimeText(double dateTime) {
    std::string date = LocaleShortDateText(dateTime);
    std::string time = LocaleLongTimeText(dateTime);
    if (date.empty() || time.empty())
        return {};
    return date + " " + time;
}

std::array<std::string, 12> LocaleMonthNames() {
    std::array<std::string, 12> months;
    const LCID locale = GetThreadLocale();  // the user's, unless the program chose another
    for (int i = 0; i < 12; ++i) {
        wchar_t name[80];
        int length = GetLocaleInfoW(locale, LOCALE_SMONTHNAME1 + i, name, 80);
        if (length > 0)
            months[static_cast<std::size_t>(i)] =
                WideToUtf8(std::wstring_view(name, static_cast<std::size_t>(length - 1)));
    }
    return months;
}

std::optional<double> ParseLocaleShortDate(const std::string& text) {
    auto fields = Parse(text, ShortDatePicture());
    if (!fields)
        return std::nullopt;
    return DaysOf(*fields);
}

std::optional<double> ParseLocaleLongTime(const std::string& text) {
    auto fields = Parse(text, LongTimePicture());
    if (!fields)
        return std::nullopt;
    return FractionOf(*fields);
}

std::optional<double> ParseLocaleDateTime(const std::string& text) {
    auto fields = Parse(text, ShortDatePicture() + " " + LongTimePicture());
    if (!fields)
        fields = Parse(text, ShortDatePicture());
    if (!fields)
        return std::nullopt;
    auto days = DaysOf(*fields);
    if (!days)
        return std::nullopt;
    return *days + FractionOf(*fields);
}

}  // namespace platform
