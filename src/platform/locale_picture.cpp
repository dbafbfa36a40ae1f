#include "platform/locale_picture.h"

#include <cctype>

#include "platform/paths.h"

namespace platform {
namespace {

bool IsPictureLetter(char c) {
    return c == 'd' || c == 'M' || c == 'y' || c == 'g' || c == 'h' || c == 'H' || c == 'm' ||
           c == 's' || c == 't';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // Up to `maxDigits` digits, at least one.
    std::optional<int> Number(std::size_t maxDigits) {
        std::size_t start = pos_;
        int value = 0;
        while (pos_ < text_.size() && pos_ - start < maxDigits && IsDigit(text_[pos_]))
            value = value * 10 + (text_[pos_++] - '0');
        if (pos_ == start)
            return std::nullopt;
        return value;
    }

    bool Literal(char c) {
        if (AtEnd() || text_[pos_] != c)
            return false;
        ++pos_;
        return true;
    }

    // The longest of `words` that starts here (ASCII case ignored); its index, or nothing.
    template <std::size_t N>
    std::optional<std::size_t> OneOf(const std::array<std::string, N>& words) {
        std::optional<std::size_t> best;
        std::size_t bestLength = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const std::string& word = words[i];
            if (word.empty() || word.size() <= bestLength || text_.size() - pos_ < word.size())
                continue;
            if (EqualsIgnoreCase(text_.substr(pos_, word.size()), word)) {
                best = i;
                bestLength = word.size();
            }
        }
        pos_ += bestLength;
        return best;
    }

    void SkipLetters() {
        while (pos_ < text_.size() &&
               (std::isalpha(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.'))
            ++pos_;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int FullYear(int year, std::size_t letters) {
    if (letters > 2)
        return year;
    year += 1900;
    return year + 100 <= kTwoDigitYearMax ? year + 100 : year;
}

struct Marks {
    bool twelveHour = false;
    std::optional<bool> pm;
};

// Reads one picture token of `count` times `letter`; false when the text does not fit.
bool ReadToken(Reader& in, char letter, std::size_t count, const LocaleNames& names,
               PictureFields& f, Marks& marks) {
    std::optional<int> n;
    switch (letter) {
        case 'd':
            if (count >= 3)
                return (count == 3 ? in.OneOf(names.shortDays) : in.OneOf(names.days)).has_value();
            n = in.Number(2);
            f.day = n.value_or(0);
            return n.has_value();
        case 'M':
            if (count >= 3) {
                auto index = count == 3 ? in.OneOf(names.shortMonths) : in.OneOf(names.months);
                f.month = index ? static_cast<int>(*index) + 1 : 0;
                return index.has_value();
            }
            n = in.Number(2);
            f.month = n.value_or(0);
            return n.has_value();
        case 'y':
            n = in.Number(count > 2 ? 4 : 2);
            f.year = n ? FullYear(*n, count) : 0;
            return n.has_value();
        case 'g':
            in.SkipLetters();  // the era ("A.D.") carries nothing for the Gregorian calendar
            return true;
        case 'h':
        case 'H':
            marks.twelveHour = marks.twelveHour || letter == 'h';
            n = in.Number(2);
            f.hour = n.value_or(0);
            return n.has_value();
        case 'm':
            n = in.Number(2);
            f.minute = n.value_or(0);
            return n.has_value();
        case 's':
            n = in.Number(2);
            f.second = n.value_or(0);
            return n.has_value();
        case 't': {
            if (names.am.empty() && names.pm.empty())
                return true;  // the locale writes no designator
            std::array<std::string, 2> designators = {names.am, names.pm};
            if (count == 1)
                for (std::string& d : designators)
                    d = d.substr(0, 1);
            auto index = in.OneOf(designators);
            if (index)
                marks.pm = *index == 1;
            return index.has_value();
        }
    }
    return false;
}

bool InRange(const PictureFields& f) {
    return f.year >= 1 && f.year <= 9999 && f.month >= 1 && f.month <= 12 && f.day >= 1 &&
           f.day <= DaysInMonth(f.year, f.month) && f.hour >= 0 && f.hour <= 23 && f.minute >= 0 &&
           f.minute <= 59 && f.second >= 0 && f.second <= 59;
}

}  // namespace

std::optional<PictureFields> ParseWithPicture(std::string_view text, std::string_view picture,
                                              const LocaleNames& names, PictureFields start) {
    Reader in(Trimmed(text));
    PictureFields f = start;
    Marks marks;
    for (std::size_t i = 0; i < picture.size();) {
        char c = picture[i];
        if (c == '\'') {  // quoted literal text; '' stands for one quote
            ++i;
            for (; i < picture.size(); ++i) {
                if (picture[i] == '\'') {
                    if (i + 1 < picture.size() && picture[i + 1] == '\'')
                        ++i;
                    else
                        break;
                }
                if (!in.Literal(picture[i]))
                    return std::nullopt;
            }
            ++i;
        } else if (IsPictureLetter(c)) {
            std::size_t count = 1;
            while (i + count < picture.size() && picture[i + count] == c)
                ++count;
            if (!ReadToken(in, c, count, names, f, marks))
                return std::nullopt;
            i += count;
        } else {
            if (!in.Literal(c))
                return std::nullopt;
            ++i;
        }
    }
    if (!in.AtEnd())
        return std::nullopt;
    if (marks.twelveHour && marks.pm) {
        if (f.hour < 1 || f.hour > 12)
            return std::nullopt;
        f.hour = f.hour % 12 + (*marks.pm ? 12 : 0);
    }
    if (!InRange(f))
        return std::nullopt;
    return f;
}

}  // namespace platform
