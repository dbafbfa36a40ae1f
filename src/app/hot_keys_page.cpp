#include "app/hot_keys_page.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {

struct HotKeyRow {
    int checkBox;
    int keyBox;
};
constexpr HotKeyRow kRows[3] = {
    {ids::CloseAllBrowserWindowsChkBox, ids::CloseAllBrowserWindowsHotKey},
    {ids::HideShowAllBrowserWindowsChkBox, ids::HideShowAllBrowserWindowsHotKey},
    {ids::StealthModeChkBox, ids::StealthModeHotKey},
};

HotKeyCode ReadKeyBox(HWND box) {
    return static_cast<HotKeyCode>(SendMessageW(box, HKM_GETHOTKEY, 0, 0));
}

}  // namespace

void HotKeysPage::CreateControls() {
    HFONT normal = form_.GetFonts().normal.Get();
    Heading(ids::HotKeysPageTitleLbl, 12, 10, 300);
    Label(ids::HotKeysInfoLbl, 12, 38, 448, 30);
    GroupBox(ids::HotKeysGroup, 12, 72, 448, 176);
    const int tops[3] = {98, 134, 208};
    for (int i = 0; i < 3; ++i) {
        CheckBox(kRows[i].checkBox, 28, tops[i], 220);
        HWND box = ui::CreateHotKeyBox(Handle(), kRows[i].keyBox,
                                       ui::Rect(262, tops[i] - 1, 180, 22), normal);
        form_.SetHint(box, DesignHint(kRows[i].keyBox));
    }
    Label(ids::BossKeyNoteLbl, 46, 160, 396, 30);
}

Page::StaticLook HotKeysPage::LookOf(int id) const {
    switch (id) {
        case ids::HotKeysPageTitleLbl:
        case ids::HotKeysGroup:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        case ids::BossKeyNoteLbl:
        case ids::HotKeysInfoLbl:
            return StaticLook{ui::palette::kMutedText, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void HotKeysPage::OnCommand(int id, int code, HWND) {
    if (code == BN_CLICKED)
        for (const HotKeyRow& row : kRows)
            if (row.checkBox == id)
                form_.OptionChanged(id);
}

void HotKeysPage::ReadOptions(Options& options) const {
    if (!Built())
        return;  // the options stand as loaded
    options.CloseAllBrowserWindows = ui::IsChecked(Control(kRows[0].checkBox));
    options.CloseAllBrowserWindowsHotKey = ReadKeyBox(Control(kRows[0].keyBox));
    options.HideShowAllBrowserWindows = ui::IsChecked(Control(kRows[1].checkBox));
    options.HideShowAllBrowserWindowsHotKey = ReadKeyBox(Control(kRows[1].keyBox));
    options.StealthMode = ui::IsChecked(Control(kRows[2].checkBox));
    options.StealthModeHotKey = ReadKeyBox(Control(kRows[2].keyBox));
}

void HotKeysPage::ShowOptions(const Options& options) {
    ui::SetChecked(Control(kRows[0].checkBox), options.CloseAllBrowserWindows);
    SetHotKeyBox(1, options.CloseAllBrowserWindowsHotKey);
    ui::SetChecked(Control(kRows[1].checkBox), options.HideShowAllBrowserWindows);
    SetHotKeyBox(2, options.HideShowAllBrowserWindowsHotKey);
    ui::SetChecked(Control(kRows[2].checkBox), options.StealthMode);
    SetHotKeyBox(3, options.StealthModeHotKey);
}

void HotKeysPage::UpdateControls(const Options& options) {
    ui::Enable(Control(kRows[0].keyBox), options.CloseAllBrowserWindows);
    ui::Enable(Control(kRows[1].keyBox), options.HideShowAllBrowserWindows);
    ui::Enable(Control(kRows[2].keyBox), options.StealthMode);
}

int HotKeysPage::HotKeyIdOf(HWND window) const {
    for (int i = 0; i < 3; ++i)
        if (window && window == Control(kRows[i].keyBox))
            return i + 1;
    return 0;
}

HotKeyCode HotKeysPage::HotKeyOf(int id) const {
    return id >= 1 && id <= 3 ? ReadKeyBox(Control(kRows[id - 1].keyBox)) : 0;
}

void HotKeysPage::SetHotKeyBox(int id, HotKeyCode code) {
    if (id >= 1 && id <= 3)
        SendMessageW(Control(kRows[id - 1].keyBox), HKM_SETHOTKEY, code, 0);
}
