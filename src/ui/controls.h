#pragma once
// Thin helpers over the standard controls: creation with the program's font, UTF-8 texts,
// check states, list views, tab controls, pickers. Window code only.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/gdi_handles.h"

namespace ui {

// The fonts of the program's windows.
struct Fonts {
    UniqueFont normal;   // Tahoma 8 pt
    UniqueFont bold;     // Tahoma 8 pt bold
    UniqueFont heading;  // Tahoma 10 pt bold
    UniqueFont title;    // Tahoma 16 pt bold
    static Fonts Create();
};
UniqueFont MakeFont(const wchar_t* face, int points, bool bold);

RECT Rect(int x, int y, int width, int height);

// Every window inside `parent`, at any depth.
std::vector<HWND> ChildWindows(HWND parent);

HWND CreateControl(HWND parent, const wchar_t* className, int id, DWORD style, DWORD exStyle,
                   const RECT& bounds, const std::string& text, HFONT font);
HWND CreateLabel(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font,
                 DWORD align = SS_LEFT);
HWND CreateCheckBox(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font);
HWND CreateGroupBox(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font);
HWND CreateDropDownList(HWND parent, int id, const RECT& bounds, HFONT font);
// A report-view list view; `checks` gives it check boxes (a check list).
HWND CreateListView(HWND parent, int id, const RECT& bounds, DWORD extraStyle, bool checks,
                    HFONT font);
HWND CreateTabControl(HWND parent, int id, const RECT& bounds, HFONT font);
HWND CreateDateTimePicker(HWND parent, int id, const RECT& bounds, bool timeOnly, HFONT font);
HWND CreateHotKeyBox(HWND parent, int id, const RECT& bounds, HFONT font);

std::string GetText(HWND window);
void SetText(HWND window, const std::string& text);
bool IsChecked(HWND checkBox);
void SetChecked(HWND checkBox, bool checked);
void Enable(HWND window, bool enabled);

// Combo boxes.
void SetComboItems(HWND combo, const std::vector<std::string>& items);
int ComboSelection(HWND combo);  // -1 when none
void SetComboSelection(HWND combo, int index);
std::string ComboItemText(HWND combo, int index);
int ComboCount(HWND combo);

// Holds a control's drawing off while it is filled item by item (a list view then also skips
// its layout and scroll bars at every row); drawing comes back on, with one repaint, at the end.
class RedrawPaused {
  public:
    explicit RedrawPaused(HWND window);
    ~RedrawPaused();
    RedrawPaused(const RedrawPaused&) = delete;
    RedrawPaused& operator=(const RedrawPaused&) = delete;

  private:
    HWND window_;
    bool wasVisible_;
};

// List views (report view).
void AddListColumn(HWND list, int index, const std::string& caption, int width, int format);
int ListCount(HWND list);
int InsertListRow(HWND list, int index, const std::string& caption, int image = -1);
void SetListCell(HWND list, int row, int column, const std::string& text);
std::string ListCell(HWND list, int row, int column);
bool ListRowChecked(HWND list, int row);
void SetListRowChecked(HWND list, int row, bool checked);
int ListSelectedRow(HWND list);  // the focused or first selected row, -1 when none
int ListColumnWidth(HWND list, int column);
void SetListColumnWidth(HWND list, int column, int width);

// Tab controls.
void SetTabItems(HWND tabs, const std::vector<std::string>& items);
std::string TabItemText(HWND tabs, int index);
int TabSelection(HWND tabs);
void SetTabSelection(HWND tabs, int index);

// Date-time pickers: the value as days since 30 December 1899, fraction = time of day.
double PickerValue(HWND picker);
void SetPickerValue(HWND picker, double value);

}  // namespace ui
