// The Options page's desktop switches at work: the integration step of UpdateStatus acts on
// the one switch that was clicked.
#include "app/control_ids.h"
#include "app/main_form.h"
#include "catalogue/folder_macros.h"
#include "catalogue/shell_folders.h"
#include "options/desktop_integration.h"
#include "platform/system.h"

namespace {

// A common folder that cannot be determined gets no shortcut.
void UpdateShortcutIn(ShellFolderKind kind, bool wanted, const std::string& programFile) {
    std::string folder = ResolveShellFolder(kind);
    if (folder != kNoSuchFolder)
        UpdateProgramShortcut(folder, wanted, programFile);
}

}  // namespace

void TMainForm::UpdateDesktopIntegration(int senderId) {
    std::string programFolder = platform::ProgramFolder();
    std::string programFile = programFolder + "Tidewell.exe";
    switch (senderId) {
        case ids::ShowProgramShortcutOnDesktopChkBox:
            UpdateShortcutIn(ShellFolderKind::ftCommonDesktop, ctx_.Opts.ShowShortcutOnDesktop,
                             programFile);
            break;
        case ids::AutorunProgramAtWindowsStartupChkBox:
            UpdateShortcutIn(ShellFolderKind::ftCommonStartup, ctx_.Opts.AutorunAtWindowsStartup,
                             programFile);
            break;
        case ids::IETidewellBtnChkBox:
            UpdateToolbarButton(ctx_.Opts.IETidewellButton, programFolder);
            break;
        default:
            break;
    }
}
