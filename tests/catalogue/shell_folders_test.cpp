#include "catalogue/shell_folders.h"

#include <gtest/gtest.h>

#include <cctype>

#include "platform/registry.h"
#include "platform/system.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

TEST(ShellFolders, PerUserFolderGetsOneBackslashAndMissingOnesGoNowhere) {
    TempFolder sandbox;
    std::string recent = sandbox.AddFolder("Recent");
    ScopedShellFolder folder("Recent", recent);
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftRecent), recent);

    ScopedShellFolder missing(RootKey::CurrentUser, "Cookies", std::nullopt);
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftCookies), "DRIVE:\\NO_SUCH_FOLDER\\");
    EXPECT_EQ(ExpandFolderMacros("[ftcookies]*.txt"), "DRIVE:\\NO_SUCH_FOLDER\\*.txt");
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftSystem16), "DRIVE:\\NO_SUCH_FOLDER\\");
    EXPECT_EQ(ResolveShellFolder(static_cast<ShellFolderKind>(30)), "DRIVE:\\NO_SUCH_FOLDER\\");
}

TEST(ShellFolders, RelativeValuesGoNowhere) {
    for (const char* value : {"Recent", "C:Recent", "\\Recent", "DRIVE:\\x"}) {
        ScopedShellFolder folder("Recent", value);
        EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftRecent), "DRIVE:\\NO_SUCH_FOLDER\\")
            << value;
    }
}

TEST(ShellFolders, AStoredTrailingBackslashIsKept) {
    ScopedShellFolder folder("Templates", "C:\\t");
    platform::RegistryKey::Open(RootKey::CurrentUser, ScopedShellFolder::KeyPath(),
                                platform::reg_access::kAllAccess)
        .WriteString("Templates", "C:\\t\\");
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftTemplates), "C:\\t\\\\");
}

TEST(ShellFolders, CommonFoldersFallBackToTheUsersOwn) {
    TempFolder sandbox;
    ScopedShellFolder common(RootKey::LocalMachine, "Common Desktop", std::nullopt);
    {
        ScopedShellFolder desktop("Desktop", sandbox.Path() + "Desktop");
        EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftCommonDesktop),
                  sandbox.Path() + "Desktop\\");
    }
    {
        ScopedShellFolder desktop(RootKey::CurrentUser, "Desktop", std::nullopt);
        EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftCommonDesktop), "DRIVE:\\NO_SUCH_FOLDER\\");
    }
    ScopedShellFolder present(RootKey::LocalMachine, "Common Desktop", sandbox.Path() + "Public");
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftCommonDesktop), sandbox.Path() + "Public\\");
}

TEST(ShellFolders, SystemFoldersAndTheirMacros) {
    std::string windows = platform::WindowsFolder();
    ASSERT_FALSE(windows.empty());
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftWindows32), windows);
    EXPECT_EQ(ResolveShellFolder(ShellFolderKind::ftSystem32), platform::SystemFolder());
    EXPECT_EQ(ExpandFolderMacros("%SystemRoot%\\Prefetch\\*.pf"), windows + "Prefetch\\*.pf");
    EXPECT_EQ(ExpandFolderMacros("[FTWINDOWS32]a [ftWindows32]b"), windows + "a [ftWindows32]b");

    EXPECT_FALSE(IsNotSystemFolder(windows));
    EXPECT_FALSE(IsNotSystemFolder(platform::SystemFolder()));
    EXPECT_TRUE(IsNotSystemFolder("DRIVE:\\NO_SUCH_FOLDER\\"));
    std::string upper = windows;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(upper, windows);
    EXPECT_TRUE(IsNotSystemFolder(upper));  // the comparison is exact
    EXPECT_TRUE(IsNotSystemFolder(windows + "Temp\\"));
}

TEST(ShellFolders, CheckWarnsOncePerFolderThatPointsAtTheSystem) {
    std::string windows = platform::WindowsFolder();
    ScopedShellFolder cache("Cache", windows);
    ScopedShellFolder startup(RootKey::LocalMachine, "Common Startup", platform::SystemFolder());
    std::vector<std::string> shown;
    CheckShellFolders([&](const std::string& text) { shown.push_back(text); });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], ShellFolderWarningText("Cache"));
    EXPECT_EQ(shown[1], ShellFolderWarningText("Common Startup"));
}
