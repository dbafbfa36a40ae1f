// The index.dat task file lies beside the program, where anyone who can write that folder may
// change it: any bytes must load without fault, a loaded list must save and load back to the
// same lines, and no line may hold a line break of its own.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/deferred_wash.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = ParseTaskFile(input);
    for (const std::string& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos || line.empty())
            __builtin_trap();
    RemoveTaskFileHeader(lines);
    std::size_t before = lines.size();
    if (!lines.empty() && (AddTaskLine(lines, lines.front()) || lines.size() != before))
        __builtin_trap();  // a line already listed is never added twice
    if (ParseTaskFile(FormatTaskFile(lines)) != lines)
        __builtin_trap();
    TaskFileArgument(lines);
    return 0;
}
