#pragma once
// Turning a file type's open command from the registry ("C:\windows\notepad.exe %1") into
// the program to start and its parameters for one document.
#include <optional>
#include <string>

struct ShellCommand {
    std::string program;
    std::string parameters;  // with the quoted document at the end
};

// `command` has its folder macros expanded already. Every "%" goes with the character after
// it, double quotes go, blanks around go. The program is the command up to and including the
// first ".BAT", ".EXE" or ".COM" (in that order) followed by a blank; the rest are its
// parameters. An empty command starts the document itself when it is a program, else nothing.
std::optional<ShellCommand> CommandForDocument(const std::string& command,
                                               const std::string& document);
