#include "app/activex_tab.h"

#include "app/control_ids.h"
#include "app/main_form.h"
#include "lists/activex_components.h"
#include "ui/controls.h"
#include "ui/palette.h"

void ActiveXTab::ActiveXPageClick() {
    if (form_.Context().Washing || !list_.Handle())
        return;
    model_.Rebuild(ReadDistributionUnits(), CacheFolderEntries(ActiveXCacheFolders()),
                   form_.Context().AcceptedActiveXList);
    ShowItems();
    form_.UpdateStatus(ids::ActiveXList);
}

void ActiveXTab::ShowItems() {
    std::vector<std::pair<std::string, bool>> lines;
    for (const ActiveXItem& item : model_.Items())
        lines.emplace_back(item.name, item.checked);  // the name alone, never the path
    list_.ShowLines(lines);
}

void ActiveXTab::ShowChecks() {
    std::vector<bool> checks;
    for (const ActiveXItem& item : model_.Items())
        checks.push_back(item.checked);
    list_.ShowChecks(checks);
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
    if (header.code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        result = ActiveXListDrawItem(
            const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
        return true;
    }
    // A run, or a properly installed component, keeps the mark where it is.
    return list_.OnNotify(
        header, result, [this](int line) { return form_.Context().Washing || Disabled(line); },
        [this](int line, bool) { ActiveXListClickCheck(line); });
}
