#include "ui/apply_language.h"

#include <commctrl.h>

#include <vector>

#include "catalogue/language_texts.h"
#include "catalogue/table_db_file.h"
#include "platform/text.h"
#include "ui/controls.h"

namespace ui {
namespace {

struct Pass {
    const LanguageTable& table;
    const HintSetter& setHint;
};

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

bool Is(const std::wstring& className, const wchar_t* expected) {
    return lstrcmpiW(className.c_str(), expected) == 0;
}

void SetCaption(HWND control, const std::string& caption) {
    // Most captions are the ones shown already (English, or a language applied again), and
    // each change costs a trip to the window server and a repaint.
    if (GetText(control) == caption)
        return;
    SetWindowTextW(control, platform::Utf8ToWide(caption).c_str());
    InvalidateRect(control, nullptr, TRUE);  // owner-drawn buttons draw their caption
}

// Items kept as strings; an owner-drawn list without strings holds data, not texts.
bool HoldsStrings(HWND control, LONG_PTR ownerDrawn, LONG_PTR hasStrings) {
    LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    return !(style & ownerDrawn) || (style & hasStrings);
}

void ReplaceListBoxItems(HWND list, const std::vector<std::string>& items) {
    if (!HoldsStrings(list, LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE, LBS_HASSTRINGS))
        return;
    LRESULT current = SendMessageW(list, LB_GETCURSEL, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto index = static_cast<WPARAM>(i);
        LRESULT data = SendMessageW(list, LB_GETITEMDATA, index, 0);
        LRESULT selected = SendMessageW(list, LB_GETSEL, index, 0);
        SendMessageW(list, LB_DELETESTRING, index, 0);
        std::wstring text = platform::Utf8ToWide(items[i]);
        SendMessageW(list, LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(list, LB_SETITEMDATA, index, data);
        if (selected > 0)
            SendMessageW(list, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
    }
    if (current != LB_ERR)
        SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

void ReplaceComboBoxItems(HWND combo, const std::vector<std::string>& items) {
    if (!HoldsStrings(combo, CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, CBS_HASSTRINGS))
        return;
    LRESULT current = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        auto index = static_cast<WPARAM>(i);
        LRESULT data = SendMessageW(combo, CB_GETITEMDATA, index, 0);
        SendMessageW(combo, CB_DELETESTRING, index, 0);
        std::wstring text = platform::Utf8ToWide(items[i]);
        SendMessageW(combo, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(combo, CB_SETITEMDATA, index, data);
    }
    if (current != CB_ERR)
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(current), 0);
}

void ReplaceTabItems(HWND tabs, const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring text = platform::Utf8ToWide(items[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void ReplaceHeaderItems(HWND header, const std::vector<std::string>& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::wstring text = platform::Utf8ToWide(items[i]);
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text.data();
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

// The items of a multi-item control from the rows after its tag; false when it is not one.
bool ApplyItems(HWND control, const std::wstring& className, int tag, const LanguageTable& table) {
    auto count = [&](UINT message) {
        LRESULT n = SendMessageW(control, message, 0, 0);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    };
    if (Is(className, L"ListBox"))
        ReplaceListBoxItems(control, table.Items(tag, count(LB_GETCOUNT)));
    else if (Is(className, L"ComboBox"))
        ReplaceComboBoxItems(control, table.Items(tag, count(CB_GETCOUNT)));
    else if (Is(className, WC_TABCONTROLW))
        ReplaceTabItems(control, table.Items(tag, count(TCM_GETITEMCOUNT)));
    else if (Is(className, WC_HEADERW))
        ReplaceHeaderItems(control, table.Items(tag, count(HDM_GETITEMCOUNT)));
    else
        return false;
    return true;
}

void ApplyToControl(HWND control, const Pass& pass) {
    int tag = GetDlgCtrlID(control);
    if (tag < 1)
        return;
    std::wstring className = ClassOf(control);
    // A multi-item control takes its items whether or not it has a row of its own (its row
    // may carry its hint).
    ApplyItems(control, className, tag, pass.table);
    int row = pass.table.RowOfTag(tag);
    if (row < 1)
        return;
    if (Is(className, L"Button") || Is(className, L"Static"))
        SetCaption(control, pass.table.Caption(row));
    if (pass.setHint)
        pass.setHint(control, pass.table.Hint(row));
}

BOOL CALLBACK ApplyToChild(HWND child, LPARAM pass) {
    ApplyToControl(child, *reinterpret_cast<const Pass*>(pass));
    return TRUE;
}

// Calls `use` with the texts of `windowName` in the language; nothing happens when the file or
// the language is missing.
template <typename Use>
void WithLanguageTable(const std::string& windowName, const LanguageChoice& language, Use use) {
    TGBObject db;
    if (!OpenTableDatabase(db, language.FileName))
        return;
    LanguageTable table(db, windowName, language.LngID);
    if (table.IsValid())
        use(table);
}

}  // namespace

void ApplyLanguage(HWND window, const std::string& windowName, const LanguageChoice& language,
                   const HintSetter& setHint, int windowTag) {
    if (!window)
        return;
    WithLanguageTable(windowName, language, [&](const LanguageTable& table) {
        Pass pass{table, setHint};
        if (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) {
            ApplyToControl(window, pass);
            return;
        }
        if (windowTag >= 1)
            if (int row = table.RowOfTag(windowTag); row >= 1)
                SetWindowTextW(window, platform::Utf8ToWide(table.Caption(row)).c_str());
        EnumChildWindows(window, ApplyToChild, reinterpret_cast<LPARAM>(&pass));
    });
}

void ApplyLanguageTo(const std::vector<HWND>& controls, const std::string& windowName,
                     const LanguageChoice& language, const HintSetter& setHint) {
    if (controls.empty())
        return;
    WithLanguageTable(windowName, language, [&](const LanguageTable& table) {
        Pass pass{table, setHint};
        for (HWND control : controls)
            ApplyToControl(control, pass);
    });
}

std::vector<std::string> LanguageItems(const std::string& windowName,
                                       const LanguageChoice& language, int tag,
                                       std::vector<std::string> items) {
    WithLanguageTable(windowName, language, [&](const LanguageTable& table) {
        std::vector<std::string> texts = table.Items(tag, items.size());
        for (std::size_t i = 0; i < texts.size() && i < items.size(); ++i)
            items[i] = texts[i];
    });
    return items;
}

}  // namespace ui
