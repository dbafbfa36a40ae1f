#pragma once
// The command line of TidewellCmd, parsed into what to do. Pure: the program hands it the
// arguments as UTF-8 texts, without the program name.
#include <optional>
#include <string>
#include <vector>

enum class CliVerb { None, Help, List, Test, Wash };

struct CliCommand {
    CliVerb Verb = CliVerb::None;
    std::optional<int> Level;       // --level N: the wash level for this run only
    std::vector<std::string> Only;  // --only ID,...: wash only these objects (in this run)
    bool Yes = false;               // --yes: answer every confirmation with All
    bool Verbose = false;           // --verbose: progress texts on the error stream
};

// Either the command or the message that says what is wrong with the arguments.
struct ParsedCommandLine {
    CliCommand Command;
    std::string Error;  // empty when the command line is good

    bool Ok() const { return Error.empty(); }
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text of --help, lines ending in CR LF.
std::string UsageText();

// Exit codes of TidewellCmd.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the run could not be made
constexpr int kExitUsage = 2;    // bad arguments, unknown or absent object
constexpr int kExitStopped = 3;  // the user stopped the run with Ctrl+C
