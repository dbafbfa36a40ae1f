#pragma once
// The about box: the program's icon and title, a few lines, a ticker and a Close button that
// can be hidden. Not modal; showing it again brings it to the front.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/skin_button.h"
#include "ui/skin_look.h"
#include "ui/skinned_box.h"
#include "ui/ticker.h"

namespace ui {

class TAboutBox : public SkinnedBox {
  public:
    struct Content {
        std::string caption;  // of the title strip
        std::string name;     // large
        std::string title;    // the program title
        std::vector<std::string> lines;
        std::vector<std::string> tickerItems;
        std::string closeCaption;
    };
    static constexpr const wchar_t* kClassName = L"TidewellAboutBox";

    TAboutBox(const SkinLook& look, Content content);
    ~TAboutBox() override;

    // Creates the box (or brings it to the front) with or without its Close button.
    void Show(HWND owner, bool closeButton);
    void Close();

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    bool Open(HWND owner);
    void Paint(HDC dc) override;

    const SkinLook& look_;
    Content content_;
    SkinButton closeButton_;
    Ticker ticker_;
};

}  // namespace ui
