#include "ui/skinned_box.h"

#include "ui/palette.h"
#include "ui/skin_picture.h"

namespace ui {

namespace {

constexpr COLORREF kBodyBottom = RGB(222, 242, 218);
constexpr COLORREF kButtonBackdrop = RGB(226, 244, 222);  // the body's colour at the buttons

}  // namespace

void SkinnedBox::MakeButtonBackdrop() {
    buttonBackdrop_.Reset(CreateSolidBrush(kButtonBackdrop));
}

void SkinnedBox::PaintFrame(HDC dc, const std::wstring& caption, HFONT captionFont) {
    RECT client;
    GetClientRect(Handle(), &client);
    RECT title{0, 0, client.right, kTitleHeight};
    FillGradient(dc, title, palette::kHeader, palette::kDeep);
    FillGradient(dc, RECT{0, kTitleHeight, client.right, client.bottom}, palette::kPanel,
                 kBodyBottom);
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, captionFont);
    SetTextColor(dc, palette::kWhite);
    title.left += 10;
    DrawTextW(dc, caption.c_str(), -1, &title, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool SkinnedBox::HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CTLCOLORBTN:
            result = reinterpret_cast<LRESULT>(buttonBackdrop_.Get());
            return true;
        case WM_NCHITTEST: {
            LRESULT hit = Default(message, wParam, lParam);
            POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ScreenToClient(Handle(), &pt);
            result = hit == HTCLIENT && pt.y < kTitleHeight ? HTCAPTION : hit;
            return true;
        }
        case WM_DRAWITEM:
            OwnerDrawn::Reflect(lParam);
            result = TRUE;
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT: {
            Paint(PaintDc(Handle()).Get());
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace ui
