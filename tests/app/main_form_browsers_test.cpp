// The main window in this process with fake_browsers.exe in another: the hot-key boxes, the
// hot-key actions, stealth mode and the browsers shown again when the window closes.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "support/fake_browsers_process.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

namespace {

using testing_support::FakeBrowsers;

constexpr HotKeyCode kCtrlF10 = 0x0279;
constexpr HotKeyCode kCtrlF11 = 0x027A;
constexpr HotKeyCode kAltF9 = (HOTKEYF_ALT << 8) | VK_F9;
constexpr HotKeyCode kAltF8 = (HOTKEYF_ALT << 8) | VK_F8;

std::string HelperProgram() {
    std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
    return (drive.empty() ? std::string("T:\\") : drive) + "fake_browsers.exe";
}

bool BecomesVisible(HWND window, bool visible, TMainForm& form) {
    for (int i = 0; i < 300; ++i) {
        if ((IsWindowVisible(window) != FALSE) == visible)
            return true;
        form.ProcessMessages();
        Sleep(10);
    }
    return false;
}

bool TrayIconExists(HWND main) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
    icon.hWnd = main;
    icon.uID = TMainForm::kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

// Whether another registration of the combination would succeed now.
bool CombinationFree(UINT modifiers, UINT key) {
    if (!RegisterHotKey(nullptr, 77, modifiers, key))
        return false;
    UnregisterHotKey(nullptr, 77);
    return true;
}

class MainFormBrowsersTest : public ::testing::Test {
  protected:
    void StartFake(FakeBrowsers& fake, const std::string& scenario) {
        ASSERT_TRUE(fake.Start(HelperProgram(), scenario)) << scenario;
    }
    void CreateForm() {
        // No wash when the last browser closes: these tests close browsers and must not wash.
        SettingsFiles files = SettingsFilesIn(folder.Path());
        platform::WriteIniString(files.Ini, CurrentUserSectionPrefix() + ".Options",
                                 "AutoWashAfterBrowsersCloses", "0");
        form = std::make_unique<TMainForm>(flags, files);
        ASSERT_TRUE(form->Create());
        form->Show();
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    HWND Main() const { return form->Handle(); }
    HWND HotKeysControl(int id) const { return form->PageControl(ids::PageHotKeys, id); }
    // A key pressed and released in a hot-key box, as the message loop hands it to the window
    // first (the box's own handling of the key is left out: its value is set beforehand).
    void TypeInto(HWND box, HotKeyCode value) {
        ASSERT_TRUE(SetFocus(box) != nullptr || GetFocus() == box);
        SendMessageW(box, HKM_SETHOTKEY, value, 0);
        MSG down{box, WM_KEYDOWN, VK_F9, 0x00430001, 0, {}};
        form->PreTranslate(down);
        MSG up{box, WM_KEYUP, VK_F9, static_cast<LPARAM>(0xC0430001u), 0, {}};
        form->PreTranslate(up);
    }
    HotKeyCode BoxValue(HWND box) const {
        return static_cast<HotKeyCode>(SendMessageW(box, HKM_GETHOTKEY, 0, 0));
    }

    testing_support::TempFolder folder;
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

TEST_F(MainFormBrowsersTest, AShortcutTakenByAnotherProgramKeepsThePreviousOne) {
    FakeBrowsers holder;  // holds Alt+F9
    StartFake(holder, "hold");
    CreateForm();
    HWND box = HotKeysControl(ids::CloseAllBrowserWindowsHotKey);
    EXPECT_EQ(form->RegisteredHotKeys[0], kCtrlF10);

    TypeInto(box, kAltF9);
    EXPECT_EQ(form->RegisteredHotKeys[0], kCtrlF10);
    EXPECT_EQ(BoxValue(box), kCtrlF10) << "the box shows the hot key in force";
    EXPECT_EQ(form->Context().Opts.CloseAllBrowserWindowsHotKey, kCtrlF10);
    EXPECT_FALSE(CombinationFree(MOD_CONTROL, VK_F10)) << "still registered";

    // A free combination takes over, and the old one is given back to the system.
    TypeInto(box, kAltF8);
    EXPECT_EQ(form->RegisteredHotKeys[0], kAltF8);
    EXPECT_EQ(BoxValue(box), kAltF8);
    EXPECT_TRUE(CombinationFree(MOD_CONTROL, VK_F10));
    EXPECT_FALSE(CombinationFree(MOD_ALT, VK_F8));

    // An empty box is no hot key at all.
    TypeInto(box, 0);
    EXPECT_EQ(form->RegisteredHotKeys[0], 0);
    EXPECT_TRUE(CombinationFree(MOD_ALT, VK_F8));
}

TEST_F(MainFormBrowsersTest, TheHideShowKeyAlternatesAndDoesNothingWhileABoxIsEdited) {
    FakeBrowsers fake;
    StartFake(fake, "late");
    CreateForm();
    HWND late = fake.Window("late");
    ASSERT_EQ(form->BrowserWindowLines().Lines().size(), 1u);

    HWND box = HotKeysControl(ids::HideShowAllBrowserWindowsHotKey);
    ASSERT_TRUE(SetFocus(box) != nullptr || GetFocus() == box);
    MSG down{box, WM_KEYDOWN, VK_CONTROL, 0x001D0001, 0, {}};
    form->PreTranslate(down);
    ASSERT_TRUE(form->HotKeyEditing);
    SendMessageW(Main(), WM_HOTKEY, 2, 0);
    SendMessageW(Main(), WM_HOTKEY, 3, 0);
    EXPECT_FALSE(BecomesVisible(late, false, *form)) << "hidden while the box was edited";
    EXPECT_FALSE(form->StealthActive);
    EXPECT_FALSE(form->BrowsersHidden);
    MSG up{box, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC01D0001u), 0, {}};
    form->PreTranslate(up);
    EXPECT_FALSE(form->HotKeyEditing);
    EXPECT_EQ(form->RegisteredHotKeys[1], kCtrlF11);

    SendMessageW(Main(), WM_HOTKEY, 2, 0);
    EXPECT_TRUE(BecomesVisible(late, false, *form));
    EXPECT_TRUE(form->BrowsersHidden);
    SendMessageW(Main(), WM_HOTKEY, 2, 0);
    EXPECT_TRUE(BecomesVisible(late, true, *form));
    EXPECT_FALSE(form->BrowsersHidden);

    // Switched off on the page: the key does nothing.
    HWND check = HotKeysControl(ids::HideShowAllBrowserWindowsChkBox);
    ui::SetChecked(check, false);
    SendMessageW(GetParent(check), WM_COMMAND,
                 MAKEWPARAM(ids::HideShowAllBrowserWindowsChkBox, BN_CLICKED),
                 reinterpret_cast<LPARAM>(check));
    SendMessageW(Main(), WM_HOTKEY, 2, 0);
    EXPECT_FALSE(BecomesVisible(late, false, *form));
}

TEST_F(MainFormBrowsersTest, StealthModeOffRestoresTheTitleAndTheTrayIcon) {
    CreateForm();
    ASSERT_TRUE(TrayIconExists(Main()));
    SendMessageW(Main(), WM_HOTKEY, 3, 0);
    EXPECT_TRUE(form->StealthActive);
    EXPECT_EQ(ui::GetText(Main()), "");
    EXPECT_FALSE(IsWindowVisible(Main()));
    EXPECT_FALSE(TrayIconExists(Main()));
    EXPECT_FALSE(form->TrayIconShown());

    SendMessageW(Main(), WM_HOTKEY, 3, 0);
    EXPECT_FALSE(form->StealthActive);
    EXPECT_EQ(ui::GetText(Main()), "Tidewell 2.4 release 3");
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_TRUE(TrayIconExists(Main()));
    EXPECT_TRUE(form->TrayIconShown());
}

TEST_F(MainFormBrowsersTest, TheTrayIconAdvancesOneImagePerTickWhileABrowserRuns) {
    CreateForm();
    int first = form->TrayIconFrame();
    form->MainTimerTime();
    EXPECT_EQ(form->TrayIconFrame(), first) << "no browser runs";
    FakeBrowsers fake;
    StartFake(fake, "late");
    SendMessageW(Main(), WM_BROWSERWINDOW, 1, reinterpret_cast<LPARAM>(fake.Window("late")));
    form->MainTimerTime();
    form->MainTimerTime();
    EXPECT_EQ(form->TrayIconFrame(), first + 2);
    for (int i = 0; i < 40; ++i)
        form->MainTimerTime();
    int last = form->TrayIconFrame();
    form->MainTimerTime();
    EXPECT_EQ(form->TrayIconFrame(), last) << "the last image stays";
    EXPECT_GT(last, first + 2);
}

TEST_F(MainFormBrowsersTest, ClosingTheWindowShowsHiddenBrowsersAgain) {
    FakeBrowsers fake;
    StartFake(fake, "late");
    CreateForm();
    HWND late = fake.Window("late");
    SendMessageW(Main(), WM_HOTKEY, 2, 0);
    ASSERT_TRUE(BecomesVisible(late, false, *form));
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(BecomesVisible(late, true, *form));
}

TEST_F(MainFormBrowsersTest, TheCloseKeyClosesTheListedBrowsersAndTheListEmpties) {
    FakeBrowsers fake;
    StartFake(fake, "late");
    CreateForm();
    HWND late = fake.Window("late");
    SendMessageW(Main(), WM_HOTKEY, 2, 0);  // hidden first: closing clears that
    ASSERT_TRUE(form->BrowsersHidden);
    SendMessageW(Main(), WM_HOTKEY, 1, 0);
    EXPECT_FALSE(IsWindow(late));
    EXPECT_FALSE(form->BrowsersHidden);
    EXPECT_TRUE(fake.WaitForExit(5000));
    EXPECT_TRUE(form->BrowserWindowLines().Lines().empty()) << "the closed window's line went";
}

}  // namespace
