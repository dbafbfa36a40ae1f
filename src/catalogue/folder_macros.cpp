#include "catalogue/folder_macros.h"

#include <array>

#include "catalogue/root_key_names.h"
#include "platform/paths.h"

namespace {

using K = ShellFolderKind;
using S = ShellFolderSource;

constexpr std::array<ShellFolderInfo, kShellFolderKindCount> kTable = {{
    {"[ftAdminTools]", S::UserShellFolders, "Administrative Tools", K::ftAdminTools,
     "Administrative Tools"},
    {"[ftAdministrativeTools]", S::UserShellFolders, "Administrative Tools",
     K::ftAdministrativeTools, "Administrative Tools"},
    {"[ftAppData]", S::UserShellFolders, "AppData", K::ftAppData, "Application Data"},
    {"[ftCache]", S::UserShellFolders, "Cache", K::ftCache, "Cache"},
    {"[ftCookies]", S::UserShellFolders, "Cookies", K::ftCookies, "Cookies"},
    {"[ftDesktop]", S::UserShellFolders, "Desktop", K::ftDesktop, "Desktop"},
    {"[ftFavorites]", S::UserShellFolders, "Favorites", K::ftFavorites, "Favorites"},
    {"[ftFonts]", S::UserShellFolders, "Fonts", K::ftFonts, "Fonts"},
    {"[ftHistory]", S::UserShellFolders, "History", K::ftHistory, "History"},
    {"[ftLocalAppData]", S::UserShellFolders, "Local AppData", K::ftLocalAppData,
     "Local Application Data"},
    {"[ftLocalSettings]", S::UserShellFolders, "Local Settings", K::ftLocalSettings,
     "Local Settings"},
    {"[ftMyPictures]", S::UserShellFolders, "My Pictures", K::ftMyPictures, "My Pictures"},
    {"[ftNetHood]", S::UserShellFolders, "NetHood", K::ftNetHood, "NetHood"},
    {"[ftPersonal]", S::UserShellFolders, "Personal", K::ftPersonal, "Personal"},
    {"[ftPrintHood]", S::UserShellFolders, "PrintHood", K::ftPrintHood, "PrintHood"},
    {"[ftPrograms]", S::UserShellFolders, "Programs", K::ftPrograms, "Programs"},
    {"[ftRecent]", S::UserShellFolders, "Recent", K::ftRecent, "Recent"},
    {"[ftSendTo]", S::UserShellFolders, "SendTo", K::ftSendTo, "SendTo"},
    {"[ftStartMenu]", S::UserShellFolders, "Start Menu", K::ftStartMenu, "Start Menu"},
    {"[ftStartup]", S::UserShellFolders, "Startup", K::ftStartup, "Startup"},
    {"[ftTemplates]", S::UserShellFolders, "Templates", K::ftTemplates, "Templates"},
    {"[ftCommonAppData]", S::CommonShellFolders, "Common AppData", K::ftAppData,
     "Common Application Data"},
    {"[ftCommonDesktop]", S::CommonShellFolders, "Common Desktop", K::ftDesktop, "Common Desktop"},
    {"[ftCommonPrograms]", S::CommonShellFolders, "Common Programs", K::ftPrograms,
     "Common Programs"},
    {"[ftCommonStartMenu]", S::CommonShellFolders, "Common Start Menu", K::ftStartMenu,
     "Common Start Menu"},
    {"[ftCommonStartup]", S::CommonShellFolders, "Common Startup", K::ftStartup, "Common Startup"},
    {"[ftProgramFiles]", S::ProgramFilesDir, "ProgramFilesDir", K::ftProgramFiles, "Program Files"},
    {"[ftSystem16]", S::None, "", K::ftSystem16, "System16"},
    {"[ftSystem32]", S::SystemDirectory, "", K::ftSystem32, "System32"},
    {"[ftWindows32]", S::WindowsDirectory, "", K::ftWindows32, "Windows32"},
}};

struct ProgramMacro {
    std::string_view macro;
    std::string_view value;  // empty: computed
};

constexpr ProgramMacro kProgramMacros[] = {
    {"[ProgramTarget]", ""},  // the long name of the local-machine root
    {"[ProgramTitle]", "Tidewell"},  {"[ProgramLabel]", "tidewell"},     {"[ProgramTag]", "tdw"},
    {"[ProgramVersion]", "2.4.3.1"}, {"[ProgramVersionNumber]", "2431"},
};

constexpr std::string_view kSystemRootMacro = "%SystemRoot%\\";

// Replaces the first occurrence (ignoring ASCII case) of `macro` in `result` by `value`.
void ReplaceFirst(std::string& result, std::string_view macro, const std::string& value) {
    std::size_t at = platform::LowerAscii(result).find(platform::LowerAscii(macro));
    if (at == std::string::npos)
        return;
    result.replace(at, macro.size(), value);
}

}  // namespace

const ShellFolderInfo& ShellFolderTable(ShellFolderKind kind) {
    return kTable[static_cast<std::size_t>(kind)];
}

std::string ExpandFolderMacrosWith(const std::string& text, const ShellFolderResolver& resolve) {
    const std::string lower = platform::LowerAscii(text);
    auto occurs = [&](std::string_view macro) {
        return lower.find(platform::LowerAscii(macro)) != std::string::npos;
    };
    std::string result = text;
    for (const ProgramMacro& m : kProgramMacros) {
        if (!occurs(m.macro))
            continue;
        std::string value =
            m.value.empty() ? RootKeyName(RootKey::LocalMachine) : std::string(m.value);
        ReplaceFirst(result, m.macro, value);
    }
    for (int i = 0; i < kShellFolderKindCount; ++i) {
        auto kind = static_cast<ShellFolderKind>(i);
        if (occurs(kTable[i].macro))
            ReplaceFirst(result, kTable[i].macro, resolve(kind));
    }
    if (occurs(kSystemRootMacro))
        ReplaceFirst(result, kSystemRootMacro, resolve(ShellFolderKind::ftWindows32));
    return result;
}

std::string ShellFolderWarningText(std::string_view displayName) {
    std::string text =
        "Warning!\r\n\r\nTidewell has detected a possible problem. However you will be able to "
        "run Tidewell at your own risk.\r\n\r\nThe \"";
    text += displayName;
    text += "\" Shell folder points to a Windows System folder.";
    text += "\r\n\r\n";
    text += "This Shell folder can be set in the Windows Registry under";
    text += "\r\n\r\n";
    text +=
        "\"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
        "Folders\"";
    text += "\r\n\r\n";
    text += "and";
    text += "\r\n\r\n";
    text +=
        "\"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell "
        "Folders\"";
    text += "\r\n\r\n";
    text += "Do NOT make changes to the Windows Registry if you are not an experienced user!";
    return text;
}
