#include "ui/ticker.h"

#include "platform/text.h"
#include "ui/gdi_handles.h"

namespace ui {

namespace {
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 40;
constexpr const wchar_t* kSeparator = L"      \x2022      ";
}  // namespace

bool Ticker::Create(HWND parent, int id, const RECT& bounds, HFONT font, COLORREF text,
                    COLORREF back) {
    font_ = font;
    text_ = text;
    back_ = back;
    RegisterClassOnce(L"TidewellTicker", ClassStyle{});
    return CreateAs(L"TidewellTicker", 0, WS_CHILD | WS_VISIBLE, L"", bounds, parent, id);
}

void Ticker::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    line_.clear();
    for (const auto& item : items_)
        line_ += platform::Utf8ToWide(item) + kSeparator;
    lineWidth_ = 0;
    offset_ = 0;
    if (Handle())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void Ticker::Run(bool running) {
    if (running == running_ || !Handle())
        return;
    running_ = running;
    if (running)
        SetTimer(Handle(), kTickTimer, kTickMilliseconds, nullptr);
    else
        KillTimer(Handle(), kTickTimer);
}

void Ticker::Paint(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    int width = client.right, height = client.bottom;
    UniqueMemoryDc buffer(CreateCompatibleDC(dc));
    UniqueBitmap canvas(CreateCompatibleBitmap(dc, width, height));
    SelectedObject canvasSelected(buffer.Get(), canvas.Get());
    UniqueBrush brush(CreateSolidBrush(back_));
    FillRect(buffer.Get(), &client, brush.Get());
    SelectedObject fontSelected(buffer.Get(), font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(buffer.Get(), TRANSPARENT);
    SetTextColor(buffer.Get(), text_);
    if (!line_.empty()) {
        if (lineWidth_ == 0) {
            SIZE size{};
            GetTextExtentPoint32W(buffer.Get(), line_.c_str(), static_cast<int>(line_.size()),
                                  &size);
            lineWidth_ = size.cx > 0 ? size.cx : 1;
        }
        // The line enters from the right, then repeats seamlessly (it ends with a separator).
        int x = width - offset_;
        if (x < 0)
            x = -((offset_ - width) % lineWidth_);
        for (; x < width; x += lineWidth_) {
            RECT r{x, 0, x + lineWidth_, height};
            DrawTextW(buffer.Get(), line_.c_str(), static_cast<int>(line_.size()), &r,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        }
    }
    BitBlt(dc, 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

LRESULT Ticker::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            Run(wParam != FALSE);
            break;
        case WM_CREATE:
            Run(true);
            return 0;
        case WM_DESTROY:
            Run(false);
            return 0;
        case WM_TIMER:
            if (wParam == kTickTimer) {
                offset_ += 1;
                RECT client;
                GetClientRect(Handle(), &client);
                if (lineWidth_ > 0 && offset_ > client.right + 100 * lineWidth_)
                    offset_ = client.right + (offset_ - client.right) % lineWidth_;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            Paint(PaintDc(Handle()).Get());
            return 0;
        }
        default:
            break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace ui
