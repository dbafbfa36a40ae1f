// The startup monitor against Wine's real registry, files and shell links: what it finds in the
// six Run keys and both startup folders, and that stopping a program removes exactly that one.
#include <gtest/gtest.h>

#include <algorithm>

#include "lists/startup_monitor.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_link.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using Lines = std::vector<std::string>;

namespace {

constexpr char kWindows[] = "Software\\Microsoft\\Windows\\CurrentVersion\\";

// One value of a real Run key, removed afterwards (the key itself is Windows' own and stays).
class ScopedRunValue {
  public:
    ScopedRunValue(RootKey root, const std::string& key, std::string name,
                   const std::string& command)
        : root_(root), key_(kWindows + key), name_(std::move(name)) {
        platform::RegistryKey::Create(root_, key_, platform::reg_access::kAllAccess)
            .WriteString(name_, command);
    }
    ~ScopedRunValue() {
        platform::RegistryKey::Open(root_, key_, platform::reg_access::kAllAccess)
            .DeleteValue(name_);
    }
    bool Exists() const { return platform::RegistryKey::Open(root_, key_).HasValue(name_); }

  private:
    RootKey root_;
    std::string key_, name_;
};

// "display=source" of the programs named "Tidewell..." (the prefix has programs of its own).
Lines Listed(const std::vector<StartupProgram>& programs) {
    Lines lines;
    for (const StartupProgram& p : programs)
        if (p.name.rfind("Tidewell", 0) == 0)
            lines.push_back(p.DisplayText() + "=" + p.SourceText());
    return lines;
}

bool SaveShortcut(const std::string& link, const std::string& target) {
    platform::ShellLinkFields fields;
    fields.target = target;
    return platform::SaveShellLink(link, fields);
}

const StartupProgram* Find(const std::vector<StartupProgram>& programs, RootKey root,
                           const std::string& name) {
    for (const StartupProgram& p : programs)
        if (p.source == StartupProgram::Source::RegistryValue && p.root == root && p.name == name)
            return &p;
    return nullptr;
}

class StartupMonitor : public ::testing::Test {
  protected:
    TempFolder userStartup, commonStartup, programs;
    ScopedShellFolder userShell{"Startup", userStartup.Path()};
    ScopedShellFolder commonShell{RootKey::LocalMachine, "Common Startup", commonStartup.Path()};
    washer_tests::WasherRunner runner;
};

}  // namespace

TEST_F(StartupMonitor, FindsTheSixKeysThenBothFoldersWithShortcutTargets) {
    ScopedRunValue hklm(RootKey::LocalMachine, "Run", "TidewellSame", "C:\\Same.EXE /Tray");
    ScopedRunValue hklmOnce(RootKey::LocalMachine, "RunOnce", "TidewellOnce", "once.exe");
    ScopedRunValue hkcu(RootKey::CurrentUser, "Run", "TidewellSame", "C:\\Same.EXE /Tray");
    ScopedRunValue hkcuEx(RootKey::CurrentUser, "RunOnceEx", "TidewellEx", "ex.exe");
    // A step of RunOnceEx lives in a subkey: not a line.
    platform::RegistryKey::Create(RootKey::CurrentUser,
                                  std::string(kWindows) + "RunOnceEx\\TidewellStep")
        .WriteString("TidewellInStep", "step.exe");
    platform::RegistryKey::Create(RootKey::CurrentUser, std::string(kWindows) + "Run",
                                  platform::reg_access::kAllAccess)
        .WriteDword("TidewellValueNumber", 1);
    const std::string editor = programs.AddFile("Editor.exe");
    ASSERT_TRUE(SaveShortcut(userStartup.Path() + "TidewellEditor.lnk", editor));
    userStartup.AddFile("TidewellNotes.txt");
    userStartup.AddFile("desktop.ini");
    userStartup.AddFolder("TidewellFolder");
    ASSERT_TRUE(SaveShortcut(commonStartup.Path() + "TidewellCommon.lnk", editor));
    const std::string lowerEditor = platform::LowerAscii(editor);

    const Lines listed = Listed(FindStartupPrograms());
    platform::DeleteRegistryTree(RootKey::CurrentUser,
                                 std::string(kWindows) + "RunOnceEx\\TidewellStep");
    platform::RegistryKey::Open(RootKey::CurrentUser, std::string(kWindows) + "Run",
                                platform::reg_access::kAllAccess)
        .DeleteValue("TidewellValueNumber");
    const std::string hklmKeys = "HKEY_LOCAL_MACHINE\\" + std::string(kWindows);
    const std::string hkcuKeys = "HKEY_CURRENT_USER\\" + std::string(kWindows);
    EXPECT_EQ(listed, (Lines{
                          "TidewellSame (c:\\same.exe /tray)=" + hklmKeys + "Run@TidewellSame",
                          "TidewellOnce (once.exe)=" + hklmKeys + "RunOnce@TidewellOnce",
                          "TidewellSame (c:\\same.exe /tray)=" + hkcuKeys + "Run@TidewellSame",
                          "TidewellValueNumber ()=" + hkcuKeys + "Run@TidewellValueNumber",
                          "TidewellEx (ex.exe)=" + hkcuKeys + "RunOnceEx@TidewellEx",
                          "TidewellEditor.lnk (" + lowerEditor + ")=" + userStartup.Path() +
                              "TidewellEditor.lnk",
                          "TidewellNotes.txt (" + platform::LowerAscii(userStartup.Path()) +
                              "tidewellnotes.txt)=" + userStartup.Path() + "TidewellNotes.txt",
                          "TidewellCommon.lnk (" + lowerEditor + ")=" + commonStartup.Path() +
                              "TidewellCommon.lnk",
                      }));
}

TEST_F(StartupMonitor, ARunValueWhoseCommandHoldsEqualsGoesUnderItsOwnRootAndNothingElse) {
    const std::string command = "C:\\Apps\\app.exe --mode=tray";
    ScopedRunValue machine(RootKey::LocalMachine, "Run", "TidewellTray", command);
    ScopedRunValue user(RootKey::CurrentUser, "Run", "TidewellTray", command);
    ScopedRunValue once(RootKey::CurrentUser, "RunOnce", "TidewellTray", command);
    ScopedRunValue starred(RootKey::CurrentUser, "Run", "Tidewell*", "star.exe");
    ScopedRunValue other(RootKey::CurrentUser, "Run", "TidewellOther", "other.exe");
    const std::string subkey = std::string(kWindows) + "Run\\TidewellTray";
    platform::RegistryKey::Create(RootKey::CurrentUser, subkey).WriteString("kept", "x");

    const std::vector<StartupProgram> found = FindStartupPrograms();
    const StartupProgram* tray = Find(found, RootKey::CurrentUser, "TidewellTray");
    const StartupProgram* star = Find(found, RootKey::CurrentUser, "Tidewell*");
    ASSERT_NE(tray, nullptr);
    ASSERT_NE(star, nullptr);
    EXPECT_TRUE(StopStartupProgram(runner.ctx, *tray));
    EXPECT_FALSE(user.Exists());
    EXPECT_TRUE(machine.Exists()) << "the value of the same name under HKLM stays";
    EXPECT_TRUE(once.Exists()) << "and so does the one under RunOnce";
    EXPECT_TRUE(platform::RegistryKey::Open(RootKey::CurrentUser, subkey).HasValue("kept"))
        << "a subkey of the same name stays";
    EXPECT_TRUE(starred.Exists());
    EXPECT_TRUE(other.Exists());

    EXPECT_TRUE(StopStartupProgram(runner.ctx, *star));  // a "*" in a name is no mask
    EXPECT_FALSE(starred.Exists());
    EXPECT_TRUE(other.Exists());
    EXPECT_TRUE(machine.Exists());
    EXPECT_FALSE(StopStartupProgram(runner.ctx, *star)) << "gone already: not removed again";
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::CurrentUser, std::string(kWindows) + "Run"));
    EXPECT_FALSE(runner.ctx.Washing);
    EXPECT_TRUE(runner.view.questions.empty()) << "the monitor has asked already";
    platform::DeleteRegistryTree(RootKey::CurrentUser, subkey);
}

TEST_F(StartupMonitor, AFileIsShreddedAndAShortcutGoesWithoutItsTarget) {
    runner.ctx.Opts.WashLevel = 3;
    const std::string notes = userStartup.AddFile("TidewellNotes.txt", std::string(5000, 'n'));
    const std::string editor = programs.AddFile("Editor.exe", "MZ program");
    const std::string link = commonStartup.Path() + "TidewellEditor.lnk";
    ASSERT_TRUE(SaveShortcut(link, editor));

    for (const StartupProgram& program : FindStartupPrograms()) {
        if (program.source == StartupProgram::Source::StartupFile) {
            EXPECT_TRUE(StopStartupProgram(runner.ctx, program)) << program.path;
        }
    }
    EXPECT_FALSE(platform::PathExists(notes));
    EXPECT_FALSE(platform::PathExists(link));
    EXPECT_EQ(platform::ReadWholeFile(editor), "MZ program") << "the target is left alone";
    EXPECT_TRUE(platform::FolderExists(userStartup.Path()));
    EXPECT_TRUE(platform::FolderExists(commonStartup.Path()));
}

TEST(StartupMonitorFolders, AStartupFolderThatResolvesToNothingListsNothing) {
    TempFolder stray;
    stray.AddFile("TidewellStray.txt");
    ScopedShellFolder user(RootKey::CurrentUser, "Startup", std::nullopt);
    ScopedShellFolder common(RootKey::LocalMachine, "Common Startup", std::nullopt);
    for (const StartupProgram& program : FindStartupPrograms())
        EXPECT_NE(program.source, StartupProgram::Source::StartupFile) << program.path;
}
