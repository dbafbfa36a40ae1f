#pragma once
// What the three desktop switches of the Options page do to the system: the shortcut
// "Tidewell.LNK" on the common desktop and in the common startup folder, and the Internet
// Explorer toolbar button's registry key. Failures are not reported: at the next start the
// boxes show the real state of the shortcuts.
#include <string>

// The toolbar button's key under HKEY_LOCAL_MACHINE.
extern const char* const kToolbarButtonKey;
// "Tidewell.LNK".
extern const char* const kProgramShortcutFile;

struct ShortcutRequest {
    std::string folder;  // with or without a trailing backslash
    std::string name;    // without ".LNK"; "" = "Shortcut to " + the target's base name
    std::string target;
    std::string arguments;
    std::string iconFile;
    int iconIndex = 0;
    std::string workingFolder;
    std::string hotKeyText;  // as the hot-key box shows it ("Ctrl+Alt+T"); "" = none
};

// Makes or replaces folder + name + ".LNK" (a read-only file there is replaced too), creating
// the folder with its parents; returns the shortcut's path, "" when it was not saved.
std::string CreateShortcut(const ShortcutRequest& request);

// The program's own shortcut in `folder` (with a trailing backslash): created when wanted and
// missing, deleted when not wanted and present.
void UpdateProgramShortcut(const std::string& folder, bool wanted, const std::string& programFile);

// The toolbar button: its nine values written when wanted and the key is missing, the whole
// key deleted when not wanted and present; otherwise nothing is done.
void UpdateToolbarButton(bool wanted, const std::string& programFolder);

// The Windows software control panel ("Add or Remove Programs").
void OpenSoftwareControlPanel();
