// Tidewell.exe when Windows ends the session: the messages Windows sends, sent from here to
// the real program with NimboAction.dll beside it.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/control_ids.h"
#include "catalogue/settings.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/registry.h"
#include "running_program.h"
#include "support/child_process.h"

namespace {

constexpr const char* kVanishKey = "*\\shellex\\ContextMenuHandlers\\Vanish";

TEST(SessionEnd, TheEndOfTheSessionSavesTheSettingsAndKeepsTheContextMenuRegistered) {
    e2e::ProgramFolder program;
    ASSERT_TRUE(program.Copy("NimboAction.dll", "NimboAction.dll"));
    e2e::RunningProgram tidewell;
    ASSERT_TRUE(tidewell.Start(program.Tidewell()));
    HWND main = e2e::WaitForMainWindow(20000);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kVanishKey))
        << "registered at start";

    // An option changed since the start: "Log Activities" ticked on the Tasks page.
    e2e::PostClick(e2e::FindControl(main, ids::TasksBtn));
    HWND logBox = nullptr;
    for (int i = 0; i < 100 && !logBox; ++i, Sleep(100))
        logBox = e2e::FindControl(main, ids::LogActivitiesChkBox);
    ASSERT_NE(logBox, nullptr);
    SendMessageW(logBox, BM_SETCHECK, BST_CHECKED, 0);
    e2e::PostClick(logBox);
    Sleep(500);

    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    10000, &answer));
    EXPECT_NE(answer, 0u) << "without Wash On Windows Shutdown the session may end";
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    10000, &answer));

    // Windows ends the process now; what it leaves behind is what counts.
    std::string ini = program.Path() + "tidewell.ini";
    EXPECT_EQ(
        platform::ReadIniString(ini, CurrentUserSectionPrefix() + ".Options", "LogActivities"),
        "1");
    auto log = platform::ReadWholeFile(program.Path() + "tidewell.log");
    ASSERT_TRUE(log);
    EXPECT_NE(log->find("**** Tidewell closed at "), std::string::npos);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(tidewell.WaitForExit(15000));
    Sleep(1500);  // an unregistration would run without being waited for
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kVanishKey))
        << "the session end leaves the handler registered";
    testing_support::RunChildProcess("regsvr32 /s /u \"" + program.Path() + "NimboAction.dll\"");
}

}  // namespace
