// Opera: its data folders lie two levels below "Opera\" in the application data folder, and
// only a folder with a "cache4\" subfolder is one.
#include <string>
#include <vector>

#include "platform/files.h"
#include "washers/browser_files.h"
#include "washers/other_browsers.h"
#include "washers/typed_washer.h"

namespace {

std::vector<std::string> OperaDataFolders() {
    std::vector<std::string> folders;
    const std::string opera = AppDataFolder() + "Opera\\";
    if (!platform::FolderExists(opera))
        return folders;
    for (const std::string& version : ProfileFolders(opera))
        for (const std::string& folder : ProfileFolders(version))
            if (platform::FolderExists(folder + "cache4\\"))
                folders.push_back(folder);
    return folders;
}

void WashOperaFolder(WashScope& scope, TWashListItemType type, const std::string& folder) {
    switch (type) {
        case wlitOpera_Visited_Typed_Urls:
            ClearFiles(scope, folder, "opera.dir");
            ClearFiles(scope, folder, "vlink4.dat");
            break;
        case wlitOpera_History:
            ClearFiles(scope, folder, "global.dat");
            break;
        case wlitOpera_Cache:
            DeleteFiles(scope, folder + "cache4\\", "*.*");
            break;
        case wlitOpera_Cookies:
            ClearFiles(scope, folder, "cookies4.dat");
            break;
        case wlitOpera_Preferences:
            ClearFiles(scope, folder, "adprefs.ini");
            break;
        case wlitOpera_Bookmarks:
            ClearFiles(scope, folder, "opera6.adr");
            break;
        default:
            break;
    }
}

void WashOpera(WashScope& scope, TWashListItemType type) {
    for (const std::string& folder : OperaDataFolders()) {
        if (!scope.KeepWashing())
            return;
        WashOperaFolder(scope, type, folder);
    }
}

}  // namespace

void AddOperaWashers(WasherTable& table) {
    const std::pair<TWashListItemType, const char*> opera[] = {
        {wlitOpera_Visited_Typed_Urls, " Washing: Opera Visited Typed Urls"},
        {wlitOpera_History, " Washing: Opera History"},
        {wlitOpera_Cache, " Washing: Opera Cache"},
        {wlitOpera_Cookies, " Washing: Opera Cookies"},
        {wlitOpera_Preferences, " Washing: Opera Preferences Data"},
        {wlitOpera_Bookmarks, " Washing: Opera Bookmarks Data"},
    };
    for (const auto& [type, title] : opera)
        table.BuiltIn[type] = TypedWasher(title, WashOpera);
}
