// The Options page's desktop switches in a real main window: real shortcut files through the
// shell's link object in sandbox common folders, the real toolbar-button key under HKLM.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "catalogue/registry_values.h"
#include "options/desktop_integration.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_link.h"
#include "platform/system.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"
#include "ui/controls.h"

namespace {

using testing_support::ScopedShellFolder;

int CountLinks(const std::string& folder) {
    int count = 0;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.lnk"))
        if (!entry.IsFolder())
            ++count;
    return count;
}

class MainFormOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::DeleteRegistryTree(RootKey::LocalMachine, kToolbarButtonKey);
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
        ASSERT_TRUE(form->Create());
    }
    void TearDown() override {
        form.reset();
        platform::DeleteRegistryTree(RootKey::LocalMachine, kToolbarButtonKey);
    }

    HWND Options(int id) const { return form->PageControl(ids::PageOptions, id); }
    void Click(HWND control) {
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    void SetBox(int id, bool checked) {
        ui::SetChecked(Options(id), checked);
        Click(Options(id));
    }
    std::string ToolbarValue(const std::string& name) const {
        return ReadRegistryValue(RootKey::LocalMachine, kToolbarButtonKey, "ftString", name);
    }

    testing_support::TempFolder settings;
    testing_support::TempFolder common;
    std::string desktop = common.AddFolder("Desktop");
    std::string startup = common.AddFolder("Start Menu\\Programs\\Startup");
    ScopedShellFolder commonDesktop{RootKey::LocalMachine, "Common Desktop", desktop};
    ScopedShellFolder commonStartup{RootKey::LocalMachine, "Common Startup", startup};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
    std::string programFile = platform::ProgramFolder() + "Tidewell.exe";
};

TEST_F(MainFormOptionsTest, TheDesktopShortcutIsMadeOnceAndDeletedFromTheDesktopOnly) {
    SetBox(ids::AutorunProgramAtWindowsStartupChkBox, true);
    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, true);
    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, true);
    EXPECT_EQ(CountLinks(desktop), 1);
    EXPECT_TRUE(platform::FileExists(desktop + "Tidewell.LNK"));
    EXPECT_TRUE(platform::EqualsIgnoreCase(platform::ShellLinkTarget(desktop + "Tidewell.LNK"),
                                           programFile));

    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, false);
    EXPECT_EQ(CountLinks(desktop), 0);
    EXPECT_TRUE(platform::FileExists(startup + "Tidewell.LNK")) << "the autorun shortcut stays";

    SetBox(ids::AutorunProgramAtWindowsStartupChkBox, false);
    EXPECT_EQ(CountLinks(startup), 0);
}

TEST_F(MainFormOptionsTest, AReadOnlyShortcutIsStillReplacedAndDeleted) {
    std::string path = desktop + "Tidewell.LNK";
    ASSERT_TRUE(platform::WriteWholeFile(path, "not a shortcut"));
    ASSERT_TRUE(platform::SetFileAttributesTo(path, platform::file_attr::kReadOnly));

    ShortcutRequest request;
    request.folder = desktop;
    request.name = "Tidewell";
    request.target = programFile;
    EXPECT_EQ(CreateShortcut(request), path);
    EXPECT_TRUE(platform::EqualsIgnoreCase(platform::ShellLinkTarget(path), programFile));

    ASSERT_TRUE(platform::SetFileAttributesTo(path, platform::file_attr::kReadOnly));
    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, false);
    EXPECT_FALSE(platform::PathExists(path));
}

TEST_F(MainFormOptionsTest, ALinkNamedLikeTheShortcutIsLeftAloneWithWhatItLeadsTo) {
    // Removing or saving over a link would act on its target (Wine shows a link to a folder).
    std::string elsewhere = common.AddFolder("Elsewhere");
    ASSERT_TRUE(platform::WriteWholeFile(elsewhere + "keep.txt", "keep"));
    std::string path = desktop + "Tidewell.LNK";
    testing_support::ScopedUnixSymlink link(elsewhere, path);
    ASSERT_TRUE(link.Made());

    ShortcutRequest request;
    request.folder = desktop;
    request.name = "Tidewell";
    request.target = programFile;
    EXPECT_EQ(CreateShortcut(request), "");
    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, true);
    SetBox(ids::ShowProgramShortcutOnDesktopChkBox, false);
    EXPECT_TRUE(platform::FolderExists(path));
    EXPECT_EQ(platform::ReadWholeFile(elsewhere + "keep.txt").value_or(""), "keep");
    EXPECT_EQ(CountLinks(elsewhere), 0);
}

TEST_F(MainFormOptionsTest, AShortcutWithoutANameIsCalledAfterItsTargetAndNumbered) {
    ShortcutRequest request;
    request.folder = common.Path() + "New\\Deeper";  // made with its parents
    request.target = "C:\\windows\\notepad.exe";
    request.arguments = "readme.txt";
    request.hotKeyText = "Ctrl+Alt+N";
    std::string first = CreateShortcut(request);
    std::string second = CreateShortcut(request);
    EXPECT_EQ(first, common.Path() + "New\\Deeper\\Shortcut to notepad.LNK");
    EXPECT_EQ(second, common.Path() + "New\\Deeper\\Shortcut to notepad (2).LNK");
    EXPECT_TRUE(platform::EqualsIgnoreCase(platform::ShellLinkTarget(second), request.target));
}

TEST_F(MainFormOptionsTest, TheToolbarButtonKeyIsWrittenOnceAndRemovedWhole) {
    SetBox(ids::IETidewellBtnChkBox, true);
    std::string folder = platform::ProgramFolder();
    EXPECT_EQ(ToolbarValue("Default Visible"), "Yes");
    EXPECT_EQ(ToolbarValue("ButtonText"), "Tidewell");
    EXPECT_EQ(ToolbarValue("MenuText"), "Tidewell");
    EXPECT_EQ(ToolbarValue("MenuStatusBar"), "Open Tidewell");
    EXPECT_EQ(ToolbarValue("HotIcon"), folder + "Tidewell.ico");
    EXPECT_EQ(ToolbarValue("Icon"), folder + "Tidewell.ico");
    EXPECT_EQ(ToolbarValue("CLSID"), "{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}");
    EXPECT_EQ(ToolbarValue("Path"), folder + "Tidewell.exe");
    EXPECT_EQ(ToolbarValue("Exec"), folder + "Tidewell.exe");

    // A key that exists already is left as it is.
    ASSERT_TRUE(WriteRegistryValue(RootKey::LocalMachine, kToolbarButtonKey, "ftString", "Mine",
                                   "ButtonText"));
    SetBox(ids::IETidewellBtnChkBox, true);
    EXPECT_EQ(ToolbarValue("ButtonText"), "Mine");

    SetBox(ids::IETidewellBtnChkBox, false);
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::LocalMachine, kToolbarButtonKey));
}

TEST_F(MainFormOptionsTest, DefaultOptionsMakesBothShortcutsAndTheToolbarKey) {
    SetBox(ids::CloseBrowsersDuringWashChkBox, false);
    SetBox(ids::StayInTrayDuringWashChkBox, true);
    SetBox(ids::HideInTrayAtStartupChkBox, true);
    Click(Options(ids::DefaultOptionsBtn));

    EXPECT_TRUE(platform::FileExists(desktop + "Tidewell.LNK"));
    EXPECT_TRUE(platform::FileExists(startup + "Tidewell.LNK"));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::LocalMachine, kToolbarButtonKey));
    const ::Options& options = form->Context().Opts;
    EXPECT_TRUE(options.CloseBrowsersDuringWash);
    EXPECT_TRUE(options.AutoWashAfterBrowsersCloses);
    EXPECT_FALSE(options.StayInTrayDuringWash);
    EXPECT_TRUE(options.HideInTrayAtStartup) << "kept";
    EXPECT_TRUE(ui::IsChecked(Options(ids::IETidewellBtnChkBox)));

    // The boxes at the next start show the shortcuts that exist.
    form.reset();
    form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
    ASSERT_TRUE(form->Create());
    EXPECT_TRUE(ui::IsChecked(Options(ids::ShowProgramShortcutOnDesktopChkBox)));
    EXPECT_TRUE(ui::IsChecked(Options(ids::AutorunProgramAtWindowsStartupChkBox)));
}

TEST_F(MainFormOptionsTest, DefaultOptionsIsInertDuringAWash) {
    form->Context().Washing = true;
    Click(Options(ids::DefaultOptionsBtn));
    form->Context().Washing = false;
    EXPECT_EQ(CountLinks(desktop), 0);
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::LocalMachine, kToolbarButtonKey));
}

}  // namespace
