#pragma once
// What the program's small skinned boxes (the message box, the about box) share: a title strip
// that drags the box, a gradient body, and skinned buttons drawn on the body's colour.
#include <windows.h>

#include <string>

#include "ui/gdi_handles.h"
#include "ui/window.h"

namespace ui {

class SkinnedBox : public Window {
  protected:
    static constexpr int kTitleHeight = 26;

    // The brush the box's buttons draw their corners on; made before the buttons are created.
    void MakeButtonBackdrop();
    // Paints the title strip with `caption` in `captionFont` and the body below it.
    void PaintFrame(HDC dc, const std::wstring& caption, HFONT captionFont);
    // Handles the messages every box treats alike (drag by the title strip, button backdrop,
    // owner-drawn buttons, painting through Paint). True when `message` was one of them.
    bool HandleBoxMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual void Paint(HDC dc) = 0;

  private:
    UniqueBrush buttonBackdrop_;
};

}  // namespace ui
