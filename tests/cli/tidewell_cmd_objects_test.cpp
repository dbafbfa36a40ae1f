// TidewellCmd.exe with plug-in and user objects: they are listed by the identifiers --only
// takes, and washed through it.
#include <gtest/gtest.h>

#include "catalogue/record_file.h"
#include "catalogue/settings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "support/child_process.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ChildProcessResult;
using testing_support::TempFolder;

// TidewellCmd.exe copied into a folder of its own with a plug-in file and a tidewell.ini.
class CmdFolder {
  public:
    CmdFolder(const std::vector<TiDbRecord>& plugins, const std::string& ini) {
        std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
        drive = drive.empty() ? "T:\\" : platform::WithTrailingBackslash(drive);
        exe_ = folder_.AddFile("TidewellCmd.exe",
                               platform::ReadWholeFile(drive + "TidewellCmd.exe").value_or(""));
        folder_.AddFile("tidewell_2431.dat", WriteRecordFile(plugins, true));
        folder_.AddFile("tidewell.ini", ini);
    }
    ChildProcessResult Run(const std::string& args) const {
        return testing_support::RunChildProcess("\"" + exe_ + "\" " + args);
    }

  private:
    TempFolder folder_;
    std::string exe_;
};

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(TidewellCmdObjects, PluginAndUserObjectsAreListedAndWashedByTheirIdentifiers) {
    testing_support::ScopedRegistryKey key;
    key.SetString("File1", "C:\\a.zip");
    key.SetString("Keep", "k");
    TempFolder scratch;
    const std::string tmp = scratch.AddFile("one.tmp", "12345");
    const std::string txt = scratch.AddFile("two.txt", "keep");
    const std::string path = "HKCU " + key.Path() + "\\";
    CmdFolder program(
        {{"wlitPlugin_Test|1",
          "DisplayName_44=Test Plugin\r\nS0=R||" + path + "||D|\r\nS1=R||" + path + "|File*|D|"},
         {"wlitPlugin_Hidden|1 disabled",
          "DisplayName_44=Hidden Plugin\r\nS0=R||" + path + "||D|\r\nS1=R||" + path + "|*|D|"}},
        "[Objects]\r\nCount=1\r\n[Object_1]\r\nDisplayName=Scratch\r\nSelected=0\r\nFolder=" +
            platform::WithoutTrailingBackslash(scratch.Path()) +
            "\r\nFileList=Temporary^*.tmp|\r\nPromptOnDelete=0\r\n");

    ChildProcessResult list = program.Run("list");
    ASSERT_EQ(list.exitCode, 0u) << list.errors;
    EXPECT_TRUE(Has(list.output, "wlitPlugin_Test")) << list.output;
    EXPECT_TRUE(Has(list.output, "Test Plugin"));
    EXPECT_FALSE(Has(list.output, "Hidden")) << "a disabled record is no object";
    EXPECT_TRUE(Has(list.output, "user:1"));

    ChildProcessResult wash = program.Run("wash --yes --only wlitPlugin_Test,user:1");
    ASSERT_EQ(wash.exitCode, 0u) << wash.errors << wash.output;
    EXPECT_FALSE(key.HasValue("File1"));
    EXPECT_TRUE(key.HasValue("Keep"));
    EXPECT_FALSE(platform::FileExists(tmp));
    EXPECT_TRUE(platform::FileExists(txt));
    EXPECT_TRUE(Has(wash.output, "Washing: Plugin Data Test Plugin {1/")) << wash.output;
    EXPECT_TRUE(Has(wash.output, "Washing: User Object Scratch {1/")) << wash.output;
}

}  // namespace
