// The Tasks page at work: the scheduler's triggers and the shutdown tasks (a wash before
// Windows ends the session, wash and shut down).
#include "app/control_ids.h"
#include "app/main_form.h"
#include "platform/system.h"
#include "tasks/scheduler.h"
#include "tasks/shutdown.h"

namespace {

bool OnWindows9x() {
    return platform::CurrentPlatformId() != platform::PlatformId::WindowsNT;
}

}  // namespace

void TMainForm::ArmIntervalCountdown() {
    IntervalRemaining = ArmedInterval(ctx_.Opts.AutoWashTimeIntervalTime);
}

void TMainForm::ArmDailyCountdown() {
    DailyRemaining = ArmedDaily(ctx_.Opts.AutoWashDailyTimeTime, Now());
}

void TMainForm::CountDownSchedulers() {
    IntervalRemaining = CountedDown(IntervalRemaining);
    DailyRemaining = CountedDown(DailyRemaining);
}

void TMainForm::SchedulerTriggers() {
    if (ctx_.Washing)
        return;  // a countdown at 0 fires on the first tick after the run
    if (sessionEndAfterWash_) {
        WashAndShutdownBtnClick(false);
        return;
    }
    if (IntervalDue(ctx_.Opts.AutoWashTimeInterval, IntervalRemaining,
                    ctx_.Opts.AutoWashTimeIntervalTime)) {
        ctx_.BrowsersWereRunning = false;
        BrowsersHidden = false;
        ScrubAndGoBtnClick();  // the window stays as it is, in the tray if it was
        ArmIntervalCountdown();
    }
    if (DailyDue(ctx_.Opts.AutoWashDailyTime, DailyRemaining)) {
        ctx_.BrowsersWereRunning = false;
        BrowsersHidden = false;
        if (!StealthActive) {
            FormRestore();
            ShowWashPage();
        }
        ScrubAndGoBtnClick();
        ArmDailyCountdown();
    }
}

void TMainForm::WashAndShutdownBtnClick(bool fromButton) {
    if (ctx_.Washing) {
        // Windows asked to end the session while a wash ran: that answer was "not now", so
        // the session is ended after the wash (first tick after it) instead of never.
        if (!fromButton)
            sessionEndAfterWash_ = true;
        return;
    }
    ShowWashPage();
    ScrubAndGoBtnClick();
    sessionEndAfterWash_ = false;  // this wash was it, and the session ends just below
    if (OnWindows9x()) {
        ShutdownWindows9x();
        SendMessageW(Handle(), WM_CLOSE, 0, 0);
        return;
    }
    bool windowsWasLoggingOff = SessionEndingLogoff;
    SessionEndingLogoff = true;
    SessionEndingShutdown = true;
    if (!ShutdownWindows(ExitKindAfterWash(fromButton, windowsWasLoggingOff))) {
        // The session goes on: a later session end washes again, and closing the program
        // unregisters the context-menu handler as usual.
        SessionEndingLogoff = false;
        SessionEndingShutdown = false;
    }
}

LRESULT TMainForm::WashBeforeSessionEnds(WPARAM wParam, LPARAM lParam) {
    if (OnWindows9x()) {
        // Windows 9x waits for the answer: the wash runs inside the message.
        SessionEndingLogoff = true;
        SessionEndingShutdown = true;
        if (!ctx_.Washing) {
            ShowWashPage();
            ScrubAndGoBtnClick();
        }
        return Default(WM_QUERYENDSESSION, wParam, lParam);
    }
    // Refused once; the wash runs from the message queue and the program ends the session
    // itself, the way Windows was ending it.
    SessionEndingLogoff = (static_cast<unsigned long>(lParam) & ENDSESSION_LOGOFF) != 0;
    SessionEndingShutdown = !SessionEndingLogoff;
    PostMessageW(Handle(), WM_TIDEWELL_ENDSESSION, 0, 0);
    return 0;
}

void TMainForm::OnEndSession(bool sessionEnding) {
    if (!sessionEnding || closing_)
        return;
    // Windows ends the process once this returns: save everything now, and leave the
    // context-menu handler registered.
    SessionEndingLogoff = true;
    SessionEndingShutdown = true;
    closing_ = true;
    CloseSteps();
}

void TMainForm::AutoWashTimeIntervalDtpChange(int pickerId) {
    OptionChanged(pickerId);  // the options follow the pickers even during a wash
    if (ctx_.Washing)
        return;  // but the countdowns do not change during a wash
    if (pickerId == ids::AutoWashTimeIntervalDtp)
        ArmIntervalCountdown();
    else if (pickerId == ids::AutoWashDailyTimeDtp)
        ArmDailyCountdown();
}
