#include "app/cookies_tab.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "lists/cached_cookies.h"
#include "ui/controls.h"

namespace {

bool CheckClicked(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) &&
           ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) &&
           (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
}

}  // namespace

void CookiesTab::CookiesPageClick() {
    if (form_.Context().Washing || !list_)
        return;
    model_.Rebuild(form_.Context().AcceptedCookieList, CachedCookieNames());
    ShowItems();
    form_.UpdateStatus(ids::CookieList);
}

void CookiesTab::ShowItems() {
    settingChecks_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const CookieLine& line : model_.Lines()) {
        ui::InsertListRow(list_, row, line.name);
        ui::SetListRowChecked(list_, row, line.checked);
        ++row;
    }
    settingChecks_ = false;
}

void CookiesTab::ShowChecks() {
    settingChecks_ = true;
    int row = 0;
    for (const CookieLine& line : model_.Lines())
        ui::SetListRowChecked(list_, row++, line.checked);
    settingChecks_ = false;
}

void CookiesTab::CookieListClickCheck(int index) {
    if (form_.Context().Washing || index < 0)
        return;
    model_.ClickCheck(static_cast<std::size_t>(index), form_.Context().AcceptedCookieList);
    ShowChecks();
}

void CookiesTab::SelectAllCookieListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.SelectAll(form_.Context().AcceptedCookieList);
    ShowChecks();
}

void CookiesTab::DeselectAllCookieListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.DeselectAll(form_.Context().AcceptedCookieList);
    ShowChecks();
}

bool CookiesTab::OnListNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code != LVN_ITEMCHANGING && header.code != LVN_ITEMCHANGED)
        return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (settingChecks_ || !CheckClicked(change))
        return false;
    if (header.code == LVN_ITEMCHANGING)
        result = form_.Context().Washing ? TRUE : FALSE;  // a run keeps the marks where they are
    else
        CookieListClickCheck(change.iItem);
    return true;
}
