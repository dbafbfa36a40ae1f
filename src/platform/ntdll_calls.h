#pragma once
// The ntdll calls the file code uses on open handles. They are exported since Windows NT but
// not declared by every SDK, so they are looked up at run time.
#include <windows.h>

#include "platform/module_exports.h"

namespace platform::ntdll {

struct IoStatus {
    union {
        LONG status;
        void* pointer;
    };
    ULONG_PTR information;
};

using QueryInformationFile = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);
using SetInformationFile = LONG(WINAPI*)(HANDLE, IoStatus*, void*, ULONG, int);

// The ntdll export `name` as a `Function`, or null where there is none.
template <typename Function>
Function Find(const char* name) {
    return LoadedExport<Function>(L"ntdll.dll", name);
}

inline QueryInformationFile QueryInformation() {
    static const auto query = Find<QueryInformationFile>("NtQueryInformationFile");
    return query;
}

}  // namespace platform::ntdll
