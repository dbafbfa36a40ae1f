// The text of the deferred index.dat wash: the task file, the start entry, the runner's
// arguments, and which paths lie inside the folders a file may be destroyed in.
#include <gtest/gtest.h>

#include "engine/contained_file.h"
#include "engine/deferred_wash.h"

using Lines = std::vector<std::string>;

TEST(TaskFile, LinesSplitAtEveryLineEndAndBlankLinesAndTheByteOrderMarkGo) {
    EXPECT_EQ(
        ParseTaskFile("\xEF\xBB\xBF"
                      "C:\\a\\index.dat\r\nC:\\b\\index.dat\nC:\\c\\index.dat\r\r\n  \r\n"
                      "C:\\d\\index.dat"),
        (Lines{"C:\\a\\index.dat", "C:\\b\\index.dat", "C:\\c\\index.dat", "C:\\d\\index.dat"}));
    EXPECT_EQ(ParseTaskFile(""), Lines{});
    EXPECT_EQ(FormatTaskFile({"C:\\a", "C:\\b"}), "C:\\a\r\nC:\\b\r\n");
}

TEST(TaskFile, OnlyTheFirstHeaderLineIsRemoved) {
    Lines lines{"C:\\a", kIndexDatTaskHeader, "C:\\b", kIndexDatTaskHeader};
    RemoveTaskFileHeader(lines);
    EXPECT_EQ(lines, (Lines{"C:\\a", "C:\\b", kIndexDatTaskHeader}));
}

TEST(TaskFile, APathAlreadyListedInOtherLetterCaseIsNotAddedAgain) {
    Lines lines{"C:\\Users\\Ann\\Cache\\index.dat"};
    EXPECT_FALSE(AddTaskLine(lines, "c:\\users\\ann\\cache\\INDEX.DAT"));
    EXPECT_TRUE(AddTaskLine(lines, "C:\\Users\\Ann\\History\\index.dat"));
    EXPECT_EQ(lines.size(), 2u);
}

TEST(StartEntry, RunnerUnquotedTheFlagAndTheTaskFileQuoted) {
    EXPECT_EQ(StartEntryText("C:\\Program Files\\Tidewell\\"),
              "C:\\Program Files\\Tidewell\\NimboAction.exe \"/t\" \"C:\\Program "
              "Files\\Tidewell\\nimboaction.tsk\"");
}

TEST(RunnerArguments, TheTaskFileFollowsTheFlag) {
    EXPECT_EQ(TaskFileArgument({"/t", "C:\\x\\nimboaction.tsk"}), "C:\\x\\nimboaction.tsk");
    EXPECT_EQ(TaskFileArgument({"-T", "C:\\x.tsk"}), "C:\\x.tsk");
    EXPECT_EQ(TaskFileArgument({"/t"}), std::nullopt);
    EXPECT_EQ(TaskFileArgument({"/t", ""}), std::nullopt);
    EXPECT_EQ(TaskFileArgument({"C:\\x.tsk"}), std::nullopt);
}

TEST(ContainedPath, OnlyPlainNamesStrictlyBelowTheFolder) {
    const std::string cache = "C:\\users\\ann\\INetCache\\";
    EXPECT_TRUE(PathLiesUnder("C:\\users\\ann\\INetCache\\Content.IE5\\AB12\\a[1].htm", cache));
    EXPECT_TRUE(PathLiesUnder("c:\\USERS\\ann\\inetcache\\index.dat", cache));
    EXPECT_TRUE(PathLiesUnder("C:\\users\\ann\\INetCache\\x", "C:\\users\\ann\\INetCache"));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCacheX\\a", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\..\\ntuser.dat", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\a\\.\\b", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\a\\\\b", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\a:stream", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\*.dat", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\users\\ann\\INetCache\\a/../../b", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\windows\\system32\\kernel32.dll", cache));
    EXPECT_FALSE(PathLiesUnder("C:\\a", ""));
    EXPECT_FALSE(PathLiesUnder("x\\a", "x\\"));
}
