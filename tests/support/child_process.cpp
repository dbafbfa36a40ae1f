#include "support/child_process.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/handles.h"
#include "platform/text.h"
#include "support/temp_folder.h"

namespace testing_support {
namespace {

platform::UniqueFileHandle OpenInheritable(const std::string& path, bool forWriting) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return platform::UniqueFileHandle(
        CreateFileW(platform::Utf8ToWide(path).c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                    forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

ChildProcessResult RunChildProcess(const std::string& commandLine, const std::string& input,
                                   unsigned long timeoutMs) {
    ChildProcessResult result;
    TempFolder files;
    const std::string inPath = files.AddFile("in.txt", input);
    const std::string outPath = files.Path() + "out.txt";
    const std::string errPath = files.Path() + "err.txt";
    {
        platform::UniqueFileHandle in = OpenInheritable(inPath, false);
        platform::UniqueFileHandle out = OpenInheritable(outPath, true);
        platform::UniqueFileHandle err = OpenInheritable(errPath, true);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = in.Get();
        startup.hStdOutput = out.Get();
        startup.hStdError = err.Get();
        PROCESS_INFORMATION info{};
        std::wstring line = platform::Utf8ToWide(commandLine);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                            nullptr, &startup, &info))
            return result;
        platform::UniqueFileHandle process(info.hProcess);
        platform::UniqueFileHandle thread(info.hThread);
        result.started = true;
        if (WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
            result.timedOut = true;
            TerminateProcess(process.Get(), 1);
            WaitForSingleObject(process.Get(), INFINITE);
        }
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        result.exitCode = code;
    }
    result.output = platform::ReadWholeFile(outPath).value_or("");
    result.errors = platform::ReadWholeFile(errPath).value_or("");
    return result;
}

}  // namespace testing_support
