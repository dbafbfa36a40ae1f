#include "ui/controls.h"

#include "catalogue/date_time.h"
#include "platform/text.h"

namespace ui {

UniqueFont MakeFont(const wchar_t* face, int points, bool bold) {
    WindowDc screen(nullptr);
    int pixelsPerInch = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, pixelsPerInch, 72);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

Fonts Fonts::Create() {
    Fonts fonts;
    fonts.normal = MakeFont(L"Tahoma", 8, false);
    fonts.bold = MakeFont(L"Tahoma", 8, true);
    fonts.heading = MakeFont(L"Tahoma", 10, true);
    fonts.title = MakeFont(L"Tahoma", 16, true);
    return fonts;
}

RECT Rect(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND CreateControl(HWND parent, const wchar_t* className, int id, DWORD style, DWORD exStyle,
                   const RECT& bounds, const std::string& text, HFONT font) {
    HWND hwnd = CreateWindowExW(
        exStyle, className, platform::Utf8ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style,
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (hwnd && font)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

HWND CreateLabel(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font,
                 DWORD align) {
    return CreateControl(parent, L"STATIC", id, align | SS_NOPREFIX, 0, bounds, text, font);
}

HWND CreateCheckBox(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font) {
    return CreateControl(parent, L"BUTTON", id, BS_AUTOCHECKBOX | WS_TABSTOP, 0, bounds, text,
                         font);
}

HWND CreateGroupBox(HWND parent, int id, const RECT& bounds, const std::string& text, HFONT font) {
    return CreateControl(parent, L"BUTTON", id, BS_GROUPBOX, 0, bounds, text, font);
}

HWND CreateDropDownList(HWND parent, int id, const RECT& bounds, HFONT font) {
    RECT dropped = bounds;
    dropped.bottom += 200;  // the height of the open list
    return CreateControl(parent, L"COMBOBOX", id, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0,
                         dropped, "", font);
}

HWND CreateListView(HWND parent, int id, const RECT& bounds, DWORD extraStyle, bool checks,
                    HFONT font) {
    HWND list = CreateControl(parent, WC_LISTVIEWW, id,
                              LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP | extraStyle,
                              WS_EX_CLIENTEDGE, bounds, "", font);
    DWORD ex = LVS_EX_FULLROWSELECT | (checks ? LVS_EX_CHECKBOXES : 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
    return list;
}

HWND CreateTabControl(HWND parent, int id, const RECT& bounds, HFONT font) {
    return CreateControl(parent, WC_TABCONTROLW, id, WS_TABSTOP | WS_CLIPSIBLINGS, 0, bounds, "",
                         font);
}

HWND CreateDateTimePicker(HWND parent, int id, const RECT& bounds, bool timeOnly, HFONT font) {
    DWORD style = WS_TABSTOP | (timeOnly ? DTS_TIMEFORMAT | DTS_UPDOWN : DTS_SHORTDATEFORMAT);
    return CreateControl(parent, DATETIMEPICK_CLASSW, id, style, 0, bounds, "", font);
}

HWND CreateHotKeyBox(HWND parent, int id, const RECT& bounds, HFONT font) {
    return CreateControl(parent, HOTKEY_CLASSW, id, WS_TABSTOP, WS_EX_CLIENTEDGE, bounds, "", font);
}

std::string GetText(HWND window) {
    int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return platform::WideToUtf8(text);
}

void SetText(HWND window, const std::string& text) {
    SetWindowTextW(window, platform::Utf8ToWide(text).c_str());
}

bool IsChecked(HWND checkBox) {
    return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND checkBox, bool checked) {
    SendMessageW(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Enable(HWND window, bool enabled) {
    if (window && (IsWindowEnabled(window) != FALSE) != enabled)
        EnableWindow(window, enabled ? TRUE : FALSE);
}

void SetComboItems(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& item : items)
        SendMessageW(combo, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(platform::Utf8ToWide(item).c_str()));
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void SetComboSelection(HWND combo, int index) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string ComboItemText(HWND combo, int index) {
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return platform::WideToUtf8(text);
}

int ComboCount(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

void AddListColumn(HWND list, int index, const std::string& caption, int width, int format) {
    std::wstring text = platform::Utf8ToWide(caption);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = format;
    column.cx = width;
    column.pszText = text.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

int ListCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

RedrawPaused::RedrawPaused(HWND window)
    : window_(window), wasVisible_((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0) {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawPaused::~RedrawPaused() {
    // Redraw on also sets WS_VISIBLE: a control of a tab not shown stays hidden.
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    if (!wasVisible_)
        ShowWindow(window_, SW_HIDE);
    InvalidateRect(window_, nullptr, TRUE);
}

int InsertListRow(HWND list, int index, const std::string& caption, int image) {
    std::wstring text = platform::Utf8ToWide(caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.pszText = text.data();
    item.iImage = image;
    return static_cast<int>(
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void SetListCell(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = platform::Utf8ToWide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string ListCell(HWND list, int row, int column) {
    wchar_t buffer[1024] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(sizeof buffer / sizeof buffer[0]);
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return platform::WideToUtf8(buffer);
}

bool ListRowChecked(HWND list, int row) {
    auto state = static_cast<UINT>(
        SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

void SetListRowChecked(HWND list, int row, bool checked) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int ListSelectedRow(HWND list) {
    auto focused = static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED | LVNI_SELECTED));
    if (focused >= 0)
        return focused;
    return static_cast<int>(
        SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int ListColumnWidth(HWND list, int column) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

void SetListColumnWidth(HWND list, int column, int width) {
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(width, 0));
}

void SetTabItems(HWND tabs, const std::vector<std::string>& items) {
    SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const auto& caption : items) {
        std::wstring text = platform::Utf8ToWide(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }
}

std::string TabItemText(HWND tabs, int index) {
    wchar_t caption[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption;
    item.cchTextMax = 255;
    if (!SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index),
                      reinterpret_cast<LPARAM>(&item)))
        return {};
    return platform::WideToUtf8(item.pszText ? item.pszText : caption);
}

int TabSelection(HWND tabs) {
    return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
}

void SetTabSelection(HWND tabs, int index) {
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

double PickerValue(HWND picker) {
    SYSTEMTIME st{};
    if (SendMessageW(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return 0;
    CivilDateTime civil;
    civil.year = st.wYear;
    civil.month = st.wMonth;
    civil.day = st.wDay;
    civil.hour = st.wHour;
    civil.minute = st.wMinute;
    civil.second = st.wSecond;
    return EncodeDateTime(civil);
}

void SetPickerValue(HWND picker, double value) {
    CivilDateTime civil = DecodeDateTime(value);
    if (civil.year < 1753)  // the pickers start at 1752; a bare time shows on today's date
        civil = DecodeDateTime(Today() + TimeOfDayFraction(value));
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(civil.year);
    st.wMonth = static_cast<WORD>(civil.month);
    st.wDay = static_cast<WORD>(civil.day);
    st.wHour = static_cast<WORD>(civil.hour);
    st.wMinute = static_cast<WORD>(civil.minute);
    st.wSecond = static_cast<WORD>(civil.second);
    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

}  // namespace ui
