#pragma once
// The activity log "tidewell.log" beside the program: held open for appending from the end of
// LoadSettings to the end of SaveSettings, written through a buffer that is flushed after
// each washed object and when the file closes. Lines end in CR LF; a new file starts with a
// UTF-8 byte order mark, so names outside the ANSI code page show as they are. Nothing here
// ever stops the program: a log that cannot be opened takes the writes and drops them.
#include <string>
#include <string_view>

#include "engine/activity_log.h"
#include "platform/append_file.h"

class ActivityLogFile : public ActivityLog {
  public:
    explicit ActivityLogFile(std::string path = "") : path_(std::move(path)) {}
    ~ActivityLogFile() override { Close(); }

    void SetPath(std::string path) { path_ = std::move(path); }
    const std::string& Path() const { return path_; }

    // Opens for appending, creating the file when it is missing.
    void Open();
    // Flushes and closes.
    void Close();
    bool IsOpen() const { return file_.IsOpen(); }

    void Write(std::string_view text) override;
    void WriteLine(std::string_view text);
    void Flush() override;
    std::string TimeSeparator() const override;

  private:
    std::string path_;
    platform::AppendFile file_;
    std::string buffer_;
};

// LoadSettings' last steps: open the log and write the start line.
void OpenActivityLogAtStart(ActivityLogFile& log);
// SaveSettings' last step: the close line and an empty line; flush and close.
void CloseActivityLogAtEnd(ActivityLogFile& log);

// The "Show Log" button: close the log, open it with the program for ".txt" files (without
// waiting), open it again; a log that had disappeared starts anew with the "Started" line.
// Does nothing during a wash.
void ShowLogBtnClick(ActivityLogFile& log, bool washing);
// The "Clear Log" button: delete the file and start it again with the restart line. Does
// nothing during a wash.
void ClearLogBtnClick(ActivityLogFile& log, bool washing);

// Opens a document with the program the system associates with `extension` ("txt" or
// ".txt"); true when the program was started.
bool OpenWithAssociatedProgram(const std::string& extension, const std::string& document);
