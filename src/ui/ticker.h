#pragma once
// The scrolling ticker: its items run from right to left in one line, over and over. It ticks
// only while it is visible.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/window.h"

namespace ui {

class Ticker : public Window {
  public:
    bool Create(HWND parent, int id, const RECT& bounds, HFONT font, COLORREF text, COLORREF back);
    void SetItems(const std::vector<std::string>& items);
    const std::vector<std::string>& Items() const { return items_; }

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint(HDC dc);
    void Run(bool running);
    std::vector<std::string> items_;
    std::wstring line_;
    HFONT font_ = nullptr;
    COLORREF text_ = 0;
    COLORREF back_ = 0;
    int offset_ = 0;
    int lineWidth_ = 0;
    bool running_ = false;
};

}  // namespace ui
