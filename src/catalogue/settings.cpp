#include "catalogue/settings.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "catalogue/browser_adjustments.h"
#include "catalogue/date_time.h"
#include "catalogue/language_texts.h"
#include "catalogue/plugin_objects.h"
#include "catalogue/settings_values.h"
#include "catalogue/shell_folders.h"
#include "catalogue/table_db_file.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/locale.h"
#include "platform/system.h"

namespace {

constexpr const char* kObjects = "Objects";
constexpr const char* kCount = "Count";
constexpr const char* kShortcutName = "Tidewell.LNK";
// Entries of the wash level list; a stored index outside it takes the default.
constexpr int kWashLevelEntries = 8;
// A damaged "Count" must not keep the start busy for minutes.
constexpr int kMaxUserObjects = 1000;

constexpr const char* kObjectPrefix = "Object_";

std::string ObjectSection(int n) {
    return kObjectPrefix + std::to_string(n);
}

// Typed reads and writes of the settings file; a missing file, section or key, or a text
// that does not read as its kind, gives the default.
class SettingsFile {
  public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    // Each section is read whole once (a read per key costs a round of file checks each).
    std::string String(const std::string& section, const std::string& key,
                       const std::string& fallback = "") const {
        auto read = sections_.find(section);
        if (read == sections_.end())
            read = sections_.emplace(section, platform::IniSection(path_, section)).first;
        return read->second.Value(key, fallback);
    }
    bool Boolean(const std::string& section, const std::string& key, bool fallback) const {
        return ParseSettingsBoolean(String(section, key), fallback);
    }
    int Integer(const std::string& section, const std::string& key, int fallback) const {
        return ParseSettingsInteger(String(section, key)).value_or(fallback);
    }
    double Time(const std::string& section, const std::string& key, double fallback) const {
        auto time = platform::ParseLocaleLongTime(String(section, key));
        return time ? TimeOfDayFraction(*time) : fallback;
    }
    double Date(const std::string& section, const std::string& key, double fallback) const {
        auto date = platform::ParseLocaleShortDate(String(section, key));
        return date ? std::floor(*date) : fallback;
    }
    // A key that is there but empty or unknown is no hot key; a missing key is the default.
    HotKeyCode HotKey(const std::string& section, const std::string& key,
                      HotKeyCode fallback) const {
        std::string text = String(section, key, kMissing);
        if (text == kMissing)
            return fallback;
        return TextToShortCut(text).value_or(HotKeyCode{0});
    }
    // The entries "1" .. Count of a list section that are there, in their order: a missing
    // key loses nothing after it.
    std::vector<std::string> List(const std::string& section) const {
        int count = Integer(section, kCount, 0);
        std::vector<std::string> entries;
        for (int n : NumberedNames(platform::IniSectionKeys(path_, section), "", count))
            entries.push_back(String(section, std::to_string(n)));
        return entries;
    }
    // The numbers n of the sections "Object_" + n, 1 <= n <= limit, that the file has.
    std::vector<int> ObjectNumbers(int limit) const {
        return NumberedNames(platform::IniSectionNames(path_), kObjectPrefix, limit);
    }

    void Write(const std::string& section, const std::string& key, const std::string& value) {
        sections_.erase(section);
        platform::WriteIniString(path_, section, key, value);
    }
    void WriteBoolean(const std::string& section, const std::string& key, bool value) {
        Write(section, key, BooleanText(value));
    }
    void WriteInteger(const std::string& section, const std::string& key, int value) {
        Write(section, key, std::to_string(value));
    }
    void WriteTime(const std::string& section, const std::string& key, double value) {
        Write(section, key, platform::LocaleLongTimeText(TimeOfDayFraction(value)));
    }
    void WriteList(const std::string& section, const std::vector<std::string>& entries) {
        Erase(section);
        WriteInteger(section, kCount, static_cast<int>(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i)
            Write(section, std::to_string(i + 1), entries[i]);
    }
    void Erase(const std::string& section) {
        sections_.erase(section);
        platform::EraseIniSection(path_, section);
    }

  private:
    static constexpr const char* kMissing = "\x01missing\x01";
    std::string path_;
    mutable std::map<std::string, platform::IniSection> sections_;
};

struct Sections {
    std::string options, cookies, activeX, mailBoxes;
    explicit Sections(const std::string& prefix)
        : options(prefix + ".Options"),
          cookies(prefix + ".Cookies"),
          activeX(prefix + ".ActiveX"),
          mailBoxes(prefix + ".MailBoxes") {}
};

void EmptyCatalogue(SettingsState& s, CatalogueView& view) {
    for (std::size_t row = s.Objects.Items.size(); row-- > 0;)
        view.RemoveRow(row);
    s.Objects.Items.clear();
}

// The language list, the window's texts, and the lookup of the main window's other texts.
void LoadLanguage(SettingsHost& host, const TGBObject& db, bool haveDb) {
    SettingsState& s = host.Settings();
    if (haveDb) {
        LanguageList list = LanguageListIn(db, s.Opts.LngID);
        host.ShowLanguageList(list.Entries, list.Selected);
    }
    host.ApplyLanguage(s.Language());
}

void LoadPluginObjects(SettingsState& s, CatalogueView& view, const SettingsFile& ini,
                       const Sections& sections) {
    if (!platform::FileExists(s.Files.Plugins))
        return;
    TiDbRecFile file;
    LoadRecordFile(file, s.Files.Plugins);
    for (PluginObject& object : PluginObjectsIn(file, s.Opts.LngID)) {
        bool selected = ini.Boolean(sections.options, object.Plugin.Id, false);
        AppendToCatalogue(s.Objects, view,
                          MakePluginItem(std::move(object.Plugin), object.DisplayName, selected));
    }
}

std::string WithoutOneTrailingBackslash(std::string folder) {
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

// Every section "Object_1" .. "Object_" + Count that is there. A gap (a section missing, or a
// count beyond the sections) makes the next save number them from 1 again, so that nothing
// after it is lost and no section keeps a stale number.
void LoadUserObjects(SettingsState& s, CatalogueView& view, const SettingsFile& ini) {
    int count = std::min(ini.Integer(kObjects, kCount, 0), kMaxUserObjects);
    std::vector<int> numbers = ini.ObjectNumbers(count);
    if (numbers.size() != static_cast<std::size_t>(std::max(count, 0)))
        s.Objects.UserObjectsChanged = true;
    for (int n : numbers) {
        const std::string section = ObjectSection(n);
        TWashListUserItem user;
        user.Folder = WithoutOneTrailingBackslash(ini.String(
            section, "Folder", platform::WithoutTrailingBackslash(s.Files.ProgramFolder)));
        user.IncludeSubfolders = ini.Boolean(section, "IncludeSubfolders", false);
        user.FileList = ini.String(section, "FileList");
        user.PromptOnDelete = ini.Boolean(section, "PromptOnDelete", true);
        AppendToCatalogue(
            s.Objects, view,
            MakeUserItem(std::move(user), ini.String(section, "DisplayName", "Tidewell Item"),
                         ini.Boolean(section, "Selected", false)));
    }
}

void LoadOptions(SettingsState& s, const SettingsFile& ini, const Sections& sections) {
    Options& o = s.Opts;
    const Options defaults;
    const std::string& sec = sections.options;
    int level = ini.Integer(sec, "WashBlurMode", defaults.WashLevel);
    o.WashLevel = level >= 0 && level < kWashLevelEntries ? level : defaults.WashLevel;

    o.CloseBrowsersDuringWash =
        ini.Boolean(sec, "CloseBrowsersDuringWash", defaults.CloseBrowsersDuringWash);
    o.AutoWashAfterBrowsersCloses =
        ini.Boolean(sec, "AutoWashAfterBrowsersCloses", defaults.AutoWashAfterBrowsersCloses);
    o.StayInTrayDuringWash =
        ini.Boolean(sec, "StayInTrayDuringWash", defaults.StayInTrayDuringWash);
    o.HideInTrayAtStartup = ini.Boolean(sec, "HideInTrayAtStartup", defaults.HideInTrayAtStartup);
    o.ShowShortcutOnDesktop =
        platform::FileExists(ResolveShellFolder(ShellFolderKind::ftCommonDesktop) + kShortcutName);
    o.AutorunAtWindowsStartup =
        platform::FileExists(ResolveShellFolder(ShellFolderKind::ftCommonStartup) + kShortcutName);
    o.IETidewellButton = ini.Boolean(sec, "IETidewellButton", defaults.IETidewellButton);

    // Scheduler: the switches, the times and the countdowns to the next washes.
    o.AutoWashTimeInterval = ini.Boolean(sec, "AutoWashTimeInterval", false);
    o.AutoWashTimeIntervalTime =
        ini.Time(sec, "AutoWashTimeIntervalTime", defaults.AutoWashTimeIntervalTime);
    s.IntervalRemaining = o.AutoWashTimeIntervalTime;
    o.AutoWashDailyTime = ini.Boolean(sec, "AutoWashDailyTime", false);
    o.AutoWashDailyTimeTime =
        ini.Time(sec, "AutoWashDailyTimeTime", defaults.AutoWashDailyTimeTime);
    double now = TimeOfDayFraction(Now());
    double untilDaily = o.AutoWashDailyTimeTime - now;
    s.DailyRemaining = untilDaily > 0 ? untilDaily : o.AutoWashDailyTimeTime + 1 - now;
    o.AutoWashDate = ini.Boolean(sec, "AutoWashDate", false);
    o.AutoWashDateDate = ini.Date(sec, "AutoWashDateDate", Today());

    o.LogActivities = ini.Boolean(sec, "LogActivities", false);
    o.WashOnWindowsShutdown = ini.Boolean(sec, "WashOnWindowsShutdown", false);
    o.WashAndShutdownWindows = false;  // never kept from one run to the next

    s.AcceptedCookieList = ini.List(sections.cookies);
    s.AcceptedActiveXList = ini.List(sections.activeX);
    s.SelectedMailBoxes = ini.List(sections.mailBoxes);

    o.CloseAllBrowserWindows = ini.Boolean(sec, "CloseAllBrowserWindows", true);
    o.CloseAllBrowserWindowsHotKey =
        ini.HotKey(sec, "CloseAllBrowserWindowsHotKey", defaults.CloseAllBrowserWindowsHotKey);
    o.HideShowAllBrowserWindows = ini.Boolean(sec, "HideShowAllBrowserWindows", true);
    o.HideShowAllBrowserWindowsHotKey = ini.HotKey(sec, "HideShowAllBrowserWindowsHotKey",
                                                   defaults.HideShowAllBrowserWindowsHotKey);
    o.StealthMode = ini.Boolean(sec, "StealthMode", true);
    o.StealthModeHotKey = ini.HotKey(sec, "StealthModeHotKey", defaults.StealthModeHotKey);
}

void SaveCatalogue(SettingsState& s, SettingsFile& ini, const Sections& sections) {
    const bool changed = s.Objects.UserObjectsChanged;
    if (changed) {
        int old = std::min(ini.Integer(kObjects, kCount, 0), kMaxUserObjects);
        std::vector<int> numbers = ini.ObjectNumbers(old);
        for (auto n = numbers.rbegin(); n != numbers.rend(); ++n)
            ini.Erase(ObjectSection(*n));
    }
    int userNumber = 0;
    for (const auto& item : s.Objects.Items) {
        switch (item->Kind) {
            case WashItemKind::BuiltIn:
                ini.WriteBoolean(sections.options, std::string(TypeInfo(item->ItemType).identifier),
                                 item->Selected);
                break;
            case WashItemKind::Plugin:
                if (item->PluginItem)
                    ini.WriteBoolean(sections.options, item->PluginItem->Id, item->Selected);
                break;
            case WashItemKind::User: {
                const std::string section = ObjectSection(++userNumber);
                if (changed && item->UserItem) {
                    const TWashListUserItem& user = *item->UserItem;
                    ini.Write(section, "DisplayName", item->DisplayName);
                    ini.WriteBoolean(section, "Selected", item->Selected);
                    ini.Write(section, "Folder", user.Folder);
                    ini.WriteBoolean(section, "IncludeSubfolders", user.IncludeSubfolders);
                    ini.Write(section, "FileList", user.FileList);
                    ini.WriteBoolean(section, "PromptOnDelete", user.PromptOnDelete);
                } else {
                    ini.WriteBoolean(section, "Selected", item->Selected);
                }
                break;
            }
        }
    }
    if (changed) {
        ini.WriteInteger(kObjects, kCount, userNumber);
        s.Objects.UserObjectsChanged = false;
    }
}

void SaveOptions(const SettingsState& s, SettingsFile& ini, const Sections& sections) {
    const Options& o = s.Opts;
    const std::string& sec = sections.options;
    ini.WriteInteger(sec, "WashBlurMode", o.WashLevel);
    ini.WriteBoolean(sec, "CloseBrowsersDuringWash", o.CloseBrowsersDuringWash);
    ini.WriteBoolean(sec, "AutoWashAfterBrowsersCloses", o.AutoWashAfterBrowsersCloses);
    ini.WriteBoolean(sec, "StayInTrayDuringWash", o.StayInTrayDuringWash);
    ini.WriteBoolean(sec, "HideInTrayAtStartup", o.HideInTrayAtStartup);
    ini.WriteBoolean(sec, "IETidewellButton", o.IETidewellButton);
    ini.WriteBoolean(sec, "AutoWashTimeInterval", o.AutoWashTimeInterval);
    ini.WriteTime(sec, "AutoWashTimeIntervalTime", o.AutoWashTimeIntervalTime);
    ini.WriteBoolean(sec, "AutoWashDailyTime", o.AutoWashDailyTime);
    ini.WriteTime(sec, "AutoWashDailyTimeTime", o.AutoWashDailyTimeTime);
    ini.WriteBoolean(sec, "AutoWashDate", o.AutoWashDate);
    ini.Write(sec, "AutoWashDateDate",
              o.AutoWashDate ? platform::LocaleShortDateText(std::floor(o.AutoWashDateDate)) : "");
    ini.WriteBoolean(sec, "LogActivities", o.LogActivities);
    ini.WriteBoolean(sec, "WashOnWindowsShutdown", o.WashOnWindowsShutdown);

    ini.WriteList(sections.cookies, s.AcceptedCookieList);
    ini.WriteList(sections.activeX, s.AcceptedActiveXList);
    ini.WriteList(sections.mailBoxes, s.SelectedMailBoxes);

    ini.WriteBoolean(sec, "CloseAllBrowserWindows", o.CloseAllBrowserWindows);
    ini.Write(sec, "CloseAllBrowserWindowsHotKey", ShortCutToText(o.CloseAllBrowserWindowsHotKey));
    ini.WriteBoolean(sec, "HideShowAllBrowserWindows", o.HideShowAllBrowserWindows);
    ini.Write(sec, "HideShowAllBrowserWindowsHotKey",
              ShortCutToText(o.HideShowAllBrowserWindowsHotKey));
    ini.WriteBoolean(sec, "StealthMode", o.StealthMode);
    ini.Write(sec, "StealthModeHotKey", ShortCutToText(o.StealthModeHotKey));
}

}  // namespace

SettingsFiles SettingsFilesIn(const std::string& folder) {
    std::string f = platform::WithTrailingBackslash(folder);
    return {f, f + "tidewell.ini", f + "Tidewell.lng", f + "tidewell_2431.dat", f + "tidewell.log"};
}

SettingsFiles DefaultSettingsFiles() {
    return SettingsFilesIn(platform::ProgramFolder());
}

std::string CurrentUserSectionPrefix() {
    std::string name = platform::CurrentUserName();
    return name.empty() ? "Default User" : name;
}

void LoadSettings(SettingsHost& host) {
    SettingsState& s = host.Settings();
    CatalogueView& view = host.ObjectsView();
    if (s.Files.Ini.empty())
        s.Files = DefaultSettingsFiles();
    if (s.UserSectionPrefix.empty())
        s.UserSectionPrefix = CurrentUserSectionPrefix();
    EmptyCatalogue(s, view);
    if (s.ShellFoldersCheckedFor != s.UserSectionPrefix) {
        s.ShellFoldersCheckedFor = s.UserSectionPrefix;
        CheckShellFolders([&](const std::string& text) { host.ShowShellFolderWarning(text); });
    }

    const SettingsFile ini(s.Files.Ini);
    const Sections sections(s.UserSectionPrefix);
    s.Opts.LngID = ini.Integer(sections.options, "LngID", s.DetectedLngID);
    TGBObject db;
    bool haveDb = OpenTableDatabase(db, s.Files.Language);
    LoadLanguage(host, db, haveDb);
    LanguageTable texts(db, kMainFormName, s.Opts.LngID);
    LangLookup text = [&](int id, const std::string& fallback) { return texts.Text(id, fallback); };
    s.Objects.States = LookUpStateTexts(text);

    AppendBuiltInObjects(s.Objects, view, text, [&](std::string_view key, bool fallback) {
        return ini.Boolean(sections.options, std::string(key), fallback);
    });
    LoadPluginObjects(s, view, ini, sections);
    LoadUserObjects(s, view, ini);
    LoadOptions(s, ini, sections);
    host.ShowLoadedOptions();

    if (host.AdjustsBrowserSettings())
        AdjustBrowserSettings();
    host.RunObjectDetection();
    host.SetCaption(s.UserSectionPrefix + " - " + kProgramTitle);
    host.OpenActivityLog();
    host.FindRunningBrowsers();
    host.StartHookLibrary();
}

void SaveSettings(SettingsHost& host) {
    SettingsState& s = host.Settings();
    host.StopHookLibrary();
    SettingsFile ini(s.Files.Ini);
    const Sections sections(s.UserSectionPrefix);
    ini.WriteInteger(sections.options, "LngID", s.Opts.LngID);
    SaveCatalogue(s, ini, sections);
    SaveOptions(s, ini, sections);
    host.SetCaption(kProgramTitle);
    host.CloseActivityLog();
}

bool CheckWindowsUserChange(SettingsHost& host) {
    if (platform::CurrentPlatformId() != platform::PlatformId::WindowsNT)
        return false;
    std::string user = CurrentUserSectionPrefix();
    SettingsState& s = host.Settings();
    if (user == s.UserSectionPrefix)
        return false;
    SaveSettings(host);
    s.UserSectionPrefix = user;
    LoadSettings(host);
    return true;
}

bool LanguageListChange(SettingsHost& host, const std::string& entry) {
    SettingsState& s = host.Settings();
    if (entry.empty())
        return false;
    int chosen = LanguageIdOfEntry(s.Files.Language, entry, s.Opts.LngID);
    if (chosen == s.Opts.LngID)
        return false;
    s.Opts.LngID = chosen;
    SaveSettings(host);
    LoadSettings(host);
    return true;
}

std::string MainFormText(const SettingsState& settings, int textId, const std::string& english) {
    return GetLangText(textId, kMainFormName, settings.Language(), english);
}
