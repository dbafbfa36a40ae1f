#include "catalogue/browser_adjustments.h"

#include "catalogue/registry_values.h"
#include "catalogue/shell_folders.h"
#include "platform/files.h"

namespace {

struct IniEntry {
    const char* section;
    const char* key;
    const char* value;
};

struct RegistryEntry {
    const char* typeName;
    const char* valueName;
    const char* value;
};

void WriteIni(const std::string& file, std::initializer_list<IniEntry> entries) {
    for (const IniEntry& e : entries)
        WriteIniValue(file, e.section, e.key, e.value, "ftString");
}

// Under HKEY_CURRENT_USER.
void WriteRegistry(const std::string& key, std::initializer_list<RegistryEntry> entries) {
    for (const RegistryEntry& e : entries)
        WriteRegistryValue(RootKey::CurrentUser, key, e.typeName, e.value, e.valueName);
}

}  // namespace

void AdjustBrowserSettings() {
    WriteRegistry("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache",
                  {{"ftInteger", "Persistent", "1"}});
    WriteRegistry("Software\\Microsoft\\Internet Explorer\\TabbedBrowsing",
                  {{"ftInteger", "WarnOnClose", "0"}});

    const std::string appData = ResolveShellFolder(ShellFolderKind::ftAppData);
    auto has = [&](const char* folder) { return platform::FolderExists(appData + folder); };
    if (has("Advanced Browser\\"))
        WriteIni(appData + "Advanced Browser\\main.ini",
                 {{"Browser Settings", "AlwaysClearWhenExit", "no"},
                  {"Browser Settings", "CloseToTray", "no"},
                  {"Browser Settings", "ActionWhenExit", "2"},
                  {"Browser Settings", "ShowInTaskBar", "no"},
                  {"Browser Settings", "ConfirmCloseAll", "no"}});
    if (has("Avant Browser\\"))
        WriteIni(appData + "Avant Browser\\conf.ini",
                 {{"Avant Browser Settings", "AlwaysClearRecordWhenExit", "no"},
                  {"Avant Browser Settings", "CloseToTray", "no"},
                  {"Avant Browser Settings", "TaskWhenExit", "3"},
                  {"Avant Browser Settings", "ShowInTaskBar", "no"},
                  {"Avant Browser Settings", "ConfirmCloseAll", "no"}});
    if (has("Enigma Browser\\"))
        WriteRegistry("Software\\Enigma Browser\\Enigma Browser\\Settings\\",
                      {{"ftInteger", "CleanAtExit", "0"}, {"ftInteger", "ConfirmQuit", "0"}});
    if (has("Stilesoft\\NetCaptor\\"))
        WriteRegistry("Software\\Stilesoft\\NetCaptor\\CurrentVersion\\",
                      {{"ftString", "CleanOnClose", "0"},
                       {"ftString", "ConfirmShutdown", "0"},
                       {"ftString", "MinToTray", "0"},
                       {"ftString", "ConfirmCloseAll", "0"}});
    if (has("Opera\\"))
        WriteIni(appData + "Opera\\Opera\\profile\\opera6.ini",
                 {{"Disk Cache", "Empty On Exit", "0"}, {"User Prefs", "Show Exit Dialog", "0"}});
    if (has("SlimBrowser\\"))
        WriteIni(appData + "SlimBrowser\\sbrowser.ini", {{"Settings", "CleanAtExit", "0"},
                                                         {"Settings", "CloseToTray", "0"},
                                                         {"Settings", "ConfirmQuit", "0"}});
}
