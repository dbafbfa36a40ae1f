#pragma once
// What the catalogue operations need from the window that shows them. The main window
// implements it with its controls; tests implement it with a recorder.
#include <cstddef>
#include <string>
#include <vector>

// The tabs of the Objects page.
enum class ObjectsTab { WashObjects, IECookies, ActiveX, MailBoxes, StartupMonitor };

// One row of the wash status list.
struct StatusRow {
    std::string caption;
    int icon = 0;
    std::string entriesSize;  // "0/0 Kb"
    std::string status;
};

class CatalogueView {
  public:
    virtual ~CatalogueView() = default;
    // Rows of the check list of wash objects: appended, removed, ticked.
    virtual void AppendRow(const std::string& displayName, bool checked) = 0;
    virtual void RemoveRow(std::size_t row) = 0;
    // The check mark of row `row` of the check list of wash objects.
    virtual void SetRowChecked(std::size_t row, bool checked) = 0;
    virtual void RepaintWashingList() = 0;
    // Rebuild the status list with these rows (one per selected object, in order).
    virtual void ShowStatusRows(const std::vector<StatusRow>& rows) = 0;
    // Switch the Objects page to this tab and run the tab's click handler.
    virtual void ShowObjectsTab(ObjectsTab tab) = 0;
    // The skinned Yes/No box; the question is language text `textId` ("MainForm").
    virtual bool AskYesNo(int textId, const std::string& englishQuestion) = 0;
    // The index.dat files object was selected (true) or unselected (false): keep the
    // deferred task at the next Windows start in line with it.
    virtual void IndexDatTaskWanted(bool wanted) = 0;
};
