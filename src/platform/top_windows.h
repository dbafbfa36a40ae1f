#pragma once
// Windows of other programs, as the browser control meets them: listing the top-level windows,
// their facts, and the messages a user's own actions would send them. Every call accepts a
// handle that is not (or no longer) a window and answers neutrally.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The top-level windows, in the system's order; the whole list, taken at once.
std::vector<HWND> TopLevelWindows();
bool IsWindowHandle(HWND window);
// Class name (up to 259 characters) in UTF-8; empty for a handle that is not a window.
std::string WindowClassName(HWND window);
// The window's text as it answers the get-text message (1024 characters at most); a window
// that does not answer within a second counts as one without a caption.
std::string WindowCaption(HWND window);
HWND ParentWindow(HWND window);  // the parent, or the owner of a top-level window
std::uint32_t WindowStyle(HWND window);
// The first child of `parent` of the class (compared without regard to case).
HWND FindChildWindow(HWND parent, const std::string& className);
HWND LastActivePopup(HWND window);
void PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Shows or hides without waiting for the window's program (a hung one cannot stop us).
void ShowWindowOf(HWND window, int showCommand);

// A window handle as 32 bits and back: only the low 32 bits of a handle are significant, on
// both widths.
std::uint32_t WindowHandleBits(HWND window);
HWND WindowFromBits(std::uint32_t bits);

// Waits until a message arrives or `milliseconds` pass, whichever comes first.
void WaitForMessages(unsigned long milliseconds);

}  // namespace platform
