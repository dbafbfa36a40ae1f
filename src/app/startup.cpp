#include "app/startup.h"

#include "platform/paths.h"

StartCommand FirstArgumentCommand(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return StartCommand::None;
    std::string first = platform::LowerAscii(arguments.front());
    if (first == "uninstall")
        return StartCommand::Uninstall;
    if (first == "/s")
        return StartCommand::StartHidden;
    return StartCommand::None;
}

std::optional<UninstallCommand> SplitUninstallString(
    const std::string& text, const std::function<bool(const std::string&)>& isFile) {
    if (text.empty())
        return std::nullopt;
    UninstallCommand command;
    if (text.front() == '"') {
        std::size_t closing = text.find('"', 1);
        if (closing == std::string::npos) {
            command.Program = text.substr(1);
        } else {
            command.Program = text.substr(1, closing - 1);
            // After the closing quote comes one separating character, then the parameters.
            if (closing + 2 <= text.size())
                command.Parameters = text.substr(closing + 2);
        }
    } else if (std::size_t split = text.find(" \""); split != std::string::npos) {
        command.Program = text.substr(0, split);
        command.Parameters = text.substr(text.find('"'));
    } else if (isFile && isFile(text)) {
        command.Program = text;
    } else {
        std::size_t blank = text.find(' ');
        command.Program = text.substr(0, blank);
        if (blank != std::string::npos)
            command.Parameters = text.substr(blank + 1);
    }
    if (command.Program.empty())
        return std::nullopt;
    command.Folder = platform::FolderOfPath(command.Program);
    return command;
}
