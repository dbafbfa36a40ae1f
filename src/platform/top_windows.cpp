#include "platform/top_windows.h"

#include "platform/text.h"

namespace platform {

namespace {

constexpr int kClassNameChars = 260;
constexpr int kCaptionChars = 1024;
constexpr UINT kCaptionTimeoutMs = 1000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsWindowHandle(HWND window) {
    return window && IsWindow(window);
}

std::string WindowClassName(HWND window) {
    if (!IsWindowHandle(window))
        return {};
    wchar_t name[kClassNameChars] = {};
    int length = GetClassNameW(window, name, kClassNameChars);
    return length > 0 ? WideToUtf8(std::wstring_view(name, static_cast<std::size_t>(length)))
                      : std::string();
}

std::string WindowCaption(HWND window) {
    if (!IsWindowHandle(window))
        return {};
    std::wstring text(kCaptionChars, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, kCaptionChars, reinterpret_cast<LPARAM>(&text[0]),
                             SMTO_ABORTIFHUNG, kCaptionTimeoutMs, &copied))
        return {};
    std::size_t length = 0;
    while (length < text.size() && text[length] != L'\0')
        ++length;  // the answer's count is not trusted: the text ends at its terminator
    text.resize(length);
    return WideToUtf8(text);
}

HWND ParentWindow(HWND window) {
    return IsWindowHandle(window) ? GetParent(window) : nullptr;
}

std::uint32_t WindowStyle(HWND window) {
    if (!IsWindowHandle(window))
        return 0;
    return static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
}

HWND FindChildWindow(HWND parent, const std::string& className) {
    if (!IsWindowHandle(parent))
        return nullptr;
    return FindWindowExW(parent, nullptr, Utf8ToWide(className).c_str(), nullptr);
}

HWND LastActivePopup(HWND window) {
    return IsWindowHandle(window) ? GetLastActivePopup(window) : nullptr;
}

void PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsWindowHandle(window))
        PostMessageW(window, message, wParam, lParam);
}

void ShowWindowOf(HWND window, int showCommand) {
    if (IsWindowHandle(window))
        ShowWindowAsync(window, showCommand);
}

std::uint32_t WindowHandleBits(HWND window) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowFromBits(std::uint32_t bits) {
    // Sign-extended, as the system widens a 32-bit handle.
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(bits)));
}

void WaitForMessages(unsigned long milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
}

}  // namespace platform
