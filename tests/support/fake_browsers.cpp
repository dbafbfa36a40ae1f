// fake_browsers.exe SCENARIO REPORT: real top-level windows of the browsers' window classes,
// for the browser control's tests. When its windows are made it writes REPORT, one line per
// window "name=HHHHHHHH" (the handle in hexadecimal), and it appends what happens to them to
// REPORT.events. It ends when its last window is gone, or after two minutes.
//   all     every kind the detectors know, a disabled one and a window of no browser
//   late    one more Opera window, for a program that has listed the others already
//   prompt  an Internet Explorer page whose real dialog closes only on the command "No" (7)
//   ignore  an Internet Explorer page that ignores every close message, and an Opera window
//   hold    no browser: a window that holds the hot key Alt+F9, so no one else can have it
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring g_report;
std::vector<std::pair<std::wstring, HWND>> g_windows;
HWND g_dialog = nullptr;

void Event(const std::wstring& line) {
    std::wstring path = g_report + L".events";
    if (FILE* file = _wfopen(path.c_str(), L"ab")) {
        std::string bytes(line.begin(), line.end());  // the events are ASCII
        bytes += "\r\n";
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
}

void WriteReport() {
    std::wstring temporary = g_report + L".part";
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (!file)
        return;
    for (const auto& [name, window] : g_windows)
        fprintf(file, "%ls=%08lX\r\n", name.c_str(),
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window) & 0xFFFFFFFFu));
    fclose(file);
    MoveFileExW(temporary.c_str(), g_report.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::wstring NameOf(HWND window) {
    for (const auto& [name, known] : g_windows)
        if (known == window)
            return name;
    return L"?";
}

// Closes as the system's default does, and says so.
LRESULT CALLBACK Ordinary(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        Event(L"destroyed " + NameOf(window) +
              (g_dialog ? (IsWindow(g_dialog) ? L" dialog-open" : L" dialog-gone") : L""));
    return DefWindowProcW(window, message, wParam, lParam);
}

// Stays open whatever it is sent.
LRESULT CALLBACK Stubborn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Event(L"ignored close");
        return 0;
    }
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE)
        return 0;
    if (message == WM_COMMAND)
        return 0;
    return Ordinary(window, message, wParam, lParam);
}

void RegisterClassOf(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

HWND Make(const std::wstring& name, const wchar_t* className, const wchar_t* caption,
          DWORD style = WS_OVERLAPPEDWINDOW, WNDPROC procedure = Ordinary) {
    RegisterClassOf(className, procedure);
    int n = static_cast<int>(g_windows.size());
    HWND window = CreateWindowExW(0, className, caption, style, 20 + 24 * n, 20 + 16 * n, 320, 200,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return nullptr;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    g_windows.emplace_back(name, window);
    return window;
}

// An Internet Explorer frame showing a page: frame > "Shell DocObject View" >
// "Internet Explorer_Server".
HWND MakeIEPage(const std::wstring& name, const wchar_t* caption, WNDPROC procedure = Ordinary) {
    HWND frame = Make(name, L"IEFrame", caption, WS_OVERLAPPEDWINDOW, procedure);
    RegisterClassOf(L"Shell DocObject View", DefWindowProcW);
    RegisterClassOf(L"Internet Explorer_Server", DefWindowProcW);
    HWND view = CreateWindowExW(0, L"Shell DocObject View", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300,
                                150, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND page = CreateWindowExW(0, L"Internet Explorer_Server", L"", WS_CHILD | WS_VISIBLE, 0, 0,
                                300, 150, view, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_windows.emplace_back(name + L"-page", page);
    return frame;
}

void MakeAll() {
    MakeIEPage(L"ie", L"Example page - Internet Explorer");
    Make(L"folder", L"CabinetWClass", L"My Documents");
    Make(L"mozilla", L"MozillaWindowClass", L"Example page - Mozilla Firefox");
    Make(L"mozilla-bare", L"MozillaWindowClass", L"");
    Make(L"mozilla-ui", L"MozillaUIWindowClass", L"Inbox - Mozilla Thunderbird");
    Make(L"opera", L"OpWindow", L"Opera");
    Make(L"mainform", L"TfrmMain", L"Main form browser");
    Make(L"disabled", L"TfrmBrowserMain", L"Disabled browser", WS_OVERLAPPEDWINDOW | WS_DISABLED);
    Make(L"netscape", L"NS_AE_WindowClass", L"");
    Make(L"netscape-titled", L"NS_AE_WindowClass", L"Netscape");
    Make(L"mainform-a", L"TfrmBrowserMain", L"Main form A");
    Make(L"avant", L"TfrmAvantBrowser", L"Avant Browser");
    Make(L"enigma", L"Enigma Browser MainFrame", L"Enigma");
    Make(L"slim", L"SlimBrowser MainFrame", L"SlimBrowser", WS_POPUP | WS_CAPTION);
    Make(L"opera-frameless", L"OpWindow", L"Opera panel", WS_POPUP | WS_CAPTION);
    Make(L"other", L"TidewellNoBrowser", L"Not a browser");
    // A caption beyond the get-text buffer, in letters outside any ANSI code page.
    std::wstring longCaption;
    for (int i = 0; i < 1500; ++i)
        longCaption += (i % 2) ? L'\x4E16' : L'\x00E9';
    Make(L"opera-long", L"OpWindow", longCaption.c_str());
}

INT_PTR CALLBACK Prompt(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            g_dialog = dialog;
            g_windows.emplace_back(L"dialog", dialog);
            SetActiveWindow(dialog);
            WriteReport();
            return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                SetWindowLongPtrW(dialog, DWLP_MSGRESULT, 0);
                return TRUE;  // the close box does nothing
            }
            return FALSE;
        case WM_CLOSE:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDNO) {
                Event(L"dialog closed by command 7");
                EndDialog(dialog, IDNO);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void RunPrompt(HWND owner) {
    // A dialog template without controls: the caption is all it needs.
    struct alignas(4) Template {
        DLGTEMPLATE header;
        WORD menu = 0, windowClass = 0;
        wchar_t title[16] = L"Leave this page";
    } layout{};
    layout.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    layout.header.cx = 160;
    layout.header.cy = 60;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &layout.header, owner, Prompt, 0);
}

bool AnyWindowLeft() {
    for (const auto& [name, window] : g_windows)
        if (IsWindow(window))
            return true;
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!arguments || count < 3)
        return 2;
    std::wstring scenario = arguments[1];
    g_report = arguments[2];
    if (scenario == L"all") {
        MakeAll();
    } else if (scenario == L"late") {
        Make(L"late", L"OpWindow", L"Late Opera");
    } else if (scenario == L"prompt") {
        HWND owner = MakeIEPage(L"owner", L"Form - Internet Explorer");
        RunPrompt(owner);
    } else if (scenario == L"hold") {
        HWND holder = Make(L"holder", L"TidewellHotKeyHolder", L"Holds Alt+F9");
        if (!RegisterHotKey(holder, 1, MOD_ALT, VK_F9))
            return 3;
    } else if (scenario == L"ignore") {
        MakeIEPage(L"stubborn", L"Stubborn - Internet Explorer", Stubborn);
        Make(L"opera", L"OpWindow", L"Opera");
    } else {
        return 2;
    }
    if (!g_dialog)
        WriteReport();
    DWORD start = GetTickCount();
    MSG msg;
    while (AnyWindowLeft() && GetTickCount() - start < 120000) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return 0;
}
