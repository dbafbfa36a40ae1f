#include "ui/skin_picture.h"

#include <cstdint>

#include "platform/text.h"

namespace ui {

namespace {

constexpr COLORREF kTransparentColour = RGB(255, 0, 255);

// Reads the size and, for a 32-bit picture, whether it carries alpha; premultiplies the
// colours when a picture from outside is not premultiplied already.
void Describe(SkinPicture& picture) {
    DIBSECTION dib{};
    if (GetObjectW(picture.bitmap.Get(), sizeof dib, &dib) == sizeof dib) {
        picture.width = dib.dsBm.bmWidth;
        picture.height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
        if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits)
            return;
        auto* pixels = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
        std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
        bool anyAlpha = false;
        bool premultiplied = true;
        for (std::size_t i = 0; i < count; ++i) {
            std::uint8_t* p = pixels + i * 4;
            if (p[3] != 0)
                anyAlpha = true;
            if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3])
                premultiplied = false;
        }
        picture.alpha = anyAlpha;
        if (anyAlpha && !premultiplied) {
            for (std::size_t i = 0; i < count; ++i) {
                std::uint8_t* p = pixels + i * 4;
                for (int c = 0; c < 3; ++c)
                    p[c] = static_cast<std::uint8_t>(p[c] * p[3] / 255);
            }
        }
        return;
    }
    BITMAP bm{};
    if (GetObjectW(picture.bitmap.Get(), sizeof bm, &bm)) {
        picture.width = bm.bmWidth;
        picture.height = bm.bmHeight;
    }
}

SkinPicture FromHandle(HANDLE handle) {
    SkinPicture picture;
    picture.bitmap.Reset(static_cast<HBITMAP>(handle));
    if (picture.bitmap)
        Describe(picture);
    return picture;
}

void Blit(HDC dc, const SkinPicture& picture, HDC source, const RECT& src, const RECT& dest) {
    int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    int sw = src.right - src.left, sh = src.bottom - src.top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    if (picture.alpha) {
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, dest.left, dest.top, dw, dh, source, src.left, src.top, sw, sh, blend);
    } else {
        TransparentBlt(dc, dest.left, dest.top, dw, dh, source, src.left, src.top, sw, sh,
                       kTransparentColour);
    }
}

class PictureSource {
  public:
    PictureSource(HDC dc, const SkinPicture& picture)
        : dc_(CreateCompatibleDC(dc)), selected_(dc_.Get(), picture.bitmap.Get()) {}
    HDC Get() const { return dc_.Get(); }

  private:
    UniqueMemoryDc dc_;
    SelectedObject selected_;
};

}  // namespace

SkinPicture LoadPictureFile(const std::string& path) {
    return FromHandle(LoadImageW(nullptr, platform::Utf8ToWide(path).c_str(), IMAGE_BITMAP, 0, 0,
                                 LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

SkinPicture LoadPictureResource(const wchar_t* name) {
    return FromHandle(
        LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

int ScreenBitsPerPixel() {
    WindowDc screen(nullptr);
    if (!screen.Get())
        return 32;
    return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
}

void DrawPicture(HDC dc, const SkinPicture& picture, const RECT& dest) {
    DrawPicturePart(dc, picture, RECT{0, 0, picture.width, picture.height}, dest);
}

void DrawPicturePart(HDC dc, const SkinPicture& picture, const RECT& src, const RECT& dest) {
    if (picture.Empty())
        return;
    PictureSource source(dc, picture);
    Blit(dc, picture, source.Get(), src, dest);
}

void DrawPictureSliced(HDC dc, const SkinPicture& picture, const RECT& dest, int margin) {
    if (picture.Empty())
        return;
    int w = picture.width, h = picture.height;
    int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    int m = margin;
    if (w < 2 * m + 1 || h < 2 * m + 1 || dw < 2 * m || dh < 2 * m) {
        DrawPicture(dc, picture, dest);
        return;
    }
    PictureSource source(dc, picture);
    const int sx[4] = {0, m, w - m, w};
    const int sy[4] = {0, m, h - m, h};
    const int dx[4] = {dest.left, dest.left + m, dest.right - m, dest.right};
    const int dy[4] = {dest.top, dest.top + m, dest.bottom - m, dest.bottom};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            Blit(dc, picture, source.Get(), RECT{sx[col], sy[row], sx[col + 1], sy[row + 1]},
                 RECT{dx[col], dy[row], dx[col + 1], dy[row + 1]});
}

void DrawPictureCentered(HDC dc, const SkinPicture& picture, const RECT& dest) {
    if (picture.Empty())
        return;
    int x = dest.left + ((dest.right - dest.left) - picture.width) / 2;
    int y = dest.top + ((dest.bottom - dest.top) - picture.height) / 2;
    DrawPicture(dc, picture, RECT{x, y, x + picture.width, y + picture.height});
}

void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect.left;
    vertices[0].y = rect.top;
    vertices[0].Red = static_cast<COLOR16>(GetRValue(top) << 8);
    vertices[0].Green = static_cast<COLOR16>(GetGValue(top) << 8);
    vertices[0].Blue = static_cast<COLOR16>(GetBValue(top) << 8);
    vertices[1].x = rect.right;
    vertices[1].y = rect.bottom;
    vertices[1].Red = static_cast<COLOR16>(GetRValue(bottom) << 8);
    vertices[1].Green = static_cast<COLOR16>(GetGValue(bottom) << 8);
    vertices[1].Blue = static_cast<COLOR16>(GetBValue(bottom) << 8);
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

}  // namespace ui
