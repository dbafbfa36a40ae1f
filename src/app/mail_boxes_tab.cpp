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

bool CheckClicked(const NMLISTVIEW& change) {
    return (change.uChanged & LVIF_STATE) &&
           ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) &&
           (change.uNewState & LVIS_STATEIMAGEMASK) != 0;
}

}  // namespace

void MailBoxesTab::MailBoxesPageClick() {
    if (form_.Context().Washing || !list_)
        return;
    model_.Rebuild(form_.Context().SelectedMailBoxes, FindMailBoxLines(MailStoreFolders()));
    ShowItems();
}

void MailBoxesTab::ShowItems() {
    settingChecks_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    int row = 0;
    for (const MailBoxItem& item : model_.Items()) {
        ui::InsertListRow(list_, row, MailBoxName(item.line));
        ui::SetListRowChecked(list_, row, item.ticked);
        ++row;
    }
    settingChecks_ = false;
}

void MailBoxesTab::ShowChecks() {
    settingChecks_ = true;
    int row = 0;
    for (const MailBoxItem& item : model_.Items())
        ui::SetListRowChecked(list_, row++, item.ticked);
    settingChecks_ = false;
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
    result = 0;
    if (header.code == LVN_ITEMCHANGING) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (settingChecks_ || !CheckClicked(change))
            return false;
        result = form_.Context().Washing ? TRUE : FALSE;  // a run keeps the marks where they are
        return true;
    }
    if (header.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (settingChecks_ || !CheckClicked(change))
            return false;
        MailBoxesListClickCheck(change.iItem);
        return true;
    }
    return false;
}
