#pragma once
// TIntroForm, the splash: borderless, 400 x 100, always on top, centred, the splash picture
// centred on the window colour with the program's name over it.
#include "app/startup.h"
#include "ui/controls.h"
#include "ui/skin_background.h"
#include "ui/window.h"

class TIntroForm : public ui::Window {
  public:
    static constexpr const wchar_t* kClassName = L"TIntroForm";

    explicit TIntroForm(StartupFlags& flags) : flags_(flags) {}
    ~TIntroForm() override;

    // ShowIntro: creates the splash (or brings it back to the front) and shows it.
    void ShowIntro();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Open();
    void PaintTexts(HDC dc, const RECT& client);

    StartupFlags& flags_;
    ui::Fonts fonts_;
    ui::SkinPicture picture_;
    ui::SkinBackground introFormImg_;
};
