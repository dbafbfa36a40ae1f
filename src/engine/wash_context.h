#pragma once
// The state of washing that the main window owns and every washer reads: the run flags, the
// shredder settings, the live options, the catalogue and the lists that a wash spares or uses.
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue_ops.h"
#include "catalogue/date_time.h"
#include "catalogue/options.h"
#include "engine/activity_log.h"
#include "engine/shred/shred_settings.h"
#include "engine/wash_view.h"
#include "engine/washer_table.h"

struct WashContext {
    WashContext(Catalogue& catalogue, WashView& view, const WasherTable& washers)
        : Objects(catalogue), View(view), Washers(washers) {}

    // Run flags.
    bool Washing = false;        // a run is in progress
    bool KeepWashing = false;    // the current object may go on
    bool StopRequested = false;  // Stop was pressed during the run
    bool TestRunning = false;    // a dry run: report and count, change nothing
    bool BrowsersWereRunning = false;
    TDateTime LastWashTime = 0;  // 0 = never

    ShredSettings Shred;
    std::uint64_t TestItemCount = 0;
    std::uint64_t TestTotalBytes = 0;
    // Entries and bytes of the objects washed in the current run, test or real (what the
    // console program reports after a wash).
    std::uint64_t RunItemCount = 0;
    std::uint64_t RunTotalBytes = 0;

    Options Opts;
    Catalogue& Objects;
    std::vector<std::string> AcceptedCookieList;
    std::vector<std::string> AcceptedActiveXList;
    std::vector<std::string> SelectedMailBoxes;
    ActivityLog* Log = nullptr;  // open while the program runs; may be null

    WashView& View;
    const WasherTable& Washers;

    // Writes to the activity log when "Log Activities" is on and the log is open.
    void LogText(const std::string& text) {
        if (Opts.LogActivities && Log)
            Log->Write(text);
    }
    void LogFlush() {
        if (Opts.LogActivities && Log)
            Log->Flush();
    }
    // Now as "hh:mm:ss" with the log's time separator, to begin a log line.
    std::string LogClockTime() const {
        return FormatClockTime(Now(), Log ? Log->TimeSeparator() : ":");
    }
};
