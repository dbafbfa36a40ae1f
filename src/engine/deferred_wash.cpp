#include "engine/deferred_wash.h"

#include "platform/paths.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

std::vector<std::string> ParseTaskFile(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        std::string_view line = bytes.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        // A byte order mark (an editor's) begins no path.
        while (line.substr(0, 3) == kByteOrderMark)
            line.remove_prefix(3);
        if (!platform::Trim(line).empty())
            lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string FormatTaskFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void RemoveTaskFileHeader(std::vector<std::string>& lines) {
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (*it == kIndexDatTaskHeader) {
            lines.erase(it);
            return;
        }
    }
}

bool AddTaskLine(std::vector<std::string>& lines, const std::string& path) {
    for (const std::string& line : lines)
        if (platform::EqualsIgnoreCase(line, path))
            return false;
    lines.push_back(path);
    return true;
}

std::string StartEntryText(const std::string& programFolder) {
    return programFolder + kTaskRunnerFileName + " \"/t\" \"" + programFolder +
           kIndexDatTaskFileName + "\"";
}

std::optional<std::string> TaskFileArgument(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        const std::string flag = platform::LowerAscii(args[i]);
        if ((flag == "/t" || flag == "-t") && !args[i + 1].empty())
            return args[i + 1];
    }
    return std::nullopt;
}
