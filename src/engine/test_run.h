#pragma once
// The test run: a whole wash run that changes nothing and lists every action a wash would take.
// The listing is plain data, so the main window's test window and the console program show the
// same thing: their WashView::AppendTestLine adds to the listing, and a listener hears of every
// change.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/wash_context.h"

class TestRunListing {
  public:
    enum class Change { Cleared, Inserted, Replaced, Status };
    // Told after every change: which kind, the first line concerned and how many lines.
    using Listener = std::function<void(const TestRunListing& listing, Change change,
                                        std::size_t index, std::size_t count)>;

    void SetListener(Listener listener) { listener_ = std::move(listener); }

    // Empties the lines and the status text.
    void Clear();
    // Appends the text (index < 0) or inserts it before line `index`; line breaks in it (CR LF)
    // make several lines. When it is in place the status text becomes the text and the result
    // is true; an index past the end adds nothing.
    bool AddLine(int index, const std::string& text);
    bool ReplaceLine(std::size_t index, const std::string& text);
    void SetStatusText(const std::string& text);

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& StatusText() const { return status_; }
    // The lines joined by CR LF, as the test window's text box holds them.
    std::string Text() const;

  private:
    void Tell(Change change, std::size_t index, std::size_t count) const;

    std::vector<std::string> lines_;
    std::string status_;
    Listener listener_;
};

// The engine part of the Run Test button, between showing the test window (before) and going
// back to the Objects page (after), both the caller's: sets TestRunning and zero totals, turns
// activity logging off for the run, writes the start lines, runs the wash driver (whose lines
// reach `listing` through the view), and writes the frame lines and the status text with the
// totals. Does nothing and returns false while a wash runs.
bool RunTestRun(WashContext& ctx, TestRunListing& listing);

// "Tidewell Test Run done, N items found to wash, total size B bytes (size text)".
std::string TestRunSummary(const WashContext& ctx);
