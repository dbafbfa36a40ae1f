#include "platform/append_file.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/text.h"

namespace platform {

AppendFile::~AppendFile() {
    Close();
}

AppendFile::AppendFile(AppendFile&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), wasEmpty_(other.wasEmpty_) {}

AppendFile& AppendFile::operator=(AppendFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
        wasEmpty_ = other.wasEmpty_;
    }
    return *this;
}

AppendFile AppendFile::Open(const std::string& path) {
    AppendFile file;
    HANDLE handle = CreateFileW(Utf8ToWide(path).c_str(), FILE_APPEND_DATA,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr)
        return file;
    file.handle_ = handle;
    LARGE_INTEGER size{};
    file.wasEmpty_ = GetFileSizeEx(handle, &size) && size.QuadPart == 0;
    return file;
}

bool AppendFile::Append(std::string_view bytes) {
    if (!handle_)
        return false;
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(handle_), bytes.data(), chunk, &written, nullptr) ||
            written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

void AppendFile::Close() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(std::exchange(handle_, nullptr)));
}

namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
    wchar_t buffer[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 8) <= 1)
        return fallback;
    return WideToUtf8(buffer);
}

}  // namespace

std::string LocaleDateSeparator() {
    return LocaleText(LOCALE_SDATE, "/");
}

std::string LocaleTimeSeparator() {
    return LocaleText(LOCALE_STIME, ":");
}

}  // namespace platform
