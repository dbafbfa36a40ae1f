#pragma once
// The skin pictures of the program: for each, the bitmap file in "I\" under the program folder
// when it exists, else the program's resource (the "...256" resource on a 256-colour screen).
// Also the image lists of the tray animation and the status list, and the program icon.
#include <string>

#include "ui/gdi_handles.h"
#include "ui/skin_picture.h"

struct Skin {
    ui::SkinPicture background;
    ui::SkinPicture buttonUp;
    ui::SkinPicture buttonDown;
    ui::SkinPicture buttonDisabled;
    ui::SkinPicture redButtonUp;
    ui::SkinPicture redButtonDown;
    ui::SkinPicture smallButtonUp;
    ui::SkinPicture smallButtonDown;
    ui::UniqueImageList sunList;     // the tray icon's frames
    ui::UniqueImageList iconList16;  // status list icons for screens below 16 bits per pixel
    ui::UniqueImageList iconListXP;  // the same with alpha
    ui::UniqueIcon bigIcon;          // 48 x 48
    ui::UniqueIcon smallIcon;        // 16 x 16

    static Skin Load(const std::string& programFolder);
    // The status list's image list for this screen.
    HIMAGELIST StatusIcons() const;
};

// One picture: "I\<file>" in the program folder, else the resource `name` (with "256" appended
// when `lowColour`).
ui::SkinPicture LoadSkinPicture(const std::string& programFolder, const std::string& file,
                                const std::wstring& name, bool lowColour);
// The splash picture ("I\intro.bmp", else "Intro", or "Intro256" at 8 bits per pixel or less).
ui::SkinPicture LoadIntroPicture(const std::string& programFolder);
