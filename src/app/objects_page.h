#pragma once
// The page "Objects": five tabs. "Wash Objects" holds the check list of the catalogue and its
// buttons (and Run Test); the other tabs hold the lists of accepted cookies, ActiveX
// components, e-mail boxes and startup programs with their buttons.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/activex_tab.h"
#include "app/control_ids.h"
#include "app/cookies_tab.h"
#include "app/mail_boxes_tab.h"
#include "app/page.h"
#include "app/startup_monitor_tab.h"
#include "catalogue/catalogue_view.h"

class ObjectsPage : public Page {
  public:
    static constexpr int kTabCount = 5;

    explicit ObjectsPage(TMainForm& form)
        : Page(form, "Objects"), cookies_(form), mailBoxes_(form), startupMonitor_(form) {}

    HWND WashingList() const { return Control(ids::WashingList); }
    void AppendRow(const std::string& caption, bool checked);
    void RemoveRow(std::size_t row);
    void SetRowChecked(std::size_t row, bool checked);
    bool RowChecked(std::size_t row) const;
    int RowCount() const;
    int SelectedRow() const;
    void Repaint();

    void ShowTab(ObjectsTab tab);
    ObjectsTab ActiveTab() const;
    // Enables the controls that depend on the selected row and on the lists' contents.
    void UpdateControls(bool userObjectSelected);

    // The tabs' own handlers; they fill their lists.
    void CookiesPageClick() { cookies_.CookiesPageClick(); }
    void ActiveXPageClick() { activeX_.ActiveXPageClick(); }
    void MailBoxesPageClick() { mailBoxes_.MailBoxesPageClick(); }
    void StartupMonitorPageClick() { startupMonitor_.StartupMonitorPageClick(); }

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header, bool& handled) override;
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    StaticLook LookOf(int id) const override;

  private:
    void CreateWashObjectsTab();
    void CreateListTab(int tab, int headerId, int warningId, int listId,
                       std::vector<int> buttonIds);
    LRESULT OnWashingListNotify(const NMHDR& header, bool& handled);
    LRESULT OnWashingListCustomDraw(NMLVCUSTOMDRAW& draw);
    bool RowEnabled(int row) const;
    void ObjectsPagesDrawTab(const DRAWITEMSTRUCT& item);
    HWND Add(int tab, HWND control);

    std::array<std::vector<HWND>, kTabCount> tabControls_;
    bool settingChecks_ = false;  // check marks set by the program, not clicked
    ui::UniqueBrush tabBrush_;
    ActiveXTab activeX_{form_};
    CookiesTab cookies_;
    MailBoxesTab mailBoxes_;
    StartupMonitorTab startupMonitor_;
};
