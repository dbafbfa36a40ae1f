#include "app/program_runner.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/shell_execute.h"
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
    return platform::RunAndWait(program, parameters, pump);
}

bool OpenDocument(const std::string& document) {
    return StartProgram(document, "", "");
}
