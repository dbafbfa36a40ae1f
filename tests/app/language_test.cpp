// The main window in another language: the language file beside the program and the language
// id in the settings give every control its text by its id.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "app/test_window.h"
#include "catalogue/language.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/system.h"
#include "platform/locale.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

// Every caption the Go button is given, in order.
struct GoCaptions {
    static HWND go;
    static std::vector<std::string> set;
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->hwnd == go && call->message == WM_SETTEXT)
            set.push_back(platform::WideToUtf8(reinterpret_cast<const wchar_t*>(call->lParam)));
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
HWND GoCaptions::go = nullptr;
std::vector<std::string> GoCaptions::set;

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
    HWND Control(int pageId, int id) const { return form->PageControl(pageId, id); }

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

TEST_F(LanguageTest, TheTestRunNamesTheWashLevelAsTheListShowsIt) {
    std::string level = Dutch(ids::WashBlurModeList + 1 + 5);
    ASSERT_FALSE(level.empty());
    std::string shortName = level.substr(0, level.find(" -"));
    ASSERT_NE(shortName, "4L Secure Deletion, Dr Gutmann full 39 steps");  // really translated
    form->RunTestBtnClick();
    ASSERT_NE(form->TestWindow(), nullptr);
    std::string listing = ui::GetText(form->TestWindow()->TestResults());
    EXPECT_NE(listing.find("(Wash Level \"" + shortName + "\")"), std::string::npos) << listing;
}

// Reads the skinned message box once it is open (its title, then its buttons in order) and
// presses the button `press`.
struct BoxReader {
    static int press;
    static std::vector<std::string> texts;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(ui::TMessageDlgBox::kClassName, nullptr);
        if (!box)
            return;
        KillTimer(nullptr, timer);
        std::vector<std::pair<int, std::string>> buttons;
        for (HWND b = GetWindow(box, GW_CHILD); b; b = GetWindow(b, GW_HWNDNEXT))
            buttons.emplace_back(GetDlgCtrlID(b), ui::GetText(b));
        std::sort(buttons.begin(), buttons.end());
        texts = {ui::GetText(box)};
        for (const auto& button : buttons)
            texts.push_back(button.second);
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(buttons.at(press).first), 0);
    }
    static void Arm(int button) {
        press = button;
        texts.clear();
        SetTimer(nullptr, 0, 50, &Tick);
    }
};
int BoxReader::press = 0;
std::vector<std::string> BoxReader::texts;

TEST_F(LanguageTest, QuestionsAndWindowsWithoutTagsSpeakTheLanguage) {
    ASSERT_NE(Dutch(text_ids::WashConfirmCancel), "Cancel") << "not translated";
    BoxReader::Arm(2);
    EXPECT_EQ(form->Confirm("Delete a ?"), ConfirmAnswer::Cancel);
    EXPECT_EQ(BoxReader::texts,
              (std::vector<std::string>{
                  Dutch(text_ids::WashConfirmCaption), Dutch(text_ids::WashConfirmYes),
                  Dutch(text_ids::WashConfirmNo), Dutch(text_ids::WashConfirmCancel),
                  Dutch(text_ids::WashConfirmAll)}));

    // Deleting an object of the user's own asks first; "Nee" keeps it.
    TWashListUserItem user;
    user.Folder = "C:\\mine";
    AppendUserObject(form->Objects(), *form, MakeUserItem(user, "Mine", false));
    const int row = static_cast<int>(form->Objects().Items.size()) - 1;
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Control(ids::PageObjects, ids::WashingList), LVM_SETITEMSTATE,
                 static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    BoxReader::Arm(1);
    form->DeleteWashingListItemBtnClick();
    ASSERT_EQ(BoxReader::texts.size(), 3u);
    EXPECT_EQ(BoxReader::texts[1], Dutch(text_ids::QuitYes));
    EXPECT_EQ(BoxReader::texts[2], Dutch(text_ids::QuitNo));
    EXPECT_EQ(form->Objects().Items.size(), static_cast<std::size_t>(row) + 1);

    EXPECT_EQ(ui::GetText(Control(ids::PageTidewell, ids::LastWashTimeLbl)),
              Dutch(text_ids::NotAvailable));
    ASSERT_TRUE(form->ShowTestWindow());
    EXPECT_EQ(ui::GetText(form->TestWindow()->Handle()), Dutch(text_ids::TestWindowCaption));
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

// The texts 530 and 531 of the language file itself on the real Go button: "Stopp!" while
// the run goes on, "Los.." again after it, in German.
TEST_F(LanguageTest, TheGoButtonShowsTheLanguagesStopAndGoTexts) {
    HWND list = Control(ids::PageOptions, ids::LanguageList);
    for (int i = 0; i < ui::ComboCount(list); ++i)
        if (ui::ComboItemText(list, i) == "Deutsch")
            ui::SetComboSelection(list, i);
    SendMessageW(GetDlgItem(form->Handle(), ids::PageOptions), WM_COMMAND,
                 MAKEWPARAM(ids::LanguageList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    const std::string go = GetLangText(530, kMainFormName, {language, 49}, "");
    const std::string stop = GetLangText(531, kMainFormName, {language, 49}, "");
    ASSERT_NE(go, "");
    ASSERT_NE(go, "Go..") << "not translated";
    ASSERT_NE(stop, "Stop!") << "not translated";

    form->DeselectAllWashingListItemsBtnClick();
    ui::SetListRowChecked(Control(ids::PageObjects, ids::WashingList), wlitOpera_Cache, true);
    GoCaptions::go = Control(ids::PageTidewell, ids::ScrubAndGoBtn);
    GoCaptions::set.clear();
    EXPECT_EQ(ui::GetText(GoCaptions::go), go);
    HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROC, &GoCaptions::Watch, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    SendMessageW(GetParent(GoCaptions::go), WM_COMMAND, MAKEWPARAM(ids::ScrubAndGoBtn, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GoCaptions::go));
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(GoCaptions::set, (std::vector<std::string>{stop, go}));
    EXPECT_EQ(ui::GetText(GoCaptions::go), go);
}

// The last-wash label names the month as the locale does, here Dutch ("maart"), whatever the
// language of the program's texts.
TEST(LastWashLabel, NamesTheMonthInTheLocalesLanguage) {
    const LCID before = GetThreadLocale();
    ASSERT_TRUE(SetThreadLocale(MAKELCID(MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH), SORT_DEFAULT)));
    EXPECT_EQ(platform::LocaleMonthNames()[2], "maart");
    testing_support::TempFolder folder;
    StartupFlags flags;
    {
        TMainForm form(flags, SettingsFilesIn(folder.Path()));
        ASSERT_TRUE(form.Create());
        form.Context().LastWashTime = EncodeDateTime({2026, 3, 7, 9, 5, 2});
        form.UpdateStatus(0);
        HWND page = GetDlgItem(form.Handle(), ids::PageTidewell);
        EXPECT_EQ(ui::GetText(GetDlgItem(page, ids::LastWashTimeLbl)), "maart, 07 2026 09:05:02");
    }
    SetThreadLocale(before);
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

}  // namespace
