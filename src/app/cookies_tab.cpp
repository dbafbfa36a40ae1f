#include "app/cookies_tab.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "lists/cached_cookies.h"
#include "ui/controls.h"

void CookiesTab::CookiesPageClick() {
    if (form_.Context().Washing || !list_.Handle())
        return;
    model_.Rebuild(form_.Context().AcceptedCookieList, CachedCookieNames());
    ShowItems();
    form_.UpdateStatus(ids::CookieList);
}

void CookiesTab::ShowItems() {
    std::vector<std::pair<std::string, bool>> lines;
    for (const CookieLine& line : model_.Lines())
        lines.emplace_back(line.name, line.checked);
    list_.ShowLines(lines);
}

void CookiesTab::ShowChecks() {
    std::vector<bool> checks;
    for (const CookieLine& line : model_.Lines())
        checks.push_back(line.checked);
    list_.ShowChecks(checks);
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
    return list_.OnNotify(
        header, result, [this](int) { return form_.Context().Washing; },  // marks stay in a run
        [this](int line, bool) { CookieListClickCheck(line); });
}
