#pragma once
// The settings file "tidewell.ini" beside the program: per-user sections named by the Windows
// user ("ann.Options", "ann.Cookies", ...), the user objects shared by all users ("Objects",
// "Object_1", ...). LoadSettings fills the main window's state and builds the catalogue;
// SaveSettings writes it back. The main window owns the state and implements SettingsHost for
// the steps that belong to other parts of the program.
#include <string>
#include <vector>

#include "catalogue/catalogue_ops.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/language.h"
#include "catalogue/options.h"

// The files the settings use; normally all beside the program.
struct SettingsFiles {
    std::string ProgramFolder;  // with a trailing backslash; user objects' default folder
    std::string Ini;            // "tidewell.ini"
    std::string Language;       // "Tidewell.lng"
    std::string Plugins;        // "tidewell_2431.dat"
    std::string Log;            // "tidewell.log"
};
SettingsFiles SettingsFilesIn(const std::string& folder);
SettingsFiles DefaultSettingsFiles();  // in the program's folder

// The main window's state that the settings read and write (references to the window's own
// members), and what the settings keep themselves.
struct SettingsState {
    SettingsState(Options& opts, Catalogue& objects, std::vector<std::string>& cookies,
                  std::vector<std::string>& activeX, std::vector<std::string>& mailBoxes,
                  double& intervalRemaining, double& dailyRemaining)
        : Opts(opts),
          Objects(objects),
          AcceptedCookieList(cookies),
          AcceptedActiveXList(activeX),
          SelectedMailBoxes(mailBoxes),
          IntervalRemaining(intervalRemaining),
          DailyRemaining(dailyRemaining) {}

    Options& Opts;  // Opts.LngID is the language in use
    Catalogue& Objects;
    std::vector<std::string>& AcceptedCookieList;
    std::vector<std::string>& AcceptedActiveXList;
    std::vector<std::string>& SelectedMailBoxes;
    double& IntervalRemaining;  // days until the interval wash
    double& DailyRemaining;     // days until the daily wash

    SettingsFiles Files;
    std::string UserSectionPrefix;  // the user whose sections are in use (set by LoadSettings)
    int DetectedLngID = kLanguageEnglish;  // default of "LngID": DetectDefaultLanguageId()
    // The user whose shell folders were last checked: the warnings come once per start and
    // again only for another Windows user, not on every reload (such as a language change).
    std::string ShellFoldersCheckedFor;

    LanguageChoice Language() const { return {Files.Language, Opts.LngID}; }
};

// The window title and what the caption label shows while the settings are loaded.
inline constexpr const char* kProgramTitle = "Tidewell 2.4 release 3";

class SettingsHost {
  public:
    virtual ~SettingsHost() = default;

    virtual SettingsState& Settings() = 0;
    // The check list of wash objects (rows appended in catalogue order by LoadSettings).
    virtual CatalogueView& ObjectsView() = 0;

    // A message box with an OK button and no icon (the misdirected shell-folder warning).
    virtual void ShowShellFolderWarning(const std::string& text) = 0;
    // Fill LanguageList with these entries and select entry `selected` (-1: none).
    virtual void ShowLanguageList(const std::vector<std::string>& entries, int selected) = 0;
    // Apply the language to the main window and all its controls (ApplyLanguage, "MainForm").
    virtual void ApplyLanguage(const LanguageChoice& language) = 0;
    // Options, lists and hot keys are loaded: bring every control into line with them.
    virtual void ShowLoadedOptions() = 0;
    // Object detection: disables the rows of software that is not installed and rebuilds the
    // status list.
    virtual void RunObjectDetection() = 0;
    // The caption label `CaptionLbl`.
    virtual void SetCaption(const std::string& caption) = 0;
    // The activity log: open it (appending) and write the start line; write the close line and
    // an empty line, flush and close it.
    virtual void OpenActivityLog() = 0;
    virtual void CloseActivityLog() = 0;
    // Browser control: list the open browser windows; start and stop the hook library (kinds 4
    // and 7 with the main window's handle).
    virtual void FindRunningBrowsers() = 0;
    virtual void StartHookLibrary() = 0;
    virtual void StopHookLibrary() = 0;
    // Whether loading may switch off the browsers' own exit prompts (AdjustBrowserSettings), as
    // the program does at its start. A front end that only lists or test-runs changes nothing.
    virtual bool AdjustsBrowserSettings() const { return true; }
};

// The logged-on Windows user's name, "Default User" when the system gives none.
std::string CurrentUserSectionPrefix();

void LoadSettings(SettingsHost& host);
void SaveSettings(SettingsHost& host);

// First step of every main timer tick: on the NT family, when another Windows user is logged
// on, saves under the old user's sections and loads the new user's. True when it did (the
// tick ends there).
bool CheckWindowsUserChange(SettingsHost& host);

// The handler of LanguageList: `entry` is the chosen entry. When it names another language,
// saves and loads the settings again (which applies it everywhere); true then.
bool LanguageListChange(SettingsHost& host, const std::string& entry);

// Language text `textId` of the main window in the language in use.
std::string MainFormText(const SettingsState& settings, int textId, const std::string& english);
