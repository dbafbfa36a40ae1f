#include "platform/paths.h"

namespace platform {

std::string FolderOfPath(const std::string& path) {
    auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LastPathComponent(const std::string& path) {
    std::string trimmed = path;
    while (!trimmed.empty() && trimmed.back() == '\\')
        trimmed.pop_back();
    auto slash = trimmed.find_last_of('\\');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

bool IsAbsolutePath(std::string_view path) {
    auto separator = [](char c) { return c == '\\' || c == '/'; };
    if (path.size() >= 2 && separator(path[0]) && separator(path[1]))
        return true;
    char drive = path.empty() ? 0 : static_cast<char>(path[0] | 0x20);
    return path.size() >= 3 && drive >= 'a' && drive <= 'z' && path[1] == ':' && separator(path[2]);
}

std::string WithTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

std::string WithoutTrailingBackslash(std::string path) {
    // Drive roots keep their backslash: "C:\", and "\\?\C:\", which without it names the volume.
    auto isDriveRoot = [&] {
        return (path.size() == 3 && path[1] == ':') ||
               (path.size() == 7 && path.compare(0, 4, "\\\\?\\") == 0 && path[5] == ':');
    };
    while (!path.empty() && path.back() == '\\' && !isDriveRoot())
        path.pop_back();
    return path;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

std::string Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace platform
