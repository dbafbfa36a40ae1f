#pragma once
// The records a folder listing through an open folder handle fills a buffer with
// (FILE_ID_BOTH_DIR_INFORMATION, chained by their offsets), read without trusting the buffer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct DirectoryRecord {
    std::u16string name;       // the long name
    std::u16string shortName;  // the 8.3 name, empty when there is none
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::uint64_t fileId = 0;  // 0 when the file system gives none
};

// Appends the records of the `size` bytes at `buffer` to `records`. A record whose name no
// file can have (empty, or holding a path separator, a colon or a NUL) is skipped. False when
// the chain is damaged (a record or its name reaching past the buffer, an offset that does not
// move on); the records before the damage are kept.
bool ReadDirectoryRecords(const unsigned char* buffer, std::size_t size,
                          std::vector<DirectoryRecord>& records);

}  // namespace platform
