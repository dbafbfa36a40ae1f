// File masks come from user objects and the plug-in file, which anyone can edit: any mask and
// name must be matched without fault, and a mask never matches a name the same mask with every
// letter in the other case would not.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/file_mask.h"
#include "platform/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.find('\n');
    std::string_view mask = split == std::string_view::npos ? input : input.substr(0, split);
    std::string_view name = split == std::string_view::npos ? "" : input.substr(split + 1);
    bool matches = FileMaskMatches(mask, name);
    if (matches != FileMaskMatches(platform::LowerAscii(mask), platform::LowerAscii(name)))
        __builtin_trap();
    return 0;
}
