#include "catalogue/registry_values.h"
#include "engine/deferred_wash.h"
#include "engine/folder_tree.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

void CollectFilesOf(const std::string& folder, const std::string& name, std::uint64_t& bytes,
                    std::uint64_t& entries, std::vector<std::string>& lines) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + name)) {
        // The listing also matches short 8.3 names: only the long name counts.
        if (entry.IsFolder() || entry.IsDotEntry() || !platform::EqualsIgnoreCase(entry.name, name))
            continue;
        if (AddTaskLine(lines, folder + entry.name)) {
            ++entries;
            bytes += entry.size;
        }
    }
}

}  // namespace

void CollectNamedFiles(const std::string& folder, const std::string& name, std::uint64_t& bytes,
                       std::uint64_t& entries, std::vector<std::string>& lines, bool subfolders) {
    if (!platform::IsAbsolutePath(folder))
        return;
    const std::string root = platform::WithTrailingBackslash(folder);
    if (!subfolders) {
        CollectFilesOf(root, name, bytes, entries, lines);
        return;
    }
    for (const std::string& each : FoldersBelowFirst(root))
        CollectFilesOf(each, name, bytes, entries, lines);
}

std::vector<std::string> LoadTaskFile(const std::string& path) {
    auto bytes = platform::ReadWholeFile(path);
    return bytes ? ParseTaskFile(*bytes) : std::vector<std::string>();
}

bool SaveTaskFile(const std::string& path, const std::vector<std::string>& lines) {
    return platform::WriteWholeFile(path, FormatTaskFile(lines));
}

void UpdateIndexDatStartEntry(bool wanted, const std::string& programFolder) {
    if (wanted)
        WriteRegistryValue(RootKey::LocalMachine, kStartEntryKey, "ftString",
                           StartEntryText(programFolder), kStartEntryValue);
    else if (RegistryValueExists(RootKey::LocalMachine, kStartEntryKey, kStartEntryValue))
        DeleteRegistryValue(RootKey::LocalMachine, kStartEntryKey, false, kStartEntryValue);
}
