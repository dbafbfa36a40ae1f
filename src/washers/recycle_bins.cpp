#include "washers/recycle_bins.h"

#include "engine/primitives.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/recycle_bin.h"
#include "washers/framed_washer.h"
#include "washers/washer_rules.h"

namespace {

const char kSpared[] = "desktop.ini\r\n";

// The drive's bin holds something.
std::optional<platform::RecycleBinState> FilledBin(const std::string& drive) {
    std::optional<platform::RecycleBinState> bin = platform::QueryRecycleBin(drive);
    if (!bin || bin->items == 0)
        return std::nullopt;
    return bin;
}

// The bin folder of a drive, or nothing (and a log line) when its file system cannot be told:
// guessing could wash an ordinary folder that happens to bear the other name.
std::optional<std::string> BinFolder(WashScope& scope, const std::string& drive) {
    std::optional<std::string> name =
        RecycleBinFolderName(platform::FileSystemName(drive).value_or(std::string()));
    if (!name)
        scope.QueueLogLine("Left alone the recycle bin on " + drive +
                           ": the drive's file system could not be read");
    return name ? std::optional<std::string>(drive + *name) : std::nullopt;
}

// Each per-user folder of the bin is emptied (and its own subfolders removed); it stays itself.
void WashPerUserFolders(WashScope& scope, const std::string& bin) {
    std::vector<std::string> users;
    for (const platform::FileEntry& entry : platform::DirectoryListing(bin + "*.*"))
        if (entry.IsFolder() && !entry.IsDotEntry())
            users.push_back(entry.name);
    for (const std::string& user : users) {
        if (!scope.KeepWashing())
            return;
        bool prompt = false;
        WashFolder(scope, bin + user + "\\", "*.*", kSpared, prompt, false, true, true);
    }
}

void WashDriveBin(WashScope& scope, const std::string& drive) {
    if (!FilledBin(drive))
        return;
    std::optional<std::string> bin = BinFolder(scope, drive);
    if (!bin || !FolderMayBeWalked(scope, *bin))
        return;  // a bin folder that is a link leads elsewhere: its listing is not the bin's
    if (!scope.Testing())
        scope.Report(WashActionKind::Delete, "Recycle Bin on " + drive);
    WashPerUserFolders(scope, *bin);
    if (scope.KeepWashing()) {
        bool prompt = false;
        WashFolder(scope, *bin, "*.*", kSpared, prompt, false, false, true);
    }
    // The shell's own index of the bin is cleared too; what it removes is not counted.
    if (scope.KeepWashing() && !scope.Testing())
        platform::EmptyRecycleBin(drive);
}

void WashRecycleBinsByShredding(WashScope& scope) {
    for (const std::string& drive : platform::FixedDriveRoots()) {
        if (!scope.KeepWashing())
            return;
        WashDriveBin(scope, drive);
    }
}

void CountBin(WashScope& scope, std::uint64_t items, std::uint64_t bytes) {
    scope.Counters.count += items;
    scope.Counters.bytes += bytes;
    scope.ShowCounters();
}

// What the shell removed: the bin before, less what a new query still finds in it.
void CountEmptied(WashScope& scope, const std::string& drive,
                  const platform::RecycleBinState& before) {
    platform::RecycleBinState after =
        platform::QueryRecycleBin(drive).value_or(platform::RecycleBinState{});
    CountBin(scope, before.items > after.items ? before.items - after.items : 0,
             before.bytes > after.bytes ? before.bytes - after.bytes : 0);
}

void WashRecycleBinsThroughShell(WashScope& scope) {
    for (const std::string& drive : platform::FixedDriveRoots()) {
        if (!scope.KeepWashing())
            return;
        std::optional<platform::RecycleBinState> bin = FilledBin(drive);
        if (!bin)
            continue;
        scope.Report(WashActionKind::Clear, "Recycle Bin on " + drive);
        if (scope.Testing())
            CountBin(scope, bin->items, bin->bytes);
        else if (platform::EmptyRecycleBin(drive))  // a failed call removed nothing we can count
            CountEmptied(scope, drive, *bin);
    }
}

}  // namespace

void AddRecycleBinWashers(WasherTable& table) {
    table.BuiltIn.at(wlitWin_RecycleBins_Wash) =
        FramedWasher(" Washing: Windows Recycle Bins Wash", WashRecycleBinsByShredding);
    table.BuiltIn.at(wlitWin_RecycleBins) =
        FramedWasher(" Washing: Windows Recycle Bins", WashRecycleBinsThroughShell);
}
