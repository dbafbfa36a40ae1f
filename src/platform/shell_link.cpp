#include "platform/shell_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "platform/com_ptr.h"
#include "platform/text.h"

namespace platform {
namespace {

bool MakeLink(ComPtr<IShellLinkW>& link) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.OutVoid()));
}

// The path as the persistence interface takes it: at most MAX_PATH characters.
std::wstring LinkFileName(const std::string& linkPath) {
    std::wstring wide = Utf8ToWide(linkPath);
    if (wide.size() >= MAX_PATH)
        wide.clear();
    return wide;
}

}  // namespace

bool SaveShellLink(const std::string& linkPath, const ShellLinkFields& fields) {
    std::wstring file = LinkFileName(linkPath);
    if (file.empty())
        return false;
    ComScope com;
    ComPtr<IShellLinkW> link;
    if (!MakeLink(link))
        return false;
    link->SetPath(Utf8ToWide(fields.target).c_str());
    if (!fields.arguments.empty())
        link->SetArguments(Utf8ToWide(fields.arguments).c_str());
    if (!fields.iconFile.empty())
        link->SetIconLocation(Utf8ToWide(fields.iconFile).c_str(), fields.iconIndex);
    if (!fields.workingFolder.empty())
        link->SetWorkingDirectory(Utf8ToWide(fields.workingFolder).c_str());
    link->SetHotkey(fields.hotKey);
    ComPtr<IPersistFile> persist;
    if (FAILED(link->QueryInterface(IID_IPersistFile, persist.OutVoid())))
        return false;
    return SUCCEEDED(persist->Save(file.c_str(), TRUE));
}

std::string ShellLinkTarget(const std::string& linkPath) {
    std::wstring file = LinkFileName(linkPath);
    if (file.empty())
        return {};
    ComScope com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> persist;
    if (!MakeLink(link) || FAILED(link->QueryInterface(IID_IPersistFile, persist.OutVoid())) ||
        FAILED(persist->Load(file.c_str(), STGM_READ)))
        return {};
    wchar_t target[MAX_PATH + 1] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, 0)))
        return {};
    return WideToUtf8(target);
}

}  // namespace platform
