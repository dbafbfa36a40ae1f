#include "context_menu.h"

#include <shellapi.h>

#include <new>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/text.h"
#include "vanish_action.h"

namespace {

LONG g_liveObjects = 0;  // the library's own count, asked by DllCanUnloadNow

constexpr const char* kVerb = "Vanish";
constexpr const wchar_t* kVerbWide = L"Vanish";

std::string LibraryFolder() {
    wchar_t path[MAX_PATH + 1] = {};
    HMODULE self = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&LibraryFolder), &self);
    DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return platform::FolderOfPath(platform::WideToUtf8(path));
}

std::vector<std::string> DroppedPaths(IDataObject* data) {
    std::vector<std::string> paths;
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (!data || FAILED(data->GetData(&format, &medium)))
        return paths;
    if (auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal))) {
        UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            UINT length = DragQueryFileW(drop, i, nullptr, 0);
            std::wstring path(length + 1, L'\0');
            DragQueryFileW(drop, i, path.data(), length + 1);
            path.resize(length);
            paths.push_back(platform::WideToUtf8(path));
        }
        GlobalUnlock(medium.hGlobal);
    }
    ReleaseStgMedium(&medium);
    return paths;
}

class VanishMenu : public IShellExtInit, public IContextMenu {
  public:
    VanishMenu() { InterlockedIncrement(&g_liveObjects); }
    virtual ~VanishMenu() { InterlockedDecrement(&g_liveObjects); }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit))
            *object = static_cast<IShellExtInit*>(this);
        else if (IsEqualIID(iid, IID_IContextMenu))
            *object = static_cast<IContextMenu*>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        ULONG left = InterlockedDecrement(&refs_);
        if (left == 0)
            delete this;
        return left;
    }

    // IShellExtInit: the selection, as the shell hands it over.
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) override {
        paths_ = DroppedPaths(data);
        if (paths_.empty())
            return E_INVALIDARG;
        texts_ = LoadVanishMenuTexts(LibraryFolder());
        return S_OK;
    }

    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT, UINT flags) override {
        if ((flags & CMF_DEFAULTONLY) || paths_.empty())
            return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
        std::wstring caption = platform::Utf8ToWide(texts_.menu);
        if (!InsertMenuW(menu, index, MF_BYPOSITION | MF_STRING, firstId, caption.c_str()))
            return HRESULT_FROM_WIN32(GetLastError());
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 1);
    }
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override {
        if (!info)
            return E_INVALIDARG;
        if (HIWORD(reinterpret_cast<ULONG_PTR>(info->lpVerb)) != 0) {
            if (lstrcmpiA(info->lpVerb, kVerb) != 0)
                return E_INVALIDARG;
        } else if (LOWORD(reinterpret_cast<ULONG_PTR>(info->lpVerb)) != 0) {
            return E_INVALIDARG;
        }
        if (!Confirmed(info->hwnd))
            return S_OK;
        VanishPaths(paths_, SavedWashLevel(LibraryFolder() + "tidewell.ini"));
        return S_OK;
    }
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT type, UINT*, CHAR* name,
                                  UINT size) override {
        if (command != 0 || !name || size == 0)
            return E_INVALIDARG;
        switch (type) {
            case GCS_VERBA:
                lstrcpynA(name, kVerb, static_cast<int>(size));
                return S_OK;
            case GCS_VERBW:
                lstrcpynW(reinterpret_cast<LPWSTR>(name), kVerbWide, static_cast<int>(size));
                return S_OK;
            case GCS_HELPTEXTA: {
                std::wstring help = platform::Utf8ToWide(texts_.helpText);
                int written = WideCharToMultiByte(CP_ACP, 0, help.c_str(), -1, name,
                                                  static_cast<int>(size), nullptr, nullptr);
                name[written > 0 ? written - 1 : 0] = '\0';  // cut to the buffer when too long
                return S_OK;
            }
            case GCS_HELPTEXTW:
                lstrcpynW(reinterpret_cast<LPWSTR>(name),
                          platform::Utf8ToWide(texts_.helpText).c_str(), static_cast<int>(size));
                return S_OK;
            default:
                return E_INVALIDARG;
        }
    }

  private:
    // One question for the whole selection.
    bool Confirmed(HWND owner) const {
        std::string question = paths_.size() == 1
                                   ? WithValue(texts_.oneQuestion, paths_.front())
                                   : WithValue(texts_.manyQuestion, std::to_string(paths_.size()));
        return MessageBoxW(owner, platform::Utf8ToWide(question).c_str(),
                           platform::Utf8ToWide(texts_.menu).c_str(),
                           MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }

    LONG refs_ = 1;
    std::vector<std::string> paths_;
    VanishMenuTexts texts_;
};

class VanishMenuFactory : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // a static object
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* menu = new (std::nothrow) VanishMenu;
        if (!menu)
            return E_OUTOFMEMORY;
        HRESULT result = menu->QueryInterface(iid, object);
        menu->Release();
        return result;
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock)
            InterlockedIncrement(&g_liveObjects);
        else
            InterlockedDecrement(&g_liveObjects);
        return S_OK;
    }
};

VanishMenuFactory g_factory;

}  // namespace

LONG LiveObjects() {
    return g_liveObjects;
}

HRESULT GetVanishMenuFactory(REFIID iid, void** object) {
    return g_factory.QueryInterface(iid, object);
}
