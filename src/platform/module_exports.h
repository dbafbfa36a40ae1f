#pragma once
// Functions found at run time instead of imported, so that the program still starts on a
// Windows that lacks them (Windows XP), or uses a library only when it is there.
#include <windows.h>

namespace platform {

// The export `name` of `module` as `Function`; null when the module or the export is missing.
template <typename Function>
Function ExportOf(HMODULE module, const char* name) {
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
               : nullptr;
}

// The same for a system library every process has loaded (kernel32.dll, ntdll.dll).
template <typename Function>
Function LoadedExport(const wchar_t* module, const char* name) {
    return ExportOf<Function>(GetModuleHandleW(module), name);
}

}  // namespace platform
