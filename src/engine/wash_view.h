#pragma once
// What a wash run needs from whoever shows it: the main window, the console program, or a test
// recorder. Every call is made on the thread that runs the wash.
#include <string>

enum class ConfirmAnswer { Yes, No, Cancel, All };

class WashView {
  public:
    virtual ~WashView() = default;

    // Progress and the rows of the wash status list (row n = the n-th scheduled object).
    virtual void SetProgressText(const std::string& text) = 0;
    virtual void SetRowEntries(int row, const std::string& entriesAndSize) = 0;
    virtual void SetRowStatus(int row, const std::string& status) = 0;
    virtual void RevealRow(int row) = 0;  // made visible and selected

    // The confirmation dialog (Yes, No, Cancel, All) for one entry.
    virtual ConfirmAnswer Confirm(const std::string& question) = 0;

    // The test run's listing.
    virtual bool TestWindowShown() const = 0;
    // The chosen wash level's text as the options list shows it, in the chosen language; empty
    // where there is no such list (the level's built-in name is used then).
    virtual std::string ChosenWashLevelText() const { return {}; }
    virtual void AppendTestLine(const std::string& line) = 0;

    // Let pending input through (a Stop press reaches the run this way).
    virtual void ProcessMessages() = 0;

    // The window's part of a run.
    virtual void ShowWashPage() = 0;
    virtual void RestoreWindowIfAway() = 0;             // restore when minimised or hidden
    virtual void SetGoButtonLook(bool running) = 0;     // red pictures while running
    virtual void SetGoButtonCaption(bool running) = 0;  // "Stop!" while running, "Go.." after
    virtual void SetMainTimerEnabled(bool enabled) = 0;
    // Closes every browser window; true when no browser runs afterwards.
    virtual bool CloseBrowsers() = 0;
    virtual void UpdateStatus() = 0;
    virtual void AnimateTray() = 0;
    // Without a status row (the Vanish page) the pointer shows an hourglass while an item is
    // destroyed.
    virtual void SetBusyCursor(bool busy) = 0;
};

// A view that shows nothing and answers every question All: for a run whose whole selection
// was confirmed beforehand (the context menu) and for benchmarks. Override what is wanted.
class SilentWashView : public WashView {
  public:
    void SetProgressText(const std::string&) override {}
    void SetRowEntries(int, const std::string&) override {}
    void SetRowStatus(int, const std::string&) override {}
    void RevealRow(int) override {}
    ConfirmAnswer Confirm(const std::string&) override { return ConfirmAnswer::All; }
    bool TestWindowShown() const override { return false; }
    void AppendTestLine(const std::string&) override {}
    void ProcessMessages() override {}
    void ShowWashPage() override {}
    void RestoreWindowIfAway() override {}
    void SetGoButtonLook(bool) override {}
    void SetGoButtonCaption(bool) override {}
    void SetMainTimerEnabled(bool) override {}
    bool CloseBrowsers() override { return true; }
    void UpdateStatus() override {}
    void AnimateTray() override {}
    void SetBusyCursor(bool) override {}
};
