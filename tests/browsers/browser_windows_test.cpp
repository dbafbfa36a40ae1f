// The browser window list against real windows of the browsers' classes in another process:
// what the walk and the hook reports list, and that hiding, showing and closing touch listed
// windows only.
#include "browsers/browser_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/system.h"
#include "platform/text.h"
#include "support/fake_browsers_process.h"

namespace {

using testing_support::FakeBrowsers;

// The windows of the scenario "all" that the walk lists: one of every detector of the walk.
const char* const kListed[] = {"ie",         "folder",   "mozilla",    "mozilla-ui",
                               "opera",      "mainform", "opera-long", "netscape-titled",
                               "mainform-a", "avant",    "enigma",     "slim"};

std::string HelperProgram() {
    const char* drive = std::getenv("TIDEWELL_TEST_BUILD_DRIVE");
    return std::string(drive && *drive ? drive : "T:\\") + "fake_browsers.exe";
}

void PumpOwnMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

std::string LineOf(HWND window, const std::string& value) {
    return BrowserWindowList::NameOf(
               static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window))) +
           "=" + value;
}

bool Listed(const BrowserWindows& browsers, HWND window) {
    return browsers.List().Contains(
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)));
}

// The other process shows and hides its windows when it gets to its messages.
bool BecomesVisible(HWND window, bool visible) {
    for (int i = 0; i < 200; ++i) {
        if ((IsWindowVisible(window) != FALSE) == visible)
            return true;
        Sleep(10);
    }
    return false;
}

class BrowserWindowsTest : public ::testing::Test {
  protected:
    void Start(FakeBrowsers& fake, const std::string& scenario) {
        ASSERT_TRUE(fake.Start(HelperProgram(), scenario)) << scenario;
    }
    BrowserWindows browsers{PumpOwnMessages};
};

TEST_F(BrowserWindowsTest, TheWalkListsEveryBrowserFrameOnceWithItsClassAndCaption) {
    FakeBrowsers fake;
    Start(fake, "all");
    browsers.FindBrowsers();
    browsers.FindBrowsers();  // a window already listed is not added again

    std::vector<std::string> lines = browsers.List().Lines();
    std::vector<std::string> expected = {
        LineOf(fake.Window("ie"), "ieframe Example page - Internet Explorer"),
        LineOf(fake.Window("folder"), "cabinetwclass My Documents"),
        LineOf(fake.Window("mozilla"), "mozillawindowclass Example page - Mozilla Firefox"),
        LineOf(fake.Window("mozilla-ui"), "mozillauiwindowclass Inbox - Mozilla Thunderbird"),
        LineOf(fake.Window("opera"), "opwindow Opera"),
        LineOf(fake.Window("mainform"), "tfrmmain Main form browser"),
        LineOf(fake.Window("netscape-titled"), "ns_ae_windowclass Netscape"),
        LineOf(fake.Window("mainform-a"), "tfrmbrowsermain Main form A"),
        LineOf(fake.Window("avant"), "tfrmavantbrowser Avant Browser"),
        LineOf(fake.Window("enigma"), "enigma browser mainframe Enigma"),
        LineOf(fake.Window("slim"), "slimbrowser mainframe SlimBrowser"),
    };
    // The long caption: the first 1023 characters of the get-text buffer, as UTF-8.
    std::wstring longCaption;
    for (int i = 0; i < 1023; ++i)
        longCaption += (i % 2) ? L'\x4E16' : L'\x00E9';
    expected.push_back(
        LineOf(fake.Window("opera-long"), "opwindow " + platform::WideToUtf8(longCaption)));
    for (const std::string& line : expected)
        EXPECT_EQ(std::count(lines.begin(), lines.end(), line), 1) << line.substr(0, 60);
    EXPECT_EQ(lines.size(), expected.size());

    // Not by the walk: a page (its frame stands for it), a Mozilla or Netscape window without
    // a caption, a disabled frame-style window, an Opera window without the frame style, and a
    // window of no browser.
    for (const char* name :
         {"ie-page", "mozilla-bare", "netscape", "disabled", "other", "opera-frameless"})
        EXPECT_FALSE(Listed(browsers, fake.Window(name))) << name;
    EXPECT_TRUE(browsers.BrowserIsRunning());
}

TEST_F(BrowserWindowsTest, HookReportsAddCaptionlessWindowsWithQuestionMarksAndPagesByFrame) {
    FakeBrowsers fake;
    Start(fake, "all");
    browsers.RegisterBrowserWindow(fake.Window("mozilla-bare"));
    browsers.RegisterBrowserWindow(fake.Window("netscape"));
    browsers.RegisterBrowserWindow(fake.Window("ie-page"));
    browsers.RegisterBrowserWindow(fake.Window("ie"));  // the frame itself: the same line
    browsers.RegisterBrowserWindow(fake.Window("folder"));
    // Ignored: a disabled frame-style window, no browser, no window at all.
    browsers.RegisterBrowserWindow(fake.Window("disabled"));
    browsers.RegisterBrowserWindow(fake.Window("other"));
    browsers.RegisterBrowserWindow(nullptr);
    browsers.RegisterBrowserWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7654321)));

    std::vector<std::string> expected = {
        LineOf(fake.Window("mozilla-bare"), "mozillawindowclass ????"),
        LineOf(fake.Window("netscape"), "ns_ae_windowclass ????"),
        LineOf(fake.Window("ie"), "ieframe Example page - Internet Explorer"),
        LineOf(fake.Window("folder"), "cabinetwclass My Documents"),
    };
    EXPECT_EQ(browsers.List().Lines(), expected);

    browsers.ForgetBrowserWindow(fake.Window("netscape"));
    browsers.ForgetBrowserWindow(fake.Window("other"));  // not listed: nothing happens
    browsers.ForgetBrowserWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7654321)));
    EXPECT_EQ(browsers.List().Lines().size(), 3u);
    EXPECT_FALSE(Listed(browsers, fake.Window("netscape")));
}

TEST_F(BrowserWindowsTest, HideAndShowActOnListedWindowsOnly) {
    FakeBrowsers fake;
    Start(fake, "all");
    browsers.FindBrowsers();
    FakeBrowsers late;  // an Opera window that came after the walk and was never reported
    Start(late, "late");

    browsers.HideBrowsers();
    browsers.HideBrowsers();
    for (const char* name : kListed)
        EXPECT_TRUE(BecomesVisible(fake.Window(name), false)) << name;
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(late.Window("late")));
    for (const char* name : {"mozilla-bare", "disabled", "other", "opera-frameless"})
        EXPECT_TRUE(IsWindowVisible(fake.Window(name))) << name;

    browsers.ShowBrowsers();
    for (const char* name : kListed)
        EXPECT_TRUE(BecomesVisible(fake.Window(name), true)) << name;
}

TEST_F(BrowserWindowsTest, CloseClosesEveryListedWindowAndNothingElse) {
    FakeBrowsers fake;
    Start(fake, "all");
    browsers.FindBrowsers();
    FakeBrowsers late;
    Start(late, "late");

    unsigned long long start = platform::MillisecondsSinceStart();
    browsers.CloseBrowsers();
    unsigned long long took = platform::MillisecondsSinceStart() - start;
    for (const char* name : kListed)
        EXPECT_FALSE(IsWindow(fake.Window(name))) << name;

    EXPECT_TRUE(IsWindow(late.Window("late")));
    for (const char* name : {"mozilla-bare", "disabled", "netscape", "other", "opera-frameless"})
        EXPECT_TRUE(IsWindow(fake.Window(name))) << name;
    EXPECT_FALSE(browsers.BrowserIsRunning()) << "the lines of the closed windows are pruned";
    EXPECT_TRUE(browsers.List().Empty());
    EXPECT_LT(took, 3000u) << "windows that close at once cost no deadline";
}

TEST_F(BrowserWindowsTest, APromptIsClosedByItsButtonsBeforeItsOwner) {
    FakeBrowsers fake;
    Start(fake, "prompt");
    ASSERT_NE(fake.Window("dialog"), nullptr);
    browsers.FindBrowsers();
    ASSERT_TRUE(Listed(browsers, fake.Window("owner")));

    browsers.CloseBrowsers();
    EXPECT_FALSE(IsWindow(fake.Window("owner")));
    EXPECT_TRUE(fake.WaitForExit(5000));
    std::vector<std::string> expected = {"dialog closed by command 7",
                                         "destroyed owner dialog-gone"};
    EXPECT_EQ(fake.Events(), expected);
}

TEST_F(BrowserWindowsTest, AWindowThatIgnoresClosingCostsAboutThreeSecondsAndTheWalkGoesOn) {
    FakeBrowsers fake;
    Start(fake, "ignore");
    browsers.FindBrowsers();
    ASSERT_EQ(browsers.List().Lines().size(), 2u);

    unsigned long long start = platform::MillisecondsSinceStart();
    browsers.CloseBrowsers();
    unsigned long long took = platform::MillisecondsSinceStart() - start;
    EXPECT_GE(took, 3000u);
    EXPECT_LT(took, 4500u);
    EXPECT_TRUE(IsWindow(fake.Window("stubborn")));
    EXPECT_FALSE(IsWindow(fake.Window("opera")));
    EXPECT_TRUE(browsers.BrowserIsRunning());
    std::vector<std::string> events = fake.Events();
    EXPECT_GT(std::count(events.begin(), events.end(), "ignored close"), 5);
}

TEST_F(BrowserWindowsTest, WindowsThatVanishAfterTheWalkAreIgnored) {
    FakeBrowsers fake;
    Start(fake, "all");
    browsers.FindBrowsers();
    ASSERT_FALSE(browsers.List().Empty());
    HWND ie = fake.Window("ie");
    fake.End();
    ASSERT_FALSE(IsWindow(ie));

    browsers.HideBrowsers();
    browsers.ShowBrowsers();
    browsers.CloseBrowsers();
    browsers.RegisterBrowserWindow(ie);
    EXPECT_FALSE(browsers.BrowserIsRunning());
    EXPECT_TRUE(browsers.List().Empty());
}

}  // namespace
