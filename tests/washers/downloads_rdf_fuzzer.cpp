// Fuzzes the downloads.rdf reader: every path it yields is a plain absolute file path.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "washers/downloads_rdf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string& resource : DownloadedFileResources(text)) {
        std::optional<std::string> path = FileAddressToPath(resource);
        if (!path)
            continue;
        // A drive letter, a colon, a backslash, and no way out of the folders named.
        if (path->size() < 4 || (*path)[1] != ':' || (*path)[2] != '\\' ||
            path->find("\\..\\") != std::string::npos || path->find("\\\\") != std::string::npos ||
            path->find_first_of("*?") != std::string::npos || path->back() == '\\')
            std::abort();
    }
    FileAddressToPath(text);
    return 0;
}
