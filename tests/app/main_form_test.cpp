// The main window in this process: real windows, real controls, the settings in a folder of
// the test's own.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/control_ids.h"
#include "app/test_window.h"
#include "catalogue/settings_values.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "ui/about_box.h"
#include "app/skin.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The status list and its header labels on the wash page.
struct WashPageProbe {
    HWND page;
    HWND List() const { return GetDlgItem(page, ids::WashList); }
    int ColumnWidth(int column) const { return ui::ListColumnWidth(List(), column); }
    int ClientWidth() const {
        RECT r;
        GetClientRect(List(), &r);
        return r.right;
    }
    RECT LabelRect(int id) const {
        RECT r;
        GetWindowRect(GetDlgItem(page, id), &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
};

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Opera and Firefox are installed (their folders are there), so their objects can be
        // ticked; object detection disables the objects of absent software.
        appData.AddFolder("Opera");
        appData.AddFolder("Mozilla\\Firefox\\Profiles");
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
        ASSERT_TRUE(form->Create());
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND Main() const { return form->Handle(); }
    HWND Page(int pageId) const { return GetDlgItem(Main(), pageId); }
    HWND Control(int pageId, int id) const { return form->PageControl(pageId, id); }
    void Click(HWND control) {
        ASSERT_NE(control, nullptr);
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    void ClickPageButton(int id) { Click(GetDlgItem(Main(), id)); }
    void ClickObjects(int id) { Click(Control(ids::PageObjects, id)); }
    HWND WashingList() const { return Control(ids::PageObjects, ids::WashingList); }
    std::vector<bool> Selections() const {
        std::vector<bool> selected;
        for (const auto& item : form->Objects().Items)
            selected.push_back(item->Selected);
        return selected;
    }
    std::string GoCaption() const {
        return ui::GetText(Control(ids::PageTidewell, ids::ScrubAndGoBtn));
    }
    void SelectOnly(std::initializer_list<TWashListItemType> types) {
        ClickObjects(ids::DeselectAllWashingListItemsBtn);
        for (TWashListItemType type : types)
            ui::SetListRowChecked(WashingList(), type, true);  // as a click on its check box
    }

    testing_support::TempFolder folder, appData;
    testing_support::ScopedShellFolder roaming{"AppData", appData.Path()};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormTest, StartsOnTheWashPageWithTheTrayIconAndDefaultObjects) {
    EXPECT_EQ(form->ActivePageName(), "Tidewell");
    EXPECT_TRUE(form->TrayIconShown());
    EXPECT_EQ(form->Objects().Items.size(), 82u);
    // The 37 objects selected by default, less those of software that is not installed.
    int defaults = 0;
    for (const auto& item : form->Objects().Items) {
        EXPECT_EQ(item->Selected, item->Enabled && TypeInfo(item->ItemType).selectedByDefault)
            << TypeInfo(item->ItemType).identifier;
        defaults += TypeInfo(item->ItemType).selectedByDefault ? 1 : 0;
    }
    EXPECT_EQ(defaults, 37);
    EXPECT_TRUE(form->Objects().Items[wlitOpera_Cache]->Selected);
    EXPECT_FALSE(form->Objects().Items[wlitNetCaptor_History]->Selected);
    const std::vector<bool> selected = Selections();
    EXPECT_EQ(ui::ListCount(Control(ids::PageTidewell, ids::WashList)),
              static_cast<int>(std::count(selected.begin(), selected.end(), true)));
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::LastWashTimeLbl)), "N/A");
    EXPECT_EQ(GoCaption(), "Go..");
    // Check marks and selections agree row by row.
    for (int row = 0; row < 82; ++row)
        EXPECT_EQ(ui::ListRowChecked(WashingList(), row),
                  form->Objects().Items[static_cast<std::size_t>(row)]->Selected);
}

// Explorer restarted: the shell forgot every icon and says so with "TaskbarCreated".
TEST_F(MainFormTest, TheTrayIconIsAddedAgainWhenTheTaskbarIsCreatedAgain) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = Main();
    icon.uID = TMainForm::kTrayIconId;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    ASSERT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the icon is still there";
    SendMessageW(Main(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
}

TEST_F(MainFormTest, PageButtonsAndTitleButtonsAreInertWhileWashing) {
    form->Context().Washing = true;
    for (int id : {ids::ObjectsBtn, ids::TasksBtn, ids::HotKeysBtn, ids::OptionsBtn, ids::VanishBtn,
                   ids::WashBtn, ids::InfoBtn})
        ClickPageButton(id);
    EXPECT_EQ(form->ActivePageName(), "Tidewell");
    EXPECT_FALSE(GetWindowLongW(Page(ids::PageObjects), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(FindWindowW(ui::TAboutBox::kClassName, nullptr), nullptr);

    form->Context().Washing = false;
    const std::pair<int, const char*> pages[] = {
        {ids::ObjectsBtn, "Objects"}, {ids::TasksBtn, "Tasks"},   {ids::HotKeysBtn, "Hot Keys"},
        {ids::OptionsBtn, "Options"}, {ids::VanishBtn, "Vanish"}, {ids::WashBtn, "Tidewell"}};
    for (const auto& [id, name] : pages) {
        ClickPageButton(id);
        EXPECT_EQ(form->ActivePageName(), name);
        int shown = 0;
        for (int page = ids::PageTidewell; page <= ids::PageVanish; ++page)
            shown += (GetWindowLongW(Page(page), GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
        EXPECT_EQ(shown, 1) << name;
    }
    ClickPageButton(ids::InfoBtn);
    HWND about = FindWindowW(ui::TAboutBox::kClassName, nullptr);
    EXPECT_NE(about, nullptr);
    SendMessageW(about, WM_CLOSE, 0, 0);
}

TEST_F(MainFormTest, CatalogueButtonsAndCheckMarksAreInertWhileWashing) {
    ClickPageButton(ids::ObjectsBtn);
    std::vector<bool> before = Selections();
    form->Context().Washing = true;
    for (int id : {ids::SelectAllWashingListItemsBtn, ids::DeselectAllWashingListItemsBtn,
                   ids::DefaultObjectsBtn, ids::RunTestBtn})
        ClickObjects(id);
    ui::SetListRowChecked(WashingList(), wlitIE_Cookies, true);
    EXPECT_EQ(Selections(), before);
    EXPECT_FALSE(ui::ListRowChecked(WashingList(), wlitIE_Cookies));
    EXPECT_FALSE(form->TestWindowShown());

    form->Context().Washing = false;
    ClickObjects(ids::DeselectAllWashingListItemsBtn);
    for (bool selected : Selections())
        EXPECT_FALSE(selected);
    EXPECT_EQ(ui::ListCount(Control(ids::PageTidewell, ids::WashList)), 0);
    ui::SetListRowChecked(WashingList(), wlitWin_Clipboard, true);
    EXPECT_TRUE(form->Objects().Items[wlitWin_Clipboard]->Selected);
    EXPECT_EQ(ui::ListCount(Control(ids::PageTidewell, ids::WashList)), 1);
}

TEST_F(MainFormTest, TestRunWithNothingSelectedListsOnlyTheFrame) {
    ClickPageButton(ids::ObjectsBtn);
    ClickObjects(ids::DeselectAllWashingListItemsBtn);
    ClickObjects(ids::RunTestBtn);

    ASSERT_TRUE(form->TestWindowShown());
    TTidewellTestWindow* window = form->TestWindow();
    std::vector<std::string> lines = Lines(ui::GetText(window->TestResults()));
    ASSERT_EQ(lines.size(), 9u) << ui::GetText(window->TestResults());
    EXPECT_EQ(lines[0], ">>>>");
    EXPECT_EQ(lines[1].rfind("Tidewell Test Run started ", 0), 0u);
    EXPECT_NE(lines[1].find("(Wash Level \"4L Secure Deletion, Dr Gutmann full 39 steps\")"),
              std::string::npos);
    EXPECT_EQ(lines[2].rfind("Tidewell Test Run completed ", 0), 0u);
    EXPECT_NE(lines[2].find(" 0 items found to wash, total size 0 bytes (0 Kb)"),
              std::string::npos);
    EXPECT_EQ(lines[3], "CLR = cleared but not deleted");
    EXPECT_EQ(lines[4], "DEL = deleted");
    EXPECT_EQ(lines[5], "BLR = cleared and deleted");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Note that no actual clearing or deletion will take place in this test!");
    EXPECT_EQ(lines[8], "<<<<");
    EXPECT_EQ(window->StatusText(),
              "Tidewell Test Run done, 0 items found to wash, total size 0 bytes (0 Kb)");
    EXPECT_EQ(form->ActivePageName(), "Objects");
    EXPECT_FALSE(form->Context().TestRunning);

    // Closing only hides it; leaving the Objects page ends it.
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form->TestWindowShown());
    EXPECT_FALSE(IsWindowVisible(window->Handle()));
    ClickPageButton(ids::TasksBtn);
    EXPECT_FALSE(form->TestWindowShown());
}

TEST_F(MainFormTest, GoRunsTheDriverAndRowsFollowTheRun) {
    SelectOnly({wlitOpera_Cache, wlitOpera_History});
    HWND washList = Control(ids::PageTidewell, ids::WashList);
    ASSERT_EQ(ui::ListCount(washList), 2);
    EXPECT_EQ(ui::ListCell(washList, 0, 2), "wlsNone");

    Click(Control(ids::PageTidewell, ids::ScrubAndGoBtn));

    EXPECT_FALSE(form->Context().Washing);
    EXPECT_EQ(GoCaption(), "Go..");
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::WashProgressLbl)), "Done Washing...");
    EXPECT_EQ(ui::ListCell(washList, 0, 1), "0/0 Kb");
    EXPECT_EQ(ui::ListCell(washList, 0, 2), "wlsComplete");
    EXPECT_EQ(ui::ListCell(washList, 1, 2), "wlsComplete");
    EXPECT_NE(ui::GetText(Control(ids::PageTidewell, ids::LastWashTimeLbl)), "N/A");
}

// Presses Go again as soon as its caption turns to "Stop!", as a user would.
struct SecondPress {
    static HWND go;
    static std::string captionWhenPressed;
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->hwnd == go && call->message == WM_SETTEXT &&
            std::wstring(reinterpret_cast<const wchar_t*>(call->lParam)) == L"Stop!") {
            captionWhenPressed = "Stop!";
            PostMessageW(GetParent(go), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(go), BN_CLICKED),
                         reinterpret_cast<LPARAM>(go));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
HWND SecondPress::go = nullptr;
std::string SecondPress::captionWhenPressed;

TEST_F(MainFormTest, SecondPressOfGoStopsTheRun) {
    SelectOnly({wlitFirefox_Cache, wlitFirefox_History, wlitOpera_Cache, wlitOpera_History});
    SecondPress::go = Control(ids::PageTidewell, ids::ScrubAndGoBtn);
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, &SecondPress::Watch, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    Click(SecondPress::go);
    UnhookWindowsHookEx(hook);

    EXPECT_EQ(SecondPress::captionWhenPressed, "Stop!");
    EXPECT_TRUE(form->Context().StopRequested);
    EXPECT_FALSE(form->Context().Washing);
    EXPECT_EQ(GoCaption(), "Go..");
    HWND washList = Control(ids::PageTidewell, ids::WashList);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(ui::ListCell(washList, row, 2), "wlsScheduled") << row;  // none was reached
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::WashProgressLbl)), "Done Washing...");
}

TEST_F(MainFormTest, StatusListColumnsAndHeaderLabelsFitTheList) {
    WashPageProbe page{Page(ids::PageTidewell)};
    // The first column may be held at 270 for one tick after a rebuild; then it fills the list
    // (while it can be seen).
    ShowWindow(Main(), SW_SHOWNOACTIVATE);
    form->MainTimerTime();
    form->MainTimerTime();
    EXPECT_EQ(page.ColumnWidth(0) + page.ColumnWidth(1) + page.ColumnWidth(2), page.ClientWidth());
    RECT h1 = page.LabelRect(ids::WashListH1), h2 = page.LabelRect(ids::WashListH2);
    RECT h3 = page.LabelRect(ids::WashListH3);
    EXPECT_EQ(h1.right - h1.left, page.ColumnWidth(0));
    EXPECT_EQ(h2.left, h1.right);
    EXPECT_EQ(h2.right - h2.left, page.ColumnWidth(1));
    EXPECT_EQ(h3.left, h2.right + 2);
    RECT bg1 = page.LabelRect(ids::WashListH1Bg);
    EXPECT_EQ(bg1.left, h1.left);
    EXPECT_EQ(bg1.right, h1.right);
}

TEST_F(MainFormTest, DependentControlsFollowTheirSwitchesAndTheOptions) {
    HWND interval = Control(ids::PageTasks, ids::AutoWashTimeIntervalDtp);
    HWND showLog = Control(ids::PageTasks, ids::ShowLogBtn);
    HWND goShutdown = Control(ids::PageTasks, ids::WashAndShutdownBtn);
    EXPECT_FALSE(IsWindowEnabled(interval));
    EXPECT_FALSE(IsWindowEnabled(showLog));
    EXPECT_FALSE(IsWindowEnabled(goShutdown));
    for (int id : {ids::AutoWashTimeIntervalChkBox, ids::LogActivitiesChkBox,
                   ids::WashAndShutdownWindowsChkBox}) {
        HWND box = Control(ids::PageTasks, id);
        ui::SetChecked(box, true);
        Click(box);
    }
    EXPECT_TRUE(IsWindowEnabled(interval));
    EXPECT_TRUE(IsWindowEnabled(showLog));
    EXPECT_TRUE(IsWindowEnabled(goShutdown));
    EXPECT_TRUE(form->Context().Opts.AutoWashTimeInterval);
    EXPECT_TRUE(form->Context().Opts.LogActivities);

    HWND stealth = Control(ids::PageHotKeys, ids::StealthModeChkBox);
    ui::SetChecked(stealth, false);
    Click(stealth);
    EXPECT_FALSE(form->Context().Opts.StealthMode);
    EXPECT_FALSE(IsWindowEnabled(Control(ids::PageHotKeys, ids::StealthModeHotKey)));

    // No user object is highlighted: Edit and Delete wait for one.
    EXPECT_TRUE(IsWindowEnabled(Control(ids::PageObjects, ids::AddWashingListItemBtn)));
    EXPECT_FALSE(IsWindowEnabled(Control(ids::PageObjects, ids::EditWashingListItemBtn)));
    EXPECT_FALSE(IsWindowEnabled(Control(ids::PageObjects, ids::DeleteWashingListItemBtn)));
}

TEST_F(MainFormTest, WashLevelListSetsTheLevelAndItsShortName) {
    HWND levels = Control(ids::PageOptions, ids::WashBlurModeList);
    ASSERT_EQ(ui::ComboCount(levels), 8);
    EXPECT_EQ(ui::ComboSelection(levels), 5);
    ui::SetComboSelection(levels, 1);
    SendMessageW(Page(ids::PageOptions), WM_COMMAND,
                 MAKEWPARAM(ids::WashBlurModeList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(levels));
    EXPECT_EQ(form->Context().Opts.WashLevel, 1);
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::WashBlurModeLbl)),
              "2 #0 Overwrite & Delete");
    EXPECT_EQ(ui::GetText(Control(ids::PageVanish, ids::VanishBlurModeLbl)),
              "2 #0 Overwrite & Delete");
}

// The Tasks, Hot Keys, Options and Vanish pages are made when first shown: until then the
// options stand as loaded, are saved as they were, and the pages show them when they come.
TEST_F(MainFormTest, PagesNotShownYetKeepTheLoadedOptionsAndShowThemWhenFirstShown) {
    form.reset();
    const std::string ini = folder.Path() + "tidewell.ini";
    const std::string options = CurrentUserSectionPrefix() + ".Options";
    const std::pair<const char*, const char*> values[] = {{"LogActivities", "1"},
                                                          {"WashBlurMode", "1"},
                                                          {"CloseAllBrowserWindows", "0"},
                                                          {"StealthModeHotKey", "Ctrl+Alt+S"},
                                                          {"StayInTrayDuringWash", "1"}};
    for (const auto& [key, value] : values)
        ASSERT_TRUE(platform::WriteIniString(ini, options, key, value));

    form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
    ASSERT_TRUE(form->Create());
    EXPECT_EQ(GetDlgItem(Page(ids::PageTasks), ids::LogActivitiesChkBox), nullptr)
        << "built before it was shown";
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::WashBlurModeLbl)),
              "2 #0 Overwrite & Delete");
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    form.reset();
    for (const auto& [key, value] : values)
        EXPECT_EQ(platform::ReadIniString(ini, options, key, "<none>"), value) << key;

    form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
    ASSERT_TRUE(form->Create());
    ClickPageButton(ids::TasksBtn);
    EXPECT_TRUE(ui::IsChecked(GetDlgItem(Page(ids::PageTasks), ids::LogActivitiesChkBox)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Page(ids::PageTasks), ids::ShowLogBtn)));
    ClickPageButton(ids::HotKeysBtn);
    HWND hotKeys = Page(ids::PageHotKeys);
    EXPECT_FALSE(ui::IsChecked(GetDlgItem(hotKeys, ids::CloseAllBrowserWindowsChkBox)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hotKeys, ids::CloseAllBrowserWindowsHotKey)));
    EXPECT_EQ(static_cast<HotKeyCode>(
                  SendMessageW(GetDlgItem(hotKeys, ids::StealthModeHotKey), HKM_GETHOTKEY, 0, 0)),
              TextToShortCut("Ctrl+Alt+S"));
    ClickPageButton(ids::OptionsBtn);
    HWND optionsPage = Page(ids::PageOptions);
    EXPECT_EQ(ui::ComboSelection(GetDlgItem(optionsPage, ids::WashBlurModeList)), 1);
    EXPECT_TRUE(ui::IsChecked(GetDlgItem(optionsPage, ids::StayInTrayDuringWashChkBox)));
    ClickPageButton(ids::VanishBtn);
    EXPECT_EQ(ui::GetText(GetDlgItem(Page(ids::PageVanish), ids::VanishBlurModeLbl)),
              "2 #0 Overwrite & Delete");
    EXPECT_EQ(form->Context().Opts.WashLevel, 1);
    EXPECT_TRUE(form->Context().Opts.LogActivities);
}

// Moves the mouse with the left button held, as a user drags: from `from` by `by`.
void DragWithMouse(POINT from, POINT by) {
    INPUT input[4] = {};
    for (INPUT& i : input)
        i.type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;  // to the start first
    input[0].mi.dx = MulDiv(from.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input[0].mi.dy = MulDiv(from.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_MOVE;
    input[2].mi.dx = by.x;
    input[2].mi.dy = by.y;
    input[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    for (INPUT& i : input) {
        SendInput(1, &i, sizeof(INPUT));
        Sleep(50);
        ui::PumpPendingMessages(nullptr, nullptr);
    }
}

RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
}

// Wine without a window manager moves a window a second time after the program moves it, so
// the test checks the direction of a move, not its size.
RECT SettledWindowRect(HWND window) {
    for (int i = 0; i < 6; ++i) {
        Sleep(50);
        ui::PumpPendingMessages(nullptr, nullptr);
    }
    return WindowRect(window);
}

TEST_F(MainFormTest, DraggingTheBackgroundMovesTheWindowAndAPageDoesNot) {
    form->Show();
    RECT before = SettledWindowRect(Main());
    // The title strip between the logo and the caption is background.
    DragWithMouse(POINT{before.left + 210, before.top + 24}, POINT{30, 20});
    RECT after = SettledWindowRect(Main());
    EXPECT_GT(after.left, before.left);
    EXPECT_GT(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(form->DragAnchorX, 0);
    EXPECT_EQ(GetCapture(), nullptr);

    // An empty spot of the wash page, right of its heading.
    DragWithMouse(POINT{after.left + 560, after.top + 76}, POINT{30, 20});
    RECT unchanged = SettledWindowRect(Main());
    EXPECT_EQ(unchanged.left, after.left);
    EXPECT_EQ(unchanged.top, after.top);
}

TEST_F(MainFormTest, BothMouseButtonsAtOnceHideTheProgram) {
    ShowWindow(Main(), SW_SHOWNOACTIVATE);
    SendMessageW(Main(), WM_HOOKMOUSE, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(form->LeftButtonDown);
    SendMessageW(Main(), WM_HOOKMOUSE, WM_MOUSEMOVE, 0);  // other messages change nothing
    SendMessageW(Main(), WM_HOOKMOUSE, WM_LBUTTONUP, 0);
    EXPECT_FALSE(form->LeftButtonDown);
    SendMessageW(Main(), WM_HOOKMOUSE, WM_NCRBUTTONDOWN, 0);
    EXPECT_TRUE(form->RightButtonDown);
    EXPECT_TRUE(IsWindowVisible(Main()));
    SendMessageW(Main(), WM_HOOKMOUSE, WM_NCLBUTTONDOWN, 0);
    EXPECT_FALSE(form->LeftButtonDown);
    EXPECT_FALSE(form->RightButtonDown);
    EXPECT_FALSE(IsWindowVisible(Main()));
}

// Answers the skinned message box as soon as it is open: IDCANCEL is its last button ("No"),
// IDOK the focused or first one ("Yes").
struct BoxAnswer {
    static WPARAM answer;
    static std::string text;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(ui::TMessageDlgBox::kClassName, nullptr);
        if (!box)
            return;
        KillTimer(nullptr, timer);
        text = ui::GetText(box);
        PostMessageW(box, WM_COMMAND, answer, 0);
    }
};
WPARAM BoxAnswer::answer = IDCANCEL;
std::string BoxAnswer::text;

TEST_F(MainFormTest, QuitAsksAndNoKeepsTheProgramRunning) {
    BoxAnswer::answer = IDCANCEL;
    SetTimer(nullptr, 0, 50, &BoxAnswer::Tick);
    ClickPageButton(ids::QuitBtn);
    EXPECT_TRUE(IsWindow(Main()));
    EXPECT_EQ(FindWindowW(ui::TMessageDlgBox::kClassName, nullptr), nullptr);
}

TEST_F(MainFormTest, QuitAnsweredYesShowsTheAboutBoxAndCloses) {
    BoxAnswer::answer = IDOK;
    SetTimer(nullptr, 0, 50, &BoxAnswer::Tick);
    HWND main = Main();
    DWORD started = GetTickCount();
    ClickPageButton(ids::QuitBtn);
    EXPECT_GE(GetTickCount() - started, 2000u) << "the about box shows for two seconds";
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(FindWindowW(ui::TAboutBox::kClassName, nullptr), nullptr);
    // The close steps saved the settings.
    EXPECT_TRUE(platform::FileExists(folder.Path() + "tidewell.ini"));
}

// Whatever the real hot-key box makes of a key pressed in it (numeric pad and other extended
// keys too) is written to the settings as a text that reads back as the same hot key.
TEST_F(MainFormTest, EveryKeyTheHotKeyBoxTakesSurvivesTheSettingsText) {
    HWND box = Control(ids::PageHotKeys, ids::StealthModeHotKey);
    ASSERT_NE(box, nullptr);
    int taken = 0;
    for (int vk = 1; vk < 256; ++vk) {
        if ((vk >= VK_SHIFT && vk <= VK_MENU) || (vk >= VK_LSHIFT && vk <= VK_RMENU))
            continue;  // the modifiers themselves
        for (LPARAM extended : {LPARAM{0}, LPARAM{1} << 24}) {
            SendMessageW(box, HKM_SETHOTKEY, 0, 0);
            SendMessageW(box, WM_KEYDOWN, static_cast<WPARAM>(vk), extended | 1);
            auto code = static_cast<HotKeyCode>(SendMessageW(box, HKM_GETHOTKEY, 0, 0));
            if ((code & 0xFF) == 0)
                continue;  // the box did not take it
            ++taken;
            std::string text = ShortCutToText(code);
            EXPECT_FALSE(text.empty()) << std::hex << code;
            EXPECT_EQ(TextToShortCut(text), code) << text;
        }
    }
    EXPECT_GT(taken, 200);
}

TEST(SkinTest, AFileInTheIFolderReplacesThePicture) {
    testing_support::TempFolder folder;
    // A 3 x 2 bitmap file: the file header, the start of the information header (size 40,
    // width 3, height 2, one plane, 24 bits) and its zero rest, then two rows of 12 bytes.
    std::string bmp = std::string("BM") + std::string("\x4E\0\0\0\0\0\0\0\x36\0\0\0", 12) +
                      std::string("\x28\0\0\0\x03\0\0\0\x02\0\0\0\x01\0\x18\0", 16) +
                      std::string(24, '\0') + std::string(24, '\x7F');
    folder.AddFile("I\\but_up.bmp", bmp);
    ui::SkinPicture file = LoadSkinPicture(folder.Path(), "but_up.bmp", L"But_Up", false);
    EXPECT_EQ(file.width, 3);
    EXPECT_EQ(file.height, 2);
    ui::SkinPicture resource = LoadSkinPicture(folder.Path(), "but_down.bmp", L"But_Down", false);
    EXPECT_EQ(resource.width, 120);
    EXPECT_TRUE(resource.alpha);
    ui::SkinPicture lowColour = LoadSkinPicture(folder.Path(), "but_down.bmp", L"But_Down", true);
    EXPECT_EQ(lowColour.width, 120);
    EXPECT_FALSE(lowColour.alpha);
    EXPECT_TRUE(LoadSkinPicture(folder.Path(), "x.bmp", L"No_Such_Picture", false).Empty());
}

}  // namespace
