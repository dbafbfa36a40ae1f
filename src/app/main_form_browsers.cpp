// The main window's browser control: the list of browser windows, closing, hiding and showing
// them, the three hot keys and stealth mode.
#include "app/hot_keys_page.h"
#include "app/main_form.h"
#include "browsers/hot_keys.h"
#include "platform/text.h"

void TMainForm::FindRunningBrowsers() {
    browsers_.FindBrowsers();
}

void TMainForm::RegisterBrowserWindow(HWND window) {
    browsers_.RegisterBrowserWindow(window);
}

void TMainForm::ForgetBrowserWindow(HWND window) {
    browsers_.ForgetBrowserWindow(window);
}

bool TMainForm::BrowserIsRunning() {
    return browsers_.BrowserIsRunning();
}

bool TMainForm::CloseBrowsers() {
    browsers_.CloseBrowsers();
    BrowsersHidden = false;
    return !BrowserIsRunning();
}

void TMainForm::HideBrowsers() {
    browsers_.HideBrowsers();
    BrowsersHidden = true;
}

void TMainForm::ShowBrowsers() {
    browsers_.ShowBrowsers();
    BrowsersHidden = false;
}

void TMainForm::HideShowBrowsers() {
    if (BrowsersHidden)
        ShowBrowsers();
    else
        HideBrowsers();
}

void TMainForm::SetHotKey(int id, HotKeyCode code) {
    if (id < 1 || id > 3)
        return;
    HotKeyCode& registered = RegisteredHotKeys[static_cast<std::size_t>(id - 1)];
    if (code == registered)
        return;
    registered = RegisterHotKeyKeepingPrevious(Handle(), id, registered, code);
    if (registered != code) {
        // Taken by another program: the option and the box hold the hot key that is in force.
        HotKeyCode* option[3] = {&ctx_.Opts.CloseAllBrowserWindowsHotKey,
                                 &ctx_.Opts.HideShowAllBrowserWindowsHotKey,
                                 &ctx_.Opts.StealthModeHotKey};
        *option[id - 1] = registered;
        hotKeysPage_->SetHotKeyBox(id, registered);
    }
}

void TMainForm::HotKeyAction(int id) {
    if (HotKeyEditing)
        return;  // the key is being typed into a hot-key box
    switch (id) {
        case 1:
            if (ctx_.Opts.CloseAllBrowserWindows)
                CloseBrowsers();
            break;
        case 2:
            if (ctx_.Opts.HideShowAllBrowserWindows)
                HideShowBrowsers();
            break;
        case 3:
            if (ctx_.Opts.StealthMode)
                ToggleStealthMode();
            break;
        default:
            break;
    }
}

void TMainForm::ToggleStealthMode() {
    if (HotKeyEditing)
        return;
    if (!StealthActive) {
        StealthActive = true;
        SetWindowTextW(Handle(), L"");
        RemoveTrayIcon();
        HideBtnClick();
    } else {
        StealthActive = false;
        SetWindowTextW(Handle(), platform::Utf8ToWide(kProgramTitle).c_str());
        AddTrayIcon();
        FormRestore();
    }
}
