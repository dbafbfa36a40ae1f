#pragma once
// The "Outlook Express Mail" tab of the Objects page: the mail boxes found in the store
// folders, ticked when chosen for washing (SelectedMailBoxes), and its two buttons.
#include <windows.h>

#include "lists/mail_boxes_list.h"
#include "ui/check_list.h"

class TMainForm;

class MailBoxesTab {
  public:
    explicit MailBoxesTab(TMainForm& form) : form_(form) {}
    void SetList(HWND list) { list_.SetList(list); }

    // The tab was opened: the list is found again. Ignored during a wash run.
    void MailBoxesPageClick();
    void SelectAllMailBoxesListItemsBtnClick();
    void DeselectAllMailBoxesListItemsBtnClick();
    // The list's notifications; true when handled, with the answer in `result`.
    bool OnListNotify(const NMHDR& header, LRESULT& result);

  private:
    void MailBoxesListClickCheck(int index);
    bool ConfirmChoice(bool all);
    void ShowItems();
    void ShowChecks();

    TMainForm& form_;
    ui::CheckList list_;
    MailBoxesList model_;
};
