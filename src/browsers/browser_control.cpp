#include "browsers/browser_control.h"

#include "browsers/browser_detectors.h"
#include "platform/system.h"
#include "platform/top_windows.h"

namespace {

constexpr std::uint32_t kPopupStyle = 0x80000000;
constexpr int kMaxPopupDepth = 16;  // owner chains are short; a cycle must not recurse forever
// The button commands a prompt is offered, in this order: close, cancel, abort, no, OK, yes.
constexpr WORD kPromptButtons[] = {8, IDCANCEL, IDABORT, IDNO, IDOK, IDYES};

bool Exists(HWND window) {
    return platform::IsWindowHandle(window);
}

void PostSysClose(HWND window) {
    platform::PostToWindow(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace

void BrowserCloser::PumpWait(unsigned long milliseconds) {
    unsigned long long start = platform::MillisecondsSinceStart();
    for (;;) {
        if (processMessages_)
            processMessages_();
        unsigned long long waited = platform::MillisecondsSinceStart() - start;
        if (waited >= milliseconds)
            return;
        platform::WaitForMessages(static_cast<unsigned long>(milliseconds - waited));
    }
}

bool BrowserCloser::PauseWhile(HWND window) {
    if (!Exists(window))
        return false;
    PumpWait(kPauseMs);
    return true;
}

bool BrowserCloser::CloseWindowTree(HWND window, HWND owner, bool followPopups) {
    return CloseWindowTreeAt(window, owner, followPopups, 0);
}

bool BrowserCloser::CloseWindowTreeAt(HWND window, HWND owner, bool followPopups, int depth) {
    if (!Exists(window))
        return true;
    if (followPopups && depth < kMaxPopupDepth) {
        HWND popup = platform::LastActivePopup(window);
        if (Exists(popup) && popup != window &&
            !CloseWindowTreeAt(popup, owner, followPopups, depth + 1))
            return !Exists(window);
    }
    if (Exists(window)) {
        if ((platform::WindowStyle(window) & kPopupStyle) == 0) {
            PostSysClose(window);
            if (PauseWhile(window))
                platform::PostToWindow(window, WM_CLOSE, 0, 0);
        } else {
            ClosePrompt(window, owner);
        }
    }
    PauseWhile(window);
    return !Exists(window);
}

void BrowserCloser::ClosePrompt(HWND window, HWND owner) {
    // A dialog or message box: out of any menu or drag mode of its owner, then every way out.
    HWND parent = platform::ParentWindow(window);
    platform::PostToWindow(parent ? parent : owner, WM_CANCELMODE, 0, 0);
    if (!PauseWhile(window))
        return;
    PostSysClose(window);
    if (!PauseWhile(window))
        return;
    platform::PostToWindow(window, WM_CLOSE, 0, 0);
    for (WORD button : kPromptButtons) {
        if (!PauseWhile(window))
            return;
        platform::PostToWindow(window, WM_COMMAND, MAKEWPARAM(button, 0), 0);
    }
}

void BrowserCloser::PopupSequence(HWND window) {
    HWND popup = platform::LastActivePopup(window);
    if (popup != window) {
        platform::PostToWindow(window, WM_CANCELMODE, 0, 0);
        PostSysClose(popup);
    }
    PostSysClose(window);
    if (!PauseWhile(window))
        return;
    popup = platform::LastActivePopup(window);
    if (Exists(popup) && popup != window)
        platform::PostToWindow(popup, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    PauseWhile(window);
}

void BrowserCloser::Repeat(HWND window, const std::function<void()>& pass) {
    unsigned long long start = platform::MillisecondsSinceStart();
    do {
        pass();
    } while (Exists(window) && platform::MillisecondsSinceStart() - start < kRepeatMs);
}

void BrowserCloser::CloseBrowser(HWND window) {
    if (!Exists(window))
        return;
    if (platform::FindChildWindow(window, "Shell DocObject View")) {
        Repeat(window, [&] { CloseWindowTree(window, nullptr, true); });
        return;
    }
    if (LowerClassName(window) == "tfrmbrowsermain" ||
        IsBrowserWindow(BrowserDetector::Avant, window) ||
        IsBrowserWindow(BrowserDetector::Enigma, window)) {
        CloseWindowTree(window, nullptr, false);
        return;
    }
    if (IsBrowserWindow(BrowserDetector::IEFrame, window)) {
        Repeat(window, [&] { PopupSequence(window); });
        return;
    }
    if (IsBrowserWindow(BrowserDetector::Mozilla, window) ||
        IsBrowserWindow(BrowserDetector::MainFormB, window) ||
        IsBrowserWindow(BrowserDetector::Netscape, window) ||
        IsBrowserWindow(BrowserDetector::Opera, window)) {
        CloseWindowTree(window, nullptr, false);
        return;
    }
    if (IsBrowserWindow(BrowserDetector::Slim, window))
        Repeat(window, [&] { PopupSequence(window); });
}
