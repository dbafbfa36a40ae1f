#pragma once
// The skinned background control: paints a picture (stretched over the control or centred on a
// colour) and lets mouse input fall through to its parent, so that the parent can be dragged by
// its background.
#include <windows.h>

#include <functional>

#include "ui/skin_picture.h"
#include "ui/window.h"

namespace ui {

class SkinBackground : public Window {
  public:
    enum class Mode { Stretch, Center };

    bool Create(HWND parent, int id, const RECT& bounds, Mode mode, COLORREF colour);
    // The picture is shared; null or empty shows the colour alone.
    void SetPicture(const SkinPicture* picture);
    // Or a brush (shared) that holds the background at the control's size, from 0, 0.
    void SetBrush(HBRUSH brush);
    // Painted over the picture (texts of the splash).
    void SetOverlay(std::function<void(HDC, const RECT&)> overlay) {
        overlay_ = std::move(overlay);
    }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    const SkinPicture* picture_ = nullptr;
    HBRUSH brush_ = nullptr;
    Mode mode_ = Mode::Stretch;
    COLORREF colour_ = 0;
    std::function<void(HDC, const RECT&)> overlay_;
};

}  // namespace ui
