// The single-object washers: Advanced Browser, Avant, Enigma, Maxthon, NetCaptor and
// SlimBrowser. Each step after the first runs only while the object may go on.
#include <string>

#include "catalogue/registry_values.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "washers/browser_files.h"
#include "washers/framed_washer.h"
#include "washers/other_browsers.h"

namespace {

// Clears the named files of `folder`, in this order.
void ClearEach(WashScope& scope, const std::string& folder,
               std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (!scope.KeepWashing())
            return;
        ClearFiles(scope, folder, name);
    }
}

// A folder a browser keeps in the registry, with a trailing backslash; empty unless it is an
// existing folder given as an absolute path.
std::string RegisteredFolder(RootKey root, const std::string& keyPath,
                             const std::string& valueName) {
    std::string folder = ReadRegistryValue(root, keyPath, "ftString", valueName);
    if (folder.empty() || !platform::IsAbsolutePath(folder) || !platform::FolderExists(folder))
        return {};
    return platform::WithTrailingBackslash(folder);
}

void WashAdvancedBrowser(WashScope& scope) {
    ClearEach(scope, AppDataFolder() + "Advanced Browser\\",
              {"pages.dat", "recents.dat", "keywords.dat"});
}

void WashAvant(WashScope& scope) {
    ClearEach(scope, AppDataFolder() + "Avant Browser\\",
              {"reopen.dat", "recents.dat", "keywords.dat"});
}

void WashEnigma(WashScope& scope) {
    const std::string key = "Software\\Enigma Browser\\Enigma Browser\\";
    const std::string program = RegisteredFolder(RootKey::LocalMachine, key, "");
    if (!program.empty())
        ClearEach(scope, program, {"history.dat", "searchhis.ini"});
    if (!scope.KeepWashing())
        return;
    DeleteKeyValues(scope, key + "Recent File List\\");
    const std::string data = AppDataFolder() + "Enigma Browser\\";
    ClearEach(scope, data, {"recentclose.ini"});
    if (scope.KeepWashing())
        DeleteFiles(scope, data, "*.sgp");
}

void WashMaxthon(WashScope& scope) {
    const std::string folder =
        RegisteredFolder(RootKey::CurrentUser, "Software\\Maxthon\\", "Folder");
    if (!folder.empty())
        ClearFiles(scope, folder + "Config\\", "dynamic.ini");
}

void WashNetCaptor(WashScope& scope) {
    DeleteKeyValues(scope, "Software\\Stilesoft\\NetCaptor\\CurrentVersion\\Last Open Sites\\");
    ClearEach(scope, AppDataFolder() + "Stilesoft\\NetCaptor\\", {"last.dat"});
}

void WashSlimBrowser(WashScope& scope) {
    DeleteKeyValues(scope, "Software\\FlashPeak\\SlimBrowser\\Recent File List\\");
    const std::string data = AppDataFolder() + "SlimBrowser\\";
    ClearEach(scope, data, {"recentclose.ini", "searchhis.ini"});
    if (scope.KeepWashing())
        DeleteFiles(scope, data, "*.sgp");
}

}  // namespace

void AddSmallBrowserWashers(WasherTable& table) {
    table.BuiltIn[wlitAdvanced_Browser_History] =
        FramedWasher(" Washing: Advanced Browser Data", WashAdvancedBrowser);
    table.BuiltIn[wlitAvant_Browser_History] =
        FramedWasher(" Washing: Avant Browser Data", WashAvant);
    table.BuiltIn[wlitEnigma_Browser_History] =
        FramedWasher(" Washing: Enigma Browser Data", WashEnigma);
    table.BuiltIn[wlitMaxthon_History] = FramedWasher(" Washing: Maxthon Data", WashMaxthon);
    table.BuiltIn[wlitNetCaptor_History] = FramedWasher(" Washing: NetCaptor Data", WashNetCaptor);
    table.BuiltIn[wlitSlim_Browser_History] =
        FramedWasher(" Washing: SlimBrowser Data", WashSlimBrowser);
}
