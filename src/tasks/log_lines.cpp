#include "tasks/log_lines.h"

std::string LogDateTime(TDateTime now, const DateTimeSeparators& s) {
    return FormatDateTime("mm", now) + s.date + FormatDateTime("dd", now) + s.date +
           FormatDateTime("yyyy", now) + " " + FormatDateTime("hh", now) + s.time +
           FormatDateTime("nn", now) + s.time + FormatDateTime("ss", now);
}

namespace {

std::string Line(const char* what, TDateTime now, const DateTimeSeparators& s) {
    return std::string("**** Tidewell ") + what + " at " + LogDateTime(now, s) + " ****";
}

}  // namespace

std::string LogStartLine(TDateTime now, const DateTimeSeparators& s) {
    return Line("started", now, s);
}
std::string LogCloseLine(TDateTime now, const DateTimeSeparators& s) {
    return Line("closed", now, s);
}
std::string LogStartedAnewLine(TDateTime now, const DateTimeSeparators& s) {
    return Line("Started", now, s);
}
std::string LogRestartLine(TDateTime now, const DateTimeSeparators& s) {
    return Line("restarted", now, s);
}
