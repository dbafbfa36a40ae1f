#pragma once
// The page "Options": the general switches, the desktop integration, the wash level and the
// language, and the Default Options and Remove Software buttons.
#include <string>
#include <vector>

#include "app/page.h"
#include "catalogue/options.h"

class OptionsPage : public Page {
  public:
    explicit OptionsPage(TMainForm& form) : Page(form, "Options") {}

    void ReadOptions(Options& options) const;
    void ShowOptions(const Options& options);
    void ShowLanguages(const std::vector<std::string>& entries, int selected);
    // The selected wash level's list text, "" when none is selected.
    std::string WashLevelText() const;
    std::string LanguageEntry() const;

    // Switches the general and desktop options to their defaults (the hiding at start, the
    // wash level and the language keep theirs); each change runs its box's click handler.
    void DefaultOptionsBtnClick();
    // Opens the Windows software control panel.
    void RemoveSoftwareBtnClick();

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    StaticLook LookOf(int id) const override;
};
