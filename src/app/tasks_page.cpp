#include "app/tasks_page.h"

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "catalogue/date_time.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace {
constexpr int kPickerLeft = 262;
constexpr int kPickerWidth = 120;
}  // namespace

void TasksPage::CreateControls() {
    HFONT normal = form_.GetFonts().normal.Get();
    Heading(ids::TasksPageTitleLbl, 12, 10, 300);

    GroupBox(ids::AutoWashGroup, 12, 38, 448, 112);
    const int schedule[3][2] = {{ids::AutoWashTimeIntervalChkBox, ids::AutoWashTimeIntervalDtp},
                                {ids::AutoWashDailyTimeChkBox, ids::AutoWashDailyTimeDtp},
                                {ids::AutoWashDateChkBox, ids::AutoWashDateDtp}};
    int y = 62;
    for (const auto& row : schedule) {
        CheckBox(row[0], 28, y, 220);
        bool timeOnly = row[1] != ids::AutoWashDateDtp;
        HWND picker = ui::CreateDateTimePicker(
            Handle(), row[1], ui::Rect(kPickerLeft, y - 1, kPickerWidth, 22), timeOnly, normal);
        if (timeOnly)
            SendMessageW(picker, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH':'mm':'ss"));
        form_.SetHint(picker, DesignHint(row[1]));
        y += 28;
    }

    GroupBox(ids::LoggingGroup, 12, 160, 448, 62);
    CheckBox(ids::LogActivitiesChkBox, 28, 186, 200);
    Button(ids::ShowLogBtn, kPickerLeft, 182, 92, 26);
    Button(ids::ClearLogBtn, kPickerLeft + 98, 182, 92, 26);

    GroupBox(ids::ShutdownGroup, 12, 232, 448, 90);
    CheckBox(ids::WashOnWindowsShutdownChkBox, 28, 256, 220);
    CheckBox(ids::WashAndShutdownWindowsChkBox, 28, 286, 220);
    Button(ids::WashAndShutdownBtn, kPickerLeft, 282, 92, 26);
}

Page::StaticLook TasksPage::LookOf(int id) const {
    switch (id) {
        case ids::TasksPageTitleLbl:
        case ids::AutoWashGroup:
        case ids::LoggingGroup:
        case ids::ShutdownGroup:
            return StaticLook{ui::palette::kDeep, PanelBrush()};
        default:
            return Page::LookOf(id);
    }
}

void TasksPage::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED)
        return;
    switch (id) {
        case ids::AutoWashTimeIntervalChkBox:
        case ids::AutoWashDailyTimeChkBox:
        case ids::AutoWashDateChkBox:
        case ids::LogActivitiesChkBox:
        case ids::WashOnWindowsShutdownChkBox:
        case ids::WashAndShutdownWindowsChkBox:
            form_.OptionChanged(id);
            break;
        case ids::ShowLogBtn:
            ShowLogBtnClick(form_.Log(), form_.Context().Washing);
            break;
        case ids::ClearLogBtn:
            ClearLogBtnClick(form_.Log(), form_.Context().Washing);
            break;
        case ids::WashAndShutdownBtn:
            form_.WashAndShutdownBtnClick(true);
            break;
        default:
            break;
    }
}

LRESULT TasksPage::OnNotify(const NMHDR& header, bool& handled) {
    handled = false;
    if (header.code == static_cast<UINT>(DTN_DATETIMECHANGE)) {
        form_.AutoWashTimeIntervalDtpChange(static_cast<int>(header.idFrom));
        handled = true;
    }
    return 0;
}

void TasksPage::ReadOptions(Options& options) const {
    if (!Built())
        return;  // the options stand as loaded
    options.AutoWashTimeInterval = ui::IsChecked(Control(ids::AutoWashTimeIntervalChkBox));
    options.AutoWashTimeIntervalTime =
        TimeOfDayFraction(ui::PickerValue(Control(ids::AutoWashTimeIntervalDtp)));
    options.AutoWashDailyTime = ui::IsChecked(Control(ids::AutoWashDailyTimeChkBox));
    options.AutoWashDailyTimeTime =
        TimeOfDayFraction(ui::PickerValue(Control(ids::AutoWashDailyTimeDtp)));
    options.AutoWashDate = ui::IsChecked(Control(ids::AutoWashDateChkBox));
    double date = ui::PickerValue(Control(ids::AutoWashDateDtp));
    options.AutoWashDateDate = date - TimeOfDayFraction(date);
    options.LogActivities = ui::IsChecked(Control(ids::LogActivitiesChkBox));
    options.WashOnWindowsShutdown = ui::IsChecked(Control(ids::WashOnWindowsShutdownChkBox));
    options.WashAndShutdownWindows = ui::IsChecked(Control(ids::WashAndShutdownWindowsChkBox));
}

void TasksPage::ShowOptions(const Options& options) {
    ui::SetChecked(Control(ids::AutoWashTimeIntervalChkBox), options.AutoWashTimeInterval);
    ui::SetPickerValue(Control(ids::AutoWashTimeIntervalDtp), options.AutoWashTimeIntervalTime);
    ui::SetChecked(Control(ids::AutoWashDailyTimeChkBox), options.AutoWashDailyTime);
    ui::SetPickerValue(Control(ids::AutoWashDailyTimeDtp), options.AutoWashDailyTimeTime);
    ui::SetChecked(Control(ids::AutoWashDateChkBox), options.AutoWashDate);
    ui::SetPickerValue(Control(ids::AutoWashDateDtp),
                       options.AutoWashDateDate > 0 ? options.AutoWashDateDate : Today());
    ui::SetChecked(Control(ids::LogActivitiesChkBox), options.LogActivities);
    ui::SetChecked(Control(ids::WashOnWindowsShutdownChkBox), options.WashOnWindowsShutdown);
    ui::SetChecked(Control(ids::WashAndShutdownWindowsChkBox), options.WashAndShutdownWindows);
}

void TasksPage::UpdateControls(const Options& options) {
    ui::Enable(Control(ids::AutoWashTimeIntervalDtp), options.AutoWashTimeInterval);
    ui::Enable(Control(ids::AutoWashDailyTimeDtp), options.AutoWashDailyTime);
    ui::Enable(Control(ids::AutoWashDateDtp), options.AutoWashDate);
    ui::Enable(Control(ids::ShowLogBtn), options.LogActivities);
    ui::Enable(Control(ids::ClearLogBtn), options.LogActivities);
    ui::Enable(Control(ids::WashAndShutdownBtn), options.WashAndShutdownWindows);
}
