#pragma once
// The text rules of the downloaded ActiveX components: the lines of the accepted list
// ("name=path"), what the ActiveX tab lists and which cache entries a wash spares, the INF
// files' uninstall section and the file kinds of a cache folder. No system calls.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One line of the ActiveX tab. The name is what the line shows; the path is the component's
// description or file, kept apart so that a name holding "=" never moves it.
struct ActiveXItem {
    std::string name;
    std::string path;
    bool checked = false;   // accepted: the wash keeps it
    bool disabled = false;  // a properly installed component: its mark cannot change

    // The line as the accepted list stores it; a unit whose download information cannot be
    // read has no path and stands as its bare name.
    std::string Line() const { return path.empty() ? name : name + "=" + path; }
};

// A distribution unit as the registry describes it.
struct DistributionUnit {
    std::string name;  // the subkey name, often the control's class id "{...}"
    bool hasDownloadInformation = false;
    std::string osd;  // its software description file, "" when none
    bool osdExists = false;
    std::string inf;  // its setup information file, "" when none
    bool infExists = false;
    std::string friendlyName;  // the class's default value under HKCR\CLSID, "" when none
};

// One entry of a cache folder (file or folder), "." "..", and "desktop.ini" left out.
struct CacheEntry {
    std::string name;
    std::string path;  // full path; a folder without a trailing backslash
};

// The name and the path of an accepted line. The "=" between them is the first that a drive
// or network path follows (a name may hold "="), else the first one.
std::string AcceptedLineName(std::string_view line);
std::string AcceptedLinePath(std::string_view line);

// Where a line stands in the list, letter case ignored; nothing when it is missing.
std::optional<std::size_t> FindAcceptedLine(const std::vector<std::string>& accepted,
                                            std::string_view line);
std::optional<std::size_t> FindAcceptedName(const std::vector<std::string>& accepted,
                                            std::string_view name);

// Whether a wash spares `path`: an accepted line names it, or names something inside it (a
// folder holding an accepted file is not washed whole). Letter case does not matter.
bool PathIsAccepted(const std::vector<std::string>& accepted, std::string_view path);

// Whether a unit's name has the shape of a class id: a "{" and after it a "}".
bool LooksLikeClassId(std::string_view name);

// The tab's lines: each unit with an existing description (checked and disabled), else with an
// existing setup file (shown by its friendly name when it has one), a unit whose download
// information cannot be read by its bare name; then each cache entry that no line names yet.
// Accepted entries of the same name follow the path found and check their lines.
std::vector<ActiveXItem> BuildActiveXItems(const std::vector<DistributionUnit>& units,
                                           const std::vector<CacheEntry>& cacheEntries,
                                           std::vector<std::string>& accepted);

// Whether an INF file's text has the section `section` ("[DefaultUninstall]"), letter case
// ignored. The text may be ANSI or UTF-16 (with its byte order mark), as setup files are.
bool InfHasSection(std::string_view text, std::string_view section);

// How the wash handles one entry of a cache folder, by its kind and its extension.
enum class CacheEntryKind { Folder, DesktopIni, Description, Library, SetupFile, Program, Other };
CacheEntryKind KindOfCacheEntry(std::string_view name, bool isFolder);

// The name of a module's key under ModuleUsage: Windows writes the path with "/" for "\",
// since a key name cannot hold a backslash.
std::string ModuleUsageKeyName(std::string_view libraryPath);

// The program and parameters that run an INF file's "DefaultUninstall" section: setupapi
// through rundll32 on the NT family, setupx through rundll on Windows 9x.
struct ProgramCall {
    std::string program;
    std::string parameters;
};
ProgramCall InfUninstallCall(bool windowsNT, const std::string& shortInfPath);
// "regsvr32 /u /s" with the library in double quotes.
ProgramCall UnregisterCall(const std::string& libraryPath);
