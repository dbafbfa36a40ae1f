#include "cli/command_line.h"

#include <gtest/gtest.h>

namespace {

ParsedCommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, TakesACommandWithItsOptionsInAnyOrder) {
    ParsedCommandLine p = Parse({"--yes", "wash", "--level", "3", "--only=a,b", "--only", "c"});
    ASSERT_TRUE(p.Ok()) << p.Error;
    EXPECT_EQ(p.Command.Verb, CliVerb::Wash);
    EXPECT_EQ(p.Command.Level, 3);
    EXPECT_EQ(p.Command.Only, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_TRUE(p.Command.Yes);
    EXPECT_FALSE(p.Command.Verbose);

    p = Parse({"test", "--level=0", "-v", "-y"});
    ASSERT_TRUE(p.Ok()) << p.Error;
    EXPECT_EQ(p.Command.Verb, CliVerb::Test);
    EXPECT_EQ(p.Command.Level, 0);
    EXPECT_TRUE(p.Command.Verbose);
    EXPECT_TRUE(p.Command.Yes);

    p = Parse({"list"});
    ASSERT_TRUE(p.Ok());
    EXPECT_EQ(p.Command.Verb, CliVerb::List);
    EXPECT_FALSE(p.Command.Level.has_value());
}

TEST(CommandLine, HelpWinsOverEverythingElse) {
    for (const char* flag : {"--help", "-h", "/?", "help"}) {
        ParsedCommandLine p = Parse({"wash", "--level", "9", flag});
        EXPECT_TRUE(p.Ok()) << flag;
        EXPECT_EQ(p.Command.Verb, CliVerb::Help) << flag;
    }
    EXPECT_NE(UsageText().find("--only"), std::string::npos);
}

TEST(CommandLine, RefusesLevelsOutsideTheEightLevels) {
    for (const char* level : {"8", "9", "-1", "", "03", "1x", "x", " 3", "0x3", "7.0"}) {
        ParsedCommandLine p = Parse({"wash", "--level", level});
        EXPECT_FALSE(p.Ok()) << "'" << level << "'";
        EXPECT_NE(p.Error.find("0 to 7"), std::string::npos) << p.Error;
    }
    EXPECT_EQ(Parse({"wash", "--level", "7"}).Command.Level, 7);
    EXPECT_FALSE(Parse({"wash", "--level", "2", "--level", "3"}).Ok());
}

TEST(CommandLine, NamesWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        std::string says;
    };
    const Case cases[] = {
        {{}, "no command"},
        {{"--yes"}, "no command"},
        {{"scrub"}, "unknown command 'scrub'"},
        {{"wash", "test"}, "only one command"},
        {{"wash", "--force"}, "unknown option '--force'"},
        {{"wash", "--levels=2"}, "unknown option '--levels=2'"},
        {{"wash", "--level"}, "--level needs a value"},
        {{"wash", "--only"}, "--only needs a value"},
        {{"wash", "--only", "a,,b"}, "separated by commas"},
        {{"wash", "--only="}, "separated by commas"},
        {{"wash", "--only", "a,"}, "separated by commas"},
        {{"list", "--level", "2"}, "list takes no"},
        {{"list", "--only", "a"}, "list takes no"},
    };
    for (const Case& c : cases) {
        ParsedCommandLine p = Parse(c.args);
        EXPECT_FALSE(p.Ok());
        EXPECT_NE(p.Error.find(c.says), std::string::npos) << p.Error;
    }
}

TEST(CommandLine, AValueMayLookLikeAnythingElse) {
    // The argument after --only is its value even when it names a command.
    ParsedCommandLine p = Parse({"test", "--only", "wash"});
    ASSERT_TRUE(p.Ok()) << p.Error;
    EXPECT_EQ(p.Command.Verb, CliVerb::Test);
    EXPECT_EQ(p.Command.Only, (std::vector<std::string>{"wash"}));
}

}  // namespace
