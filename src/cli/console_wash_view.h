#pragma once
// The wash run as TidewellCmd shows it: no window, no rows. Confirmations are asked on the
// console, test lines go into the listing, progress texts go to the error stream with
// --verbose, and a Ctrl+C (a flag set by the console's handler thread) reaches the run as the
// main window's second press of Go does.
#include <atomic>
#include <optional>
#include <string>

#include "cli/console_io.h"
#include "engine/activity_log.h"
#include "engine/test_run.h"
#include "engine/wash_context.h"
#include "engine/wash_view.h"

// "y", "yes", "n", "no", "c", "cancel", "a", "all" (any case, blanks around); else nothing.
std::optional<ConfirmAnswer> ParseConfirmAnswer(const std::string& text);

class ConsoleWashView : public WashView {
  public:
    struct Choices {
        bool AnswerAll = false;  // --yes
        bool Verbose = false;    // --verbose
    };
    // `stopFlag` is set from another thread; it is only read here.
    ConsoleWashView(ConsoleIo& io, const std::atomic<bool>& stopFlag, Choices choices)
        : io_(io), stopFlag_(stopFlag), choices_(choices) {}

    // The run this view shows (the stop request goes to it).
    void Attach(WashContext& ctx) { ctx_ = &ctx; }
    TestRunListing& Listing() { return listing_; }
    // True once a Ctrl+C has been passed on to the run.
    bool Stopped() const { return stopped_; }

    void SetProgressText(const std::string& text) override;
    void SetRowEntries(int, const std::string&) override {}
    void SetRowStatus(int, const std::string&) override {}
    void RevealRow(int) override {}
    ConfirmAnswer Confirm(const std::string& question) override;
    bool TestWindowShown() const override { return true; }
    void AppendTestLine(const std::string& line) override { listing_.AddLine(-1, line); }
    void ProcessMessages() override;
    void ShowWashPage() override {}
    void RestoreWindowIfAway() override {}
    void SetGoButtonLook(bool) override {}
    void SetGoButtonCaption(bool) override {}
    void SetMainTimerEnabled(bool) override {}
    // Closing the user's browsers is the main window's part; a console run leaves them open
    // (files a browser holds open are simply not counted).
    bool CloseBrowsers() override { return true; }
    void UpdateStatus() override {}
    void AnimateTray() override {}
    void SetBusyCursor(bool) override {}

  private:
    ConsoleIo& io_;
    const std::atomic<bool>& stopFlag_;
    const Choices choices_;
    WashContext* ctx_ = nullptr;
    TestRunListing listing_;
    bool stopped_ = false;
};

// The activity log of a console wash: every line goes to the console's output stream, and on to
// the log file when the user's "Log Activities" is on. A line is printed when it is complete.
class ConsoleActivityLog : public ActivityLog {
  public:
    // `file` may be null (no log file, or logging off).
    ConsoleActivityLog(ConsoleIo& io, ActivityLog* file) : io_(io), file_(file) {}
    void Write(std::string_view text) override;
    void Flush() override;
    // The lines printed are the log file's lines, times included.
    std::string TimeSeparator() const override {
        return file_ ? file_->TimeSeparator() : ActivityLog::TimeSeparator();
    }

  private:
    ConsoleIo& io_;
    ActivityLog* file_;
    std::string pending_;
};
