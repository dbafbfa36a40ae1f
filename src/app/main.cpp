// Tidewell.exe: one instance per desktop. A second start hands over to the first (or, with
// "uninstall", closes it and starts the registered uninstaller), "/s" starts in the tray.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/intro_form.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "app/uninstall.h"
#include "platform/text.h"

namespace {

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(platform::WideToUtf8(argv[i]));
    LocalFree(argv);
    return arguments;
}

void ShowSplashForTwoSeconds(StartupFlags& flags, const std::string& line) {
    TIntroForm intro(flags, line);
    intro.ShowIntro();
    ui::PumpPendingMessages(nullptr, nullptr);
    Sleep(2000);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    StartupFlags flags;
    std::vector<std::string> arguments = CommandLineArguments();
    StartCommand command = FirstArgumentCommand(arguments);
    if (command == StartCommand::StartHidden)
        flags.SetStartHidden(true);

    if (HWND running = FindWindowW(kMainWindowClass, nullptr)) {
        if (command != StartCommand::Uninstall) {
            PostMessageW(running, kWmTidewellActivate, 0, 0);
            return 0;
        }
        PostMessageW(running, WM_CLOSE, 0, 0);
    }
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (command == StartCommand::Uninstall) {
        RunUninstaller();
        return 0;
    }

    INITCOMMONCONTROLSEX controls{
        sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    TMainForm form(flags);
    if (!form.Create())
        return 1;
    if (flags.Intro())
        ShowSplashForTwoSeconds(flags, form.Text(text_ids::IntroLine));
    form.Show();
    return ui::RunMessageLoop(&form, form.Handle());
}
