#include "platform/window_class.h"

#include <windows.h>

#include "platform/text.h"

namespace platform {

bool TopLevelWindowExists(const std::string& className) {
    HWND window = FindWindowW(Utf8ToWide(className).c_str(), nullptr);
    return window != nullptr && IsWindow(window);
}

}  // namespace platform
