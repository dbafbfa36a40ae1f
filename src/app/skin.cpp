#include "app/skin.h"

#include "app/layout.h"
#include "platform/files.h"

namespace {

ui::UniqueImageList StripImageList(const wchar_t* resource, int count, UINT flags, bool masked) {
    ui::UniqueImageList list(ImageList_Create(16, 16, flags, count, 0));
    ui::SkinPicture strip = ui::LoadPictureResource(resource);
    if (!list || strip.Empty())
        return list;
    if (masked)
        ImageList_AddMasked(list.Get(), strip.bitmap.Get(), RGB(255, 0, 255));
    else
        ImageList_Add(list.Get(), strip.bitmap.Get(), nullptr);
    return list;
}

HICON ProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, size, size, 0));
}

}  // namespace

ui::SkinPicture LoadSkinPicture(const std::string& programFolder, const std::string& file,
                                const std::wstring& name, bool lowColour) {
    std::string path = programFolder + "I\\" + file;
    if (platform::FileExists(path)) {
        ui::SkinPicture picture = ui::LoadPictureFile(path);
        if (!picture.Empty())
            return picture;
    }
    std::wstring resource = lowColour ? name + L"256" : name;
    return ui::LoadPictureResource(resource.c_str());
}

ui::SkinPicture LoadIntroPicture(const std::string& programFolder) {
    return LoadSkinPicture(programFolder, "intro.bmp", L"Intro", ui::ScreenBitsPerPixel() <= 8);
}

Skin Skin::Load(const std::string& programFolder) {
    Skin skin;
    bool eightBits = ui::ScreenBitsPerPixel() == 8;
    skin.background = LoadSkinPicture(programFolder, "background.bmp", L"Background", eightBits);
    skin.buttonUp = LoadSkinPicture(programFolder, "but_up.bmp", L"But_Up", eightBits);
    skin.buttonDown = LoadSkinPicture(programFolder, "but_down.bmp", L"But_Down", eightBits);
    skin.buttonDisabled =
        LoadSkinPicture(programFolder, "but_disabled.bmp", L"But_Disabled", eightBits);
    skin.redButtonUp = LoadSkinPicture(programFolder, "red_but_up.bmp", L"Red_But_Up", eightBits);
    skin.redButtonDown =
        LoadSkinPicture(programFolder, "red_but_down.bmp", L"Red_But_Down", eightBits);
    skin.smallButtonUp = ui::LoadPictureResource(L"Small_But_Up");
    skin.smallButtonDown = ui::LoadPictureResource(L"Small_But_Down");
    skin.sunList = StripImageList(L"SunList", layout::kSunFrames, ILC_COLOR32, false);
    skin.iconListXP = StripImageList(L"IconListXP", layout::kStatusIcons, ILC_COLOR32, false);
    skin.iconList16 =
        StripImageList(L"IconList16", layout::kStatusIcons, ILC_COLOR8 | ILC_MASK, true);
    skin.bigIcon.Reset(ProgramIcon(48));
    skin.smallIcon.Reset(ProgramIcon(16));
    return skin;
}

HIMAGELIST Skin::StatusIcons() const {
    return ui::ScreenBitsPerPixel() < 16 ? iconList16.Get() : iconListXP.Get();
}
