// Stands in for an uninstaller: writes what it was started with (the parameters, then the
// current folder) into "recorded.txt" beside itself, and ends.
#include <windows.h>

#include <string>

namespace {

std::wstring ParametersOf(const wchar_t* commandLine) {
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p)
            ++p;
    } else {
        while (*p && *p != L' ')
            ++p;
    }
    if (*p == L' ')
        ++p;
    return p;
}

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    wchar_t module[MAX_PATH] = {}, folder[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    GetCurrentDirectoryW(MAX_PATH, folder);
    std::wstring record = module;
    record = record.substr(0, record.find_last_of(L'\\') + 1) + L"recorded.txt";
    std::string text = Utf8(ParametersOf(GetCommandLineW())) + "\n" + Utf8(folder) + "\n";
    HANDLE file = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
