#include "running_program.h"

#include <cstdlib>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace e2e {

std::string BuildDrive() {
    const char* drive = std::getenv("TIDEWELL_TEST_BUILD_DRIVE");
    return platform::WithTrailingBackslash(drive && *drive ? drive : "T:\\");
}

ProgramFolder::ProgramFolder() {
    static int counter = 0;
    path_ = "C:\\TidewellE2E\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    platform::CreateFolderTree(path_);
    Copy("Tidewell.exe", "Tidewell.exe");
    Copy("Tidewell.dll", "Tidewell.dll");
}

ProgramFolder::~ProgramFolder() {
    testing_support::RemoveTreeForTests(path_);
}

bool ProgramFolder::Copy(const std::string& name, const std::string& relative) {
    std::string target = path_ + relative;
    platform::CreateFolderTree(platform::FolderOfPath(target));
    return CopyFileW(platform::Utf8ToWide(BuildDrive() + name).c_str(),
                     platform::Utf8ToWide(target).c_str(), FALSE) != FALSE;
}

RunningProgram::~RunningProgram() {
    if (!info_.hProcess)
        return;
    if (Running()) {
        if (HWND main = FindWindowW(L"Tidewell", nullptr))
            PostMessageW(main, WM_CLOSE, 0, 0);
        if (!WaitForExit(10000))
            TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

bool RunningProgram::Start(const std::string& program, const std::string& arguments) {
    std::wstring commandLine =
        platform::Utf8ToWide("\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments));
    std::wstring folder = platform::Utf8ToWide(platform::FolderOfPath(program));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &info_) != FALSE;
}

bool RunningProgram::WaitForExit(DWORD milliseconds) {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool RunningProgram::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND WaitForMainWindow(DWORD milliseconds) {
    DWORD until = GetTickCount() + milliseconds;
    do {
        HWND main = FindWindowW(L"Tidewell", nullptr);
        if (main && IsWindowVisible(main))
            return main;
        Sleep(20);
    } while (GetTickCount() < until);
    return nullptr;
}

namespace {

BOOL CALLBACK CountMain(HWND window, LPARAM count) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) == L"Tidewell")
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (GetDlgCtrlID(child) != search->id)
        return TRUE;
    search->found = child;
    return FALSE;
}

}  // namespace

int MainWindowCount() {
    int count = 0;
    EnumWindows(CountMain, reinterpret_cast<LPARAM>(&count));
    return count;
}

HWND FindControl(HWND main, int id) {
    Search search{id, nullptr};
    EnumChildWindows(main, FindById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PostClick(HWND button) {
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

bool WaitUntil(DWORD milliseconds, bool (*condition)(HWND), HWND window) {
    DWORD until = GetTickCount() + milliseconds;
    do {
        if (condition(window))
            return true;
        Sleep(5);
    } while (GetTickCount() < until);
    return condition(window);
}

std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return platform::WideToUtf8(text);
}

}  // namespace e2e
