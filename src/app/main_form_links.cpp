// The places where the other parts of the program plug into the main window: hot keys,
// browser control, the activity log, the shutdown tasks, desktop integration, the scheduler
// triggers, the deferred index.dat task, and the user object editor. Each
// keeps the main window's side of its contract until its part arrives.
#include "app/main_form.h"

void TMainForm::SetHotKey(int, HotKeyCode) {}

void TMainForm::HotKeyAction(int) {}

void TMainForm::RegisterBrowserWindow(HWND) {}

void TMainForm::ForgetBrowserWindow(HWND) {}

bool TMainForm::BrowserIsRunning() {
    return false;
}

void TMainForm::FindRunningBrowsers() {}

bool TMainForm::CloseBrowsers() {
    return true;  // with no browser control, no browser is known to run
}

void TMainForm::ShowBrowsers() {}

void TMainForm::HideShowBrowsers() {}

void TMainForm::WashAndShutdownBtnClick(bool) {}

LRESULT TMainForm::WashBeforeSessionEnds(WPARAM wParam, LPARAM lParam) {
    SessionEndingLogoff = true;
    SessionEndingShutdown = true;
    return Default(WM_QUERYENDSESSION, wParam, lParam);
}

void TMainForm::UpdateDesktopIntegration(int) {}

void TMainForm::SchedulerTriggers() {}

void TMainForm::IndexDatTaskWanted(bool) {}

void TMainForm::AddWashingListItemBtnClick() {}

void TMainForm::EditWashingListItemBtnClick() {}
