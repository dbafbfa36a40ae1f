#include "app/activex_tab.h"

#include "app/control_ids.h"
#include "app/main_form.h"
#include "lists/activex_components.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {

bool CheckClicked(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) &&
           ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) &&
           (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
}

}  // namespace

void ActiveXTab::ActiveXPageClick() {
    if (form_.Context().Washing || !list_)
        return;
    model_.Rebuild(ReadDistributionUnits(), CacheFolderEntries(ActiveXCacheFolders()),
                   form_.Context().AcceptedActiveXList);
    ShowItems();
    form_.UpdateStatus(ids::ActiveXList);
}

void ActiveXTab::ShowItems() {
    settingChecks_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const ActiveXItem& item : model_.Items()) {
        ui::InsertListRow(list_, row, item.name);  // the name alone, never the path
        ui::SetListRowChecked(list_, row, item.checked);
        ++row;
    }
    settingChecks_ = false;
}

void ActiveXTab::ShowChecks() {
    settingChecks_ = true;
    int row = 0;
    for (const ActiveXItem& item : model_.Items())
        ui::SetListRowChecked(list_, row++, item.checked);
    settingChecks_ = false;
}

bool ActiveXTab::Disabled(int index) const {
    const auto& items = model_.Items();
    return index >= 0 && static_cast<std::size_t>(index) < items.size() &&
           items[static_cast<std::size_t>(index)].disabled;
}

void ActiveXTab::ActiveXListClickCheck(int index) {
    if (form_.Context().Washing || index < 0)
        return;
    model_.ClickCheck(static_cast<std::size_t>(index), form_.Context().AcceptedActiveXList);
    ShowChecks();
}

void ActiveXTab::SelectAllActiveXListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.SelectAll(form_.Context().AcceptedActiveXList);
    ShowChecks();
}

void ActiveXTab::DeselectAllActiveXListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.DeselectAll(form_.Context().AcceptedActiveXList);
    ShowChecks();
}

// A disabled line in grey; the list draws the rest.
LRESULT ActiveXTab::ActiveXListDrawItem(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
        Disabled(static_cast<int>(draw.nmcd.dwItemSpec)))
        draw.clrText = ui::palette::kDisabledText;
    return CDRF_DODEFAULT;
}

bool ActiveXTab::OnListNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code == LVN_ITEMCHANGING) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (settingChecks_ || !CheckClicked(change))
            return false;
        // A run, or a properly installed component, keeps the mark where it is.
        result = form_.Context().Washing || Disabled(change.iItem) ? TRUE : FALSE;
        return true;
    }
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (settingChecks_ || !CheckClicked(change))
            return false;
        ActiveXListClickCheck(change.iItem);
        return true;
    }
    if (header.code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        result = ActiveXListDrawItem(
            const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
        return true;
    }
    return false;
}
