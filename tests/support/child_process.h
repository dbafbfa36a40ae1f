#pragma once
// Runs a program as Windows starts it from a command line, with a given standard input, and
// collects its exit code and both output streams (through files, so neither stream can block
// the other).
#include <string>

namespace testing_support {

struct ChildProcessResult {
    bool started = false;
    bool timedOut = false;  // the program was ended after the timeout
    unsigned long exitCode = 0;
    std::string output;  // standard output, as bytes
    std::string errors;  // standard error, as bytes
};

ChildProcessResult RunChildProcess(const std::string& commandLine, const std::string& input = "",
                                   unsigned long timeoutMs = 120000);

}  // namespace testing_support
