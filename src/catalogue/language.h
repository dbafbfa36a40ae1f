#pragma once
// The texts of the language file "Tidewell.lng": one table of rows (Tag, Caption, Hint) per
// window and language. Every lookup has an English default that stays when the file, the
// language or the row is missing (or the file is damaged).
#include <optional>
#include <string>
#include <vector>

// Language ids are the country codes Windows gives in its "iCountry" setting.
constexpr int kLanguageDutch = 31;
constexpr int kLanguageFrench = 33;
constexpr int kLanguageItalian = 39;
constexpr int kLanguageEnglish = 44;  // the fallback
constexpr int kLanguageGerman = 49;

// Which language file and which language within it.
struct LanguageChoice {
    std::string FileName;  // full path of "Tidewell.lng"
    int LngID = kLanguageEnglish;
};

// The window name of the main window's tables ("MainForm (English)", ...).
inline constexpr const char* kMainFormName = "MainForm";

// The language of a Windows locale name such as "nld" or "deu" (the first two letters decide:
// "nl", "fr", "it", "de"); English for anything else.
int LanguageIdFromLocaleName(const std::string& sLanguage);
// The language the current user's regional settings ask for ("Control Panel\International",
// value "sLanguage"), as the program takes it at first start.
int DetectDefaultLanguageId();

// Text `textId` of window `windowName`, or `defaultText`. Opens and closes the file.
std::string GetLangText(int textId, const std::string& windowName, const LanguageChoice& language,
                        const std::string& defaultText);

// The entries of the language list: the "sCountry" of each language the file offers, sorted;
// and the index of the entry of language `lngId` (-1 when it is not among them).
struct LanguageList {
    std::vector<std::string> Entries;
    int Selected = -1;
};
// Nothing when the file cannot be opened (the list is then left as it is).
std::optional<LanguageList> ReadLanguageList(const LanguageChoice& language);
// The language id of a language list entry, or `currentId` when the file does not say.
int LanguageIdOfEntry(const std::string& languageFile, const std::string& entry, int currentId);
