#pragma once
// TFoldersDialog, the folder picker "Choose A Folder": a drive list ("Look In"), the folders of
// the current folder (".." goes up, a double click goes in), the chosen path, Ok and Cancel.
#include <windows.h>

#include <string>

#include "ui/window.h"

namespace ui {

class TFoldersDialog : public Window {
  public:
    static constexpr const wchar_t* kClassName = L"TidewellFoldersDialog";
    enum ControlId {
        DriveList = 101,
        DirectoryList,
        DirectoryLbl,
        OkBtn = IDOK,
        CancelBtn = IDCANCEL
    };

    // The folder (without a trailing backslash, a drive root as "C:\") the user chose with Ok;
    // empty when cancelled.
    static std::string Choose(HWND owner, const std::string& start);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Open(HWND owner);
    void ShowFolder(const std::string& folder);  // ends with a backslash
    void OnCommand(int id, int code);

    std::string folder_;
    int result_ = -1;
};

}  // namespace ui

// Opens the folder picker on `start`, or on the program's folder when `start` does not exist.
// Returns the chosen folder, or `start` when the picker is cancelled or already open.
std::string ChooseFolder(HWND owner, const std::string& start);
