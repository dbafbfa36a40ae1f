#include "browsers/browser_windows.h"

#include "browsers/browser_detectors.h"
#include "platform/top_windows.h"

namespace {

constexpr int kShowHidden = 0;  // SW_HIDE
constexpr int kShowNormal = 5;  // SW_SHOW

// The Internet Explorer page inside a frame: frame > "Shell DocObject View" >
// "Internet Explorer_Server"; null when the frame shows no page.
HWND PageOfFrame(HWND frame) {
    HWND view = platform::FindChildWindow(frame, "Shell DocObject View");
    return view ? platform::FindChildWindow(view, "Internet Explorer_Server") : nullptr;
}

// The top-level window above `window`; null for a window that has no parent itself.
HWND TopLevelAncestor(HWND window) {
    HWND parent = platform::ParentWindow(window);
    if (!parent)
        return nullptr;
    for (int depth = 0; depth < 256; ++depth) {  // a parent chain is never this long
        HWND above = platform::ParentWindow(parent);
        if (!above)
            break;
        parent = above;
    }
    return parent;
}

}  // namespace

void BrowserWindows::Walk(BrowserAction action) {
    // The list is taken at once: a close waits and handles messages, and windows come and go.
    for (HWND window : platform::TopLevelWindows())
        Step(window, action);
}

void BrowserWindows::Step(HWND window, BrowserAction action) {
    BrowserDetector detector;
    if (IsBrowserWindow(BrowserDetector::IEFrame, window)) {
        HWND page = PageOfFrame(window);
        if (action == BrowserAction::Find)
            RegisterBrowserWindow(IsBrowserWindow(BrowserDetector::IEContent, page) ? page
                                                                                    : window);
        else
            ActOn(window, action);
    } else if (FirstStrictDetector(window, detector)) {
        if (action == BrowserAction::Find)
            RegisterBrowserWindow(window);
        else
            ActOn(window, action);
    }
}

void BrowserWindows::ActOn(HWND window, BrowserAction action) {
    if (!list_.Contains(platform::WindowHandleBits(window)))
        return;  // a window the program does not list is left alone
    switch (action) {
        case BrowserAction::Hide:
            platform::ShowWindowOf(window, kShowHidden);
            break;
        case BrowserAction::Show:
            platform::ShowWindowOf(window, kShowNormal);
            break;
        case BrowserAction::Close:
            closer_.CloseBrowser(window);
            break;
        case BrowserAction::Find:
            break;
    }
}

bool BrowserWindows::AddLine(HWND window, const char* caption) {
    // The caption is fetched before the list is looked at; the addition itself checks again.
    std::string text = caption ? std::string(caption) : platform::WindowCaption(window);
    return list_.AddIfAbsent(platform::WindowHandleBits(window), LowerClassName(window), text);
}

void BrowserWindows::RegisterBrowserWindow(HWND window) {
    if (!platform::IsWindowHandle(window))
        return;
    HWND top = TopLevelAncestor(window);
    BrowserDetector detector;
    if (IsBrowserWindow(BrowserDetector::IEFrame, top) &&
        IsBrowserWindow(BrowserDetector::IEContent, window))
        AddLine(top);
    else if (FirstStrictDetector(window, detector))
        AddLine(window);
    else if (IsBrowserWindow(BrowserDetector::MozillaPlain, window) ||
             IsBrowserWindow(BrowserDetector::NetscapePlain, window))
        AddLine(window, "????");
}

void BrowserWindows::ForgetBrowserWindow(HWND window) {
    list_.Remove(platform::WindowHandleBits(window));
}

bool BrowserWindows::BrowserIsRunning() {
    return list_.Prune([](std::uint32_t bits) {
        return platform::IsWindowHandle(platform::WindowFromBits(bits));
    });
}
