#include "tasks/open_command.h"

#include <cctype>

#include "platform/paths.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Placeholders ("%1", "%L") and quotes are not part of the program's name.
std::string Cleaned(const std::string& command) {
    std::string out;
    for (std::size_t i = 0; i < command.size(); ++i) {
        if (command[i] == '%') {
            ++i;
            continue;
        }
        if (command[i] != '"')
            out += command[i];
    }
    return platform::Trim(out);
}

}  // namespace

std::optional<ShellCommand> CommandForDocument(const std::string& command,
                                               const std::string& document) {
    std::string cleaned = Cleaned(command);
    const std::string quoted = "\"" + document + "\"";
    if (cleaned.empty()) {
        std::string upper = Upper(document);
        for (const char* kind : {".BAT", ".EXE", ".COM"})
            if (upper.find(kind) != std::string::npos)
                return ShellCommand{document, ""};
        return std::nullopt;
    }
    std::string upper = Upper(cleaned);
    for (const char* kind : {".BAT ", ".EXE ", ".COM "}) {
        std::size_t at = upper.find(kind);
        if (at == std::string::npos)
            continue;
        std::size_t end = at + 4;  // the extension, without the blank
        return ShellCommand{cleaned.substr(0, end), cleaned.substr(end + 1) + " " + quoted};
    }
    return ShellCommand{cleaned, quoted};
}
