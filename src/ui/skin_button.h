#pragma once
// The skinned bitmap button: an owner-drawn push button that shows its up, down or disabled
// picture and its caption on top (moved one pixel down and right while pressed). Pictures are
// shared and owned by whoever loaded them; without a picture a flat face is drawn.
#include <windows.h>

#include <string>

#include "ui/skin_picture.h"
#include "ui/window.h"

namespace ui {

class SkinButton : public OwnerDrawn {
  public:
    struct Pictures {
        const SkinPicture* up = nullptr;
        const SkinPicture* down = nullptr;
        const SkinPicture* disabled = nullptr;
    };

    SkinButton() = default;
    SkinButton(const SkinButton&) = delete;
    SkinButton& operator=(const SkinButton&) = delete;

    HWND Create(HWND parent, int id, const RECT& bounds, const std::string& caption, HFONT font);
    HWND Handle() const { return hwnd_; }
    int Id() const;

    void SetPictures(const Pictures& pictures);
    void SetCaption(const std::string& caption);
    // The caption's colour and font ("white and bold" on the running Go button).
    void SetCaptionLook(COLORREF colour, HFONT font);
    void SetSliceMargin(int margin) { sliceMargin_ = margin; }
    void Repaint();

    void DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    void DrawFace(HDC dc, const RECT& rect, bool pressed, bool disabled);
    HWND hwnd_ = nullptr;
    Pictures pictures_;
    COLORREF captionColour_ = RGB(14, 56, 22);
    HFONT font_ = nullptr;
    int sliceMargin_ = 6;
};

}  // namespace ui
