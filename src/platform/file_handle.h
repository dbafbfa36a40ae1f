#pragma once
// One open file for writing in place, by UTF-8 path; 64-bit sizes and positions throughout.
// And one file held open for its renames and its delete.
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
    // The number of names (hard links) of the file; nothing when the system cannot say.
    std::optional<std::uint32_t> NameCount() const;
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

// A file held open with delete access and full sharing (as MoveFile and DeleteFile open it),
// so that a run of renames and the delete after them open the file once instead of every time.
class FileForRenaming {
  public:
    FileForRenaming() = default;
    ~FileForRenaming();
    FileForRenaming(const FileForRenaming&) = delete;
    FileForRenaming& operator=(const FileForRenaming&) = delete;
    FileForRenaming(FileForRenaming&& other) noexcept;
    FileForRenaming& operator=(FileForRenaming&& other) noexcept;

    // Opens an existing file (not a folder, not a link's target); not open when it cannot be.
    static FileForRenaming Open(const std::string& path);

    bool IsOpen() const { return handle_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }

    // Gives the file the full path `path`; never replaces a file already there.
    bool RenameTo(const std::string& path);
    // Marks the file to be deleted when it is closed (as DeleteFile does); false when the
    // system refuses (a read-only file, for one).
    bool DeleteWhenClosed();
    void Close();

  private:
    void* handle_ = nullptr;  // HANDLE; never INVALID_HANDLE_VALUE
};

}  // namespace platform
