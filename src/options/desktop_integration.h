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

// The context-menu handler "Vanish" as the program registers it while it runs: on 64-bit
// Windows a 32-bit program registers the 64-bit "NimboAction64.dll" beside it through the
// 64-bit regsvr32 (a 64-bit Explorer loads only 64-bit handlers); otherwise, or when that file
// is missing, "NimboAction.dll" through "regsvr32". `library` is empty when neither is there.
struct ContextMenuHandler {
    std::string regsvr32;
    std::string library;
    bool native = false;  // registered in the 64-bit registry (seen from a 32-bit program)
};
ContextMenuHandler ContextMenuHandlerFor(const std::string& programFolder);
// Whether the handler's key "*\shellex\ContextMenuHandlers\Vanish" is there, in the registry
// that the handler's regsvr32 writes.
bool ContextMenuHandlerRegistered(const ContextMenuHandler& handler);

// The Windows software control panel ("Add or Remove Programs").
void OpenSoftwareControlPanel();
