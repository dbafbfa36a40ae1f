// Firefox, Netscape and Opera against real profile trees in sandbox application data folders.
#include <gtest/gtest.h>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

// The two application data folders pointed at fresh sandbox folders.
struct AppDataSandbox {
    TempFolder roaming, local;
    ScopedShellFolder roamingShell{"AppData", roaming.Path()};
    ScopedShellFolder localShell{"Local AppData", local.Path()};

    std::string State() const { return FolderState(roaming.Path()) + FolderState(local.Path()); }
};

std::optional<std::uint64_t> Size(const std::string& path) {
    return platform::FileSize(path);
}

const char kFirefox[] = "Mozilla\\Firefox\\Profiles\\";

}  // namespace

TEST(Firefox, WashesTheProfilesOfBothFoldersLocalAppDataFirstAndKeepsTheFiles) {
    AppDataSandbox sandbox;
    const std::string local = sandbox.local.AddFolder(std::string(kFirefox) + "l0cal.default");
    const std::string roaming = sandbox.roaming.AddFolder(std::string(kFirefox) + "r0am.default");
    const std::pair<TWashListItemType, const char*> files[] = {
        {wlitFirefox_Visited_Typed_Urls, "localstore.rdf"},
        {wlitFirefox_History, "history.dat"},
        {wlitFirefox_Cookies, "cookies.txt"},
        {wlitFirefox_AutoComplete_Data, "formhistory.dat"},
        {wlitFirefox_Preferences, "prefs.js"},
        {wlitFirefox_Bookmarks, "bookmarks.html"},
    };
    for (const auto& [type, name] : files) {
        SCOPED_TRACE(name);
        sandbox.local.AddFile(std::string(kFirefox) + "l0cal.default\\" + name, "local data");
        sandbox.roaming.AddFile(std::string(kFirefox) + "r0am.default\\" + name, "roaming");
        sandbox.roaming.AddFile(std::string(kFirefox) + "r0am.default\\keep.txt", "kept");
        WasherRunner runner;
        runner.shred.WashMode = 2;  // clearing overwrites and cuts to length 0
        TwoRuns runs = TestThenWash(runner, type, [&] { return sandbox.State(); });
        EXPECT_EQ(runs.test.lines, (Lines{"BLR " + local + name + " " + FormatSizeText(10),
                                          "BLR " + roaming + name + " " + FormatSizeText(7)}));
        EXPECT_EQ(runs.real.count, 2u);
        EXPECT_EQ(Size(local + name), std::optional<std::uint64_t>(0));
        EXPECT_EQ(Size(roaming + name), std::optional<std::uint64_t>(0));
        EXPECT_EQ(Size(roaming + "keep.txt"), std::optional<std::uint64_t>(4));
    }
}

TEST(Firefox, CacheIsEmptiedWhereAProfileHasOneAndTheFolderStays) {
    AppDataSandbox sandbox;
    const std::string profile = std::string(kFirefox) + "abc.default\\";
    sandbox.roaming.AddFile(profile + "Cache\\_CACHE_MAP_", "map");
    sandbox.roaming.AddFile(profile + "Cache\\0\\A1\\entry", "deep");
    sandbox.roaming.AddFile(profile + "cookies.txt", "stays");
    sandbox.roaming.AddFolder(std::string(kFirefox) + "nocache.default");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitFirefox_Cache, [&] { return sandbox.State(); });
    EXPECT_EQ(runs.real.count, 1u);  // "*.*" in the cache folder only, no subfolders
    EXPECT_FALSE(sandbox.roaming.Exists(profile + "Cache\\_CACHE_MAP_"));
    EXPECT_TRUE(sandbox.roaming.Exists(profile + "Cache\\0\\A1\\entry"));
    EXPECT_TRUE(sandbox.roaming.Exists(profile + "Cache"));
    EXPECT_TRUE(sandbox.roaming.Exists(profile + "cookies.txt"));
}

TEST(Firefox, NoProfileFolderWashesNothingAndStillLogsTheLine) {
    AppDataSandbox sandbox;
    sandbox.roaming.AddFile("Mozilla\\Firefox\\cookies.txt");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitFirefox_Cookies, [&] { return sandbox.State(); });
    EXPECT_EQ(runs.real.count, 0u);
    EXPECT_EQ(runs.real.log.substr(8), " Washing: Firefox Cookies {0/0 Kb}\r\n");
}

// The downloads list names files by address: a percent-encoded one is found, one that is gone
// is not counted, and the list is cleared, not deleted.
TEST(FirefoxDownloads, RemovesTheListedFileThatExistsCountsItAndClearsTheList) {
    AppDataSandbox sandbox;
    TempFolder downloads;
    const std::string file = downloads.AddFile("my report (1).pdf", "0123456789");
    std::string encoded = "file:///" + file;
    for (char& c : encoded)
        if (c == '\\')
            c = '/';
    encoded.replace(encoded.find("my report (1).pdf"), 17, "my%20report%20%281%29.pdf");
    const std::string gone = "file:///" + downloads.Path() + "gone.zip";
    const std::string rdf =
        "<?xml version=\"1.0\"?>\r\n"
        "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\">\r\n"
        "  <RDF:Description RDF:about=\"rdf:#$1\">\r\n"
        "    <NC:File RDF:resource=\"" +
        encoded +
        "\"/>\r\n"
        "    <NC:URL RDF:resource=\"http://example.com/report.pdf\"/>\r\n"
        "  </RDF:Description>\r\n"
        "    <NC:File RDF:resource=\"" +
        gone +
        "\"/>\r\n"
        "</RDF:RDF>\r\n";
    const std::string list =
        sandbox.roaming.AddFile(std::string(kFirefox) + "abc.default\\downloads.rdf", rdf);
    WasherRunner runner;
    runner.shred.WashMode = 2;
    TwoRuns runs = TestThenWash(runner, wlitFirefox_Downloaded_Files,
                                [&] { return sandbox.State() + FolderState(downloads.Path()); });
    EXPECT_EQ(runs.test.lines, (Lines{"BLR " + file + " " + FormatSizeText(10),
                                      "BLR " + list + " " + FormatSizeText(rdf.size())}));
    EXPECT_EQ(runs.real.count, 2u);  // the file and the cleared list
    EXPECT_FALSE(platform::PathExists(file));
    EXPECT_EQ(Size(list), std::optional<std::uint64_t>(0));
    EXPECT_EQ(runs.real.log.substr(8),
              " Washing: Firefox Downloads {2/" + FormatSizeText(10 + rdf.size()) + "}\r\n");
}

// What a downloads list names is never a folder to empty nor a protected place.
TEST(FirefoxDownloads, NeverWashesAFolderNorAFileInAProtectedFolder) {
    AppDataSandbox sandbox;
    TempFolder downloads;
    const std::string folder = downloads.AddFolder("whole folder");
    downloads.AddFile("whole folder\\inside.txt", "stays");
    ScopedFiles windowsFiles;
    const std::string windowsFile =
        windowsFiles.AddFile(platform::WindowsFolder() + "tidewell-download.exe", "system");
    auto address = [](std::string path) {
        for (char& c : path)
            if (c == '\\')
                c = '/';
        return "file:///" + path;
    };
    const std::string rdf = "<NC:File RDF:resource=\"" +
                            address(platform::WithoutTrailingBackslash(folder)) +
                            "\"/>\n<NC:File RDF:resource=\"" + address(windowsFile) +
                            "\"/>\n<NC:File RDF:resource=\"" + address(downloads.Path()) +
                            "..\"/>\n" + "<NC:File RDF:resource=\"http://example.com/x\"/>\n";
    sandbox.roaming.AddFile(std::string(kFirefox) + "abc.default\\downloads.rdf", rdf);
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitFirefox_Downloaded_Files, [&] {
        return FolderState(downloads.Path()) + PathsState({windowsFile});
    });
    EXPECT_EQ(runs.real.count, 1u);  // only the list itself
    EXPECT_TRUE(downloads.Exists("whole folder\\inside.txt"));
    EXPECT_TRUE(platform::FileExists(windowsFile));
    EXPECT_NE(runs.real.log.find("Left alone " + platform::WithoutTrailingBackslash(folder) +
                                 " named by downloads.rdf: it is a folder"),
              std::string::npos)
        << runs.real.log;
    EXPECT_NE(runs.real.log.find("Left alone " + windowsFile +
                                 " named by downloads.rdf: it lies in the Windows folder"),
              std::string::npos)
        << runs.real.log;
    EXPECT_NE(runs.real.log.find("not a local file address"), std::string::npos);
}

TEST(FirefoxDownloads, ADamagedOrBinaryListWashesNothingButTheListItself) {
    AppDataSandbox sandbox;
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7);
    binary += "<nc:file rdf:resource=\"file:///C:/";  // cut off
    const std::string list =
        sandbox.roaming.AddFile(std::string(kFirefox) + "abc.default\\downloads.rdf", binary);
    WasherRunner runner;
    TwoRuns runs =
        TestThenWash(runner, wlitFirefox_Downloaded_Files, [&] { return sandbox.State(); });
    EXPECT_EQ(runs.real.count, 1u);
    EXPECT_EQ(runs.test.lines, Lines{"BLR " + list + " " + FormatSizeText(binary.size())});
}

TEST(Netscape, FindsTheSaltedProfileTwoLevelsDownButNoDeeper) {
    AppDataSandbox sandbox;
    const std::string salted = "Mozilla\\Profiles\\default\\x1y2z3.slt\\";
    sandbox.roaming.AddFile(salted + "localstore.rdf", "moz");
    sandbox.roaming.AddFile(salted + "history.dat", "moz");
    sandbox.roaming.AddFile(salted + "deeper\\localstore.rdf", "too deep");
    sandbox.roaming.AddFile("Mozilla\\Profiles\\default\\localstore.rdf", "user level");
    const std::string own = "Netscape\\NSAE\\Profiles\\Default\\";
    sandbox.roaming.AddFile(own + "history.dat", "nsae");
    sandbox.roaming.AddFile(own + "localstore.rdf", "not for this family");
    WasherRunner runner;
    runner.shred.WashMode = 2;
    TwoRuns runs =
        TestThenWash(runner, wlitNetscape_Visited_Typed_Urls, [&] { return sandbox.State(); });
    const std::string& root = sandbox.roaming.Path();
    EXPECT_EQ(runs.test.lines,
              (Lines{"BLR " + root + salted + "localstore.rdf " + FormatSizeText(3),
                     "BLR " + root + own + "history.dat " + FormatSizeText(4)}));
    EXPECT_EQ(Size(root + salted + "deeper\\localstore.rdf"), std::optional<std::uint64_t>(8));
    EXPECT_EQ(Size(root + "Mozilla\\Profiles\\default\\localstore.rdf"),
              std::optional<std::uint64_t>(10));
    EXPECT_EQ(Size(root + own + "localstore.rdf"), std::optional<std::uint64_t>(19));
    EXPECT_EQ(runs.real.log.substr(8),
              " Washing: Netscape Visited Typed Urls {2/" + FormatSizeText(7) + "}\r\n");

    TwoRuns history = TestThenWash(runner, wlitNetscape_History, [&] { return sandbox.State(); });
    EXPECT_EQ(history.real.count, 2u);  // both families
    EXPECT_EQ(Size(root + salted + "history.dat"), std::optional<std::uint64_t>(0));
}

TEST(Opera, AVersionFolderWithoutCache4IsSkippedForEveryObject) {
    AppDataSandbox sandbox;
    const std::string data = "Opera\\Opera7\\profile\\";
    const std::string stale = "Opera\\Opera6\\profile\\";
    const std::pair<TWashListItemType, Lines> objects[] = {
        {wlitOpera_Visited_Typed_Urls, {"opera.dir", "vlink4.dat"}},
        {wlitOpera_History, {"global.dat"}},
        {wlitOpera_Cookies, {"cookies4.dat"}},
        {wlitOpera_Preferences, {"adprefs.ini"}},
        {wlitOpera_Bookmarks, {"opera6.adr"}},
    };
    for (const auto& [type, names] : objects)
        for (const std::string& name : names) {
            sandbox.roaming.AddFile(data + name, "opera data");
            sandbox.roaming.AddFile(stale + name, "stale data");
        }
    sandbox.roaming.AddFile(data + "cache4\\opr0001.tmp", "cached");
    sandbox.roaming.AddFile(stale + "cache\\opr0001.tmp", "not cache4");
    const std::string& root = sandbox.roaming.Path();
    for (const auto& [type, names] : objects) {
        WasherRunner runner;
        runner.shred.WashMode = 2;
        TwoRuns runs = TestThenWash(runner, type, [&] { return sandbox.State(); });
        Lines expected;
        for (const std::string& name : names) {
            expected.push_back("BLR " + root + data + name + " " + FormatSizeText(10));
            EXPECT_EQ(Size(root + data + name), std::optional<std::uint64_t>(0)) << name;
            EXPECT_EQ(Size(root + stale + name), std::optional<std::uint64_t>(10)) << name;
        }
        EXPECT_EQ(runs.test.lines, expected);
    }
    WasherRunner runner;
    TwoRuns cache = TestThenWash(runner, wlitOpera_Cache, [&] { return sandbox.State(); });
    EXPECT_EQ(cache.real.count, 1u);
    EXPECT_FALSE(sandbox.roaming.Exists(data + "cache4\\opr0001.tmp"));
    EXPECT_TRUE(sandbox.roaming.Exists(stale + "cache\\opr0001.tmp"));
    EXPECT_EQ(cache.real.log.substr(8), " Washing: Opera Cache {1/" + FormatSizeText(6) + "}\r\n");
}
