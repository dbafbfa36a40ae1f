#include "lists/detection_rules.h"

#include <utility>

namespace {

using Kind = ShellFolderKind;

constexpr const char* kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
constexpr const char* kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
constexpr const char* kOffice = "Software\\Microsoft\\Office";
constexpr const char* kPhotoEditor = "Software\\Microsoft\\Photo Editor";
constexpr const char* kFrontPage = "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\";

Probe Key(std::string path, RootKey root = RootKey::CurrentUser) {
    Probe p;
    p.kind = ProbeKind::Key;
    p.root = root;
    p.path = std::move(path);
    return p;
}

Probe Value(std::string path, std::string valueName, RootKey root = RootKey::CurrentUser) {
    Probe p = Key(std::move(path), root);
    p.kind = ProbeKind::Value;
    p.valueName = std::move(valueName);
    return p;
}

Probe Dir(Kind base, std::string below = "") {
    Probe p;
    p.kind = ProbeKind::Folder;
    p.base = base;
    p.path = std::move(below);
    return p;
}

Probe File(Kind base, std::string below) {
    Probe p = Dir(base, std::move(below));
    p.kind = ProbeKind::File;
    return p;
}

Probe Special(ProbeKind kind) {
    Probe p;
    p.kind = kind;
    return p;
}

// A key below a version of the versions key.
Probe VersionKey(std::string below) {
    Probe p = Key(std::move(below));
    p.belowVersion = true;
    return p;
}

DetectionRule Always() {
    return {Combination::Always, {}, {}};
}

DetectionRule Any(std::vector<Probe> probes) {
    return {Combination::Any, std::move(probes), {}};
}

DetectionRule One(Probe probe) {
    return Any({std::move(probe)});
}

DetectionRule PerVersion(const char* versionsKey, std::vector<Probe> probes) {
    return {Combination::Any, std::move(probes), versionsKey};
}

DetectionRule Explorer(const std::string& below) {
    return One(Key(kExplorer + below));
}

// Outlook Express: its identities, the store root of its own key, or its mail folder.
DetectionRule OutlookExpress() {
    return Any({Special(ProbeKind::IdentityStore),
                Value("Software\\Microsoft\\Outlook Express", "Store Root"),
                Dir(Kind::ftAppData, "Microsoft\\Outlook Express\\Mail\\")});
}

DetectionRule Firefox() {
    return Any({Dir(Kind::ftLocalAppData, "Mozilla\\Firefox\\Profiles\\"),
                Dir(Kind::ftAppData, "Mozilla\\Firefox\\Profiles\\")});
}

DetectionRule Netscape() {
    return Any({Dir(Kind::ftAppData, "Mozilla\\Profiles\\"),
                Dir(Kind::ftAppData, "Netscape\\NSAE\\Profiles\\")});
}

DetectionRule InternetExplorerRule(TWashListItemType type) {
    switch (type) {
        case wlitIE_Visited_Typed_Urls:
            return One(Key("Software\\Microsoft\\Internet Explorer\\TypedURLs"));
        case wlitIE_History:
            return One(Dir(Kind::ftHistory));
        case wlitIE_Cache:
            return One(Dir(Kind::ftCache));
        case wlitIE_Cookies:
            return One(Dir(Kind::ftCookies));
        case wlitIE_Indexdotdat_Files:
            return Any({Dir(Kind::ftCache), Dir(Kind::ftHistory), Dir(Kind::ftCookies)});
        case wlitIE_Downloaded_Program_Files:
            return One(Special(ProbeKind::ActiveXCache));
        case wlitIE_AutoComplete_Data:
            return Any({File(Kind::ftSystem16, "pstorec.dll"),
                        File(Kind::ftSystem32, "pstorec.dll"),
                        File(Kind::ftWindows32, "pstorec.dll")});
        case wlitIE_Favorites_Order_History:
        case wlitIE_Favorites:
            return Explorer("MenuOrder\\Favorites");
        default:  // the download and save folders
            return Always();
    }
}

DetectionRule OtherBrowserRule(TWashListItemType type) {
    if (type >= wlitFirefox_Visited_Typed_Urls && type <= wlitFirefox_Bookmarks)
        return Firefox();
    if (type >= wlitNetscape_Visited_Typed_Urls && type <= wlitNetscape_Bookmarks)
        return Netscape();
    if (type >= wlitOpera_Visited_Typed_Urls && type <= wlitOpera_Bookmarks)
        return One(Dir(Kind::ftAppData, "Opera\\"));
    switch (type) {
        case wlitAdvanced_Browser_History:
            return One(Dir(Kind::ftAppData, "Advanced Browser\\"));
        case wlitAvant_Browser_History:
            return One(Dir(Kind::ftAppData, "Avant Browser\\"));
        case wlitEnigma_Browser_History:
            return One(Dir(Kind::ftAppData, "Enigma Browser\\"));
        case wlitMaxthon_History:
            return One(Value("Software\\Maxthon\\", "Folder"));
        case wlitNetCaptor_History:
            return One(Dir(Kind::ftAppData, "Stilesoft\\NetCaptor\\"));
        default:  // SlimBrowser
            return One(Dir(Kind::ftAppData, "SlimBrowser\\"));
    }
}

DetectionRule WindowsRule(TWashListItemType type) {
    const RootKey hklm = RootKey::LocalMachine;
    switch (type) {
        case wlitWin_Application_Logs:
            return One(Dir(Kind::ftWindows32, "AppLog\\"));
        case wlitWin_Common_Dialog_Open_Save_History:
            return Explorer("ComDlg32\\OpenSaveMRU");
        case wlitWin_Common_Dialog_Visited_History:
            return Explorer("ComDlg32\\LastVisitedMRU");
        case wlitWin_Document_History:
            return Explorer("RecentDocs");
        case wlitWin_Downloaded_Installations:
            return One(Dir(Kind::ftWindows32, "Downloaded Installations\\"));
        case wlitWin_Find_Computers_History:
            return Any({Key(std::string(kExplorer) + "FindComputerMRU"),
                        Key("Software\\Microsoft\\Search Assistant\\ACMru\\5647\\")});
        case wlitWin_Find_Files_History:
            return Any({Key(std::string(kExplorer) + "Doc Find Spec MRU"),
                        Key("Software\\Microsoft\\Search Assistant\\ACMru\\5603\\"),
                        Key("Software\\Microsoft\\Search Assistant\\ACMru\\5604\\")});
        case wlitWin_Last_Logged_On_User:
            return Any(
                {Key("Network\\Logon", hklm),
                 Key("Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", hklm),
                 Key("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", hklm)});
        case wlitWin_Media_Player:
            return One(Key("Software\\Microsoft\\MediaPlayer\\Player"));
        case wlitWin_Network_Drive_History:
            return Any(
                {Key("Network\\Recent"), Key(std::string(kExplorer) + "Map Network Drive MRU")});
        case wlitWin_Printer_Ports_History:
            return Explorer("PrnPortsMRU");
        case wlitWin_Regedit_LastKey:
            return One(Key(std::string(kApplets) + "Regedit"));
        case wlitWin_Registry_Streams:
            return Explorer("StreamMRU");
        case wlitWin_Run_History:
            return Explorer("RunMRU");
        case wlitWin_Start_Menu_Order_History:
            return Explorer("MenuOrder\\Start Menu\\Menu");
        case wlitWin_Swap_File:
            return One(Key("System\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                           hklm));
        case wlitWin_Telnet_History:
            return One(Key(".Default\\Software\\Microsoft\\Telnet", RootKey::Users));
        case wlitWin_Temporary_Files:
            return One(Dir(Kind::ftWindows32, "Temp\\"));
        case wlitWin_Tmp_Files:
            return One(Dir(Kind::ftWindows32));
        case wlitWin_UserAssist_History:
            return Any({Key(std::string(kExplorer) +
                            "UserAssist\\{5E6AB780-7743-11CF-A12B-00AA004AE837}\\Count"),
                        Key(std::string(kExplorer) +
                            "UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count")});
        case wlitWin_XP_Prefetch_Folder:
            return One(Dir(Kind::ftWindows32, "Prefetch\\"));
        default:  // the clipboard, the log files and the recycle bins
            return Always();
    }
}

DetectionRule OfficeRule(TWashListItemType type) {
    auto recentFiles = [](const std::string& program) {
        return VersionKey(program + "\\Recent File List");
    };
    switch (type) {
        case wlitMS_Office:
            return PerVersion(kOffice, {Key(std::string(kExplorer) + "RecentDocs"),
                                        Dir(Kind::ftAppData, "Microsoft\\Office\\Recent")});
        case wlitMS_Access:
            return PerVersion(kOffice, {VersionKey("Access\\Settings")});
        case wlitMS_Excel:
            return PerVersion(kOffice, {recentFiles("Excel")});
        case wlitMS_FrontPage:
            return PerVersion(kOffice, {Key(std::string(kFrontPage) + "Recent File List"),
                                        Key(std::string(kFrontPage) + "Recent Page List"),
                                        Key(std::string(kFrontPage) + "Recent Web List")});
        case wlitMS_InfoPath:
            return PerVersion(kOffice,
                              {recentFiles("InfoPath"), VersionKey("InfoPath\\Recent Templates")});
        case wlitMS_Photo_Editor:
            return PerVersion(kPhotoEditor, {VersionKey("Microsoft Photo Editor")});
        case wlitMS_PowerPoint:
            return PerVersion(kOffice, {recentFiles("PowerPoint")});
        case wlitMS_Publisher:
            return PerVersion(kOffice, {recentFiles("Publisher")});
        case wlitMS_Visio:
            return PerVersion(kOffice, {VersionKey("Visio\\Application")});
        default:  // Word
            return PerVersion(kOffice, {VersionKey("Word\\Data")});
    }
}

DetectionRule MicrosoftToolRule(TWashListItemType type) {
    switch (type) {
        case wlitMS_Download_Folder:
            return One(
                Value("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\"
                      "Active Setup Temp Folders",
                      "Folder", RootKey::LocalMachine));
        case wlitMS_HTML_Help_History:
            return One(File(Kind::ftAppData, "Microsoft\\HTML Help\\hh.dat"));
        case wlitMS_Imaging_History:
            return One(Key("Software\\Kodak\\Imaging"));
        case wlitMS_Netmeeting_History:
            return Any({Key("Software\\Microsoft\\Conferencing\\UI\\CallMRU"),
                        File(Kind::ftProgramFiles, "NetMeeting\\calllog.dat")});
        case wlitMS_Paint_History:
            return One(Key(std::string(kApplets) + "Paint\\Recent File List"));
        case wlitMS_Scandisk_Log: {
            Probe log = Special(ProbeKind::WindowsDriveFile);
            log.path = "\\scandisk.log";
            return {Combination::Both, {Dir(Kind::ftWindows32), log}, {}};
        }
        case wlitMS_WordPad_History:
            return One(Key(std::string(kApplets) + "WordPad\\Recent File List"));
        default:
            return OfficeRule(type);
    }
}

bool AnyFolderExists(const std::vector<std::string>& folders, MachineFacts& facts) {
    for (const std::string& folder : folders)
        if (facts.FolderExists(folder))
            return true;
    return false;
}

// "C:" of "C:\WINDOWS\"; empty when the Windows folder has no drive letter.
std::string DriveOf(const std::string& folder) {
    return folder.size() >= 2 && folder[1] == ':' ? folder.substr(0, 2) : std::string();
}

bool ProbePasses(const Probe& probe, const std::string& versionKey, MachineFacts& facts) {
    const std::string keyPath = probe.belowVersion ? versionKey + probe.path : probe.path;
    switch (probe.kind) {
        case ProbeKind::Key:
            return facts.KeyExists(probe.root, keyPath);
        case ProbeKind::Value:
            return facts.ValueExists(probe.root, keyPath, probe.valueName);
        case ProbeKind::Folder:
            return facts.FolderExists(facts.ShellFolder(probe.base) + probe.path);
        case ProbeKind::File:
            return facts.FileExists(facts.ShellFolder(probe.base) + probe.path);
        case ProbeKind::WindowsDriveFile: {
            const std::string drive = DriveOf(facts.ShellFolder(Kind::ftWindows32));
            return !drive.empty() && facts.FileExists(drive + probe.path);
        }
        case ProbeKind::ActiveXCache:
            return AnyFolderExists(facts.ActiveXCacheFolders(), facts);
        case ProbeKind::IdentityStore:
            return AnyFolderExists(facts.IdentityStoreFolders(), facts);
    }
    return false;
}

bool ProbesPass(const DetectionRule& rule, const std::string& versionKey, MachineFacts& facts) {
    switch (rule.combination) {
        case Combination::Always:
            return true;
        case Combination::Both:
            for (const Probe& probe : rule.probes)
                if (!ProbePasses(probe, versionKey, facts))
                    return false;
            return !rule.probes.empty();
        case Combination::Any:
            break;
    }
    for (const Probe& probe : rule.probes)
        if (ProbePasses(probe, versionKey, facts))
            return true;
    return false;
}

}  // namespace

DetectionRule DetectionRuleFor(TWashListItemType type) {
    if (type <= wlitIE_Favorites)
        return InternetExplorerRule(type);
    if (type == wlitOE_Mail_Boxes || type == wlitOE_Cleanup_Log)
        return OutlookExpress();
    if (type <= wlitSlim_Browser_History)
        return OtherBrowserRule(type);
    if (type <= wlitWin_XP_Prefetch_Folder)
        return WindowsRule(type);
    return MicrosoftToolRule(type);
}

bool RulePasses(const DetectionRule& rule, MachineFacts& facts) {
    if (rule.versionsKey.empty())
        return ProbesPass(rule, "", facts);
    for (const std::string& version : facts.SubkeyNames(RootKey::CurrentUser, rule.versionsKey))
        if (ProbesPass(rule, rule.versionsKey + "\\" + version + "\\", facts))
            return true;
    return false;
}
