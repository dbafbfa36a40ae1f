#pragma once
// Starting other programs and documents through the shell.
#include <functional>
#include <string>

// ShellExecute with the desktop as owner, the default verb and a normal window; true when the
// shell started it.
bool StartProgram(const std::string& program, const std::string& parameters,
                  const std::string& folder);
// Starts the program and waits until it ends, calling `pump` whenever messages arrive.
bool RunAndWait(const std::string& program, const std::string& parameters,
                const std::function<void()>& pump);
// Opens a document or web address with its associated program.
bool OpenDocument(const std::string& document);
