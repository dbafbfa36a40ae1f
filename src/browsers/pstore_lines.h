#pragma once
// The text line PStoreWash keeps for each AutoComplete item: name + " Size=" + data size.
#include <cstdint>
#include <string>

std::string PStoreItemLine(const std::string& name, std::uint32_t size);

struct PStoreItem {
    std::string name;        // the text before the first " Size="
    std::uint64_t size = 0;  // the decimal number after it; 0 when it is not a number
    bool nameCut = false;    // the line holds " Size=" more than once
};
PStoreItem ParsePStoreItemLine(const std::string& line);
