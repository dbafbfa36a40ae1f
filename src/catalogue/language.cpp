#include "catalogue/language.h"

#include "catalogue/language_texts.h"
#include "catalogue/table_db_file.h"
#include "platform/registry.h"

int DetectDefaultLanguageId() {
    platform::RegistryKey key =
        platform::RegistryKey::Open(RootKey::CurrentUser, "Control Panel\\International");
    auto value = key ? key.Read("sLanguage") : std::nullopt;
    return LanguageIdFromLocaleName(value ? value->AsString() : std::string());
}

std::string GetLangText(int textId, const std::string& windowName, const LanguageChoice& language,
                        const std::string& defaultText) {
    TGBObject db;
    if (!OpenTableDatabase(db, language.FileName))
        return defaultText;
    return LanguageTable(db, windowName, language.LngID).Text(textId, defaultText);
}

std::optional<LanguageList> ReadLanguageList(const LanguageChoice& language) {
    TGBObject db;
    if (!OpenTableDatabase(db, language.FileName))
        return std::nullopt;
    return LanguageListIn(db, language.LngID);
}

int LanguageIdOfEntry(const std::string& languageFile, const std::string& entry, int currentId) {
    TGBObject db;
    if (!OpenTableDatabase(db, languageFile))
        return currentId;
    return LanguageIdOfEntryIn(db, entry, currentId);
}
