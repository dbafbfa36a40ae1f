#pragma once
// TwltUserBox, the editor of a user object ("Tidewell User Object Editor"): its display name,
// its folder (changed through the folder picker), whether subfolders are included, its file
// masks in a two-column grid (description, file or file type) and whether to ask before each
// file.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/user_file_list.h"
#include "ui/window.h"

namespace ui {

// A text of the editor by its number (6000-6070), with its English default.
using EditorText = std::function<std::string(int textId, const std::string& english)>;

struct UserObjectFields {
    std::string displayName;
    std::string folder;  // without a trailing backslash
    bool includeSubfolders = false;
    bool promptOnDelete = true;
    std::string fileList;  // "description^mask|" per entry
};

class TwltUserBox : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"TwltUserBox";
    enum ControlId {
        DisplayNameEdit = 6011,
        FolderEdit = 6021,
        ChangeFolderBtn = 6022,
        IncludeSubfoldersChkBox = 6030,
        FileList = 6041,
        PromptOnDeleteChkBox = 6050,
        SaveBtn = 6060,
        CancelBtn = 6070,
        CellEdit = 6099,
    };
    static constexpr int kExtraRows = 9;  // empty rows for new entries

    // Shows the editor modally on `fields`; true, and the fields updated, when Save is pressed.
    static bool Edit(HWND owner, const EditorText& text, UserObjectFields& fields);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    explicit TwltUserBox(const EditorText& text) : text_(text) {}
    bool Open(HWND owner);
    void Load(const UserObjectFields& fields);
    void Store(UserObjectFields& fields);
    void ChangeFolderBtnClick();
    void BeginCellEdit(int row, int column);
    void EndCellEdit();
    LRESULT OnNotify(const NMHDR& header);

    const EditorText& text_;
    int result_ = -1;
    int editRow_ = -1;
    int editColumn_ = -1;
};

}  // namespace ui

// Opens the editor on the values (all by reference); true and the values updated when the
// user saves. When an editor is already open it is brought to the front and false returned.
bool EditUserObject(HWND owner, const ui::EditorText& text, std::string& displayName,
                    std::string& folder, bool& includeSubfolders, bool& promptOnDelete,
                    std::string& fileList);
