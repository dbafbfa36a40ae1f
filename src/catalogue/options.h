#pragma once
// The options as the main window's controls hold them. The window keeps this in step with its
// controls on every change, so washers read the live choices, never the file.
#include <cstdint>
#include <string>

// A hot key as the system's hot-key control gives it: virtual key in the low byte, the
// modifier flags (1 Shift, 2 Ctrl, 4 Alt, 8 extended) in the high byte.
using HotKeyCode = std::uint16_t;

struct Options {
    int LngID = 44;
    int WashLevel = 5;  // index in the wash level list ("WashBlurMode" in the settings)
    bool CloseBrowsersDuringWash = true;
    bool AutoWashAfterBrowsersCloses = true;
    bool StayInTrayDuringWash = false;
    bool HideInTrayAtStartup = false;
    bool IETidewellButton = true;
    bool ShowShortcutOnDesktop = false;
    bool AutorunAtWindowsStartup = false;

    bool AutoWashTimeInterval = false;
    double AutoWashTimeIntervalTime = 10.0 / (24 * 60);  // fraction of a day: 00:10:00
    bool AutoWashDailyTime = false;
    double AutoWashDailyTimeTime = 17.0 / 24;  // 17:00:00
    bool AutoWashDate = false;
    double AutoWashDateDate = 0;  // whole days since 30 December 1899; 0 = today at load

    bool LogActivities = false;
    bool WashOnWindowsShutdown = false;
    bool WashAndShutdownWindows = false;  // never stored

    bool CloseAllBrowserWindows = true;
    HotKeyCode CloseAllBrowserWindowsHotKey = 0x0279;  // Ctrl+F10
    bool HideShowAllBrowserWindows = true;
    HotKeyCode HideShowAllBrowserWindowsHotKey = 0x027A;  // Ctrl+F11
    bool StealthMode = true;
    HotKeyCode StealthModeHotKey = 0x027B;  // Ctrl+F12
};
