#include "engine/walk_path.h"

#include <vector>

#include "platform/paths.h"

namespace {

// The longest path the system takes in its long form.
constexpr std::size_t kLongestPath = 32767 - 8;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           platform::EqualsIgnoreCase(text.substr(0, start.size()), start);
}

// "C:" followed by a separator or nothing.
bool IsDriveSpec(std::string_view text) {
    return text.size() >= 2 && IsLetter(text[0]) && text[1] == ':' &&
           (text.size() == 2 || text[2] == '\\');
}

// Names the system opens as devices wherever they stand ("C:\temp\nul.txt" is the NUL device).
bool IsReservedDeviceName(std::string_view name) {
    std::string base = platform::LowerAscii(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "con" || base == "prn" || base == "aux" || base == "nul" || base == "conin$" ||
        base == "conout$")
        return true;
    return base.size() == 4 && (base.compare(0, 3, "com") == 0 || base.compare(0, 3, "lpt") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

// What is wrong with one name of the path, or "".
std::string NameProblem(std::string_view name) {
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|' || c == '?' ||
            c == '*')
            return "a name holds a character no folder name may hold";
    }
    if (name.back() == '.' || name.back() == ' ')
        return "a name ends in a dot or a blank, which the system reads differently";
    if (IsReservedDeviceName(name))
        return "a name is a device name";
    return {};
}

std::optional<WalkPath> Refuse(std::string* why, const std::string& text) {
    if (why)
        *why = text;
    return std::nullopt;
}

// Splits `rest` at backslashes, dropping empty names and "." and resolving "..", which never
// climbs over the first `keep` names (as the system reads "C:\.." as "C:\").
bool ResolveNames(std::string_view rest, std::size_t keep, std::vector<std::string>& names,
                  std::string& problem) {
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t end = rest.find('\\', start);
        if (end == std::string_view::npos)
            end = rest.size();
        std::string_view name = rest.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (names.size() > keep)
                names.pop_back();
            continue;
        }
        problem = NameProblem(name);
        if (!problem.empty())
            return false;
        names.emplace_back(name);
    }
    return true;
}

// The server and the share of a network path, as written: the first two names of `rest`.
bool ReadShare(std::string_view& rest, std::vector<std::string>& names, std::string& problem) {
    for (int i = 0; i < 2; ++i) {
        std::size_t end = rest.find('\\');
        std::string_view name = rest.substr(0, end);
        if (name.empty() || name == "." || name == "..")
            return (problem = "it names no network share", false);
        problem = NameProblem(name);
        if (!problem.empty())
            return false;
        names.emplace_back(name);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return true;
}

}  // namespace

std::optional<WalkPath> ParseWalkPath(std::string_view text, std::string* why) {
    if (text.empty())
        return Refuse(why, "it is empty");
    std::string path(text);
    for (char& c : path)
        if (c == '/')
            c = '\\';
    std::string_view rest = path;
    bool network = false;
    if (rest.size() >= 4 && rest.compare(0, 2, "\\\\") == 0 && (rest[2] == '?' || rest[2] == '.') &&
        rest[3] == '\\') {
        rest.remove_prefix(4);
        if (StartsWithIgnoreCase(rest, "UNC\\")) {
            rest.remove_prefix(4);
            network = true;
        } else if (!(rest.size() >= 3 && IsDriveSpec(rest))) {
            return Refuse(why, "it is a device or volume path, not a folder of a drive or share");
        }
    } else if (rest.compare(0, 2, "\\\\") == 0) {
        rest.remove_prefix(2);
        network = true;
    } else if (!(rest.size() >= 3 && IsDriveSpec(rest))) {
        return Refuse(why, "it is not a full path of a drive or network share");
    }

    WalkPath result;
    result.network = network;
    std::vector<std::string> names;
    std::string problem;
    if (network) {
        result.plain = "\\\\";
        if (!ReadShare(rest, names, problem) || !ResolveNames(rest, 2, names, problem))
            return Refuse(why, problem);
    } else {
        result.plain = std::string(rest.substr(0, 2)) + "\\";
        if (!ResolveNames(rest.substr(2), 0, names, problem))
            return Refuse(why, problem);
    }
    for (const std::string& name : names)
        result.plain += name + "\\";
    if (result.plain.size() > kLongestPath)
        return Refuse(why, "it is longer than any path the system takes");
    return result;
}

std::string LongWalkPath(const WalkPath& path) {
    return path.network ? "\\\\?\\UNC\\" + path.plain.substr(2) : "\\\\?\\" + path.plain;
}

bool IsWalkRoot(const WalkPath& path) {
    if (!path.network)
        return path.plain.size() == 3;
    std::size_t separators = 0;
    for (std::size_t i = 2; i < path.plain.size(); ++i)
        if (path.plain[i] == '\\')
            ++separators;
    return separators <= 2;
}
