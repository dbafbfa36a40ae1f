#include "platform/shell_items.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text.h"

namespace platform {

std::uint32_t LogicalDriveMask() {
    return GetLogicalDrives();
}

int DriveTypeNumber(const std::string& root) {
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    const UINT type = GetDriveTypeW(Utf8ToWide(root).c_str());
    SetErrorMode(previous);
    return static_cast<int>(type);
}

ShellItem ShellItemOf(const std::string& path, bool openIcon) {
    SHFILEINFOW info{};
    ShellItem item;
    const UINT flags =
        SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (openIcon ? SHGFI_OPENICON : 0);
    const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (SHGetFileInfoW(Utf8ToWide(path).c_str(), 0, &info, sizeof info, flags)) {
        item.displayName = WideToUtf8(info.szDisplayName);
        item.iconIndex = info.iIcon;
    }
    SetErrorMode(previous);
    return item;
}

std::uint64_t LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

std::optional<LocalClock> LocalClockOf(std::uint64_t fileTime) {
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    SYSTEMTIME clock;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &clock))
        return std::nullopt;
    return LocalClock{clock.wYear, clock.wMonth, clock.wDay, clock.wHour, clock.wMinute};
}

std::string ThousandsSeparator() {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, buffer, 8) <= 1)
        return ",";
    return WideToUtf8(buffer);
}

}  // namespace platform
