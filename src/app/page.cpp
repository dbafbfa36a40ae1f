#include "app/page.h"

#include "app/design_texts.h"
#include "app/layout.h"
#include "app/main_form.h"
#include "ui/controls.h"
#include "ui/palette.h"

Page::~Page() {
    Destroy();
}

bool Page::Create(HWND parent, int id) {
    panelBrush_.Reset(CreateSolidBrush(ui::palette::kPanel));
    RegisterClassOnce(L"TidewellPage", ClassStyle{});
    const layout::Area& a = layout::kPage;
    // Without WS_CLIPCHILDREN: group boxes do not paint their inside, the page does.
    if (!CreateAs(L"TidewellPage", WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPSIBLINGS, L"",
                  ui::Rect(a.x, a.y, a.width, a.height), parent, id))
        return false;
    return true;
}

void Page::Build() {
    if (built_ || !Handle())
        return;
    built_ = true;
    CreateControls();
}

void Page::Show(bool visible) {
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

bool Page::Visible() const {
    return Handle() && IsWindowVisible(Handle());
}

Page::StaticLook Page::LookOf(int) const {
    return StaticLook{ui::palette::kText, panelBrush_.Get()};
}

HWND Page::Label(int id, int x, int y, int width, int height, DWORD align) {
    HWND label = ui::CreateLabel(Handle(), id, ui::Rect(x, y, width, height), DesignCaption(id),
                                 form_.GetFonts().normal.Get(), align);
    form_.SetHint(label, DesignHint(id));
    return label;
}

HWND Page::Heading(int id, int x, int y, int width) {
    return ui::CreateLabel(Handle(), id, ui::Rect(x, y, width, 20), DesignCaption(id),
                           form_.GetFonts().heading.Get());
}

HWND Page::CheckBox(int id, int x, int y, int width) {
    HWND box = ui::CreateCheckBox(Handle(), id, ui::Rect(x, y, width, 20), DesignCaption(id),
                                  form_.GetFonts().normal.Get());
    form_.SetHint(box, DesignHint(id));
    return box;
}

HWND Page::GroupBox(int id, int x, int y, int width, int height) {
    return ui::CreateGroupBox(Handle(), id, ui::Rect(x, y, width, height), DesignCaption(id),
                              form_.GetFonts().bold.Get());
}

ui::SkinButton& Page::Button(int id, int x, int y, int width, int height) {
    auto button = std::make_unique<ui::SkinButton>();
    button->Create(Handle(), id, ui::Rect(x, y, width, height), DesignCaption(id),
                   form_.GetFonts().normal.Get());
    button->SetPictures(form_.ButtonPictures());
    form_.SetHint(button->Handle(), DesignHint(id));
    buttons_.push_back(std::move(button));
    return *buttons_.back();
}

ui::SkinButton* Page::FindButton(int id) {
    for (auto& button : buttons_)
        if (button->Id() == id)
            return button.get();
    return nullptr;
}

LRESULT Page::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY: {
            bool handled = false;
            LRESULT result = OnNotify(*reinterpret_cast<const NMHDR*>(lParam), handled);
            return handled ? result : Default(message, wParam, lParam);
        }
        case WM_DRAWITEM:
            if (!ui::OwnerDrawn::Reflect(lParam))
                OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto dc = reinterpret_cast<HDC>(wParam);
            StaticLook look = LookOf(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
            SetTextColor(dc, look.text);
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(look.brush);
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Handle(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, panelBrush_.Get());
            return 1;
        }
        default:
            return Default(message, wParam, lParam);
    }
}
