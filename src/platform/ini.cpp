#include "platform/ini.h"

#include <windows.h>

#include <cwctype>
#include <optional>
#include <string_view>

#include "platform/files.h"
#include "platform/text.h"

namespace platform {
namespace {

const std::string kUtf16Bom("\xFF\xFE", 2);
const std::string kUtf16BigEndianBom("\xFE\xFF", 2);
const std::string kUtf8Bom("\xEF\xBB\xBF", 3);

bool StartsWith(const std::string& bytes, const std::string& prefix) {
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

std::wstring AnsiToWide(const std::string& bytes) {
    const int size = static_cast<int>(bytes.size());
    int needed = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0)
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), needed);
    return wide;
}

// The file as UTF-16 with its byte-order mark: written beside it, then put in its place, so
// a failed write leaves the old file whole.
bool ReplaceWithUtf16(const std::string& file, const std::wstring& text) {
    const std::string temporary = file + ".utf16";
    std::string bytes = kUtf16Bom;
    bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
    if (!WriteWholeFile(temporary, bytes)) {
        DeleteFileW(Utf8ToWide(temporary).c_str());
        return false;
    }
    if (MoveFileExW(Utf8ToWide(temporary).c_str(), Utf8ToWide(file).c_str(),
                    MOVEFILE_REPLACE_EXISTING) != 0)
        return true;
    DeleteFileW(Utf8ToWide(temporary).c_str());
    return false;
}

// A file that starts with the UTF-16 byte-order mark is kept in UTF-16 by the system's INI
// routines, on Windows as under Wine; any other file is written in the ANSI code page, where a
// name outside that page comes back as "?". So a missing file is made with the mark, and a file
// without one (made by an installer or by hand) is turned into UTF-16 once, its text read in
// the ANSI code page (or as UTF-8 behind a UTF-8 mark).
bool MakeUnicodeIniFile(const std::string& file) {
    if (!PathExists(file))
        return WriteWholeFile(file, kUtf16Bom);
    std::optional<std::string> bytes = ReadWholeFile(file);
    if (!bytes)
        return false;
    if (StartsWith(*bytes, kUtf16Bom) || StartsWith(*bytes, kUtf16BigEndianBom))
        return true;
    if (StartsWith(*bytes, kUtf8Bom))
        return ReplaceWithUtf16(file, Utf8ToWide(std::string_view(*bytes).substr(kUtf8Bom.size())));
    return ReplaceWithUtf16(file, AnsiToWide(*bytes));
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
    if (newFile == IniNewFile::Unicode && !FolderOfPath(file).empty())
        MakeUnicodeIniFile(file);  // when this fails, the write goes on as the system does it
    return WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(key).c_str(),
                                      Utf8ToWide(value).c_str(), Utf8ToWide(file).c_str()) != 0;
}

bool EraseIniSection(const std::string& file, const std::string& section) {
    if (!PathExists(file))
        return true;  // nothing to erase; do not create the file
    return WritePrivateProfileStringW(Utf8ToWide(section).c_str(), nullptr, nullptr,
                                      Utf8ToWide(file).c_str()) != 0;
}

namespace {

// The null-separated list the system gives for a NULL key (the keys of `section`) or a NULL
// section (the section names).
std::vector<std::string> NameList(const wchar_t* section, const std::string& file) {
    std::wstring wideFile = Utf8ToWide(file);
    std::wstring buffer(4096, L'\0');
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileStringW(section, nullptr, L"", buffer.data(),
                                          static_cast<DWORD>(buffer.size()), wideFile.c_str());
        // The system answers size - 2 when the list did not fit.
        if (length + 2 < buffer.size() || buffer.size() >= (1u << 24))
            break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < length) {
        std::size_t end = buffer.find(L'\0', start);
        if (end == std::wstring::npos || end > length)
            end = length;
        if (end > start)
            names.push_back(WideToUtf8(std::wstring_view(buffer.data() + start, end - start)));
        start = end + 1;
    }
    return names;
}

}  // namespace

namespace {

bool SameKey(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x < 128 && y < 128) {
            x = static_cast<wchar_t>(towlower(x));
            y = static_cast<wchar_t>(towlower(y));
        }
        if (x != y)
            return false;
    }
    return true;
}

// What the system's key lookup makes of a stored value: one pair of surrounding quotes
// taken off, and no more than the program reads.
std::wstring AsReadByKey(std::wstring value) {
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    if (value.size() > kIniValueMaxChars)
        value.resize(kIniValueMaxChars);
    return value;
}

}  // namespace

IniSection::IniSection(const std::string& file, const std::string& section)
    : file_(file), section_(section) {
    std::wstring wideFile = Utf8ToWide(file);
    std::wstring wideSection = Utf8ToWide(section);
    std::wstring buffer(8192, L'\0');
    DWORD length = 0;
    for (;;) {
        length = GetPrivateProfileSectionW(wideSection.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), wideFile.c_str());
        // The system answers size - 2 when the section did not fit.
        if (length + 2 < buffer.size() || buffer.size() >= (1u << 24))
            break;
        buffer.resize(buffer.size() * 4);
    }
    std::size_t start = 0;
    while (start < length) {
        std::size_t end = buffer.find(L'\0', start);
        if (end == std::wstring::npos || end > length)
            end = length;
        std::wstring_view line(buffer.data() + start, end - start);
        std::size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos)
            entries_.push_back({std::wstring(line), L"", false});
        else
            entries_.push_back({std::wstring(line.substr(0, equals)),
                                AsReadByKey(std::wstring(line.substr(equals + 1))), true});
        start = end + 1;
    }
}

std::string IniSection::Value(const std::string& key, const std::string& fallback) const {
    if (!key.empty() && key[0] == ';')  // comment lines are left out of a section's text
        return ReadIniString(file_, section_, key, fallback);
    std::wstring wanted = Utf8ToWide(key);
    for (const Entry& entry : entries_)
        if (SameKey(entry.key, wanted))
            return entry.hasValue ? WideToUtf8(entry.value) : fallback;
    return fallback;
}

std::vector<std::string> IniSectionKeys(const std::string& file, const std::string& section) {
    return NameList(Utf8ToWide(section).c_str(), file);
}

std::vector<std::string> IniSectionNames(const std::string& file) {
    return NameList(nullptr, file);
}

}  // namespace platform
