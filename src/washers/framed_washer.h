#pragma once
// Every Windows washer runs inside the washer frame: its log line, its row's counters and the
// test-run totals. This is the one place that wraps a washer's own work in it.
#include <string>

#include "engine/washer_frame.h"
#include "engine/washer_table.h"

// A washer for the table: `work` inside the frame, logged under `title` (" Washing: ...").
inline Washer FramedWasher(std::string title, void (*work)(WashScope& scope)) {
    return [title = std::move(title), work](WashContext& ctx, TWashListItem&, int row) {
        RunWasherFrame(ctx, row, title, work);
    };
}
