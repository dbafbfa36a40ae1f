#include "catalogue/language_texts.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::optional<int> ParseId(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0')
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

int LanguageIdFromLocaleName(const std::string& sLanguage) {
    std::string two = sLanguage.substr(0, 2);
    for (char& c : two)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    if (two == "nl")
        return kLanguageDutch;
    if (two == "fr")
        return kLanguageFrench;
    if (two == "it")
        return kLanguageItalian;
    if (two == "de")
        return kLanguageGerman;
    return kLanguageEnglish;
}

std::optional<std::string> LanguageTableName(const TGBObject& db, const std::string& window,
                                             int lngId) {
    int row = db.FindRow(lang_db::kContents, lang_db::kCountryId, std::to_string(lngId));
    if (row < 1)
        return std::nullopt;
    return window + " (" + db.ReadValue(lang_db::kContents, lang_db::kCountry, row) + ")";
}

LanguageList LanguageListIn(const TGBObject& db, int lngId) {
    LanguageList list;
    int rows = db.RowCount(lang_db::kContents);
    for (int row = 1; row <= rows; ++row) {
        if (db.ReadValue(lang_db::kContents, lang_db::kLanguage, row).find('_') !=
            std::string::npos)
            continue;
        list.Entries.push_back(db.ReadValue(lang_db::kContents, lang_db::kCountry, row));
    }
    std::sort(list.Entries.begin(), list.Entries.end());
    int current = db.FindRow(lang_db::kContents, lang_db::kCountryId, std::to_string(lngId));
    if (current >= 1) {
        std::string country = db.ReadValue(lang_db::kContents, lang_db::kCountry, current);
        auto found = std::find(list.Entries.begin(), list.Entries.end(), country);
        if (found != list.Entries.end())
            list.Selected = static_cast<int>(found - list.Entries.begin());
    }
    return list;
}

int LanguageIdOfEntryIn(const TGBObject& db, const std::string& entry, int currentId) {
    int row = db.FindRow(lang_db::kContents, lang_db::kCountry, entry);
    if (row < 1)
        return currentId;
    return ParseId(db.ReadValue(lang_db::kContents, lang_db::kCountryId, row)).value_or(currentId);
}

LanguageTable::LanguageTable(const TGBObject& db, const std::string& window, int lngId)
    : db_(db), table_(LanguageTableName(db, window, lngId).value_or("")) {}

int LanguageTable::RowOfTag(int tag) const {
    if (!IsValid())
        return 0;
    return db_.FindRow(table_, lang_db::kTag, std::to_string(tag));
}

std::string LanguageTable::Caption(int row) const {
    return db_.ReadValue(table_, lang_db::kCaption, row);
}

std::string LanguageTable::Hint(int row) const {
    return db_.ReadValue(table_, lang_db::kHint, row);
}

std::string LanguageTable::Text(int tag, const std::string& fallback) const {
    int row = RowOfTag(tag);
    return row >= 1 ? Caption(row) : fallback;
}

std::vector<std::string> LanguageTable::Items(int tag, std::size_t count) const {
    std::vector<std::string> items;
    if (tag < 0 || tag >= 0x7FFFFFFF)
        return items;
    int first = RowOfTag(tag + 1);
    if (first < 1)
        return items;
    int rows = db_.RowCount(table_);
    for (std::size_t i = 0; i < count && first + static_cast<int>(i) <= rows; ++i)
        items.push_back(Caption(first + static_cast<int>(i)));
    return items;
}
