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
    font_ = ui::MakeFont(L"MS Sans Serif", 8, false);
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
    SetTextColor(dc, ui::palette::kWhite);
    ui::SelectedObject selected(dc, font_.Get());
    auto draw = [dc, &client](int top, const std::string& text) {
        RECT r{122, top, client.right - 8, top + 16};
        DrawTextW(dc, platform::Utf8ToWide(text).c_str(), -1, &r,
                  DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    };
    draw(34, kProgramTitle);
    draw(52, line_);
}

LRESULT TIntroForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY)
        flags_.IntroExists = false;
    return Default(message, wParam, lParam);
}
