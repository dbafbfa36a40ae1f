#include "app/mail_boxes_tab.h"

#include <commctrl.h>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "lists/mail_box_rules.h"
#include "lists/mail_boxes.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

constexpr int kMailWarning = 652;
constexpr int kSelectOneQuestion = 653;
constexpr int kSelectAllQuestion = 654;

}  // namespace

void MailBoxesTab::MailBoxesPageClick() {
    if (form_.Context().Washing || !list_.Handle())
        return;
    model_.Rebuild(form_.Context().SelectedMailBoxes, FindMailBoxLines(MailStoreFolders()));
    ShowItems();
}

void MailBoxesTab::ShowItems() {
    std::vector<std::pair<std::string, bool>> lines;
    for (const MailBoxItem& item : model_.Items())
        lines.emplace_back(MailBoxName(item.line), item.ticked);
    list_.ShowLines(lines);
}

void MailBoxesTab::ShowChecks() {
    std::vector<bool> checks;
    for (const MailBoxItem& item : model_.Items())
        checks.push_back(item.ticked);
    list_.ShowChecks(checks);
}

bool MailBoxesTab::ConfirmChoice(bool all) {
    const std::string question =
        form_.Text(kMailWarning, DesignCaption(kMailWarning)) + "\r\n\r\n" +
        form_.Text(all ? kSelectAllQuestion : kSelectOneQuestion,
                   DesignCaption(all ? kSelectAllQuestion : kSelectOneQuestion));
    const std::vector<std::string> buttons = {
        form_.Text(text_ids::ConfirmYes, DesignCaption(text_ids::ConfirmYes)),
        form_.Text(text_ids::ConfirmNo, DesignCaption(text_ids::ConfirmNo))};
    return ui::TMessageDlgBox::Ask(form_.Handle(), form_.Look(), "Tidewell", question, buttons,
                                   ui::TMessageDlgBox::Icon::Warning) == 0;
}

void MailBoxesTab::MailBoxesListClickCheck(int index) {
    if (form_.Context().Washing || index < 0)
        return;
    model_.ClickCheck(static_cast<std::size_t>(index), form_.Context().SelectedMailBoxes,
                      [this](bool all) { return ConfirmChoice(all); });
    ShowChecks();
}

void MailBoxesTab::SelectAllMailBoxesListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.SelectAll(form_.Context().SelectedMailBoxes,
                     [this](bool all) { return ConfirmChoice(all); });
    ShowChecks();
}

void MailBoxesTab::DeselectAllMailBoxesListItemsBtnClick() {
    if (form_.Context().Washing)
        return;
    model_.DeselectAll(form_.Context().SelectedMailBoxes);
    ShowChecks();
}

bool MailBoxesTab::OnListNotify(const NMHDR& header, LRESULT& result) {
    return list_.OnNotify(
        header, result, [this](int) { return form_.Context().Washing; },  // marks stay in a run
        [this](int line, bool) { MailBoxesListClickCheck(line); });
}
