#include "lang_build.h"

#include <algorithm>
#include <map>

#include "catalogue/language_texts.h"
#include "catalogue/table_db_writer.h"

namespace langdb {
namespace {

GbColumn TextColumn(const char* name, std::uint16_t length) {
    GbColumn c;
    c.name = name;
    c.type = gb_type::kText;
    c.length = length;
    return c;
}

GbTableSource ContentsTable(const std::vector<const LanguageSource*>& languages) {
    GbTableSource t{lang_db::kContents,
                    {TextColumn(lang_db::kLanguage, 15), TextColumn(lang_db::kCountry, 63),
                     TextColumn(lang_db::kCountryId, 10)},
                    {}};
    for (const LanguageSource* l : languages)
        t.rows.push_back({l->language, l->country, std::to_string(l->id)});
    return t;
}

// The columns are as wide as the longest text of any language needs (at most 255 bytes; a
// longer text is refused when the table is written).
struct TextWidths {
    std::uint16_t caption = 1, hint = 1;
};

std::uint16_t Fit(std::size_t bytes, std::uint16_t width) {
    return static_cast<std::uint16_t>(
        std::min<std::size_t>(std::max<std::size_t>(bytes, width), kCaptionBytes));
}

TextWidths WidthsFor(const std::vector<const LanguageSource*>& languages) {
    TextWidths widths;
    for (const LanguageSource* language : languages)
        for (const WindowTexts& window : language->windows)
            for (const TextRow& row : window.rows) {
                widths.caption = Fit(row.caption.size(), widths.caption);
                widths.hint = Fit(row.hint.value_or("").size(), widths.hint);
            }
    return widths;
}

GbTableSource EmptyTextTable(const std::string& name, const TextWidths& widths) {
    GbColumn tag;
    tag.name = lang_db::kTag;
    tag.type = gb_type::kInteger;
    return {name,
            {tag, TextColumn(lang_db::kCaption, widths.caption),
             TextColumn(lang_db::kHint, widths.hint)},
            {}};
}

// Checks that a translation gives exactly the rows (and hints) of the English window.
bool SameRows(const WindowTexts& english, const WindowTexts& translated,
              const std::string& language, std::string& error) {
    std::map<int, const TextRow*> byTag;
    for (const TextRow& row : translated.rows)
        byTag[row.tag] = &row;
    for (const TextRow& row : english.rows) {
        auto found = byTag.find(row.tag);
        std::string where = language + " [" + english.name + "] tag " + std::to_string(row.tag);
        if (found == byTag.end()) {
            error = where + ": no translation of \"" + row.caption + "\"";
            return false;
        }
        if (row.hint.has_value() != found->second->hint.has_value()) {
            error = where + (row.hint ? ": the hint is not translated" : ": English has no hint");
            return false;
        }
        byTag.erase(found);
    }
    if (!byTag.empty()) {
        error = language + " [" + english.name + "] tag " + std::to_string(byTag.begin()->first) +
                ": not an English row";
        return false;
    }
    return true;
}

}  // namespace

std::string BuildLanguageFile(const LanguageSource& english,
                              const std::vector<LanguageSource>& translations, bool rotate,
                              std::string& error) {
    std::vector<const LanguageSource*> languages{&english};
    for (const LanguageSource& t : translations)
        languages.push_back(&t);
    std::vector<GbTableSource> tables{ContentsTable(languages)};
    const TextWidths widths = WidthsFor(languages);

    for (const LanguageSource* language : languages) {
        for (const WindowTexts& window : english.windows) {
            const WindowTexts* own = language->Window(window.name);
            if (!own) {
                error = language->country + ": no [" + window.name + "] texts";
                return {};
            }
            if (!SameRows(window, *own, language->country, error))
                return {};
            std::map<int, const TextRow*> byTag;
            for (const TextRow& row : own->rows)
                byTag[row.tag] = &row;
            GbTableSource table =
                EmptyTextTable(window.name + " (" + language->country + ")", widths);
            for (const TextRow& englishRow : window.rows) {
                const TextRow& row = *byTag[englishRow.tag];
                table.rows.push_back(
                    {std::int64_t{row.tag}, row.caption, row.hint.value_or(std::string())});
            }
            tables.push_back(std::move(table));
        }
        for (const WindowTexts& window : language->windows)
            if (!english.Window(window.name)) {
                error = language->country + ": [" + window.name + "] is not an English window";
                return {};
            }
    }
    return WriteTableDb(tables, rotate, &error);
}

}  // namespace langdb
