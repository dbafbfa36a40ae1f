#pragma once
// The programs Windows starts at logon, as the startup monitor lists them: each line keeps
// where it comes from (a registry value or a startup-folder file), so that removing a line
// removes exactly what it shows. No system calls.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/root_key.h"

struct StartupProgram {
    enum class Source { RegistryValue, StartupFile };
    Source source = Source::RegistryValue;
    std::string name;     // the value name, or the file name
    std::string command;  // the command line, or the file's (shortcut's) target
    // A registry value: its root key and key path (without a trailing backslash).
    RootKey root = RootKey::CurrentUser;
    std::string keyPath;
    // A startup-folder file: its full path.
    std::string path;

    // name + " (" + the command in lower case + ")".
    std::string DisplayText() const;
    // Where it comes from: "HKEY_CURRENT_USER\Software\...\Run@" + name, or the file's path.
    std::string SourceText() const;
};

struct StartupLine {
    StartupProgram program;
    bool checked = false;  // chosen for removal
};

// Asks whether the program may stop running at startup; true for Yes.
using ConfirmStartupRemoval = std::function<bool(const StartupProgram&)>;
// Removes the value or file; true when it is gone.
using RemoveStartupProgram = std::function<bool(const StartupProgram&)>;

class StartupProgramsList {
  public:
    // The programs in their order, each (display text and source, letter case aside) once,
    // none checked.
    void Rebuild(const std::vector<StartupProgram>& programs);

    const std::vector<StartupLine>& Lines() const { return lines_; }
    void SetChecked(std::size_t index, bool checked);

    // The checked lines from the last to the first: each asked for, and on Yes removed; a line
    // goes from the list when its program is gone, and stays checked on No or a failure.
    void DeleteChecked(const ConfirmStartupRemoval& confirm, const RemoveStartupProgram& remove);

  private:
    std::vector<StartupLine> lines_;
};
