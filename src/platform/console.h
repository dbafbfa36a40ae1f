#pragma once
// The console of a console program: UTF-8 text out and in, the command line, Ctrl+C.
#include <atomic>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class ConsoleStream { Output, Error };

// Writes UTF-8 text: through the console's wide characters when the stream is a console (any
// script shows), as the UTF-8 bytes themselves when it is redirected to a file or a pipe.
void WriteConsoleText(ConsoleStream stream, const std::string& text);

// One line of standard input without its line end, as UTF-8; nothing at the end of input or
// when reading fails (a Ctrl+C during the read).
std::optional<std::string> ReadConsoleLine();

// The program's arguments as UTF-8 texts, split as the C runtime splits them, without the
// program's own name.
std::vector<std::string> CommandLineArguments();

// From now on a Ctrl+C or Ctrl+Break sets `flag` (on the system's handler thread) instead of
// ending the program; a second one, once the flag is set, ends the program as usual. The flag
// must outlive the program's run.
void SetStopFlagOnCtrlC(std::atomic<bool>& flag);

}  // namespace platform
