// Tidewell.exe and fake_browsers.exe as two processes: the hot keys pressed on the keyboard,
// the boss key and the hook reports as the hook library sends them, a wash that closes the
// browsers, and the wash after the last browser closes.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/control_ids.h"
#include "catalogue/settings.h"
#include "catalogue/wash_object_types.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "running_program.h"
#include "support/fake_browsers_process.h"

namespace {

using testing_support::FakeBrowsers;

constexpr UINT kBrowserWindow = 0x2401;
constexpr UINT kHookMouse = 0x2403;
const char* const kListed[] = {"ie", "folder", "mozilla", "mozilla-ui", "opera", "mainform"};

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// Polls until the window has the visibility; the other process acts when it gets to it.
bool BecomesVisible(HWND window, bool visible, DWORD milliseconds = 5000) {
    DWORD start = GetTickCount();
    do {
        if ((IsWindowVisible(window) != FALSE) == visible)
            return true;
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
    return false;
}

bool Vanishes(HWND window, DWORD milliseconds = 10000) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && GetTickCount() - start < milliseconds)
        Sleep(10);
    return !IsWindow(window);
}

// A key combination typed on the keyboard: Ctrl held, the key pressed and released.
void PressCtrlAnd(WORD key) {
    INPUT keys[4] = {};
    for (INPUT& k : keys)
        k.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_CONTROL;
    keys[1].ki.wVk = key;
    keys[2].ki.wVk = key;
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    keys[3].ki.wVk = VK_CONTROL;
    keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
}

bool Answers(HWND main) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

class BrowserControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(e2e::MainWindowCount(), 0) << "a Tidewell still runs";
        // Only the clipboard is washed: each wash writes one object line to the log.
        for (int type = 0; type < kBuiltInTypeCount; ++type)
            Option(std::string(TypeInfo(static_cast<TWashListItemType>(type)).identifier),
                   type == wlitWin_Clipboard ? "1" : "0");
        Option("LogActivities", "1");
        Option("AutoWashAfterBrowsersCloses", "0");
    }
    void Option(const std::string& name, const std::string& value) {
        platform::WriteIniString(program.Path() + "tidewell.ini",
                                 CurrentUserSectionPrefix() + ".Options", name, value);
    }
    void StartFake(FakeBrowsers& fake, const std::string& scenario) {
        ASSERT_TRUE(fake.Start(e2e::BuildDrive() + "fake_browsers.exe", scenario)) << scenario;
    }
    HWND StartTidewell() {
        if (!tidewell.Start(program.Tidewell()))
            return nullptr;
        return e2e::WaitForMainWindow(20000);
    }
    std::string Log() const { return ReadText(program.Path() + "tidewell.log"); }

    e2e::ProgramFolder program;
    e2e::RunningProgram tidewell;
};

TEST_F(BrowserControlTest, HotKeysHideAndShowInTurnThenCloseTheListedBrowsers) {
    FakeBrowsers fake;
    StartFake(fake, "all");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    // Tidewell holds its three combinations: no one else can have them now.
    for (WORD key : {VK_F10, VK_F11, VK_F12}) {
        EXPECT_FALSE(RegisterHotKey(nullptr, 99, MOD_CONTROL, key)) << key;
        UnregisterHotKey(nullptr, 99);
    }

    PressCtrlAnd(VK_F11);
    for (const char* name : kListed)
        EXPECT_TRUE(BecomesVisible(fake.Window(name), false)) << name;
    EXPECT_TRUE(IsWindowVisible(fake.Window("mozilla-bare"))) << "not listed, left alone";
    EXPECT_TRUE(IsWindowVisible(fake.Window("disabled")));

    PressCtrlAnd(VK_F11);
    for (const char* name : kListed)
        EXPECT_TRUE(BecomesVisible(fake.Window(name), true)) << name;

    PressCtrlAnd(VK_F10);
    for (const char* name : kListed)
        EXPECT_TRUE(Vanishes(fake.Window(name))) << name;
    EXPECT_TRUE(IsWindow(fake.Window("mozilla-bare")));
    EXPECT_TRUE(IsWindow(fake.Window("other")));
}

TEST_F(BrowserControlTest, AWindowReportedByTheHookIsListedAndBadReportsAreIgnored) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    // Reports of no window, of the program itself, of an unknown kind.
    PostMessageW(main, kBrowserWindow, 1, 0x7654321);
    PostMessageW(main, kBrowserWindow, 2, 0);
    PostMessageW(main, kBrowserWindow, 1, reinterpret_cast<LPARAM>(main));
    PostMessageW(main, kBrowserWindow, 9, 0x1234);
    ASSERT_TRUE(Answers(main));

    FakeBrowsers late;  // opened after the start-up walk: only the hook library reports it
    StartFake(late, "late");
    Sleep(500);
    PressCtrlAnd(VK_F11);
    EXPECT_TRUE(BecomesVisible(late.Window("late"), false));
    PressCtrlAnd(VK_F11);
    EXPECT_TRUE(BecomesVisible(late.Window("late"), true));
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(BrowserControlTest, BothMouseButtonsHideTheProgramAndTheBrowsers) {
    FakeBrowsers fake;
    StartFake(fake, "late");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, kHookMouse, WM_LBUTTONDOWN, 0);
    PostMessageW(main, kHookMouse, WM_NCRBUTTONDOWN, 0);
    EXPECT_TRUE(BecomesVisible(main, false));
    EXPECT_TRUE(BecomesVisible(fake.Window("late"), false));
}

TEST_F(BrowserControlTest, BothMouseButtonsHideTheProgramEvenWithTheHideShowOptionOff) {
    Option("HideShowAllBrowserWindows", "0");
    FakeBrowsers fake;
    StartFake(fake, "late");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, kHookMouse, WM_RBUTTONDOWN, 0);
    PostMessageW(main, kHookMouse, WM_MOUSEMOVE, 0);  // changes nothing
    PostMessageW(main, kHookMouse, WM_LBUTTONDOWN, 0);
    EXPECT_TRUE(BecomesVisible(main, false));
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(fake.Window("late"))) << "the browsers are left as they are";
}

TEST_F(BrowserControlTest, StealthModeHidesTheProgramAndItsTitleAndBringsThemBack) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PressCtrlAnd(VK_F12);
    ASSERT_TRUE(BecomesVisible(main, false));
    EXPECT_EQ(e2e::WindowText(main), "");
    PressCtrlAnd(VK_F12);
    ASSERT_TRUE(BecomesVisible(main, true));
    EXPECT_EQ(e2e::WindowText(main), kProgramTitle);
}

TEST_F(BrowserControlTest, AWashClosesTheBrowsersAndGoesOnWhenOneStaysOpen) {
    FakeBrowsers fake;
    StartFake(fake, "ignore");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    HWND go = e2e::FindControl(main, ids::ScrubAndGoBtn);
    ASSERT_NE(go, nullptr);
    unsigned long long start = platform::MillisecondsSinceStart();
    e2e::PostClick(go);
    ASSERT_TRUE(e2e::WaitUntil(
        10000, [](HWND b) { return e2e::WindowText(b) == "Stop!"; }, go));
    ASSERT_TRUE(e2e::WaitUntil(
        30000, [](HWND b) { return e2e::WindowText(b) == "Go.."; }, go));
    unsigned long long took = platform::MillisecondsSinceStart() - start;

    EXPECT_FALSE(IsWindow(fake.Window("opera")));
    EXPECT_TRUE(IsWindow(fake.Window("stubborn")));
    EXPECT_LT(took, 10000u) << "the stubborn window costs about three seconds, not more";
    std::string log = Log();
    std::size_t error = log.find(" Error: Unable to close all browsers\r\n");
    ASSERT_NE(error, std::string::npos) << log;
    EXPECT_NE(log.find("}\r\n", error), std::string::npos) << "the wash went on after it";
}

TEST_F(BrowserControlTest, TheLastBrowserClosingStartsExactlyOneWash) {
    Option("AutoWashAfterBrowsersCloses", "1");
    FakeBrowsers fake;
    StartFake(fake, "late");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    Sleep(1500);  // a tick sees the browser running
    EXPECT_EQ(Count(Log(), "}\r\n"), 0) << "no wash while it runs";

    PostMessageW(fake.Window("late"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(fake.WaitForExit(5000));
    DWORD start = GetTickCount();
    while (Count(Log(), "}\r\n") == 0 && GetTickCount() - start < 10000)
        Sleep(50);
    EXPECT_EQ(Count(Log(), "}\r\n"), 1);
    Sleep(3000);  // more ticks without a browser
    EXPECT_EQ(Count(Log(), "}\r\n"), 1) << "one wash, not one per tick";
    EXPECT_NE(e2e::WindowText(e2e::FindControl(main, ids::LastWashTimeLbl)), "N/A");
}

}  // namespace
