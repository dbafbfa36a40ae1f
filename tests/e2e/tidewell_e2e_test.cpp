// Tidewell.exe as a process, driven as Windows and other programs drive it: a second start,
// window messages, the tray callback, keys, the registered uninstaller.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/control_ids.h"
#include "app/startup.h"
#include "catalogue/settings.h"
#include "catalogue/wash_object_types.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "running_program.h"
#include "support/child_process.h"
#include "support/scoped_registry_key.h"

namespace {

constexpr UINT kTrayMessage = WM_USER + 1;
constexpr DWORD kStartTime = 20000;

bool Hidden(HWND window) {
    return !IsWindowVisible(window);
}
bool Shown(HWND window) {
    return IsWindowVisible(window) && !IsIconic(window);
}
bool Gone(HWND window) {
    return !IsWindow(window);
}
bool CaptionIsStop(HWND button) {
    return e2e::WindowText(button) == "Stop!";
}
bool CaptionIsGo(HWND button) {
    return e2e::WindowText(button) == "Go..";
}

void PostInsertKey(HWND main) {
    PostMessageW(main, WM_KEYDOWN, VK_INSERT, 0x01520001);
    PostMessageW(main, WM_KEYUP, VK_INSERT, static_cast<LPARAM>(0xC1520001u));
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Waits for the uninstaller stand-in's record: its parameters and its current folder.
std::vector<std::string> WaitForRecord(const std::string& folder) {
    std::string record = folder + "recorded.txt";
    for (int i = 0; i < 400 && !platform::FileExists(record); ++i)
        Sleep(25);
    Sleep(100);
    std::vector<std::string> lines;
    std::istringstream in(ReadText(record));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class TidewellProcessTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(e2e::MainWindowCount(), 0) << "a Tidewell still runs"; }
    HWND StartTidewell(const std::string& arguments = "") {
        if (!first.Start(program.Tidewell(), arguments))
            return nullptr;
        return e2e::WaitForMainWindow(kStartTime);
    }

    e2e::ProgramFolder program;
    e2e::RunningProgram first;
};

TEST_F(TidewellProcessTest, SecondStartBringsTheFirstBackAndEnds) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(ids::MinimizeBtn, BN_CLICKED),
                 reinterpret_cast<LPARAM>(e2e::FindControl(main, ids::MinimizeBtn)));
    ASSERT_TRUE(e2e::WaitUntil(
        5000, [](HWND w) { return IsIconic(w) != FALSE; }, main));

    auto second = testing_support::RunChildProcess("\"" + program.Tidewell() + "\"", "", 15000);
    ASSERT_TRUE(second.started);
    EXPECT_FALSE(second.timedOut);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_TRUE(e2e::WaitUntil(5000, Shown, main));
    EXPECT_EQ(e2e::MainWindowCount(), 1);
    EXPECT_TRUE(first.Running());
}

TEST_F(TidewellProcessTest, InsertHidesAndATrayClickWithEitherButtonRestores) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostInsertKey(main);
    ASSERT_TRUE(e2e::WaitUntil(5000, Hidden, main));

    PostMessageW(main, kTrayMessage, 100, WM_MOUSEMOVE);
    PostMessageW(main, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    Sleep(500);
    EXPECT_TRUE(Hidden(main)) << "other tray mouse messages do nothing";

    PostMessageW(main, kTrayMessage, 100, WM_LBUTTONDOWN);
    EXPECT_TRUE(e2e::WaitUntil(5000, Shown, main));
    PostInsertKey(main);
    ASSERT_TRUE(e2e::WaitUntil(5000, Hidden, main));
    PostMessageW(main, kTrayMessage, 100, WM_RBUTTONDOWN);
    EXPECT_TRUE(e2e::WaitUntil(5000, Shown, main));
}

TEST_F(TidewellProcessTest, SlashSStartsInTheTrayAndATrayClickShowsTheWindow) {
    HWND main = StartTidewell("/S");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(e2e::WaitUntil(5000, Hidden, main));
    Sleep(1500);
    EXPECT_TRUE(Hidden(main)) << "the window came back by itself";
    EXPECT_TRUE(first.Running());
    PostMessageW(main, kTrayMessage, 100, WM_LBUTTONDOWN);
    EXPECT_TRUE(e2e::WaitUntil(5000, Shown, main));
}

TEST_F(TidewellProcessTest, SlashSAsTheSecondArgumentChangesNothing) {
    HWND main = StartTidewell("other /s");
    ASSERT_NE(main, nullptr);
    Sleep(2000);
    EXPECT_TRUE(Shown(main));
}

TEST_F(TidewellProcessTest, WmCloseClosesAfterTheCloseSteps) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(15000));
    EXPECT_EQ(first.ExitCode(), 0u);
    // The close steps saved the settings and closed the activity log.
    std::string ini = program.Path() + "tidewell.ini";
    EXPECT_EQ(platform::ReadIniString(ini, CurrentUserSectionPrefix() + ".Options", "LngID"), "44");
    EXPECT_EQ(
        platform::ReadIniString(ini, CurrentUserSectionPrefix() + ".Options", "wlitIE_History"),
        "1");
    EXPECT_NE(ReadText(program.Path() + "tidewell.log").find("**** Tidewell closed at "),
              std::string::npos);
}

TEST_F(TidewellProcessTest, AltF4IsRefusedOnceThenWmCloseCloses) {
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_SYSKEYDOWN, VK_F4, 0x203E0001);  // with Alt held
    PostMessageW(main, WM_SYSKEYUP, VK_F4, static_cast<LPARAM>(0xE03E0001u));
    EXPECT_FALSE(first.WaitForExit(1500));
    EXPECT_TRUE(IsWindow(main));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(15000));
}

TEST_F(TidewellProcessTest, CloseRequestDuringAWashIsRefused) {
    // A wash of sixteen objects of browsers that this prefix does not have.
    std::string ini = program.Path() + "tidewell.ini";
    std::string options = CurrentUserSectionPrefix() + ".Options";
    for (int type = 0; type < kBuiltInTypeCount; ++type) {
        bool wash = type >= wlitFirefox_Visited_Typed_Urls && type <= wlitOpera_Preferences &&
                    type != wlitFirefox_Bookmarks && type != wlitNetscape_Bookmarks;
        platform::WriteIniString(
            ini, options, std::string(TypeInfo(static_cast<TWashListItemType>(type)).identifier),
            wash ? "1" : "0");
    }
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);
    HWND go = e2e::FindControl(main, ids::ScrubAndGoBtn);
    ASSERT_NE(go, nullptr);
    e2e::PostClick(go);
    ASSERT_TRUE(e2e::WaitUntil(10000, CaptionIsStop, go));
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitUntil(30000, CaptionIsGo, go));
    EXPECT_FALSE(first.WaitForExit(1000)) << "the close request during the wash was obeyed";
    EXPECT_TRUE(IsWindow(main));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(first.WaitForExit(15000));
}

TEST_F(TidewellProcessTest, UninstallClosesTheFirstAndStartsTheQuotedUninstaller) {
    std::string tools = program.Path() + "Uninstall Tools\\";
    ASSERT_TRUE(program.Copy("uninstall_recorder.exe", "Uninstall Tools\\uninst rec.exe"));
    testing_support::ScopedRegistryKey key(RootKey::LocalMachine, kUninstallKey);
    key.SetString("UninstallString", "\"" + tools + "uninst rec.exe\" /remove \"all of it\"");
    HWND main = StartTidewell();
    ASSERT_NE(main, nullptr);

    auto second =
        testing_support::RunChildProcess("\"" + program.Tidewell() + "\" UNINSTALL", "", 15000);
    EXPECT_EQ(second.exitCode, 0u);
    EXPECT_TRUE(first.WaitForExit(15000)) << "the first copy got WM_CLOSE";
    EXPECT_TRUE(e2e::WaitUntil(5000, Gone, main));

    std::vector<std::string> record = WaitForRecord(tools);
    ASSERT_EQ(record.size(), 2u);
    EXPECT_EQ(record[0], "/remove \"all of it\"");
    EXPECT_TRUE(platform::EqualsIgnoreCase(record[1], platform::WithoutTrailingBackslash(tools)))
        << record[1];
}

TEST_F(TidewellProcessTest, UninstallWithoutARunningCopyStartsTheUnquotedUninstaller) {
    std::string tools = program.Path() + "Tools\\";
    ASSERT_TRUE(program.Copy("uninstall_recorder.exe", "Tools\\uninst.exe"));
    testing_support::ScopedRegistryKey key(RootKey::LocalMachine, kUninstallKey);
    key.SetString("UninstallString", tools + "uninst.exe \"x y\" /q");

    auto run =
        testing_support::RunChildProcess("\"" + program.Tidewell() + "\" uninstall", "", 15000);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(e2e::MainWindowCount(), 0) << "no window of its own";
    std::vector<std::string> record = WaitForRecord(tools);
    ASSERT_EQ(record.size(), 2u);
    EXPECT_EQ(record[0], "\"x y\" /q");
    EXPECT_TRUE(platform::EqualsIgnoreCase(record[1], platform::WithoutTrailingBackslash(tools)))
        << record[1];
}

}  // namespace
