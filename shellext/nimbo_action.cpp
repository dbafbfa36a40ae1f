// NimboAction.dll: the library's exports. Registration writes the handler's class and the
// "Vanish" entries for files and folders; unregistration removes exactly what it wrote.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "catalogue/registry_values.h"
#include "context_menu.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

const std::string kClassKey = "CLSID\\" + platform::WideToUtf8(kVanishMenuClassText);
const char* const kHandlerKeys[] = {
    "*\\shellex\\ContextMenuHandlers\\Vanish",
    "Directory\\shellex\\ContextMenuHandlers\\Vanish",
};

std::string LibraryPath() {
    wchar_t path[MAX_PATH + 1] = {};
    HMODULE self = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&LibraryPath), &self);
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    return length == 0 || length >= MAX_PATH ? std::string() : platform::WideToUtf8(path);
}

bool WriteText(const std::string& key, const std::string& name, const std::string& text) {
    return WriteRegistryValue(RootKey::ClassesRoot, key, "ftString", text, name);
}

}  // namespace

extern "C" {

HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kVanishMenuClass))
        return CLASS_E_CLASSNOTAVAILABLE;
    return GetVanishMenuFactory(iid, object);
}

HRESULT __stdcall DllCanUnloadNow() {
    return LiveObjects() == 0 ? S_OK : S_FALSE;
}

HRESULT __stdcall DllRegisterServer() {
    std::string library = LibraryPath();
    std::string clsid = platform::WideToUtf8(kVanishMenuClassText);
    bool ok = !library.empty() && WriteText(kClassKey, "", "Tidewell Vanish") &&
              WriteText(kClassKey + "\\InprocServer32", "", library) &&
              WriteText(kClassKey + "\\InprocServer32", "ThreadingModel", "Apartment");
    for (const char* key : kHandlerKeys)
        ok = ok && WriteText(key, "", clsid);
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT __stdcall DllUnregisterServer() {
    bool ok = true;
    for (const char* key : kHandlerKeys)
        ok = DeleteRegistryKey(RootKey::ClassesRoot, key) && ok;
    ok = DeleteRegistryKey(RootKey::ClassesRoot, kClassKey + "\\InprocServer32") && ok;
    ok = DeleteRegistryKey(RootKey::ClassesRoot, kClassKey) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

}  // extern "C"
