#pragma once
// A skin picture: a bitmap from a file in "I\" or from the program's resources, drawn with its
// alpha channel when it has one, else with magenta (255, 0, 255) as the transparent colour.
#include <windows.h>

#include <string>

#include "ui/gdi_handles.h"

namespace ui {

struct SkinPicture {
    UniqueBitmap bitmap;
    int width = 0;
    int height = 0;
    bool alpha = false;  // 32 bits per pixel, premultiplied

    bool Empty() const { return !bitmap; }
};

// The bitmap file; an empty picture when it does not exist or cannot be read.
SkinPicture LoadPictureFile(const std::string& path);
// A BITMAP resource of the program by name; empty when missing.
SkinPicture LoadPictureResource(const wchar_t* name);
// Bits per pixel of the screen.
int ScreenBitsPerPixel();

// The whole picture scaled into `dest`.
void DrawPicture(HDC dc, const SkinPicture& picture, const RECT& dest);
// Corners of `margin` pixels kept, edges and middle stretched (buttons of any size).
void DrawPictureSliced(HDC dc, const SkinPicture& picture, const RECT& dest, int margin);
// Unscaled, centred in `dest` (clipped when larger).
void DrawPictureCentered(HDC dc, const SkinPicture& picture, const RECT& dest);
// Part of the picture: source rectangle `src` scaled into `dest`.
void DrawPicturePart(HDC dc, const SkinPicture& picture, const RECT& src, const RECT& dest);

// A vertical two-colour gradient (boxes painted by code: message box, about box).
void FillGradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

}  // namespace ui
