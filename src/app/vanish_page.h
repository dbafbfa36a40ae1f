#pragma once
// The page "Vanish": a tree of drives and folders, the entries of the chosen folder, the
// shredding level and the Shred button.
#include <string>

#include "app/page.h"

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

    // The page's handlers; they arrive with the shredder front end.
    void FillDrivesTree() {}
    void ShredBtnClick() {}

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    LRESULT OnNotify(const NMHDR& header, bool& handled) override;
    StaticLook LookOf(int id) const override;
};
