// The main timer and the status display.
#include <windows.h>
#include <commctrl.h>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/hot_keys_page.h"
#include "app/main_form.h"
#include "app/objects_page.h"
#include "app/options_page.h"
#include "app/status_texts.h"
#include "app/tasks_page.h"
#include "app/test_window.h"
#include "app/vanish_page.h"
#include "app/wash_page.h"
#include "engine/wash_levels.h"
#include "platform/locale.h"
#include "ui/apply_language.h"

namespace {
constexpr int kRowsWithoutScrollBar = 11;
}  // namespace

void TMainForm::SetMainTimerEnabled(bool enabled) {
    if (enabled == timerEnabled_ || !Handle())
        return;
    timerEnabled_ = enabled;
    if (enabled)
        SetTimer(Handle(), kMainTimer, kMainTimerInterval, nullptr);
    else
        KillTimer(Handle(), kMainTimer);
}

void TMainForm::MainTimerTime() {
    if (CheckWindowsUserChange(*this))
        return;
    FitWashListColumns(false, 0);

    CountDownSchedulers();

    bool browserRunning = BrowserIsRunning();
    if (!browserRunning && ctx_.BrowsersWereRunning && ctx_.Opts.AutoWashAfterBrowsersCloses) {
        ctx_.BrowsersWereRunning = false;
        BrowsersHidden = false;
        ScrubAndGoBtnClick();
        ArmIntervalCountdown();
        ArmDailyCountdown();
        return;
    }
    ctx_.BrowsersWereRunning = browserRunning;
    if (browserRunning) {
        // One frame further per second of browsing; the last frame stays.
        int frames = ImageList_GetImageCount(skin_.sunList.Get());
        if (frames > sunListTag_ + 1)
            ShowTrayFrame(sunListTag_ + 1);
    }
    SchedulerTriggers();
}

void TMainForm::FitWashListColumns(bool fromRefresh, int rowCount) {
    // While no one sees the list there is nothing to fit; the first tick after it shows again
    // fits it (this keeps the idle program in the tray from asking its controls every second).
    if (!fromRefresh && !IsWindowVisible(washPage_->WashList()))
        return;
    if (!fromRefresh && washListFirstColumnMax_ != 0) {
        washListFirstColumnMax_ = 0;  // the limit holds for one tick
        return;
    }
    int width = washPage_->ClientWidth() - washPage_->ColumnWidth(1) - washPage_->ColumnWidth(2);
    if (fromRefresh && rowCount > kRowsWithoutScrollBar && width > WashPage::kFirstColumnWidth) {
        width = WashPage::kFirstColumnWidth;
        washListFirstColumnMax_ = WashPage::kFirstColumnWidth;
    }
    if (washListFirstColumnMax_ != 0 && width > washListFirstColumnMax_)
        width = washListFirstColumnMax_;
    if (fromRefresh || width != washPage_->ColumnWidth(0))
        washPage_->SetFirstColumnWidth(width);
}

void TMainForm::UpdateStatus(int senderId) {
    if (activePage_ != PageIndex::Objects && !ctx_.TestRunning && testWindow_ &&
        testWindow_->Exists())
        testWindow_->Destroy();
    washPage_->SetLastWash(LastWashText(ctx_.LastWashTime, ctx_.Opts.LngID,
                                        Text(text_ids::NotAvailable),
                                        platform::LocaleMonthNames()));

    int row = objectsPage_->SelectedRow();
    bool userObject = row >= 0 && static_cast<std::size_t>(row) < catalogue_.Items.size() &&
                      catalogue_.Items[static_cast<std::size_t>(row)]->Kind == WashItemKind::User;
    objectsPage_->UpdateControls(userObject);

    UpdateDesktopIntegration(senderId);
    tasksPage_->UpdateControls(ctx_.Opts);
    hotKeysPage_->UpdateControls(ctx_.Opts);
    vanishPage_->UpdateControls();
}

void TMainForm::ReadOptionsFromControls() {
    optionsPage_->ReadOptions(ctx_.Opts);
    tasksPage_->ReadOptions(ctx_.Opts);
    hotKeysPage_->ReadOptions(ctx_.Opts);
}

void TMainForm::OptionChanged(int controlId) {
    ReadOptionsFromControls();
    UpdateStatus(controlId);
}

void TMainForm::WashBlurModeListChange() {
    ReadOptionsFromControls();
    RefreshWashLevelLabels();
    UpdateStatus(ids::WashBlurModeList);
}

std::string TMainForm::ChosenWashLevelText() const {
    if (optionsPage_ && optionsPage_->Built())
        return optionsPage_->WashLevelText();
    // The Options page is not built yet: the text its list would show.
    const int level = ctx_.Opts.WashLevel;
    if (level < 0 || level >= kWashLevelCount || settings_.Files.Language.empty())
        return {};
    return ui::LanguageItems(
        kMainFormName, settings_.Language(), ids::WashBlurModeList,
        DesignItems(ids::WashBlurModeList, kWashLevelCount))[static_cast<std::size_t>(level)];
}

std::string TMainForm::WashLevelShortName() const {
    std::string text = ChosenWashLevelText();
    return text.empty() ? ShortLevelName(ctx_.Opts.WashLevel) : ShortLevelName(text);
}

void TMainForm::ShowLoadedOptions() {
    optionsPage_->ShowOptions(ctx_.Opts);
    tasksPage_->ShowOptions(ctx_.Opts);
    hotKeysPage_->ShowOptions(ctx_.Opts);
    ReadOptionsFromControls();  // what the controls could not hold falls back to their values
    RefreshWashLevelLabels();
}

void TMainForm::OnHookMouse(WPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            LeftButtonDown = true;
            break;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            LeftButtonDown = false;
            break;
        case WM_RBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            RightButtonDown = true;
            break;
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
            RightButtonDown = false;
            break;
        default:
            return;
    }
    BossKeyCheck();
}

void TMainForm::BossKeyCheck() {
    // Both buttons down at once: the boss key hides the browsers (when that option is on)
    // and the program.
    if (!LeftButtonDown || !RightButtonDown)
        return;
    LeftButtonDown = false;
    RightButtonDown = false;
    if (ctx_.Opts.HideShowAllBrowserWindows && !HotKeyEditing)
        HideShowBrowsers();
    HideBtnClick();
}

LRESULT TMainForm::OnQueryEndSession(WPARAM wParam, LPARAM lParam) {
    if (!ctx_.Opts.WashOnWindowsShutdown || SessionEndingLogoff || SessionEndingShutdown) {
        SessionEndingLogoff = true;
        SessionEndingShutdown = true;
        return Default(WM_QUERYENDSESSION, wParam, lParam);
    }
    return WashBeforeSessionEnds(wParam, lParam);
}
