#pragma once
// The running processes of this session by the file they run from, and ending one of them.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct RunningProcess {
    std::uint32_t id = 0;
    std::string module;  // the program file, as the system names it
};

// The processes whose program file could be asked (opened with query rights).
std::vector<RunningProcess> RunningProcesses();

// Ends the process `id`; true when the system ended it.
bool EndProcess(std::uint32_t id);

}  // namespace platform
