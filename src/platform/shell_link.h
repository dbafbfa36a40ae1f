#pragma once
// Shortcut files (".LNK") through the shell's link object.
#include <cstdint>
#include <string>

namespace platform {

struct ShellLinkFields {
    std::string target;
    std::string arguments;  // "" = none
    std::string iconFile;   // "" = the target's own icon
    int iconIndex = 0;
    std::string workingFolder;  // "" = none
    std::uint16_t hotKey = 0;   // virtual key in the low byte, HOTKEYF_* in the high byte
};

// Saves a new shortcut under `linkPath` (an existing file there is overwritten); true when the
// shell saved it.
bool SaveShellLink(const std::string& linkPath, const ShellLinkFields& fields);

// The target of a shortcut file; empty when it cannot be read.
std::string ShellLinkTarget(const std::string& linkPath);

}  // namespace platform
