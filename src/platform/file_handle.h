#pragma once
// One open file for writing in place, by UTF-8 path; 64-bit sizes and positions throughout.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class OpenFile {
  public:
    OpenFile() = default;
    ~OpenFile();
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    OpenFile(OpenFile&& other) noexcept;
    OpenFile& operator=(OpenFile&& other) noexcept;

    // Opens an existing file for writing; others may go on reading and writing it. Not open
    // when the file is missing, read-only or held by someone who shares no writing.
    static OpenFile ForOverwrite(const std::string& path);

    bool IsOpen() const { return handle_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }

    std::optional<std::uint64_t> Size() const;
    bool SeekTo(std::uint64_t offset);
    // Writes at the current position; the number of bytes written (0 when the write failed).
    std::uint32_t Write(const void* data, std::uint32_t bytes);
    bool Flush();
    // Makes the current position the end of the file.
    bool SetEndHere();
    void Close();

  private:
    void* handle_ = nullptr;  // HANDLE; never INVALID_HANDLE_VALUE
};

}  // namespace platform
