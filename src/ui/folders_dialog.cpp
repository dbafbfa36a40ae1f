#include "ui/folders_dialog.h"

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/modal_loop.h"

namespace ui {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 340;

HFONT DialogFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace

std::string TFoldersDialog::Choose(HWND owner, const std::string& start) {
    TFoldersDialog dialog;
    if (!dialog.Open(owner))
        return {};
    dialog.ShowFolder(platform::WithTrailingBackslash(start));
    RunModalLoop(owner, dialog.Handle(), dialog.result_);
    const std::string chosen =
        dialog.result_ == OkBtn ? platform::WithoutTrailingBackslash(dialog.folder_) : "";
    dialog.Destroy();
    if (owner && IsWindowVisible(owner))
        SetForegroundWindow(owner);
    return chosen;
}

bool TFoldersDialog::Open(HWND owner) {
    RegisterClassOnce(kClassName, {0, GetSysColorBrush(COLOR_BTNFACE), nullptr, nullptr});
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (!CreateAs(kClassName, WS_EX_DLGMODALFRAME | WS_EX_TOPMOST,
                  WS_POPUP | WS_CAPTION | WS_SYSMENU, L"Choose A Folder",
                  {x, y, x + kWidth, y + kHeight}, owner))
        return false;
    HWND self = Handle();
    HFONT font = DialogFont();
    CreateLabel(self, 0, Rect(10, 12, 60, 16), "Look In", font);
    HWND drives = CreateDropDownList(self, DriveList, Rect(72, 8, 226, 200), font);
    SetComboItems(drives, platform::LogicalDriveRoots());
    CreateControl(self, L"LISTBOX", DirectoryList,
                  LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT, 0,
                  Rect(10, 38, 288, 190), "", font);
    CreateLabel(self, DirectoryLbl, Rect(10, 234, 288, 32), "", font);
    CreateControl(self, L"BUTTON", OkBtn, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, Rect(136, 274, 78, 26),
                  "Ok", font);
    CreateControl(self, L"BUTTON", CancelBtn, BS_PUSHBUTTON | WS_TABSTOP, 0, Rect(220, 274, 78, 26),
                  "Cancel", font);
    return true;
}

void TFoldersDialog::ShowFolder(const std::string& folder) {
    folder_ = folder;
    SetText(GetDlgItem(Handle(), DirectoryLbl), platform::WithoutTrailingBackslash(folder));
    HWND list = GetDlgItem(Handle(), DirectoryList);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    if (folder.size() > 3)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L".."));
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*"))
        if (entry.IsFolder() && !entry.IsDotEntry())
            SendMessageW(list, LB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(platform::Utf8ToWide(entry.name).c_str()));
    HWND drives = GetDlgItem(Handle(), DriveList);
    for (int i = 0; i < ComboCount(drives); ++i)
        if (platform::EqualsIgnoreCase(ComboItemText(drives, i), folder.substr(0, 3)))
            SetComboSelection(drives, i);
}

void TFoldersDialog::OnCommand(int id, int code) {
    if (id == OkBtn || id == CancelBtn) {
        result_ = id;
        return;
    }
    if (id == DriveList && code == CBN_SELCHANGE) {
        HWND drives = GetDlgItem(Handle(), DriveList);
        ShowFolder(ComboItemText(drives, ComboSelection(drives)));
        return;
    }
    if (id == DirectoryList && code == LBN_DBLCLK) {
        HWND list = GetDlgItem(Handle(), DirectoryList);
        const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (index < 0)
            return;
        wchar_t name[MAX_PATH] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) >= MAX_PATH)
            return;
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(name));
        const std::string entry = platform::WideToUtf8(name);
        if (entry == "..")
            ShowFolder(platform::FolderOfPath(platform::WithoutTrailingBackslash(folder_)));
        else
            ShowFolder(folder_ + entry + "\\");
    }
}

LRESULT TFoldersDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:
            result_ = CancelBtn;
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace ui

std::string ChooseFolder(HWND owner, const std::string& start) {
    if (HWND open = FindWindowW(ui::TFoldersDialog::kClassName, nullptr)) {
        SetForegroundWindow(open);
        return start;
    }
    const std::string folder = platform::FolderExists(start) ? start : platform::ProgramFolder();
    const std::string chosen = ui::TFoldersDialog::Choose(owner, folder);
    return chosen.empty() ? start : chosen;
}
