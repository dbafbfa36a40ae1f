#include "platform/ini.h"

#include <windows.h>

#include "platform/files.h"
#include "platform/text.h"

namespace platform {
namespace {

// A new file that starts with the UTF-16 byte-order mark is kept in UTF-16 by the system's INI
// routines, on Windows as under Wine.
bool CreateUnicodeIniFile(const std::string& file) {
    return WriteWholeFile(file, std::string("\xFF\xFE", 2));
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

std::string ReadIniString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback) {
    std::wstring buffer(kIniValueMaxChars + 1, L'\0');
    DWORD length = GetPrivateProfileStringW(
        Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(), Utf8ToWide(fallback).c_str(),
        buffer.data(), static_cast<DWORD>(buffer.size()), Utf8ToWide(file).c_str());
    buffer.resize(length);
    return WideToUtf8(buffer);
}

bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value, IniNewFile newFile) {
    // A line break would let a value write lines, sections and keys of its own into the file.
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    if (newFile == IniNewFile::Unicode && !FolderOfPath(file).empty() && !PathExists(file))
        CreateUnicodeIniFile(file);  // when this fails, the write below says so
    return WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                                      Utf8ToWide(value).c_str(), Utf8ToWide(file).c_str()) != 0;
}

bool EraseIniSection(const std::string& file, const std::string& section) {
    if (!PathExists(file))
        return true;  // nothing to erase; do not create the file
    return WritePrivateProfileStringW(Utf8ToWide(section).c_str(), nullptr, nullptr,
                                      Utf8ToWide(file).c_str()) != 0;
}

std::vector<std::string> IniSectionKeys(const std::string& file, const std::string& section) {
    std::wstring wideSection = Utf8ToWide(section);
    std::wstring wideFile = Utf8ToWide(file);
    std::wstring buffer(4096, L'\0');
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileStringW(wideSection.c_str(), nullptr, L"", buffer.data(),
                                          static_cast<DWORD>(buffer.size()), wideFile.c_str());
        // The system answers size - 2 when the list did not fit.
        if (length + 2 < buffer.size() || buffer.size() >= (1u << 24))
            break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < length) {
        std::size_t end = buffer.find(L'\0', start);
        if (end == std::wstring::npos || end > length)
            end = length;
        if (end > start)
            keys.push_back(WideToUtf8(std::wstring_view(buffer.data() + start, end - start)));
        start = end + 1;
    }
    return keys;
}

}  // namespace platform
