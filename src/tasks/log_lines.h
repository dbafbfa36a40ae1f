#pragma once
// The lines the program writes to its activity log about itself.
#include <string>

#include "catalogue/date_time.h"

// The locale's separators: "/" in the date, ":" in the time.
struct DateTimeSeparators {
    std::string date = "/";
    std::string time = ":";
};

// "mm/dd/yyyy hh:mm:ss" with the locale's separators.
std::string LogDateTime(TDateTime now, const DateTimeSeparators& separators);

std::string LogStartLine(TDateTime now, const DateTimeSeparators& separators);
std::string LogCloseLine(TDateTime now, const DateTimeSeparators& separators);
// After "Show Log" found the file gone.
std::string LogStartedAnewLine(TDateTime now, const DateTimeSeparators& separators);
// After "Clear Log".
std::string LogRestartLine(TDateTime now, const DateTimeSeparators& separators);
