#include "tasks/activity_log.h"

#include <cctype>

#include "catalogue/shell_folders.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell_execute.h"
#include "tasks/log_lines.h"
#include "tasks/open_command.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

DateTimeSeparators LocaleSeparators() {
    return {platform::LocaleDateSeparator(), platform::LocaleTimeSeparator()};
}

void WriteAndFlush(ActivityLogFile& log, const std::string& line) {
    log.WriteLine(line);
    log.Flush();
}

std::string DefaultValue(const std::string& key) {
    platform::RegistryKey opened = platform::RegistryKey::Open(RootKey::ClassesRoot, key);
    auto value = opened ? opened.Read("") : std::nullopt;
    return value ? value->AsString() : std::string();
}

}  // namespace

void ActivityLogFile::Open() {
    Close();
    file_ = platform::AppendFile::Open(path_);
    if (file_.IsOpen() && file_.WasEmpty())
        file_.Append(kUtf8Mark);
}

void ActivityLogFile::Close() {
    Flush();
    file_.Close();
}

void ActivityLogFile::Write(std::string_view text) {
    if (file_.IsOpen())
        buffer_ += text;
}

void ActivityLogFile::WriteLine(std::string_view text) {
    Write(text);
    Write("\r\n");
}

void ActivityLogFile::Flush() {
    if (!buffer_.empty())
        file_.Append(buffer_);
    buffer_.clear();
}

std::string ActivityLogFile::TimeSeparator() const {
    return platform::LocaleTimeSeparator();
}

void OpenActivityLogAtStart(ActivityLogFile& log) {
    log.Open();
    WriteAndFlush(log, LogStartLine(Now(), LocaleSeparators()));
}

void CloseActivityLogAtEnd(ActivityLogFile& log) {
    log.WriteLine(LogCloseLine(Now(), LocaleSeparators()));
    log.WriteLine("");
    log.Close();
}

void ShowLogBtnClick(ActivityLogFile& log, bool washing) {
    if (washing)
        return;
    log.Close();
    OpenWithAssociatedProgram("txt", log.Path());
    bool vanished = !platform::FileExists(log.Path());
    log.Open();
    if (vanished)
        WriteAndFlush(log, LogStartedAnewLine(Now(), LocaleSeparators()));
}

void ClearLogBtnClick(ActivityLogFile& log, bool washing) {
    if (washing)
        return;
    log.Close();
    if (platform::FileExists(log.Path()))
        platform::DeleteFileAt(log.Path());
    log.Open();
    WriteAndFlush(log, LogRestartLine(Now(), LocaleSeparators()));
}

bool OpenWithAssociatedProgram(const std::string& extension, const std::string& document) {
    std::string key = extension.empty() || extension[0] != '.' ? "." + extension : extension;
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string fileType = DefaultValue(key);
    std::string command;
    if (!fileType.empty())
        command = DefaultValue(fileType + "\\Shell\\Open\\Command");
    auto start = CommandForDocument(ExpandFolderMacros(command), document);
    return start && platform::ShellExecuteOpen(start->program, start->parameters);
}
