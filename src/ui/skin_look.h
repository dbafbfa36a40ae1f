#pragma once
// What the skinned dialogs need from the program's skin: fonts, button pictures, the program
// icon. Everything is shared; the owner of the skin outlives the dialogs.
#include <windows.h>

#include "ui/controls.h"
#include "ui/skin_button.h"

namespace ui {

struct SkinLook {
    const Fonts* fonts = nullptr;
    SkinButton::Pictures buttons;
    HICON bigIcon = nullptr;  // 48 x 48, may be null
};

}  // namespace ui
