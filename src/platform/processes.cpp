#include "platform/processes.h"

#include <windows.h>
#include <psapi.h>

#include "platform/handles.h"
#include "platform/text.h"

namespace platform {

namespace {

std::vector<DWORD> ProcessIds() {
    std::vector<DWORD> ids(1024);
    for (;;) {
        DWORD bytes = 0;
        if (!EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes))
            return {};
        if (bytes < ids.size() * sizeof(DWORD)) {
            ids.resize(bytes / sizeof(DWORD));
            return ids;
        }
        ids.resize(ids.size() * 2);  // the list may have been cut: ask again with more room
    }
}

std::string ModuleOf(DWORD id) {
    UniqueFileHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    if (!process)
        return "";
    std::vector<wchar_t> name(32768);
    DWORD length =
        GetModuleFileNameExW(process.Get(), nullptr, name.data(), static_cast<DWORD>(name.size()));
    return length ? WideToUtf8(std::wstring_view(name.data(), length)) : std::string();
}

}  // namespace

std::vector<RunningProcess> RunningProcesses() {
    std::vector<RunningProcess> processes;
    for (DWORD id : ProcessIds()) {
        if (id == 0)
            continue;
        std::string module = ModuleOf(id);
        if (!module.empty())
            processes.push_back(RunningProcess{id, std::move(module)});
    }
    return processes;
}

bool EndProcess(std::uint32_t id) {
    UniqueFileHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process || !TerminateProcess(process.Get(), 1))
        return false;
    // The file it runs from stays locked until the process has really gone.
    WaitForSingleObject(process.Get(), 5000);
    return true;
}

}  // namespace platform
