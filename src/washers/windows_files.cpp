#include "washers/windows_files.h"

#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "washers/framed_washer.h"
#include "washers/washer_rules.h"

namespace {

using platform::RegistryKey;

std::string WindowsFolder() {
    return ResolveShellFolder(ShellFolderKind::ftWindows32);
}

// One WashFolder call that deletes files: the folder itself stays, nothing is asked.
void DeleteFiles(WashScope& scope, const std::string& folder, const std::string& mask,
                 const std::string& exclusions, bool includeSubfolders) {
    bool prompt = false;
    WashFolder(scope, folder, mask, exclusions, prompt, false, includeSubfolders, true);
}

// A folder of the Windows folder washed whole, its own subfolders too.
void DeleteWindowsSubfolderContents(WashScope& scope, const std::string& name) {
    DeleteFiles(scope, WindowsFolder() + name, "*.*", "", true);
}

void WashApplicationLogs(WashScope& scope) {
    DeleteWindowsSubfolderContents(scope, "AppLog\\");
}

void WashDownloadedInstallations(WashScope& scope) {
    DeleteWindowsSubfolderContents(scope, "Downloaded Installations\\");
}

void WashTemporaryFiles(WashScope& scope) {
    DeleteWindowsSubfolderContents(scope, "Temp\\");
}

void WashPrefetchFolder(WashScope& scope) {
    DeleteWindowsSubfolderContents(scope, "Prefetch\\");
}

void WashLogFiles(WashScope& scope) {
    const std::string windows = WindowsFolder();
    // Named masks in the Windows folder itself, never its subfolders.
    const struct {
        const char* mask;
        const char* spared;
    } steps[] = {
        {"*.log", "sti_trace.log\r\n"},
        {"*log*.txt", "schedlog.txt\r\n"},
        {"*log*.bak", ""},
    };
    for (const auto& step : steps) {
        if (!scope.KeepWashing())
            return;
        DeleteFiles(scope, windows, step.mask, step.spared, false);
    }
    // The logs of the 64-bit system folder, not of its 32-bit copy that Windows shows the
    // 32-bit program on 64-bit Windows in its place.
    if (scope.KeepWashing())
        DeleteFiles(scope, platform::NativeSystemFolder() + "wbem\\logs\\", "*.*", "", true);
}

// The ".tmp" files of the Windows folder itself; folders so named and subfolders stay.
void WashTmpFiles(WashScope& scope) {
    DeleteFiles(scope, WindowsFolder(), "*.tmp", "", false);
}

void WashClipboard(WashScope& scope) {
    scope.Report(WashActionKind::Blur, "Clipboard");
    if (!scope.Testing())
        platform::EmptyClipboardContents();
    // Nothing is counted: the row keeps 0/0.
}

// Windows' own settings, in the 64-bit view also for the 32-bit program on 64-bit Windows.
RegistryKey OpenMachineKey(const std::string& path) {
    return RegistryKey::Open(RootKey::LocalMachine, path, platform::reg_access::kQuerySetCreateEnum,
                             platform::RegistryView::Native);
}

const char kLastUserText[] = "Windows Last Logged On User";

// Empties a stored user name: reported, written empty and counted as one entry with the
// name's length, also when the name is already empty or missing (0 bytes then).
void ClearUserName(WashScope& scope, const std::string& keyPath, const std::string& valueName) {
    RegistryKey key = OpenMachineKey(keyPath);
    if (!key)
        return;
    std::optional<platform::RegistryValue> value = key.Read(valueName);
    const std::string name = value ? value->AsString() : std::string();
    const std::size_t length = platform::AnsiByteCount(platform::Utf8ToWide(name));
    if (scope.Testing()) {
        scope.Report(WashActionKind::Clear,
                     std::string(kLastUserText) + " \"" + name + "\" " + FormatSizeText(length));
    } else {
        scope.Report(WashActionKind::Clear, kLastUserText);
        if (!key.WriteString(valueName, ""))
            return;
    }
    scope.Count(length);
}

// Windows stops showing the last user name at logon.
void HideLastUserName(WashScope& scope) {
    RegistryKey key =
        OpenMachineKey("Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System");
    if (!key)
        return;
    scope.Report(WashActionKind::Clear, kLastUserText);
    if (!scope.Testing() && !key.WriteDword("DontDisplayLastUserName", 1))
        return;
    scope.Count(4);
}

void WashLastLoggedOnUser(WashScope& scope) {
    if (platform::CurrentPlatformId() != platform::PlatformId::WindowsNT) {
        ClearUserName(scope, "Network\\Logon", "Username");
        return;
    }
    ClearUserName(scope, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                  "DefaultUserName");
    if (scope.KeepWashing())
        HideLastUserName(scope);
}

// The size of a single file found by a search, nothing when there is none.
std::optional<std::uint64_t> FoundFileSize(const std::string& path) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(path))
        if (!entry.IsFolder())
            return entry.size;
    return std::nullopt;
}

// The swap file is not touched: Windows is asked to clear it at the next shutdown.
void WashSwapFile(WashScope& scope) {
    RegistryKey key =
        OpenMachineKey("System\\CurrentControlSet\\Control\\Session Manager\\Memory Management");
    if (!key)
        return;
    const std::string prepared = " prepared to be cleared on Windows shutdown";
    if (!scope.Testing())
        scope.Report(WashActionKind::Clear, "Windows Swap File" + prepared);
    const std::string path = SwapFilePath(WindowsFolder());
    std::optional<std::uint64_t> size = path.empty() ? std::nullopt : FoundFileSize(path);
    if (scope.Testing()) {
        scope.Report(WashActionKind::Clear, size ? "Windows Swap File \"" + path + "\"" + prepared +
                                                       " " + FormatSizeText(*size)
                                                 : "Windows Swap File" + prepared);
    } else if (!key.WriteDword("ClearPageFileAtShutdown", 1)) {
        return;  // Windows was not asked: nothing to count
    }
    scope.Count(size.value_or(0));
}

}  // namespace

void AddWindowsFileWashers(WasherTable& table) {
    const struct {
        TWashListItemType type;
        const char* title;
        void (*work)(WashScope&);
    } washers[] = {
        {wlitWin_Application_Logs, " Washing: Windows Application Logs", WashApplicationLogs},
        {wlitWin_Clipboard, " Washing: Windows Clipboard", WashClipboard},
        {wlitWin_Downloaded_Installations, " Washing: Windows Downloaded Installations",
         WashDownloadedInstallations},
        {wlitWin_Last_Logged_On_User, " Washing: Windows Last Logged On User",
         WashLastLoggedOnUser},
        {wlitWin_Log_Files, " Washing: Windows Log Files", WashLogFiles},
        {wlitWin_Swap_File, " Washing: Windows Swap File", WashSwapFile},
        {wlitWin_Temporary_Files, " Washing: Windows Temporary Files", WashTemporaryFiles},
        {wlitWin_Tmp_Files, " Washing: Windows Tmp Files", WashTmpFiles},
        {wlitWin_XP_Prefetch_Folder, " Washing: Windows XP Prefetch Folder", WashPrefetchFolder},
    };
    for (const auto& washer : washers)
        table.BuiltIn.at(washer.type) = FramedWasher(washer.title, washer.work);
}
