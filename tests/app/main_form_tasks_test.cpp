// The Tasks page at work in a real main window: the scheduler's triggers driven by the main
// timer's own messages, and the shutdown tasks with Windows' session messages. A wash is seen
// from outside: a Run-box history value planted in the registry is gone afterwards. The
// session itself is never ended: ExitWindowsEx goes through the seam.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "catalogue/date_time.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/session.h"
#include "platform/system.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

namespace {

constexpr const char* kRunMru = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";

struct ExitCall {
    unsigned flags;
    unsigned reason;
};

class MainFormTasksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::OverrideExitWindowsForTests([this](unsigned flags, unsigned reason) {
            exits.push_back({flags, reason});
            return exitAccepted;
        });
        OpenForm();
    }
    void TearDown() override {
        form.reset();
        platform::OverrideExitWindowsForTests(nullptr);
        platform::OverridePlatformIdForTests(std::nullopt);
        DrainMessages();
    }

    void OpenForm() {
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
        ASSERT_TRUE(form->Create());
        StopRealTimer();
        // Only the Run-box history is washed.
        Click(Control(ids::PageObjects, ids::DeselectAllWashingListItemsBtn));
        ui::SetListRowChecked(Control(ids::PageObjects, ids::WashingList), wlitWin_Run_History,
                              true);
        PlantTrace();
    }

    // The ticks come from the test alone; a wash starts the timer again when it ends.
    void StopRealTimer() { KillTimer(Main(), TMainForm::kMainTimer); }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            SendMessageW(Main(), WM_TIMER, TMainForm::kMainTimer, 0);
            StopRealTimer();
        }
    }
    void DrainMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER && message.hwnd && message.hwnd == Main())
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void PlantTrace() {
        runMru.SetString("a", "notepad\\1");
        runMru.SetString("MRUList", "a");
    }
    // "Stay In Tray During Wash": the wash itself leaves a hidden window hidden.
    void StayInTray() {
        HWND box = Control(ids::PageOptions, ids::StayInTrayDuringWashChkBox);
        ui::SetChecked(box, true);
        Click(box);
    }
    bool TraceLeft() const { return runMru.HasValue("a"); }

    HWND Main() const { return form ? form->Handle() : nullptr; }
    HWND Control(int pageId, int id) const { return form->PageControl(pageId, id); }
    HWND Tasks(int id) const { return Control(ids::PageTasks, id); }
    void Click(HWND control) {
        ASSERT_NE(control, nullptr);
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    void SetBox(int id, bool checked) {
        ui::SetChecked(Tasks(id), checked);
        Click(Tasks(id));
    }
    // As the user sets a picker: its value changes and it tells its page.
    void SetPicker(int id, double value) {
        HWND picker = Tasks(id);
        ui::SetPickerValue(picker, value);
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = picker;
        change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
        change.nmhdr.code = DTN_DATETIMECHANGE;
        SendMessageW(GetParent(picker), WM_NOTIFY, static_cast<WPARAM>(id),
                     reinterpret_cast<LPARAM>(&change));
    }
    static double Clock(int hour, int minute, int second) {
        return (hour * 3600 + minute * 60 + second) / 86400.0;
    }
    std::string IniOption(const std::string& key) const {
        return platform::ReadIniString(folder.Path() + "tidewell.ini",
                                       CurrentUserSectionPrefix() + ".Options", key, "<none>");
    }

    testing_support::TempFolder folder;
    testing_support::ScopedRegistryKey runMru{RootKey::CurrentUser, kRunMru};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
    std::vector<ExitCall> exits;
    bool exitAccepted = true;
};

TEST_F(MainFormTasksTest, TenMinuteIntervalWashesAfter600TicksAndAgain600TicksAfterThatWash) {
    SetPicker(ids::AutoWashTimeIntervalDtp, Clock(0, 10, 0));
    SetBox(ids::AutoWashTimeIntervalChkBox, true);
    StayInTray();
    ShowWindow(Main(), SW_HIDE);  // in the tray

    Tick(599);
    EXPECT_TRUE(TraceLeft()) << "washed before 600 ticks";
    Tick();
    EXPECT_FALSE(TraceLeft()) << "no wash at tick 600";
    EXPECT_FALSE(IsWindowVisible(Main())) << "the interval trigger leaves the window in the tray";

    PlantTrace();
    Tick(599);
    EXPECT_TRUE(TraceLeft()) << "the second wash came early";
    Tick();
    EXPECT_FALSE(TraceLeft()) << "no second wash 600 ticks after the first";
}

TEST_F(MainFormTasksTest, TickingTheIntervalBoxWithTheCountdownAtZeroWashesWithinOneTick) {
    Tick(700);  // the default interval of 00:10:00 has run out; the box is not ticked
    EXPECT_TRUE(TraceLeft());
    SetBox(ids::AutoWashTimeIntervalChkBox, true);
    Tick();
    EXPECT_FALSE(TraceLeft());
}

TEST_F(MainFormTasksTest, AnIntervalOfZeroNeverWashes) {
    SetPicker(ids::AutoWashTimeIntervalDtp, Clock(0, 0, 0));
    SetBox(ids::AutoWashTimeIntervalChkBox, true);
    Tick(1000);
    EXPECT_TRUE(TraceLeft());
}

TEST_F(MainFormTasksTest, ADailyTimeEqualToNowLiesADayAhead) {
    SetBox(ids::AutoWashDailyTimeChkBox, true);
    SetPicker(ids::AutoWashDailyTimeDtp, Now());
    EXPECT_GT(form->DailyRemaining, 1.0 - Clock(0, 0, 5));
    Tick(5);
    EXPECT_TRUE(TraceLeft());
}

TEST_F(MainFormTasksTest, TheDailyTriggerBringsTheWindowBackUnlessStealthModeIsOn) {
    SetBox(ids::AutoWashDailyTimeChkBox, true);
    ShowWindow(Main(), SW_HIDE);
    SetPicker(ids::AutoWashDailyTimeDtp, Now() + Clock(0, 0, 2));
    Sleep(2100);  // the ticks come no faster than the clock, as the timer's would
    Tick(3);
    EXPECT_FALSE(TraceLeft());
    EXPECT_TRUE(IsWindowVisible(Main()));
    EXPECT_EQ(form->ActivePageName(), "Tidewell");
    EXPECT_GT(form->DailyRemaining, 0.9) << "armed again for tomorrow";

    PlantTrace();
    StayInTray();
    ShowWindow(Main(), SW_HIDE);
    form->StealthActive = true;
    SetPicker(ids::AutoWashDailyTimeDtp, Now() + Clock(0, 0, 2));
    Sleep(2100);  // the ticks come no faster than the clock, as the timer's would
    Tick(3);
    EXPECT_FALSE(TraceLeft());
    EXPECT_FALSE(IsWindowVisible(Main())) << "stealth mode keeps the window hidden";
    form->StealthActive = false;
}

TEST_F(MainFormTasksTest, ChangingAPickerDuringAWashChangesNoCountdown) {
    SetBox(ids::AutoWashTimeIntervalChkBox, true);
    SetBox(ids::AutoWashDailyTimeChkBox, true);
    double interval = form->IntervalRemaining;
    double daily = form->DailyRemaining;
    form->Context().Washing = true;
    SetPicker(ids::AutoWashTimeIntervalDtp, Clock(1, 0, 0));
    SetPicker(ids::AutoWashDailyTimeDtp, Now() + Clock(0, 0, 30));
    form->Context().Washing = false;
    EXPECT_EQ(form->IntervalRemaining, interval);
    EXPECT_EQ(form->DailyRemaining, daily);
    // The option itself follows the picker; the next arming takes it.
    SetPicker(ids::AutoWashTimeIntervalDtp, Clock(1, 0, 0));
    EXPECT_NEAR(form->IntervalRemaining, Clock(1, 0, 0), 1e-6);
}

TEST_F(MainFormTasksTest, WithWashOnShutdownALogOffIsRefusedOnceWashedAndThenDoneByTheProgram) {
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    EXPECT_TRUE(TraceLeft()) << "the wash runs after the answer, not inside it";
    EXPECT_TRUE(exits.empty());

    DrainMessages();  // WM_TIDEWELL_ENDSESSION
    EXPECT_FALSE(TraceLeft());
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 0u) << "EWX_LOGOFF";
    EXPECT_EQ(exits[0].reason, 0xFFFFFFFFu);

    // The session end the program asked for is let through without a second wash.
    PlantTrace();
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    DrainMessages();
    EXPECT_TRUE(TraceLeft());
    EXPECT_EQ(exits.size(), 1u);
}

TEST_F(MainFormTasksTest, WithWashOnShutdownAShutdownEndsInAPowerOff) {
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    DrainMessages();
    EXPECT_FALSE(TraceLeft());
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 9u) << "EWX_SHUTDOWN | EWX_POWEROFF";
}

// The log-off came while another wash ran: refused then, it is done by the program once that
// wash is over, so the user does not have to log off a second time.
TEST_F(MainFormTasksTest, ALogOffDuringAWashIsDoneByTheProgramAfterThatWash) {
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    form->Context().Washing = true;  // a wash of its own is under way
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    DrainMessages();  // WM_TIDEWELL_ENDSESSION arrives during that wash
    Tick();
    EXPECT_TRUE(exits.empty()) << "the session ended in the middle of a wash";
    form->Context().Washing = false;

    Tick();
    EXPECT_FALSE(TraceLeft());
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 0u) << "EWX_LOGOFF";
    Tick(3);
    EXPECT_EQ(exits.size(), 1u) << "asked once";
}

// "Go..." ends the session itself: a session end asked during its wash adds no second one.
TEST_F(MainFormTasksTest, ASessionEndDuringTheWashOfGoEndsTheSessionOnce) {
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    SetBox(ids::WashAndShutdownWindowsChkBox, true);
    form->Context().Washing = true;
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    DrainMessages();
    form->Context().Washing = false;
    Click(Tasks(ids::WashAndShutdownBtn));
    Tick(3);
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 9u) << "Go powers off";
}

TEST_F(MainFormTasksTest, WithoutWashOnShutdownTheSessionEndsAtOnceWithoutAWash) {
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    DrainMessages();
    EXPECT_TRUE(TraceLeft());
    EXPECT_TRUE(exits.empty());
}

// Windows refused the program's own request: the session goes on as if nothing had been
// asked, so the next session end washes again.
TEST_F(MainFormTasksTest, ARefusedShutdownLeavesTheNextSessionEndWashingAgain) {
    exitAccepted = false;
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    DrainMessages();
    EXPECT_FALSE(TraceLeft());
    EXPECT_FALSE(form->SessionEndingLogoff || form->SessionEndingShutdown);

    PlantTrace();
    EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    DrainMessages();
    EXPECT_FALSE(TraceLeft());
    EXPECT_EQ(exits.size(), 2u);
}

TEST_F(MainFormTasksTest, OnWindows9xTheWashRunsInsideTheQueryAndTheSessionMayEnd) {
    platform::OverridePlatformIdForTests(platform::PlatformId::Windows9x);
    SetBox(ids::WashOnWindowsShutdownChkBox, true);
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    EXPECT_FALSE(TraceLeft());
    EXPECT_TRUE(exits.empty()) << "Windows 9x ends the session itself";

    // A session end while a wash runs starts no second wash.
    form->SessionEndingLogoff = form->SessionEndingShutdown = false;
    PlantTrace();
    form->Context().Washing = true;
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0), 0);
    form->Context().Washing = false;
    EXPECT_TRUE(TraceLeft());
}

TEST_F(MainFormTasksTest, TheEndOfTheSessionSavesTheSettings) {
    EXPECT_EQ(IniOption("LogActivities"), "<none>");
    SetBox(ids::LogActivitiesChkBox, true);
    SetBox(ids::AutoWashDailyTimeChkBox, true);
    EXPECT_NE(SendMessageW(Main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    SendMessageW(Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    // Windows ends the process now; what it leaves behind is what counts.
    EXPECT_EQ(IniOption("LogActivities"), "1");
    EXPECT_EQ(IniOption("AutoWashDailyTime"), "1");
    auto log = platform::ReadWholeFile(folder.Path() + "tidewell.log");
    ASSERT_TRUE(log);
    EXPECT_NE(log->find("closed at"), std::string::npos) << *log;
}

TEST_F(MainFormTasksTest, GoWashesAndPowersOffAndItsBoxIsUntickedAfterEveryStart) {
    HWND go = Tasks(ids::WashAndShutdownBtn);
    EXPECT_FALSE(IsWindowEnabled(go));
    SetBox(ids::WashAndShutdownWindowsChkBox, true);
    EXPECT_TRUE(IsWindowEnabled(go));
    Click(go);
    EXPECT_FALSE(TraceLeft());
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 9u);

    // Closed and started again: the box is unticked and "Go..." waits for it.
    form->SessionEndingLogoff = form->SessionEndingShutdown = false;
    SendMessageW(Main(), WM_CLOSE, 0, 0);
    form.reset();
    OpenForm();
    EXPECT_FALSE(ui::IsChecked(Tasks(ids::WashAndShutdownWindowsChkBox)));
    EXPECT_FALSE(IsWindowEnabled(Tasks(ids::WashAndShutdownBtn)));
}

TEST_F(MainFormTasksTest, GoOnWindows9xShutsDownWithoutPrivilegesAndClosesTheProgram) {
    platform::OverridePlatformIdForTests(platform::PlatformId::Windows9x);
    SetBox(ids::WashAndShutdownWindowsChkBox, true);
    Click(Tasks(ids::WashAndShutdownBtn));
    EXPECT_FALSE(TraceLeft());
    ASSERT_EQ(exits.size(), 1u);
    EXPECT_EQ(exits[0].flags, 1u) << "EWX_SHUTDOWN";
    EXPECT_EQ(exits[0].reason, 0u);
    EXPECT_FALSE(IsWindow(Main()));
}

}  // namespace
