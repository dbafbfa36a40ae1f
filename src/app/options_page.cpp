#include "app/options_page.h"

#include <utility>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "engine/wash_levels.h"
#include "options/desktop_integration.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {

struct Switch {
    int id;
    bool Options::*field;
};
constexpr Switch kSwitches[] = {
    {ids::CloseBrowsersDuringWashChkBox, &Options::CloseBrowsersDuringWash},
    {ids::AutoWashAfterBrowsersClosesChkBox, &Options::AutoWashAfterBrowsersCloses},
    {ids::StayInTrayDuringWashChkBox, &Options::StayInTrayDuringWash},
    {ids::HideInTrayAtStartupChkBox, &Options::HideInTrayAtStartup},
    {ids::ShowProgramShortcutOnDesktopChkBox, &Options::ShowShortcutOnDesktop},
    {ids::AutorunProgramAtWindowsStartupChkBox, &Options::AutorunAtWindowsStartup},
    {ids::IETidewellBtnChkBox, &Options::IETidewellButton},
};

}  // namespace

void OptionsPage::CreateControls() {
    HFONT normal = form_.GetFonts().normal.Get();
    Heading(ids::OptionsPageTitleLbl, 12, 10, 300);
    GroupBox(ids::OptionsGroup, 12, 38, 448, 122);
    CheckBox(ids::CloseBrowsersDuringWashChkBox, 28, 60, 410);
    CheckBox(ids::AutoWashAfterBrowsersClosesChkBox, 28, 84, 410);
    CheckBox(ids::StayInTrayDuringWashChkBox, 28, 108, 410);
    CheckBox(ids::HideInTrayAtStartupChkBox, 28, 132, 410);
    GroupBox(ids::IntegrationGroup, 12, 168, 448, 98);
    CheckBox(ids::ShowProgramShortcutOnDesktopChkBox, 28, 190, 410);
    CheckBox(ids::AutorunProgramAtWindowsStartupChkBox, 28, 214, 410);
    CheckBox(ids::IETidewellBtnChkBox, 28, 238, 410);

    Label(ids::WashBlurModeListLbl, 12, 278, 300, 16);
    HWND levels =
        ui::CreateDropDownList(Handle(), ids::WashBlurModeList, ui::Rect(12, 296, 448, 24), normal);
    ui::SetComboItems(levels, DesignItems(ids::WashBlurModeList, kWashLevelCount));
    form_.SetHint(levels, DesignHint(ids::WashBlurModeList));
    Label(ids::LanguageListLbl, 12, 328, 200, 16);
    ui::CreateDropDownList(Handle(), ids::LanguageList, ui::Rect(12, 346, 196, 24), normal);
    Button(ids::DefaultOptionsBtn, 220, 344, 118, 26);
    Button(ids::RemoveSoftwareBtn, 342, 344, 118, 26);
}

Page::StaticLook OptionsPage::LookOf(int id) const {
    switch (id) {
        case ids::OptionsPageTitleLbl:
        case ids::OptionsGroup:
        case ids::IntegrationGroup:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void OptionsPage::OnCommand(int id, int code, HWND) {
    switch (id) {
        case ids::WashBlurModeList:
            if (code == CBN_SELCHANGE)
                form_.WashBlurModeListChange();
            return;
        case ids::LanguageList:
            if (code == CBN_SELCHANGE)
                form_.LanguageListChanged();
            return;
        case ids::DefaultOptionsBtn:
            if (code == BN_CLICKED && !form_.Context().Washing)
                DefaultOptionsBtnClick();
            return;
        case ids::RemoveSoftwareBtn:
            if (code == BN_CLICKED)
                RemoveSoftwareBtnClick();
            return;
        default:
            break;
    }
    if (code == BN_CLICKED)
        for (const Switch& s : kSwitches)
            if (s.id == id)
                form_.OptionChanged(id);
}

void OptionsPage::ReadOptions(Options& options) const {
    if (!Built())
        return;  // the options stand as loaded
    for (const Switch& s : kSwitches)
        options.*(s.field) = ui::IsChecked(Control(s.id));
    int level = ui::ComboSelection(Control(ids::WashBlurModeList));
    if (level >= 0)
        options.WashLevel = level;
}

void OptionsPage::ShowOptions(const Options& options) {
    for (const Switch& s : kSwitches)
        ui::SetChecked(Control(s.id), options.*(s.field));
    HWND levels = Control(ids::WashBlurModeList);
    int count = ui::ComboCount(levels);
    ui::SetComboSelection(levels, options.WashLevel >= 0 && options.WashLevel < count
                                      ? options.WashLevel
                                      : count - 1);
}

void OptionsPage::ShowLanguages(const std::vector<std::string>& entries, int selected) {
    HWND list = Control(ids::LanguageList);
    ui::SetComboItems(list, entries);
    ui::SetComboSelection(list, selected);
}

std::string OptionsPage::WashLevelText() const {
    if (!Built())
        return {};
    HWND levels = Control(ids::WashBlurModeList);
    int selection = ui::ComboSelection(levels);
    return selection >= 0 ? ui::ComboItemText(levels, selection) : std::string();
}

std::string OptionsPage::LanguageEntry() const {
    if (!Built())
        return {};
    HWND list = Control(ids::LanguageList);
    int selection = ui::ComboSelection(list);
    return selection >= 0 ? ui::ComboItemText(list, selection) : std::string();
}

void OptionsPage::DefaultOptionsBtnClick() {
    const std::pair<int, bool> defaults[] = {
        {ids::CloseBrowsersDuringWashChkBox, true},
        {ids::AutoWashAfterBrowsersClosesChkBox, true},
        {ids::StayInTrayDuringWashChkBox, false},
        {ids::ShowProgramShortcutOnDesktopChkBox, true},
        {ids::AutorunProgramAtWindowsStartupChkBox, true},
        {ids::IETidewellBtnChkBox, true},
    };
    for (const auto& [id, checked] : defaults) {
        ui::SetChecked(Control(id), checked);
        form_.OptionChanged(id);
    }
}

void OptionsPage::RemoveSoftwareBtnClick() {
    OpenSoftwareControlPanel();
}
