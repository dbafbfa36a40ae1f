#include "engine/file_mask.h"

#include <utility>
#include <vector>

namespace {

enum class Token { Literal, Star, DosStar, DosQuestion, DosDot };

struct MaskPart {
    Token token;
    char32_t ch = 0;
};

// Decodes UTF-8 into code points; a malformed byte stands for itself.
std::vector<char32_t> CodePoints(std::string_view text) {
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        if (lead >= 0x80 && lead < 0xC0)
            extra = 0;
        char32_t point = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                point = (point << 6) | (next & 0x3F);
        }
        if (!valid) {
            points.push_back(lead);
            ++i;
            continue;
        }
        points.push_back(point);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return points;
}

// Case folding for the letters that occur in file names here: ASCII, Latin-1, Greek, Cyrillic.
char32_t Fold(char32_t c) {
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return c + 32;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

std::vector<MaskPart> Compile(const std::vector<char32_t>& mask) {
    std::vector<MaskPart> parts;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        char32_t c = mask[i];
        char32_t next = i + 1 < mask.size() ? mask[i + 1] : 0;
        if (c == U'*')
            parts.push_back({next == U'.' ? Token::DosStar : Token::Star});
        else if (c == U'?')
            parts.push_back({Token::DosQuestion});
        else if (c == U'.' && (next == U'*' || next == U'?' || next == 0))
            parts.push_back({Token::DosDot});
        else
            parts.push_back({Token::Literal, Fold(c)});
    }
    return parts;
}

class Matcher {
  public:
    Matcher(std::vector<MaskPart> parts, std::vector<char32_t> name)
        : parts_(std::move(parts)), name_(std::move(name)) {
        lastDot_ = name_.size();
        for (std::size_t j = 0; j < name_.size(); ++j)
            if (name_[j] == U'.')
                lastDot_ = j;
        memo_.assign((parts_.size() + 1) * (name_.size() + 1), kUnknown);
    }

    bool Matches(std::size_t i, std::size_t j) {
        signed char& known = memo_[i * (name_.size() + 1) + j];
        if (known == kUnknown)
            known = Compute(i, j) ? 1 : 0;
        return known == 1;
    }

  private:
    static constexpr signed char kUnknown = -1;

    bool Compute(std::size_t i, std::size_t j) {
        const std::size_t n = name_.size();
        if (i == parts_.size())
            return j == n;
        const MaskPart& part = parts_[i];
        switch (part.token) {
            case Token::Literal:
                return j < n && Fold(name_[j]) == part.ch && Matches(i + 1, j + 1);
            case Token::Star:
                for (std::size_t k = j; k <= n; ++k)
                    if (Matches(i + 1, k))
                        return true;
                return false;
            case Token::DosStar: {
                // Any run that does not swallow the name's last dot.
                std::size_t limit = lastDot_ >= j ? lastDot_ : n;
                for (std::size_t k = j; k <= limit; ++k)
                    if (Matches(i + 1, k))
                        return true;
                return false;
            }
            case Token::DosQuestion:
                if (j < n && name_[j] != U'.')
                    return Matches(i + 1, j + 1);
                return Matches(i + 1, j);  // at a dot or the end it matches nothing
            case Token::DosDot:
                if (j < n)
                    return name_[j] == U'.' && Matches(i + 1, j + 1);
                return Matches(i + 1, j);
        }
        return false;
    }

    std::vector<MaskPart> parts_;
    std::vector<char32_t> name_;
    std::size_t lastDot_;
    std::vector<signed char> memo_;
};

}  // namespace

bool FileMaskMatches(std::string_view mask, std::string_view name) {
    if (mask.find_first_of("\\/") != std::string_view::npos)
        return false;
    if (mask == "*" || mask == "*.*")
        return !name.empty();
    Matcher matcher(Compile(CodePoints(mask)), CodePoints(name));
    return matcher.Matches(0, 0);
}

bool MaskTakesAnyName(std::string_view mask) {
    return mask.find_first_of("*?") != std::string_view::npos &&
           mask.find_first_not_of("*?.") == std::string_view::npos;
}
