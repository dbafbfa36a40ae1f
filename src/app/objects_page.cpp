#include "app/objects_page.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "platform/text.h"
#include "ui/check_list.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {

constexpr int kTabsTop = 8;
constexpr int kTabsHeight = 26;
constexpr int kLeft = 12;
constexpr int kListWidth = 336;
constexpr int kButtonLeft = 356;
constexpr int kButtonWidth = 104;
constexpr int kButtonHeight = 26;
constexpr int kBottom = 366;
constexpr COLORREF kInactiveTab = RGB(214, 236, 210);

}  // namespace

HWND ObjectsPage::Add(int tab, HWND control) {
    tabControls_[static_cast<std::size_t>(tab)].push_back(control);
    return control;
}

void ObjectsPage::CreateControls() {
    tabBrush_.Reset(CreateSolidBrush(kInactiveTab));
    HWND tabs = ui::CreateControl(Handle(), WC_TABCONTROLW, ids::ObjectsPages,
                                  WS_TABSTOP | WS_CLIPSIBLINGS | TCS_OWNERDRAWFIXED, 0,
                                  ui::Rect(8, kTabsTop, 456, kTabsHeight), "",
                                  form_.GetFonts().normal.Get());
    SendMessageW(tabs, TCM_SETPADDING, 0, MAKELPARAM(6, 4));
    ui::SetTabItems(tabs, DesignItems(ids::ObjectsPages, kTabCount));
    CreateWashObjectsTab();
    ShowTab(ObjectsTab::WashObjects);
}

// A list tab's controls are made when the tab is first shown, in the language of the moment.
void ObjectsPage::BuildListTab(ObjectsTab tab) {
    const auto index = static_cast<std::size_t>(tab);
    if (tab == ObjectsTab::WashObjects || !tabControls_[index].empty())
        return;
    switch (tab) {
        case ObjectsTab::IECookies:
            CreateListTab(1, ids::CookieListLbl, 0, ids::CookieList,
                          {ids::SelectAllCookieListItemsBtn, ids::DeselectAllCookieListItemsBtn});
            cookies_.SetList(Control(ids::CookieList));
            break;
        case ObjectsTab::ActiveX:
            CreateListTab(2, ids::ActiveXListLbl, ids::ActiveXWarningLbl, ids::ActiveXList,
                          {ids::SelectAllActiveXListItemsBtn, ids::DeselectAllActiveXListItemsBtn});
            activeX_.SetList(Control(ids::ActiveXList));
            break;
        case ObjectsTab::MailBoxes:
            CreateListTab(
                3, ids::MailBoxesListLbl, ids::MailBoxesWarningLbl, ids::MailBoxesList,
                {ids::SelectAllMailBoxesListItemsBtn, ids::DeselectAllMailBoxesListItemsBtn});
            mailBoxes_.SetList(Control(ids::MailBoxesList));
            break;
        default:
            CreateListTab(4, ids::StartupMonitorListLbl, ids::StartupMonitorWarningLbl,
                          ids::StartupMonitorList, {ids::DeleteStartupMonitorListItemBtn});
            startupMonitor_.SetList(Control(ids::StartupMonitorList));
            break;
    }
    form_.ApplyLanguageTo(tabControls_[index]);
}

void ObjectsPage::BuildListTabs() {
    for (int t = 1; t < kTabCount; ++t)
        BuildListTab(static_cast<ObjectsTab>(t));
    ShowTab(ActiveTab());  // the new controls of the other tabs out of sight
}

void ObjectsPage::CreateWashObjectsTab() {
    int top = kTabsTop + kTabsHeight + 10;
    Add(0, Label(ids::WashingListLbl, kLeft, top, kListWidth, 16));
    HWND list = ui::CreateListView(
        Handle(), ids::WashingList, ui::Rect(kLeft, top + 18, kListWidth, kBottom - top - 18),
        LVS_NOCOLUMNHEADER | LVS_SINGLESEL, true, form_.GetFonts().normal.Get());
    ui::AddListColumn(list, 0, "", kListWidth - 24, LVCFMT_LEFT);
    Add(0, list);
    const int buttons[] = {ids::AddWashingListItemBtn,        ids::EditWashingListItemBtn,
                           ids::DeleteWashingListItemBtn,     ids::DefaultObjectsBtn,
                           ids::SelectAllWashingListItemsBtn, ids::DeselectAllWashingListItemsBtn};
    int y = top + 18;
    for (int id : buttons) {
        Add(0, Button(id, kButtonLeft, y, kButtonWidth, kButtonHeight).Handle());
        y += kButtonHeight + 6 + (id == ids::DeleteWashingListItemBtn ? 10 : 0);
    }
    Add(0, Button(ids::RunTestBtn, kButtonLeft, kBottom - 32, kButtonWidth, 32).Handle());
}

void ObjectsPage::CreateListTab(int tab, int headerId, int warningId, int listId,
                                std::vector<int> buttonIds) {
    int top = kTabsTop + kTabsHeight + 10;
    Add(tab, Label(headerId, kLeft, top, 448, 16));
    top += 18;
    if (warningId) {
        Add(tab, Label(warningId, kLeft, top, 448, 28));
        top += 32;
    }
    HWND list =
        ui::CreateListView(Handle(), listId, ui::Rect(kLeft, top, kListWidth, kBottom - top),
                           LVS_NOCOLUMNHEADER | LVS_SINGLESEL, true, form_.GetFonts().normal.Get());
    ui::AddListColumn(list, 0, "", kListWidth - 24, LVCFMT_LEFT);
    Add(tab, list);
    int y = top;
    for (int id : buttonIds) {
        Add(tab, Button(id, kButtonLeft, y, kButtonWidth, kButtonHeight).Handle());
        y += kButtonHeight + 6;
    }
}

Page::StaticLook ObjectsPage::LookOf(int id) const {
    switch (id) {
        case ids::ActiveXWarningLbl:
        case ids::MailBoxesWarningLbl:
        case ids::StartupMonitorWarningLbl:
            return StaticLook{ui::palette::kWarning, PanelBrush()};
        case ids::WashingListLbl:
        case ids::CookieListLbl:
        case ids::ActiveXListLbl:
        case ids::MailBoxesListLbl:
        case ids::StartupMonitorListLbl:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void ObjectsPage::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED)
        return;
    switch (id) {
        case ids::AddWashingListItemBtn:
            form_.AddWashingListItemBtnClick();
            break;
        case ids::EditWashingListItemBtn:
            form_.EditWashingListItemBtnClick();
            break;
        case ids::DeleteWashingListItemBtn:
            form_.DeleteWashingListItemBtnClick();
            break;
        case ids::DefaultObjectsBtn:
            form_.DefaultObjectsBtnClick();
            break;
        case ids::SelectAllWashingListItemsBtn:
            form_.SelectAllWashingListItemsBtnClick();
            break;
        case ids::DeselectAllWashingListItemsBtn:
            form_.DeselectAllWashingListItemsBtnClick();
            break;
        case ids::RunTestBtn:
            form_.RunTestBtnClick();
            break;
        case ids::SelectAllCookieListItemsBtn:
            cookies_.SelectAllCookieListItemsBtnClick();
            break;
        case ids::DeselectAllCookieListItemsBtn:
            cookies_.DeselectAllCookieListItemsBtnClick();
            break;
        case ids::DeleteStartupMonitorListItemBtn:
            startupMonitor_.DeleteStartupMonitorListItemBtnClick();
            break;
        case ids::SelectAllActiveXListItemsBtn:
            activeX_.SelectAllActiveXListItemsBtnClick();
            break;
        case ids::DeselectAllActiveXListItemsBtn:
            activeX_.DeselectAllActiveXListItemsBtnClick();
            break;
        case ids::SelectAllMailBoxesListItemsBtn:
            mailBoxes_.SelectAllMailBoxesListItemsBtnClick();
            break;
        case ids::DeselectAllMailBoxesListItemsBtn:
            mailBoxes_.DeselectAllMailBoxesListItemsBtnClick();
            break;
        default:
            break;  // the other tabs' buttons arrive with their lists
    }
}

LRESULT ObjectsPage::OnNotify(const NMHDR& header, bool& handled) {
    handled = false;
    if (header.idFrom == static_cast<UINT_PTR>(ids::ObjectsPages) &&
        header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        ObjectsTab tab = ActiveTab();
        ShowTab(tab);
        form_.ObjectsPagesChange(tab);
        handled = true;
        return 0;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ids::WashingList))
        return OnWashingListNotify(header, handled);
    if (header.idFrom == static_cast<UINT_PTR>(ids::ActiveXList)) {
        LRESULT result = 0;
        handled = activeX_.OnListNotify(header, result);
        return result;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ids::MailBoxesList)) {
        LRESULT result = 0;
        handled = mailBoxes_.OnListNotify(header, result);
        return result;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ids::CookieList)) {
        LRESULT result = 0;
        handled = cookies_.OnListNotify(header, result);
        return result;
    }
    if (header.idFrom == static_cast<UINT_PTR>(ids::StartupMonitorList)) {
        LRESULT result = 0;
        handled = startupMonitor_.OnListNotify(header, result);
        return result;
    }
    return 0;
}

LRESULT ObjectsPage::OnWashingListNotify(const NMHDR& header, bool& handled) {
    switch (header.code) {
        case LVN_ITEMCHANGING: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (settingChecks_ || !ui::CheckMarkChanged(change))
                return FALSE;
            handled = true;
            // A run or object detection keeps the check mark where it is.
            return form_.Context().Washing || !RowEnabled(change.iItem) ? TRUE : FALSE;
        }
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if (!settingChecks_ && ui::CheckMarkChanged(change)) {
                bool checked = (change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
                form_.WashingListClickCheck(change.iItem, checked);
            } else if ((change.uChanged & LVIF_STATE) &&
                       ((change.uNewState ^ change.uOldState) & LVIS_SELECTED)) {
                form_.UpdateStatus(ids::WashingList);
            }
            handled = true;
            return 0;
        }
        case NM_CUSTOMDRAW:
            handled = true;
            return OnWashingListCustomDraw(
                const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
        default:
            return 0;
    }
}

LRESULT ObjectsPage::OnWashingListCustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (!RowEnabled(static_cast<int>(draw.nmcd.dwItemSpec)))
                draw.clrText = ui::palette::kDisabledText;
            return CDRF_DODEFAULT;
        default:
            return CDRF_DODEFAULT;
    }
}

bool ObjectsPage::RowEnabled(int row) const {
    const auto& items = form_.Objects().Items;
    return row < 0 || static_cast<std::size_t>(row) >= items.size() ||
           items[static_cast<std::size_t>(row)]->Enabled;
}

void ObjectsPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_TAB)
        ObjectsPagesDrawTab(item);
}

void ObjectsPage::ObjectsPagesDrawTab(const DRAWITEMSTRUCT& item) {
    // The tab in the tab control's colour, the caption in black, centred; 2 pixels lower on
    // the tabs that are not active.
    bool active = (item.itemState & ODS_SELECTED) != 0;
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, active ? PanelBrush() : tabBrush_.Get());
    const std::wstring caption =
        platform::Utf8ToWide(ui::TabItemText(item.hwndItem, static_cast<int>(item.itemID)));
    if (!active)
        OffsetRect(&rect, 0, 2);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, RGB(0, 0, 0));
    ui::SelectedObject font(item.hDC, form_.GetFonts().normal.Get());
    DrawTextW(item.hDC, caption.c_str(), -1, &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void ObjectsPage::AppendRow(const std::string& caption, bool checked) {
    HWND list = WashingList();
    settingChecks_ = true;
    int row = ui::InsertListRow(list, ui::ListCount(list), caption);
    ui::SetListRowChecked(list, row, checked);
    settingChecks_ = false;
}

void ObjectsPage::RemoveRow(std::size_t row) {
    settingChecks_ = true;
    SendMessageW(WashingList(), LVM_DELETEITEM, row, 0);
    settingChecks_ = false;
}

void ObjectsPage::SetRowChecked(std::size_t row, bool checked) {
    settingChecks_ = true;
    ui::SetListRowChecked(WashingList(), static_cast<int>(row), checked);
    settingChecks_ = false;
}

bool ObjectsPage::RowChecked(std::size_t row) const {
    return ui::ListRowChecked(WashingList(), static_cast<int>(row));
}

int ObjectsPage::RowCount() const {
    return ui::ListCount(WashingList());
}

int ObjectsPage::SelectedRow() const {
    return ui::ListSelectedRow(WashingList());
}

void ObjectsPage::Repaint() {
    InvalidateRect(WashingList(), nullptr, TRUE);
}

void ObjectsPage::ShowTab(ObjectsTab tab) {
    const int position = TabIndex(tab);
    if (position < 0)
        return;
    BuildListTab(tab);
    auto index = static_cast<std::size_t>(tab);
    HWND tabs = Control(ids::ObjectsPages);
    if (ui::TabSelection(tabs) != position)
        ui::SetTabSelection(tabs, position);
    for (std::size_t t = 0; t < tabControls_.size(); ++t)
        if (t != index)
            for (HWND control : tabControls_[t])
                ShowWindow(control, SW_HIDE);
    for (HWND control : tabControls_[index])
        ShowWindow(control, SW_SHOW);
}

ObjectsTab ObjectsPage::ActiveTab() const {
    const int selection = ui::TabSelection(Control(ids::ObjectsPages));
    for (int t = 1; t < kTabCount; ++t)
        if (selection >= 0 && TabIndex(static_cast<ObjectsTab>(t)) == selection)
            return static_cast<ObjectsTab>(t);
    return ObjectsTab::WashObjects;
}

int ObjectsPage::TabIndex(ObjectsTab tab) const {
    const auto wanted = static_cast<std::size_t>(tab);
    if (wanted >= tabShown_.size() || !tabShown_[wanted])
        return -1;
    int position = 0;
    for (std::size_t t = 0; t < wanted; ++t)
        position += tabShown_[t] ? 1 : 0;
    return position;
}

void ObjectsPage::ShowTabs(const std::array<bool, kTabCount>& shown) {
    HWND tabs = Control(ids::ObjectsPages);
    const ObjectsTab active = ActiveTab();
    // The captions shown now are read back: a language may have set them since.
    for (std::size_t t = 0, position = 0; t < tabShown_.size(); ++t)
        if (tabShown_[t])
            tabCaptions_[t] = ui::TabItemText(tabs, static_cast<int>(position++));
    tabShown_ = shown;
    tabShown_[0] = true;
    std::vector<std::string> items;
    for (std::size_t t = 0; t < tabShown_.size(); ++t)
        if (tabShown_[t])
            items.push_back(tabCaptions_[t]);
    ui::SetTabItems(tabs, items);
    ShowTab(TabIndex(active) >= 0 ? active : ObjectsTab::WashObjects);
}

void ObjectsPage::UpdateControls(bool userObjectSelected) {
    ui::Enable(Control(ids::AddWashingListItemBtn), true);
    ui::Enable(Control(ids::DeleteWashingListItemBtn), userObjectSelected);
    ui::Enable(Control(ids::EditWashingListItemBtn), userObjectSelected);
    // Each list and its Select All / Deselect All buttons only when the list has entries.
    struct ListButtons {
        int list, selectAll, deselectAll;
    };
    const ListButtons lists[] = {
        {ids::CookieList, ids::SelectAllCookieListItemsBtn, ids::DeselectAllCookieListItemsBtn},
        {ids::ActiveXList, ids::SelectAllActiveXListItemsBtn, ids::DeselectAllActiveXListItemsBtn},
        {ids::MailBoxesList, ids::SelectAllMailBoxesListItemsBtn,
         ids::DeselectAllMailBoxesListItemsBtn},
    };
    for (const ListButtons& l : lists) {
        bool any = ui::ListCount(Control(l.list)) > 0;
        ui::Enable(Control(l.list), any);
        ui::Enable(Control(l.selectAll), any);
        ui::Enable(Control(l.deselectAll), any);
    }
}
