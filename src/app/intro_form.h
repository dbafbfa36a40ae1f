#pragma once
// TIntroForm, the splash: borderless, 400 x 100, always on top, centred, the splash picture
// centred on the window colour, with the program's title and a line over it in white 8-point
// "MS Sans Serif".
#include <string>

#include "app/startup.h"
#include "ui/controls.h"
#include "ui/skin_background.h"
#include "ui/window.h"

class TIntroForm : public ui::Window {
  public:
    static constexpr const wchar_t* kClassName = L"TIntroForm";

    // `line`: the text under the title, in the chosen language.
    TIntroForm(StartupFlags& flags, std::string line) : flags_(flags), line_(std::move(line)) {}
    ~TIntroForm() override;

    // ShowIntro: creates the splash (or brings it back to the front) and shows it.
    void ShowIntro();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Open();
    void PaintTexts(HDC dc, const RECT& client);

    StartupFlags& flags_;
    std::string line_;
    ui::UniqueFont font_;
    ui::SkinPicture picture_;
    ui::SkinBackground introFormImg_;
};
