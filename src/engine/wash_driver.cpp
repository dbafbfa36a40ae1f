#include "engine/wash_driver.h"

#include "engine/wash_levels.h"

namespace {

void CloseBrowsersForRun(WashContext& ctx) {
    if (ctx.TestRunning || !ctx.Opts.CloseBrowsersDuringWash)
        return;
    if (ctx.View.CloseBrowsers())
        ctx.BrowsersWereRunning = false;
    else
        ctx.LogText(ctx.LogClockTime() + " Error: Unable to close all browsers\r\n");
    ctx.View.ProcessMessages();
}

void ScheduleSelectedObjects(WashContext& ctx) {
    int row = 0;
    for (auto& item : ctx.Objects.Items) {
        item->State = item->Selected ? wlsScheduled : wlsDisabled;
        if (item->State != wlsScheduled)
            continue;
        ctx.View.SetRowEntries(row, "0/0 Kb");
        ctx.View.SetRowStatus(row, ctx.Objects.States[wlsScheduled]);
        ++row;
        ctx.View.ProcessMessages();
    }
}

void WashScheduledObjects(WashContext& ctx) {
    int row = 0;
    for (auto& entry : ctx.Objects.Items) {
        if (ctx.StopRequested)
            break;
        TWashListItem& item = *entry;
        if (item.State != wlsScheduled)
            continue;

        item.State = wlsWashing;
        ctx.View.SetRowStatus(row, ctx.Objects.States[wlsWashing]);
        ctx.View.RevealRow(row);
        ctx.View.ProcessMessages();
        if (ctx.TestRunning && ctx.View.TestWindowShown())
            ctx.View.AppendTestLine("\r\n**** " + item.DisplayName + " ****\r\n");

        if (const Washer* washer = ctx.Washers.Find(item))
            (*washer)(ctx, item, row);

        if (item.State != wlsNone)
            item.State = wlsComplete;
        ctx.View.SetRowStatus(row, ctx.Objects.States[item.State]);
        ++row;
        ctx.View.ProcessMessages();
        ctx.View.AnimateTray();
        ctx.KeepWashing = !ctx.StopRequested;
    }
}

}  // namespace

void ScrubAndGoBtnClick(WashContext& ctx) {
    if (ctx.Washing) {  // the button is the Stop button now
        ctx.StopRequested = true;
        ctx.KeepWashing = false;
        return;
    }
    // The run counts as started before the first message pump: a second press that arrives
    // there is a Stop request, not the start of a second run inside this one.
    ctx.Washing = true;
    ctx.StopRequested = false;
    WashView& view = ctx.View;
    view.SetGoButtonLook(true);
    view.ShowWashPage();
    if (!ctx.TestRunning && !ctx.Opts.StayInTrayDuringWash)
        view.RestoreWindowIfAway();
    view.SetProgressText("Initializing Wash...");
    view.ProcessMessages();

    ctx.RunItemCount = 0;
    ctx.RunTotalBytes = 0;
    view.SetGoButtonCaption(true);
    view.ProcessMessages();
    view.SetMainTimerEnabled(false);

    CloseBrowsersForRun(ctx);
    view.UpdateStatus();
    ScheduleSelectedObjects(ctx);

    WashLevelSettings level = SettingsForWashLevel(ctx.Opts.WashLevel);
    ctx.Shred.WashMode = level.WashMode;
    ctx.Shred.WashStrength = level.WashStrength;
    ctx.Shred.ShredDelete = true;
    ctx.KeepWashing = true;

    WashScheduledObjects(ctx);

    ctx.LastWashTime = Now();
    view.SetMainTimerEnabled(true);
    view.SetGoButtonLook(false);
    ctx.Washing = false;
    view.SetGoButtonCaption(false);
    view.ProcessMessages();
    view.SetProgressText("Done Washing...");
    view.ProcessMessages();
    view.UpdateStatus();
}
