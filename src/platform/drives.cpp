#include "platform/drives.h"

#include <windows.h>

#include "platform/text.h"

namespace platform {
namespace {

FileSystemNameSource& FileSystemNameOverride() {
    static FileSystemNameSource source;  // test seam only
    return source;
}

}  // namespace

std::vector<std::string> LogicalDriveRoots() {
    // 26 drives of four characters each and the closing terminator fit easily.
    wchar_t buffer[256];
    DWORD length = GetLogicalDriveStringsW(255, buffer);
    std::vector<std::string> roots;
    if (length == 0 || length > 255)
        return roots;
    for (const wchar_t* root = buffer; *root && root < buffer + length;) {
        std::wstring_view one(root);
        roots.push_back(WideToUtf8(one));
        root += one.size() + 1;
    }
    return roots;
}

bool IsFixedDrive(const std::string& root) {
    return GetDriveTypeW(Utf8ToWide(root).c_str()) == DRIVE_FIXED;
}

std::vector<std::string> FixedDriveRoots() {
    std::vector<std::string> fixed;
    for (const std::string& root : LogicalDriveRoots())
        if (IsFixedDrive(root))
            fixed.push_back(root);
    return fixed;
}

std::optional<std::string> FileSystemName(const std::string& root) {
    if (FileSystemNameOverride())
        return FileSystemNameOverride()(root);
    wchar_t name[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(Utf8ToWide(root).c_str(), nullptr, 0, nullptr, nullptr, nullptr,
                               name, MAX_PATH + 1))
        return std::nullopt;
    return WideToUtf8(name);
}

void OverrideFileSystemNameForTests(FileSystemNameSource source) {
    FileSystemNameOverride() = std::move(source);
}

}  // namespace platform
