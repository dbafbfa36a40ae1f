#include "washers/windows_history.h"

#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "platform/registry.h"
#include "washers/framed_washer.h"
#include "washers/mru_list.h"

namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kOpenSave = kExplorer + "ComDlg32\\OpenSaveMRU";
const std::string kSearchAssistant = "Software\\Microsoft\\Search Assistant\\ACMru\\";
const std::string kMediaPlayer = "Software\\Microsoft\\MediaPlayer\\Player\\";
const std::string kUserAssist = kExplorer + "UserAssist\\";

// One WashRegistryKey call: the key itself stays, nothing is asked, nothing spared.
void WashKey(WashScope& scope, RootKey root, const std::string& keyPath, const std::string& mask,
             bool deleteValues, bool includeSubkeys) {
    bool prompt = false;
    WashRegistryKey(scope, root, keyPath, mask, "", prompt, false, includeSubkeys, deleteValues);
}

// Every value of the key and of its subkeys deleted, the subkeys removed.
void DeleteKeyContents(WashScope& scope, const std::string& keyPath) {
    WashKey(scope, RootKey::CurrentUser, keyPath, "*", true, true);
}

// One WashFolder call that deletes files: the folder itself stays, nothing is asked.
void DeleteFiles(WashScope& scope, const std::string& folder, const std::string& mask,
                 const std::string& exclusions, bool includeSubfolders) {
    bool prompt = false;
    WashFolder(scope, folder, mask, exclusions, prompt, false, includeSubfolders, true);
}

void Mru(WashScope& scope, const std::string& keyPath, MruDataShown shown) {
    WashMruList(scope, RootKey::CurrentUser, keyPath, shown);
}

void WashOpenSaveHistory(WashScope& scope) {
    // One subkey per file extension, each an MRU list of its own; the key's own values stay.
    std::vector<std::string> extensions =
        platform::RegistryKey::Open(RootKey::CurrentUser, kOpenSave).SubkeyNames();
    for (const std::string& extension : extensions) {
        if (!scope.KeepWashing())
            break;
        Mru(scope, kOpenSave + "\\" + extension, MruDataShown::Data);
    }
}

void WashVisitedHistory(WashScope& scope) {
    Mru(scope, kExplorer + "ComDlg32\\LastVisitedMRU", MruDataShown::SizeOnly);
}

void WashDocumentHistory(WashScope& scope) {
    const std::string recentDocs = kExplorer + "RecentDocs";
    Mru(scope, recentDocs, MruDataShown::SizeOnly);
    // Windows XP and later keep one more list per file extension (".txt", "Folder", ...).
    for (const std::string& extension :
         platform::RegistryKey::Open(RootKey::CurrentUser, recentDocs).SubkeyNames()) {
        if (!scope.KeepWashing())
            break;
        Mru(scope, recentDocs + "\\" + extension, MruDataShown::SizeOnly);
    }
    if (scope.KeepWashing())
        DeleteFiles(scope, ResolveShellFolder(ShellFolderKind::ftRecent), "*.*", "desktop.ini\r\n",
                    true);
}

void WashFindComputersHistory(WashScope& scope) {
    Mru(scope, kExplorer + "FindComputerMRU", MruDataShown::Data);
    if (scope.KeepWashing())
        DeleteKeyContents(scope, kSearchAssistant + "5647\\");
}

void WashFindFilesHistory(WashScope& scope) {
    Mru(scope, kExplorer + "Doc Find Spec MRU", MruDataShown::Data);
    for (const char* list : {"5603\\", "5604\\"}) {
        if (!scope.KeepWashing())
            break;
        DeleteKeyContents(scope, kSearchAssistant + list);
    }
}

void WashMediaPlayerHistory(WashScope& scope) {
    WashNumberedList(scope, RootKey::CurrentUser, kMediaPlayer + "RecentFileList", "File");
    if (scope.KeepWashing())
        WashNumberedList(scope, RootKey::CurrentUser, kMediaPlayer + "RecentURLList", "Url");
    const std::string localAppData = ResolveShellFolder(ShellFolderKind::ftLocalAppData);
    const std::string commonAppData = ResolveShellFolder(ShellFolderKind::ftCommonAppData);
    const struct {
        std::string folder;
        const char* mask;
    } files[] = {
        {localAppData, "DCBC2A71-70D8-4DAN-EHR8-E0D61DEA3FDF.ini"},
        {commonAppData + "Microsoft\\Media Index\\", "*.db"},
        {localAppData + "Microsoft\\Media Player\\", "*.wmdb"},
    };
    for (const auto& step : files) {
        if (!scope.KeepWashing())
            break;
        DeleteFiles(scope, step.folder, step.mask, "", false);
    }
}

void WashNetworkDriveHistory(WashScope& scope) {
    DeleteKeyContents(scope, "Network\\Recent\\");
    if (scope.KeepWashing())
        DeleteKeyContents(scope, kExplorer + "Map Network Drive MRU\\");
}

void WashPrinterPortsHistory(WashScope& scope) {
    Mru(scope, kExplorer + "PrnPortsMRU", MruDataShown::SizeOnly);
}

void WashRegeditLastKey(WashScope& scope) {
    WashKey(scope, RootKey::CurrentUser,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\", "LastKey", false,
            false);
}

void WashRegistryStreams(WashScope& scope) {
    DeleteKeyContents(scope, kExplorer + "StreamMRU\\");
}

void WashRunHistory(WashScope& scope) {
    Mru(scope, kExplorer + "RunMRU", MruDataShown::Data);
}

void WashStartMenuOrderHistory(WashScope& scope) {
    WashKey(scope, RootKey::CurrentUser, kExplorer + "MenuOrder\\Start Menu\\Menu\\", "Order",
            false, false);
}

void WashTelnetHistory(WashScope& scope) {
    WashKey(scope, RootKey::Users, ".Default\\Software\\Microsoft\\Telnet\\", "*", true, false);
}

void WashUserAssistHistory(WashScope& scope) {
    for (const char* guid :
         {"{5E6AB780-7743-11CF-A12B-00AA004AE837}", "{75048700-EF1F-11D0-9888-006097DEACF9}"}) {
        if (!scope.KeepWashing())
            break;
        WashKey(scope, RootKey::CurrentUser, kUserAssist + guid + "\\Count\\", "*", true, false);
    }
}

}  // namespace

void AddWindowsHistoryWashers(WasherTable& table) {
    const struct {
        TWashListItemType type;
        const char* title;
        void (*work)(WashScope&);
    } washers[] = {
        {wlitWin_Common_Dialog_Open_Save_History,
         " Washing: Windows Common Dialog Open Save History", WashOpenSaveHistory},
        {wlitWin_Common_Dialog_Visited_History, " Washing: Windows Common Dialog Visited History",
         WashVisitedHistory},
        {wlitWin_Document_History, " Washing: Windows Document History", WashDocumentHistory},
        {wlitWin_Find_Computers_History, " Washing: Windows Find Computers History",
         WashFindComputersHistory},
        {wlitWin_Find_Files_History, " Washing: Windows Find Files History", WashFindFilesHistory},
        {wlitWin_Media_Player, " Washing: Windows Media Player History", WashMediaPlayerHistory},
        {wlitWin_Network_Drive_History, " Washing: Windows Network Drive History",
         WashNetworkDriveHistory},
        {wlitWin_Printer_Ports_History, " Washing: Windows Printer Ports History",
         WashPrinterPortsHistory},
        {wlitWin_Regedit_LastKey, " Washing: Windows Regedit Last Key", WashRegeditLastKey},
        {wlitWin_Registry_Streams, " Washing: Windows Registry Streams", WashRegistryStreams},
        {wlitWin_Run_History, " Washing: Windows Run History", WashRunHistory},
        {wlitWin_Start_Menu_Order_History, " Washing: Windows Start Menu Order History",
         WashStartMenuOrderHistory},
        {wlitWin_Telnet_History, " Washing: Windows Telnet History", WashTelnetHistory},
        {wlitWin_UserAssist_History, " Washing: Windows User Assist History",
         WashUserAssistHistory},
    };
    for (const auto& washer : washers)
        table.BuiltIn.at(washer.type) = FramedWasher(washer.title, washer.work);
}
