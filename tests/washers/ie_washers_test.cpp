// The Internet Explorer washers over the registry and folders of the Wine prefix: typed
// addresses, remembered folders, the favorites and their menu order, the index.dat task file
// and its start entry.
#include <gtest/gtest.h>

#include "catalogue/wash_object_types.h"
#include "engine/deferred_wash.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

const std::string kIE = "Software\\Microsoft\\Internet Explorer";
const std::string kFavoritesOrder =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MenuOrder\\Favorites";

std::function<std::string()> KeyState(const ScopedRegistryKey& key) {
    return [&key] { return RegistryState(key.Root(), key.Path()); };
}

std::optional<platform::RegistryValue> Value(const std::string& path, const std::string& name) {
    return platform::RegistryKey::Open(RootKey::CurrentUser, path).Read(name);
}

// The data size the wash counters give a value.
std::size_t SizeOf(const std::string& path, const std::string& name) {
    auto value = Value(path, name);
    return value ? value->Size() : 0;
}

}  // namespace

TEST(IEWashers, EveryObjectLogsItsTitle) {
    const std::pair<TWashListItemType, const char*> titles[] = {
        {wlitIE_Visited_Typed_Urls, " Washing: IE Visited/Typed Urls"},
        {wlitIE_History, " Washing: IE History"},
        {wlitIE_Cache, " Washing: IE Cache"},
        {wlitIE_Cookies, " Washing: IE Cache/Cookies"},
        {wlitIE_Indexdotdat_Files, " Washing: IE Index.dat Files"},
        {wlitIE_AutoComplete_Data, " Washing: IE AutoComplete History"},
        {wlitIE_Download_Directory, " Washing: IE Download Directory Data"},
        {wlitIE_Save_Directory, " Washing: IE Save Directory Data"},
        {wlitIE_Favorites_Order_History, " Washing: IE Favorites Order History"},
        {wlitIE_Favorites, " Washing: IE Favorites"},
    };
    WasherRunner runner;
    for (const auto& [type, title] : titles) {
        WashOutcome outcome = runner.Run(type, true);
        ASSERT_GE(outcome.log.size(), 8u) << title;
        EXPECT_EQ(outcome.log.substr(8, std::string(title).size() + 2), std::string(title) + " {")
            << title;
    }
}

TEST(TypedUrls, TheWalkStopsAtTheFirstGap) {
    ScopedRegistryKey key(RootKey::CurrentUser, kIE + "\\TypedURLs");
    key.SetString("Url1", "http://one.example/");
    key.SetString("Url2", "http://two.example/");
    key.SetString("Url4", "http://four.example/");
    const std::size_t one = SizeOf(key.Path(), "Url1"), two = SizeOf(key.Path(), "Url2");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitIE_Visited_Typed_Urls, KeyState(key));
    const std::string path = "HKCU\\" + kIE + "\\TypedURLs\\Url";
    EXPECT_EQ(runs.test.lines,
              (Lines{"DEL " + path + "1 \"http://one.example/\" " + FormatSizeText(one),
                     "DEL " + path + "2 \"http://two.example/\" " + FormatSizeText(two)}));
    EXPECT_EQ(runs.real.bytes, one + two);
    EXPECT_EQ(runs.real.count, 2u);
    EXPECT_FALSE(key.HasValue("Url1"));
    EXPECT_FALSE(key.HasValue("Url2"));
    EXPECT_TRUE(key.HasValue("Url4"));
}

TEST(TypedUrls, AMissingKeyWashesNothing) {
    platform::DeleteRegistryTree(RootKey::CurrentUser, kIE + "\\TypedURLs");
    WasherRunner runner;
    EXPECT_EQ(runner.Run(wlitIE_Visited_Typed_Urls, false).entries, "0/0 Kb");
}

TEST(RememberedFolders, TheValueIsEmptiedAndItsBytesCounted) {
    ScopedRegistryKey key(RootKey::CurrentUser, kIE + "\\Main");
    key.SetString("Save Directory", "C:\\secret\\");
    key.SetString("Start Page", "about:blank");
    const std::size_t before = SizeOf(key.Path(), "Save Directory");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitIE_Save_Directory, KeyState(key), true);
    EXPECT_EQ(runs.test.lines,
              Lines{"CLR HKCU\\Software\\Microsoft\\Internet Explorer\\Save Directory "
                    "\"C:\\secret\\\" " +
                    FormatSizeText(before)});
    EXPECT_EQ(runs.test.entries, "1/0 Kb");
    auto value = Value(key.Path(), "Save Directory");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->AsString(), "");
    EXPECT_EQ(runs.real.bytes, before - value->Size());
    EXPECT_EQ(Value(key.Path(), "Start Page")->AsString(), "about:blank");
}

TEST(RememberedFolders, AKeyWithoutTheValueCountsOneEntryAndGetsTheValueEmpty) {
    ScopedRegistryKey key(RootKey::CurrentUser, kIE);
    platform::RegistryKey::Open(RootKey::CurrentUser, kIE, platform::reg_access::kAllAccess)
        .DeleteValue("Download Directory");
    WasherRunner runner;
    WashOutcome test = runner.Run(wlitIE_Download_Directory, true);
    EXPECT_EQ(test.entries, "1/0 Kb");
    EXPECT_FALSE(key.HasValue("Download Directory"));
    WashOutcome real = runner.Run(wlitIE_Download_Directory, false);
    EXPECT_EQ(real.entries, "1/0 Kb");
    auto value = Value(kIE, "Download Directory");
    ASSERT_TRUE(value);
    EXPECT_TRUE(value->IsString());
    EXPECT_EQ(value->AsString(), "");
}

TEST(FavoritesOrder, OnlyTheTopOrderValueIsClearedAndKept) {
    ScopedRegistryKey key(RootKey::CurrentUser, kFavoritesOrder);
    key.SetBinary("Order", std::string(40, '\x07'));
    key.SetBinary("Order", std::string(12, '\x07'), "Links");
    WasherRunner runner;
    TestThenWash(runner, wlitIE_Favorites_Order_History, KeyState(key), true);
    auto order = Value(kFavoritesOrder, "Order");
    ASSERT_TRUE(order);
    EXPECT_EQ(order->data, std::vector<std::uint8_t>(1, 0));
    EXPECT_EQ(Value(kFavoritesOrder + "\\Links", "Order")->Size(), 12u);
}

TEST(Favorites, FilesAndTheMenuOrderGoDesktopIniStays) {
    TempFolder favorites;
    favorites.AddFile("News.url", "[InternetShortcut]\r\nURL=http://news.example/\r\n");
    favorites.AddFile("Links\\Deep\\Shop.url", "[InternetShortcut]\r\nURL=http://shop/\r\n");
    favorites.AddFile("desktop.ini", "[.ShellClassInfo]\r\n");
    ScopedShellFolder shellFolder("Favorites", favorites.Path());
    ScopedRegistryKey key(RootKey::CurrentUser, kFavoritesOrder);
    key.SetBinary("Order", std::string(40, '\x07'));
    key.SetBinary("Order", std::string(12, '\x07'), "Links");
    WasherRunner runner;
    TestThenWash(runner, wlitIE_Favorites, [&] {
        return FolderState(favorites.Path()) + RegistryState(key.Root(), key.Path());
    });
    EXPECT_TRUE(favorites.Exists("desktop.ini"));
    EXPECT_FALSE(favorites.Exists("News.url"));
    EXPECT_FALSE(favorites.Exists("Links\\Deep\\Shop.url"));
    EXPECT_FALSE(favorites.Exists("Links"));
    EXPECT_TRUE(platform::FolderExists(favorites.Path()));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::CurrentUser, kFavoritesOrder));
    EXPECT_FALSE(key.HasValue("Order"));
    EXPECT_FALSE(key.HasSubkey("Links"));
}

// The three IE folders pointed at a sandbox, and the task file beside the test program put
// back as it was afterwards.
class IndexDatTask : public ::testing::Test {
  protected:
    IndexDatTask()
        : taskFile_(platform::ProgramFolder() + kIndexDatTaskFileName),
          saved_(platform::ReadWholeFile(taskFile_)),
          cacheFolder_("Cache", root_.AddFolder("Cache")),
          historyFolder_("History", root_.AddFolder("History")),
          cookiesFolder_("Cookies", root_.AddFolder("Cookies")) {}
    ~IndexDatTask() override {
        if (saved_)
            platform::WriteWholeFile(taskFile_, *saved_);
        else
            platform::DeleteFileAt(taskFile_);
    }
    std::string TaskFile() const { return platform::ReadWholeFile(taskFile_).value_or("(none)"); }

    TempFolder root_;
    const std::string taskFile_;
    const std::optional<std::string> saved_;
    ScopedShellFolder cacheFolder_, historyFolder_, cookiesFolder_;
};

TEST_F(IndexDatTask, AWashListsEveryIndexDatOnceAndKeepsWhatWasListed) {
    const std::string deep =
        root_.AddFile("Cache\\Content.IE5\\AB12CD34\\Deeper\\index.dat", "12345");
    const std::string cache = root_.AddFile("Cache\\index.dat", "1234567890");
    const std::string history = root_.AddFile("History\\History.IE5\\index.dat", "123");
    const std::string cookies = root_.AddFile("Cookies\\INDEX.DAT", "12");
    root_.AddFile("Cache\\Content.IE5\\index.dat.bak", "not this one");
    const std::string stale = root_.Path() + "Gone\\index.dat";
    std::string lowerCache = cache;
    for (char& c : lowerCache)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    platform::WriteWholeFile(taskFile_, std::string(kIndexDatTaskHeader) + "\r\n" + stale + "\r\n" +
                                            lowerCache + "\r\n");
    const std::string expected =
        stale + "\r\n" + lowerCache + "\r\n" + deep + "\r\n" + history + "\r\n" + cookies + "\r\n";
    WasherRunner runner;

    // A test run lists what would be scheduled and schedules nothing.
    const std::string before = TaskFile();
    WashOutcome test = runner.Run(wlitIE_Indexdotdat_Files, true);
    EXPECT_EQ(TaskFile(), before);
    // The stale line counts and adds no bytes.
    EXPECT_EQ(test.entries, "5/" + FormatSizeText(10 + 5 + 3 + 2));
    EXPECT_EQ(test.lines, (Lines{"BLR " + lowerCache + " " + FormatSizeText(10),
                                 "BLR " + deep + " " + FormatSizeText(5),
                                 "BLR " + history + " " + FormatSizeText(3),
                                 "BLR " + cookies + " " + FormatSizeText(2)}));

    WashOutcome real = runner.Run(wlitIE_Indexdotdat_Files, false);
    EXPECT_EQ(TaskFile(), expected);
    EXPECT_EQ(real.entries, test.entries);
    EXPECT_EQ(real.lines.front(), Progress("", "Preparing wash IE Index.dat Files"));
    EXPECT_TRUE(platform::FileExists(deep)) << "the files wait for the runner";

    runner.Run(wlitIE_Indexdotdat_Files, false);
    EXPECT_EQ(TaskFile(), expected) << "a second wash adds no line twice";
}

TEST_F(IndexDatTask, NoIndexDatAndNoTaskFileWritesAnEmptyList) {
    platform::DeleteFileAt(taskFile_);
    WasherRunner runner;
    EXPECT_EQ(runner.Run(wlitIE_Indexdotdat_Files, false).entries, "0/0 Kb");
    EXPECT_EQ(TaskFile(), "");
}

TEST(IndexDatStartEntry, FollowsTheSelection) {
    const std::string folder = "C:\\Program Files\\Tidewell\\";
    UpdateIndexDatStartEntry(true, folder);
    auto value =
        platform::RegistryKey::Open(RootKey::LocalMachine, kStartEntryKey).Read(kStartEntryValue);
    ASSERT_TRUE(value);
    EXPECT_EQ(value->AsString(),
              "C:\\Program Files\\Tidewell\\NimboAction.exe \"/t\" "
              "\"C:\\Program Files\\Tidewell\\nimboaction.tsk\"");
    UpdateIndexDatStartEntry(false, folder);
    EXPECT_FALSE(platform::RegistryKey::Open(RootKey::LocalMachine, kStartEntryKey)
                     .HasValue(kStartEntryValue));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::LocalMachine, kStartEntryKey));
    UpdateIndexDatStartEntry(false, folder);  // nothing to delete: nothing happens
    UpdateIndexDatStartEntry(true, folder);
    EXPECT_TRUE(platform::RegistryKey::Open(RootKey::LocalMachine, kStartEntryKey)
                    .HasValue(kStartEntryValue));
    UpdateIndexDatStartEntry(false, folder);
}
