// Firefox and Netscape: the data files of each profile, found under the application data
// folders, and the files Firefox's list of downloads names.
#include <set>
#include <string>
#include <vector>

#include "engine/primitives.h"
#include "engine/protected_folders.h"
#include "platform/files.h"
#include "platform/known_folders.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "washers/browser_files.h"
#include "washers/downloads_rdf.h"
#include "washers/other_browsers.h"
#include "washers/typed_washer.h"

namespace {

// The file or files that hold one kind of a Mozilla profile's data.
const char* ProfileFileOf(TWashListItemType type) {
    switch (type) {
        case wlitFirefox_Visited_Typed_Urls:
        case wlitNetscape_Visited_Typed_Urls:
            return "localstore.rdf";
        case wlitFirefox_History:
        case wlitNetscape_History:
            return "history.dat";
        case wlitFirefox_Cookies:
        case wlitNetscape_Cookies:
            return "cookies.txt";
        case wlitFirefox_AutoComplete_Data:
        case wlitNetscape_AutoComplete_Data:
            return "formhistory.dat";
        case wlitFirefox_Preferences:
        case wlitNetscape_Preferences:
            return "prefs.js";
        case wlitFirefox_Bookmarks:
        case wlitNetscape_Bookmarks:
            return "bookmarks.html";
        default:
            return nullptr;
    }
}

void WashCache(WashScope& scope, const std::string& profile) {
    const std::string cache = profile + "Cache\\";
    if (platform::FolderExists(cache))
        DeleteFiles(scope, cache, "*.*");
}

// Why a downloaded file may not be destroyed where it lies, or "" when it may. A browser file
// names it, and what a web page offered decides what that file holds: it never reaches into
// the Windows folder tree nor takes a file lying straight in a drive root or profile folder.
std::string DownloadRefusal(const ProtectedFolders& guarded, const std::string& windows,
                            const std::string& folder) {
    const std::string lower = platform::LowerAscii(folder);
    if (!windows.empty() && lower.rfind(windows, 0) == 0)
        return "it lies in the Windows folder";
    std::string reason = ProtectedFolderReason(guarded, folder);
    return reason.empty() ? reason : "it lies in " + reason;
}

void RefuseDownload(WashScope& scope, const std::string& what, const std::string& why) {
    const std::string text = "Left alone " + what + " named by downloads.rdf: " + why;
    scope.Report(WashActionKind::Plain, text);
    scope.QueueLogLine(text);
}

// Destroys the files that a profile's downloads.rdf names, then empties the list itself.
void WashDownloads(WashScope& scope, const std::string& profile) {
    const std::string list = profile + "downloads.rdf";
    if (!platform::FileExists(list))
        return;
    std::optional<std::string> text = platform::ReadWholeFile(list);
    const std::vector<std::string> resources =
        text ? DownloadedFileResources(*text) : std::vector<std::string>();
    const ProtectedFolders guarded = SystemProtectedFolders();
    const std::string windows = platform::LowerAscii(
        platform::WithTrailingBackslash(platform::FullLongPath(platform::WindowsFolder())));
    std::set<std::string> seen;  // a file listed twice is washed (and counted) once
    for (const std::string& resource : resources) {
        if (!scope.KeepWashing())
            return;
        std::optional<std::string> path = FileAddressToPath(resource);
        if (!path) {
            if (!resource.empty())
                RefuseDownload(scope, "\"" + resource + "\"", "not a local file address");
            continue;
        }
        if (!seen.insert(platform::LowerAscii(*path)).second)
            continue;
        std::optional<std::uint32_t> attributes = platform::FileAttributes(*path);
        if (!attributes)
            continue;  // already gone: nothing to wash, nothing counted
        if (*attributes & platform::file_attr::kDirectory) {
            RefuseDownload(scope, *path, "it is a folder, not a downloaded file");
            continue;
        }
        const std::string folder = platform::FolderOfPath(*path);
        std::string why = DownloadRefusal(
            guarded, windows, platform::WithTrailingBackslash(platform::FullLongPath(folder)));
        if (!why.empty()) {
            RefuseDownload(scope, *path, why);
            continue;
        }
        bool prompt = false;
        WashFile(scope, folder, {platform::LastPathComponent(*path)}, prompt, true);
    }
    if (scope.KeepWashing())
        ClearFiles(scope, profile, "downloads.rdf");
}

void WashFirefoxProfile(WashScope& scope, TWashListItemType type, const std::string& profile) {
    if (type == wlitFirefox_Cache)
        WashCache(scope, profile);
    else if (type == wlitFirefox_Downloaded_Files)
        WashDownloads(scope, profile);
    else if (const char* file = ProfileFileOf(type))
        ClearFiles(scope, profile, file);
}

void WashFirefox(WashScope& scope, TWashListItemType type) {
    const std::string local = LocalAppDataFolder() + "Mozilla\\Firefox\\Profiles\\";
    const std::string roaming = AppDataFolder() + "Mozilla\\Firefox\\Profiles\\";
    if (!platform::FolderExists(local) && !platform::FolderExists(roaming))
        return;
    std::vector<std::string> profiles = ProfileFolders(local);
    // Where both names lead to one folder (older Windows), its profiles are washed once.
    if (!platform::EqualsIgnoreCase(platform::FullLongPath(local), platform::FullLongPath(roaming)))
        for (std::string& profile : ProfileFolders(roaming))
            profiles.push_back(std::move(profile));
    for (const std::string& profile : profiles) {
        if (!scope.KeepWashing())
            return;
        WashFirefoxProfile(scope, type, profile);
    }
}

// Netscape keeps two families of profiles: Mozilla's, where each user profile holds a salted
// profile folder, and its own, where each profile is the data folder.
void WashNetscapeFolder(WashScope& scope, TWashListItemType type, const std::string& folder,
                        bool ownFamily) {
    if (type == wlitNetscape_Cache)
        WashCache(scope, folder);
    else if (ownFamily && type == wlitNetscape_Visited_Typed_Urls)
        ClearFiles(scope, folder, "history.dat");
    else if (const char* file = ProfileFileOf(type))
        ClearFiles(scope, folder, file);
}

void WashNetscape(WashScope& scope, TWashListItemType type) {
    const std::string appData = AppDataFolder();
    std::vector<std::pair<std::string, bool>> folders;  // data folder, own family
    const std::string mozilla = appData + "Mozilla\\Profiles\\";
    if (platform::FolderExists(mozilla))
        for (const std::string& user : ProfileFolders(mozilla))
            for (const std::string& salted : ProfileFolders(user))
                folders.emplace_back(salted, false);
    const std::string own = appData + "Netscape\\NSAE\\Profiles\\";
    if (platform::FolderExists(own))
        for (const std::string& profile : ProfileFolders(own))
            folders.emplace_back(profile, true);
    for (const auto& [folder, ownFamily] : folders) {
        if (!scope.KeepWashing())
            return;
        WashNetscapeFolder(scope, type, folder, ownFamily);
    }
}

}  // namespace

void AddMozillaWashers(WasherTable& table) {
    const std::pair<TWashListItemType, const char*> firefox[] = {
        {wlitFirefox_Visited_Typed_Urls, " Washing: Firefox Visited Typed Urls"},
        {wlitFirefox_History, " Washing: Firefox History"},
        {wlitFirefox_Cache, " Washing: Firefox Cache"},
        {wlitFirefox_Cookies, " Washing: Firefox Cookies"},
        {wlitFirefox_Downloaded_Files, " Washing: Firefox Downloads"},
        {wlitFirefox_AutoComplete_Data, " Washing: Firefox AutoComplete Data"},
        {wlitFirefox_Preferences, " Washing: Firefox Preferences Data"},
        {wlitFirefox_Bookmarks, " Washing: Firefox Bookmarks Data"},
    };
    for (const auto& [type, title] : firefox)
        table.BuiltIn[type] = TypedWasher(title, WashFirefox);
    const std::pair<TWashListItemType, const char*> netscape[] = {
        {wlitNetscape_Visited_Typed_Urls, " Washing: Netscape Visited Typed Urls"},
        {wlitNetscape_History, " Washing: Netscape History"},
        {wlitNetscape_Cache, " Washing: Netscape Cache"},
        {wlitNetscape_Cookies, " Washing: Netscape Cookies"},
        {wlitNetscape_AutoComplete_Data, " Washing: Netscape AutoComplete Data"},
        {wlitNetscape_Preferences, " Washing: Netscape Preferences Data"},
        {wlitNetscape_Bookmarks, " Washing: Netscape Bookmarks Data"},
    };
    for (const auto& [type, title] : netscape)
        table.BuiltIn[type] = TypedWasher(title, WashNetscape);
}
