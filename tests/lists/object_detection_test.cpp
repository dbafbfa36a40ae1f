// Object detection against Wine's real registry and files: programs planted as their keys,
// values and folders make their rows present; without them the rows are unticked and disabled.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "catalogue/catalogue_ops.h"
#include "catalogue/shell_folders.h"
#include "lists/object_detection.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "support/recording_views.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"

using testing_support::RecordingCatalogueView;
using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

namespace {

const char kActiveXCacheKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ActiveX Cache";

// The whole catalogue, every built-in object selected, with the application data folders in
// the sandbox.
struct DetectionSandbox : ::testing::Test {
    TempFolder roaming, local;
    ScopedShellFolder roamingShell{"AppData", roaming.Path()};
    ScopedShellFolder localShell{"Local AppData", local.Path()};
    Catalogue catalogue;
    RecordingCatalogueView view;

    void SetUp() override {
        AppendBuiltInObjects(
            catalogue, view, [](int, const std::string& english) { return english; },
            [](std::string_view, bool) { return true; });
    }
    std::size_t Append(std::unique_ptr<TWashListItem> item) {
        AppendToCatalogue(catalogue, view, std::move(item));
        return catalogue.Items.size() - 1;
    }
    const TWashListItem& At(std::size_t row) const { return *catalogue.Items.at(row); }
    bool Present(TWashListItemType type) const { return At(type).Enabled; }
    ObjectsTabsShown Detect() { return CheckObjectsBtnClick(catalogue, view); }
};

std::vector<TWashListItemType> OperaTypes() {
    return {wlitOpera_Visited_Typed_Urls, wlitOpera_History,  wlitOpera_Cache, wlitOpera_Cookies,
            wlitOpera_Preferences,        wlitOpera_Bookmarks};
}

}  // namespace

TEST_F(DetectionSandbox, WithoutOperaItsSixRowsAreUntickedAndDisabledWithItTheyStay) {
    Detect();
    for (TWashListItemType type : OperaTypes()) {
        EXPECT_FALSE(At(type).Enabled) << TypeInfo(type).identifier;
        EXPECT_FALSE(At(type).Selected);
        EXPECT_FALSE(view.checks.at(type));
        EXPECT_EQ(At(type).State, wlsDisabled);
    }

    roaming.AddFolder("Opera");
    catalogue.Items.clear();
    view = RecordingCatalogueView();
    SetUp();
    Detect();
    for (TWashListItemType type : OperaTypes()) {
        EXPECT_TRUE(At(type).Enabled) << TypeInfo(type).identifier;
        EXPECT_TRUE(At(type).Selected);
        EXPECT_TRUE(view.checks.at(type));
        EXPECT_EQ(At(type).State, wlsNone);
    }
}

TEST_F(DetectionSandbox, TheObjectsWithoutSoftwareAreNeverDisabled) {
    // Even with the temporary, cache and cookie folders pointed nowhere.
    ScopedShellFolder cache{"Cache", roaming.Path() + "none"};
    ScopedShellFolder cookies{"Cookies", roaming.Path() + "none"};
    Detect();
    for (TWashListItemType type :
         {wlitWin_Clipboard, wlitWin_Log_Files, wlitWin_RecycleBins_Wash, wlitWin_RecycleBins,
          wlitIE_Download_Directory, wlitIE_Save_Directory}) {
        EXPECT_TRUE(At(type).Enabled) << TypeInfo(type).identifier;
        EXPECT_TRUE(At(type).Selected);
        EXPECT_TRUE(view.checks.at(type));
    }
    EXPECT_FALSE(Present(wlitIE_Cache));
    EXPECT_FALSE(Present(wlitIE_Cookies));
}

TEST_F(DetectionSandbox, PlantedProgramsMakeTheirRowsPresent) {
    // Washer tests run earlier in the same prefix may leave these keys behind.
    for (const char* leftover :
         {"Software\\Kodak", "Software\\Maxthon", "Software\\Microsoft\\Office"})
        platform::DeleteRegistryTree(RootKey::CurrentUser, leftover);
    ScopedRegistryKey office{RootKey::CurrentUser, "Software\\Microsoft\\Office"};
    Detect();
    const std::vector<TWashListItemType> planted = {wlitFirefox_Cache,   wlitMS_Imaging_History,
                                                    wlitMS_Excel,        wlitMS_Word,
                                                    wlitMaxthon_History, wlitMS_HTML_Help_History};
    for (TWashListItemType type : planted)
        ASSERT_FALSE(Present(type)) << TypeInfo(type).identifier << " is there before planting";

    local.AddFolder("Mozilla\\Firefox\\Profiles\\abcd.default");
    ScopedRegistryKey kodak{RootKey::CurrentUser, "Software\\Kodak\\Imaging"};
    office.SetString("File1", "C:\\book.xls", "11.0\\Excel\\Recent File List");
    ScopedRegistryKey maxthon{RootKey::CurrentUser, "Software\\Maxthon"};
    maxthon.SetString("Folder", "C:\\Maxthon");
    roaming.AddFile("Microsoft\\HTML Help\\hh.dat");
    ScopedRegistryKey run{RootKey::CurrentUser,
                          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"};
    catalogue.Items.clear();
    view = RecordingCatalogueView();
    SetUp();
    Detect();
    for (TWashListItemType type : planted) {
        if (type != wlitMS_Word) {
            EXPECT_TRUE(Present(type)) << TypeInfo(type).identifier;
        }
    }
    EXPECT_FALSE(Present(wlitMS_Word)) << "Excel's version has no Word data";
    EXPECT_TRUE(Present(wlitWin_Run_History));
    EXPECT_TRUE(Present(wlitFirefox_Bookmarks));
    // Wine has these keys of its own.
    EXPECT_TRUE(Present(wlitWin_Last_Logged_On_User));
    EXPECT_TRUE(Present(wlitWin_Swap_File));
    EXPECT_TRUE(Present(wlitIE_AutoComplete_Data)) << "pstorec.dll in the system folder";
}

TEST_F(DetectionSandbox, TheActiveXTabNeedsAnExistingCacheFolder) {
    ScopedRegistryKey cacheKey{RootKey::LocalMachine, kActiveXCacheKey};
    platform::RegistryKey open = cacheKey.Open();
    for (const std::string& name : open.ValueNames())
        open.DeleteValue(name);  // a Windows of its own may name one already
    EXPECT_FALSE(Detect().ActiveX);
    EXPECT_FALSE(Present(wlitIE_Downloaded_Program_Files));
    EXPECT_FALSE(At(wlitIE_Downloaded_Program_Files).Selected);

    cacheKey.SetString("0", roaming.Path() + "Downloaded Program Files");  // missing
    EXPECT_FALSE(Detect().ActiveX);

    const std::string folder = roaming.AddFolder("Cache Two");
    cacheKey.SetString("1", platform::WithoutTrailingBackslash(folder));
    EXPECT_TRUE(Detect().ActiveX);
    EXPECT_TRUE(Present(wlitIE_Downloaded_Program_Files));
}

TEST_F(DetectionSandbox, OutlookExpressIsFoundByItsIdentityOrItsMailFolder) {
    ScopedRegistryKey identities{RootKey::CurrentUser, "Identities"};
    const char identity[] = "{3A1C8E5B-0000-4000-8000-00000000DE7E}";
    EXPECT_FALSE(Detect().MailBoxes);
    EXPECT_FALSE(Present(wlitOE_Cleanup_Log));

    identities.SetString("Default User ID", identity);
    identities.SetString("Store Root", roaming.Path() + "gone",
                         std::string(identity) + "\\Software\\Microsoft\\Outlook Express\\5.0");
    EXPECT_FALSE(Detect().MailBoxes) << "a store root that is gone";

    local.AddFolder(std::string("Identities\\") + identity + "\\Microsoft\\Outlook Express");
    EXPECT_TRUE(Detect().MailBoxes);
    EXPECT_TRUE(Present(wlitOE_Mail_Boxes));
    EXPECT_TRUE(Present(wlitOE_Cleanup_Log));
}

TEST_F(DetectionSandbox, PluginsByTheirFirstLineUserObjectsAlways) {
    ScopedRegistryKey key;
    key.SetString("Recent1", "x", "Sub");
    TempFolder folder;
    folder.AddFile("History.DAT");
    const std::string k = "HKCU " + key.Path() + "\\";
    auto plugin = [&](const std::string& id, std::vector<std::string> lines) {
        return Append(MakePluginItem({id, std::move(lines)}, id, true));
    };
    const std::size_t none = plugin("none", {});
    const std::size_t emptyLine = plugin("empty", {""});
    const std::size_t byKey = plugin("key", {"R||" + k + "||D|"});
    const std::size_t keyGone = plugin("keyGone", {"R||" + k + "Gone\\||D|"});
    const std::size_t bySubkey = plugin("subkey", {"R||" + k + "|Sub|D|"});
    const std::size_t byValue = plugin("value", {"R||" + k + "Sub\\|Recent1|D|"});
    const std::size_t byMention = plugin("mention", {"R||" + k + "Sub\\|Rec*|D|"});
    const std::size_t mentionCase = plugin("mentionCase", {"R||" + k + "Sub\\|rec*|D|"});
    const std::size_t anyName = plugin("anyName", {"R||" + k + "Sub\\|*|D|"});
    const std::size_t byFolder = plugin("folder", {"F||" + folder.Path() + "||D|"});
    const std::size_t byFile = plugin("file", {"F||" + folder.Path() + "|history.dat|D|"});
    const std::size_t byName = plugin("name", {"F||" + folder.Path() + "|hist*|D|"});
    const std::size_t nameGone = plugin("nameGone", {"F||" + folder.Path() + "|cache*|D|"});
    const std::size_t macro = plugin("macro", {"F||[ftNoSuchMacro]||D|"});
    TWashListUserItem user;
    user.Folder = folder.Path() + "No Such Folder";
    const std::size_t mine = Append(MakeUserItem(user, "mine", true));
    Detect();

    for (std::size_t row :
         {byKey, bySubkey, byValue, byMention, anyName, byFolder, byFile, byName, mine})
        EXPECT_TRUE(At(row).Enabled && At(row).Selected) << At(row).DisplayName;
    for (std::size_t row : {none, emptyLine, keyGone, mentionCase, nameGone, macro}) {
        EXPECT_FALSE(At(row).Enabled) << At(row).DisplayName;
        EXPECT_FALSE(At(row).Selected);
        EXPECT_FALSE(view.checks.at(row));
    }
}

TEST_F(DetectionSandbox, DetectionChangesNothingAndIsQuick) {
    ScopedRegistryKey office{RootKey::CurrentUser, "Software\\Microsoft\\Office"};
    office.SetString("x", "y", "11.0\\Word\\Data");
    const bool hadActiveXCache =
        platform::RegistryKey::Open(RootKey::LocalMachine, kActiveXCacheKey).IsOpen();
    const auto start = std::chrono::steady_clock::now();
    for (int run = 0; run < 10; ++run)
        Detect();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("object detection of %zu objects: %.1f ms each\n", catalogue.Items.size(),
                static_cast<double>(ms) / 10);
    EXPECT_LT(ms / 10, 500) << "detection is part of every start";
    // Reading made no key and no folder.
    EXPECT_FALSE(platform::RegistryKey::Open(RootKey::CurrentUser,
                                             "Software\\Microsoft\\Office\\11.0\\Excel"));
    EXPECT_EQ(platform::RegistryKey::Open(RootKey::LocalMachine, kActiveXCacheKey).IsOpen(),
              hadActiveXCache);
    EXPECT_FALSE(platform::FolderExists(roaming.Path() + "Opera"));
}
