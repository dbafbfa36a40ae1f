#include "platform/known_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/paths.h"
#include "platform/module_exports.h"
#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

// Calls a "fill this buffer" function, growing the buffer when it asks for more.
template <typename Get>
std::wstring Filled(Get get) {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD length = get(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length + 1);
    }
    return {};
}

}  // namespace

std::string UserProfileFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, 0, buffer)) && buffer[0])
        return WithTrailingBackslash(WideToUtf8(buffer));
    std::string fromEnvironment = EnvironmentVariable("USERPROFILE");
    return fromEnvironment.empty() ? std::string() : WithTrailingBackslash(fromEnvironment);
}

std::string SystemWow64Folder() {
    using GetFolder = UINT(WINAPI*)(LPWSTR, UINT);
    auto get = LoadedExport<GetFolder>(L"kernel32.dll", "GetSystemWow64DirectoryW");
    if (!get)
        return {};  // older systems: no such folder
    std::wstring folder = Filled(
        [get](wchar_t* buffer, DWORD size) { return static_cast<DWORD>(get(buffer, size)); });
    return folder.empty() ? std::string() : WithTrailingBackslash(WideToUtf8(folder));
}

std::string FullLongPath(const std::string& path) {
    std::wstring wide = Utf8ToWide(path);
    std::wstring full = Filled([&wide](wchar_t* buffer, DWORD size) {
        return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
    });
    if (full.empty())
        return path;
    std::wstring longForm = Filled([&full](wchar_t* buffer, DWORD size) {
        return GetLongPathNameW(full.c_str(), buffer, size);
    });
    return WideToUtf8(longForm.empty() ? full : longForm);
}

std::string ShortPathName(const std::string& path) {
    std::wstring wide = Utf8ToWide(path);
    std::wstring shortForm = Filled([&wide](wchar_t* buffer, DWORD size) {
        return GetShortPathNameW(wide.c_str(), buffer, size);
    });
    return shortForm.empty() ? path : WideToUtf8(shortForm);
}

}  // namespace platform
