#pragma once
// The page "Hot Keys": three system-wide hot keys, each with its switch and its key box, and
// the note on the boss key.
#include "app/page.h"
#include "catalogue/options.h"

class HotKeysPage : public Page {
  public:
    explicit HotKeysPage(TMainForm& form) : Page(form, "Hot Keys") {}

    void ReadOptions(Options& options) const;
    void ShowOptions(const Options& options);
    void UpdateControls(const Options& options);
    // The hot-key id (1, 2, 3) of a key box, 0 for any other window.
    int HotKeyIdOf(HWND window) const;
    HotKeyCode HotKeyOf(int id) const;
    void SetHotKeyBox(int id, HotKeyCode code);

  protected:
    void CreateControls() override;
    void OnCommand(int id, int code, HWND control) override;
    StaticLook LookOf(int id) const override;
};
