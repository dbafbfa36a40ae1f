// The "Active X" tab in a real main window: the distribution units and the cache folder of the
// real registry and files, the marks clicked as a user would, and what stays accepted.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "lists/activex_components.h"
#include "platform/registry.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

namespace {

using testing_support::ScopedRegistryKey;
using testing_support::TempFolder;
using Lines = std::vector<std::string>;

const char kCacheKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ActiveX Cache";
const char kInstalled[] = "{0B0B0B0B-1111-4111-8111-000000000001}";
const char kDownloaded[] = "{0B0B0B0B-1111-4111-8111-000000000002}";

class ActiveXTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cacheValues.SetString("0", cache.Path());
        osd = cache.AddFile("Viewer.osd", "<SOFTPKG/>");
        inf = cache.AddFile("Player.inf", "[Version]\r\n");
        loose = cache.AddFile("Loose=Name.dat");
        cache.AddFile("desktop.ini");
        Unit(kInstalled, osd, "");
        Unit(kDownloaded, "", inf);
        classes.SetString("", "Media = Player");
        Unit("{0B0B0B0B-1111-4111-8111-000000000003}", cache.Path() + "gone.osd",
             cache.Path() + "gone.inf");  // neither file exists: not listed
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
        ASSERT_TRUE(form->Create());
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    void Unit(const std::string& name, const std::string& osdPath, const std::string& infPath) {
        units.SetString("OSD", osdPath, name + "\\DownloadInformation");
        units.SetString("INF", infPath, name + "\\DownloadInformation");
    }
    HWND Objects(int id) const { return form->PageControl(ids::PageObjects, id); }
    HWND List() const { return Objects(ids::ActiveXList); }
    Lines Shown() const {
        Lines rows;
        for (int row = 0; row < ui::ListCount(List()); ++row)
            rows.push_back((ui::ListRowChecked(List(), row) ? "[x] " : "[ ] ") +
                           ui::ListCell(List(), row, 0));
        return rows;
    }
    void Click(int id) {
        SendMessageW(GetParent(Objects(id)), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Objects(id)));
    }
    Lines& Accepted() { return form->Context().AcceptedActiveXList; }

    TempFolder settings, cache;
    ScopedRegistryKey cacheValues{RootKey::LocalMachine, kCacheKey};
    ScopedRegistryKey units{RootKey::LocalMachine, kDistributionUnitsKey};
    ScopedRegistryKey classes{RootKey::ClassesRoot, std::string("CLSID\\") + kDownloaded};
    std::string osd, inf, loose;
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(ActiveXTabTest, ListsTheComponentsByNameAndAProperlyInstalledOneKeepsItsMark) {
    form->ShowObjectsTab(ObjectsTab::ActiveX);
    EXPECT_EQ(Shown(), (Lines{"[x] " + std::string(kInstalled), "[ ] Media = Player",
                              "[ ] Loose=Name.dat"}));
    EXPECT_EQ(ui::GetText(Objects(ids::ActiveXWarningLbl)),
              "Possible Spyware in the Active X folder is listed in this list and will be "
              "eliminated if not selected!");

    ui::SetListRowChecked(List(), 0, false);  // as a click on its check box
    EXPECT_EQ(Shown()[0], "[x] " + std::string(kInstalled));
    EXPECT_TRUE(Accepted().empty());

    ui::SetListRowChecked(List(), 1, true);
    ui::SetListRowChecked(List(), 2, true);
    EXPECT_EQ(Accepted(), (Lines{"Media = Player=" + inf, "Loose=Name.dat=" + loose}));
    ui::SetListRowChecked(List(), 1, false);
    EXPECT_EQ(Accepted(), Lines{"Loose=Name.dat=" + loose});

    // Opened again, the accepted line keeps its mark.
    form->ShowObjectsTab(ObjectsTab::WashObjects);
    form->ShowObjectsTab(ObjectsTab::ActiveX);
    EXPECT_EQ(Shown()[2], "[x] Loose=Name.dat");
}

TEST_F(ActiveXTabTest, SelectAllAndDeselectAllLeaveTheInstalledComponentAlone) {
    form->ShowObjectsTab(ObjectsTab::ActiveX);
    Click(ids::SelectAllActiveXListItemsBtn);
    EXPECT_EQ(Shown(), (Lines{"[x] " + std::string(kInstalled), "[x] Media = Player",
                              "[x] Loose=Name.dat"}));
    EXPECT_EQ(Accepted(), (Lines{"Media = Player=" + inf, "Loose=Name.dat=" + loose}));

    Click(ids::DeselectAllActiveXListItemsBtn);
    EXPECT_EQ(Shown(), (Lines{"[x] " + std::string(kInstalled), "[ ] Media = Player",
                              "[ ] Loose=Name.dat"}));
    EXPECT_TRUE(Accepted().empty());
}
