#pragma once
// The page "Vanish": a tree of drives and folders, the entries of the chosen folder, the
// shredding level and the Shred button.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/page.h"
#include "vanish/vanish_rows.h"

class VanishPage : public Page {
  public:
    explicit VanishPage(TMainForm& form) : Page(form, "Vanish") {}

    HWND DrivesList() const;
    HWND FilesList() const;
    void SetLevelName(const std::string& name);
    void SetProgress(const std::string& text);
    // Shred is enabled exactly when at least one entry is selected.
    void UpdateControls();
    // The tree and the file list show the system's small file icons (shared, not owned).
    void SetSystemImageList(HIMAGELIST images);
    // The texts that are not control captions: the tree header and the column captions.
    void ApplyTexts();

    // The drives again, in letter order; every fixed drive's folders are read, the Windows
    // drive is expanded.
    void FillDrivesTree();
    // Destroys the selected entries of the shown folder, then reads it again.
    void ShredBtnClick();
    // Expands the tree down to `folder` (ending with a backslash) and selects it, so the list
    // shows its entries. False when a step of the path is not in the tree.
    bool RevealFolder(const std::string& folder);

    // The folder the list shows, and the row behind list row `index`.
    const std::string& VanishFolder() const { return vanishFolder_; }
    const VanishRow* RowAt(int index) const;
    // The folder path of a tree node; empty for the placeholder of an unread folder.
    std::string NodePath(HTREEITEM node) const;

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header, bool& handled) override;
    StaticLook LookOf(int id) const override;

  private:
    void AddSubfolders(const std::string& path, HTREEITEM node);
    void VanishDrivesListExpanding(HTREEITEM node);
    void VanishDrivesListChange(HTREEITEM node);
    void FillFilesList();
    void AddFileRow(std::size_t row);
    void VanishFilesListColumnClick(int column);
    void SortFilesList();
    void SortTreeChildren(HTREEITEM parent);
    LPARAM RememberPath(const std::string& path);
    std::vector<std::string> SelectedNames() const;

    static int CALLBACK VanishDrivesListCompare(LPARAM a, LPARAM b, LPARAM page);
    static int CALLBACK VanishFilesListCompare(LPARAM a, LPARAM b, LPARAM page);

    std::vector<std::string> nodePaths_;  // a node's data is its index + 1; 0 is a placeholder
    std::vector<VanishRow> rows_;         // a list row's data is its index here
    std::string vanishFolder_;
    VanishSort sort_;
};
