#pragma once
// How a washer tells what it does: on the progress label and, in a test run, as a line of the
// test listing.
#include <cstdint>
#include <string>

#include "engine/wash_context.h"

// The kind of a reported action.
enum class WashActionKind : std::uint8_t {
    Plain = 0,   // text as it stands
    Clear = 1,   // "CLR ": emptied, not deleted (a registry value)
    Delete = 2,  // "DEL ": deleted (a registry value or key)
    Blur = 3,    // "BLR ": destroyed by the shredder (a file or folder)
};

// Whether a primitive shows its work on a progress label. The Vanish page has its own label;
// a caller without one passes None and nothing is reported at all.
enum class ProgressLabel : bool { None, Shown };

// The text as the label shows it: at most 60 characters of it. A text without a backslash
// keeps its last 60 characters behind ".."; a path keeps its first component, then "..\" and
// as many trailing components as fit ("C:\..\deep\file.txt"). Characters, not bytes, count.
std::string ShortenForProgress(const std::string& text);

// The test listing's tag for a kind ("CLR ", "DEL ", "BLR ", or "").
std::string WashActionTag(WashActionKind kind);

// In a test run with the test window shown, appends tag + text to the listing; then sets the
// progress label to the kind's verb ("Clearing ", "Deleting ", "Blurring ") + the shortened
// text and lets pending messages through. Does nothing for ProgressLabel::None.
void ReportWashAction(WashContext& ctx, ProgressLabel label, WashActionKind kind,
                      const std::string& text);
