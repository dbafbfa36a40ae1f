#include "browsers/pstore_lines.h"

namespace {
constexpr const char* kSize = " Size=";
}

std::string PStoreItemLine(const std::string& name, std::uint32_t size) {
    return name + kSize + std::to_string(size);
}

PStoreItem ParsePStoreItemLine(const std::string& line) {
    PStoreItem item;
    std::size_t at = line.find(kSize);
    item.name = line.substr(0, at);
    if (at == std::string::npos)
        return item;
    const std::string number = line.substr(at + 6);
    item.nameCut = line.find(kSize, at + 1) != std::string::npos;
    std::uint64_t value = 0;
    for (char c : number) {
        if (c < '0' || c > '9' || value > (UINT64_MAX - 9) / 10)
            return item;  // not a number: 0
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    item.size = number.empty() ? 0 : value;
    return item;
}
