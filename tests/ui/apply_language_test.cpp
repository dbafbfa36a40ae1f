#include "ui/apply_language.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "catalogue/table_db_writer.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

namespace {

GbColumn Column(const char* name, std::uint8_t type, std::uint16_t length = 0) {
    GbColumn c;
    c.name = name;
    c.type = type;
    c.length = length;
    return c;
}

// English and Deutsch; the Deutsch table translates the controls below.
std::string LanguageFile() {
    GbTableSource contents{
        "Contents",
        {Column("sLanguage", gb_type::kText, 10), Column("sCountry", gb_type::kText, 20),
         Column("iCountry", gb_type::kText, 5)},
        {{std::string("en"), std::string("English"), std::string("44")},
         {std::string("de"), std::string("Deutsch"), std::string("49")}}};
    GbTableSource german{"TestForm (Deutsch)",
                         {Column("Tag", gb_type::kInteger), Column("Caption", gb_type::kText, 80),
                          Column("Hint", gb_type::kText, 80)},
                         {}};
    auto row = [&](int tag, std::string caption, std::string hint = "") {
        german.rows.push_back({std::int64_t{tag}, caption, hint});
    };
    row(1, "Testfenster");
    row(10, "Beschriftung", "Ein Hinweis");
    row(11,
        "Gr\xc3\xb6\xc3\x9f"
        "e");  // outside the ANSI code page of many systems
    row(21, "Erstens");
    row(22, "Zweitens");
    row(23, "Drittens");
    row(31, "Rot");
    row(32, "Gr\xc3\xbcn");
    row(40, "", "Seiten");  // the tab control's own row: its hint
    row(41, "Seite A");
    row(42, "Seite B");
    row(51, "Name");
    row(52,
        "Gr\xc3\xb6\xc3\x9f"
        "e");
    row(60, "Eingabe", "Hier schreiben");
    return WriteTableDb({contents, german}, true);
}

std::string TextOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return platform::WideToUtf8(buffer);
}

class ApplyLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&init);
        file = folder.Path() + "Tidewell.lng";
        ASSERT_TRUE(platform::WriteWholeFile(file, LanguageFile()));
        form = CreateWindowExW(0, L"STATIC", L"Test form", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                               nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(form);
        label = Child(L"STATIC", L"Label", 10);
        check = Child(L"BUTTON", L"Size", 11, BS_AUTOCHECKBOX);
        untagged = Child(L"STATIC", L"Keep me", 0);
        list = Child(L"LISTBOX", L"", 20, LBS_NOTIFY);
        for (const wchar_t* item : {L"One", L"Two"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendMessageW(list, LB_SETITEMDATA, 1, 77);
        SendMessageW(list, LB_SETCURSEL, 1, 0);
        combo = Child(L"COMBOBOX", L"", 30, CBS_DROPDOWNLIST);
        for (const wchar_t* item : {L"Red", L"Green"})
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        tabs = Child(WC_TABCONTROLW, L"", 40);
        for (const wchar_t* name : {L"Page A", L"Page B"}) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(name);
            SendMessageW(tabs, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
        }
        header = Child(WC_HEADERW, L"", 50);
        for (const wchar_t* name : {L"Name", L"Size"}) {
            HDITEMW item{};
            item.mask = HDI_TEXT | HDI_WIDTH;
            item.cxy = 50;
            item.pszText = const_cast<wchar_t*>(name);
            SendMessageW(header, HDM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
        }
        edit = Child(L"EDIT", L"typed by the user", 60);
    }
    void TearDown() override {
        if (form)
            DestroyWindow(form);
    }

    HWND Child(const wchar_t* cls, const wchar_t* text, int id, DWORD style = 0) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 100, 80, form,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    std::string ListItem(UINT message, HWND control, int i) {
        wchar_t buffer[64] = {};
        SendMessageW(control, message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        return platform::WideToUtf8(buffer);
    }
    std::string TabText(int i) {
        wchar_t buffer[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        return platform::WideToUtf8(buffer);
    }
    std::string HeaderText(int i) {
        wchar_t buffer[64] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 64;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        return platform::WideToUtf8(buffer);
    }

    TempFolder folder;
    std::string file;
    HWND form = nullptr, label, check, untagged, list, combo, tabs, header, edit;
    std::map<HWND, std::string> hints;
    ui::HintSetter recordHint = [this](HWND control, const std::string& hint) {
        hints[control] = hint;
    };
};

}  // namespace

TEST_F(ApplyLanguageTest, CaptionsHintsAndItemsComeFromTheRows) {
    ui::ApplyLanguage(form, "TestForm", {file, 49}, recordHint, 1);
    EXPECT_EQ(TextOf(form), "Testfenster");
    EXPECT_EQ(TextOf(label), "Beschriftung");
    EXPECT_EQ(TextOf(check),
              "Gr\xc3\xb6\xc3\x9f"
              "e");
    EXPECT_EQ(TextOf(untagged), "Keep me");
    EXPECT_EQ(TextOf(edit), "typed by the user");  // an edit's text is the user's
    EXPECT_EQ(hints[label], "Ein Hinweis");
    EXPECT_EQ(hints[edit], "Hier schreiben");
    EXPECT_EQ(hints[check], "");
    EXPECT_EQ(hints.count(untagged), 0u);

    // The item count stays: two list items although three rows follow.
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(ListItem(LB_GETTEXT, list, 0), "Erstens");
    EXPECT_EQ(ListItem(LB_GETTEXT, list, 1), "Zweitens");
    EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 1, 0), 77);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(ListItem(CB_GETLBTEXT, combo, 0), "Rot");
    EXPECT_EQ(ListItem(CB_GETLBTEXT, combo, 1), "Gr\xc3\xbcn");
    EXPECT_EQ(TabText(0), "Seite A");
    EXPECT_EQ(TabText(1), "Seite B");
    EXPECT_EQ(hints[tabs], "Seiten");
    EXPECT_EQ(HeaderText(0), "Name");
    EXPECT_EQ(HeaderText(1),
              "Gr\xc3\xb6\xc3\x9f"
              "e");
}

TEST_F(ApplyLanguageTest, SingleControlAndMissingLanguagesLeaveTheRest) {
    ui::ApplyLanguage(label, "TestForm", {file, 49});
    EXPECT_EQ(TextOf(label), "Beschriftung");
    EXPECT_EQ(TextOf(check), "Size");

    ui::ApplyLanguage(form, "TestForm", {file, 44}, recordHint, 1);  // no English table
    ui::ApplyLanguage(form, "TestForm", {file, 31}, recordHint, 1);  // not listed
    ui::ApplyLanguage(form, "TestForm", {folder.Path() + "none.lng", 49}, recordHint, 1);
    platform::WriteWholeFile(file, LanguageFile().substr(0, 600));  // damaged
    ui::ApplyLanguage(form, "TestForm", {file, 49}, recordHint, 1);
    EXPECT_EQ(TextOf(form), "Test form");
    EXPECT_EQ(TextOf(check), "Size");
    EXPECT_EQ(TabText(0), "Page A");
    EXPECT_TRUE(hints.empty());
}
