// The washers of user objects and plug-in objects over real files and keys in the Wine prefix.
#include <gtest/gtest.h>

#include "engine/plugin_objects.h"
#include "engine/user_objects.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "support/recording_views.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

using testing_support::RecordingWashView;
using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

namespace {

struct RecordingLog : ActivityLog {
    std::string text;
    void Write(std::string_view t) override { text += t; }
    void Flush() override {}
};

using WasherFn = void (*)(WashContext&, TWashListItem&, int);

struct Runner {
    RecordingWashView view;
    RecordingLog log;
    Catalogue catalogue;
    WasherTable table;
    WashContext ctx{catalogue, view, table};

    Runner() {
        ctx.Opts.LogActivities = true;
        ctx.Log = &log;
    }
    void Run(WasherFn washer, TWashListItem& item, bool testRun = false) {
        view.testLines.clear();
        view.questions.clear();
        log.text.clear();
        ctx.TestRunning = testRun;
        ctx.KeepWashing = true;
        ctx.StopRequested = false;
        ctx.Shred = ShredSettings{};
        ctx.Shred.WashMode = 2;  // zeros: a cleared file is overwritten, then cut to length 0
        washer(ctx, item, 0);
    }
    std::string Row() { return view.rowEntries[0]; }
};

std::unique_ptr<TWashListItem> UserItem(const std::string& folder, bool subfolders,
                                        const std::string& fileList, bool prompt = false) {
    TWashListUserItem user;
    user.Folder = folder;
    user.IncludeSubfolders = subfolders;
    user.FileList = fileList;
    user.PromptOnDelete = prompt;
    return MakeUserItem(std::move(user), "Mine", true);
}

std::unique_ptr<TWashListItem> PluginItem(std::vector<std::string> lines) {
    TWashListPluginItem plugin;
    plugin.Id = "wlitPlugin_Test";
    plugin.Lines = std::move(lines);
    return MakePluginItem(std::move(plugin), "Test Plugin", true);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The test-run lines that stand for an entry washed (not a refusal's plain line).
std::vector<std::string> WashedLines(const std::vector<std::string>& lines) {
    std::vector<std::string> washed;
    for (const std::string& line : lines)
        if (line.rfind("BLR ", 0) == 0 || line.rfind("DEL ", 0) == 0 || line.rfind("CLR ", 0) == 0)
            washed.push_back(line);
    return washed;
}

TEST(UserObject, WashesEveryMaskOfItsFolderAndItsSubfolders) {
    TempFolder t;
    const std::string a = t.AddFile("a.tmp", "aaaa");
    const std::string b = t.AddFile("sub\\b.log", "bb");
    const std::string keep = t.AddFile("sub\\keep.txt", "k");
    auto item =
        UserItem(platform::WithoutTrailingBackslash(t.Path()), true, "Temp^*.tmp|Logs^*.log|");
    Runner r;
    r.Run(WashUserObject, *item, true);  // a test run lists, changes nothing
    EXPECT_EQ(WashedLines(r.view.testLines).size(), 2u);
    EXPECT_TRUE(platform::FileExists(a) && platform::FileExists(b));
    r.Run(WashUserObject, *item);
    EXPECT_FALSE(platform::FileExists(a));
    EXPECT_FALSE(platform::FileExists(b));
    EXPECT_TRUE(platform::FileExists(keep));
    EXPECT_EQ(r.Row(), "2/0.01 Kb");
    EXPECT_TRUE(Contains(r.log.text, " Washing: User Object Mine {2/0.01 Kb}")) << r.log.text;
}

TEST(UserObject, AllAnswersForEveryMaskAndCancelLeavesTheRest) {
    TempFolder t;
    const std::string a = t.AddFile("a.tmp"), b = t.AddFile("b.log");
    auto item = UserItem(t.Path(), false, "Temp^*.tmp|Logs^*.log|", true);
    Runner r;
    r.view.answers = {ConfirmAnswer::Cancel};
    r.Run(WashUserObject, *item);
    EXPECT_EQ(r.view.questions.size(), 1u);
    EXPECT_TRUE(platform::FileExists(a) && platform::FileExists(b));
    r.view.answers = {ConfirmAnswer::All};
    r.Run(WashUserObject, *item);
    EXPECT_EQ(r.view.questions.size(), 1u) << "All covers the object's every mask";
    EXPECT_FALSE(platform::FileExists(a) || platform::FileExists(b));
}

TEST(UserObject, OnADriveRootWashesOnlyTheRootsOwnFilesAndNeverTakesEverything) {
    const std::string root = platform::WindowsFolder().substr(0, 3);  // "C:\"
    const std::string own = root + "tidewell_user_root.tdwtest";
    const std::string sub = root + "tidewell_user_root_sub\\";
    const std::string inner = sub + "inner.tdwtest";
    const std::string other = root + "tidewell_user_root_keep.txt";
    ASSERT_TRUE(platform::WriteWholeFile(own, "o"));
    ASSERT_TRUE(platform::CreateFolder(sub));
    ASSERT_TRUE(platform::WriteWholeFile(inner, "i"));
    ASSERT_TRUE(platform::WriteWholeFile(other, "k"));
    for (const std::string& folder : {root.substr(0, 2), root}) {  // "C:" and "C:\"
        ASSERT_TRUE(platform::WriteWholeFile(own, "o"));
        auto item = UserItem(folder, true, "Mine^*.tdwtest|Everything^*.*|");
        Runner r;
        r.Run(WashUserObject, *item);
        EXPECT_FALSE(platform::FileExists(own)) << folder;
        EXPECT_TRUE(platform::FileExists(inner)) << folder << ": a subfolder was entered";
        EXPECT_TRUE(platform::FileExists(other)) << folder << ": \"*.*\" ran over a drive root";
        EXPECT_TRUE(Contains(r.log.text, "Refused to wash")) << r.log.text;
        EXPECT_TRUE(Contains(r.log.text, "drive root")) << r.log.text;
    }
    platform::DeleteFileAt(inner);
    platform::DeleteFileAt(other);
    platform::RemoveFolderAt(sub);
}

TEST(UserObject, AFolderFromTheSettingsIsRefusedWhereTheSafetyRulesSay) {
    // A test run: even a fault here could not remove anything.
    auto windows = UserItem(platform::WindowsFolder(), true, "All^*.*|");
    Runner r;
    r.Run(WashUserObject, *windows, true);
    EXPECT_TRUE(WashedLines(r.view.testLines).empty()) << WashedLines(r.view.testLines).front();
    EXPECT_TRUE(Contains(r.log.text, "Refused to wash")) << r.log.text;
    EXPECT_EQ(r.Row(), "0/0 Kb");

    auto relative = UserItem("windows", false, "Logs^*.log|");
    r.Run(WashUserObject, *relative, true);
    EXPECT_TRUE(WashedLines(r.view.testLines).empty());
    EXPECT_TRUE(Contains(r.log.text, "not a full path")) << r.log.text;

    auto missing = UserItem("C:\\tidewell_no_such_folder", true, "All^*.*|");
    r.Run(WashUserObject, *missing);
    EXPECT_EQ(r.Row(), "0/0 Kb");
}

struct CookiesTree {
    TempFolder t;
    ScopedShellFolder cookies{"Cookies", t.Path()};
    std::vector<std::string> files = {t.AddFile("ann@site.txt", "cookie-one"),
                                      t.AddFile("deep\\er\\ann@other.txt", "cookie-two"),
                                      t.AddFile("index.dat", "index")};
};

TEST(PluginObject, AFilesLineWithSubfoldersClearsOrDestroysEveryCookieFile) {
    {
        CookiesTree tree;
        auto clear = PluginItem({"F||[ftCookies]||D|", "F|SI|[ftCookies]|*.*|C|"});
        Runner r;
        r.Run(WashPluginObject, *clear);
        EXPECT_TRUE(r.view.questions.empty()) << "plug-in objects never ask";
        for (const std::string& file : tree.files) {
            EXPECT_TRUE(platform::FileExists(file)) << file;
            EXPECT_EQ(platform::FileSize(file).value_or(99), 0u) << file;
        }
        EXPECT_EQ(r.Row().substr(0, 2), "3/");
        EXPECT_TRUE(Contains(r.log.text, " Washing: Plugin Data Test Plugin {3/")) << r.log.text;
    }
    {
        CookiesTree tree;
        auto destroy = PluginItem({"F||[ftCookies]||D|", "F|SI|[ftCookies]|*.*|D|"});
        Runner r;
        r.Run(WashPluginObject, *destroy);
        for (const std::string& file : tree.files)
            EXPECT_FALSE(platform::FileExists(file)) << file;
        EXPECT_TRUE(platform::FolderExists(tree.t.Path())) << "the folder itself stays";
    }
}

TEST(PluginObject, TheDetectionLineIsNotWashedAndAnUnresolvedMacroWashesNothing) {
    TempFolder t;
    const std::string literal = t.AddFile("[ftBogus]\\x.txt", "x");
    const std::string s0Target = t.AddFile("s0.txt", "s0");
    ScopedShellFolder noLocalSettings(RootKey::CurrentUser, "Local Settings", std::nullopt);
    auto item = PluginItem({"F||" + t.Path() + "|*.*|D|", "F||" + t.Path() + "[ftBogus]\\|*.*|D|",
                            "F|SI|[ftLocalSettings]Temp\\|*.*|D|", "F|SI|[ftNoSuchMacro]|*.*|D|"});
    Runner r;
    r.Run(WashPluginObject, *item);
    EXPECT_TRUE(platform::FileExists(s0Target)) << "line S0 only detects";
    EXPECT_TRUE(platform::FileExists(literal)) << "a macro's literal text was taken as a path";
    EXPECT_EQ(r.Row(), "0/0 Kb");
    EXPECT_TRUE(Contains(r.log.text, "Refused to wash \"" + t.Path() + "[ftBogus]\\\""))
        << r.log.text;
    EXPECT_TRUE(Contains(r.log.text, "could not be determined")) << r.log.text;
}

TEST(PluginObject, RegistryLinesDeleteOrClearAndLeaveTheRestOfTheirKey) {
    ScopedRegistryKey key;
    key.SetString("File1", "C:\\a.zip");
    key.SetString("File2", "C:\\b.zip", "Sub");
    key.SetString("Keep", "k");
    key.SetDword("Count", 7, "Other");
    const std::string path = key.Path() + "\\";
    auto item = PluginItem({"R||HKCU " + path + "||D|", "R|SI|HKCU " + path + "|File*|D|",
                            "R||HKCU " + path + "Other\\|*|C|", "R|SI|HKCU |*|D|"});
    Runner r;
    r.Run(WashPluginObject, *item);
    EXPECT_FALSE(key.HasValue("File1"));
    EXPECT_FALSE(key.HasValue("File2", "Sub"));
    EXPECT_TRUE(key.HasValue("Keep"));
    ASSERT_TRUE(key.HasValue("Count", "Other"));
    auto count = platform::RegistryKey::Open(RootKey::CurrentUser, key.Path() + "\\Other")
                     .Read("Count");  // cleared, not deleted
    EXPECT_TRUE(count && count->AsDword() == 0u);
    EXPECT_TRUE(Contains(r.log.text, "Refused to wash the whole of HKEY_CURRENT_USER"))
        << r.log.text;
}

TEST(PluginObject, ProtectedFoldersAreRefusedAndStopEndsTheObject) {
    auto item =
        PluginItem({"F||[ftWindows32]||D|", "F|SI|[ftWindows32]|*.*|D|", "F||[ftSystem32]|*.*|D|"});
    Runner r;
    r.Run(WashPluginObject, *item, true);  // a test run: a fault could not remove anything
    EXPECT_TRUE(WashedLines(r.view.testLines).empty()) << WashedLines(r.view.testLines).front();
    EXPECT_TRUE(Contains(r.log.text, "the Windows folder")) << r.log.text;

    TempFolder t;
    const std::string second = t.AddFile("b\\x.tmp");
    auto two = PluginItem({"F||" + t.Path() + "||D|", "F||" + t.Path() + "|*.tmp|D|",
                           "F||" + t.Path() + "b\\|*.tmp|D|"});
    t.AddFile("a.tmp");
    r.view.onProcessMessages = [&r] { r.ctx.StopRequested = true; };
    r.Run(WashPluginObject, *two);
    EXPECT_TRUE(platform::FileExists(second)) << "the line after Stop was washed";
}

TEST(PluginObject, DetectionFindsTheKeyOrFolderOfLineS0) {
    TempFolder t;
    ScopedRegistryKey key;
    EXPECT_TRUE(SchemaTargetExists(ParseSchemaLine("R||HKCU " + key.Path() + "\\||D|")));
    EXPECT_FALSE(SchemaTargetExists(ParseSchemaLine("R||HKCU " + key.Path() + "\\No\\||D|")));
    EXPECT_TRUE(SchemaTargetExists(ParseSchemaLine("F||" + t.Path() + "||D|")));
    EXPECT_FALSE(SchemaTargetExists(ParseSchemaLine("F||" + t.Path() + "none\\||D|")));
    EXPECT_FALSE(SchemaTargetExists(ParseSchemaLine("F||[ftNoSuchMacro]||D|")));
    EXPECT_FALSE(SchemaTargetExists(ParseSchemaLine("X||C:\\||D|")));
}

}  // namespace
