// skin_bitmaps FOLDER: draws the skin pictures of Tidewell.exe into FOLDER (the resource file
// picks them up from there).
#include <cstdio>
#include <string>

#include "art.h"
#include "bmp_file.h"

using namespace skin;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_bitmaps FOLDER\n");
        return 2;
    }
    const std::string out = std::string(argv[1]) + "/";
    const Rgba panel = PanelColour();
    const Rgba window = WindowColour();
    bool ok = true;
    auto both = [&](const std::string& name, const Image& image, Rgba backdrop, bool alpha) {
        ok &= alpha ? WriteBmp32(out + name + ".bmp", image)
                    : WriteBmp24(out + name + ".bmp", image, backdrop);
        ok &= WriteBmp8(out + name + "256.bmp", image, backdrop);
    };
    both("background", Background(), window, false);
    both("but_up", Button(ButtonLook::Up), panel, true);
    both("but_down", Button(ButtonLook::Down), panel, true);
    both("but_disabled", Button(ButtonLook::Disabled), panel, true);
    both("red_but_up", Button(ButtonLook::RedUp), panel, true);
    both("red_but_down", Button(ButtonLook::RedDown), panel, true);
    both("intro", Intro(), window, false);
    ok &= WriteBmp32(out + "small_up.bmp", SmallButton(false));
    ok &= WriteBmp32(out + "small_down.bmp", SmallButton(true));
    ok &= WriteBmp32(out + "sunlist.bmp", SunFrames());
    Image icons = StatusIcons();
    ok &= WriteBmp32(out + "iconlistxp.bmp", icons);
    ok &= WriteBmp24(out + "iconlist16.bmp", icons, Rgb(255, 255, 255));
    ok &= WriteIco(out + "tidewell.ico", {ProgramIcon(16), ProgramIcon(32), ProgramIcon(48)});
    if (!ok) {
        std::fprintf(stderr, "skin_bitmaps: could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
