// The Add and Edit buttons of the Objects page: user objects made and changed in the editor.
#include "app/control_ids.h"
#include "app/main_form.h"
#include "app/objects_page.h"
#include "catalogue/language.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "ui/controls.h"
#include "ui/user_object_editor.h"

namespace {

// The editor's texts come from its own window section of the language file.
ui::EditorText EditorTexts(const SettingsState& settings) {
    return [&settings](int textId, const std::string& english) {
        return GetLangText(textId, "TwltUserBox", settings.Language(), english);
    };
}

bool EditFields(HWND owner, const SettingsState& settings, TWashListItem& item,
                TWashListUserItem& user) {
    return EditUserObject(owner, EditorTexts(settings), item.DisplayName, user.Folder,
                          user.IncludeSubfolders, user.PromptOnDelete, user.FileList);
}

}  // namespace

void TMainForm::AddWashingListItemBtnClick() {
    if (ctx_.Washing)
        return;
    const std::string programFolder = settings_.Files.ProgramFolder.empty()
                                          ? platform::ProgramFolder()
                                          : settings_.Files.ProgramFolder;
    std::unique_ptr<TWashListItem> item =
        MakeNewUserItem(platform::WithoutTrailingBackslash(programFolder));
    if (!EditFields(Handle(), settings_, *item, *item->UserItem))
        return;  // cancelled: nothing changes
    AppendUserObject(catalogue_, *this, std::move(item));
    UpdateStatus(ids::AddWashingListItemBtn);
}

void TMainForm::EditWashingListItemBtnClick() {
    if (ctx_.Washing)
        return;
    const int row = objectsPage_->SelectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= catalogue_.Items.size())
        return;
    TWashListItem& item = *catalogue_.Items[static_cast<std::size_t>(row)];
    if (item.Kind != WashItemKind::User || !item.UserItem)
        return;
    if (!EditFields(Handle(), settings_, item, *item.UserItem))
        return;
    ui::SetListCell(objectsPage_->Control(ids::WashingList), row, 0, item.DisplayName);
    SetRowChecked(static_cast<std::size_t>(row), item.Selected);
    RefreshWashList(catalogue_, *this);
    catalogue_.UserObjectsChanged = true;
    UpdateStatus(ids::EditWashingListItemBtn);
}
