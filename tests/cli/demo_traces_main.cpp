// DemoTraces.exe, the demo's helper inside the sandboxed prefix:
//   DemoTraces plant            writes the traces
//   DemoTraces objects          the wash objects that remove them, comma-separated (--only)
//   DemoTraces user             the settings section prefix of the current Windows user
//   DemoTraces survey FILE      writes the counts of now into FILE
//   DemoTraces compare FILE     prints the before (FILE) / after (now) table; exit code 1 when a
//                               washed trace is still there or a kept one changed
#include <cstddef>
#include <sstream>

#include "catalogue/settings.h"
#include "demo_traces.h"
#include "platform/console.h"
#include "platform/files.h"

namespace {

using platform::ConsoleStream;

void Print(const std::string& text) {
    platform::WriteConsoleText(ConsoleStream::Output, text);
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// "-", "there", "1 file", "3 files".
std::string CountText(std::uint64_t count, std::string unit) {
    if (count == 0)
        return "-";
    if (unit.empty())
        return "there";
    if (count == 1 && unit.back() == 's')
        unit.pop_back();
    return std::to_string(count) + " " + unit;
}

int Survey(const std::string& file) {
    std::string text;
    for (const demo::TraceCount& trace : demo::SurveyTraces())
        text += std::to_string(trace.count) + "\n";
    return platform::WriteWholeFile(file, text) ? 0 : 1;
}

int Compare(const std::string& file) {
    std::optional<std::string> saved = platform::ReadWholeFile(file);
    if (!saved) {
        Print("DemoTraces: cannot read " + file + "\r\n");
        return 1;
    }
    std::istringstream before(*saved);
    bool allAsExpected = true;
    bool keptHeader = false;
    Print(Padded("Trace", 42) + Padded("Removed by", 42) + Padded("Before", 11) + "After\r\n");
    Print(std::string(101, '-') + "\r\n");
    for (const demo::TraceCount& trace : demo::SurveyTraces()) {
        std::uint64_t was = 0;
        before >> was;
        const bool kept = trace.object.empty();
        if (kept && !keptHeader) {
            Print("Left alone, as they must be:\r\n");
            keptHeader = true;
        }
        const bool expected = kept ? trace.count == was : trace.count == 0 && was > 0;
        allAsExpected = allAsExpected && expected;
        Print(Padded(trace.name, 42) + Padded(kept ? "(kept)" : trace.object, 42) +
              Padded(CountText(was, trace.unit), 11) + CountText(trace.count, trace.unit) +
              (expected ? "" : "   <-- unexpected") + "\r\n");
    }
    Print(allAsExpected ? "\r\nEvery planted trace is gone; the kept ones are untouched.\r\n"
                        : "\r\nSome traces are not as expected (marked above).\r\n");
    return allAsExpected ? 0 : 1;
}

}  // namespace

int main() {
    std::vector<std::string> args = platform::CommandLineArguments();
    const std::string command = args.empty() ? "" : args[0];
    if (command == "plant") {
        demo::PlantTraces();
        return 0;
    }
    if (command == "objects") {
        std::string list;
        for (const std::string& id : demo::TraceObjects())
            list += (list.empty() ? "" : ",") + id;
        Print(list + "\r\n");
        return 0;
    }
    if (command == "user") {
        Print(CurrentUserSectionPrefix() + "\r\n");
        return 0;
    }
    if (command == "survey" && args.size() == 2)
        return Survey(args[1]);
    if (command == "compare" && args.size() == 2)
        return Compare(args[1]);
    Print("usage: DemoTraces plant | objects | user | survey FILE | compare FILE\r\n");
    return 2;
}
