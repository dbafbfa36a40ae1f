// The text half of the contained-file rule (no system calls).
#include "engine/contained_file.h"

#include "platform/paths.h"

bool PathLiesUnder(const std::string& path, const std::string& folder) {
    if (folder.empty() || !platform::IsAbsolutePath(folder))
        return false;
    const std::string base = platform::LowerAscii(platform::WithTrailingBackslash(folder));
    const std::string lower = platform::LowerAscii(path);
    if (lower.size() <= base.size() || lower.compare(0, base.size(), base) != 0)
        return false;
    const std::string rest = path.substr(base.size());
    std::size_t start = 0;
    for (;;) {
        std::size_t end = rest.find('\\', start);
        std::string name = rest.substr(start, end == std::string::npos ? end : end - start);
        if (name.empty() || name == "." || name == ".." ||
            name.find_first_of(":*?\"<>|/") != std::string::npos)
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}
