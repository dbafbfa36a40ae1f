#include "app/intro_form.h"

#include "app/layout.h"
#include "app/skin.h"
#include "catalogue/settings.h"
#include "platform/system.h"
#include "platform/text.h"
#include "ui/palette.h"

TIntroForm::~TIntroForm() {
    Destroy();
}

void TIntroForm::ShowIntro() {
    if (!Handle()) {
        if (!Open())
            return;
        ui::PumpPendingMessages(nullptr, nullptr);
    }
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(Handle());
}

bool TIntroForm::Open() {
    fonts_ = ui::Fonts::Create();
    picture_ = LoadIntroPicture(platform::ProgramFolder());
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int x = (screenWidth - layout::kIntroWidth) / 2, y = (screenHeight - layout::kIntroHeight) / 2;
    RegisterClassOnce(kClassName, ClassStyle{});
    if (!CreateAs(kClassName, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP, L"Tidewell",
                  ui::Rect(x, y, layout::kIntroWidth, layout::kIntroHeight), nullptr))
        return false;
    introFormImg_.Create(Handle(), 1, ui::Rect(0, 0, layout::kIntroWidth, layout::kIntroHeight),
                         ui::SkinBackground::Mode::Center, ui::palette::kWindow);
    introFormImg_.SetPicture(&picture_);
    introFormImg_.SetOverlay([this](HDC dc, const RECT& client) { PaintTexts(dc, client); });
    flags_.IntroExists = true;
    return true;
}

void TIntroForm::PaintTexts(HDC dc, const RECT& client) {
    SetBkMode(dc, TRANSPARENT);
    auto draw = [dc](HFONT font, COLORREF colour, RECT r, const wchar_t* text) {
        ui::SelectedObject selected(dc, font);
        SetTextColor(dc, colour);
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    };
    RECT shadow{121, 15, client.right, 50};
    draw(fonts_.title.Get(), ui::palette::kDeep, shadow, L"Tidewell");
    draw(fonts_.title.Get(), ui::palette::kWhite, RECT{120, 14, client.right, 50}, L"Tidewell");
    std::wstring title = platform::Utf8ToWide(kProgramTitle);
    draw(fonts_.normal.Get(), ui::palette::kWhite, RECT{122, 44, client.right, 60}, title.c_str());
    draw(fonts_.normal.Get(), RGB(220, 250, 214), RECT{122, 59, client.right, 75},
         L"Washing away the traces of your work...");
}

LRESULT TIntroForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY)
        flags_.IntroExists = false;
    return Default(message, wParam, lParam);
}
