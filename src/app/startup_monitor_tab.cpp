#include "app/startup_monitor_tab.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "lists/startup_monitor.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

constexpr int kStopQuestion = 663;
constexpr int kStopHint = 664;
constexpr int kStopYes = 665;
constexpr int kStopNo = 666;

bool CheckChanged(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) &&
           ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) &&
           (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
}

}  // namespace

void StartupMonitorTab::StartupMonitorPageClick() {
    if (form_.Context().Washing || !list_)
        return;
    model_.Rebuild(FindStartupPrograms());
    ShowItems();
    form_.UpdateStatus(ids::StartupMonitorList);
}

void StartupMonitorTab::ShowItems() {
    settingChecks_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const StartupLine& line : model_.Lines()) {
        ui::InsertListRow(list_, row, line.program.DisplayText());
        ui::SetListRowChecked(list_, row, line.checked);
        ++row;
    }
    settingChecks_ = false;
}

bool StartupMonitorTab::ConfirmRemoval(const StartupProgram& program) {
    const std::string question = form_.Text(kStopQuestion, DesignCaption(kStopQuestion)) + " \"" +
                                 program.DisplayText() + "\"\r\n\r\n" +
                                 form_.Text(kStopHint, DesignCaption(kStopHint));
    const std::vector<std::string> buttons = {form_.Text(kStopYes, DesignCaption(kStopYes)),
                                              form_.Text(kStopNo, DesignCaption(kStopNo))};
    return ui::TMessageDlgBox::Ask(form_.Handle(), form_.Look(), "Tidewell", question, buttons,
                                   ui::TMessageDlgBox::Icon::Question) == 0;
}

void StartupMonitorTab::DeleteStartupMonitorListItemBtnClick() {
    if (form_.Context().Washing || !list_)
        return;
    model_.DeleteChecked([this](const StartupProgram& program) { return ConfirmRemoval(program); },
                         [this](const StartupProgram& program) {
                             return StopStartupProgram(form_.Context(), program);
                         });
    ShowItems();
    form_.UpdateStatus(ids::StartupMonitorList);
}

bool StartupMonitorTab::OnListNotify(const NMHDR& header, LRESULT& result) {
    result = 0;
    if (header.code != LVN_ITEMCHANGING && header.code != LVN_ITEMCHANGED)
        return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (settingChecks_ || !CheckChanged(change))
        return false;
    if (header.code == LVN_ITEMCHANGING) {
        result = form_.Context().Washing ? TRUE : FALSE;  // a run keeps the marks where they are
    } else if (change.iItem >= 0) {
        bool checked = (change.uNewState & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
        model_.SetChecked(static_cast<std::size_t>(change.iItem), checked);
    }
    return true;
}
