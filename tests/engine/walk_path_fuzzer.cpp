// Folder paths come from shell-folder values, settings, plug-in lines and browser files, which
// anyone can write. Whatever the text, the path check must not fault, and what it lets through
// must be a plain drive or share path that reads back as itself, free of the parts that could
// lead a walk elsewhere (prefixes, "." and "..", streams, wildcards).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/walk_path.h"

namespace {

bool HasDotName(const std::string& plain) {
    return plain.find("\\.\\") != std::string::npos || plain.find("\\..\\") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string why;
    std::optional<WalkPath> parsed = ParseWalkPath(text, &why);
    if (!parsed) {
        if (why.empty())
            __builtin_trap();
        return 0;
    }
    const std::string& plain = parsed->plain;
    if (plain.size() < 3 || plain.back() != '\\' || HasDotName(plain) ||
        plain.find_first_of("*?\"<>|/") != std::string::npos)
        __builtin_trap();
    if (!parsed->network && (plain[1] != ':' || plain.find(':', 2) != std::string::npos))
        __builtin_trap();
    if (parsed->network &&
        (plain.compare(0, 2, "\\\\") != 0 || plain.find(':') != std::string::npos))
        __builtin_trap();
    // The plain form and the long form read back as the same folder.
    for (const std::string& again : {plain, LongWalkPath(*parsed)}) {
        std::optional<WalkPath> reparsed = ParseWalkPath(again);
        if (!reparsed || reparsed->plain != plain || reparsed->network != parsed->network)
            __builtin_trap();
    }
    return 0;
}
