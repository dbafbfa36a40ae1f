// Starts a program several times and measures, for each start, the time from CreateProcess to
// its main window being ready: the window of the given class exists and answers a sent
// message, and (for Tidewell) its first hot key is registered, the last step of its creation
// before the splash. Each start is ended as Windows ends a session: WM_QUERYENDSESSION, then
// WM_ENDSESSION, then the process is terminated. So the program's own session-end steps run
// (its system-wide hooks are removed, as they are not when a process is merely killed under
// Wine, where every later window message in every program would still pass through them), and
// nothing a close undoes (the shell extension's registration) is undone. The next start waits
// until the desktop has settled after it.
// Usage: startup_probe <program> <window class> <check hot key 0|1> <runs>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Ctrl+F10, Tidewell's default "Close All Browser Windows" hot key, is taken.
bool HotKeyTaken() {
    if (RegisterHotKey(nullptr, 0x7ff0, MOD_CONTROL, VK_F10)) {
        UnregisterHotKey(nullptr, 0x7ff0);
        return false;
    }
    return GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

bool Ready(const wchar_t* windowClass, bool checkHotKey) {
    HWND window = FindWindowW(windowClass, nullptr);
    DWORD_PTR answer = 0;
    return window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer) &&
           (!checkHotKey || HotKeyTaken());
}

// After a kill, Wine's desktop process (explorer) takes the dead program's tray icon down and,
// with no window manager to answer, stalls for about two seconds: a start in that time waits
// for it at its first window call. Each start begins with a desktop that answers at once, so
// what is measured is the program's own start.
void WaitForQuietDesktop(LARGE_INTEGER since) {
    for (;;) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
        QueryPerformanceCounter(&after);
        if (Milliseconds(before, after) < 20 && Milliseconds(since, after) > 2500)
            return;
        Sleep(50);
    }
}

void EndAsSessionEnd(HWND window) {
    if (!window)
        return;
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                        &answer);
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                        &answer);
}

double StartOnce(const std::wstring& program, const wchar_t* windowClass, bool checkHotKey) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    double elapsed = -1;
    for (int i = 0; i < 30000; ++i) {
        if (Ready(windowClass, checkHotKey)) {
            QueryPerformanceCounter(&now);
            elapsed = Milliseconds(start, now);
            break;
        }
        Sleep(1);
    }
    EndAsSessionEnd(FindWindowW(windowClass, nullptr));
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    QueryPerformanceCounter(&now);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    WaitForQuietDesktop(now);  // the window, hot keys and tray icon are gone with the process
    return elapsed;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: startup_probe program class checkhotkey runs\n");
        return 2;
    }
    bool checkHotKey = argv[3][0] == L'1';
    int runs = std::max(1, _wtoi(argv[4]));
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        double ms = StartOnce(argv[1], argv[2], checkHotKey);
        if (ms < 0) {
            std::fprintf(stderr, "startup_probe: the program did not get ready\n");
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f %.1f %.1f\n", times[times.size() / 2], times.front(), times.back());
    return 0;
}
