// The shipped plug-in library (tidewell_2431.dat, built from res/plugins): every entry reads,
// its detection line finds the software once the test plants it, and a wash of planted traces
// removes them through every line, under the Wine prefix's real folders.
#include <gtest/gtest.h>

#include <set>

#include "catalogue/plugin_objects.h"
#include "catalogue/table_db_file.h"
#include "engine/plugin_objects.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "support/recording_views.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"

namespace {

const std::string kShipped = TIDEWELL_TEST_PLUGIN_FILE;

std::vector<PluginObject> Library() {
    TiDbRecFile file;
    EXPECT_TRUE(LoadRecordFile(file, kShipped)) << kShipped;
    return PluginObjectsIn(file, 44);
}

// A name the mask takes: "thumbcache_*.db" -> "thumbcache_trace.db".
std::string NameFor(const std::string& mask) {
    std::string name;
    for (char c : mask)
        name += c == '*' ? std::string("trace") : c == '?' ? std::string("x") : std::string(1, c);
    return name == "trace.trace" ? "trace.txt" : name;
}

// A folder made for the test with its missing parents; the topmost one it made is removed.
class PlantedFolder {
  public:
    explicit PlantedFolder(const std::string& folder) {
        std::string path = platform::WithoutTrailingBackslash(folder);
        while (!path.empty() && !platform::FolderExists(path)) {
            top_ = path;
            path = platform::WithoutTrailingBackslash(platform::FolderOfPath(path));
        }
        platform::CreateFolderTree(folder);
    }
    ~PlantedFolder() {
        if (!top_.empty())
            testing_support::RemoveTreeForTests(top_ + "\\");
    }

  private:
    std::string top_;
};

// A key made for the test when it was missing, removed afterwards; a key Windows already has
// is left where it is.
class PlantedKey {
  public:
    PlantedKey(RootKey root, const std::string& path) {
        std::string key = platform::WithoutTrailingBackslash(path);
        if (!platform::RegistryKey::Open(root, key))
            made_ = std::make_unique<testing_support::ScopedRegistryKey>(root, key);
    }

  private:
    std::unique_ptr<testing_support::ScopedRegistryKey> made_;
};

TEST(PluginLibrary, EveryEntryReadsAsRegistryOrFilesLines) {
    const std::vector<PluginObject> library = Library();
    EXPECT_GE(library.size(), 20u);
    std::set<std::string> ids;
    for (const PluginObject& object : library) {
        SCOPED_TRACE(object.Plugin.Id);
        EXPECT_TRUE(ids.insert(object.Plugin.Id).second) << "two entries share an identifier";
        EXPECT_EQ(object.Plugin.Id.rfind("wlitPlugin_", 0), 0u);
        EXPECT_NE(object.DisplayName, object.Plugin.Id) << "no English name";
        ASSERT_GE(object.Plugin.Lines.size(), 2u) << "a detection line and at least one more";
        for (const std::string& line : object.Plugin.Lines) {
            TSchema s = ParseSchemaLine(line);
            EXPECT_TRUE(s.Kind == 1 || s.Kind == 2) << line;
            EXPECT_TRUE(s.Action == 1 || s.Action == 2) << line;
            if (s.Kind == 1) {
                EXPECT_NE(s.KeyPath.find('\\'), std::string::npos) << line;
                EXPECT_EQ(s.KeyPath.back(), '\\') << line;
            } else {
                EXPECT_FALSE(FolderMacroLeft(s.Folder)) << line << " -> " << s.Folder;
                EXPECT_TRUE(platform::IsAbsolutePath(s.Folder)) << line;
                EXPECT_EQ(s.Folder.back(), '\\') << line;
            }
            if (&line != &object.Plugin.Lines.front()) {
                EXPECT_FALSE(s.Mask.empty()) << line;
            }
        }
    }
}

TEST(PluginLibrary, EachDetectionLineFindsItsSoftwareWhereItIsPlanted) {
    for (const PluginObject& object : Library()) {
        SCOPED_TRACE(object.Plugin.Id);
        TSchema s0 = ParseSchemaLine(object.Plugin.Lines.front());
        if (s0.Kind == 1) {
            PlantedKey key(s0.Root, s0.KeyPath);
            EXPECT_TRUE(SchemaTargetExists(s0));
        } else {
            PlantedFolder folder(s0.Folder);
            EXPECT_TRUE(SchemaTargetExists(s0));
        }
    }
}

struct RecordingLog : ActivityLog {
    std::string text;
    void Write(std::string_view t) override { text += t; }
    void Flush() override {}
};

// Plants one trace for every washing line, washes the object, and checks each trace went.
TEST(PluginLibrary, AWashRemovesATracePlantedForEveryLine) {
    for (const PluginObject& object : Library()) {
        SCOPED_TRACE(object.Plugin.Id);
        std::vector<std::unique_ptr<PlantedFolder>> folders;
        std::vector<std::unique_ptr<PlantedKey>> keys;
        struct Trace {
            std::string line, path, value;
            RootKey root = RootKey::CurrentUser;
            bool cleared = false;
        };
        std::vector<Trace> traces;
        for (std::size_t n = 1; n < object.Plugin.Lines.size(); ++n) {
            const std::string& line = object.Plugin.Lines[n];
            TSchema s = ParseSchemaLine(line);
            Trace trace{line, "", "", s.Root, s.Action == 1};
            const std::string name = NameFor(s.Mask);
            if (s.Kind == 1) {
                keys.push_back(std::make_unique<PlantedKey>(s.Root, s.KeyPath));
                trace.path = platform::WithoutTrailingBackslash(s.KeyPath);
                trace.value = name;
                auto key = platform::RegistryKey::Create(s.Root, trace.path);
                ASSERT_TRUE(key && key.WriteString(name, "C:\\trace.txt")) << line;
            } else {
                folders.push_back(std::make_unique<PlantedFolder>(s.Folder));
                trace.path = s.Folder + name;
                ASSERT_TRUE(platform::WriteWholeFile(trace.path, "trace")) << line;
            }
            traces.push_back(trace);
        }
        auto item = MakePluginItem(object.Plugin, object.DisplayName, true);
        testing_support::RecordingWashView view;
        RecordingLog log;
        Catalogue catalogue;
        WasherTable table;
        WashContext ctx(catalogue, view, table);
        ctx.Opts.LogActivities = true;
        ctx.Log = &log;
        ctx.KeepWashing = true;
        WashPluginObject(ctx, *item, 0);
        EXPECT_EQ(log.text.find("Refused"), std::string::npos) << log.text;
        for (const Trace& trace : traces) {
            if (!trace.value.empty()) {
                auto key = platform::RegistryKey::Open(trace.root, trace.path);
                auto value = key ? key.Read(trace.value) : std::nullopt;
                EXPECT_TRUE(trace.cleared ? value && value->AsString().empty() : !value)
                    << trace.line;
            } else if (trace.cleared) {
                EXPECT_EQ(platform::FileSize(trace.path).value_or(1), 0u) << trace.line;
            } else {
                EXPECT_FALSE(platform::FileExists(trace.path)) << trace.line;
            }
        }
    }
}

}  // namespace
