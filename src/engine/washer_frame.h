#pragma once
// The washer frame: the common shape of every washer routine. It writes the start of the
// object's log line, zeroes the counters, runs the washer's own work through the primitives,
// shows the counters in the object's row, adds them to the test-run totals, and ends the log
// line with them: "14:05:09 Washing: Windows Regedit Last Key {3/1 Kb}".
#include <functional>
#include <string>

#include "engine/wash_scope.h"

using WasherWork = std::function<void(WashScope& scope)>;

// `title` begins with " Washing: ". Returns the object's counters.
WashCounters RunWasherFrame(WashContext& ctx, int row, const std::string& title,
                            const WasherWork& work);
