// The file handler of the downloaded program files: one entry of a cache folder, by its kind.
#include "engine/primitives.h"
#include "lists/activex_rules.h"
#include "platform/known_folders.h"
#include "platform/processes.h"
#include "platform/shell_execute.h"
#include "platform/system.h"
#include "washers/activex_wash.h"

namespace {

// INF files are small; a larger one is no setup file worth reading.
constexpr std::uint64_t kLargestInf = 4u << 20;

bool HasUninstallSection(const std::string& inf) {
    std::optional<std::uint64_t> size = platform::FileSize(inf);
    if (!size || *size > kLargestInf)
        return false;
    std::optional<std::string> text = platform::ReadWholeFile(inf);
    return text && InfHasSection(*text, "DefaultUninstall");
}

// A module name as the process list gives it, in the form paths compare in.
std::string ComparablePath(std::string path) {
    if (path.rfind("\\\\?\\", 0) == 0 && path.rfind("\\\\?\\UNC\\", 0) != 0)
        path.erase(0, 4);
    return platform::LowerAscii(platform::FullLongPath(path));
}

}  // namespace

void ActiveXWash::WashCacheFolders() {
    for (const std::string& folder : cacheFolders_) {
        std::vector<platform::FileEntry> entries;
        for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*"))
            if (!entry.IsDotEntry())
                entries.push_back(entry);
        for (const platform::FileEntry& entry : entries) {
            if (!scope_.KeepWashing())
                return;
            const std::string path = folder + entry.name;
            if (handled_.count(platform::LowerAscii(path)))
                continue;
            if (Accepted(path))
                Log("File is on Accepted Active X Component List " + path);
            else
                HandleEntry(path, entry);
        }
    }
}

void ActiveXWash::HandleEntry(const std::string& path, const platform::FileEntry& entry) {
    if (entry.IsReparsePoint()) {
        Refuse("Left alone " + path + ": it is a link, which a wash never follows");
        return;
    }
    switch (KindOfCacheEntry(entry.name, entry.IsFolder())) {
        case CacheEntryKind::Folder:
            WashFolderEntry(path);
            break;
        case CacheEntryKind::DesktopIni:
            break;
        case CacheEntryKind::Description:
            WashDescription(path);
            break;
        case CacheEntryKind::Library:
            WashLibrary(path);
            break;
        case CacheEntryKind::SetupFile:
            if (!OfProperlyInstalledUnit(path))
                WashSetupFile(path);
            break;
        case CacheEntryKind::Program:
            WashProgram(path);
            break;
        case CacheEntryKind::Other:
            Log("Deleting " + path);
            DestroyFile(path, "");
            break;
    }
}

void ActiveXWash::WashFolderEntry(const std::string& path) {
    if (OfProperlyInstalledUnit(path)) {
        Refuse("Left alone " + path + ": it holds a properly installed component");
        return;
    }
    Log("Deleting Directory " + path);
    bool prompt = false;
    WashFolder(scope_, path + "\\", "*.*", "", prompt, true, true, true);
    scope_.WriteQueuedLogLines();
}

void ActiveXWash::WashDescription(const std::string& path) {
    if (SameAsUnitPath(path)) {
        Log("Properly Installed OSD (" + path + ") Found");
        return;
    }
    Log("Deleting Unproperly Installed OSD (" + path + ") Found");
    DestroyFile(path, " (not properly installed)");
}

void ActiveXWash::WashLibrary(const std::string& path) {
    if (OfProperlyInstalledUnit(path)) {
        Log("Properly Installed Component File (" + path + ") Found");
        return;
    }
    Log("Unregistering " + path);
    if (!scope_.Testing())
        Unregister(path);
    Log("Deleting ActiveX file " + path);
    DestroyFile(path, "");
}

void ActiveXWash::WashSetupFile(const std::string& path) {
    Log("Uninstalling INF file " + path);
    if (platform::FileExists(path) && HasUninstallSection(path)) {
        Log("Default Uninstall Section Found in INF file " + path);
        scope_.Report(WashActionKind::Clear, path + " .inf file with proper uninstall.");
        if (!scope_.Testing())
            RunUninstaller(path);
    } else {
        Log("Unable to find DefaultUninstall Section in INF file " + path);
        scope_.Report(WashActionKind::Clear, path + " .inf file with no proper uninstall.");
    }
    Log("Deleting INF file " + path);
    DestroyFile(path, " (inf file)");
}

void ActiveXWash::WashProgram(const std::string& path) {
    Log("Deleting " + path);
    if (!scope_.Testing())
        EndProcessesOf(path);
    DestroyFile(path, "");
}

// Destroys a file of a cache folder through the primitives; a test run reports it with its
// size and `testNote`. True when it was destroyed (in a test run: would be).
bool ActiveXWash::DestroyFile(const std::string& path, const std::string& testNote) {
    const std::string why = Refusal(path);
    if (!why.empty()) {
        Refuse("Left alone " + path + ": " + why);
        return false;
    }
    if (!platform::FileExists(path))
        return false;
    if (scope_.Testing()) {
        const std::uint64_t size = platform::FileSize(path).value_or(0);
        scope_.Report(WashActionKind::Blur, path + " " + FormatSizeText(size) + testNote);
        scope_.Count(size);
        return true;
    }
    bool prompt = false;
    WashFile(scope_, platform::FolderOfPath(path), {platform::LastPathComponent(path)}, prompt,
             true);
    scope_.WriteQueuedLogLines();
    return !platform::PathExists(path);
}

// "regsvr32 /u /s", only for a library of a cache folder: a path read from the registry may
// name any file, a system library too.
void ActiveXWash::Unregister(const std::string& library) {
    const std::string why = Refusal(library);
    if (!why.empty()) {
        Refuse("Refused to unregister " + library + ": " + why);
        return;
    }
    const ProgramCall call = UnregisterCall(library);
    platform::RunAndWait(call.program, call.parameters, [this] { Pump(); });
}

void ActiveXWash::RunUninstaller(const std::string& inf) {
    const std::string why = Refusal(inf);
    if (!why.empty()) {
        Refuse("Refused to run the uninstall section of " + inf + ": " + why);
        return;
    }
    const bool nt = platform::CurrentPlatformId() == platform::PlatformId::WindowsNT;
    const ProgramCall call = InfUninstallCall(nt, platform::ShortPathName(inf));
    platform::RunAndWait(call.program, call.parameters, [this] { Pump(); });
}

// Ends the processes running from this program file of a cache folder; one running from a file
// of the same name elsewhere is left alone.
void ActiveXWash::EndProcessesOf(const std::string& program) {
    if (!InsideCache(program)) {
        Refuse("Refused to end the processes of " + program +
               ": it lies outside the ActiveX cache folders");
        return;
    }
    const std::string wanted = ComparablePath(program);
    const std::string name = platform::LowerAscii(platform::LastPathComponent(program));
    for (const platform::RunningProcess& process : platform::RunningProcesses()) {
        const std::string module = ComparablePath(process.module);
        if (module == wanted && InsideCache(module)) {
            if (platform::EndProcess(process.id))
                Log("Ended process " + std::to_string(process.id) + " running " + program);
            else
                Refuse("Could not end process " + std::to_string(process.id) + " running " +
                       program);
        } else if (platform::LowerAscii(platform::LastPathComponent(process.module)) == name) {
            Refuse("Left process " + std::to_string(process.id) + " running: it runs " +
                   process.module + ", not the file of the ActiveX cache");
        }
    }
}
