#pragma once
// The traces of the demo: what a person's use of Windows leaves behind, planted for real in a
// sandboxed Wine prefix (registry, files, clipboard), and counted before and after a wash.
// The recycle bin is filled by the demo script from the Linux side (Wine's bin is the desktop
// trash of the sandbox's home), and counted here through the shell.
#include <cstdint>
#include <string>
#include <vector>

namespace demo {

struct TraceCount {
    std::string name;     // "Run box history"
    std::string object;   // the wash object that removes it; empty for a trace to keep
    std::string unit;     // "values", "files", ...; empty: only there or not
    std::uint64_t count;  // how many are there now
};

// Writes every trace (run it once, in a fresh prefix).
void PlantTraces();
// Counts every trace as it is now, in a fixed order: the washed ones, then the kept ones.
std::vector<TraceCount> SurveyTraces();

// The wash objects that remove the planted traces, for --only.
std::vector<std::string> TraceObjects();

}  // namespace demo
