#pragma once
// The colours of the skin, around the window colour 5560926 (red 94, green 218, blue 84). The
// pictures drawn by tools/skin use the same values.
#include <windows.h>

namespace ui::palette {

constexpr COLORREF kWindow = 5560926;  // RGB(94, 218, 84)
constexpr COLORREF kDeep = RGB(16, 74, 30);
constexpr COLORREF kDark = RGB(30, 107, 42);
constexpr COLORREF kHeader = RGB(42, 138, 56);
constexpr COLORREF kPanel = RGB(244, 251, 242);
constexpr COLORREF kPanelLine = RGB(186, 226, 180);
constexpr COLORREF kText = RGB(24, 52, 28);
constexpr COLORREF kMutedText = RGB(92, 120, 96);
constexpr COLORREF kButtonText = RGB(14, 56, 22);
constexpr COLORREF kDisabledText = RGB(138, 150, 138);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kWarning = RGB(176, 52, 32);
constexpr COLORREF kSun = RGB(255, 211, 77);

}  // namespace ui::palette
