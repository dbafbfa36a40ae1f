#include "washers/downloads_rdf.h"

#include <cstdint>

namespace {

const std::string_view kStartMarker = "<nc:file rdf:resource=\"";
const std::string_view kEndMarker = "\"/>";

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where the marker starts in the line's lower-case form (the same place in the line itself).
std::size_t FindIgnoringCase(std::string_view line, std::string_view lowerMarker) {
    if (line.size() < lowerMarker.size())
        return std::string_view::npos;
    for (std::size_t i = 0; i + lowerMarker.size() <= line.size(); ++i) {
        std::size_t k = 0;
        while (k < lowerMarker.size() && LowerAscii(line[i + k]) == lowerMarker[k])
            ++k;
        if (k == lowerMarker.size())
            return i;
    }
    return std::string_view::npos;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return std::nullopt;  // a cut-off escape
        int high = HexValue(text[i + 1]);
        int low = HexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The length of the UTF-8 sequence a lead byte begins; 0 for a byte that begins none.
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t length = SequenceLength(static_cast<std::uint8_t>(text[i]));
        if (length == 0 || length > text.size() - i)
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// "C:\dir\file.ext": a drive letter, then components that are real names.
bool IsPlainDrivePath(const std::string& path) {
    if (path.size() < 4 || path[1] != ':' || path[2] != '\\')
        return false;
    char drive = LowerAscii(path[0]);
    if (drive < 'a' || drive > 'z' || path.back() == '\\')
        return false;
    std::size_t start = 3;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string_view part(path.data() + start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' || c == '|' ||
            (c == ':' && i != 1))
            return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> DownloadedFileResources(std::string_view rdfText) {
    std::vector<std::string_view> lines = Lines(rdfText);
    std::vector<std::string> resources;
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        std::size_t at = FindIgnoringCase(*line, kStartMarker);
        if (at == std::string_view::npos)
            continue;
        std::string_view rest = line->substr(at + kStartMarker.size());
        std::size_t end = rest.find(kEndMarker);
        resources.emplace_back(end == std::string_view::npos ? std::string_view()
                                                             : rest.substr(0, end));
    }
    return resources;
}

std::optional<std::string> FileAddressToPath(std::string_view address) {
    const std::string_view scheme = "file:///";
    if (address.size() <= scheme.size() ||
        FindIgnoringCase(address.substr(0, scheme.size()), scheme) != 0)
        return std::nullopt;
    std::optional<std::string> path = PercentDecoded(address.substr(scheme.size()));
    if (!path || !IsUtf8(*path))
        return std::nullopt;
    for (char& c : *path)
        if (c == '/')
            c = '\\';
    if (path->size() >= 2 && (*path)[1] == '|')
        (*path)[1] = ':';
    if (!IsPlainDrivePath(*path))
        return std::nullopt;
    return path;
}
