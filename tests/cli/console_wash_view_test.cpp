#include "cli/console_wash_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "engine/wash_driver.h"
#include "engine/washer_frame.h"
#include "support/recording_views.h"

namespace {

// The console, scripted: what was written, and the lines to read.
class ScriptedConsole : public ConsoleIo {
  public:
    std::string out, err;
    std::deque<std::string> input;
    int reads = 0;

    void Out(const std::string& text) override { out += text; }
    void Err(const std::string& text) override { err += text; }
    std::optional<std::string> ReadLine() override {
        ++reads;
        if (input.empty())
            return std::nullopt;
        std::string line = input.front();
        input.pop_front();
        return line;
    }
};

class StringLog : public ActivityLog {
  public:
    std::string text;
    int flushes = 0;
    void Write(std::string_view t) override { text.append(t); }
    void Flush() override { ++flushes; }
};

TEST(ConfirmAnswers, AcceptWordsAndLettersInAnyCase) {
    EXPECT_EQ(ParseConfirmAnswer(" Y "), ConfirmAnswer::Yes);
    EXPECT_EQ(ParseConfirmAnswer("yes"), ConfirmAnswer::Yes);
    EXPECT_EQ(ParseConfirmAnswer("N"), ConfirmAnswer::No);
    EXPECT_EQ(ParseConfirmAnswer("\tCancel"), ConfirmAnswer::Cancel);
    EXPECT_EQ(ParseConfirmAnswer("ALL"), ConfirmAnswer::All);
    for (const char* text : {"", "  ", "yep", "a l l", "1"})
        EXPECT_FALSE(ParseConfirmAnswer(text).has_value()) << text;
}

struct ConsoleRun : ::testing::Test {
    ScriptedConsole console;
    std::atomic<bool> stop{false};
    Catalogue catalogue;
    testing_support::RecordingCatalogueView catalogueView;
    WasherTable washers;

    void SetUp() override {
        AppendBuiltInObjects(
            catalogue, catalogueView, [](int, const std::string& f) { return f; },
            [](std::string_view, bool) { return false; });
    }
};

TEST_F(ConsoleRun, AsksUntilItGetsAnAnswerAndCancelsWhenNobodyAnswers) {
    ConsoleWashView view(console, stop, {});
    console.input = {"maybe", "a"};
    EXPECT_EQ(view.Confirm("Delete C:\\x.txt ?"), ConfirmAnswer::All);
    EXPECT_EQ(console.reads, 2);
    EXPECT_NE(console.err.find("Delete C:\\x.txt ? [y]es, [n]o, [c]ancel, [a]ll: "),
              std::string::npos);
    EXPECT_EQ(view.Confirm("Delete C:\\y.txt ?"), ConfirmAnswer::Cancel);  // end of input
    EXPECT_EQ(console.out, "");

    ConsoleWashView yes(console, stop, {true, false});
    EXPECT_EQ(yes.Confirm("Delete C:\\z.txt ?"), ConfirmAnswer::All);
    EXPECT_EQ(console.reads, 3);  // --yes reads nothing
}

TEST_F(ConsoleRun, CtrlCStopsTheRunAfterTheCurrentObject) {
    ConsoleWashView view(console, stop, {});
    WashContext ctx(catalogue, view, washers);
    view.Attach(ctx);
    std::vector<int> washed;
    for (TWashListItemType type : {wlitWin_Clipboard, wlitWin_Log_Files, wlitWin_Run_History}) {
        catalogue.Items[type]->Selected = true;
        washers.BuiltIn[type] = [&, type](WashContext& c, TWashListItem&, int row) {
            washed.push_back(type);
            RunWasherFrame(c, row, " Washing: x", [&](WashScope& scope) {
                if (type == wlitWin_Log_Files)
                    stop = true;  // as the console's handler thread does
                scope.Report(WashActionKind::Blur, "C:\\a.log");
                EXPECT_EQ(scope.KeepWashing(), type != wlitWin_Log_Files);
            });
        };
    }
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(washed, (std::vector<int>{wlitWin_Clipboard, wlitWin_Log_Files}));
    EXPECT_TRUE(view.Stopped());
    EXPECT_TRUE(ctx.StopRequested);
    EXPECT_EQ(catalogue.Items[wlitWin_Log_Files]->State, wlsComplete);
    EXPECT_EQ(catalogue.Items[wlitWin_Run_History]->State, wlsScheduled);
    EXPECT_NE(console.err.find("Stopping"), std::string::npos);
}

TEST_F(ConsoleRun, ATestRunFillsTheListingAndShowsProgressOnlyWhenVerbose) {
    ConsoleWashView view(console, stop, {false, true});
    WashContext ctx(catalogue, view, washers);
    view.Attach(ctx);
    catalogue.Items[wlitWin_Run_History]->Selected = true;
    washers.BuiltIn[wlitWin_Run_History] = [](WashContext& c, TWashListItem&, int row) {
        RunWasherFrame(c, row, " Washing: Windows Run History", [](WashScope& scope) {
            scope.Report(WashActionKind::Delete, "HKCU\\RunMRU\\a \"cmd\" 0.01 Kb");
            scope.Count(12);
        });
    };
    ASSERT_TRUE(RunTestRun(ctx, view.Listing()));
    const std::vector<std::string>& lines = view.Listing().Lines();
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines.front(), ">>>>");
    EXPECT_EQ(lines.back(), "<<<<");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "**** wlitWin_Run_History ****"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "DEL HKCU\\RunMRU\\a \"cmd\" 0.01 Kb"),
              lines.end());
    EXPECT_EQ(view.Listing().StatusText(),
              "Tidewell Test Run done, 1 items found to wash, total size 12 bytes (0.01 Kb)");
    EXPECT_NE(console.err.find("Deleting HKCU\\RunMRU\\a"), std::string::npos);
    EXPECT_EQ(console.out, "");

    // The run totals count in a real run too, from zero at each run.
    EXPECT_EQ(ctx.RunItemCount, 1u);
    ScrubAndGoBtnClick(ctx);
    EXPECT_EQ(ctx.RunItemCount, 1u);
    EXPECT_EQ(ctx.RunTotalBytes, 12u);

    ScriptedConsole quiet;
    ConsoleWashView silent(quiet, stop, {});
    silent.SetProgressText("Deleting x");
    EXPECT_EQ(quiet.err, "");
}

TEST(ConsoleLog, PrintsWholeLinesAndPassesEverythingToTheFile) {
    ScriptedConsole console;
    StringLog file;
    ConsoleActivityLog log(console, &file);
    log.Write("14:05:09 Washing: Windows Run History");
    EXPECT_EQ(console.out, "");  // not before the line is whole
    log.Write(" {4/0.03 Kb}\r\n");
    log.Flush();
    log.Write("\r\n");
    log.Write("14:05:10 Washing: Windows Clipboard {0/0 Kb}\r\n");
    EXPECT_EQ(console.out,
              "14:05:09 Washing: Windows Run History {4/0.03 Kb}\r\n"
              "14:05:10 Washing: Windows Clipboard {0/0 Kb}\r\n");
    EXPECT_EQ(file.text,
              "14:05:09 Washing: Windows Run History {4/0.03 Kb}\r\n\r\n"
              "14:05:10 Washing: Windows Clipboard {0/0 Kb}\r\n");
    EXPECT_EQ(file.flushes, 1);

    ConsoleActivityLog consoleOnly(console, nullptr);
    consoleOnly.Write("x\r\n");
    EXPECT_EQ(console.out.substr(console.out.size() - 3), "x\r\n");
}

}  // namespace
