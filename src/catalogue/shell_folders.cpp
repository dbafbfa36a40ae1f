#include "catalogue/shell_folders.h"

#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace {

std::string ReadRegistryText(RootKey root, std::string_view key, std::string_view value) {
    platform::RegistryKey opened = platform::RegistryKey::Open(root, std::string(key));
    if (!opened)
        return {};
    auto read = opened.Read(std::string(value));
    return read ? read->AsString() : std::string();
}

// The stored value with one backslash appended ("\" when the value is missing or empty).
std::string FromRegistry(RootKey root, std::string_view key, std::string_view value) {
    return ReadRegistryText(root, key, value) + "\\";
}

std::string Resolve(ShellFolderKind kind) {
    const ShellFolderInfo& info = ShellFolderTable(kind);
    switch (info.source) {
        case ShellFolderSource::UserShellFolders:
            return FromRegistry(RootKey::CurrentUser, kShellFoldersKey, info.valueName);
        case ShellFolderSource::CommonShellFolders: {
            std::string path =
                FromRegistry(RootKey::LocalMachine, kShellFoldersKey, info.valueName);
            return path == "\\" ? ResolveShellFolder(info.fallback) : path;
        }
        case ShellFolderSource::ProgramFilesDir:
            return FromRegistry(RootKey::LocalMachine,
                                "Software\\Microsoft\\Windows\\CurrentVersion", info.valueName);
        case ShellFolderSource::None:
            return "\\";
        case ShellFolderSource::SystemDirectory:
            return platform::SystemFolder();
        case ShellFolderSource::WindowsDirectory:
            return platform::WindowsFolder();
    }
    return {};
}

}  // namespace

std::string ResolveShellFolder(ShellFolderKind kind) {
    int index = static_cast<int>(kind);
    std::string path = index >= 0 && index < kShellFolderKindCount ? Resolve(kind) : "";
    // A damaged value such as "Recent" or "C:temp" would be found under the current folder.
    if (!platform::IsAbsolutePath(path))
        return std::string(kNoSuchFolder);
    return path;
}

std::string ExpandFolderMacros(const std::string& text) {
    return ExpandFolderMacrosWith(text, ResolveShellFolder);
}

bool IsNotSystemFolder(const std::string& path) {
    if (path == kNoSuchFolder)
        return true;
    for (ShellFolderKind kind :
         {ShellFolderKind::ftSystem16, ShellFolderKind::ftSystem32, ShellFolderKind::ftWindows32}) {
        if (path == ResolveShellFolder(kind))
            return false;
    }
    return true;
}

void CheckShellFolders(const ShowWarning& show) {
    for (int i = 0; i <= static_cast<int>(ShellFolderKind::ftCommonStartup); ++i) {
        auto kind = static_cast<ShellFolderKind>(i);
        if (!IsNotSystemFolder(ResolveShellFolder(kind)))
            show(ShellFolderWarningText(ShellFolderTable(kind).displayName));
    }
}
