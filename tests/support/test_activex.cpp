// test_activex.dll: a control of our own that regsvr32 really registers and unregisters. It
// registers its class under HKCR\CLSID (its library: this file) and a ProgID that names the
// class; unregistering removes both. Only regsvr32 removes the ProgID, so a test can tell that
// "regsvr32 /u" ran.
#include <windows.h>

namespace {

const wchar_t kClassKey[] = L"CLSID\\{7A3C51E2-4D1B-4E0F-9C2A-5B6D7E8F9A01}";
const wchar_t kLibraryKey[] = L"CLSID\\{7A3C51E2-4D1B-4E0F-9C2A-5B6D7E8F9A01}\\InProcServer32";
const wchar_t kProgIdKey[] = L"Tidewell.TestControl";
const wchar_t kFriendlyName[] = L"Tidewell Test Control";

HMODULE ThisLibrary() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ThisLibrary), &module);
    return module;
}

bool SetDefault(const wchar_t* path, const wchar_t* text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>((lstrlenW(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

}  // namespace

extern "C" HRESULT __stdcall DllRegisterServer() {
    wchar_t library[MAX_PATH] = {};
    if (!GetModuleFileNameW(ThisLibrary(), library, MAX_PATH))
        return E_FAIL;
    bool ok = SetDefault(kClassKey, kFriendlyName) && SetDefault(kLibraryKey, library) &&
              SetDefault(kProgIdKey, kFriendlyName);
    return ok ? S_OK : E_FAIL;
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
    RegDeleteKeyW(HKEY_CLASSES_ROOT, kLibraryKey);
    RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey);
    RegDeleteKeyW(HKEY_CLASSES_ROOT, kProgIdKey);
    return S_OK;
}
