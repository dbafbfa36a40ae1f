#include "lists/mail_box_rules.h"

#include "platform/paths.h"

namespace {

using platform::LowerAscii;

// The lower-case extension with its dot (".dbx"), or "" when the file name has none.
std::string ExtensionOf(std::string_view path) {
    std::size_t slash = path.find_last_of('\\');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return LowerAscii(path.substr(dot));
}

}  // namespace

std::string MailBoxLine(const std::string& storeFolder, const std::string& fileName) {
    std::size_t dot = fileName.find_last_of('.');
    std::string name = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    return LowerAscii(name) + "=" + storeFolder + fileName;
}

std::size_t MailBoxSeparator(std::string_view line) {
    std::size_t first = line.find('=');
    for (std::size_t at = first; at != std::string_view::npos; at = line.find('=', at + 1))
        if (platform::IsAbsolutePath(line.substr(at + 1)))
            return at;
    return first;
}

std::string MailBoxName(std::string_view line) {
    return std::string(line.substr(0, MailBoxSeparator(line)));
}

std::string MailBoxPath(std::string_view line) {
    std::size_t at = MailBoxSeparator(line);
    return at == std::string_view::npos ? std::string() : std::string(line.substr(at + 1));
}

bool IsOfferedDbxFile(std::string_view fileName) {
    const std::string name = LowerAscii(fileName);
    return name != "folders.dbx" && name != "offline.dbx" && name != "pop3uidl.dbx";
}

bool AddStoreFolderOnce(std::vector<std::string>& folders, const std::string& folder) {
    if (!platform::IsAbsolutePath(folder))
        return false;  // a relative folder would be looked for under the current one
    const std::string path = platform::WithTrailingBackslash(folder);
    for (const std::string& known : folders)
        if (platform::EqualsIgnoreCase(known, path))
            return false;
    folders.push_back(path);
    return true;
}

bool MailBoxWashable(const std::vector<std::string>& storeFolders, std::string_view path) {
    const std::string extension = ExtensionOf(path);
    if (extension != ".dbx" && extension != ".mbx")
        return false;
    std::size_t slash = path.find_last_of('\\');
    if (slash == std::string_view::npos)
        return false;
    const std::string_view folder = path.substr(0, slash + 1);
    const std::string_view name = path.substr(slash + 1);
    // A name of its own before the extension, and no other folder or stream in it.
    if (name.size() <= extension.size() || name.find_first_of("/:") != std::string_view::npos)
        return false;
    for (const std::string& store : storeFolders)
        if (platform::EqualsIgnoreCase(store, folder))
            return true;
    return false;
}

std::string MbxIndexPath(std::string_view mbxPath) {
    std::size_t dot = mbxPath.find_last_of('.');
    return std::string(mbxPath.substr(0, dot)) + ".idx";
}
