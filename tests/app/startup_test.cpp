#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/status_texts.h"
#include "catalogue/date_time.h"

namespace {

bool NoFile(const std::string&) {
    return false;
}

TEST(StartupTest, FirstArgumentIsComparedInLowerCaseAndOnlyFirst) {
    EXPECT_EQ(FirstArgumentCommand({}), StartCommand::None);
    EXPECT_EQ(FirstArgumentCommand({"UNINSTALL"}), StartCommand::Uninstall);
    EXPECT_EQ(FirstArgumentCommand({"Uninstall", "/s"}), StartCommand::Uninstall);
    EXPECT_EQ(FirstArgumentCommand({"/S"}), StartCommand::StartHidden);
    EXPECT_EQ(FirstArgumentCommand({"x", "/s"}), StartCommand::None);  // second argument: no effect
    EXPECT_EQ(FirstArgumentCommand({"/silent"}), StartCommand::None);
}

TEST(StartupTest, FlagsStartWithTheSplashAndNotHidden) {
    StartupFlags flags;
    EXPECT_EQ(flags.Bits, 7);
    EXPECT_TRUE(flags.Intro());
    EXPECT_FALSE(flags.StartHidden());
    flags.SetStartHidden(true);
    EXPECT_TRUE(flags.StartHidden());
    EXPECT_EQ(flags.Bits, 7 | 32);
    flags.SetStartHidden(false);
    EXPECT_EQ(flags.Bits, 7);
}

TEST(UninstallStringTest, QuotedProgramTakesTheTextAfterQuoteAndBlank) {
    auto c =
        SplitUninstallString("\"C:\\Program Files\\Tidewell\\unins 1.exe\" /x \"a b\"", NoFile);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Program, "C:\\Program Files\\Tidewell\\unins 1.exe");
    EXPECT_EQ(c->Parameters, "/x \"a b\"");
    EXPECT_EQ(c->Folder, "C:\\Program Files\\Tidewell\\");
}

TEST(UninstallStringTest, QuotedProgramAlone) {
    auto c = SplitUninstallString("\"C:\\Tidewell\\unins.exe\"", NoFile);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Program, "C:\\Tidewell\\unins.exe");
    EXPECT_EQ(c->Parameters, "");
    // Without a closing quote the rest is the program.
    c = SplitUninstallString("\"C:\\Tidewell\\unins.exe", NoFile);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Program, "C:\\Tidewell\\unins.exe");
}

TEST(UninstallStringTest, UnquotedProgramEndsBeforeTheBlankAndQuote) {
    auto c =
        SplitUninstallString("C:\\Program Files\\Tidewell\\unins.exe \"/log=a b.txt\" /y", NoFile);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Program, "C:\\Program Files\\Tidewell\\unins.exe");
    EXPECT_EQ(c->Parameters, "\"/log=a b.txt\" /y");
    EXPECT_EQ(c->Folder, "C:\\Program Files\\Tidewell\\");
}

TEST(UninstallStringTest, UnquotedWithoutQuotesIsAFileOrEndsAtTheFirstBlank) {
    auto whole = SplitUninstallString("C:\\Program Files\\Tidewell\\unins.exe",
                                      [](const std::string&) { return true; });
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->Program, "C:\\Program Files\\Tidewell\\unins.exe");
    EXPECT_EQ(whole->Parameters, "");
    auto msi = SplitUninstallString("MsiExec.exe /X{1234}", NoFile);
    ASSERT_TRUE(msi);
    EXPECT_EQ(msi->Program, "MsiExec.exe");
    EXPECT_EQ(msi->Parameters, "/X{1234}");
    EXPECT_EQ(msi->Folder, "");
}

TEST(UninstallStringTest, EmptyTextDoesNothing) {
    EXPECT_FALSE(SplitUninstallString("", NoFile));
    EXPECT_FALSE(SplitUninstallString("\"\" /x", NoFile));
}

TEST(LastWashTextTest, NeverWashedMonthFirstOrDayFirstForDutch) {
    const MonthNames& english = EnglishMonthNames();
    EXPECT_EQ(LastWashText(0, 44, "N/A", english), "N/A");
    EXPECT_EQ(LastWashText(0, 31, "n.v.t.", english), "n.v.t.");
    CivilDateTime c;
    c.year = 2026;
    c.month = 3;
    c.day = 7;
    c.hour = 9;
    c.minute = 5;
    c.second = 2;
    TDateTime t = EncodeDateTime(c);
    EXPECT_EQ(LastWashText(t, 44, "N/A", english), "March, 07 2026 09:05:02");
    EXPECT_EQ(LastWashText(t, 49, "N/A", english), "March, 07 2026 09:05:02");
    EXPECT_EQ(LastWashText(t, 31, "N/A", english), "07 March, 2026 09:05:02");
    // The month is the locale's, whatever the language of the texts.
    const MonthNames dutch = {"januari",   "februari", "maart",    "april",
                              "mei",       "juni",     "juli",     "augustus",
                              "september", "oktober",  "november", "december"};
    EXPECT_EQ(LastWashText(t, 31, "N/A", dutch), "07 maart, 2026 09:05:02");
    EXPECT_EQ(LastWashText(t, 44, "N/A", dutch), "maart, 07 2026 09:05:02");
}

}  // namespace
