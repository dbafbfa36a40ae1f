#pragma once
// The deferred wash of Internet Explorer's "index.dat" files, which Windows holds open while the
// user is logged on: the task file "nimboaction.tsk" beside the program lists them, and the
// RunOnce value "Nimbo Action" starts the runner "NimboAction.exe" at the next logon, which
// destroys them before they are opened. This half is the text: the task file and the start
// entry (no system calls).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kIndexDatTaskFileName = "nimboaction.tsk";
inline constexpr const char* kIndexDatTaskHeader = "[Nimbo Action tsk File]";
inline constexpr const char* kTaskRunnerFileName = "NimboAction.exe";
inline constexpr const char* kStartEntryKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* kStartEntryValue = "Nimbo Action";
inline constexpr const char* kIndexDatName = "index.dat";

// The lines of a task file: split at CR LF, LF or CR; UTF-8 byte order marks at the start of a
// line and blank lines dropped, nothing else changed.
std::vector<std::string> ParseTaskFile(std::string_view bytes);
// Every line followed by CR LF.
std::string FormatTaskFile(const std::vector<std::string>& lines);
// Removes the first header line, if any.
void RemoveTaskFileHeader(std::vector<std::string>& lines);
// Appends `path` unless a line already equals it, ignoring letter case; true when appended.
bool AddTaskLine(std::vector<std::string>& lines, const std::string& path);

// The RunOnce text for a program in `programFolder` (ending in a backslash):
// D + "NimboAction.exe" + ' "/t" "' + D + 'nimboaction.tsk"'.
std::string StartEntryText(const std::string& programFolder);
// The task file the runner's arguments name ("/t" then the path; "-t" and any letter case
// too), or nothing.
std::optional<std::string> TaskFileArgument(const std::vector<std::string>& args);

// The system half.

// Adds to `lines` the full path of every file named `name` (long name, any letter case) in
// `folder` (ending in a backslash) and, with `subfolders`, below it: subfolders first, depth
// first; links are not entered. Each path added counts one entry and its size in bytes.
void CollectNamedFiles(const std::string& folder, const std::string& name, std::uint64_t& bytes,
                       std::uint64_t& entries, std::vector<std::string>& lines, bool subfolders);
// The task file's lines; none when it does not exist.
std::vector<std::string> LoadTaskFile(const std::string& path);
bool SaveTaskFile(const std::string& path, const std::vector<std::string>& lines);
// Writes the start entry for the runner beside `programFolder` (wanted), or deletes it when it
// exists (not wanted). Failures are ignored: without write access to HKLM nothing is deferred.
void UpdateIndexDatStartEntry(bool wanted, const std::string& programFolder);
