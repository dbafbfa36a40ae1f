#pragma once
// Text rules of the Windows washers, without system calls.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The value names an MRU list's "MRUList" text stands for: each of its characters names the
// value of that one-character name. Taken in the order they stand, each name once: a
// character that repeats (in either letter case, as value names ignore it) names a value that
// is already gone.
std::vector<std::string> MruListNames(std::string_view mruList);

// The value names an "MRUListEx" list stands for (Windows XP and later): its data is 32-bit
// little-endian numbers, each naming the value of that decimal name ("0", "17"), up to the end
// mark 0xFFFFFFFF or the end of the data (an incomplete last number names nothing). Each name
// once, in the order they stand.
std::vector<std::string> MruListExNames(const std::vector<std::uint8_t>& data);

// The length of a UTF-8 text in characters.
std::size_t CharacterCount(std::string_view text);

// The swap file of the drive that holds the Windows folder, in lower case ("c:\pagefile.sys");
// empty when the folder does not begin with a drive letter, a colon and a backslash.
std::string SwapFilePath(std::string_view windowsFolder);

// The recycle-bin folder of a drive by its file system name: "Recycler\" on NTFS (any letter
// case), "Recycled\" on the FAT family; nothing when the name is unknown (empty), since the
// folder to wash cannot then be told.
std::optional<std::string> RecycleBinFolderName(std::string_view fileSystemName);

// The folder an "Active Setup Temp Folders" value names: the text before the first "|" (what
// follows names the other drives' folders), without one trailing backslash. Empty for an empty
// value.
std::string DownloadFolderFromValue(std::string_view value);
