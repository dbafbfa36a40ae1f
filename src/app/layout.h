#pragma once
// Where the parts of the main window lie. The skin tool draws the background picture to the
// same measures, so the pages and buttons sit on the panels it paints.
namespace layout {

struct Area {
    int x, y, width, height;
};

constexpr int kClientWidth = 640;
constexpr int kClientHeight = 445;
constexpr int kTitleHeight = 44;

constexpr Area kLogo{8, 5, 170, 34};
constexpr Area kCaption{250, 14, 272, 18};
constexpr int kSmallButtonSize = 20;
constexpr int kSmallButtonTop = 12;
constexpr int kSmallButtonLeft = 530;  // "?", then "i", "_", "x" every 26 pixels
constexpr int kSmallButtonStep = 26;

constexpr Area kNavPanel{10, 54, 132, 381};
constexpr Area kNavButton{18, 66, 116, 30};  // the first page button
constexpr int kNavButtonStep = 38;
constexpr Area kQuitButton{18, 395, 116, 30};

constexpr Area kContentPanel{150, 52, 480, 383};
constexpr Area kPage{154, 56, 472, 375};  // the pages, inside the panel's frame

// The skin pictures' own sizes.
constexpr int kButtonPictureWidth = 120;
constexpr int kButtonPictureHeight = 28;
constexpr int kIntroWidth = 400;
constexpr int kIntroHeight = 100;
constexpr int kSunFrames = 8;
constexpr int kStatusIcons = 17;

}  // namespace layout
