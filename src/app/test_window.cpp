#include "app/test_window.h"

#include "platform/text.h"

namespace {
constexpr int kMargin = 4;
}

TTidewellTestWindow::~TTidewellTestWindow() {
    Destroy();
}

bool TTidewellTestWindow::Open(HWND owner, HICON icon, const std::string& caption) {
    RegisterClassOnce(kClassName, ClassStyle{0, nullptr, icon, icon});
    if (!CreateAs(kClassName, 0, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                  platform::Utf8ToWide(caption), ui::Rect(15, 15, 600, 220), owner))
        return false;
    background_.Create(Handle(), 1, ui::Rect(0, 0, 600, 220), ui::SkinBackground::Mode::Stretch,
                       RGB(94, 218, 84));
    background_.SetBrush(backdrop_);
    listingFont_ = ui::MakeFont(L"Courier New", 9, false);
    testResults_ = ui::CreateControl(
        Handle(), L"EDIT", kTestResultsId,
        ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_VSCROLL | WS_HSCROLL,
        WS_EX_CLIENTEDGE, ui::Rect(0, 0, 10, 10), "", listingFont_.Get());
    SendMessageW(testResults_, EM_SETLIMITTEXT, 0, 0);
    statusBar_ = ui::CreateControl(Handle(), STATUSCLASSNAMEW, kStatusBarId, SBARS_SIZEGRIP, 0,
                                   ui::Rect(0, 0, 10, 10), "", fonts_.normal.Get());
    SendMessageW(statusBar_, SB_SIMPLE, TRUE, 0);
    SetWindowPos(background_.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowTextW(testResults_, platform::Utf8ToWide(listing_.Text()).c_str());
    SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(platform::Utf8ToWide(listing_.StatusText()).c_str()));
    Layout();
    return true;
}

void TTidewellTestWindow::ShowInFront() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
    else
        ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    BringWindowToTop(Handle());
}

void TTidewellTestWindow::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    RECT bar;
    GetWindowRect(statusBar_, &bar);
    int barHeight = bar.bottom - bar.top;
    MoveWindow(background_.Handle(), 0, 0, client.right, client.bottom, TRUE);
    MoveWindow(testResults_, kMargin, kMargin, client.right - 2 * kMargin,
               client.bottom - barHeight - 2 * kMargin, TRUE);
}

void TTidewellTestWindow::AppendLines(std::size_t index, std::size_t count) {
    std::string text;
    const auto& lines = listing_.Lines();
    for (std::size_t i = index; i < index + count && i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    int length = GetWindowTextLengthW(testResults_);
    SendMessageW(testResults_, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(testResults_, EM_REPLACESEL, FALSE,
                 reinterpret_cast<LPARAM>(platform::Utf8ToWide(text).c_str()));
    SendMessageW(testResults_, EM_SCROLLCARET, 0, 0);
}

void TTidewellTestWindow::ListingChanged(TestRunListing::Change change, std::size_t index,
                                         std::size_t count) {
    if (!Handle())
        return;
    if (change == TestRunListing::Change::Inserted && index + count == listing_.Lines().size()) {
        AppendLines(index, count);
    } else if (change != TestRunListing::Change::Status) {
        SetWindowTextW(testResults_, platform::Utf8ToWide(listing_.Text()).c_str());
    }
    SendMessageW(statusBar_, SB_SETTEXTW, SB_SIMPLEID,
                 reinterpret_cast<LPARAM>(platform::Utf8ToWide(listing_.StatusText()).c_str()));
}

std::string TTidewellTestWindow::StatusText() const {
    // In simple mode the first part's text is the simple text.
    wchar_t text[1024] = {};
    auto length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, 0, 0));
    if (length < 1024)
        SendMessageW(statusBar_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return platform::WideToUtf8(text);
}

LRESULT TTidewellTestWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (testResults_)
                Layout();
            return 0;
        case WM_CLOSE:
            ShowWindow(Handle(), SW_HIDE);  // closing only hides; the run may still write here
            return 0;
        case WM_CTLCOLORSTATIC:  // the read-only text box
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        default:
            return Default(message, wParam, lParam);
    }
}
