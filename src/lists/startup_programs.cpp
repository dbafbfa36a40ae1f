#include "lists/startup_programs.h"

#include <algorithm>

#include "catalogue/root_key_names.h"
#include "platform/paths.h"

std::string StartupProgram::DisplayText() const {
    return name + " (" + platform::LowerAscii(command) + ")";
}

std::string StartupProgram::SourceText() const {
    if (source == Source::StartupFile)
        return path;
    return RootKeyName(root) + "\\" + keyPath + "@" + name;
}

void StartupProgramsList::Rebuild(const std::vector<StartupProgram>& programs) {
    lines_.clear();
    for (const StartupProgram& program : programs) {
        const std::string display = program.DisplayText();
        const std::string source = program.SourceText();
        bool listed = std::any_of(lines_.begin(), lines_.end(), [&](const StartupLine& line) {
            return platform::EqualsIgnoreCase(line.program.DisplayText(), display) &&
                   platform::EqualsIgnoreCase(line.program.SourceText(), source);
        });
        if (!listed)
            lines_.push_back(StartupLine{program, false});
    }
}

void StartupProgramsList::SetChecked(std::size_t index, bool checked) {
    if (index < lines_.size())
        lines_[index].checked = checked;
}

void StartupProgramsList::DeleteChecked(const ConfirmStartupRemoval& confirm,
                                        const RemoveStartupProgram& remove) {
    for (std::size_t index = lines_.size(); index-- > 0;) {
        if (index >= lines_.size() || !lines_[index].checked)
            continue;
        // A copy: the question waits for the user, and the window may rebuild the list meanwhile.
        const StartupProgram program = lines_[index].program;
        if (!confirm(program) || !remove(program))
            continue;
        const std::string source = program.SourceText();
        lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                    [&](const StartupLine& line) {
                                        return line.program.SourceText() == source;
                                    }),
                     lines_.end());
    }
}
