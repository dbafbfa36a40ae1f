#include "cli/console_settings_host.h"

#include "catalogue/language.h"

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

// Object detection of absent software has not been built yet: until it is, every object is
// present, and the states follow the selection as after a detection.
void ConsoleSettingsHost::RunObjectDetection() {
    for (auto& item : ctx_.Objects.Items)
        ApplySelectionRule(*item);
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
