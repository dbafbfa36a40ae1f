#include "platform/system.h"

#include <windows.h>

#include "platform/paths.h"
#include "platform/module_exports.h"
#include "platform/text.h"

namespace platform {
namespace {

std::optional<PlatformId>& PlatformIdOverride() {
    static std::optional<PlatformId> forced;  // test seam only
    return forced;
}

std::optional<bool>& Wow64Override() {
    static std::optional<bool> forced;  // test seam only
    return forced;
}

// IsWow64Process is looked up, not imported: Windows XP before Service Pack 2 lacks it.
bool AskIsWow64() {
    using IsWow64Function = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = LoadedExport<IsWow64Function>(L"kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

std::string FolderFrom(UINT(WINAPI* get)(LPWSTR, UINT)) {
    wchar_t buffer[MAX_PATH + 1];
    UINT length = get(buffer, MAX_PATH);
    if (length == 0 || length > MAX_PATH)
        return {};
    return WithTrailingBackslash(WideToUtf8(std::wstring_view(buffer, length)));
}

}  // namespace

PlatformId CurrentPlatformId() {
    if (PlatformIdOverride())
        return *PlatformIdOverride();
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return PlatformId::Windows9x;
#pragma GCC diagnostic pop
    return PlatformId::WindowsNT;
}

void OverridePlatformIdForTests(std::optional<PlatformId> id) {
    PlatformIdOverride() = id;
}

bool IsWow64() {
    if (Wow64Override())
        return *Wow64Override();
    static const bool wow64 = AskIsWow64();  // a process keeps its width
    return wow64;
}

void OverrideWow64ForTests(std::optional<bool> wow64) {
    Wow64Override() = wow64;
}

std::string ProgramFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return FolderOfPath(WideToUtf8(buffer));
}

std::string WindowsFolder() {
    return FolderFrom(GetWindowsDirectoryW);
}
std::string SystemFolder() {
    return FolderFrom(GetSystemDirectoryW);
}

std::string NativeSystemFolder() {
    if (!IsWow64())
        return SystemFolder();
    std::string windows = WindowsFolder();
    return windows.empty() ? std::string() : windows + "Sysnative\\";
}

std::string TempFolder() {
    wchar_t buffer[MAX_PATH + 2];
    DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH + 1)
        return {};
    return WithTrailingBackslash(WideToUtf8(std::wstring_view(buffer, length)));
}

std::string CurrentUserName() {
    // A process keeps the user it was started by (its token does not change, and the program
    // never impersonates), so the name is kept once known; the main timer asks every second.
    // A failed answer is not kept: the next call asks again.
    static std::string name;
    if (name.empty()) {
        wchar_t buffer[261];
        DWORD size = 261;
        if (GetUserNameW(buffer, &size) && size != 0)
            name = WideToUtf8(std::wstring(buffer));
    }
    return name;
}

std::string EnvironmentVariable(const std::string& name) {
    std::wstring wideName = Utf8ToWide(name);
    DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring value(needed, L'\0');
    DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    value.resize(length);
    return WideToUtf8(value);
}

unsigned long long MillisecondsSinceStart() {
    LARGE_INTEGER frequency, counter;
    if (!QueryPerformanceFrequency(&frequency) || !QueryPerformanceCounter(&counter))
        return GetTickCount();
    return static_cast<unsigned long long>(counter.QuadPart) * 1000ull /
           static_cast<unsigned long long>(frequency.QuadPart);
}

}  // namespace platform
