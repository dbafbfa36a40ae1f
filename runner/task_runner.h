#pragma once
// What NimboAction.exe does with a task file: destroys each listed "index.dat" that lies in the
// user's cache, history or cookies folder, and keeps every line it could not or may not do.
#include <string>
#include <vector>

struct TaskRunResult {
    int destroyed = 0;
    std::vector<std::string> kept;      // the lines written back
    std::vector<std::string> logLines;  // one per line of the task file, without time
};

// The wash level and the log switch come from "tidewell.ini" in `programFolder`, in the
// sections of the Windows user who is logged on.
TaskRunResult RunTaskFile(const std::string& taskFile, const std::string& programFolder);
