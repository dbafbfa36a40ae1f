#include "platform/protected_storage.h"

#include <windows.h>
#include <objbase.h>
#include <pstore.h>

#include "platform/text.h"
#include "platform/module_exports.h"

namespace platform {

namespace {

// {E161255A-37C3-11D2-BCAA-00C04FD929DB}: the AutoComplete type, and its subtype.
const GUID kAutoCompleteType = {
    0xE161255A, 0x37C3, 0x11D2, {0xBC, 0xAA, 0x00, 0xC0, 0x4F, 0xD9, 0x29, 0xDB}};

using CreateInstanceFn = HRESULT(WINAPI*)(IPStore**, PST_PROVIDERID*, void*, DWORD);

std::function<void*()>& CreationOverride() {
    static std::function<void*()> create;
    return create;
}

// The library, loaded at the first use and kept for the life of the process.
CreateInstanceFn CreateInstance() {
    static HINSTANCE library = nullptr;
    if (reinterpret_cast<UINT_PTR>(library) < 32)
        library = CoLoadLibrary(const_cast<LPOLESTR>(L"PSTOREC.DLL"), TRUE);
    if (reinterpret_cast<UINT_PTR>(library) < 32)
        return nullptr;
    return ExportOf<CreateInstanceFn>(library, "PStoreCreateInstance");
}

IPStore* Store(void* p) {
    return static_cast<IPStore*>(p);
}
IEnumPStoreItems* Enumeration(void* p) {
    return static_cast<IEnumPStoreItems*>(p);
}

}  // namespace

void OverrideProtectedStoreCreationForTests(std::function<void*()> create) {
    CreationOverride() = std::move(create);
}

AutoCompleteStorage::AutoCompleteStorage() {
    if (CreationOverride()) {
        store_ = CreationOverride()();
        return;
    }
    CreateInstanceFn create = CreateInstance();
    IPStore* store = nullptr;
    if (create && SUCCEEDED(create(&store, nullptr, nullptr, 0)) && store)
        store_ = store;
}

AutoCompleteStorage::~AutoCompleteStorage() {
    if (enumeration_)
        Enumeration(enumeration_)->Release();
    if (store_)
        Store(store_)->Release();
    CoFreeUnusedLibraries();
}

bool AutoCompleteStorage::StartEnumeration() {
    if (!store_)
        return false;
    if (enumeration_)
        Enumeration(enumeration_)->Release();
    enumeration_ = nullptr;
    IEnumPStoreItems* items = nullptr;
    if (FAILED(Store(store_)->EnumItems(PST_KEY_CURRENT_USER, &kAutoCompleteType,
                                        &kAutoCompleteType, 0, &items)) ||
        !items)
        return false;
    enumeration_ = items;
    return true;
}

bool AutoCompleteStorage::NextName(std::string& name) {
    if (!enumeration_)
        return false;
    LPWSTR fetchedName = nullptr;
    DWORD fetched = 0;
    HRESULT result = Enumeration(enumeration_)->Next(1, &fetchedName, &fetched);
    if (fetchedName) {
        name = WideToUtf8(fetchedName);
        CoTaskMemFree(fetchedName);
    }
    return result == S_OK && fetched == 1 && fetchedName;
}

std::optional<std::uint32_t> AutoCompleteStorage::ReadSize(const std::string& name) {
    if (!store_)
        return std::nullopt;
    DWORD size = 0;
    BYTE* data = nullptr;
    HRESULT result =
        Store(store_)->ReadItem(PST_KEY_CURRENT_USER, &kAutoCompleteType, &kAutoCompleteType,
                                Utf8ToWide(name).c_str(), &size, &data, nullptr, 0);
    if (data)
        CoTaskMemFree(data);  // the contents are never looked at
    if (FAILED(result))
        return std::nullopt;
    return size;
}

bool AutoCompleteStorage::Delete(const std::string& name) {
    return store_ && SUCCEEDED(Store(store_)->DeleteItem(PST_KEY_CURRENT_USER, &kAutoCompleteType,
                                                         &kAutoCompleteType,
                                                         Utf8ToWide(name).c_str(), nullptr, 0));
}

}  // namespace platform
