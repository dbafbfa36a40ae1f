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

}  // namespace

void StartupMonitorTab::StartupMonitorPageClick() {
    if (form_.Context().Washing || !list_.Handle())
        return;
    model_.Rebuild(FindStartupPrograms());
    ShowItems();
    form_.UpdateStatus(ids::StartupMonitorList);
}

void StartupMonitorTab::ShowItems() {
    std::vector<std::pair<std::string, bool>> lines;
    for (const StartupLine& line : model_.Lines())
        lines.emplace_back(line.program.DisplayText(), line.checked);
    list_.ShowLines(lines);
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
    if (form_.Context().Washing || !list_.Handle())
        return;
    model_.DeleteChecked([this](const StartupProgram& program) { return ConfirmRemoval(program); },
                         [this](const StartupProgram& program) {
                             return StopStartupProgram(form_.Context(), program);
                         });
    ShowItems();
    form_.UpdateStatus(ids::StartupMonitorList);
}

bool StartupMonitorTab::OnListNotify(const NMHDR& header, LRESULT& result) {
    return list_.OnNotify(
        header, result, [this](int) { return form_.Context().Washing; },  // marks stay in a run
        [this](int line, bool checked) {
            model_.SetChecked(static_cast<std::size_t>(line), checked);
        });
}
