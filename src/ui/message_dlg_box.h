#pragma once
// TMessageDlgBox, the skinned message box: shows a text with the given button captions, waits,
// and answers which button was pressed. Closing it (Escape, Alt+F4) answers the last button.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/skin_button.h"
#include "ui/skin_look.h"
#include "ui/skinned_box.h"

namespace ui {

class TMessageDlgBox : public SkinnedBox {
  public:
    enum class Icon { None, Question, Warning, Information };

    // Modal to `owner` (which is disabled meanwhile). Answers the index of the button.
    static int Ask(HWND owner, const SkinLook& look, const std::string& title,
                   const std::string& text, const std::vector<std::string>& buttons, Icon icon);
    // The window class of the box (tests find an open box by it).
    static constexpr const wchar_t* kClassName = L"TidewellMessageBox";

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    TMessageDlgBox(const SkinLook& look, std::string title, std::string text,
                   std::vector<std::string> buttons, Icon icon);
    bool Open(HWND owner);
    int RunModal(HWND owner);
    void Layout(int& width, int& height);
    void Paint(HDC dc) override;
    void Answer(int index);

    const SkinLook& look_;
    std::wstring title_;
    std::wstring text_;
    std::vector<std::string> captions_;
    std::vector<std::unique_ptr<SkinButton>> buttons_;
    Icon icon_;
    RECT textRect_{};
    int answer_ = -1;
};

}  // namespace ui
