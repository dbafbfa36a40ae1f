#pragma once
// The drives of the system: their root paths, their kind and their file system. The file system
// name is a seam: Wine reports every drive as NTFS, so tests can make a drive look like FAT.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The root paths ("C:\") of every logical drive, in the order the system gives them.
std::vector<std::string> LogicalDriveRoots();
// Whether the drive of a root path is a fixed (hard) disk.
bool IsFixedDrive(const std::string& root);
// The roots of the fixed drives, in the system's order.
std::vector<std::string> FixedDriveRoots();

// The name of the drive's file system as the system gives it ("NTFS", "FAT32"); nothing when
// the volume cannot be read.
std::optional<std::string> FileSystemName(const std::string& root);

// Tests only: make FileSystemName() answer through `source` (an empty function goes back to
// the system's answer).
using FileSystemNameSource = std::function<std::optional<std::string>(const std::string& root)>;
void OverrideFileSystemNameForTests(FileSystemNameSource source);

}  // namespace platform
