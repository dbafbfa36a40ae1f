#include "lists/startup_monitor.h"

#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "engine/wash_levels.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shell_link.h"

namespace {

constexpr const char* kRunKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
    "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce",
    "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnceEx",
};

void AddRunValues(RootKey root, const char* keyPath, std::vector<StartupProgram>& programs) {
    platform::RegistryKey key = platform::RegistryKey::Open(root, keyPath);
    if (!key)
        return;
    for (const std::string& name : key.ValueNames()) {
        StartupProgram program;
        program.source = StartupProgram::Source::RegistryValue;
        program.name = name;
        if (std::optional<platform::RegistryValue> value = key.Read(name))
            program.command = value->AsString();  // empty for a value that is not a text
        program.root = root;
        program.keyPath = keyPath;
        programs.push_back(std::move(program));
    }
}

bool IsShortcut(const std::string& name) {
    const std::string lower = platform::LowerAscii(name);
    return lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".lnk") == 0;
}

// Windows starts the files of the folder itself; subfolders and the folder's own desktop.ini
// (its display name) start nothing.
void AddStartupFiles(ShellFolderKind kind, std::vector<StartupProgram>& programs) {
    const std::string folder = ResolveShellFolder(kind);
    if (folder == kNoSuchFolder)
        return;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*")) {
        if (entry.IsDotEntry() || entry.IsFolder() ||
            platform::EqualsIgnoreCase(entry.name, "desktop.ini"))
            continue;
        StartupProgram program;
        program.source = StartupProgram::Source::StartupFile;
        program.name = entry.name;
        program.path = folder + entry.name;
        program.command =
            IsShortcut(entry.name) ? platform::ShellLinkTarget(program.path) : program.path;
        programs.push_back(std::move(program));
    }
}

}  // namespace

std::vector<StartupProgram> FindStartupPrograms() {
    std::vector<StartupProgram> programs;
    for (RootKey root : {RootKey::LocalMachine, RootKey::CurrentUser})
        for (const char* keyPath : kRunKeys)
            AddRunValues(root, keyPath, programs);
    AddStartupFiles(ShellFolderKind::ftStartup, programs);
    AddStartupFiles(ShellFolderKind::ftCommonStartup, programs);
    return programs;
}

bool StopStartupProgram(WashContext& ctx, const StartupProgram& program) {
    if (ctx.Washing)
        return false;
    ctx.Washing = true;
    ctx.TestRunning = false;
    ctx.KeepWashing = true;
    const WashLevelSettings level = SettingsForWashLevel(ctx.Opts.WashLevel);
    ctx.Shred.WashMode = level.WashMode;
    ctx.Shred.WashStrength = level.WashStrength;
    ctx.Shred.ShredDelete = true;
    bool gone = false;
    {
        WashScope scope(ctx, kNoStatusRow, ProgressLabel::None);
        bool prompt = false;  // the monitor has asked already
        if (program.source == StartupProgram::Source::RegistryValue) {
            gone = WashRegistryValue(scope, program.root, program.keyPath, program.name, prompt);
        } else {
            WashFile(scope, platform::FolderOfPath(program.path),
                     {platform::LastPathComponent(program.path)}, prompt, true);
            gone = !platform::PathExists(program.path);
        }
    }
    ctx.Washing = false;
    return gone;
}
