// The hook library reports what happens in other processes to the window it was given.
#include "hook/tidewell_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "running_program.h"

namespace {

constexpr UINT kBrowserWindow = 0x2401;
constexpr UINT kHookMouse = 0x2403;

struct Report {
    UINT message;
    WPARAM wParam;
    HWND window;
    std::wstring className;  // of `window` when the report arrived
};

class Receiver {
  public:
    Receiver() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Receiver::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TidewellHookReceiver";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                  nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~Receiver() { DestroyWindow(window_); }
    HWND Window() const { return window_; }
    std::vector<Report> reports;

    // Handles messages until `done` holds or the time runs out.
    template <typename Done>
    bool PumpUntil(DWORD milliseconds, Done done) {
        DWORD until = GetTickCount() + milliseconds;
        MSG msg;
        while (GetTickCount() < until) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            if (done())
                return true;
            Sleep(5);
        }
        return done();
    }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && (message == kBrowserWindow || message == kHookMouse)) {
            auto window = reinterpret_cast<HWND>(lParam);
            wchar_t name[128] = {};
            if (message == kBrowserWindow)
                GetClassNameW(window, name, 128);
            self->reports.push_back(Report{message, wParam, window, name});
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND window_ = nullptr;
};

bool Has(const std::vector<Report>& reports, UINT message, WPARAM wParam, HWND window = nullptr,
         const wchar_t* className = nullptr) {
    for (const Report& r : reports)
        if (r.message == message && r.wParam == wParam && (!window || r.window == window) &&
            (!className || r.className == className))
            return true;
    return false;
}

TEST(HookLibraryTest, ReportsTopLevelWindowsOfAnotherProcess) {
    Receiver receiver;
    ASSERT_TRUE(StartHook(WH_CALLWNDPROC, receiver.Window()));
    e2e::RunningProgram probe;
    ASSERT_TRUE(probe.Start(e2e::BuildDrive() + "hook_probe.exe"));

    HWND created = nullptr;
    bool sawCreation = receiver.PumpUntil(10000, [&] {
        for (const Report& r : receiver.reports)
            if (r.message == kBrowserWindow && r.wParam == 1 && r.className == L"TidewellHookProbe")
                created = r.window;
        return created != nullptr;
    });
    EXPECT_TRUE(sawCreation);
    EXPECT_TRUE(receiver.PumpUntil(10000, [&] {
        return Has(receiver.reports, kBrowserWindow, 2, created);
    })) << "the destruction of the probe's window";
    EXPECT_TRUE(probe.WaitForExit(10000));
    StopHook(WH_CALLWNDPROC);

    // Stopped: the next window goes unreported.
    receiver.reports.clear();
    e2e::RunningProgram again;
    ASSERT_TRUE(again.Start(e2e::BuildDrive() + "hook_probe.exe"));
    EXPECT_TRUE(again.WaitForExit(10000));
    receiver.PumpUntil(300, [] { return false; });
    EXPECT_FALSE(Has(receiver.reports, kBrowserWindow, 1, nullptr, L"TidewellHookProbe"));
}

TEST(HookLibraryTest, ReportsMouseButtonsAndNothingElse) {
    Receiver receiver;
    HWND target =
        CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"click here", WS_POPUP | WS_VISIBLE | SS_NOTIFY,
                        100, 100, 200, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(target, nullptr);
    SetForegroundWindow(target);
    ASSERT_TRUE(StartHook(WH_MOUSE, receiver.Window()));
    SetCursorPos(180, 180);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    bool both = receiver.PumpUntil(5000, [&] {
        return Has(receiver.reports, kHookMouse, WM_LBUTTONDOWN) &&
               Has(receiver.reports, kHookMouse, WM_LBUTTONUP);
    });
    EXPECT_TRUE(both);
    for (const Report& r : receiver.reports)
        EXPECT_TRUE(r.message != kHookMouse || r.wParam != WM_MOUSEMOVE);
    StopHook(WH_MOUSE);
    DestroyWindow(target);
}

TEST(HookLibraryTest, UnknownKindsDoNothing) {
    EXPECT_EQ(StartHook(3, nullptr), 0);
    EXPECT_EQ(StopHook(99), 0);
}

}  // namespace
