#include "app/vanish_page.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "catalogue/shell_folders.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/palette.h"
#include "ui/tree_view.h"
#include "vanish/shred_selection.h"
#include "vanish/vanish_listing.h"

namespace {
constexpr int kTop = 38;
constexpr int kTreeWidth = 146;
constexpr int kPaneHeight = 270;
constexpr int kSplitterWidth = 6;
}  // namespace

void VanishPage::CreateControls() {
    HWND page = Handle();
    HFONT normal = form_.GetFonts().normal.Get();
    HFONT bold = form_.GetFonts().bold.Get();
    Heading(ids::VanishPageTitleLbl, 12, 10, 400);

    HWND header = ui::CreateControl(page, WC_HEADERW, ids::VanishDrivesHeader, HDS_HORZ, 0,
                                    ui::Rect(12, kTop, kTreeWidth, 20), "", normal);
    HDITEMW section{};
    section.mask = HDI_WIDTH | HDI_FORMAT;
    section.cxy = kTreeWidth;
    section.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&section));
    ui::CreateControl(
        page, WC_TREEVIEWW, ids::VanishDrivesList,
        TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
        WS_EX_CLIENTEDGE, ui::Rect(12, kTop + 20, kTreeWidth, kPaneHeight - 20), "", normal);
    ui::CreateControl(page, L"STATIC", ids::VanishPanelSplitter, SS_ETCHEDVERT, 0,
                      ui::Rect(12 + kTreeWidth + 2, kTop, 2, kPaneHeight), "", nullptr);

    int filesLeft = 12 + kTreeWidth + kSplitterWidth;
    HWND files = ui::CreateListView(page, ids::VanishFilesList,
                                    ui::Rect(filesLeft, kTop, 460 - filesLeft, kPaneHeight),
                                    LVS_SHAREIMAGELISTS, false, normal);
    SendMessageW(files, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ui::AddListColumn(files, 0, "", 130, LVCFMT_LEFT);
    ui::AddListColumn(files, 1, "", 70, LVCFMT_RIGHT);
    ui::AddListColumn(files, 2, "", 90, LVCFMT_RIGHT);
    ApplyTexts();

    int y = kTop + kPaneHeight + 14;
    Label(ids::VanishBlurModeCaptionLbl, 12, y, 96, 16);
    const DWORD oneLine = SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;
    ui::CreateLabel(page, ids::VanishBlurModeLbl, ui::Rect(110, y, 236, 16), "", bold, oneLine);
    ui::CreateLabel(page, ids::VanishProgressLbl, ui::Rect(12, y + 22, 330, 16), "", normal,
                    oneLine);
    Button(ids::ShredBtn, 356, y, 104, 32);
}

Page::StaticLook VanishPage::LookOf(int id) const {
    switch (id) {
        case ids::VanishPageTitleLbl:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        case ids::VanishBlurModeLbl:
            return StaticLook{ui::palette::kDark, PanelBrush()};
        case ids::VanishProgressLbl:
            return StaticLook{ui::palette::kMutedText, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void VanishPage::OnCommand(int id, int code, HWND) {
    if (id == ids::ShredBtn && code == BN_CLICKED && !form_.Context().Washing)
        ShredBtnClick();
}

LRESULT VanishPage::OnNotify(const NMHDR& header, bool& handled) {
    handled = false;
    if (header.idFrom == static_cast<UINT_PTR>(ids::VanishDrivesList)) {
        if (header.code == static_cast<UINT>(TVN_ITEMEXPANDINGW) ||
            header.code == static_cast<UINT>(TVN_ITEMEXPANDINGA)) {
            const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
            if (change.action & TVE_EXPAND)
                VanishDrivesListExpanding(change.itemNew.hItem);
            handled = true;
            return FALSE;  // expansion is always allowed
        }
        if (header.code == static_cast<UINT>(TVN_SELCHANGEDW) ||
            header.code == static_cast<UINT>(TVN_SELCHANGEDA))
            VanishDrivesListChange(reinterpret_cast<const NMTREEVIEWW&>(header).itemNew.hItem);
        return 0;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ids::VanishFilesList)) {
        if (header.code == static_cast<UINT>(LVN_COLUMNCLICK))
            VanishFilesListColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        else if (header.code == static_cast<UINT>(LVN_ITEMCHANGED))
            form_.UpdateStatus(ids::VanishFilesList);
    }
    return 0;
}

void VanishPage::ApplyTexts() {
    auto text = [this](int id) { return form_.Text(id, DesignCaption(id)); };
    std::wstring folders = platform::Utf8ToWide(text(text_ids::VanishFoldersHeader));
    HDITEMW section{};
    section.mask = HDI_TEXT;
    section.pszText = folders.data();
    SendMessageW(Control(ids::VanishDrivesHeader), HDM_SETITEMW, 0,
                 reinterpret_cast<LPARAM>(&section));
    const int columns[] = {text_ids::VanishNameColumn, text_ids::VanishSizeColumn,
                           text_ids::VanishModifiedColumn};
    for (int i = 0; i < 3; ++i) {
        std::wstring caption = platform::Utf8ToWide(text(columns[i]));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = caption.data();
        SendMessageW(FilesList(), LVM_SETCOLUMNW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&column));
    }
}

HWND VanishPage::DrivesList() const {
    return Control(ids::VanishDrivesList);
}

HWND VanishPage::FilesList() const {
    return Control(ids::VanishFilesList);
}

void VanishPage::SetLevelName(const std::string& name) {
    ui::SetText(Control(ids::VanishBlurModeLbl), name);
}

void VanishPage::SetProgress(const std::string& text) {
    ui::SetText(Control(ids::VanishProgressLbl), text);
}

void VanishPage::UpdateControls() {
    bool anySelected = SendMessageW(FilesList(), LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    ui::Enable(Control(ids::ShredBtn), anySelected);
}

void VanishPage::SetSystemImageList(HIMAGELIST images) {
    SendMessageW(DrivesList(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    SendMessageW(FilesList(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

// ---- The tree of drives and folders ----

LPARAM VanishPage::RememberPath(const std::string& path) {
    nodePaths_.push_back(path);
    return static_cast<LPARAM>(nodePaths_.size());
}

std::string VanishPage::NodePath(HTREEITEM node) const {
    const LPARAM data = node ? ui::TreeNodeData(DrivesList(), node) : 0;
    if (data <= 0 || static_cast<std::size_t>(data) > nodePaths_.size())
        return {};
    return nodePaths_[static_cast<std::size_t>(data) - 1];
}

void VanishPage::FillDrivesTree() {
    HWND tree = DrivesList();
    SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    nodePaths_.clear();
    const std::string windows =
        platform::LowerAscii(ResolveShellFolder(ShellFolderKind::ftWindows32));
    std::vector<HTREEITEM> expand;
    for (const VanishNode& drive : VanishDrives()) {
        HTREEITEM node = ui::InsertTreeNode(tree, TVI_ROOT, drive.text, RememberPath(drive.path),
                                            drive.icon, drive.openIcon);
        if (drive.removable)  // read when expanded: no waiting for a floppy or card
            ui::InsertTreeNode(tree, node, "", 0);
        else
            AddSubfolders(drive.path, node);
        if (windows.rfind(platform::LowerAscii(drive.path), 0) == 0)
            expand.push_back(node);
    }
    for (HTREEITEM node : expand)
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    // The list starts on the Windows drive, so the page never opens on an empty list.
    if (!expand.empty())
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(expand.front()));
    SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree, nullptr, TRUE);
}

void VanishPage::AddSubfolders(const std::string& path, HTREEITEM node) {
    HWND tree = DrivesList();
    for (const VanishNode& folder : VanishSubfolders(path)) {
        HTREEITEM child = ui::InsertTreeNode(tree, node, folder.text, RememberPath(folder.path),
                                             folder.icon, folder.openIcon);
        ui::InsertTreeNode(tree, child, "", 0);  // shows as expandable until read
    }
    SortTreeChildren(node);
}

void VanishPage::SortTreeChildren(HTREEITEM parent) {
    TVSORTCB sort{};
    sort.hParent = parent;
    sort.lpfnCompare = &VanishPage::VanishDrivesListCompare;
    sort.lParam = reinterpret_cast<LPARAM>(this);
    SendMessageW(DrivesList(), TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
}

int CALLBACK VanishPage::VanishDrivesListCompare(LPARAM a, LPARAM b, LPARAM page) {
    const auto& self = *reinterpret_cast<const VanishPage*>(page);
    auto path = [&self](LPARAM data) -> std::string {
        return data > 0 && static_cast<std::size_t>(data) <= self.nodePaths_.size()
                   ? self.nodePaths_[static_cast<std::size_t>(data) - 1]
                   : std::string();
    };
    const std::string pathA = path(a), pathB = path(b);
    const bool topLevel = pathA.size() == 3 && pathB.size() == 3;
    // Below a drive the node text is the folder's own name, the last part of its path.
    return CompareTreeNodes(topLevel, pathA, platform::LastPathComponent(pathA), pathB,
                            platform::LastPathComponent(pathB));
}

void VanishPage::VanishDrivesListExpanding(HTREEITEM node) {
    HWND tree = DrivesList();
    std::vector<HTREEITEM> children = ui::TreeChildren(tree, node);
    if (!children.empty() && ui::TreeNodeData(tree, children.front()) == 0) {
        ui::DeleteTreeChildren(tree, node);
        const std::string path = NodePath(node);
        if (!path.empty())
            AddSubfolders(path, node);
    }
    form_.UpdateStatus(ids::VanishDrivesList);
}

void VanishPage::VanishDrivesListChange(HTREEITEM node) {
    const std::string path = NodePath(node);
    if (!path.empty()) {
        vanishFolder_ = path;
        FillFilesList();
    }
    form_.UpdateStatus(ids::VanishDrivesList);
}

bool VanishPage::RevealFolder(const std::string& folder) {
    HWND tree = DrivesList();
    const std::string wanted = platform::LowerAscii(platform::WithTrailingBackslash(folder));
    HTREEITEM node = TVI_ROOT;
    for (;;) {
        HTREEITEM next = nullptr;
        for (HTREEITEM child : ui::TreeChildren(tree, node)) {
            const std::string path = platform::LowerAscii(NodePath(child));
            if (!path.empty() && wanted.rfind(path, 0) == 0) {
                next = child;
                break;
            }
        }
        if (!next)
            return false;
        node = next;
        if (platform::LowerAscii(NodePath(node)) == wanted)
            break;
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    }
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    SendMessageW(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(node));
    return true;
}

// ---- The file list ----

void VanishPage::FillFilesList() {
    HWND list = FilesList();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    rows_ = VanishRowsOf(vanishFolder_, form_.Context().Opts.LngID);
    for (std::size_t row = 0; row < rows_.size(); ++row)
        AddFileRow(row);
    if (sort_.chosen)
        SortFilesList();
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void VanishPage::AddFileRow(std::size_t row) {
    const VanishRow& entry = rows_[row];
    std::wstring caption = platform::Utf8ToWide(entry.caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM | (entry.icon >= 0 ? LVIF_IMAGE : 0);
    item.iItem = static_cast<int>(row);
    item.pszText = caption.data();
    item.iImage = entry.icon;
    item.lParam = static_cast<LPARAM>(row);
    HWND list = FilesList();
    int index =
        static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (index < 0)
        return;
    ui::SetListCell(list, index, 1, entry.sizeText);
    ui::SetListCell(list, index, 2, entry.modifiedText);
}

const VanishRow* VanishPage::RowAt(int index) const {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = index;
    if (!SendMessageW(FilesList(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) ||
        item.lParam < 0 || static_cast<std::size_t>(item.lParam) >= rows_.size())
        return nullptr;
    return &rows_[static_cast<std::size_t>(item.lParam)];
}

void VanishPage::VanishFilesListColumnClick(int column) {
    sort_.ColumnClick(column);
    SortFilesList();
    form_.UpdateStatus(ids::VanishFilesList);
}

void VanishPage::SortFilesList() {
    SendMessageW(FilesList(), LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                 reinterpret_cast<LPARAM>(&VanishPage::VanishFilesListCompare));
}

int CALLBACK VanishPage::VanishFilesListCompare(LPARAM a, LPARAM b, LPARAM page) {
    const auto& self = *reinterpret_cast<const VanishPage*>(page);
    const auto count = static_cast<LPARAM>(self.rows_.size());
    if (a < 0 || b < 0 || a >= count || b >= count)
        return 0;
    return CompareVanishRows(self.rows_[static_cast<std::size_t>(a)],
                             self.rows_[static_cast<std::size_t>(b)], self.sort_);
}

// The real names of the selected rows, in list order (never the captions the shell shows).
std::vector<std::string> VanishPage::SelectedNames() const {
    std::vector<std::string> names;
    HWND list = FilesList();
    for (int index = -1;;) {
        index = static_cast<int>(
            SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(index), LVNI_SELECTED));
        if (index < 0)
            break;
        if (const VanishRow* row = RowAt(index))
            names.push_back(row->name);
    }
    return names;
}

void VanishPage::ShredBtnClick() {
    const std::vector<std::string> names = SelectedNames();
    ShredSelection(form_.Context(), vanishFolder_, names, [this] {
        HWND tree = DrivesList();
        if (HTREEITEM node = ui::SelectedTreeNode(tree)) {
            ui::DeleteTreeChildren(tree, node);
            ui::InsertTreeNode(tree, node, "", 0);
            VanishDrivesListExpanding(node);
        }
        FillFilesList();
    });
}
