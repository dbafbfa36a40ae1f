#pragma once
// Reading a date or time text back by the locale picture that wrote it ("M/d/yyyy",
// "h:mm:ss tt", "dd.MM.yyyy", ...), in the picture syntax of the system's date and time
// formatting. No system calls: the caller gives the picture and the locale's names.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct LocaleNames {
    std::array<std::string, 12> months;       // "January", ...
    std::array<std::string, 12> shortMonths;  // "Jan", ...
    std::array<std::string, 7> days;          // "Monday", ... (order does not matter here)
    std::array<std::string, 7> shortDays;
    std::string am = "AM", pm = "PM";
};

struct PictureFields {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
};

// Years written with two digits are taken from 1930..2029, as the system does by default.
constexpr int kTwoDigitYearMax = 2029;

// The fields of `text` read by `picture`; fields the picture does not name keep their values
// from `start`. Nothing when the text does not fit the picture or a field is out of range
// (including a day the month does not have). Blanks around the text are ignored; letters
// compare without regard to ASCII case.
std::optional<PictureFields> ParseWithPicture(std::string_view text, std::string_view picture,
                                              const LocaleNames& names, PictureFields start = {});

}  // namespace platform
