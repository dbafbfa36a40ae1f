#include "ui/user_object_editor.h"

#include <commctrl.h>

#include "platform/paths.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/folders_dialog.h"
#include "ui/modal_loop.h"

namespace ui {
namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 430;

HFONT DialogFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The folder as the editor shows it: without a trailing backslash, even a drive root ("C:").
std::string ShownFolder(std::string folder) {
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

}  // namespace

bool TwltUserBox::Edit(HWND owner, const EditorText& text, UserObjectFields& fields) {
    TwltUserBox box(text);
    if (!box.Open(owner))
        return false;
    box.Load(fields);
    RunModalLoop(owner, box.Handle(), box.result_);
    const bool saved = box.result_ == 1;
    if (saved)
        box.Store(fields);
    box.Destroy();
    if (owner && IsWindowVisible(owner))
        SetForegroundWindow(owner);
    return saved;
}

bool TwltUserBox::Open(HWND owner) {
    RegisterClassOnce(kClassName, {0, GetSysColorBrush(COLOR_BTNFACE), nullptr, nullptr});
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (!CreateAs(kClassName, WS_EX_DLGMODALFRAME | WS_EX_TOPMOST,
                  WS_POPUP | WS_CAPTION | WS_SYSMENU,
                  platform::Utf8ToWide(text_(6000, "Tidewell User Object Editor")),
                  {x, y, x + kWidth, y + kHeight}, owner))
        return false;
    HWND self = Handle();
    HFONT font = DialogFont();
    CreateLabel(self, 6010, Rect(10, 10, 390, 16), text_(6010, "Display Name"), font);
    CreateControl(self, L"EDIT", DisplayNameEdit, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                  Rect(10, 28, 390, 22), "", font);
    CreateLabel(self, 6020, Rect(10, 58, 390, 16), text_(6020, "Folder / Directory"), font);
    CreateControl(self, L"EDIT", FolderEdit, ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP,
                  WS_EX_CLIENTEDGE, Rect(10, 76, 300, 22), "", font);
    CreateControl(self, L"BUTTON", ChangeFolderBtn, BS_PUSHBUTTON | WS_TABSTOP, 0,
                  Rect(316, 75, 84, 24), text_(6022, "Change..."), font);
    CreateControl(self, L"BUTTON", IncludeSubfoldersChkBox, BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                  Rect(10, 104, 390, 20), text_(6030, "Include Subfolders / Subdirectories"), font);
    CreateLabel(self, 6040, Rect(10, 132, 390, 16),
                text_(6040, "Files / File Types To Delete (*.tmp or example.ini)"), font);
    HWND grid = CreateListView(self, FileList, Rect(10, 150, 390, 180), LVS_SINGLESEL, false, font);
    SendMessageW(grid, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                 LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddListColumn(grid, 0, text_(6042, "Description"), 190, LVCFMT_LEFT);
    AddListColumn(grid, 1, text_(6043, "File / File Type"), 176, LVCFMT_LEFT);
    CreateControl(self, L"EDIT", CellEdit, ES_AUTOHSCROLL | WS_BORDER, 0, Rect(0, 0, 10, 10), "",
                  font);
    ShowWindow(GetDlgItem(self, CellEdit), SW_HIDE);
    CreateControl(self, L"BUTTON", PromptOnDeleteChkBox, BS_AUTOCHECKBOX | WS_TABSTOP, 0,
                  Rect(10, 338, 390, 20), text_(6050, "Prompt On Delete"), font);
    CreateControl(self, L"BUTTON", SaveBtn, BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                  Rect(236, 366, 78, 26), text_(6060, "Save"), font);
    CreateControl(self, L"BUTTON", CancelBtn, BS_PUSHBUTTON | WS_TABSTOP, 0, Rect(322, 366, 78, 26),
                  text_(6070, "Cancel"), font);
    return true;
}

void TwltUserBox::Load(const UserObjectFields& fields) {
    HWND self = Handle();
    SetText(GetDlgItem(self, DisplayNameEdit), fields.displayName);
    SetText(GetDlgItem(self, FolderEdit), ShownFolder(fields.folder));
    SetChecked(GetDlgItem(self, IncludeSubfoldersChkBox), fields.includeSubfolders);
    SetChecked(GetDlgItem(self, PromptOnDeleteChkBox), fields.promptOnDelete);
    HWND grid = GetDlgItem(self, FileList);
    int row = 0;
    for (const FileListEntry& entry : FileListEntries(fields.fileList)) {
        InsertListRow(grid, row, entry.Description);
        SetListCell(grid, row++, 1, entry.Mask);
    }
    for (int extra = 0; extra < kExtraRows; ++extra)
        InsertListRow(grid, row++, "");
}

void TwltUserBox::Store(UserObjectFields& fields) {
    EndCellEdit();
    HWND self = Handle();
    fields.displayName = GetText(GetDlgItem(self, DisplayNameEdit));
    fields.folder = GetText(GetDlgItem(self, FolderEdit));
    fields.includeSubfolders = IsChecked(GetDlgItem(self, IncludeSubfoldersChkBox));
    fields.promptOnDelete = IsChecked(GetDlgItem(self, PromptOnDeleteChkBox));
    HWND grid = GetDlgItem(self, FileList);
    std::vector<FileListEntry> entries;
    for (int row = 0; row < ListCount(grid); ++row)
        entries.push_back({ListCell(grid, row, 0), ListCell(grid, row, 1)});
    fields.fileList = FileListText(entries);  // rows without both cells are dropped
}

void TwltUserBox::ChangeFolderBtnClick() {
    HWND edit = GetDlgItem(Handle(), FolderEdit);
    const std::string shown = GetText(edit);
    // A drive shown as "C:" opens as its root, not as the current folder of that drive.
    const std::string start = shown.size() == 2 && shown[1] == ':' ? shown + "\\" : shown;
    SetText(edit, ShownFolder(ChooseFolder(Handle(), start)));
}

void TwltUserBox::BeginCellEdit(int row, int column) {
    EndCellEdit();
    HWND grid = GetDlgItem(Handle(), FileList);
    RECT cell{};
    cell.top = column;
    cell.left = LVIR_BOUNDS;
    if (!SendMessageW(grid, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                      reinterpret_cast<LPARAM>(&cell)))
        return;
    if (column == 0)  // the first column's bounds are the whole row's
        cell.right = cell.left + ListColumnWidth(grid, 0);
    MapWindowPoints(grid, Handle(), reinterpret_cast<POINT*>(&cell), 2);
    HWND edit = GetDlgItem(Handle(), CellEdit);
    SetText(edit, ListCell(grid, row, column));
    SetWindowPos(edit, HWND_TOP, cell.left, cell.top, cell.right - cell.left,
                 cell.bottom - cell.top + 2, SWP_SHOWWINDOW);
    editRow_ = row;
    editColumn_ = column;
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

void TwltUserBox::EndCellEdit() {
    if (editRow_ < 0)
        return;
    HWND edit = GetDlgItem(Handle(), CellEdit);
    SetListCell(GetDlgItem(Handle(), FileList), editRow_, editColumn_, GetText(edit));
    editRow_ = editColumn_ = -1;
    ShowWindow(edit, SW_HIDE);
}

LRESULT TwltUserBox::OnNotify(const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(FileList) ||
        (header.code != static_cast<UINT>(NM_CLICK) && header.code != static_cast<UINT>(NM_DBLCLK)))
        return 0;
    const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    SendMessageW(header.hwndFrom, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem >= 0)
        BeginCellEdit(hit.iItem, hit.iSubItem);
    return 0;
}

LRESULT TwltUserBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case SaveBtn:
                case IDOK:
                    if (editRow_ >= 0 && LOWORD(wParam) == IDOK) {
                        EndCellEdit();  // Enter in a cell ends the cell, not the editor
                        return 0;
                    }
                    result_ = 1;
                    return 0;
                case CancelBtn:
                case IDCANCEL:
                    result_ = 2;
                    return 0;
                case ChangeFolderBtn:
                    if (HIWORD(wParam) == BN_CLICKED)
                        ChangeFolderBtnClick();
                    return 0;
                case CellEdit:
                    if (HIWORD(wParam) == EN_KILLFOCUS)
                        EndCellEdit();
                    return 0;
                default:
                    return 0;
            }
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CLOSE:
            result_ = 2;
            return 0;
        default:
            return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace ui

bool EditUserObject(HWND owner, const ui::EditorText& text, std::string& displayName,
                    std::string& folder, bool& includeSubfolders, bool& promptOnDelete,
                    std::string& fileList) {
    if (HWND open = FindWindowW(ui::TwltUserBox::kClassName, nullptr)) {
        SetForegroundWindow(open);
        return false;
    }
    ui::UserObjectFields fields{displayName, folder, includeSubfolders, promptOnDelete, fileList};
    if (!ui::TwltUserBox::Edit(owner, text, fields))
        return false;
    displayName = fields.displayName;
    folder = fields.folder;
    includeSubfolders = fields.includeSubfolders;
    promptOnDelete = fields.promptOnDelete;
    fileList = fields.fileList;
    return true;
}
