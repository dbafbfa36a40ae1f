#pragma once
// TTidewellTestWindow, the test run's result window: the listing in a read-only text box and
// the last line (or the summary) in a status bar. Closing it only hides it.
#include <windows.h>

#include <string>

#include "engine/test_run.h"
#include "ui/controls.h"
#include "ui/skin_background.h"
#include "ui/window.h"

class TTidewellTestWindow : public ui::Window {
  public:
    static constexpr const wchar_t* kClassName = L"TTidewellTestWindow";
    static constexpr int kTestResultsId = 100;
    static constexpr int kStatusBarId = 101;

    // `backdrop`: the main window's background as a brush (shared).
    TTidewellTestWindow(const TestRunListing& listing, HBRUSH backdrop, const ui::Fonts& fonts)
        : listing_(listing), backdrop_(backdrop), fonts_(fonts) {}
    ~TTidewellTestWindow() override;

    // `caption`: "Tidewell Test Run Results" in the chosen language.
    bool Open(HWND owner, HICON icon, const std::string& caption);
    // Shows the window, restored when minimised, in front.
    void ShowInFront();
    // The listing changed: the text box and the status bar follow.
    void ListingChanged(TestRunListing::Change change, std::size_t index, std::size_t count);

    HWND TestResults() const { return testResults_; }
    HWND StatusBar() const { return statusBar_; }
    std::string StatusText() const;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
    void AppendLines(std::size_t index, std::size_t count);

    const TestRunListing& listing_;
    HBRUSH backdrop_;
    const ui::Fonts& fonts_;
    ui::SkinBackground background_;
    HWND testResults_ = nullptr;
    HWND statusBar_ = nullptr;
    ui::UniqueFont listingFont_;
};
