#include "platform/shell_execute.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/text.h"

namespace platform {

bool ShellExecuteOpen(const std::string& file, const std::string& parameters) {
    std::wstring wideParameters = Utf8ToWide(parameters);
    HINSTANCE result = ShellExecuteW(GetDesktopWindow(), nullptr, Utf8ToWide(file).c_str(),
                                     parameters.empty() ? nullptr : wideParameters.c_str(), nullptr,
                                     SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= 32;
}

}  // namespace platform
