#pragma once
// What the shell shows for files and drives (display names, small icons, drive kinds) and the
// local time of a file time: the parts of the Vanish page's tree and list that come from the
// system.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The logical-drives mask: bit 0 is A:, bit 25 is Z:.
std::uint32_t LogicalDriveMask();
// GetDriveType's number (0 unknown ... 6 RAM disk), asked with the system's critical-error
// pop-ups suppressed (a drive without a medium asks nothing).
int DriveTypeNumber(const std::string& root);

struct ShellItem {
    std::string displayName;  // empty when the shell gives none
    int iconIndex = -1;       // in the system's small image list; -1 when none
};
// The shell's display name and small icon of a file, folder or drive; with `openIcon` the
// icon of an open folder.
ShellItem ShellItemOf(const std::string& path, bool openIcon = false);

// The last-write time of a file or folder (UTC ticks); 0 when it cannot be read.
std::uint64_t LastWriteTime(const std::string& path);

struct LocalClock {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};
// A file time (UTC ticks) in the local time zone; nothing for a time the system cannot convert.
std::optional<LocalClock> LocalClockOf(std::uint64_t fileTime);

// The user's digit-grouping separator ("," in English, "." in German).
std::string ThousandsSeparator();

}  // namespace platform
