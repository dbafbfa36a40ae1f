#include "ui/skin_background.h"

#include "ui/gdi_handles.h"

namespace ui {

bool SkinBackground::Create(HWND parent, int id, const RECT& bounds, Mode mode, COLORREF colour) {
    mode_ = mode;
    colour_ = colour;
    RegisterClassOnce(L"TidewellSkinBackground", ClassStyle{});
    return CreateAs(L"TidewellSkinBackground", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, L"",
                    bounds, parent, id);
}

void SkinBackground::SetPicture(const SkinPicture* picture) {
    picture_ = picture;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinBackground::SetBrush(HBRUSH brush) {
    brush_ = brush;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void SkinBackground::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (brush_) {
        SetBrushOrgEx(dc, 0, 0, nullptr);
        FillRect(dc, &client, brush_);
        if (overlay_)
            overlay_(dc, client);
        return;
    }
    bool covered = picture_ && !picture_->Empty() && mode_ == Mode::Stretch;
    if (!covered) {
        UniqueBrush brush(CreateSolidBrush(colour_));
        FillRect(dc, &client, brush.Get());
    }
    if (picture_ && !picture_->Empty()) {
        if (mode_ == Mode::Stretch)
            DrawPicture(dc, *picture_, client);
        else
            DrawPictureCentered(dc, *picture_, client);
    }
    if (overlay_)
        overlay_(dc, client);
}

LRESULT SkinBackground::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            Paint(PaintDc(Handle()).Get());
            return 0;
        }
        default:
            return Default(message, wParam, lParam);
    }
}

}  // namespace ui
