#pragma once
// The "Active X" tab of the Objects page: the downloaded components and the loose files of the
// ActiveX cache folders, ticked when accepted (AcceptedActiveXList), and its two buttons. A
// properly installed component is ticked and greyed: its mark cannot change.
#include <windows.h>
#include <commctrl.h>

#include "lists/activex_list.h"
#include "ui/check_list.h"

class TMainForm;

class ActiveXTab {
  public:
    explicit ActiveXTab(TMainForm& form) : form_(form) {}
    void SetList(HWND list) { list_.SetList(list); }

    // The tab was opened (or the window activated on it): the list is found again. Ignored
    // during a wash run.
    void ActiveXPageClick();
    void SelectAllActiveXListItemsBtnClick();
    void DeselectAllActiveXListItemsBtnClick();
    // The list's notifications; true when handled, with the answer in `result`.
    bool OnListNotify(const NMHDR& header, LRESULT& result);

    const ActiveXList& Model() const { return model_; }

  private:
    void ActiveXListClickCheck(int index);
    LRESULT ActiveXListDrawItem(NMLVCUSTOMDRAW& draw) const;
    bool Disabled(int index) const;
    void ShowItems();
    void ShowChecks();

    TMainForm& form_;
    ui::CheckList list_;
    ActiveXList model_;
};
