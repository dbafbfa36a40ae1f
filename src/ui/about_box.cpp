#include "ui/about_box.h"

#include "platform/text.h"
#include "ui/palette.h"

namespace ui {

namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 236;
constexpr int kCloseId = 100;
constexpr int kTickerId = 101;

}  // namespace

TAboutBox::TAboutBox(const SkinLook& look, Content content)
    : look_(look), content_(std::move(content)) {}

TAboutBox::~TAboutBox() {
    Destroy();
}

void TAboutBox::Show(HWND owner, bool closeButton) {
    if (!Handle() && !Open(owner))
        return;
    ShowWindow(closeButton_.Handle(), closeButton ? SW_SHOW : SW_HIDE);
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
    UpdateWindow(Handle());
}

void TAboutBox::Close() {
    Destroy();
}

bool TAboutBox::Open(HWND owner) {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    int x = area.left + ((area.right - area.left) - kWidth) / 2;
    int y = area.top + ((area.bottom - area.top) - kHeight) / 2;
    MakeButtonBackdrop();
    RegisterClassOnce(kClassName, ClassStyle{CS_DROPSHADOW, nullptr, nullptr, nullptr});
    if (!CreateAs(kClassName, WS_EX_TOPMOST, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                  platform::Utf8ToWide(content_.caption), RECT{x, y, x + kWidth, y + kHeight},
                  owner))
        return false;
    ticker_.Create(Handle(), kTickerId, RECT{16, 166, kWidth - 16, 186}, look_.fonts->normal.Get(),
                   palette::kDark, RGB(232, 246, 228));
    ticker_.SetItems(content_.tickerItems);
    closeButton_.Create(Handle(), kCloseId, RECT{kWidth - 106, 196, kWidth - 16, 222},
                        content_.closeCaption, look_.fonts->normal.Get());
    closeButton_.SetPictures(look_.buttons);
    return true;
}

void TAboutBox::Paint(HDC dc) {
    PaintFrame(dc, platform::Utf8ToWide(content_.caption), look_.fonts->bold.Get());
    RECT client;
    GetClientRect(Handle(), &client);
    auto text = [&](HFONT font, COLORREF colour, RECT r, const std::string& s, UINT format) {
        SelectedObject selected(dc, font);
        SetTextColor(dc, colour);
        std::wstring w = platform::Utf8ToWide(s);
        DrawTextW(dc, w.c_str(), -1, &r, format | DT_NOPREFIX);
    };
    if (look_.bigIcon)
        DrawIconEx(dc, 20, 44, look_.bigIcon, 48, 48, 0, nullptr, DI_NORMAL);
    text(look_.fonts->title.Get(), palette::kDeep, RECT{84, 40, client.right - 10, 70},
         content_.name, DT_SINGLELINE);
    text(look_.fonts->bold.Get(), palette::kDark, RECT{84, 72, client.right - 10, 88},
         content_.title, DT_SINGLELINE);
    int y = 96;
    for (const auto& line : content_.lines) {
        text(look_.fonts->normal.Get(), palette::kText, RECT{84, y, client.right - 10, y + 15},
             line, DT_SINGLELINE);
        y += 15;
    }
    HPEN old = static_cast<HPEN>(SelectObject(dc, GetStockObject(DC_PEN)));
    SetDCPenColor(dc, palette::kPanelLine);
    MoveToEx(dc, 16, 158, nullptr);
    LineTo(dc, client.right - 16, 158);
    SelectObject(dc, old);
}

LRESULT TAboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleBoxMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseId || LOWORD(wParam) == IDCANCEL)
                Close();
            return 0;
        case WM_CLOSE:
            Close();
            return 0;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace ui
