#include "support/scoped_shell_folder.h"

#include "platform/paths.h"
#include "platform/registry.h"

namespace testing_support {
namespace {

platform::RegistryKey OpenShellFolders(RootKey root) {
    return platform::RegistryKey::Create(root, ScopedShellFolder::KeyPath(),
                                         platform::reg_access::kAllAccess);
}

}  // namespace

const char* ScopedShellFolder::KeyPath() {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}

ScopedShellFolder::ScopedShellFolder(std::string valueName, const std::string& folder)
    : ScopedShellFolder(RootKey::CurrentUser, std::move(valueName), folder) {}

ScopedShellFolder::ScopedShellFolder(RootKey root, std::string valueName,
                                     std::optional<std::string> folder)
    : root_(root), valueName_(std::move(valueName)) {
    platform::RegistryKey key = OpenShellFolders(root_);
    if (auto old = key.Read(valueName_))
        previous_ = old->AsString();
    if (folder)
        key.WriteString(valueName_, platform::WithoutTrailingBackslash(*folder));
    else
        key.DeleteValue(valueName_);
}

ScopedShellFolder::~ScopedShellFolder() {
    platform::RegistryKey key = OpenShellFolders(root_);
    if (previous_)
        key.WriteString(valueName_, *previous_);
    else
        key.DeleteValue(valueName_);
}

}  // namespace testing_support
