#pragma once
// Ending the Windows session after a wash: the exit kinds and the choice between them.

enum class ExitKind { Shutdown = 0, PowerOff = 1, Reboot = 2, Logoff = 3 };

// The ExitWindowsEx flags of each kind.
unsigned ExitFlags(ExitKind kind);

// What a wash-and-shut-down ends the session with: "Go..." always powers the computer off;
// a wash that Windows' own session end asked for ends it the way Windows was ending it.
ExitKind ExitKindAfterWash(bool fromButton, bool windowsWasLoggingOff);

// Enables the shutdown privilege and asks Windows to end the session (the Windows NT family);
// true when Windows accepted the request.
bool ShutdownWindows(ExitKind kind);

// The Windows 9x family needs no privilege: a plain shutdown.
bool ShutdownWindows9x();
