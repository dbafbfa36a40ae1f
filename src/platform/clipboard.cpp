#include "platform/clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/text.h"

namespace platform {
namespace {

// Open for as short a time as possible; closed again by the destructor.
class OpenedClipboard {
  public:
    OpenedClipboard() : open_(OpenClipboard(nullptr) != 0) {}
    ~OpenedClipboard() {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

}  // namespace

bool EmptyClipboardContents() {
    OpenedClipboard clipboard;
    return clipboard.IsOpen() && EmptyClipboard();
}

bool PutTextOnClipboard(const std::string& text) {
    std::wstring wide = Utf8ToWide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, wide.c_str(), bytes);
        GlobalUnlock(memory);
    }
    OpenedClipboard clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
        GlobalFree(memory);  // the clipboard owns it only once SetClipboardData succeeded
        return false;
    }
    return true;
}

int ClipboardFormatCount() {
    return CountClipboardFormats();
}

}  // namespace platform
