#pragma once
// Reading the texts of one window in one language from an open language database: the
// "Contents" table names the languages, a table "<window> (<sCountry>)" holds the rows.
#include <optional>
#include <string>
#include <vector>

#include "catalogue/language.h"
#include "catalogue/table_db.h"

namespace lang_db {
inline constexpr const char* kContents = "Contents";
inline constexpr const char* kLanguage = "sLanguage";  // a language code, "_" hides it
inline constexpr const char* kCountry = "sCountry";    // the name shown in the list
inline constexpr const char* kCountryId = "iCountry";  // the language id, decimal
inline constexpr const char* kTag = "Tag";
inline constexpr const char* kCaption = "Caption";
inline constexpr const char* kHint = "Hint";
}  // namespace lang_db

// The table name of a window in a language: "MainForm (English)"; nothing when the database
// does not list the language.
std::optional<std::string> LanguageTableName(const TGBObject& db, const std::string& window,
                                             int lngId);

// The list of languages the database offers, sorted, with the entry of `lngId` selected.
LanguageList LanguageListIn(const TGBObject& db, int lngId);
// The id of the language whose "sCountry" is `entry`; `currentId` when none or not a number.
int LanguageIdOfEntryIn(const TGBObject& db, const std::string& entry, int currentId);

// The rows of one window in one language.
class LanguageTable {
  public:
    // `db` must stay open while the table is used. Not valid when the language is not listed.
    LanguageTable(const TGBObject& db, const std::string& window, int lngId);
    bool IsValid() const { return !table_.empty(); }

    // The row (from 1) whose "Tag" is `tag`; 0 when none.
    int RowOfTag(int tag) const;
    std::string Caption(int row) const;
    std::string Hint(int row) const;
    // The caption of row `tag`, or `fallback` when there is no such row.
    std::string Text(int tag, const std::string& fallback) const;
    // The items of a multi-item control with tag `tag`: item i is the caption of the row i rows
    // after the row of tag + 1. Only as many as there are rows; empty when that row is missing.
    std::vector<std::string> Items(int tag, std::size_t count) const;

  private:
    const TGBObject& db_;
    std::string table_;
};
