#include "vanish_action.h"

#include <map>

#include "catalogue/catalogue_ops.h"
#include "catalogue/language.h"
#include "catalogue/language_texts.h"
#include "catalogue/options.h"
#include "catalogue/settings.h"
#include "catalogue/settings_values.h"
#include "catalogue/table_db_file.h"
#include "engine/wash_context.h"
#include "engine/wash_levels.h"
#include "engine/washer_table.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "vanish/shred_selection.h"

int SavedWashLevel(const std::string& iniFile) {
    int fallback = Options{}.WashLevel;
    std::string text = platform::ReadIniString(iniFile, CurrentUserSectionPrefix() + ".Options",
                                               "WashBlurMode", "");
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != text.npos)
        return fallback;
    int level = std::stoi(text);
    return level < kWashLevelCount ? level : fallback;
}

VanishMenuTexts LoadVanishMenuTexts(const std::string& folder) {
    VanishMenuTexts texts;
    std::string section = CurrentUserSectionPrefix() + ".Options";
    std::string saved = platform::ReadIniString(folder + "tidewell.ini", section, "LngID", "");
    int lngId = ParseSettingsInteger(saved).value_or(DetectDefaultLanguageId());
    TGBObject db;
    if (!OpenTableDatabase(db, folder + "Tidewell.lng"))
        return texts;
    LanguageTable table(db, "NimboAction", lngId);
    if (!table.IsValid())
        return texts;
    texts.menu = table.Text(8000, texts.menu);
    texts.helpText = table.Text(8001, texts.helpText);
    texts.oneQuestion = table.Text(8002, texts.oneQuestion);
    texts.manyQuestion = table.Text(8003, texts.manyQuestion);
    return texts;
}

std::string WithValue(std::string text, const std::string& value) {
    std::size_t at = text.find("%1");
    return at == std::string::npos ? text : text.replace(at, 2, value);
}

void VanishPaths(const std::vector<std::string>& paths, int washLevel) {
    std::map<std::string, std::vector<std::string>> byFolder;
    for (const std::string& path : paths) {
        std::string full = platform::WithoutTrailingBackslash(path);
        std::string folder = platform::FolderOfPath(full);
        std::string name = platform::LastPathComponent(full);
        if (!folder.empty() && !name.empty())
            byFolder[folder].push_back(name);  // a drive root has no name: never shredded
    }
    Catalogue catalogue;
    WasherTable washers;
    SilentWashView view;  // the user confirmed the whole selection once, in the menu's question
    WashContext ctx(catalogue, view, washers);
    ctx.Opts.WashLevel = washLevel;
    for (const auto& [folder, names] : byFolder)
        ShredSelection(ctx, folder, names, nullptr);
}
