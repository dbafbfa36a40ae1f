#pragma once
// The "Startup Monitor" tab of the Objects page: the programs Windows starts at logon; the
// checked ones stop running at startup, each after a question, when Delete is pressed.
#include <windows.h>

#include "lists/startup_programs.h"
#include "ui/check_list.h"

class TMainForm;

class StartupMonitorTab {
  public:
    explicit StartupMonitorTab(TMainForm& form) : form_(form) {}
    void SetList(HWND list) { list_.SetList(list); }

    // The list is found again. Ignored during a wash.
    void StartupMonitorPageClick();
    void DeleteStartupMonitorListItemBtnClick();
    // The list's notifications; true when handled, with the answer in `result`.
    bool OnListNotify(const NMHDR& header, LRESULT& result);

  private:
    bool ConfirmRemoval(const StartupProgram& program);
    void ShowItems();

    TMainForm& form_;
    ui::CheckList list_;
    StartupProgramsList model_;
};
