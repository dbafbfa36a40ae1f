#include "platform/shell_execute.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/handles.h"
#include "platform/text.h"

namespace platform {

bool ShellExecuteOpen(const std::string& file, const std::string& parameters) {
    std::wstring wideParameters = Utf8ToWide(parameters);
    HINSTANCE result = ShellExecuteW(GetDesktopWindow(), nullptr, Utf8ToWide(file).c_str(),
                                     parameters.empty() ? nullptr : wideParameters.c_str(), nullptr,
                                     SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= 32;
}

bool RunAndWait(const std::string& program, const std::string& parameters,
                const std::function<void()>& pump) {
    std::wstring file = Utf8ToWide(program);
    std::wstring params = Utf8ToWide(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A program that cannot be started is answered by the result, never by the shell's own
    // message box (a wash would wait on it).
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = file.c_str();
    info.lpParameters = params.empty() ? nullptr : params.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info))
        return false;
    UniqueFileHandle process(info.hProcess);
    if (!process)
        return true;
    HANDLE handle = process.Get();
    for (;;) {
        DWORD woken = MsgWaitForMultipleObjects(1, &handle, FALSE, INFINITE, QS_ALLINPUT);
        if (woken != WAIT_OBJECT_0 + 1)
            break;  // the program ended (or the wait failed)
        if (pump)
            pump();
        MSG quit;
        if (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            break;  // the application is ending
    }
    return true;
}

}  // namespace platform
