#pragma once
// The program entry's rules that need no window: the start-up flags, the first argument, and
// how the registered uninstall command splits into program, parameters and folder.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The process-wide start-up flags (one byte, 7 at start: bit 1 is IntroFlag, so the splash
// always shows; bit 5 is StartHidden), and whether the splash window exists now.
struct StartupFlags {
    static constexpr std::uint8_t kIntroFlag = 2;
    static constexpr std::uint8_t kStartHidden = 32;

    std::uint8_t Bits = 7;
    bool IntroExists = false;

    bool Intro() const { return (Bits & kIntroFlag) != 0; }
    bool StartHidden() const { return (Bits & kStartHidden) != 0; }
    void SetStartHidden(bool hidden) {
        Bits = static_cast<std::uint8_t>(hidden ? Bits | kStartHidden : Bits & ~kStartHidden);
    }
};

// The first argument, compared in lower case: "uninstall" or "/s"; anything else is ignored.
enum class StartCommand { None, Uninstall, StartHidden };
StartCommand FirstArgumentCommand(const std::vector<std::string>& arguments);

// The window class by which a second start finds the first, and what it posts there.
inline constexpr const wchar_t* kMainWindowClass = L"Tidewell";
constexpr unsigned kWmTidewellActivate = 0x1400;

// Where the registered uninstaller is: HKLM, this key, value "UninstallString".
inline constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tidewell";

struct UninstallCommand {
    std::string Program;
    std::string Parameters;
    std::string Folder;  // the program's folder, up to and including its last backslash
};
// Splits the "UninstallString" text. A quoted program ends at its closing quote and the
// parameters start after the blank that follows it; an unquoted program ends at the blank
// before the first double quote, where the parameters start. An unquoted text without a
// double quote is the program as a whole when `isFile` says that file exists, else the program
// ends at the first blank. Nothing for an empty text.
std::optional<UninstallCommand> SplitUninstallString(
    const std::string& text, const std::function<bool(const std::string&)>& isFile);
