#include "washers/activex_washer.h"

#include "catalogue/root_key_names.h"
#include "engine/primitives.h"
#include "engine/protected_identities.h"
#include "engine/walk_path.h"
#include "lists/activex_components.h"
#include "lists/activex_rules.h"
#include "platform/held_entry.h"
#include "platform/known_folders.h"
#include "platform/registry.h"
#include "washers/activex_wash.h"

namespace {

const char kTitle[] = " Washing: IE Downloaded Program Files";

// The counters of the object go to the run's totals, as the washer frame adds them.
void AddToTotals(WashContext& ctx, const WashCounters& counters) {
    ctx.RunItemCount += counters.count;
    ctx.RunTotalBytes += counters.bytes;
    if (ctx.TestRunning) {
        ctx.TestItemCount += counters.count;
        ctx.TestTotalBytes += counters.bytes;
    }
}

void WashDownloadedProgramFiles(WashContext& ctx, TWashListItem&, int row) {
    if (!ctx.TestRunning) {
        // The browsers hold the controls they show: none may run while they go.
        if (!ctx.View.CloseBrowsers()) {
            ctx.LogText(ctx.LogClockTime() +
                        " Error: IE Downloaded Program Files cancelled, unable to close all "
                        "browsers\r\n");
            return;
        }
        ctx.BrowsersWereRunning = false;
        ctx.View.ProcessMessages();
    }
    ctx.LogText(ctx.LogClockTime() + kTitle + "\r\n");
    WashScope scope(ctx, row);
    scope.ShowCounters();  // "0/0 Kb"
    {
        ActiveXWash wash(scope);
        wash.WashSetupFiles();
        wash.WashRegisteredControls();
        if (!ctx.TestRunning)
            wash.WashCacheFolders();
    }
    scope.WriteQueuedLogLines();
    scope.ShowCounters();
    AddToTotals(ctx, scope.Counters);
    ctx.LogText(ctx.LogClockTime() + kTitle + " Complete {" + CountersText(scope.Counters) +
                "}\r\n");
    ctx.LogFlush();
}

}  // namespace

void AddActiveXWasher(WasherTable& table) {
    table.BuiltIn[wlitIE_Downloaded_Program_Files] = WashDownloadedProgramFiles;
}

ActiveXWash::ActiveXWash(WashScope& scope)
    : scope_(scope),
      ctx_(scope.Ctx),
      cacheFolders_(WalkableCacheFolders(ActiveXCacheFolders())),
      contained_(cacheFolders_) {
    CollectUnits();
}

void ActiveXWash::CollectUnits() {
    for (const std::string& name : DistributionUnitNames()) {
        const DistributionUnit unit = ReadDistributionUnit(name);
        if (!unit.osd.empty()) {
            units_.push_back(Unit{name, unit.osd, std::nullopt});
            if (unit.osdExists) {
                // A properly installed component stays whole, not its description alone.
                installedFiles_.push_back(unit.osd);
                if (!unit.inf.empty())
                    installedFiles_.push_back(unit.inf);
                if (std::optional<std::string> library = ClassLibraryPath(name))
                    installedFiles_.push_back(*library);
            }
        } else if (!unit.inf.empty()) {
            units_.push_back(Unit{name, unit.inf, ClassLibraryPath(name)});
        }
    }
}

// The cache folders a wash may list: a path form it understands, no link on the way, and no
// protected place (a drive root, the Windows or system folder, a profile) by its identity.
std::vector<std::string> ActiveXWash::WalkableCacheFolders(
    const std::vector<std::string>& folders) {
    std::vector<std::string> walkable;
    std::set<std::string> seen;  // a folder named twice is walked once
    for (const std::string& folder : folders) {
        if (!seen.insert(platform::LowerAscii(platform::FullLongPath(folder))).second)
            continue;
        std::string why;
        if (!ParseWalkPath(folder, &why)) {
            Refuse("Left alone the ActiveX cache folder " + folder + ": " + why);
            continue;
        }
        if (!platform::FolderExists(folder) || !FolderMayBeWalked(scope_, folder))
            continue;
        const std::string reason = ProtectedReason(folder);
        if (!reason.empty()) {
            Refuse("Left alone the ActiveX cache folder " + folder + ": it is " + reason);
            continue;
        }
        walkable.push_back(folder);
    }
    return walkable;
}

std::string ActiveXWash::ProtectedReason(const std::string& folder) {
    std::optional<platform::HeldEntryInfo> info = platform::EntryInfoAt(folder);
    if (!info)
        return "a folder that could not be opened to see what it is";
    const std::string parentPath =
        platform::FolderOfPath(platform::WithoutTrailingBackslash(folder));
    std::optional<platform::HeldEntryInfo> parentInfo =
        parentPath.empty() ? std::nullopt : platform::EntryInfoAt(parentPath);
    std::optional<platform::FileIdentity> parent;
    if (parentInfo)
        parent = parentInfo->identity;
    if (!scope_.ProtectedCache)
        scope_.ProtectedCache = ProtectedIdentities::OfThisSystem();
    return scope_.ProtectedCache->Reason(info->identity, parent);
}

void ActiveXWash::WashSetupFiles() {
    for (const std::string& folder : cacheFolders_)
        for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.inf")) {
            if (!scope_.KeepWashing())
                return;
            // The system also matches short names: the long name decides.
            if (entry.IsReparsePoint() ||
                KindOfCacheEntry(entry.name, entry.IsFolder()) != CacheEntryKind::SetupFile)
                continue;
            const std::string path = folder + entry.name;
            if (Accepted(path) || OfProperlyInstalledUnit(path))
                continue;
            handled_.insert(platform::LowerAscii(path));
            WashSetupFile(path);
        }
}

void ActiveXWash::WashRegisteredControls() {
    for (const Unit& unit : units_) {
        if (!scope_.KeepWashing())
            return;
        if (unit.library)
            WashControl(unit);
    }
}

void ActiveXWash::WashControl(const Unit& unit) {
    const std::string& inf = unit.path;
    const std::string& library = *unit.library;
    if (Accepted(inf)) {
        Log("File is on Accepted Active X Component List " + inf);
        return;
    }
    if (!InsideCache(inf))
        return;  // not a download of the cache: nothing of it is ours to remove
    const std::string why = Refusal(library);
    if (!why.empty()) {
        // A class that runs from elsewhere (a system library) is not the download's to remove.
        Refuse("Refused to unregister and delete " + library + ", the library of " + unit.name +
               ": " + why);
        return;
    }
    // Unregistering removes the class key itself: it counts as deleted all the same.
    const std::string classKey = "CLSID\\" + unit.name;
    const bool classKeyExisted = platform::RegistryKeyOpens(RootKey::ClassesRoot, classKey);
    Log("Unregistering " + library);
    if (!scope_.Testing())
        Unregister(library);
    Log("Deleting ActiveX file " + library);
    if (platform::FileExists(library) && DestroyFile(library, ""))
        RemoveEmptyLibraryFolder(library);
    DeleteKeyTree(RootKey::ClassesRoot, classKey, classKeyExisted);
    const std::string unitKey = std::string(kDistributionUnitsKey) + "\\" + unit.name;
    DeleteKeyTree(RootKey::LocalMachine, unitKey,
                  platform::RegistryKeyOpens(RootKey::LocalMachine, unitKey));
    const std::string usageKey = std::string(kModuleUsageKey) + "\\" + ModuleUsageKeyName(library);
    DeleteKeyTree(RootKey::LocalMachine, usageKey,
                  platform::RegistryKeyOpens(RootKey::LocalMachine, usageKey));
}

// The folder a control came in, once empty; never a cache folder itself.
void ActiveXWash::RemoveEmptyLibraryFolder(const std::string& library) {
    const std::string folder = platform::FolderOfPath(platform::FullLongPath(library));
    if (!InsideCache(platform::WithoutTrailingBackslash(folder)))
        return;
    if (scope_.Testing()) {
        scope_.Report(WashActionKind::Blur, platform::FolderOfPath(library));
        scope_.Count(0);
        return;
    }
    // The library is gone: with its name as the mask the folder is removed only when empty.
    bool prompt = false;
    WashFolder(scope_, folder, platform::LastPathComponent(library), "", prompt, true, false, true);
    scope_.WriteQueuedLogLines();
}

// Removes a key that existed with everything below it; the key counts once, its values not at
// all. A key already gone (a library's own unregistering removed it) counts too.
void ActiveXWash::DeleteKeyTree(RootKey root, const std::string& path, bool existed) {
    if (!existed)
        return;
    if (!scope_.Testing() && platform::RegistryKeyOpens(root, path)) {
        WashScope quiet(ctx_, kNoStatusRow, ProgressLabel::None);
        bool prompt = false;
        WashRegistryKey(quiet, root, path + "\\", "*", "", prompt, true, true, true);
        if (platform::RegistryKeyOpens(root, path))
            return;  // not deleted: not counted
    }
    scope_.Report(WashActionKind::Delete, RootKeyName(root) + "\\" + path);
    scope_.Count(0);
}

bool ActiveXWash::Accepted(const std::string& path) const {
    return PathIsAccepted(ctx_.AcceptedActiveXList, path);
}

// Why a file may not be unregistered, uninstalled or destroyed, or "" when it may: only an
// existing file inside a cache folder, reached through no link. A relative path (a registry
// value may hold anything) would be found wherever the current folder is.
std::string ActiveXWash::Refusal(const std::string& path) const {
    if (!platform::IsAbsolutePath(path))
        return "it is not a full path";
    return ContainedFileRefusal(path, contained_);
}

bool ActiveXWash::InsideCache(const std::string& path) const {
    return !path.empty() && contained_.Contain(platform::FullLongPath(path));
}

bool ActiveXWash::SameAsUnitPath(const std::string& path) const {
    const std::string full = platform::FullLongPath(path);
    for (const Unit& unit : units_)
        if (platform::EqualsIgnoreCase(platform::FullLongPath(unit.path), full))
            return true;
    return false;
}

bool ActiveXWash::OfProperlyInstalledUnit(const std::string& path) const {
    const std::string full = platform::FullLongPath(path);
    for (const std::string& file : installedFiles_) {
        const std::string installed = platform::FullLongPath(file);
        if (platform::EqualsIgnoreCase(installed, full) || PathLiesUnder(installed, full))
            return true;
    }
    return false;
}

void ActiveXWash::Log(const std::string& text) {
    scope_.WriteQueuedLogLines();  // what the primitives said comes first
    ctx_.LogText(text + "\r\n");
}

void ActiveXWash::Refuse(const std::string& text) {
    scope_.Report(WashActionKind::Plain, text);
    scope_.QueueLogLine(text);
    scope_.WriteQueuedLogLines();
}

void ActiveXWash::Pump() {
    ctx_.View.ProcessMessages();
}
