// The startup monitor's lines: what they show, where they come from, and which ones go.
#include <gtest/gtest.h>

#include "lists/startup_programs.h"

namespace {

StartupProgram RunValue(RootKey root, const std::string& key, const std::string& name,
                        const std::string& command) {
    StartupProgram program;
    program.root = root;
    program.keyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\" + key;
    program.name = name;
    program.command = command;
    return program;
}

StartupProgram StartupFile(const std::string& folder, const std::string& name,
                           const std::string& target) {
    StartupProgram program;
    program.source = StartupProgram::Source::StartupFile;
    program.name = name;
    program.path = folder + name;
    program.command = target;
    return program;
}

}  // namespace

TEST(StartupPrograms, ALineShowsItsCommandInLowerCaseAndKeepsItsOwnSource) {
    StartupProgram value =
        RunValue(RootKey::CurrentUser, "Run", "Tray=App", "C:\\Apps\\App.exe --MODE=tray");
    EXPECT_EQ(value.DisplayText(), "Tray=App (c:\\apps\\app.exe --mode=tray)");
    EXPECT_EQ(value.SourceText(),
              "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run@Tray=App");
    StartupProgram file = StartupFile("C:\\Startup\\", "Notes.txt", "C:\\Startup\\Notes.txt");
    EXPECT_EQ(file.DisplayText(), "Notes.txt (c:\\startup\\notes.txt)");
    EXPECT_EQ(file.SourceText(), "C:\\Startup\\Notes.txt");
}

TEST(StartupPrograms, TheSameValueUnderTwoKeysIsTwoLinesAndTheSameFileTwiceIsOne) {
    StartupProgramsList list;
    list.Rebuild({RunValue(RootKey::LocalMachine, "Run", "Agent", "agent.exe"),
                  RunValue(RootKey::LocalMachine, "RunOnce", "Agent", "agent.exe"),
                  RunValue(RootKey::CurrentUser, "Run", "Agent", "agent.exe"),
                  StartupFile("C:\\Startup\\", "Tool.lnk", "C:\\Tool.exe"),
                  StartupFile("c:\\startup\\", "TOOL.LNK", "c:\\tool.exe")});
    ASSERT_EQ(list.Lines().size(), 4u);
    EXPECT_EQ(list.Lines()[0].program.root, RootKey::LocalMachine);
    EXPECT_EQ(list.Lines()[2].program.root, RootKey::CurrentUser);
    for (const StartupLine& line : list.Lines())
        EXPECT_FALSE(line.checked);
}

TEST(StartupPrograms, CheckedLinesAreAskedLastFirstAndNoOrAFailureKeepsTheLineChecked) {
    StartupProgramsList list;
    list.Rebuild({RunValue(RootKey::CurrentUser, "Run", "One", "1.exe"),
                  RunValue(RootKey::CurrentUser, "Run", "Two", "2.exe"),
                  RunValue(RootKey::CurrentUser, "Run", "Three", "3.exe"),
                  RunValue(RootKey::CurrentUser, "Run", "Four", "4.exe"),
                  RunValue(RootKey::CurrentUser, "Run", "Five", "5.exe")});
    for (std::size_t line : {0u, 1u, 2u, 4u})
        list.SetChecked(line, true);
    std::vector<std::string> asked, removed;
    list.DeleteChecked(
        [&](const StartupProgram& p) {
            asked.push_back(p.name);
            return p.name != "Two";
        },
        [&](const StartupProgram& p) {
            removed.push_back(p.name);
            return p.name != "Three";  // could not be removed
        });
    EXPECT_EQ(asked, (std::vector<std::string>{"Five", "Three", "Two", "One"}));
    EXPECT_EQ(removed, (std::vector<std::string>{"Five", "Three", "One"}));
    ASSERT_EQ(list.Lines().size(), 3u);
    EXPECT_EQ(list.Lines()[0].program.name, "Two");
    EXPECT_TRUE(list.Lines()[0].checked);
    EXPECT_EQ(list.Lines()[1].program.name, "Three");
    EXPECT_TRUE(list.Lines()[1].checked);
    EXPECT_EQ(list.Lines()[2].program.name, "Four");
    EXPECT_FALSE(list.Lines()[2].checked);
}
