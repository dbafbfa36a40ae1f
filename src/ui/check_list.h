#pragma once
// A report list of lines with check marks that the program fills from a model: the marks it
// sets itself are not taken for clicks, and a click on a mark is told to the owner once.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

// The state image (the check mark) of a line changed, in an LVN_ITEMCHANGING/CHANGED notice.
bool CheckMarkChanged(const NMLISTVIEW& change);

class CheckList {
  public:
    void SetList(HWND list) { list_ = list; }
    HWND Handle() const { return list_; }

    // Every line anew: its text and its mark.
    void ShowLines(const std::vector<std::pair<std::string, bool>>& lines);
    // The marks of the lines as they stand, the texts kept.
    void ShowChecks(const std::vector<bool>& checks);

    // The list's notices. A click on a mark is refused while `locked(line)` says so, and once
    // it has changed the mark, `clicked(line, checked)` is called. True when handled, with the
    // list's answer in `result`.
    bool OnNotify(const NMHDR& header, LRESULT& result, const std::function<bool(int)>& locked,
                  const std::function<void(int, bool)>& clicked) const;

  private:
    HWND list_ = nullptr;
    bool settingChecks_ = false;  // check marks set by the program, not clicked
};

}  // namespace ui
