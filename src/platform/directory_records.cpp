#include "platform/directory_records.h"

#include <cstring>
#include <utility>

namespace platform {
namespace {

// FILE_ID_BOTH_DIR_INFORMATION, the same at both widths.
constexpr std::size_t kNextOffset = 0;
constexpr std::size_t kEndOfFile = 40;
constexpr std::size_t kAttributes = 56;
constexpr std::size_t kNameLength = 60;
constexpr std::size_t kShortNameLength = 68;
constexpr std::size_t kShortName = 70;
constexpr std::size_t kShortNameBytes = 24;
constexpr std::size_t kFileId = 96;
constexpr std::size_t kName = 104;

template <typename T>
T Field(const unsigned char* record, std::size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

std::u16string Text(const unsigned char* at, std::size_t bytes) {
    std::u16string text(bytes / 2, u'\0');
    if (!text.empty())
        std::memcpy(&text[0], at, text.size() * 2);
    return text;
}

bool IsFileName(const std::u16string& name) {
    return !name.empty() &&
           name.find_first_of(std::u16string(u"\\/:\0", 4)) == std::u16string::npos;
}

}  // namespace

bool ReadDirectoryRecords(const unsigned char* buffer, std::size_t size,
                          std::vector<DirectoryRecord>& records) {
    if (size == 0)
        return true;
    for (std::size_t at = 0;;) {
        if (size - at < kName)
            return false;
        const unsigned char* record = buffer + at;
        const auto next = Field<std::uint32_t>(record, kNextOffset);
        const auto nameBytes = Field<std::uint32_t>(record, kNameLength);
        const auto shortBytes = Field<std::uint8_t>(record, kShortNameLength);
        if (nameBytes % 2 != 0 || nameBytes > size - at - kName || shortBytes > kShortNameBytes ||
            shortBytes % 2 != 0 || (next != 0 && next < kName + nameBytes))
            return false;
        DirectoryRecord entry;
        entry.name = Text(record + kName, nameBytes);
        if (IsFileName(entry.name)) {
            entry.shortName = Text(record + kShortName, shortBytes);
            entry.attributes = Field<std::uint32_t>(record, kAttributes);
            entry.size = Field<std::uint64_t>(record, kEndOfFile);
            entry.fileId = Field<std::uint64_t>(record, kFileId);
            records.push_back(std::move(entry));
        }
        if (next == 0)
            return true;
        if (next > size - at)
            return false;
        at += next;
    }
}

}  // namespace platform
