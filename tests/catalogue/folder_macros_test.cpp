#include "catalogue/folder_macros.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Folders as a machine might have them; records which ones were asked for.
struct Folders {
    std::vector<ShellFolderKind> asked;
    std::string operator()(ShellFolderKind kind) {
        asked.push_back(kind);
        switch (kind) {
            case ShellFolderKind::ftRecent:
                return "C:\\Users\\ann\\Recent\\";
            case ShellFolderKind::ftWindows32:
                return "C:\\windows\\";
            default:
                return std::string(kNoSuchFolder);
        }
    }
};

std::string Expand(const std::string& text, Folders& folders) {
    return ExpandFolderMacrosWith(text, [&](ShellFolderKind k) { return folders(k); });
}

}  // namespace

TEST(FolderMacros, TextWithoutMacrosIsUnchangedAndResolvesNothing) {
    Folders folders;
    EXPECT_EQ(Expand("C:\\plain\\[notamacro]\\%TEMP%", folders), "C:\\plain\\[notamacro]\\%TEMP%");
    EXPECT_TRUE(folders.asked.empty());
}

TEST(FolderMacros, CaseIsIgnoredAndOnlyTheFirstOccurrenceIsReplaced) {
    Folders folders;
    EXPECT_EQ(Expand("[FTRECENT]*.lnk;[ftRecent]x", folders),
              "C:\\Users\\ann\\Recent\\*.lnk;[ftRecent]x");
    EXPECT_EQ(folders.asked, std::vector<ShellFolderKind>{ShellFolderKind::ftRecent});
}

TEST(FolderMacros, ProgramMacrosHaveFixedValues) {
    Folders folders;
    EXPECT_EQ(Expand("[ProgramTarget]\\Software\\[ProgramTitle]\\[programlabel]_[ProgramTag]"
                     " v[ProgramVersion] ([ProgramVersionNumber])",
                     folders),
              "HKEY_LOCAL_MACHINE\\Software\\Tidewell\\tidewell_tdw v2.4.3.1 (2431)");
}

TEST(FolderMacros, SystemRootConsumesItsBackslash) {
    Folders folders;
    EXPECT_EQ(Expand("%SystemRoot%\\system32\\notepad.exe %1", folders),
              "C:\\windows\\system32\\notepad.exe %1");
    EXPECT_EQ(Expand("%systemroot%\\Prefetch", folders), "C:\\windows\\Prefetch");
}

TEST(FolderMacros, AMissingFolderExpandsToThePathThatExistsNowhere) {
    Folders folders;
    EXPECT_EQ(Expand("[ftCookies]*.txt", folders), "DRIVE:\\NO_SUCH_FOLDER\\*.txt");
}

TEST(FolderMacros, AFolderValueHoldingAMacroIsNotExpandedAgain) {
    // Which macros to replace is decided on the input, not on the growing result.
    auto resolve = [](ShellFolderKind kind) {
        return kind == ShellFolderKind::ftRecent ? std::string("C:\\[ftCookies]\\")
                                                 : std::string("C:\\cookies\\");
    };
    EXPECT_EQ(ExpandFolderMacrosWith("[ftRecent]a", resolve), "C:\\[ftCookies]\\a");
    // A value that holds its own macro stays whole.
    auto self = [](ShellFolderKind) { return std::string("D:\\[ftRecent]\\"); };
    EXPECT_EQ(ExpandFolderMacrosWith("[ftRecent]a", self), "D:\\[ftRecent]\\a");
}

TEST(FolderMacros, TableHasThirtyMacrosWithTheirCommonFallbacks) {
    EXPECT_EQ(ShellFolderTable(ShellFolderKind::ftAdminTools).macro, "[ftAdminTools]");
    EXPECT_EQ(ShellFolderTable(ShellFolderKind::ftWindows32).macro, "[ftWindows32]");
    EXPECT_EQ(ShellFolderTable(ShellFolderKind::ftCommonDesktop).fallback,
              ShellFolderKind::ftDesktop);
    EXPECT_EQ(ShellFolderTable(ShellFolderKind::ftCommonStartup).fallback,
              ShellFolderKind::ftStartup);
    EXPECT_EQ(ShellFolderTable(ShellFolderKind::ftLocalAppData).displayName,
              "Local Application Data");
}

TEST(FolderMacros, WarningNamesTheFolderAndBothKeys) {
    std::string text = ShellFolderWarningText("Cache");
    EXPECT_EQ(text.rfind("Warning!\r\n\r\nTidewell has detected a possible problem.", 0), 0u);
    EXPECT_NE(text.find("The \"Cache\" Shell folder points to a Windows System folder.\r\n\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n\r\nand\r\n\r\n\"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\"
                        "CurrentVersion\\Explorer\\Shell Folders\"\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 20), "an experienced user!");
}
