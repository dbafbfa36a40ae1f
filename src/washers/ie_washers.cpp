#include "washers/ie_washers.h"

#include "browsers/pstore_wash.h"
#include "browsers/url_history.h"
#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "washers/framed_washer.h"

namespace {

const std::string kInternetExplorer = "Software\\Microsoft\\Internet Explorer";
const std::string kFavoritesOrder =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites\\";

platform::RegistryKey OpenUserKey(const std::string& path) {
    return platform::RegistryKey::Open(RootKey::CurrentUser, path,
                                       platform::reg_access::kQuerySetCreateEnum);
}

void WashTypedUrls(WashScope& scope) {
    platform::RegistryKey key = OpenUserKey(kInternetExplorer + "\\TypedURLs");
    if (!key)
        return;
    // Numbered from 1; the first missing number ends the list, values after a gap stay. A
    // value that cannot be deleted is passed over, never tried again.
    for (int n = 1; scope.KeepWashing(); ++n) {
        const std::string name = "Url" + std::to_string(n);
        auto value = key.Read(name);
        if (!value)
            break;
        const std::string report = "HKCU\\" + kInternetExplorer + "\\TypedURLs\\" + name;
        if (scope.Testing()) {
            scope.Report(WashActionKind::Delete, report + " \"" + value->AsString() + "\" " +
                                                     FormatSizeText(value->Size()));
            scope.Count(value->Size());
            continue;
        }
        scope.Report(WashActionKind::Delete, report);
        if (key.DeleteValue(name))
            scope.Count(value->Size());
    }
}

// One remembered folder: the value is emptied (created empty when missing) and counts one entry.
void WashRememberedFolder(WashScope& scope, const std::string& keyPath, const std::string& value,
                          const std::string& reportPath) {
    platform::RegistryKey key = OpenUserKey(keyPath);
    if (!key)
        return;
    const std::string report = "HKCU" + reportPath;
    if (!scope.Testing())
        scope.Report(WashActionKind::Clear, report);
    auto old = key.Read(value);
    const std::size_t oldSize = old ? old->Size() : 0;  // a missing value counts 0 bytes
    std::size_t newSize = oldSize;
    if (scope.Testing()) {
        scope.Report(WashActionKind::Clear, report + " \"" + (old ? old->AsString() : "") + "\" " +
                                                FormatSizeText(oldSize));
    } else {
        key.WriteString(value, "");
        auto now = key.Read(value);
        newSize = now ? now->Size() : 0;
    }
    scope.Count(oldSize > newSize ? oldSize - newSize : 0);
}

void WashDownloadDirectory(WashScope& scope) {
    WashRememberedFolder(scope, kInternetExplorer, "Download Directory",
                         "\\Software\\Microsoft\\Internet Explorer\\Download Directory");
}

void WashSaveDirectory(WashScope& scope) {
    WashRememberedFolder(scope, kInternetExplorer + "\\Main", "Save Directory",
                         "\\Software\\Microsoft\\Internet Explorer\\Save Directory");
}

void WashFavoritesOrder(WashScope& scope) {
    bool prompt = false;
    WashRegistryKey(scope, RootKey::CurrentUser, kFavoritesOrder, "Order", "", prompt, false, false,
                    false);
}

void WashFavorites(WashScope& scope) {
    bool prompt = false;
    WashFolder(scope, ResolveShellFolder(ShellFolderKind::ftFavorites), "*.*", "desktop.ini\r\n",
               prompt, false, true, true);
    if (scope.KeepWashing())
        WashRegistryKey(scope, RootKey::CurrentUser, kFavoritesOrder, "*", "", prompt, false, true,
                        true);
}

void WashHistory(WashScope& scope) {
    bool prompt = false;
    WashFolder(scope, ResolveShellFolder(ShellFolderKind::ftHistory), "*.*",
               "desktop.ini\r\nindex.dat\r\n", prompt, false, true, true);
    TUrlHistory history;
    if (!scope.Testing())
        scope.Report(WashActionKind::Clear, "IE History");
    const int n = history.EnumerateUrls();
    // The history's own entries replace what the folder step counted.
    scope.Counters = {static_cast<std::uint64_t>(n), 0};
    for (int i = 1; i <= n && scope.KeepWashing(); ++i) {
        auto [code, text] = history.GetUrlText(i);
        if (code != 0)
            continue;
        if (scope.Testing())
            scope.Report(WashActionKind::Clear, text + " " + FormatSizeText(text.size()));
        else
            scope.Report(WashActionKind::Clear, text);
        scope.Counters.bytes += text.size();
    }
    scope.ShowCounters();
    if (!scope.Testing())
        history.ClearHistory();
}

bool ProtectedStorageInstalled() {
    for (ShellFolderKind kind :
         {ShellFolderKind::ftSystem16, ShellFolderKind::ftSystem32, ShellFolderKind::ftWindows32})
        if (platform::FileExists(ResolveShellFolder(kind) + "pstorec.dll"))
            return true;
    return false;
}

void WashAutoComplete(WashScope& scope) {
    if (!ProtectedStorageInstalled())
        return;
    if (!scope.Testing())
        scope.Report(WashActionKind::Clear, "IE AutoComplete History");
    PStoreWash(scope.Counters.count, scope.Counters.bytes, scope.Testing(),
               [&scope](const std::string& line) { scope.QueueLogLine(line); });
    scope.ShowCounters();
    if (scope.Testing())
        scope.Report(WashActionKind::Plain,
                     std::to_string(scope.Counters.count) +
                         " IE AutoComplete History (formdata, passwords, credit card data) items "
                         "found, total size " +
                         FormatSizeText(scope.Counters.bytes));
}

}  // namespace

void AddInternetExplorerWashers(WasherTable& table) {
    const struct {
        TWashListItemType type;
        const char* title;
        void (*work)(WashScope&);
    } washers[] = {
        {wlitIE_Visited_Typed_Urls, " Washing: IE Visited/Typed Urls", WashTypedUrls},
        {wlitIE_History, " Washing: IE History", WashHistory},
        {wlitIE_Cache, " Washing: IE Cache", WashIECache},
        {wlitIE_Cookies, " Washing: IE Cache/Cookies", WashIECookies},
        {wlitIE_Indexdotdat_Files, " Washing: IE Index.dat Files", WashIEIndexDatFiles},
        {wlitIE_AutoComplete_Data, " Washing: IE AutoComplete History", WashAutoComplete},
        {wlitIE_Download_Directory, " Washing: IE Download Directory Data", WashDownloadDirectory},
        {wlitIE_Save_Directory, " Washing: IE Save Directory Data", WashSaveDirectory},
        {wlitIE_Favorites_Order_History, " Washing: IE Favorites Order History",
         WashFavoritesOrder},
        {wlitIE_Favorites, " Washing: IE Favorites", WashFavorites},
    };
    for (const auto& washer : washers)
        table.BuiltIn.at(washer.type) = FramedWasher(washer.title, washer.work);
}
