#include "app/vanish_page.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "platform/text.h"
#include "ui/controls.h"
#include "ui/palette.h"

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
    if (header.idFrom == static_cast<UINT_PTR>(ids::VanishFilesList) &&
        header.code == static_cast<UINT>(LVN_ITEMCHANGED))
        form_.UpdateStatus(ids::VanishFilesList);
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
