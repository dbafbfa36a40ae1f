#pragma once
// The settings of TidewellCmd: the same "tidewell.ini" beside the program and the same
// sections of the current Windows user as the main window, loaded through LoadSettings into a
// wash context. There are no windows to fill: no language list, no hook library, no browser
// list; the activity log is opened and closed as the program does it.
//
// TidewellCmd never writes the settings back (no SaveSettings): --level and --only are for one
// run, and nothing else can change, so writing would only risk the user's file.
#include "catalogue/settings.h"
#include "cli/console_io.h"
#include "engine/wash_context.h"
#include "tasks/activity_log.h"

class ConsoleSettingsHost : public SettingsHost {
  public:
    // The settings are loaded into `ctx` (its options, catalogue and lists); warnings go to
    // the console's error stream.
    ConsoleSettingsHost(WashContext& ctx, ConsoleIo& io);
    ~ConsoleSettingsHost() override;

    // For "list" and "test", which change nothing on the machine: no browser adjustments, and
    // the activity log is opened only when "Log Activities" is on. Set before LoadSettings.
    void SetChangesNothing(bool changesNothing) { changesNothing_ = changesNothing; }

    // The log file while it is open (null before OpenActivityLog and after CloseActivityLog).
    ActivityLog* LogFile() { return logOpen_ ? &log_ : nullptr; }

    SettingsState& Settings() override { return state_; }
    CatalogueView& ObjectsView() override { return view_; }
    void ShowShellFolderWarning(const std::string& text) override;
    void ShowLanguageList(const std::vector<std::string>&, int) override {}
    void ApplyLanguage(const LanguageChoice&) override {}
    void ShowLoadedOptions() override {}
    void RunObjectDetection() override;
    void SetCaption(const std::string&) override {}
    void OpenActivityLog() override;
    void CloseActivityLog() override;
    void FindRunningBrowsers() override {}
    void StartHookLibrary() override {}
    void StopHookLibrary() override {}
    bool AdjustsBrowserSettings() const override { return !changesNothing_; }

  private:
    // The check list of the main window: nothing to show here.
    class NoCatalogueView : public CatalogueView {
      public:
        void AppendRow(const std::string&, bool) override {}
        void RemoveRow(std::size_t) override {}
        void SetRowChecked(std::size_t, bool) override {}
        void RepaintWashingList() override {}
        void ShowStatusRows(const std::vector<StatusRow>&) override {}
        void ShowObjectsTab(ObjectsTab) override {}
        bool AskYesNo(int, const std::string&) override { return false; }
        void IndexDatTaskWanted(bool) override {}
    };

    WashContext& ctx_;
    ConsoleIo& io_;
    double intervalRemaining_ = 0;
    double dailyRemaining_ = 0;
    SettingsState state_;
    NoCatalogueView view_;
    ActivityLogFile log_;
    bool logOpen_ = false;
    bool changesNothing_ = false;
};
