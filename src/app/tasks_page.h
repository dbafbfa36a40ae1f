#pragma once
// The page "Tasks": the auto-wash scheduler, the activity log and the shutdown tasks.
#include "app/page.h"
#include "catalogue/options.h"

class TasksPage : public Page {
  public:
    explicit TasksPage(TMainForm& form) : Page(form, "Tasks") {}

    void ReadOptions(Options& options) const;
    void ShowOptions(const Options& options);
    // Pickers and buttons enabled exactly when their switch is ticked.
    void UpdateControls(const Options& options);

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header, bool& handled) override;
    StaticLook LookOf(int id) const override;
};
