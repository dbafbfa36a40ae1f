#pragma once
// Where the wash writes its activity lines. The open log file implements it; the run reads
// the "Log Activities" option before writing.
#include <string>
#include <string_view>

class ActivityLog {
  public:
    virtual ~ActivityLog() = default;
    virtual void Write(std::string_view text) = 0;
    virtual void Flush() = 0;
    // The separator of the "hh:mm:ss" times that begin its lines (the log file: the locale's).
    virtual std::string TimeSeparator() const { return ":"; }
};
