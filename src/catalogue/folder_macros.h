#pragma once
// The folder and program macros of texts such as plug-in definitions ("[ftAppData]Opera\"),
// without the system calls: where a folder comes from is the caller's (see shell_folders.h).
#include <functional>
#include <string>
#include <string_view>

// The Windows folders the washers and the macros name, by their fixed numbers.
enum class ShellFolderKind : int {
    ftAdminTools,
    ftAdministrativeTools,
    ftAppData,
    ftCache,
    ftCookies,
    ftDesktop,
    ftFavorites,
    ftFonts,
    ftHistory,
    ftLocalAppData,
    ftLocalSettings,
    ftMyPictures,
    ftNetHood,
    ftPersonal,
    ftPrintHood,
    ftPrograms,
    ftRecent,
    ftSendTo,
    ftStartMenu,
    ftStartup,
    ftTemplates,
    ftCommonAppData,
    ftCommonDesktop,
    ftCommonPrograms,
    ftCommonStartMenu,
    ftCommonStartup,
    ftProgramFiles,
    ftSystem16,
    ftSystem32,
    ftWindows32,
};
constexpr int kShellFolderKindCount = 30;

// Where a folder's path comes from.
enum class ShellFolderSource {
    UserShellFolders,    // HKCU "Shell Folders", value ValueName
    CommonShellFolders,  // HKLM "Shell Folders", value ValueName; else the Fallback kind
    ProgramFilesDir,     // HKLM "Software\Microsoft\Windows\CurrentVersion", "ProgramFilesDir"
    None,                // never determined
    SystemDirectory,     // the Windows system directory
    WindowsDirectory,    // the Windows directory
};

struct ShellFolderInfo {
    std::string_view macro;  // "[ftAppData]"
    ShellFolderSource source;
    std::string_view valueName;    // registry value, where the source has one
    ShellFolderKind fallback;      // per-user counterpart of a common folder
    std::string_view displayName;  // for the misdirected-folder warning
};

const ShellFolderInfo& ShellFolderTable(ShellFolderKind kind);

// The path of a folder that cannot be determined: it exists nowhere, so washers find nothing.
inline constexpr std::string_view kNoSuchFolder = "DRIVE:\\NO_SUCH_FOLDER\\";
// The registry key of the per-user (HKCU) and common (HKLM) shell folders.
inline constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Gives the resolved path of a folder kind (with its trailing backslash).
using ShellFolderResolver = std::function<std::string(ShellFolderKind)>;

// Replaces the first occurrence of each macro, ignoring case: the program macros
// ("[ProgramTitle]", ...), the 30 folder macros, then "%SystemRoot%\" (the Windows folder).
// Which macros occur is decided on the text as given, so a folder path that itself holds a
// macro is not expanded again; a folder is resolved only when its macro occurs.
std::string ExpandFolderMacrosWith(const std::string& text, const ShellFolderResolver& resolve);

// The warning shown at start when the shell folder `displayName` points at a system folder.
std::string ShellFolderWarningText(std::string_view displayName);
