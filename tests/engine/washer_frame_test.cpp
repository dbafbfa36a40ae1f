// Reporting, the confirmation protocol, the washer frame and the test run, over recording views.
#include "engine/washer_frame.h"

#include <gtest/gtest.h>

#include <regex>

#include "engine/test_run.h"
#include "support/recording_views.h"

using testing_support::RecordingCatalogueView;
using testing_support::RecordingWashView;

namespace {

struct RecordingLog : ActivityLog {
    std::string text;
    int flushes = 0;
    std::string separator = ":";
    void Write(std::string_view t) override { text += t; }
    void Flush() override { ++flushes; }
    std::string TimeSeparator() const override { return separator; }
};

// A wash view whose test lines go to a listing, as the test window's and the console's do.
struct ListingWashView : RecordingWashView {
    TestRunListing* listing = nullptr;
    void AppendTestLine(const std::string& line) override {
        RecordingWashView::AppendTestLine(line);
        if (listing)
            listing->AddLine(-1, line);
    }
};

struct FrameFixture : ::testing::Test {
    Catalogue catalogue;
    ListingWashView view;
    WasherTable washers;
    WashContext ctx{catalogue, view, washers};
    RecordingLog log;

    void SetUp() override {
        ctx.Log = &log;
        ctx.Opts.LogActivities = true;
        ctx.KeepWashing = true;
    }
};

TEST_F(FrameFixture, ReportShowsVerbAndShortTextAndListsOnlyInATestRun) {
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Clear, "HKCU\\a\\b");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Delete, "x");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Blur, "C:\\f");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Plain, "Clipboard");
    EXPECT_EQ(view.progress, (std::vector<std::string>{"Clearing HKCU\\a\\b", "Deleting x",
                                                       "Blurring C:\\f", "Clipboard"}));
    EXPECT_TRUE(view.testLines.empty());

    ctx.TestRunning = true;
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Clear, "c");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Delete, "d");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Blur, "b");
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Plain, "p");
    EXPECT_EQ(view.testLines, (std::vector<std::string>{"CLR c", "DEL d", "BLR b", "p"}));

    view.testWindowShown = false;
    ReportWashAction(ctx, ProgressLabel::Shown, WashActionKind::Blur, "hidden");
    EXPECT_EQ(view.testLines.size(), 4u);
    EXPECT_EQ(view.progress.back(), "Blurring hidden");

    // No label: nothing at all, not even in the test listing.
    view.testWindowShown = true;
    std::size_t shown = view.progress.size();
    ReportWashAction(ctx, ProgressLabel::None, WashActionKind::Blur, "quiet");
    EXPECT_EQ(view.progress.size(), shown);
    EXPECT_EQ(view.testLines.size(), 4u);
}

TEST_F(FrameFixture, ConfirmationYesNoAllCancel) {
    WashScope scope(ctx, 0);
    bool prompt = true;
    view.answers = {ConfirmAnswer::Yes, ConfirmAnswer::No, ConfirmAnswer::All};
    EXPECT_TRUE(scope.Confirm(prompt, "Delete a ?"));
    EXPECT_FALSE(scope.Confirm(prompt, "Delete b ?"));
    EXPECT_TRUE(scope.Confirm(prompt, "Delete c ?"));
    EXPECT_FALSE(prompt);  // All: no more questions for this object
    EXPECT_TRUE(scope.Confirm(prompt, "Delete d ?"));
    EXPECT_EQ(view.questions.size(), 3u);
    EXPECT_TRUE(ctx.KeepWashing);

    prompt = true;
    view.answers = {ConfirmAnswer::Cancel};
    EXPECT_EQ(scope.Decide(prompt, "Clear e ?"), WashScope::Decision::Cancel);
    EXPECT_FALSE(ctx.KeepWashing);
    EXPECT_TRUE(prompt);
}

TEST_F(FrameFixture, FrameWritesOneLogLineAndTheRow) {
    log.separator = ".";  // the times take the log's (the locale's) time separator
    WashCounters counters =
        RunWasherFrame(ctx, 2, " Washing: Windows Regedit Last Key", [](WashScope& scope) {
            scope.Count(2048);
            scope.Count(1024);
            scope.QueueLogLine("Refused to wash X");
        });
    EXPECT_EQ(counters.count, 2u);
    EXPECT_EQ(counters.bytes, 3072u);
    EXPECT_EQ(view.rowEntries[2], "2/3 Kb");
    std::regex line(
        "\\d\\d\\.\\d\\d\\.\\d\\d Washing: Windows Regedit Last Key \\{2/3 Kb\\}\r\n"
        "\\d\\d\\.\\d\\d\\.\\d\\d Refused to wash X\r\n");
    EXPECT_TRUE(std::regex_match(log.text, line)) << log.text;
    EXPECT_GE(log.flushes, 1);
    EXPECT_EQ(ctx.TestItemCount, 0u);  // totals grow only in a test run
}

TEST_F(FrameFixture, FrameStartsTheRowAtZeroAndAddsTestTotals) {
    ctx.TestRunning = true;
    ctx.TestItemCount = 1;
    ctx.TestTotalBytes = std::uint64_t{5} << 30;
    std::vector<std::string> rowDuringWork;
    RunWasherFrame(ctx, 0, " Washing: X", [&](WashScope& scope) {
        rowDuringWork.push_back(view.rowEntries[0]);
        scope.Count(std::uint64_t{1} << 32);
    });
    EXPECT_EQ(rowDuringWork, (std::vector<std::string>{"0/0 Kb"}));
    EXPECT_EQ(ctx.TestItemCount, 2u);
    EXPECT_EQ(ctx.TestTotalBytes, std::uint64_t{9} << 30);  // 64-bit totals
    EXPECT_EQ(view.rowEntries[0], "1/4 Gb");
}

TEST_F(FrameFixture, NoLogLinesWhenLoggingIsOff) {
    ctx.Opts.LogActivities = false;
    RunWasherFrame(ctx, 0, " Washing: X",
                   [](WashScope& scope) { scope.QueueLogLine("Refused to wash Y"); });
    EXPECT_EQ(log.text, "");
}

TEST(TestRunListing, AddLineAppendsInsertsAndSplitsLineBreaks) {
    TestRunListing listing;
    std::vector<TestRunListing::Change> changes;
    listing.SetListener([&](const TestRunListing&, TestRunListing::Change change, std::size_t,
                            std::size_t) { changes.push_back(change); });
    EXPECT_TRUE(listing.AddLine(-1, "one"));
    EXPECT_TRUE(listing.AddLine(-1, "\r\n**** IE ****\r\n"));
    EXPECT_EQ(listing.Lines(), (std::vector<std::string>{"one", "", "**** IE ****", ""}));
    EXPECT_EQ(listing.StatusText(), "**** IE ****");
    EXPECT_TRUE(listing.AddLine(0, ">>>>"));
    EXPECT_EQ(listing.Lines().front(), ">>>>");
    EXPECT_FALSE(listing.AddLine(9, "past the end"));
    EXPECT_EQ(listing.Text(), ">>>>\r\none\r\n\r\n**** IE ****\r\n");
    listing.Clear();
    EXPECT_TRUE(listing.Lines().empty());
    EXPECT_EQ(listing.StatusText(), "");
    EXPECT_EQ(changes.back(), TestRunListing::Change::Cleared);
}

struct TestRunFixture : FrameFixture {
    RecordingCatalogueView catalogueView;
    TestRunListing listing;

    void SetUp() override {
        FrameFixture::SetUp();
        view.listing = &listing;
        AppendBuiltInObjects(
            catalogue, catalogueView, [](int, const std::string& text) { return text; },
            [](std::string_view, bool) { return false; });
        ctx.Opts.WashLevel = 3;
    }
};

TEST_F(TestRunFixture, WithNothingSelectedTheListingHoldsOnlyTheFrame) {
    listing.AddLine(-1, "left from the last run");
    ASSERT_TRUE(RunTestRun(ctx, listing));
    const auto& lines = listing.Lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], ">>>>");
    EXPECT_TRUE(std::regex_match(lines[1], std::regex("Tidewell Test Run started [A-Z][a-z]+ "
                                                      "\\d\\d \\d{4} \\d\\d:\\d\\d:\\d\\d "
                                                      "\\(Wash Level \"3M US DoD, NSA Overwrite "
                                                      "& Delete\"\\)")))
        << lines[1];
    EXPECT_TRUE(std::regex_match(
        lines[2], std::regex("Tidewell Test Run completed [A-Z][a-z]+ \\d\\d \\d{4} "
                             "\\d\\d:\\d\\d:\\d\\d, runtime \\d+ ms, 0 items found to wash, "
                             "total size 0 bytes \\(0 Kb\\)")))
        << lines[2];
    EXPECT_EQ(lines[3], "CLR = cleared but not deleted");
    EXPECT_EQ(lines[4], "DEL = deleted");
    EXPECT_EQ(lines[5], "BLR = cleared and deleted");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Note that no actual clearing or deletion will take place in this test!");
    EXPECT_EQ(lines[8], "<<<<");
    EXPECT_EQ(listing.StatusText(),
              "Tidewell Test Run done, 0 items found to wash, total size 0 bytes (0 Kb)");
    EXPECT_FALSE(ctx.TestRunning);
    EXPECT_TRUE(ctx.Opts.LogActivities);  // back on after the run
}

TEST_F(TestRunFixture, ObjectsAddTheirSectionsAndTotalsWithLoggingOff) {
    catalogue.Items.at(wlitWin_Run_History)->Selected = true;
    catalogue.Items.at(wlitMS_Word)->Selected = true;
    bool loggingDuringRun = true;
    auto washer = [&](WashContext& c, TWashListItem& item, int row) {
        loggingDuringRun = c.Opts.LogActivities;
        RunWasherFrame(c, row, " Washing: " + item.DisplayName, [](WashScope& scope) {
            scope.Report(WashActionKind::Clear, "HKCU\\Software\\x \"abc\" 0.01 Kb");
            scope.Count(0);
            scope.Report(WashActionKind::Blur, "C:\\t\\f.txt 2 Kb");
            scope.Count(2048);
        });
    };
    washers.BuiltIn.at(wlitWin_Run_History) = washer;
    washers.BuiltIn.at(wlitMS_Word) = washer;
    ASSERT_TRUE(RunTestRun(ctx, listing));

    EXPECT_FALSE(loggingDuringRun);
    EXPECT_EQ(log.text, "");  // nothing written to the activity log during a test run
    EXPECT_EQ(ctx.TestItemCount, 4u);
    EXPECT_EQ(ctx.TestTotalBytes, 4096u);
    const auto& lines = listing.Lines();
    std::vector<std::string> sections(lines.begin() + 8, lines.end());
    EXPECT_EQ(sections,
              (std::vector<std::string>{
                  "", "**** wlitWin_Run_History ****", "", "CLR HKCU\\Software\\x \"abc\" 0.01 Kb",
                  "BLR C:\\t\\f.txt 2 Kb", "", "**** wlitMS_Word ****", "",
                  "CLR HKCU\\Software\\x \"abc\" 0.01 Kb", "BLR C:\\t\\f.txt 2 Kb", "<<<<"}));
    EXPECT_NE(lines[2].find("4 items found to wash, total size 4096 bytes (4 Kb)"),
              std::string::npos);
    EXPECT_EQ(listing.StatusText(),
              "Tidewell Test Run done, 4 items found to wash, total size 4096 bytes (4 Kb)");
}

TEST_F(TestRunFixture, DoesNothingWhileAWashRuns) {
    ctx.Washing = true;
    EXPECT_FALSE(RunTestRun(ctx, listing));
    EXPECT_FALSE(ctx.TestRunning);
    EXPECT_FALSE(ctx.StopRequested);
    EXPECT_TRUE(listing.Lines().empty());
}

}  // namespace
