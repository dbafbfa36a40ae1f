#include "vanish/shred_selection.h"

#include "engine/primitives.h"
#include "engine/wash_levels.h"

void ShredSelection(WashContext& ctx, const std::string& folder,
                    const std::vector<std::string>& names, const std::function<void()>& refresh) {
    if (ctx.Washing)
        return;
    ctx.View.SetProgressText(kShredStartText);
    ctx.View.ProcessMessages();
    ctx.Washing = true;
    ctx.TestRunning = false;
    ctx.View.SetMainTimerEnabled(false);
    const WashLevelSettings level = SettingsForWashLevel(ctx.Opts.WashLevel);
    ctx.Shred.WashMode = level.WashMode;
    ctx.Shred.WashStrength = level.WashStrength;
    ctx.Shred.ShredDelete = true;
    if (!names.empty()) {
        ctx.KeepWashing = true;
        ctx.StopRequested = false;
        bool prompt = true;
        {
            WashScope scope(ctx, kNoStatusRow, ProgressLabel::Shown);
            WashFile(scope, folder, names, prompt, true);
        }
        if (refresh)
            refresh();
    }
    ctx.View.SetMainTimerEnabled(true);
    ctx.Washing = false;
    ctx.View.SetProgressText(kShredDoneText);
    ctx.View.ProcessMessages();
    ctx.View.UpdateStatus();
}
