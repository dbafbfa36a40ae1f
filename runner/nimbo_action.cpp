// NimboAction.exe: started once at the next logon through the RunOnce value "Nimbo Action"
// with /t "<task file>"; destroys the index.dat files the task file lists. No window.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "engine/deferred_wash.h"
#include "platform/system.h"
#include "platform/text.h"
#include "task_runner.h"

namespace {

std::vector<std::string> Arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(platform::WideToUtf8(wide[i]));
    LocalFree(wide);
    return args;
}

}  // namespace

// Exit codes: 0 every listed file done, 1 some lines kept, 2 no task file named.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    auto taskFile = TaskFileArgument(Arguments());
    if (!taskFile)
        return 2;
    TaskRunResult result = RunTaskFile(*taskFile, platform::ProgramFolder());
    return result.kept.empty() ? 0 : 1;
}
