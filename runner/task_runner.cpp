#include "task_runner.h"

#include "catalogue/date_time.h"
#include "catalogue/settings.h"
#include "catalogue/settings_values.h"
#include "engine/contained_file.h"
#include "engine/deferred_wash.h"
#include "engine/wash_levels.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "tasks/activity_log.h"
#include "washers/ie_washers.h"

namespace {

struct RunnerSettings {
    ShredSettings shred;
    bool log = false;
};

RunnerSettings ReadSettings(const std::string& programFolder) {
    const std::string ini = programFolder + "tidewell.ini";
    const std::string section = CurrentUserSectionPrefix() + ".Options";
    int level = ParseSettingsInteger(platform::ReadIniString(ini, section, "WashBlurMode"))
                    .value_or(kDefaultWashLevel);
    if (level < 0 || level >= kWashLevelCount)
        level = kDefaultWashLevel;
    WashLevelSettings levelSettings = SettingsForWashLevel(level);
    RunnerSettings settings;
    settings.shred = {levelSettings.WashMode, levelSettings.WashStrength, true};
    settings.log =
        ParseSettingsBoolean(platform::ReadIniString(ini, section, "LogActivities"), false);
    return settings;
}

void WriteLog(const std::string& programFolder, const std::vector<std::string>& lines) {
    ActivityLogFile log(programFolder + "tidewell.log");
    log.Open();
    const std::string time = FormatClockTime(Now(), log.TimeSeparator());
    for (const std::string& line : lines)
        log.WriteLine(time + " NimboAction: " + line);
    log.Close();
}

}  // namespace

TaskRunResult RunTaskFile(const std::string& taskFile, const std::string& programFolder) {
    const RunnerSettings settings = ReadSettings(programFolder);
    const ContainedFolders folders(IEStoreFolders());
    std::vector<std::string> lines = LoadTaskFile(taskFile);
    RemoveTaskFileHeader(lines);
    TaskRunResult result;
    for (const std::string& line : lines) {
        // Anyone who can write the program folder can write this file: it destroys nothing
        // but Internet Explorer's own database files.
        if (!platform::EqualsIgnoreCase(platform::LastPathComponent(line), kIndexDatName)) {
            result.kept.push_back(line);
            result.logLines.push_back("Left alone " + line + ": it is not an index.dat file");
            continue;
        }
        std::string note;
        switch (ShredContainedFile(line, folders, settings.shred, note)) {
            case ContainedShred::Destroyed:
                ++result.destroyed;
                result.logLines.push_back("Destroyed " + line + (note.empty() ? "" : ": " + note));
                break;
            case ContainedShred::Missing:
                result.logLines.push_back("Nothing to do for " + line + ": it no longer exists");
                break;
            case ContainedShred::Refused:
                result.kept.push_back(line);
                result.logLines.push_back("Left alone " + line + ": " + note);
                break;
            case ContainedShred::Failed:
                result.kept.push_back(line);
                result.logLines.push_back("Could not remove " + line + ": " + note);
                break;
        }
    }
    if (!SaveTaskFile(taskFile, result.kept))
        result.logLines.push_back("Could not write " + taskFile);
    if (settings.log)
        WriteLog(programFolder, result.logLines);
    return result;
}
