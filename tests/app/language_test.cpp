// The main window in another language: the language file beside the program and the language
// id in the settings give every control its text by its id.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "catalogue/language.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

namespace {

class LanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string shipped = platform::ProgramFolder() + "Tidewell.lng";
        ASSERT_TRUE(platform::FileExists(shipped)) << shipped;
        language = folder.Path() + "Tidewell.lng";
        ASSERT_TRUE(CopyFileW(platform::Utf8ToWide(shipped).c_str(),
                              platform::Utf8ToWide(language).c_str(), FALSE));
        platform::WriteIniString(folder.Path() + "tidewell.ini",
                                 CurrentUserSectionPrefix() + ".Options", "LngID", "31");
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
        ASSERT_TRUE(form->Create());
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    std::string Dutch(int id) { return GetLangText(id, kMainFormName, {language, 31}, ""); }
    HWND Control(int pageId, int id) const {
        return GetDlgItem(GetDlgItem(form->Handle(), pageId), id);
    }

    testing_support::TempFolder folder;
    std::string language;
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

TEST_F(LanguageTest, ControlsTakeTheirTextsByTheirIds) {
    ASSERT_FALSE(Dutch(ids::WashBtn).empty()) << "the shipped file has no Dutch main window";
    EXPECT_NE(Dutch(ids::WashBtn), "Wash");
    EXPECT_EQ(ui::GetText(GetDlgItem(form->Handle(), ids::WashBtn)), Dutch(ids::WashBtn));
    EXPECT_EQ(ui::GetText(GetDlgItem(form->Handle(), ids::QuitBtn)), Dutch(ids::QuitBtn));
    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::ScrubAndGoBtn)),
              Dutch(ids::ScrubAndGoBtn));
    EXPECT_EQ(ui::GetText(Control(ids::PageTasks, ids::LogActivitiesChkBox)),
              Dutch(ids::LogActivitiesChkBox));
    EXPECT_EQ(ui::GetText(Control(ids::PageObjects, ids::RunTestBtn)), Dutch(ids::RunTestBtn));

    // Items of the multi-item controls: the tabs and the wash levels.
    wchar_t caption[128] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = caption;
    tab.cchTextMax = 127;
    SendMessageW(Control(ids::PageObjects, ids::ObjectsPages), TCM_GETITEMW, 0,
                 reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(platform::WideToUtf8(caption), Dutch(ids::ObjectsPages + 1));
    HWND levels = Control(ids::PageOptions, ids::WashBlurModeList);
    EXPECT_EQ(ui::ComboItemText(levels, 0), Dutch(ids::WashBlurModeList + 1));
    EXPECT_EQ(ui::ComboCount(levels), 8);

    // The texts that are no control's: the status texts and the Vanish columns.
    HWND washList = Control(ids::PageTidewell, ids::WashList);
    ASSERT_GT(ui::ListCount(washList), 0);
    EXPECT_EQ(ui::ListCell(washList, 0, 2), Dutch(10000));
    wchar_t column[64] = {};
    LVCOLUMNW lv{};
    lv.mask = LVCF_TEXT;
    lv.pszText = column;
    lv.cchTextMax = 63;
    SendMessageW(Control(ids::PageVanish, ids::VanishFilesList), LVM_GETCOLUMNW, 0,
                 reinterpret_cast<LPARAM>(&lv));
    EXPECT_EQ(platform::WideToUtf8(column), Dutch(1012));
}

TEST_F(LanguageTest, ChoosingAnotherLanguageReloadsEveryTextAndKeepsTheChoice) {
    HWND list = Control(ids::PageOptions, ids::LanguageList);
    int german = -1;
    for (int i = 0; i < ui::ComboCount(list); ++i)
        if (ui::ComboItemText(list, i) == "Deutsch")
            german = i;
    ASSERT_GE(german, 0) << "the language list does not offer Deutsch";
    ui::SetComboSelection(list, german);
    SendMessageW(GetDlgItem(form->Handle(), ids::PageOptions), WM_COMMAND,
                 MAKEWPARAM(ids::LanguageList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));

    auto german_text = [&](int id) { return GetLangText(id, kMainFormName, {language, 49}, ""); };
    EXPECT_EQ(ui::GetText(GetDlgItem(form->Handle(), ids::WashBtn)), german_text(ids::WashBtn));
    // The catalogue is built again, so the objects carry their German names.
    HWND washingList = Control(ids::PageObjects, ids::WashingList);
    EXPECT_EQ(ui::ListCell(washingList, 0, 0), german_text(10100));
    EXPECT_EQ(platform::ReadIniString(folder.Path() + "tidewell.ini",
                                      CurrentUserSectionPrefix() + ".Options", "LngID", ""),
              "49");
}

}  // namespace
