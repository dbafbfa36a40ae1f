#include "support/fake_browsers_process.h"

#include <cstdint>
#include <fstream>

#include "platform/files.h"
#include "platform/text.h"

namespace testing_support {

namespace {

std::vector<std::string> LinesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Under Wine with no window manager, hiding or destroying a window that Wine hands to the
// manager waits two seconds for an answer that never comes. The helper's windows are left to
// Wine alone (a setting for that program only; real Windows ignores it).
void LeaveHelperWindowsUnmanaged() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER,
                        L"Software\\Wine\\AppDefaults\\fake_browsers.exe\\X11 Driver", 0, nullptr,
                        0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"),
                   2 * sizeof(wchar_t));
    RegCloseKey(key);
}

}  // namespace

FakeBrowsers::~FakeBrowsers() {
    End();
    if (!info_.hProcess)
        return;
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
}

void FakeBrowsers::End() {
    if (!info_.hProcess)
        return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
}

bool FakeBrowsers::Start(const std::string& program, const std::string& scenario) {
    static int counter = 0;
    report_ = folder_.Path() + "windows-" + std::to_string(++counter) + ".txt";
    std::wstring commandLine =
        platform::Utf8ToWide("\"" + program + "\" " + scenario + " \"" + report_ + "\"");
    LeaveHelperWindowsUnmanaged();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_))
        return false;
    for (int i = 0; i < 400 && !platform::FileExists(report_); ++i)
        Sleep(25);
    for (const std::string& line : LinesOf(report_)) {
        std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        auto bits = static_cast<std::uint32_t>(std::stoul(line.substr(equals + 1), nullptr, 16));
        windows_[line.substr(0, equals)] =
            reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(bits)));
    }
    return !windows_.empty();
}

HWND FakeBrowsers::Window(const std::string& name) const {
    auto found = windows_.find(name);
    return found == windows_.end() ? nullptr : found->second;
}

std::vector<std::string> FakeBrowsers::Events() const {
    return LinesOf(report_ + ".events");
}

bool FakeBrowsers::WaitForExit(DWORD milliseconds) {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

}  // namespace testing_support
