#include "app/program_runner.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/handles.h"
#include "platform/text.h"

namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

bool StartProgram(const std::string& program, const std::string& parameters,
                  const std::string& folder) {
    std::wstring file = platform::Utf8ToWide(program);
    std::wstring params = platform::Utf8ToWide(parameters);
    std::wstring directory = platform::Utf8ToWide(folder);
    auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteW(GetDesktopWindow(), nullptr, file.c_str(),
                                                OrNull(params), OrNull(directory), SW_SHOWNORMAL));
    return result > 32;
}

bool RunAndWait(const std::string& program, const std::string& parameters,
                const std::function<void()>& pump) {
    std::wstring file = platform::Utf8ToWide(program);
    std::wstring params = platform::Utf8ToWide(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = file.c_str();
    info.lpParameters = OrNull(params);
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info))
        return false;
    platform::UniqueFileHandle process(info.hProcess);
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

bool OpenDocument(const std::string& document) {
    return StartProgram(document, "", "");
}
