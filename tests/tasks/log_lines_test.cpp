#include <gtest/gtest.h>

#include "tasks/log_lines.h"
#include "tasks/open_command.h"

TEST(LogLines, LinesCarryTheTimeWithTheLocaleSeparators) {
    TDateTime when = EncodeDateTime({2024, 3, 7, 9, 5, 4});
    EXPECT_EQ(LogStartLine(when, {}), "**** Tidewell started at 03/07/2024 09:05:04 ****");
    EXPECT_EQ(LogCloseLine(when, {}), "**** Tidewell closed at 03/07/2024 09:05:04 ****");
    EXPECT_EQ(LogStartedAnewLine(when, {}), "**** Tidewell Started at 03/07/2024 09:05:04 ****");
    EXPECT_EQ(LogRestartLine(when, {}), "**** Tidewell restarted at 03/07/2024 09:05:04 ****");
    EXPECT_EQ(LogDateTime(when, {".", "."}), "03.07.2024 09.05.04");
}

TEST(OpenCommand, ProgramAndParametersFromTheRegisteredCommand) {
    auto notepad = CommandForDocument("C:\\windows\\system32\\NOTEPAD.EXE %1", "C:\\a b\\x.log");
    ASSERT_TRUE(notepad);
    EXPECT_EQ(notepad->program, "C:\\windows\\system32\\NOTEPAD.EXE");
    EXPECT_EQ(notepad->parameters, "\"C:\\a b\\x.log\"");

    auto quoted = CommandForDocument("\"C:\\Program Files\\Ed\\ed.exe\" /n \"%1\"", "d.txt");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->program, "C:\\Program Files\\Ed\\ed.exe");
    EXPECT_EQ(quoted->parameters, "/n \"d.txt\"");

    // ".BAT" is looked for before ".EXE".
    auto batch = CommandForDocument("C:\\run.exe.bat go %L", "d.txt");
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->program, "C:\\run.exe.bat");
    EXPECT_EQ(batch->parameters, "go \"d.txt\"");

    auto noExtension = CommandForDocument("wordpad %1", "d.txt");
    ASSERT_TRUE(noExtension);
    EXPECT_EQ(noExtension->program, "wordpad");
    EXPECT_EQ(noExtension->parameters, "\"d.txt\"");
}

TEST(OpenCommand, WithoutACommandOnlyProgramsStartThemselves) {
    auto self = CommandForDocument(" %1 ", "C:\\tools\\setup.exe");
    ASSERT_TRUE(self);
    EXPECT_EQ(self->program, "C:\\tools\\setup.exe");
    EXPECT_EQ(self->parameters, "");
    EXPECT_FALSE(CommandForDocument("", "C:\\notes.txt"));
    EXPECT_FALSE(CommandForDocument("\"\"", "C:\\notes.txt"));
}
