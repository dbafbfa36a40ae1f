// The "IE Cookies" and "Startup Monitor" tabs in a real main window: real WinINet cookies, real
// Run values and startup files, the skinned questions answered as a user would, and what is
// left in the accepted names, the registry and on disk.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <algorithm>
#include <deque>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "support/ie_cookies.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using Lines = std::vector<std::string>;
using testing_support::AddCachedCookie;
using testing_support::CookieCacheNames;
using testing_support::EmptyCookieCache;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Answers the skinned message boxes in turn: IDOK their first button ("Yes"), IDCANCEL their
// last ("No"). A box answered once is marked, so each question takes one answer.
struct BoxAnswers {
    static std::deque<WPARAM> answers;
    static int asked;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(ui::TMessageDlgBox::kClassName, nullptr);
        if (!box || GetPropW(box, L"TidewellAnswered"))
            return;
        SetPropW(box, L"TidewellAnswered", reinterpret_cast<HANDLE>(1));
        ++asked;
        WPARAM answer = answers.empty() ? IDCANCEL : answers.front();
        if (!answers.empty())
            answers.pop_front();
        PostMessageW(box, WM_COMMAND, answer, 0);
        if (answers.empty())
            KillTimer(nullptr, timer);
    }
    static void Queue(std::deque<WPARAM> with) {
        answers = std::move(with);
        asked = 0;
        SetTimer(nullptr, 0, 50, &Tick);
    }
};
std::deque<WPARAM> BoxAnswers::answers;
int BoxAnswers::asked = 0;

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool RunValueExists(RootKey root, const std::string& name) {
    return platform::RegistryKey::Open(root, kRun).HasValue(name);
}

void SetRunValue(RootKey root, const std::string& name, const std::string& command) {
    platform::RegistryKey::Create(root, kRun, platform::reg_access::kAllAccess)
        .WriteString(name, command);
}

void DeleteRunValue(RootKey root, const std::string& name) {
    platform::RegistryKey::Open(root, kRun, platform::reg_access::kAllAccess).DeleteValue(name);
}

class ListTabsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyCookieCache();
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
        ASSERT_TRUE(form->Create());
    }
    void TearDown() override {
        form.reset();
        EmptyCookieCache();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND Objects(int id) const { return form->PageControl(ids::PageObjects, id); }
    Lines Shown(int listId) const {
        HWND list = Objects(listId);
        Lines rows;
        for (int row = 0; row < ui::ListCount(list); ++row)
            rows.push_back((ui::ListRowChecked(list, row) ? "[x] " : "[ ] ") +
                           ui::ListCell(list, row, 0));
        return rows;
    }
    std::vector<int> RowsOf(int listId, const std::string& text) const {
        HWND list = Objects(listId);
        std::vector<int> rows;
        for (int row = 0; row < ui::ListCount(list); ++row)
            if (ui::ListCell(list, row, 0) == text)
                rows.push_back(row);
        return rows;
    }
    void Click(int id) {
        SendMessageW(GetParent(Objects(id)), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Objects(id)));
    }
    Lines& Accepted() { return form->Context().AcceptedCookieList; }

    TempFolder settings, userStartup, commonStartup;
    ScopedShellFolder userShell{"Startup", userStartup.Path()};
    ScopedShellFolder commonShell{RootKey::LocalMachine, "Common Startup", commonStartup.Path()};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(ListTabsTest, CookiesShowAcceptedOnceAndTheirChecksFollowTheAcceptedNames) {
    const std::string bank = AddCachedCookie("bank.example");
    const std::string tracker = AddCachedCookie("tracker.example");
    ASSERT_FALSE(bank.empty());
    Accepted() = {Upper(bank)};
    form->ShowObjectsTab(ObjectsTab::IECookies);
    EXPECT_EQ(Shown(ids::CookieList), (Lines{"[x] " + Upper(bank), "[ ] " + tracker}));
    EXPECT_TRUE(IsWindowEnabled(Objects(ids::DeselectAllCookieListItemsBtn)));

    ui::SetListRowChecked(Objects(ids::CookieList), 1, true);  // as a click on its check box
    EXPECT_EQ(Accepted(), (Lines{Upper(bank), tracker}));
    ui::SetListRowChecked(Objects(ids::CookieList), 0, false);
    EXPECT_EQ(Accepted(), Lines{tracker});

    form->Context().Washing = true;  // a run keeps the accepted names as they are
    ui::SetListRowChecked(Objects(ids::CookieList), 0, true);
    Click(ids::DeselectAllCookieListItemsBtn);
    EXPECT_EQ(Accepted(), Lines{tracker});
    form->Context().Washing = false;

    Click(ids::DeselectAllCookieListItemsBtn);
    EXPECT_TRUE(Accepted().empty());
    EXPECT_EQ(Shown(ids::CookieList), (Lines{"[ ] " + Upper(bank), "[ ] " + tracker}));
    Click(ids::SelectAllCookieListItemsBtn);
    EXPECT_EQ(Accepted(), (Lines{Upper(bank), tracker}));
    EXPECT_EQ(Shown(ids::CookieList), (Lines{"[x] " + Upper(bank), "[x] " + tracker}));
}

TEST_F(ListTabsTest, StartupMonitorRemovesTheCheckedLinesAnsweredYesAndKeepsTheNoChecked) {
    const std::string command = "C:\\Apps\\Same.exe --mode=tray";
    SetRunValue(RootKey::LocalMachine, "TidewellSame", command);
    SetRunValue(RootKey::CurrentUser, "TidewellSame", command);
    SetRunValue(RootKey::CurrentUser, "TidewellKept", "kept.exe");
    const std::string notes = userStartup.AddFile("TidewellNotes.txt", "notes");
    form->ShowObjectsTab(ObjectsTab::StartupMonitor);
    const std::string same = "TidewellSame (c:\\apps\\same.exe --mode=tray)";
    const std::string notesLine = "TidewellNotes.txt (" + platform::LowerAscii(notes) + ")";
    const std::vector<int> sameRows = RowsOf(ids::StartupMonitorList, same);  // HKLM, HKCU
    const std::vector<int> notesRows = RowsOf(ids::StartupMonitorList, notesLine);
    ASSERT_EQ(sameRows.size(), 2u);
    ASSERT_EQ(notesRows.size(), 1u);
    ASSERT_GT(notesRows[0], sameRows[1]);
    HWND list = Objects(ids::StartupMonitorList);
    for (int row : {sameRows[0], sameRows[1], notesRows[0]})
        ui::SetListRowChecked(list, row, true);

    // Asked from the last line up: the file (Yes), the HKCU value (No), the HKLM value (Yes).
    BoxAnswers::Queue({IDOK, IDCANCEL, IDOK});
    Click(ids::DeleteStartupMonitorListItemBtn);
    EXPECT_EQ(BoxAnswers::asked, 3);
    EXPECT_FALSE(platform::PathExists(notes));
    EXPECT_FALSE(RunValueExists(RootKey::LocalMachine, "TidewellSame"));
    EXPECT_TRUE(RunValueExists(RootKey::CurrentUser, "TidewellSame"));
    EXPECT_TRUE(RunValueExists(RootKey::CurrentUser, "TidewellKept"));
    const Lines shown = Shown(ids::StartupMonitorList);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "[x] " + same), 1);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "[ ] " + same), 0);
    EXPECT_TRUE(RowsOf(ids::StartupMonitorList, notesLine).empty());
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "[ ] TidewellKept (kept.exe)"), 1);

    DeleteRunValue(RootKey::CurrentUser, "TidewellSame");
    DeleteRunValue(RootKey::CurrentUser, "TidewellKept");
}
