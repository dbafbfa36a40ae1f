// The tray icon: added at creation, removed at destruction (and by stealth mode), its image
// taken from the frames of SunList.
#include <windows.h>
#include <commctrl.h>

#include "app/main_form.h"
#include "platform/text.h"

void TMainForm::AddTrayIcon() {
    trayIcon_.Reset(ImageList_GetIcon(skin_.sunList.Get(), sunListTag_, ILD_NORMAL));
    trayIconData_ = NOTIFYICONDATAW{};
    trayIconData_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    trayIconData_.hWnd = Handle();
    trayIconData_.uID = kTrayIconId;
    trayIconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIconData_.uCallbackMessage = WM_TIDEWELL_TRAY;
    trayIconData_.hIcon = trayIcon_ ? trayIcon_.Get() : skin_.smallIcon.Get();
    std::wstring tip = platform::Utf8ToWide(kProgramTitle);
    lstrcpynW(trayIconData_.szTip, tip.c_str(), 64);
    trayIconShown_ = Shell_NotifyIconW(NIM_ADD, &trayIconData_) != FALSE;
}

void TMainForm::RemoveTrayIcon() {
    if (trayIconData_.hWnd)
        Shell_NotifyIconW(NIM_DELETE, &trayIconData_);
    trayIconShown_ = false;
}

void TMainForm::ShowTrayFrame(int frame) {
    int count = ImageList_GetImageCount(skin_.sunList.Get());
    if (frame < 0 || frame >= count)
        return;
    sunListTag_ = frame;
    ui::UniqueIcon icon(ImageList_GetIcon(skin_.sunList.Get(), frame, ILD_NORMAL));
    if (!icon || StealthActive)
        return;
    trayIconData_.hIcon = icon.Get();
    trayIconData_.uFlags = NIF_ICON;
    Shell_NotifyIconW(NIM_MODIFY, &trayIconData_);
    trayIconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon_ = std::move(icon);  // the shell copied it; the old one may go now
}

void TMainForm::AnimateTray() {
    // From the last frame down to the first, 10 ms each: the run winds the sun back.
    int count = ImageList_GetImageCount(skin_.sunList.Get());
    for (int frame = count - 1; frame >= 0; --frame) {
        ShowTrayFrame(frame);
        Sleep(10);
    }
}

void TMainForm::OnTrayMessage(LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN || mouseMessage == WM_RBUTTONDOWN)
        FormRestore();
}
