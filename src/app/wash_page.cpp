#include "app/wash_page.h"

#include <algorithm>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {

constexpr int kListLeft = 12;
constexpr int kListTop = 58;
constexpr int kListWidth = 448;
constexpr int kCaptionWidth = 132;
constexpr int kListHeight = 228;
constexpr int kHeaderTop = 38;
constexpr int kHeaderHeight = 20;

}  // namespace

void WashPage::CreateControls() {
    headerBrush_.Reset(CreateSolidBrush(ui::palette::kHeader));
    HWND page = Handle();
    HFONT normal = form_.GetFonts().normal.Get();
    HFONT bold = form_.GetFonts().bold.Get();
    Heading(ids::WashPageTitleLbl, 12, 10, 300);

    // Header labels on their background shapes, laid over the columns by LayHeaderLabels.
    for (int id : {ids::WashListH1Bg, ids::WashListH2Bg, ids::WashListH3Bg})
        ui::CreateLabel(page, id, ui::Rect(kListLeft, kHeaderTop, 10, kHeaderHeight), "", nullptr);
    ui::CreateLabel(page, ids::WashListH1, ui::Rect(kListLeft, kHeaderTop + 3, 10, 15),
                    DesignCaption(ids::WashListH1), bold);
    ui::CreateLabel(page, ids::WashListH2, ui::Rect(kListLeft, kHeaderTop + 3, 10, 15),
                    DesignCaption(ids::WashListH2), bold, SS_CENTER);
    ui::CreateLabel(page, ids::WashListH3, ui::Rect(kListLeft, kHeaderTop + 3, 10, 15),
                    DesignCaption(ids::WashListH3), bold);

    washList_ = ui::CreateListView(
        page, ids::WashList, ui::Rect(kListLeft, kListTop, kListWidth, kListHeight),
        LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS, false, normal);
    ui::AddListColumn(washList_, 0, DesignCaption(ids::WashListH1), kFirstColumnWidth, LVCFMT_LEFT);
    ui::AddListColumn(washList_, 1, DesignCaption(ids::WashListH2), kOtherColumnWidth,
                      LVCFMT_CENTER);
    ui::AddListColumn(washList_, 2, DesignCaption(ids::WashListH3), kOtherColumnWidth, LVCFMT_LEFT);

    const DWORD oneLine = SS_LEFTNOWORDWRAP | SS_ENDELLIPSIS;
    int y = kListTop + kListHeight + 12;
    // Captions wide enough for the longest translation ("Bereinigungsstufe:").
    const int valueLeft = kListLeft + kCaptionWidth + 4;
    Label(ids::WashBlurModeCaptionLbl, kListLeft, y, kCaptionWidth, 16);
    ui::CreateLabel(page, ids::WashBlurModeLbl,
                    ui::Rect(valueLeft, y, kListLeft + kListWidth - valueLeft, 16), "", bold,
                    oneLine);
    Label(ids::LastWashTimeCaptionLbl, kListLeft, y + 20, kCaptionWidth, 16);
    ui::CreateLabel(page, ids::LastWashTimeLbl, ui::Rect(valueLeft, y + 20, 200, 16),
                    DesignCaption(text_ids::NotAvailable), bold, oneLine);
    ui::CreateLabel(page, ids::WashProgressLbl, ui::Rect(kListLeft, y + 48, 300, 16), "", normal,
                    oneLine);

    goButton_ = &Button(ids::ScrubAndGoBtn, kListLeft + kListWidth - 120, y + 24, 120, 42);
    goButton_->SetCaptionLook(ui::palette::kButtonText, form_.GetFonts().heading.Get());
    goButton_->SetSliceMargin(8);
    LayHeaderLabels();
}

void WashPage::OnCommand(int id, int code, HWND) {
    if (id == ids::ScrubAndGoBtn && code == BN_CLICKED)
        form_.ScrubAndGoBtnClick();
}

Page::StaticLook WashPage::LookOf(int id) const {
    switch (id) {
        case ids::WashListH1:
        case ids::WashListH2:
        case ids::WashListH3:
        case ids::WashListH1Bg:
        case ids::WashListH2Bg:
        case ids::WashListH3Bg:
            return StaticLook{ui::palette::kWhite, headerBrush_.Get()};
        case ids::WashPageTitleLbl:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        case ids::WashProgressLbl:
            return StaticLook{ui::palette::kMutedText, PanelBrush()};
        case ids::WashBlurModeLbl:
        case ids::LastWashTimeLbl:
            return StaticLook{ui::palette::kDark, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void WashPage::ShowRows(const std::vector<StatusRow>& rows, HIMAGELIST icons) {
    SendMessageW(washList_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(washList_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
    SendMessageW(washList_, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const StatusRow& row : rows) {
        int at = ui::InsertListRow(washList_, index++, row.caption, row.icon);
        ui::SetListCell(washList_, at, 1, row.entriesSize);
        ui::SetListCell(washList_, at, 2, row.status);
    }
    SendMessageW(washList_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(washList_, nullptr, TRUE);
}

void WashPage::SetRowText(int row, int column, const std::string& text) {
    if (row >= 0 && row < ui::ListCount(washList_))
        ui::SetListCell(washList_, row, column, text);
}

void WashPage::RevealRow(int row) {
    if (row < 0 || row >= ui::ListCount(washList_))
        return;
    SendMessageW(washList_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(washList_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

int WashPage::ClientWidth() const {
    RECT client;
    GetClientRect(washList_, &client);
    return client.right;
}

int WashPage::ColumnWidth(int column) const {
    return column == 0 ? firstColumnWidth_ : kOtherColumnWidth;
}

void WashPage::SetFirstColumnWidth(int width) {
    firstColumnWidth_ = std::max(width, kColumnMinimum);
    ui::SetListColumnWidth(washList_, 0, firstColumnWidth_);
    LayHeaderLabels();
}

void WashPage::LayHeaderLabels() {
    // H1 at the list's left edge, H2 right of it, H3 two pixels further right; each background
    // shape takes the left and width of its label.
    RECT list;
    GetWindowRect(washList_, &list);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&list), 2);
    int widths[3] = {ColumnWidth(0), ColumnWidth(1), ColumnWidth(2)};
    int lefts[3] = {list.left, list.left + widths[0], list.left + widths[0] + widths[1] + 2};
    const int labels[3] = {ids::WashListH1, ids::WashListH2, ids::WashListH3};
    const int shapes[3] = {ids::WashListH1Bg, ids::WashListH2Bg, ids::WashListH3Bg};
    for (int i = 0; i < 3; ++i) {
        int width =
            i == 2 ? std::min(widths[i], static_cast<int>(list.right) - lefts[i]) : widths[i];
        MoveWindow(Control(shapes[i]), lefts[i], kHeaderTop, width, kHeaderHeight, TRUE);
        MoveWindow(Control(labels[i]), lefts[i], kHeaderTop + 3, width, 15, TRUE);
    }
}

void WashPage::SetLevelName(const std::string& name) {
    ui::SetText(Control(ids::WashBlurModeLbl), name);
}

void WashPage::SetLastWash(const std::string& text) {
    HWND label = Control(ids::LastWashTimeLbl);
    if (ui::GetText(label) != text)
        ui::SetText(label, text);
}

void WashPage::SetProgress(const std::string& text) {
    ui::SetText(Control(ids::WashProgressLbl), text);
}
