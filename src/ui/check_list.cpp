#include "ui/check_list.h"

#include "ui/controls.h"

namespace ui {

bool CheckMarkChanged(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) &&
           ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) &&
           (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
}

void CheckList::ShowLines(const std::vector<std::pair<std::string, bool>>& lines) {
    settingChecks_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const auto& [text, checked] : lines) {
        InsertListRow(list_, row, text);
        SetListRowChecked(list_, row, checked);
        ++row;
    }
    settingChecks_ = false;
}

void CheckList::ShowChecks(const std::vector<bool>& checks) {
    settingChecks_ = true;
    int row = 0;
    for (bool checked : checks)
        SetListRowChecked(list_, row++, checked);
    settingChecks_ = false;
}

bool CheckList::OnNotify(const NMHDR& header, LRESULT& result,
                         const std::function<bool(int)>& locked,
                         const std::function<void(int, bool)>& clicked) const {
    result = 0;
    if (header.code != LVN_ITEMCHANGING && header.code != LVN_ITEMCHANGED)
        return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (settingChecks_ || !CheckMarkChanged(change))
        return false;
    if (header.code == LVN_ITEMCHANGING)
        result = locked(change.iItem) ? TRUE : FALSE;
    else if (change.iItem >= 0)
        clicked(change.iItem, (change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2));
    return true;
}

}  // namespace ui
