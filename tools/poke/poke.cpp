// poke: drives a running Tidewell from scripts (screenshots, benchmarks), as another program
// would: it finds the window by its class and posts messages to it. Windows builds only.
//   poke wait [SECONDS]      until the main window is visible; prints "x y width height"
//   poke rect [CLASS]        the rectangle of the main window (or of a window of CLASS)
//   poke wait-class CLASS [SECONDS]
//   poke click ID            a click on the control ID of the main window
//   poke wait-text ID TEXT [SECONDS]   until the control ID of the main window shows TEXT
//   poke click-wait ID WATCH [SECONDS]  clicks ID, then waits until the control WATCH shows
//                            again the text it showed before (a run started by ID has ended;
//                            the same in every language)
//   poke command CLASS ID    posts WM_COMMAND ID to a window of CLASS (answers a dialog)
//   poke select ID TEXT      chooses the entry TEXT of the drop-down list ID of the main window
//   poke key ID VK           posts the key VK (a number) to the control ID of the main window,
//                            as pressed while it has the focus (moves a tab control on)
//   poke selected ID         the index of the selected tab of the tab control ID
//   poke cookie URL TEXT     sets a cookie ("name=value; expires=...") of URL in Internet
//                            Explorer's store, as the browser would (no window needed)
//   poke close [CLASS]       WM_CLOSE to the main window (or to a window of CLASS)
//   poke pid                 the Windows process id of the main window
//   poke count CLASS         the messages the loop of the program of a window of CLASS has
//                            taken so far (its answer to "TidewellMessageCount")
//   poke visible CLASS       "yes" or "no"
//   poke memory CLASS        private bytes (committed private memory) and working set, in KiB,
//                            of the process of a window of CLASS, as Windows reports them
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND MainWindow() {
    return FindWindowW(L"Tidewell", nullptr);
}

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (GetDlgCtrlID(child) == search->id) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

int PrintRect(HWND window) {
    RECT r;
    if (!window || !GetWindowRect(window, &r))
        return 1;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

HWND WaitFor(const wchar_t* className, double seconds, bool visible) {
    for (int i = 0; i < static_cast<int>(seconds * 20); ++i) {
        HWND window = FindWindowW(className, nullptr);
        if (window && (!visible || IsWindowVisible(window)))
            return window;
        Sleep(50);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return 2;
    std::wstring command = argv[1];
    if (command == L"wait") {
        double seconds = argc > 2 ? _wtof(argv[2]) : 30;
        return PrintRect(WaitFor(L"Tidewell", seconds, true));
    }
    if (command == L"cookie" && argc > 3)
        return InternetSetCookieW(argv[2], nullptr, argv[3]) ? 0 : 1;
    if (command == L"wait-class" && argc > 2) {
        double seconds = argc > 3 ? _wtof(argv[3]) : 30;
        return PrintRect(WaitFor(argv[2], seconds, true));
    }
    if (command == L"memory" && argc > 2) {
        HWND window = FindWindowW(argv[2], nullptr);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        if (!process)
            return 1;
        PROCESS_MEMORY_COUNTERS counters{};
        GetProcessMemoryInfo(process, &counters, sizeof counters);
        // Private bytes as Windows defines them: committed memory of type private.
        unsigned long long privateBytes = 0;
        MEMORY_BASIC_INFORMATION region{};
        for (char* address = nullptr;
             VirtualQueryEx(process, address, &region, sizeof region) == sizeof region;
             address = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
            if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
                privateBytes += region.RegionSize;
        }
        CloseHandle(process);
        std::printf("%llu %llu\n", privateBytes / 1024,
                    static_cast<unsigned long long>(counters.WorkingSetSize / 1024));
        return 0;
    }
    if (command == L"count" && argc > 2) {
        HWND window = FindWindowW(argv[2], nullptr);
        DWORD_PTR count = 0;
        if (!window || !SendMessageTimeoutW(window, RegisterWindowMessageW(L"TidewellMessageCount"),
                                            0, 0, SMTO_ABORTIFHUNG, 5000, &count))
            return 1;
        std::printf("%lu\n", static_cast<unsigned long>(count));
        return 0;
    }
    if (command == L"visible" && argc > 2) {
        HWND window = FindWindowW(argv[2], nullptr);
        std::printf("%s\n", window && IsWindowVisible(window) ? "yes" : "no");
        return window ? 0 : 1;
    }
    if (command == L"command" && argc > 3) {
        HWND window = FindWindowW(argv[2], nullptr);
        return window && PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(_wtoi(argv[3])), 0)
                   ? 0
                   : 1;
    }
    if (command == L"close" && argc > 2) {
        HWND window = FindWindowW(argv[2], nullptr);
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == L"rect")
        return PrintRect(argc > 2 ? FindWindowW(argv[2], nullptr) : MainWindow());
    HWND main = MainWindow();
    if (!main)
        return 1;
    if (command == L"wait-text" && argc > 3) {
        Search search{_wtoi(argv[2]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
        double seconds = argc > 4 ? _wtof(argv[4]) : 60;
        for (int i = 0; search.found && i < static_cast<int>(seconds * 20); ++i) {
            wchar_t text[256] = {};
            GetWindowTextW(search.found, text, 256);
            if (std::wstring(text) == argv[3])
                return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == L"click-wait" && argc > 3) {
        Search button{_wtoi(argv[2]), nullptr};
        Search watch{_wtoi(argv[3]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&button));
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&watch));
        if (!button.found || !watch.found)
            return 1;
        auto text = [&] {
            wchar_t buffer[256] = {};
            GetWindowTextW(watch.found, buffer, 256);
            return std::wstring(buffer);
        };
        const std::wstring before = text();
        PostMessageW(GetParent(button.found), WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button.found));
        // A short run may end before its change is seen: after 10 s without one it is over.
        int ticks = 0;
        for (; ticks < 200 && text() == before; ++ticks)
            Sleep(50);
        if (ticks == 200)
            return 0;
        double seconds = argc > 4 ? _wtof(argv[4]) : 60;
        for (int i = 0; i < static_cast<int>(seconds * 20); ++i) {
            if (text() == before)
                return 0;
            Sleep(50);
        }
        return 1;
    }
    if (command == L"click" && argc > 2) {
        Search search{_wtoi(argv[2]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            return 1;
        PostMessageW(GetParent(search.found), WM_COMMAND, MAKEWPARAM(search.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(search.found));
        return 0;
    }
    if (command == L"select" && argc > 3) {
        Search search{_wtoi(argv[2]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            return 1;
        LRESULT index = SendMessageW(search.found, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(argv[3]));
        if (index == CB_ERR)
            return 1;
        SendMessageW(search.found, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(GetParent(search.found), WM_COMMAND, MAKEWPARAM(search.id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(search.found));
        return 0;
    }
    if (command == L"selected" && argc > 2) {
        Search search{_wtoi(argv[2]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            return 1;
        std::printf("%d\n", static_cast<int>(SendMessageW(search.found, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    if (command == L"key" && argc > 3) {
        Search search{_wtoi(argv[2]), nullptr};
        EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            return 1;
        auto key = static_cast<WPARAM>(_wtoi(argv[3]));
        PostMessageW(search.found, WM_KEYDOWN, key, 1);
        PostMessageW(search.found, WM_KEYUP, key, 0xC0000001);
        return 0;
    }
    if (command == L"close")
        return PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    if (command == L"pid") {
        DWORD pid = 0;
        GetWindowThreadProcessId(main, &pid);
        std::printf("%lu\n", pid);
        return 0;
    }
    return 2;
}
