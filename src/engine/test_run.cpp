#include "engine/test_run.h"

#include <chrono>

#include "catalogue/date_time.h"
#include "engine/size_text.h"
#include "engine/wash_driver.h"
#include "engine/wash_levels.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::string WithoutLineBreaks(const std::string& text) {
    std::size_t first = text.find_first_not_of("\r\n");
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of("\r\n");
    return text.substr(first, last - first + 1);
}

std::string TotalsText(const WashContext& ctx) {
    return std::to_string(ctx.TestItemCount) + " items found to wash, total size " +
           std::to_string(ctx.TestTotalBytes) + " bytes (" + FormatSizeText(ctx.TestTotalBytes) +
           ")";
}

const char kDateTimePattern[] = "mmmm dd yyyy hh:mm:ss";

}  // namespace

void TestRunListing::Clear() {
    lines_.clear();
    status_.clear();
    Tell(Change::Cleared, 0, 0);
}

bool TestRunListing::AddLine(int index, const std::string& text) {
    std::size_t at = index < 0 ? lines_.size() : static_cast<std::size_t>(index);
    if (at > lines_.size())
        return false;
    std::vector<std::string> added = SplitLines(text);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    Tell(Change::Inserted, at, added.size());
    SetStatusText(WithoutLineBreaks(text));
    return true;
}

bool TestRunListing::ReplaceLine(std::size_t index, const std::string& text) {
    if (index >= lines_.size())
        return false;
    lines_[index] = text;
    Tell(Change::Replaced, index, 1);
    return true;
}

void TestRunListing::SetStatusText(const std::string& text) {
    status_ = text;
    Tell(Change::Status, 0, 0);
}

std::string TestRunListing::Text() const {
    std::string text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines_[i];
    }
    return text;
}

void TestRunListing::Tell(Change change, std::size_t index, std::size_t count) const {
    if (listener_)
        listener_(*this, change, index, count);
}

std::string TestRunSummary(const WashContext& ctx) {
    return "Tidewell Test Run done, " + TotalsText(ctx);
}

bool RunTestRun(WashContext& ctx, TestRunListing& listing) {
    if (ctx.Washing)
        return false;  // the Go button is the Stop button now; a test run would mix with it
    ctx.TestRunning = true;
    ctx.TestItemCount = 0;
    ctx.TestTotalBytes = 0;
    const bool logging = ctx.Opts.LogActivities;
    ctx.Opts.LogActivities = false;  // a test run leaves no activity lines
    listing.Clear();

    const TDateTime start = Now();
    const auto started = std::chrono::steady_clock::now();
    const std::string levelText = ctx.View.ChosenWashLevelText();
    const std::string level =
        levelText.empty() ? ShortLevelName(ctx.Opts.WashLevel) : ShortLevelName(levelText);
    listing.AddLine(-1, "Tidewell Test Run started " + FormatDateTime(kDateTimePattern, start) +
                            " (Wash Level \"" + level + "\")");
    listing.AddLine(-1, "");
    listing.AddLine(-1, "CLR = cleared but not deleted");
    listing.AddLine(-1, "DEL = deleted");
    listing.AddLine(-1, "BLR = cleared and deleted");
    listing.AddLine(-1, "");
    listing.AddLine(-1, "Note that no actual clearing or deletion will take place in this test!");

    ScrubAndGoBtnClick(ctx);

    const auto runtime = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    listing.AddLine(-1, "<<<<");
    listing.ReplaceLine(1, "Tidewell Test Run completed " +
                               FormatDateTime(kDateTimePattern, Now()) + ", runtime " +
                               std::to_string(runtime.count()) + " ms, " + TotalsText(ctx));
    listing.AddLine(0, ">>>>");
    listing.SetStatusText(TestRunSummary(ctx));

    ctx.Opts.LogActivities = logging;
    ctx.TestRunning = false;
    return true;
}
