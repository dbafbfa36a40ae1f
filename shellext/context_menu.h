#pragma once
// The "Vanish" context-menu handler: its class, the class factory and the library's count of
// live objects (DllCanUnloadNow).
#include <windows.h>
#include <shlobj.h>

// {6C1E2B47-9A3D-4F0B-8E52-3D7A1C90B6F4}
inline constexpr CLSID kVanishMenuClass = {
    0x6c1e2b47, 0x9a3d, 0x4f0b, {0x8e, 0x52, 0x3d, 0x7a, 0x1c, 0x90, 0xb6, 0xf4}};
inline constexpr const wchar_t* kVanishMenuClassText = L"{6C1E2B47-9A3D-4F0B-8E52-3D7A1C90B6F4}";

// Objects and locks alive in this library.
LONG LiveObjects();

// The class factory of the handler.
HRESULT GetVanishMenuFactory(REFIID iid, void** object);
