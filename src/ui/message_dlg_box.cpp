#include "ui/message_dlg_box.h"

#include <algorithm>
#include <memory>

#include "platform/text.h"
#include "ui/palette.h"

namespace ui {

namespace {

constexpr int kButtonIdBase = 100;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 26;
constexpr int kMargin = 16;
constexpr int kIconSize = 32;

HICON SystemIcon(TMessageDlgBox::Icon icon) {
    switch (icon) {
        case TMessageDlgBox::Icon::Question:
            return LoadIconW(nullptr, MAKEINTRESOURCEW(32514));  // IDI_QUESTION
        case TMessageDlgBox::Icon::Warning:
            return LoadIconW(nullptr, MAKEINTRESOURCEW(32515));  // IDI_WARNING
        case TMessageDlgBox::Icon::Information:
            return LoadIconW(nullptr, MAKEINTRESOURCEW(32516));  // IDI_INFORMATION
        case TMessageDlgBox::Icon::None:
            break;
    }
    return nullptr;
}

}  // namespace

TMessageDlgBox::TMessageDlgBox(const SkinLook& look, std::string title, std::string text,
                               std::vector<std::string> buttons, Icon icon)
    : look_(look),
      title_(platform::Utf8ToWide(title)),
      text_(platform::Utf8ToWide(text)),
      captions_(std::move(buttons)),
      icon_(icon) {}

int TMessageDlgBox::Ask(HWND owner, const SkinLook& look, const std::string& title,
                        const std::string& text, const std::vector<std::string>& buttons,
                        Icon icon) {
    if (buttons.empty())
        return -1;
    TMessageDlgBox box(look, title, text, buttons, icon);
    if (!box.Open(owner))
        return static_cast<int>(buttons.size()) - 1;
    return box.RunModal(owner);
}

void TMessageDlgBox::Layout(int& width, int& height) {
    WindowDc screen(nullptr);
    SelectedObject font(screen.Get(), look_.fonts->normal.Get());
    int iconSpace = icon_ == Icon::None ? 0 : kIconSize + kMargin;
    RECT measure{0, 0, 420, 0};
    DrawTextW(screen.Get(), text_.c_str(), -1, &measure,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    int buttonsWidth = static_cast<int>(captions_.size()) * (kButtonWidth + 8) - 8;
    width = std::max({300, static_cast<int>(measure.right) + iconSpace + 2 * kMargin,
                      buttonsWidth + 2 * kMargin});
    int body = std::max(static_cast<int>(measure.bottom), icon_ == Icon::None ? 0 : kIconSize);
    height = kTitleHeight + kMargin + body + kMargin + kButtonHeight + kMargin;
    textRect_ = RECT{kMargin + iconSpace, kTitleHeight + kMargin, width - kMargin,
                     kTitleHeight + kMargin + measure.bottom};
}

bool TMessageDlgBox::Open(HWND owner) {
    int width = 0, height = 0;
    Layout(width, height);
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    RECT around = area;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &around);
    int x = around.left + ((around.right - around.left) - width) / 2;
    int y = around.top + ((around.bottom - around.top) - height) / 2;
    MakeButtonBackdrop();
    RegisterClassOnce(kClassName, ClassStyle{CS_DROPSHADOW, nullptr, nullptr, nullptr});
    if (!CreateAs(kClassName, WS_EX_TOPMOST | WS_EX_CONTROLPARENT,
                  WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, title_, RECT{x, y, x + width, y + height},
                  owner))
        return false;
    int bx = width - kMargin - (static_cast<int>(captions_.size()) * (kButtonWidth + 8) - 8);
    int by = height - kMargin - kButtonHeight - 2;
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        auto button = std::make_unique<SkinButton>();
        button->Create(Handle(), kButtonIdBase + static_cast<int>(i),
                       RECT{bx, by, bx + kButtonWidth, by + kButtonHeight}, captions_[i],
                       look_.fonts->normal.Get());
        button->SetPictures(look_.buttons);
        button->SetCaptionLook(palette::kButtonText, nullptr);
        bx += kButtonWidth + 8;
        buttons_.push_back(std::move(button));
    }
    return true;
}

int TMessageDlgBox::RunModal(HWND owner) {
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(buttons_.front()->Handle());

    MSG msg;
    while (answer_ < 0 && Handle()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (IsDialogMessageW(Handle(), &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    Destroy();
    if (owner && IsWindowVisible(owner))
        SetForegroundWindow(owner);
    return answer_ >= 0 ? answer_ : static_cast<int>(captions_.size()) - 1;
}

void TMessageDlgBox::Answer(int index) {
    if (answer_ < 0)
        answer_ = index;
}

void TMessageDlgBox::Paint(HDC dc) {
    PaintFrame(dc, title_, look_.fonts->bold.Get());
    if (HICON icon = SystemIcon(icon_))
        DrawIconEx(dc, kMargin, kTitleHeight + kMargin, icon, kIconSize, kIconSize, 0, nullptr,
                   DI_NORMAL);
    SelectedObject font(dc, look_.fonts->normal.Get());
    SetTextColor(dc, palette::kText);
    RECT text = textRect_;
    DrawTextW(dc, text_.c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
}

LRESULT TMessageDlgBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleBoxMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            int last = static_cast<int>(captions_.size()) - 1;
            if (id >= kButtonIdBase && id <= kButtonIdBase + last)
                Answer(id - kButtonIdBase);
            else if (id == IDCANCEL)
                Answer(last);
            else if (id == IDOK) {
                HWND focus = GetFocus();
                int focused = focus ? GetDlgCtrlID(focus) - kButtonIdBase : 0;
                Answer(focused >= 0 && focused <= last ? focused : 0);
            }
            return 0;
        }
        case WM_CLOSE:
            Answer(static_cast<int>(captions_.size()) - 1);
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace ui
