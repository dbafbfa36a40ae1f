// The "Outlook Express Mail" tab in a real main window: the boxes of a real store folder, the
// skinned confirmation answered as a user would, and what stays chosen.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "platform/paths.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/message_dlg_box.h"

namespace {

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using Lines = std::vector<std::string>;

const char kIdentity[] = "{3A1C8E5B-0000-4000-8000-00000000F00D}";

// Answers the next skinned message box: IDOK its first button ("Yes"), IDCANCEL its last.
struct BoxAnswer {
    static WPARAM answer;
    static int asked;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = FindWindowW(ui::TMessageDlgBox::kClassName, nullptr);
        if (!box)
            return;
        KillTimer(nullptr, timer);
        ++asked;
        PostMessageW(box, WM_COMMAND, answer, 0);
    }
    static void Next(WPARAM with) {
        answer = with;
        SetTimer(nullptr, 0, 50, &Tick);
    }
};
WPARAM BoxAnswer::answer = IDCANCEL;
int BoxAnswer::asked = 0;

class MailBoxesTabTest : public ::testing::Test {
  protected:
    void SetUp() override {
        identities.SetString("Default User ID", kIdentity);
        identities.SetString(
            "Store Root", store.Path(),
            std::string(kIdentity) + "\\Software\\Microsoft\\Outlook Express\\5.0");
        // The same folder named a second time, without its backslash: listed once.
        identities.SetString(
            "Store Root", platform::WithoutTrailingBackslash(store.Path()),
            std::string(kIdentity) + "\\Software\\Microsoft\\Outlook Express\\6.0");
        for (const char* name : {"Inbox.dbx", "Folders.dbx", "Old.mbx", "Old.idx"})
            store.AddFile(name);
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(settings.Path()));
        ASSERT_TRUE(form->Create());
        BoxAnswer::asked = 0;
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    HWND Objects(int id) const { return form->PageControl(ids::PageObjects, id); }
    HWND List() const { return Objects(ids::MailBoxesList); }
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
    Lines& Selected() { return form->Context().SelectedMailBoxes; }

    TempFolder settings, store, local;
    ScopedShellFolder localShell{"Local AppData", local.Path()};
    ScopedRegistryKey identities{RootKey::CurrentUser, "Identities"};
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(MailBoxesTabTest, ListsEachBoxOnceAndATickIsConfirmedFirst) {
    Selected() = {"gone=" + store.Path() + "Gone.dbx"};
    form->ShowObjectsTab(ObjectsTab::MailBoxes);
    EXPECT_EQ(Shown(), (Lines{"[x] gone", "[ ] inbox", "[ ] old"}));

    BoxAnswer::Next(IDCANCEL);
    ui::SetListRowChecked(List(), 1, true);  // as a click on its check box
    EXPECT_EQ(BoxAnswer::asked, 1);
    EXPECT_EQ(Shown(), (Lines{"[x] gone", "[ ] inbox", "[ ] old"}));  // No: stays unticked
    EXPECT_EQ(Selected().size(), 1u);

    BoxAnswer::Next(IDOK);
    ui::SetListRowChecked(List(), 1, true);
    EXPECT_EQ(Shown(), (Lines{"[x] gone", "[x] inbox", "[ ] old"}));
    EXPECT_EQ(Selected(),
              (Lines{"gone=" + store.Path() + "Gone.dbx", "inbox=" + store.Path() + "Inbox.dbx"}));

    ui::SetListRowChecked(List(), 0, false);  // unticking asks nothing
    EXPECT_EQ(BoxAnswer::asked, 2);
    EXPECT_EQ(Selected(), Lines{"inbox=" + store.Path() + "Inbox.dbx"});
}

TEST_F(MailBoxesTabTest, SelectAllAsksOnceAndDeselectAllAsksNothing) {
    form->ShowObjectsTab(ObjectsTab::MailBoxes);
    BoxAnswer::Next(IDOK);
    Click(ids::SelectAllMailBoxesListItemsBtn);
    EXPECT_EQ(BoxAnswer::asked, 1);
    EXPECT_EQ(Shown(), (Lines{"[x] inbox", "[x] old"}));
    EXPECT_EQ(Selected().size(), 2u);

    Click(ids::DeselectAllMailBoxesListItemsBtn);
    EXPECT_EQ(BoxAnswer::asked, 1);
    EXPECT_EQ(Shown(), (Lines{"[ ] inbox", "[ ] old"}));
    EXPECT_TRUE(Selected().empty());
}
