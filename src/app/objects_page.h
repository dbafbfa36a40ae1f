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

    // Shows a tab (none when it is hidden) and reports the one shown.
    void ShowTab(ObjectsTab tab);
    ObjectsTab ActiveTab() const;
    // The tabs that object detection leaves (the wash objects tab always stays). Hidden tabs
    // keep their captions for when they come back.
    void ShowTabs(const std::array<bool, kTabCount>& shown);
    // Makes the controls of every list tab that was not shown yet.
    void BuildListTabs();
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
    void BuildListTab(ObjectsTab tab);
    void CreateListTab(int tab, int headerId, int warningId, int listId,
                       std::vector<int> buttonIds);
    LRESULT OnWashingListNotify(const NMHDR& header, bool& handled);
    LRESULT OnWashingListCustomDraw(NMLVCUSTOMDRAW& draw);
    bool RowEnabled(int row) const;
    void ObjectsPagesDrawTab(const DRAWITEMSTRUCT& item);
    HWND Add(int tab, HWND control);
    // The position of a tab in the tab control; -1 when it is hidden.
    int TabIndex(ObjectsTab tab) const;

    std::array<std::vector<HWND>, kTabCount> tabControls_;
    std::array<bool, kTabCount> tabShown_ = {true, true, true, true, true};
    std::array<std::string, kTabCount> tabCaptions_;
    bool settingChecks_ = false;  // check marks set by the program, not clicked
    ui::UniqueBrush tabBrush_;
    ActiveXTab activeX_{form_};
    CookiesTab cookies_;
    MailBoxesTab mailBoxes_;
    StartupMonitorTab startupMonitor_;
};
