#include "plugin_source.h"

#include "platform/paths.h"

namespace langdb {

using platform::Trim;

std::optional<std::vector<TiDbRecord>> ParsePluginSource(const std::string& text,
                                                         const std::string& fileName,
                                                         std::string& error) {
    std::vector<TiDbRecord> records;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::string where = fileName + ":" + std::to_string(lineNumber) + ": ";
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            records.push_back({line.substr(1, line.size() - 2), ""});
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals == std::string::npos || records.empty()) {
            error = where + "expected [identifier] or name = value";
            return std::nullopt;
        }
        std::string& body = records.back().Body;
        if (!body.empty())
            body += "\r\n";
        body += Trim(line.substr(0, equals)) + "=" + Trim(line.substr(equals + 1));
    }
    return records;
}

}  // namespace langdb
