#include "cli/console_settings_host.h"

#include "catalogue/language.h"
#include "lists/object_detection.h"

ConsoleSettingsHost::ConsoleSettingsHost(WashContext& ctx, ConsoleIo& io)
    : ctx_(ctx),
      io_(io),
      state_(ctx.Opts, ctx.Objects, ctx.AcceptedCookieList, ctx.AcceptedActiveXList,
             ctx.SelectedMailBoxes, intervalRemaining_, dailyRemaining_) {
    state_.DetectedLngID = DetectDefaultLanguageId();
}

ConsoleSettingsHost::~ConsoleSettingsHost() {
    CloseActivityLog();
}

void ConsoleSettingsHost::ShowShellFolderWarning(const std::string& text) {
    io_.Err("TidewellCmd: " + text + "\r\n");
}

// The same detection as the main window's: absent software is not selected and cannot be
// chosen with --only. It only reads; there are no tabs to hide here.
void ConsoleSettingsHost::RunObjectDetection() {
    CheckObjectsBtnClick(ctx_.Objects, view_);
}

void ConsoleSettingsHost::OpenActivityLog() {
    CloseActivityLog();
    if (changesNothing_ && !ctx_.Opts.LogActivities)
        return;  // not even the start line
    log_.SetPath(state_.Files.Log);
    OpenActivityLogAtStart(log_);
    logOpen_ = true;
    ctx_.Log = &log_;
}

void ConsoleSettingsHost::CloseActivityLog() {
    if (!logOpen_)
        return;
    ctx_.Log = nullptr;
    CloseActivityLogAtEnd(log_);
    logOpen_ = false;
}
