#include "engine/washer_frame.h"

WashCounters RunWasherFrame(WashContext& ctx, int row, const std::string& title,
                            const WasherWork& work) {
    ctx.LogText(ctx.LogClockTime() + title);
    WashScope scope(ctx, row);
    scope.ShowCounters();  // "0/0 Kb"
    if (work)
        work(scope);
    scope.ShowCounters();
    ctx.RunItemCount += scope.Counters.count;
    ctx.RunTotalBytes += scope.Counters.bytes;
    if (ctx.TestRunning) {
        ctx.TestItemCount += scope.Counters.count;
        ctx.TestTotalBytes += scope.Counters.bytes;
    }
    ctx.LogText(" {" + CountersText(scope.Counters) + "}\r\n");
    ctx.LogFlush();
    scope.WriteQueuedLogLines();  // after the object's own line, so that stays whole
    return scope.Counters;
}
