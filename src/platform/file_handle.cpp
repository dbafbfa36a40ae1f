#include "platform/file_handle.h"

#include <windows.h>

#include <utility>

#include "platform/text.h"

namespace platform {

OpenFile::~OpenFile() {
    Close();
}

OpenFile::OpenFile(OpenFile&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

OpenFile OpenFile::ForOverwrite(const std::string& path) {
    OpenFile file;
    HANDLE handle =
        CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        file.handle_ = handle;
    return file;
}

std::optional<std::uint64_t> OpenFile::Size() const {
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle_ || !GetFileInformationByHandle(static_cast<HANDLE>(handle_), &info))
        return std::nullopt;
    return (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

bool OpenFile::SeekTo(std::uint64_t offset) {
    LARGE_INTEGER distance;
    distance.QuadPart = static_cast<LONGLONG>(offset);
    return handle_ && SetFilePointerEx(static_cast<HANDLE>(handle_), distance, nullptr, FILE_BEGIN);
}

std::uint32_t OpenFile::Write(const void* data, std::uint32_t bytes) {
    DWORD written = 0;
    if (!handle_ || !WriteFile(static_cast<HANDLE>(handle_), data, bytes, &written, nullptr))
        return 0;
    return written;
}

bool OpenFile::Flush() {
    return handle_ && FlushFileBuffers(static_cast<HANDLE>(handle_));
}

bool OpenFile::SetEndHere() {
    return handle_ && SetEndOfFile(static_cast<HANDLE>(handle_));
}

void OpenFile::Close() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

}  // namespace platform
