#include "support/unix_link.h"

#include <windows.h>

#include <utility>

#include "platform/paths.h"
#include "platform/text.h"

namespace testing_support {
namespace {

// The Unix path Wine gives a Windows path (which need not exist); empty outside Wine.
std::string UnixPath(const std::string& windowsPath) {
    using GetUnixName = char*(CDECL*)(LPCWSTR);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto get = kernel ? reinterpret_cast<GetUnixName>(reinterpret_cast<void*>(
                            GetProcAddress(kernel, "wine_get_unix_file_name")))
                      : nullptr;
    if (!get)
        return {};
    std::wstring wide = platform::Utf8ToWide(platform::WithoutTrailingBackslash(windowsPath));
    char* unixName = get(wide.c_str());
    if (!unixName)
        return {};
    std::string result = unixName;
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

// Starts a Unix program ("\\?\unix\bin\ln" is how Wine starts one). Wine gives no handle
// to wait on for such a process, so callers poll for its effect.
bool StartUnix(const std::wstring& commandLine) {
    std::wstring command = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    if (process.hThread)
        CloseHandle(process.hThread);
    if (process.hProcess)
        CloseHandle(process.hProcess);
    return true;
}

// Waits up to ten seconds for the link to appear or to go.
bool LinkExistsWithin(const std::string& link, bool wanted) {
    for (int i = 0; i < 200; ++i) {
        bool exists =
            GetFileAttributesW(platform::Utf8ToWide(link).c_str()) != INVALID_FILE_ATTRIBUTES;
        if (exists == wanted)
            return true;
        Sleep(50);
    }
    return false;
}

std::wstring Quoted(const std::string& unixPath) {
    return L"\"" + platform::Utf8ToWide(unixPath) + L"\"";
}

}  // namespace

bool MakeUnixSymlink(const std::string& target, const std::string& link) {
    std::string unixTarget = UnixPath(target), unixLink = UnixPath(link);
    if (unixTarget.empty() || unixLink.empty())
        return false;
    return StartUnix(L"\\\\?\\unix\\bin\\ln -s " + Quoted(unixTarget) + L" " + Quoted(unixLink)) &&
           LinkExistsWithin(link, true);
}

bool RemoveUnixSymlink(const std::string& link) {
    std::string unixLink = UnixPath(link);
    if (unixLink.empty())
        return false;
    // -f: no question; without -r rm never enters a folder, and on a link it removes the link.
    return StartUnix(L"\\\\?\\unix\\bin\\rm -f " + Quoted(unixLink)) &&
           LinkExistsWithin(link, false);
}

namespace {

// The Unix path of the link that maps a drive letter: $WINEPREFIX/dosdevices/x:.
std::string DriveLink(char letter) {
    std::string probe = UnixPath("C:\\tidewell-probe");
    const std::string tail = "c:/tidewell-probe";
    if (probe.size() <= tail.size() || probe.compare(probe.size() - tail.size(), tail.size(), tail))
        return {};
    return probe.substr(0, probe.size() - tail.size()) + static_cast<char>(letter | 0x20) + ":";
}

bool DriveExistsWithin(char letter, bool wanted) {
    const std::wstring root = {static_cast<wchar_t>(letter), L':', L'\\'};
    for (int i = 0; i < 200; ++i) {
        if ((GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES) == wanted)
            return true;
        Sleep(50);
    }
    return false;
}

}  // namespace

bool MakeDriveLetter(char letter, const std::string& folder) {
    std::string link = DriveLink(letter), target = UnixPath(folder);
    if (link.empty() || target.empty())
        return false;
    return StartUnix(L"\\\\?\\unix\\bin\\ln -s " + Quoted(target) + L" " + Quoted(link)) &&
           DriveExistsWithin(letter, true);
}

bool RemoveDriveLetter(char letter) {
    std::string link = DriveLink(letter);
    return !link.empty() && StartUnix(L"\\\\?\\unix\\bin\\rm -f " + Quoted(link)) &&
           DriveExistsWithin(letter, false);
}

bool MakeUnixFolders(const std::string& folder, const std::string& below) {
    std::string unixFolder = UnixPath(folder);
    if (unixFolder.empty())
        return false;
    std::string tail = below;
    for (char& c : tail)
        if (c == '\\')
            c = '/';
    const std::string made = platform::WithTrailingBackslash(folder) + below;
    return StartUnix(L"\\\\?\\unix\\bin\\mkdir -p " + Quoted(unixFolder + "/" + tail)) &&
           LinkExistsWithin(made.size() < MAX_PATH ? made : "\\\\?\\" + made, true);
}

bool RemoveUnixTree(const std::string& folder) {
    std::string unixFolder = UnixPath(folder);
    // rm -r removes links as links; it never enters them.
    return !unixFolder.empty() && StartUnix(L"\\\\?\\unix\\bin\\rm -rf " + Quoted(unixFolder)) &&
           LinkExistsWithin(folder, false);
}

ScopedUnixSymlink::ScopedUnixSymlink(const std::string& target, std::string link)
    : link_(std::move(link)), made_(MakeUnixSymlink(target, link_)) {}

ScopedUnixSymlink::~ScopedUnixSymlink() {
    if (made_)
        RemoveUnixSymlink(link_);
}

}  // namespace testing_support
