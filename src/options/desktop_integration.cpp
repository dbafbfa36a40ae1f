#include "options/desktop_integration.h"

#include <cstdint>
#include <utility>

#include "catalogue/registry_values.h"
#include "catalogue/settings_values.h"
#include "platform/file_handle.h"
#include "platform/files.h"
#include "platform/held_entry.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shell_execute.h"
#include "platform/shell_link.h"
#include "platform/system.h"

const char* const kToolbarButtonKey =
    "Software\\Microsoft\\Internet Explorer\\Extensions\\{B8A01A8F-6FE9-11db-9125-00105AA09764}";
const char* const kProgramShortcutFile = "Tidewell.LNK";

namespace {

constexpr const char* kLinkExtension = ".LNK";

std::string BaseNameWithoutExtension(const std::string& path) {
    std::string name = platform::LastPathComponent(path);
    std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// "Shortcut to X", then "Shortcut to X (2)", "(3)" ... until the name is free.
std::string FreeShortcutName(const std::string& folder, const std::string& target) {
    std::string base = "Shortcut to " + BaseNameWithoutExtension(target);
    std::string name = base;
    for (int number = 2; platform::PathExists(folder + name + kLinkExtension); ++number)
        name = base + " (" + std::to_string(number) + ")";
    return name;
}

// A plain file: no folder, and no junction or symbolic link, by its name and by its handle.
bool IsPlainFile(const std::string& path) {
    constexpr std::uint32_t kNotPlain =
        platform::file_attr::kDirectory | platform::file_attr::kReparsePoint;
    auto attributes = platform::FileAttributes(path);
    if (!attributes || (*attributes & kNotPlain))
        return false;
    auto info = platform::HeldEntry(path).Info();
    return info && !(info->attributes & kNotPlain);
}

// Removes a shortcut that may be read-only, hidden or a system file. A link of that name is
// left alone: removing it could act on its target (under Wine it does). The file is deleted
// through a handle of its own, never a target's. False when something is still there.
bool RemoveOldShortcut(const std::string& path) {
    if (!platform::PathExists(path))
        return true;
    if (!IsPlainFile(path))
        return false;
    platform::SetFileAttributesTo(path, platform::file_attr::kArchive);
    platform::FileForRenaming file = platform::FileForRenaming::Open(path);
    if (!file || !file.DeleteWhenClosed())
        return false;
    file.Close();
    return !platform::PathExists(path);
}

}  // namespace

std::string CreateShortcut(const ShortcutRequest& request) {
    std::string folder = platform::WithTrailingBackslash(request.folder);
    // Saving over something that stayed could write through a link.
    if (!request.name.empty() && !RemoveOldShortcut(folder + request.name + kLinkExtension))
        return std::string();
    platform::CreateFolderTree(folder);
    std::string name =
        request.name.empty() ? FreeShortcutName(folder, request.target) : request.name;
    std::string path = folder + name + kLinkExtension;

    platform::ShellLinkFields fields;
    fields.target = request.target;
    fields.arguments = request.arguments;
    fields.iconFile = request.iconFile;
    fields.iconIndex = request.iconIndex;
    fields.workingFolder = request.workingFolder;
    fields.hotKey = TextToShortCut(request.hotKeyText).value_or(0);
    return platform::SaveShellLink(path, fields) ? path : std::string();
}

void UpdateProgramShortcut(const std::string& folder, bool wanted, const std::string& programFile) {
    std::string path = folder + kProgramShortcutFile;
    bool present = platform::FileExists(path);
    if (wanted && !present) {
        ShortcutRequest request;
        request.folder = folder;
        request.name = "Tidewell";
        request.target = programFile;
        request.iconFile = programFile;
        request.workingFolder = platform::FolderOfPath(programFile);
        CreateShortcut(request);
    } else if (!wanted && present) {
        RemoveOldShortcut(path);
    }
}

ContextMenuHandler ContextMenuHandlerFor(const std::string& programFolder) {
    std::string folder = platform::WithTrailingBackslash(programFolder);
    ContextMenuHandler handler;
    if (platform::IsWow64() && platform::FileExists(folder + "NimboAction64.dll")) {
        handler.regsvr32 = platform::NativeSystemFolder() + "regsvr32.exe";
        handler.library = folder + "NimboAction64.dll";
        handler.native = true;
    } else if (platform::FileExists(folder + "NimboAction.dll")) {
        handler.regsvr32 = "regsvr32";
        handler.library = folder + "NimboAction.dll";
    }
    return handler;
}

bool ContextMenuHandlerRegistered(const ContextMenuHandler& handler) {
    return platform::RegistryKey::Open(
               RootKey::ClassesRoot, "*\\shellex\\ContextMenuHandlers\\Vanish",
               platform::reg_access::kRead,
               handler.native ? platform::RegistryView::Native : platform::RegistryView::Default)
        .IsOpen();
}

void UpdateToolbarButton(bool wanted, const std::string& programFolder) {
    bool present = RegistryKeyExists(RootKey::LocalMachine, kToolbarButtonKey);
    if (present && !wanted) {
        DeleteRegistryKey(RootKey::LocalMachine, kToolbarButtonKey);
        return;
    }
    if (present || !wanted)
        return;
    std::string icon = programFolder + "Tidewell.ico";
    std::string program = programFolder + "Tidewell.exe";
    const std::pair<const char*, std::string> values[] = {
        {"Default Visible", "Yes"},
        {"ButtonText", "Tidewell"},
        {"MenuText", "Tidewell"},
        {"MenuStatusBar", "Open Tidewell"},
        {"HotIcon", icon},
        {"Icon", icon},
        {"CLSID", "{1FBA04EE-3024-11d2-8F1F-0000F87ABD16}"},
        {"Path", program},
        {"Exec", program},
    };
    for (const auto& [name, data] : values)
        WriteRegistryValue(RootKey::LocalMachine, kToolbarButtonKey, "ftString", data, name);
}

void OpenSoftwareControlPanel() {
    platform::ShellExecuteOpen("control", "appwiz.cpl");
}
