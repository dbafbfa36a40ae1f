// NimboAction.exe: started once at the next logon through the RunOnce value "Nimbo Action"
// with /t "<task file>"; destroys the index.dat files the task file lists. No window.
#include <windows.h>

#include "engine/deferred_wash.h"
#include "platform/console.h"
#include "platform/system.h"
#include "task_runner.h"

// Exit codes: 0 every listed file done, 1 some lines kept, 2 no task file named.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    auto taskFile = TaskFileArgument(platform::CommandLineArguments());
    if (!taskFile)
        return 2;
    TaskRunResult result = RunTaskFile(*taskFile, platform::ProgramFolder());
    return result.kept.empty() ? 0 : 1;
}
