// The activity log file and its buttons, under Wine's real files, registry and shell.
#include "tasks/activity_log.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"

using testing_support::ScopedRegistryKey;
using testing_support::TempFolder;

namespace {

const std::string kMark = "\xEF\xBB\xBF";
const char* kStamp = "\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d";

std::string Contents(const std::string& path) {
    return platform::ReadWholeFile(path).value_or("<none>");
}

bool Matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
}

// Waits for the file to go (a program started by the shell runs on its own).
bool GoneWithin(const std::string& path, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (!platform::FileExists(path))
            return true;
        Sleep(50);
    }
    return !platform::FileExists(path);
}

// Registers a file type whose open command is `command`, and points `extension` at it; the
// extension's old default value is put back afterwards.
class ScopedFileType {
  public:
    ScopedFileType(const std::string& extension, const std::string& command)
        : extension_(extension), type_(RootKey::ClassesRoot, "TidewellTest.Type") {
        type_.SetString("", command, "Shell\\Open\\Command");
        auto key = platform::RegistryKey::Create(RootKey::ClassesRoot, extension_,
                                                 platform::reg_access::kAllAccess);
        if (auto old = key.Read(""))
            previous_ = old->AsString();
        key.WriteString("", "TidewellTest.Type");
    }
    ~ScopedFileType() {
        auto key = platform::RegistryKey::Open(RootKey::ClassesRoot, extension_,
                                               platform::reg_access::kAllAccess);
        if (previous_.empty())
            key.DeleteValue("");
        else
            key.WriteString("", previous_);
    }

  private:
    std::string extension_;
    ScopedRegistryKey type_;
    std::string previous_;
};

std::string Cmd() {
    return platform::SystemFolder() + "cmd.exe";
}

}  // namespace

TEST(ActivityLog, StartAndCloseLinesAreWrittenWhateverTheOption) {
    TempFolder folder;
    ActivityLogFile log(folder.Path() + "tidewell.log");
    OpenActivityLogAtStart(log);
    EXPECT_TRUE(log.IsOpen());
    log.Write("10:00:00 Washing: IE History");
    log.Write(" {3/1 Kb}\r\n");
    log.Flush();
    CloseActivityLogAtEnd(log);
    EXPECT_FALSE(log.IsOpen());
    OpenActivityLogAtStart(log);  // a second start appends
    CloseActivityLogAtEnd(log);

    std::string start =
        std::string("\\*\\*\\*\\* Tidewell started at ") + kStamp + " \\*\\*\\*\\*\r\n";
    std::string close =
        std::string("\\*\\*\\*\\* Tidewell closed at ") + kStamp + " \\*\\*\\*\\*\r\n\r\n";
    EXPECT_TRUE(Matches(
        Contents(log.Path()),
        kMark + start + "10:00:00 Washing: IE History \\{3/1 Kb\\}\r\n" + close + start + close))
        << Contents(log.Path());
}

TEST(ActivityLog, WritesOfALogThatCouldNotOpenAreDropped) {
    ActivityLogFile log("Q:\\no\\such\\folder\\tidewell.log");
    OpenActivityLogAtStart(log);
    EXPECT_FALSE(log.IsOpen());
    log.Write("x");
    CloseActivityLogAtEnd(log);
}

TEST(ActivityLog, ClearLogLeavesOnlyTheRestartLine) {
    TempFolder folder;
    ActivityLogFile log(folder.Path() + "tidewell.log");
    OpenActivityLogAtStart(log);
    log.Write("pending text");
    ClearLogBtnClick(log, true);  // ignored during a wash
    EXPECT_NE(Contents(log.Path()).find("started"), std::string::npos);
    ClearLogBtnClick(log, false);
    log.Close();
    EXPECT_TRUE(Matches(Contents(log.Path()), kMark + "\\*\\*\\*\\* Tidewell restarted at " +
                                                  kStamp + " \\*\\*\\*\\*\r\n"))
        << Contents(log.Path());
}

TEST(ActivityLog, ShowLogStartsAnewWhenTheFileVanished) {
    TempFolder folder;
    ScopedFileType txt(".txt", "\"" + Cmd() + "\" /c rem %1");
    ActivityLogFile log(folder.Path() + "tidewell.log");
    OpenActivityLogAtStart(log);
    ASSERT_TRUE(platform::DeleteFileAt(log.Path()));  // removed from outside while open
    ShowLogBtnClick(log, false);
    EXPECT_TRUE(log.IsOpen());
    log.Close();
    EXPECT_TRUE(Matches(Contents(log.Path()),
                        kMark + "\\*\\*\\*\\* Tidewell Started at " + kStamp + " \\*\\*\\*\\*\r\n"))
        << Contents(log.Path());

    // With the file there, Show Log only reopens it.
    OpenActivityLogAtStart(log);
    ShowLogBtnClick(log, false);
    log.Close();
    EXPECT_EQ(Contents(log.Path()).find("Started", 60), std::string::npos);
}

TEST(ActivityLog, OpenWithAssociatedProgramStartsTheRegisteredCommand) {
    TempFolder folder;
    std::string document = folder.AddFile("victim.twtest", "x");
    {
        // The command deletes the document it is given: proof that it ran with it.
        ScopedFileType type(".twtest", "\"" + Cmd() + "\" /c del /q \"%1\"");
        EXPECT_TRUE(OpenWithAssociatedProgram("twtest", document));
        EXPECT_TRUE(GoneWithin(document, 10000));
    }
    EXPECT_FALSE(OpenWithAssociatedProgram(".tidewell-unknown", folder.Path() + "a.txt"));
}
