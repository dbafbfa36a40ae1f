#pragma once
// Traits for the handle kinds the program owns. Only platform/ and the window code include this.
#include <windows.h>

#include "platform/unique_handle.h"

namespace platform {

struct FileHandleTraits {
    using Value = HANDLE;
    static Value None() { return INVALID_HANDLE_VALUE; }
    static bool IsNone(Value v) { return v == INVALID_HANDLE_VALUE || v == nullptr; }
    static void Close(Value v) { CloseHandle(v); }
};

struct FindHandleTraits {
    using Value = HANDLE;
    static Value None() { return INVALID_HANDLE_VALUE; }
    static bool IsNone(Value v) { return v == INVALID_HANDLE_VALUE || v == nullptr; }
    static void Close(Value v) { FindClose(v); }
};

struct RegKeyTraits {
    using Value = HKEY;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { RegCloseKey(v); }
};

struct ModuleTraits {
    using Value = HMODULE;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr; }
    static void Close(Value v) { FreeLibrary(v); }
};

using UniqueFileHandle = UniqueHandle<FileHandleTraits>;
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
using UniqueRegKey = UniqueHandle<RegKeyTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;

}  // namespace platform
