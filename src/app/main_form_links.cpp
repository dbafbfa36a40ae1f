// The places where the other parts of the program plug into the main window: the activity
// log, the shutdown tasks, desktop integration, the scheduler triggers, the deferred index.dat
// task. Each keeps the main window's side of its contract until
// its part arrives.
#include "app/main_form.h"

void TMainForm::WashAndShutdownBtnClick(bool) {}

LRESULT TMainForm::WashBeforeSessionEnds(WPARAM wParam, LPARAM lParam) {
    SessionEndingLogoff = true;
    SessionEndingShutdown = true;
    return Default(WM_QUERYENDSESSION, wParam, lParam);
}

void TMainForm::UpdateDesktopIntegration(int) {}

void TMainForm::SchedulerTriggers() {}
