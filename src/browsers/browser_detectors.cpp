#include "browsers/browser_detectors.h"

#include <cstdint>

#include "platform/paths.h"
#include "platform/top_windows.h"

namespace {

// Caption, system menu, sizing frame, minimise and maximise boxes.
constexpr std::uint32_t kFrameStyle = 0x00CF0000;
constexpr std::uint32_t kDisabledStyle = 0x08000000;

constexpr BrowserDetector kStrictSet[] = {
    BrowserDetector::MainFormA, BrowserDetector::Avant,   BrowserDetector::Enigma,
    BrowserDetector::Mozilla,   BrowserDetector::IEFrame, BrowserDetector::MainFormB,
    BrowserDetector::Netscape,  BrowserDetector::Opera,   BrowserDetector::Slim,
};

bool TopLevel(HWND window) {
    return platform::ParentWindow(window) == nullptr;
}

bool FrameStyle(HWND window) {
    return (platform::WindowStyle(window) & kFrameStyle) == kFrameStyle;
}

bool Enabled(HWND window) {
    return (platform::WindowStyle(window) & kDisabledStyle) == 0;
}

bool HasCaption(HWND window) {
    return !platform::WindowCaption(window).empty();
}

// A main window of a frame-style browser: top-level, every frame bit, not disabled.
bool FrameBrowser(HWND window, const std::string& className, const char* expected) {
    return className == expected && TopLevel(window) && FrameStyle(window) && Enabled(window);
}

bool IEFrameClass(const std::string& className) {
    return className == "ieframe" || className == "cabinetwclass";
}

}  // namespace

std::string LowerClassName(HWND window) {
    return platform::LowerAscii(platform::WindowClassName(window));
}

bool IsBrowserWindow(BrowserDetector detector, HWND window) {
    if (!platform::IsWindowHandle(window))
        return false;
    std::string name = LowerClassName(window);
    switch (detector) {
        case BrowserDetector::MainFormA:
            return FrameBrowser(window, name, "tfrmbrowsermain");
        case BrowserDetector::Avant:
            return FrameBrowser(window, name, "tfrmavantbrowser");
        case BrowserDetector::Enigma:
            return FrameBrowser(window, name, "enigma browser mainframe");
        case BrowserDetector::MozillaPlain:
            return FrameBrowser(window, name, "mozillawindowclass");
        case BrowserDetector::Mozilla:
            return (FrameBrowser(window, name, "mozillawindowclass") && HasCaption(window)) ||
                   FrameBrowser(window, name, "mozillauiwindowclass");
        case BrowserDetector::IEFrame:
            return IEFrameClass(name);
        case BrowserDetector::IEContent:
            return name == "internet explorer_server" &&
                   IsBrowserWindow(BrowserDetector::IEFrame,
                                   platform::ParentWindow(platform::ParentWindow(window)));
        case BrowserDetector::MainFormB:
            return FrameBrowser(window, name, "tfrmmain");
        case BrowserDetector::NetscapePlain:
            return name == "ns_ae_windowclass" && TopLevel(window) && Enabled(window);
        case BrowserDetector::Netscape:
            return name == "ns_ae_windowclass" && TopLevel(window) && Enabled(window) &&
                   HasCaption(window);
        case BrowserDetector::Opera:
            return name == "opwindow" && TopLevel(window) && FrameStyle(window);
        case BrowserDetector::Slim:
            return name == "slimbrowser mainframe";
    }
    return false;
}

bool FirstStrictDetector(HWND window, BrowserDetector& found) {
    for (BrowserDetector detector : kStrictSet) {
        if (IsBrowserWindow(detector, window)) {
            found = detector;
            return true;
        }
    }
    return false;
}
