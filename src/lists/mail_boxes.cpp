#include "lists/mail_boxes.h"

#include "catalogue/registry_values.h"
#include "catalogue/shell_folders.h"
#include "lists/mail_box_rules.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

using platform::RegistryKey;

// The identity Outlook Express uses by default, empty when there is none.
std::string DefaultIdentity() {
    RegistryKey key = RegistryKey::Open(RootKey::CurrentUser, "Identities");
    std::optional<platform::RegistryValue> value = key ? key.Read("Default User ID") : std::nullopt;
    return value ? value->AsString() : std::string();
}

void AddIdentityFolders(std::vector<std::string>& folders, const std::string& identity) {
    const std::string settings =
        "Identities\\" + identity + "\\Software\\Microsoft\\Outlook Express";
    RegistryKey key = RegistryKey::Open(RootKey::CurrentUser, settings);
    if (key)
        for (const std::string& name : key.SubkeyNames()) {
            RegistryKey sub = RegistryKey::Open(RootKey::CurrentUser, settings + "\\" + name);
            std::optional<platform::RegistryValue> root =
                sub ? sub.Read("Store Root") : std::nullopt;
            if (root)
                AddStoreFolderOnce(folders, root->AsString());
        }
    const std::string local = ResolveShellFolder(ShellFolderKind::ftLocalAppData) + "Identities\\" +
                              identity + "\\Microsoft\\Outlook Express\\";
    if (platform::FolderExists(local))
        AddStoreFolderOnce(folders, local);
}

void AddMatchingFiles(std::vector<std::string>& lines, const std::string& folder,
                      const std::string& mask, bool dbx) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + mask)) {
        if (entry.IsFolder() || entry.IsDotEntry())
            continue;
        // The system also matches short names: only the long name counts.
        const std::string name = platform::LowerAscii(entry.name);
        const std::string extension = dbx ? ".dbx" : ".mbx";
        if (name.size() <= extension.size() ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
            continue;
        if (dbx && !IsOfferedDbxFile(entry.name))
            continue;
        lines.push_back(MailBoxLine(folder, entry.name));
    }
}

}  // namespace

std::vector<std::string> IdentityStoreFolders() {
    std::vector<std::string> folders;
    const std::string identity = DefaultIdentity();
    if (!identity.empty())
        AddIdentityFolders(folders, identity);
    return folders;
}

std::vector<std::string> MailStoreFolders() {
    std::vector<std::string> folders = IdentityStoreFolders();
    const std::string root = ReadRegistryValue(
        RootKey::CurrentUser, "Software\\Microsoft\\Outlook Express", "ftString", "Store Root");
    if (!root.empty())
        AddStoreFolderOnce(folders, platform::WithTrailingBackslash(root) + "Mail\\");
    const std::string appData =
        ResolveShellFolder(ShellFolderKind::ftAppData) + "Microsoft\\Outlook Express\\Mail\\";
    if (platform::FolderExists(appData))
        AddStoreFolderOnce(folders, appData);
    return folders;
}

std::vector<std::string> FindMailBoxLines(const std::vector<std::string>& storeFolders) {
    std::vector<std::string> lines;
    for (const std::string& folder : storeFolders) {
        AddMatchingFiles(lines, folder, "*.dbx", true);
        AddMatchingFiles(lines, folder, "*.mbx", false);
    }
    return lines;
}
