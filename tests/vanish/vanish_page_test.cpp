// The Vanish page and the user-object editor in a real main window of this process: the tree,
// the list, Shred with its confirmations, and the editor's grid and folder picker.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/main_form.h"
#include "app/vanish_page.h"
#include "catalogue/language.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shell_items.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/folders_dialog.h"
#include "ui/message_dlg_box.h"
#include "ui/tree_view.h"
#include "ui/user_object_editor.h"
#include "vanish/vanish_rows.h"

namespace {

// Runs `act` on the first open window of `className` as soon as it shows (from a timer of the
// modal loop that waits for it).
struct WhenOpen {
    static inline const wchar_t* className = nullptr;
    static inline std::function<void(HWND)> act;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND window = FindWindowW(className, nullptr);
        if (!window)
            return;
        KillTimer(nullptr, timer);
        act(window);
    }
    static void Arm(const wchar_t* name, std::function<void(HWND)> action) {
        className = name;
        act = std::move(action);
        SetTimer(nullptr, 0, 30, &Tick);
    }
};

// Answers every confirmation of a shred with the button `index` (0 Yes, 1 No, 2 Cancel, 3 All),
// counting the questions.
struct ShredAnswers {
    static inline int index = 0;
    static inline int asked = 0;
    static inline UINT_PTR timer = 0;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindWindowW(ui::TMessageDlgBox::kClassName, nullptr);
        if (!box || !IsWindowVisible(box))
            return;
        ++asked;
        SendMessageW(box, WM_COMMAND, static_cast<WPARAM>(100 + index), 0);
    }
    static void Start(int answer) {
        index = answer;
        asked = 0;
        timer = SetTimer(nullptr, 0, 20, &Tick);
    }
    static void Stop() { KillTimer(nullptr, timer); }
};

class VanishPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(flags, SettingsFilesIn(folder.Path()));
        ASSERT_TRUE(form->Create());
        form->VanishBtnClick();
        page = PageOf();
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override {
        form.reset();
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    VanishPage* PageOf() {
        HWND window = GetDlgItem(form->Handle(), ids::PageVanish);
        auto* base = window
                         ? reinterpret_cast<ui::Window*>(GetWindowLongPtrW(window, GWLP_USERDATA))
                         : nullptr;
        return static_cast<VanishPage*>(base);
    }
    HWND Files() const { return page->FilesList(); }
    int RowOf(const std::string& name) const {
        for (int i = 0; i < ui::ListCount(Files()); ++i)
            if (const VanishRow* row = page->RowAt(i); row && row->name == name)
                return i;
        return -1;
    }
    void Select(int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageW(Files(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&state));
    }
    std::vector<std::string> ListedNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < ui::ListCount(Files()); ++i)
            names.push_back(page->RowAt(i) ? page->RowAt(i)->name : "?");
        return names;
    }
    std::string Progress() const {
        return ui::GetText(GetDlgItem(page->Handle(), ids::VanishProgressLbl));
    }
    void ClickColumn(int column) {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = Files();
        click.hdr.idFrom = ids::VanishFilesList;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageW(page->Handle(), WM_NOTIFY, ids::VanishFilesList,
                     reinterpret_cast<LPARAM>(&click));
    }

    testing_support::TempFolder folder;
    StartupFlags flags;
    std::unique_ptr<TMainForm> form;
    VanishPage* page = nullptr;
};

TEST_F(VanishPageTest, DrivesKeepLetterOrderAndTheWindowsDriveIsOpen) {
    HWND tree = page->DrivesList();
    std::vector<std::string> roots;
    for (HTREEITEM node : ui::TreeChildren(tree, TVI_ROOT)) {
        roots.push_back(page->NodePath(node));
        if (roots.back() == "C:\\") {
            UINT state = static_cast<UINT>(SendMessageW(
                tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(node), TVIS_EXPANDED));
            EXPECT_TRUE(state & TVIS_EXPANDED) << "the Windows drive is expanded";
            EXPECT_FALSE(ui::TreeChildren(tree, node).empty());
        }
    }
    EXPECT_EQ(roots, DriveRootsOfMask(platform::LogicalDriveMask()));
    EXPECT_GE(roots.size(), 1u);
}

TEST_F(VanishPageTest, TheListShowsTheFolderAndSortsByAColumn) {
    testing_support::TempFolder t;
    t.AddFile("small.txt", std::string(900, 's'));
    t.AddFile("big.txt", std::string(10000, 'b'));
    t.AddFolder("sub");
    ASSERT_TRUE(page->RevealFolder(t.Path()));
    EXPECT_EQ(page->VanishFolder(), t.Path());
    ASSERT_EQ(ui::ListCount(Files()), 3);
    EXPECT_EQ(ui::ListCell(Files(), RowOf("big.txt"), 1), "10,000");
    EXPECT_EQ(ui::ListCell(Files(), RowOf("sub"), 1), "");
    EXPECT_EQ(ui::ListCell(Files(), RowOf("big.txt"), 2).size(), 14u);  // "mm-dd-yy hh:mm"
    ClickColumn(1);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"sub", "small.txt", "big.txt"}));
    ClickColumn(1);
    EXPECT_EQ(ListedNames(), (std::vector<std::string>{"big.txt", "small.txt", "sub"}));
}

TEST_F(VanishPageTest, ShredWithNothingSelectedOnlySaysItsTwoTexts) {
    testing_support::TempFolder t;
    const std::string file = t.AddFile("stay.txt");
    ASSERT_TRUE(page->RevealFolder(t.Path()));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page->Handle(), ids::ShredBtn)));
    page->ShredBtnClick();
    EXPECT_EQ(Progress(), "Done Schredding...");
    EXPECT_TRUE(platform::FileExists(file));
}

TEST_F(VanishPageTest, AFileIsDestroyedByItsRealNameWhateverTheShellShows) {
    testing_support::ScopedRegistryKey advanced(
        RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced");
    advanced.SetDword("HideFileExt", 1);
    testing_support::TempFolder t;
    const std::string report = t.AddFile("report.txt", "secret");
    const std::string inner = t.AddFile("report\\keep.txt", "keep");  // what "report" names
    ASSERT_TRUE(page->RevealFolder(t.Path()));
    const int row = RowOf("report.txt");
    ASSERT_GE(row, 0);
    EXPECT_EQ(page->RowAt(row)->caption, "report") << "the shell shows the name without extension";
    Select(row);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page->Handle(), ids::ShredBtn)));
    ShredAnswers::Start(0);
    page->ShredBtnClick();
    ShredAnswers::Stop();
    EXPECT_EQ(ShredAnswers::asked, 1);
    EXPECT_FALSE(platform::FileExists(report));
    EXPECT_TRUE(platform::FileExists(inner)) << "the folder the shown name names was washed";
    EXPECT_EQ(RowOf("report.txt"), -1) << "the list is read again";
    EXPECT_EQ(Progress(), "Done Schredding...");
}

TEST_F(VanishPageTest, AllShredsTheWholeSelectionWithOneQuestion) {
    testing_support::TempFolder t;
    const std::string a = t.AddFile("a.txt"), b = t.AddFile("b.txt");
    const std::string deep = t.AddFile("tree\\deep\\c.txt");
    ASSERT_TRUE(page->RevealFolder(t.Path()));
    for (const char* name : {"a.txt", "b.txt", "tree"})
        Select(RowOf(name));
    ShredAnswers::Start(3);
    page->ShredBtnClick();
    ShredAnswers::Stop();
    EXPECT_EQ(ShredAnswers::asked, 1);
    EXPECT_FALSE(platform::FileExists(a) || platform::FileExists(b) || platform::FileExists(deep));
    EXPECT_FALSE(platform::FolderExists(t.Path() + "tree\\"));
    EXPECT_EQ(ui::ListCount(Files()), 0);
}

TEST(UserObjectEditor, SavesOnlyEntriesWithADescriptionAndKeepsTheFolderOnCancel) {
    testing_support::TempFolder t;
    std::string name = "Scratch", folderText = platform::WithoutTrailingBackslash(t.Path());
    bool subfolders = false, prompt = true;
    std::string fileList = "Temporary^*.tmp|";
    WhenOpen::Arm(ui::TwltUserBox::kClassName, [](HWND box) {
        HWND grid = GetDlgItem(box, ui::TwltUserBox::FileList);
        EXPECT_EQ(ui::ListCount(grid), 1 + ui::TwltUserBox::kExtraRows);
        EXPECT_EQ(ui::ListCell(grid, 0, 1), "*.tmp");
        ui::SetListCell(grid, 1, 1, "*.log");  // a mask without description
        ui::SetListCell(grid, 2, 0, "Backups");
        ui::SetListCell(grid, 2, 1, "*.bak");
        ui::SetText(GetDlgItem(box, ui::TwltUserBox::DisplayNameEdit), "Renamed");
        SendMessageW(GetDlgItem(box, ui::TwltUserBox::IncludeSubfoldersChkBox), BM_SETCHECK,
                     BST_CHECKED, 0);
        // Change... opens the picker; cancelling it keeps the folder.
        WhenOpen::Arm(ui::TFoldersDialog::kClassName, [box](HWND picker) {
            SendMessageW(picker, WM_COMMAND, IDCANCEL, 0);
            PostMessageW(box, WM_COMMAND, ui::TwltUserBox::SaveBtn, 0);
        });
        SendMessageW(box, WM_COMMAND, MAKEWPARAM(ui::TwltUserBox::ChangeFolderBtn, BN_CLICKED), 0);
    });
    ASSERT_TRUE(EditUserObject(
        nullptr, [](int, const std::string& e) { return e; }, name, folderText, subfolders, prompt,
        fileList));
    EXPECT_EQ(name, "Renamed");
    EXPECT_EQ(fileList, "Temporary^*.tmp|Backups^*.bak|");
    EXPECT_EQ(folderText, platform::WithoutTrailingBackslash(t.Path()));
    EXPECT_TRUE(subfolders);
    EXPECT_TRUE(prompt);
}

TEST(UserObjectEditor, CancelChangesNothingAndOkInThePickerTakesItsFolder) {
    testing_support::TempFolder t;
    t.AddFolder("inner");
    std::string name = "Keep", folderText = "C:\\no\\such\\folder", fileList = "A^*.a|";
    bool subfolders = false, prompt = true;
    WhenOpen::Arm(ui::TwltUserBox::kClassName, [](HWND box) {
        ui::SetText(GetDlgItem(box, ui::TwltUserBox::DisplayNameEdit), "Changed");
        PostMessageW(box, WM_COMMAND, ui::TwltUserBox::CancelBtn, 0);
    });
    EXPECT_FALSE(EditUserObject(
        nullptr, [](int, const std::string& e) { return e; }, name, folderText, subfolders, prompt,
        fileList));
    EXPECT_EQ(name, "Keep");
    EXPECT_EQ(fileList, "A^*.a|");

    WhenOpen::Arm(ui::TFoldersDialog::kClassName,
                  [](HWND picker) { PostMessageW(picker, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(ChooseFolder(nullptr, t.Path() + "inner\\"), t.Path() + "inner");
    // A start folder that does not exist opens the program's folder; cancel returns the start.
    WhenOpen::Arm(ui::TFoldersDialog::kClassName,
                  [](HWND picker) { PostMessageW(picker, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(ChooseFolder(nullptr, "C:\\no\\such\\folder"), "C:\\no\\such\\folder");
}

// Add makes a user object in the editor and appends its row; Edit changes it and its row.
TEST_F(VanishPageTest, AddAndEditMakeAndChangeAUserObject) {
    const std::size_t before = form->Objects().Items.size();
    WhenOpen::Arm(ui::TwltUserBox::kClassName, [](HWND box) {
        ui::SetText(GetDlgItem(box, ui::TwltUserBox::DisplayNameEdit), "Scratch");
        HWND grid = GetDlgItem(box, ui::TwltUserBox::FileList);
        ui::SetListCell(grid, 0, 0, "Temporary");
        ui::SetListCell(grid, 0, 1, "*.tmp");
        PostMessageW(box, WM_COMMAND, ui::TwltUserBox::SaveBtn, 0);
    });
    form->AddWashingListItemBtnClick();
    ASSERT_EQ(form->Objects().Items.size(), before + 1);
    const TWashListItem& added = *form->Objects().Items.back();
    ASSERT_TRUE(added.UserItem);
    EXPECT_EQ(added.DisplayName, "Scratch");
    EXPECT_EQ(added.UserItem->FileList, "Temporary^*.tmp|");
    EXPECT_EQ(added.UserItem->Folder, platform::WithoutTrailingBackslash(folder.Path()))
        << "a new object starts on the program's folder";
    EXPECT_TRUE(form->Objects().UserObjectsChanged);
    HWND list = GetDlgItem(GetDlgItem(form->Handle(), ids::PageObjects), ids::WashingList);
    const int row = static_cast<int>(before);
    EXPECT_EQ(ui::ListCell(list, row, 0), "Scratch");

    // Cancelled, Add changes nothing.
    WhenOpen::Arm(ui::TwltUserBox::kClassName,
                  [](HWND box) { PostMessageW(box, WM_COMMAND, ui::TwltUserBox::CancelBtn, 0); });
    form->AddWashingListItemBtnClick();
    EXPECT_EQ(form->Objects().Items.size(), before + 1);

    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
    WhenOpen::Arm(ui::TwltUserBox::kClassName, [](HWND box) {
        ui::SetText(GetDlgItem(box, ui::TwltUserBox::DisplayNameEdit), "Renamed");
        PostMessageW(box, WM_COMMAND, ui::TwltUserBox::SaveBtn, 0);
    });
    form->EditWashingListItemBtnClick();
    EXPECT_EQ(form->Objects().Items.back()->DisplayName, "Renamed");
    EXPECT_EQ(ui::ListCell(list, row, 0), "Renamed");
}

TEST(UserObjectEditor, ItsTextsComeFromTheLanguageFileInEveryLanguage) {
    const std::string file = TIDEWELL_TEST_LANGUAGE_FILE;
    auto text = [&file](int lngId, int id) {
        return GetLangText(id, "TwltUserBox", {file, lngId}, "?");
    };
    EXPECT_EQ(text(44, 6000), "Tidewell User Object Editor");
    EXPECT_EQ(text(44, 6043), "File / File Type");
    EXPECT_EQ(text(49, 6060), "Speichern");
    EXPECT_EQ(text(31, 6070), "Annuleren");
    for (int lngId : {44, 31, 33, 39, 49})
        for (int id : {6000, 6010, 6020, 6022, 6030, 6040, 6042, 6043, 6050, 6060, 6070})
            EXPECT_NE(text(lngId, id), "?") << lngId << " " << id;
}

}  // namespace
