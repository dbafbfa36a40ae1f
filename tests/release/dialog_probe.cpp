// dialog_probe: answers the installer's and uninstaller's windows from the release test, as a
// user would, by their titles (their window class is the dialog class every dialog shares).
//   dialog_probe wait TITLE [SECONDS]          until a visible window titled TITLE exists
//                                              (trailing blanks of titles do not count)
//   dialog_probe gone TITLE [SECONDS]          until no window titled TITLE exists
//   dialog_probe press TITLE ID [SECONDS]      until a window titled TITLE has an enabled
//                                              control ID, then presses it (WM_COMMAND)
//   dialog_probe list                          the titles of the visible windows (for a
//                                              failure's message)
// Exit code 0 when it happened in time, 1 when not, 2 for a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    int controlId;  // 0: any window with the title
    HWND window;
    HWND control;
};

// A window's title without the blanks some dialogs end it with (the installer's pages).
std::wstring TitleOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    std::wstring title = text;
    title.erase(title.find_last_not_of(L' ') + 1);
    return title;
}

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (TitleOf(window) != search->title || !IsWindowVisible(window))
        return TRUE;
    if (search->controlId != 0) {
        HWND control = GetDlgItem(window, search->controlId);
        if (!control || !IsWindowEnabled(control) || !IsWindowVisible(control))
            return TRUE;
        search->control = control;
    }
    search->window = window;
    return FALSE;
}

Search Find(const wchar_t* title, int controlId) {
    Search search{title, controlId, nullptr, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search;
}

BOOL CALLBACK PrintTitle(HWND window, LPARAM) {
    if (IsWindowVisible(window) && !TitleOf(window).empty())
        std::wprintf(L"%ls\n", TitleOf(window).c_str());
    return TRUE;
}

template <typename Done>
bool WaitUntil(double seconds, Done done) {
    for (int i = 0; i < static_cast<int>(seconds * 20); ++i) {
        if (done())
            return true;
        Sleep(50);
    }
    return done();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wstring(argv[1]) == L"list")
        return EnumWindows(PrintTitle, 0) ? 0 : 1;
    if (argc < 3)
        return 2;
    const std::wstring command = argv[1];
    const wchar_t* title = argv[2];
    if (command == L"wait" || command == L"gone") {
        double seconds = argc > 3 ? _wtof(argv[3]) : 30;
        bool present = command == L"wait";
        return WaitUntil(seconds, [&] { return (Find(title, 0).window != nullptr) == present; })
                   ? 0
                   : 1;
    }
    if (command == L"press" && argc > 3) {
        int id = _wtoi(argv[3]);
        double seconds = argc > 4 ? _wtof(argv[4]) : 30;
        Search found{};
        if (!WaitUntil(seconds, [&] { return (found = Find(title, id)).window != nullptr; }))
            return 1;
        return PostMessageW(found.window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                            reinterpret_cast<LPARAM>(found.control))
                   ? 0
                   : 1;
    }
    return 2;
}
