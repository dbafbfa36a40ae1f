// A listing's buffer may come from a network file system's answer. Whatever its bytes, reading
// it must not fault, and every record it gives must be a plain name inside the buffer.
#include <cstddef>
#include <cstdint>

#include "platform/directory_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<platform::DirectoryRecord> records;
    platform::ReadDirectoryRecords(data, size, records);
    std::size_t nameBytes = 0;
    for (const platform::DirectoryRecord& record : records) {
        if (record.name.empty() || record.shortName.size() > 12)
            __builtin_trap();
        for (char16_t c : record.name)
            if (c == u'\\' || c == u'/' || c == u':' || c == 0)
                __builtin_trap();
        nameBytes += record.name.size() * 2;
    }
    if (nameBytes > size)
        __builtin_trap();
    return 0;
}
