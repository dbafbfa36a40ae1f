// Any name and any caption (another program chooses its caption) keep the list consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "browsers/browser_window_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    BrowserWindowList::WindowOfName(text);
    BrowserWindowList list;
    std::uint32_t handle = 1;
    for (std::size_t i = 0; i + 1 < text.size(); i += 7) {
        handle = handle * 31 + static_cast<std::uint8_t>(text[i]);
        list.AddIfAbsent(handle & 0xFF, "class", text.substr(i));
        if (!list.Contains(handle & 0xFF) && (handle & 0xFF) != 0)
            std::abort();
    }
    for (const std::string& line : list.Lines())
        if (!list.Contains(BrowserWindowList::WindowOfName(line.substr(0, line.find('=')))))
            std::abort();
    list.Prune([](std::uint32_t h) { return (h & 1) != 0; });
    for (const std::string& line : list.Lines())
        if ((BrowserWindowList::WindowOfName(line.substr(0, 9)) & 1) == 0)
            std::abort();
    return 0;
}
