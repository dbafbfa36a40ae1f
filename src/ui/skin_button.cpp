#include "ui/skin_button.h"

#include "platform/text.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace ui {

HWND SkinButton::Create(HWND parent, int id, const RECT& bounds, const std::string& caption,
                        HFONT font) {
    font_ = font;
    hwnd_ =
        CreateControl(parent, L"BUTTON", id, BS_OWNERDRAW | WS_TABSTOP, 0, bounds, caption, font);
    if (hwnd_)
        Attach(hwnd_, this);
    return hwnd_;
}

int SkinButton::Id() const {
    return hwnd_ ? GetDlgCtrlID(hwnd_) : 0;
}

void SkinButton::SetPictures(const Pictures& pictures) {
    pictures_ = pictures;
    Repaint();
}

void SkinButton::SetCaption(const std::string& caption) {
    SetText(hwnd_, caption);
    Repaint();
}

void SkinButton::SetCaptionLook(COLORREF colour, HFONT font) {
    captionColour_ = colour;
    if (font)
        font_ = font;
    Repaint();
}

void SkinButton::Repaint() {
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, FALSE);
}

void SkinButton::DrawFace(HDC dc, const RECT& rect, bool pressed, bool disabled) {
    const SkinPicture* picture = pictures_.up;
    if (disabled && pictures_.disabled)
        picture = pictures_.disabled;
    else if (pressed && pictures_.down)
        picture = pictures_.down;
    if (picture && !picture->Empty()) {
        DrawPictureSliced(dc, *picture, rect, sliceMargin_);
        return;
    }
    RECT face = rect;
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

void SkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool disabled = (item.itemState & ODS_DISABLED) != 0;

    // What lies behind the rounded corners comes from the parent's brush.
    auto backdrop = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(item.hwndItem), WM_CTLCOLORBTN,
                                                          reinterpret_cast<WPARAM>(dc),
                                                          reinterpret_cast<LPARAM>(item.hwndItem)));
    FillRect(dc, &rect, backdrop ? backdrop : GetSysColorBrush(COLOR_BTNFACE));
    DrawFace(dc, rect, pressed, disabled);

    std::wstring caption = platform::Utf8ToWide(GetText(item.hwndItem));
    RECT text = rect;
    if (pressed)
        OffsetRect(&text, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SelectedObject font(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, disabled ? palette::kDisabledText : captionColour_);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace ui
