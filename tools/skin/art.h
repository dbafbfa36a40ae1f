#pragma once
// The pictures of the skin, drawn from shapes.
#include "canvas.h"

namespace skin {

enum class ButtonLook { Up, Down, Disabled, RedUp, RedDown };

Image Background();
Image Button(ButtonLook look);
Image SmallButton(bool down);
Image Intro();

Image SunFrames();    // a strip of 8 tray icons, 16 x 16 each
Image StatusIcons();  // a strip of 17 status-list icons, 16 x 16 each
Image ProgramIcon(int size);

// Colours shared by the pictures.
inline Rgba PanelColour() {
    return Rgb(244, 251, 242);
}
inline Rgba WindowColour() {
    return Rgb(94, 218, 84);
}

}  // namespace skin
