// Object detection in a real main window: the tabs of absent objects are not shown, the rows
// of absent software cannot be ticked, and both follow what is installed at the next load.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/control_ids.h"
#include "app/design_texts.h"
#include "app/main_form.h"
#include "catalogue/settings.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

namespace {

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;

const char kActiveXCacheKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ActiveX Cache";

class DetectionWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::RegistryKey cache = activeXCache.Open();
        for (const std::string& name : cache.ValueNames())
            cache.DeleteValue(name);
        settings.AddFile("tidewell.ini",
                         "[" + CurrentUserSectionPrefix() + ".Options]\r\nwlitOpera_Cache=1\r\n");
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    void Open() {
        form.reset();
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
        ASSERT_TRUE(form->Create());
    }
    HWND Objects(int id) const { return form->PageControl(ids::PageObjects, id); }
    std::vector<std::string> TabCaptions() const {
        HWND tabs = Objects(ids::ObjectsPages);
        std::vector<std::string> captions;
        const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
            captions.push_back(ui::TabItemText(tabs, i));
        return captions;
    }
    std::vector<std::string> Tabs(std::initializer_list<int> which) const {
        const std::vector<std::string> all = DesignItems(ids::ObjectsPages, 5);
        std::vector<std::string> tabs;
        for (int tab : which)
            tabs.push_back(all.at(static_cast<std::size_t>(tab)));
        return tabs;
    }
    // Shown on its tab (the Objects page itself need not be the page shown).
    bool Visible(int id) const {
        return (GetWindowLongW(Objects(id), GWL_STYLE) & WS_VISIBLE) != 0;
    }

    TempFolder settings, roaming, local;
    ScopedShellFolder roamingShell{"AppData", roaming.Path()};
    ScopedShellFolder localShell{"Local AppData", local.Path()};
    ScopedRegistryKey activeXCache{RootKey::LocalMachine, kActiveXCacheKey};
    ScopedRegistryKey identities{RootKey::CurrentUser, "Identities"};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(DetectionWindowTest, TabsOfAbsentObjectsAreHiddenAndComeBackWithTheirSoftware) {
    Open();
    // The cookies folder is Wine's own; no ActiveX cache and no Outlook Express.
    EXPECT_EQ(TabCaptions(), Tabs({0, 1, 4}));
    form->ShowObjectsTab(ObjectsTab::StartupMonitor);
    EXPECT_TRUE(Visible(ids::StartupMonitorList));
    form->ShowObjectsTab(ObjectsTab::ActiveX);  // hidden: nothing changes
    EXPECT_TRUE(Visible(ids::StartupMonitorList));
    EXPECT_FALSE(Visible(ids::ActiveXList));
    EXPECT_FALSE(form->Objects().Items[wlitIE_Downloaded_Program_Files]->Enabled);

    activeXCache.SetString("0", roaming.AddFolder("Downloaded Program Files"));
    const char identity[] = "{3A1C8E5B-0000-4000-8000-00000000AB1E}";
    identities.SetString("Default User ID", identity);
    local.AddFolder(std::string("Identities\\") + identity + "\\Microsoft\\Outlook Express");
    Open();
    EXPECT_EQ(TabCaptions(), Tabs({0, 1, 2, 3, 4}));
    form->ShowObjectsTab(ObjectsTab::ActiveX);
    EXPECT_TRUE(Visible(ids::ActiveXList));
    EXPECT_FALSE(Visible(ids::StartupMonitorList));
    form->ShowObjectsTab(ObjectsTab::MailBoxes);
    EXPECT_TRUE(Visible(ids::MailBoxesList));
    EXPECT_TRUE(form->Objects().Items[wlitIE_Downloaded_Program_Files]->Enabled);
}

TEST_F(DetectionWindowTest, ARowOfAbsentSoftwareIsUntickedAndCannotBeTicked) {
    Open();
    HWND list = Objects(ids::WashingList);
    EXPECT_FALSE(ui::ListRowChecked(list, wlitOpera_Cache)) << "chosen, but Opera is absent";
    ui::SetListRowChecked(list, wlitOpera_Cache, true);  // as a click on its check box
    EXPECT_FALSE(ui::ListRowChecked(list, wlitOpera_Cache));
    EXPECT_FALSE(form->Objects().Items[wlitOpera_Cache]->Selected);
    ui::SetListRowChecked(list, wlitWin_Clipboard, true);
    EXPECT_TRUE(form->Objects().Items[wlitWin_Clipboard]->Selected);

    SaveSettings(*form);  // as closing the program does
    roaming.AddFolder("Opera");
    Open();
    list = Objects(ids::WashingList);
    EXPECT_FALSE(ui::ListRowChecked(list, wlitOpera_Cache))
        << "the last save wrote the selection detection had cleared";
    ui::SetListRowChecked(list, wlitOpera_Cache, true);
    EXPECT_TRUE(ui::ListRowChecked(list, wlitOpera_Cache));
    EXPECT_TRUE(form->Objects().Items[wlitOpera_Cache]->Selected);
}
