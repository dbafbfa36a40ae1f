#pragma once
// Recognising a browser window by its class name and style alone; no process is inspected.
// Each detector first requires that the handle is a window, so one that vanished since it was
// listed is never recognised.
#include <windows.h>

#include <string>

enum class BrowserDetector {
    MainFormA,      // "tfrmbrowsermain": top-level, frame style, enabled
    Avant,          // "tfrmavantbrowser": the same
    Enigma,         // "enigma browser mainframe": the same
    MozillaPlain,   // "mozillawindowclass": the same
    Mozilla,        // "mozillawindowclass" with a caption, or "mozillauiwindowclass": the same
    IEFrame,        // "ieframe" or "cabinetwclass"
    IEContent,      // "internet explorer_server" whose parent's parent is an IE frame
    MainFormB,      // "tfrmmain": top-level, frame style, enabled
    NetscapePlain,  // "ns_ae_windowclass": top-level, enabled
    Netscape,       // the same with a caption
    Opera,          // "opwindow": top-level, frame style
    Slim,           // "slimbrowser mainframe"
};

// The window's class name in lower case (ASCII letters only).
std::string LowerClassName(HWND window);
bool IsBrowserWindow(BrowserDetector detector, HWND window);
// The first detector of the strict set (Main form A, Avant, Enigma, Mozilla, IE frame, Main
// form B, Netscape, Opera, Slim) that recognises the window; false when none does.
bool FirstStrictDetector(HWND window, BrowserDetector& found);
