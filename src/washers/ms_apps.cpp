#include "washers/ms_apps.h"

#include "catalogue/root_key_names.h"
#include "catalogue/shell_folders.h"
#include "engine/washer_frame.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "washers/framed_washer.h"
#include "washers/mru_list.h"
#include "washers/wash_steps.h"
#include "washers/washer_rules.h"

namespace {

using platform::RegistryKey;

constexpr RootKey kUser = RootKey::CurrentUser;
const std::string kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::string kOffice = "Software\\Microsoft\\Office\\";
const std::string kPhotoEditor = "Software\\Microsoft\\Photo Editor\\";
const std::string kFrontPage = "Software\\Microsoft\\FrontPage\\Explorer\\FrontPage Explorer\\";

// The applications' own lists count from File1.
void FileList(WashScope& scope, const std::string& keyPath) {
    WashNumberedList(scope, kUser, keyPath, "File", 1);
}

void Refuse(WashScope& scope, const std::string& text) {
    scope.Report(WashActionKind::Plain, text);
    scope.QueueLogLine(text);
}

// The folder comes from a machine-wide value and is emptied with its subfolders, so it passes
// the primitives' checks (drive roots, the Windows, system and profile folders, links); a
// value too short or not a full path is refused here and logged.
void WashDownloadFolder(WashScope& scope) {
    RegistryKey key = RegistryKey::Open(RootKey::LocalMachine,
                                        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\"
                                        "VolumeCaches\\Active Setup Temp Folders");
    std::optional<platform::RegistryValue> value = key.Read("Folder");
    const std::string folder = DownloadFolderFromValue(value ? value->AsString() : "");
    if (folder.empty())
        return;
    const std::string refused = "Refused to wash the download folder \"" + folder + "\": ";
    if (folder.size() <= 3) {
        Refuse(scope, refused + "it names a drive root, not a folder of its own");
        return;
    }
    if (!platform::IsAbsolutePath(folder)) {
        Refuse(scope, refused + "it is not a full path");
        return;
    }
    if (platform::FolderExists(folder))
        DeleteFolderFiles(scope, folder + "\\", "*.*", true);
}

void WashHtmlHelpHistory(WashScope& scope) {
    ClearFolderFiles(
        scope, ResolveShellFolder(ShellFolderKind::ftAppData) + "Microsoft\\HTML Help\\", "hh.dat");
}

void WashImagingHistory(WashScope& scope) {
    FileList(scope, "Software\\Kodak\\Imaging\\Recent File List");
}

void WashNetmeetingHistory(WashScope& scope) {
    DeleteKeyValues(scope, kUser, "Software\\Microsoft\\Conferencing\\UI\\CallMRU\\", "*");
    if (scope.KeepWashing())
        ClearFolderFiles(scope,
                         ResolveShellFolder(ShellFolderKind::ftProgramFiles) + "NetMeeting\\",
                         "calllog.dat");
}

void WashPaintHistory(WashScope& scope) {
    FileList(scope, kApplets + "Paint\\Recent File List");
}

// "scandisk.log" in the root of the drive that holds the Windows folder; the file stays.
void WashScandiskLog(WashScope& scope) {
    const std::string windows = ResolveShellFolder(ShellFolderKind::ftWindows32);
    if (windows.size() < 2 || windows[1] != ':')  // also the missing-folder path
        return;
    ClearFolderFiles(scope, windows.substr(0, 2) + "\\", "scandisk.log");
}

void WashWordPadHistory(WashScope& scope) {
    FileList(scope, kApplets + "WordPad\\Recent File List");
}

// The steps of the Office programs, once per installed version v.

void WashOfficeRecent(WashScope& scope, const std::string&) {
    DeleteKeyValues(scope, kUser,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs\\", "*");
    if (scope.KeepWashing())
        DeleteFolderFiles(
            scope, ResolveShellFolder(ShellFolderKind::ftAppData) + "Microsoft\\Office\\Recent\\",
            "*.*", false);
}

void WashAccess(WashScope& scope, const std::string& version) {
    WashPairedNumberedList(scope, kUser, kOffice + version + "\\Access\\Settings", "MRU",
                           "MRUFlags", 1, MruDataShown::SizeOnly);
}

void WashExcel(WashScope& scope, const std::string& version) {
    FileList(scope, kOffice + version + "\\Excel\\Recent File List");
}

void WashFrontPage(WashScope& scope, const std::string&) {
    for (const char* list : {"Recent File List\\", "Recent Page List\\", "Recent Web List\\"}) {
        if (!scope.KeepWashing())
            break;
        DeleteKeyValues(scope, kUser, kFrontPage + list, "*");
    }
}

void WashInfoPath(WashScope& scope, const std::string& version) {
    for (const char* list : {"\\InfoPath\\Recent File List\\", "\\InfoPath\\Recent Templates\\"}) {
        if (!scope.KeepWashing())
            break;
        DeleteKeyValues(scope, kUser, kOffice + version + list, "*");
    }
}

void WashPhotoEditor(WashScope& scope, const std::string& version) {
    WashPairedNumberedList(scope, kUser, kPhotoEditor + version + "\\Microsoft Photo Editor",
                           "LastFile", "LastType", 1, MruDataShown::Data);
}

void WashPowerPoint(WashScope& scope, const std::string& version) {
    DeleteKeyValues(scope, kUser, kOffice + version + "\\PowerPoint\\Recent File List\\", "*");
}

void WashPublisher(WashScope& scope, const std::string& version) {
    DeleteKeyValues(scope, kUser, kOffice + version + "\\Publisher\\Recent File List\\", "*");
}

void WashVisio(WashScope& scope, const std::string& version) {
    // Every name beginning with "LastFile"; the primitives' masks would take any name holding it.
    WashValuesNamedFrom(scope, kUser, kOffice + version + "\\Visio\\Application", "LastFile");
}

// Word keeps its recent files inside the raw bytes of one value.
void WashWord(WashScope& scope, const std::string& version) {
    const std::string keyPath = kOffice + version + "\\Word\\Data";
    RegistryKey key = RegistryKey::Open(kUser, keyPath, platform::reg_access::kQuerySetCreateEnum);
    std::optional<platform::RegistryValue> value = key.Read("Settings");
    if (!value)
        return;
    const std::string text = RootKeyShortName(kUser) + "\\" + keyPath + "\\Settings";
    if (scope.Testing()) {
        scope.Report(WashActionKind::Delete, text + " " + FormatSizeText(value->Size()));
    } else {
        scope.Report(WashActionKind::Delete, text);
        if (!key.DeleteValue("Settings"))
            return;
    }
    scope.Count(value->Size());
}

using VersionStep = void (*)(WashScope& scope, const std::string& version);

// Whether a program's step washes the same places for every version.
enum class Places { PerVersion, Shared };

// One Office program's step over every version found under `versionsKey` at run time. A step
// whose places do not depend on the version runs once, when a version is installed: later
// versions would find nothing left, and a test run, which removes nothing, would list it all
// again.
void WashEveryVersion(WashScope& scope, const std::string& versionsKey, VersionStep step,
                      Places places) {
    const std::vector<std::string> versions = RegistryKey::Open(kUser, versionsKey).SubkeyNames();
    for (const std::string& version : versions) {
        if (!scope.KeepWashing())
            break;
        step(scope, version);
        if (places == Places::Shared)
            break;
    }
}

}  // namespace

void AddMicrosoftAppWashers(WasherTable& table) {
    const struct {
        TWashListItemType type;
        const char* title;
        void (*work)(WashScope&);
    } tools[] = {
        {wlitMS_Download_Folder, " Washing: MS Download Folder", WashDownloadFolder},
        {wlitMS_HTML_Help_History, " Washing: MS HTML Help History", WashHtmlHelpHistory},
        {wlitMS_Imaging_History, " Washing: MS Imaging History", WashImagingHistory},
        {wlitMS_Netmeeting_History, " Washing: MS Netmeeting History", WashNetmeetingHistory},
        {wlitMS_Paint_History, " Washing: MS Paint History", WashPaintHistory},
        {wlitMS_Scandisk_Log, " Washing: MS Scandisk Log", WashScandiskLog},
        {wlitMS_WordPad_History, " Washing: MS WordPad History", WashWordPadHistory},
    };
    for (const auto& washer : tools)
        table.BuiltIn.at(washer.type) = FramedWasher(washer.title, washer.work);

    const std::string offices = kOffice.substr(0, kOffice.size() - 1);
    const std::string photoEditors = kPhotoEditor.substr(0, kPhotoEditor.size() - 1);
    const struct {
        TWashListItemType type;
        const char* title;
        const std::string& versionsKey;
        VersionStep step;
        Places places;
    } programs[] = {
        {wlitMS_Office, " Washing: MS Office", offices, WashOfficeRecent, Places::Shared},
        {wlitMS_Access, " Washing: MS Access", offices, WashAccess, Places::PerVersion},
        {wlitMS_Excel, " Washing: MS Excel", offices, WashExcel, Places::PerVersion},
        {wlitMS_FrontPage, " Washing: MS FrontPage", offices, WashFrontPage, Places::Shared},
        {wlitMS_InfoPath, " Washing: MS InfoPath", offices, WashInfoPath, Places::PerVersion},
        {wlitMS_Photo_Editor, " Washing: MS Photo Editor", photoEditors, WashPhotoEditor,
         Places::PerVersion},
        {wlitMS_PowerPoint, " Washing: MS PowerPoint", offices, WashPowerPoint, Places::PerVersion},
        {wlitMS_Publisher, " Washing: MS Publisher", offices, WashPublisher, Places::PerVersion},
        {wlitMS_Visio, " Washing: MS Visio", offices, WashVisio, Places::PerVersion},
        {wlitMS_Word, " Washing: MS Word", offices, WashWord, Places::PerVersion},
    };
    for (const auto& program : programs) {
        table.BuiltIn.at(program.type) = [title = std::string(program.title),
                                          versionsKey = program.versionsKey, step = program.step,
                                          places = program.places](WashContext& ctx, TWashListItem&,
                                                                   int row) {
            RunWasherFrame(ctx, row, title, [&](WashScope& scope) {
                WashEveryVersion(scope, versionsKey, step, places);
            });
        };
    }
}
