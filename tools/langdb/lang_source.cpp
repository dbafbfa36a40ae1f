#include "lang_source.h"

#include <cstdlib>
#include <set>

#include "platform/paths.h"

namespace langdb {

using platform::Trim;

namespace {

// Quotes and escapes of a value; false for an unknown escape.
bool Unescape(std::string value, std::string& out) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    out.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size())
            return false;
        switch (value[i]) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return false;
        }
    }
    return true;
}

std::optional<int> ParseTag(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(text.c_str());
}

}  // namespace

WindowTexts* LanguageSource::Window(const std::string& name) {
    for (WindowTexts& w : windows)
        if (w.name == name)
            return &w;
    return nullptr;
}

const WindowTexts* LanguageSource::Window(const std::string& name) const {
    return const_cast<LanguageSource*>(this)->Window(name);
}

std::optional<LanguageSource> ParseLanguageSource(const std::string& text,
                                                  const std::string& fileName, std::string& error) {
    LanguageSource source;
    WindowTexts* window = nullptr;
    std::set<std::pair<std::string, int>> captions, hints;
    int lineNumber = 0;
    std::size_t start = 0;
    auto fail = [&](const std::string& why) {
        error = fileName + ":" + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || line.size() < 3)
                return fail("a window name is written [Name]");
            std::string name = line.substr(1, line.size() - 2);
            if (source.Window(name))
                return fail("window [" + name + "] appears twice");
            source.windows.push_back({name, {}});
            window = &source.windows.back();
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            return fail("expected name = value");
        std::string key = Trim(line.substr(0, equals));
        std::string value;
        if (!Unescape(Trim(line.substr(equals + 1)), value))
            return fail("unknown escape in value");
        if (!window) {
            if (key == "language")
                source.language = value;
            else if (key == "country")
                source.country = value;
            else if (key == "id") {
                auto id = ParseTag(value);
                if (!id)
                    return fail("id must be a number");
                source.id = *id;
            } else
                return fail("unknown setting \"" + key + "\"");
            continue;
        }
        bool isHint = false;
        if (key.size() > 5 && key.compare(key.size() - 5, 5, " hint") == 0) {
            isHint = true;
            key = Trim(key.substr(0, key.size() - 5));
        }
        auto tag = ParseTag(key);
        if (!tag || *tag < 1)
            return fail("a row begins with its tag, a number from 1");
        auto& seen = isHint ? hints : captions;
        if (!seen.insert({window->name, *tag}).second)
            return fail("tag " + key + " appears twice in [" + window->name + "]");
        TextRow* row = nullptr;
        for (TextRow& r : window->rows)
            if (r.tag == *tag)
                row = &r;
        if (!row) {
            if (isHint)
                return fail("the hint of tag " + key + " comes before its caption");
            window->rows.push_back({*tag, value, std::nullopt});
        } else {
            row->hint = value;
        }
    }
    if (source.language.empty() || source.country.empty() || source.id == 0) {
        lineNumber = 0;
        return fail("language, country and id must be given");
    }
    return source;
}

}  // namespace langdb
