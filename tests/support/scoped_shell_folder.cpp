#include "support/scoped_shell_folder.h"

#include "platform/paths.h"
#include "platform/registry.h"

namespace testing_support {
namespace {

platform::RegistryKey OpenShellFolders() {
    return platform::RegistryKey::Create(RootKey::CurrentUser, ScopedShellFolder::KeyPath(),
                                         platform::reg_access::kAllAccess);
}

}  // namespace

const char* ScopedShellFolder::KeyPath() {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
}

ScopedShellFolder::ScopedShellFolder(std::string valueName, const std::string& folder)
    : valueName_(std::move(valueName)) {
    platform::RegistryKey key = OpenShellFolders();
    if (auto old = key.Read(valueName_))
        previous_ = old->AsString();
    key.WriteString(valueName_, platform::WithoutTrailingBackslash(folder));
}

ScopedShellFolder::~ScopedShellFolder() {
    platform::RegistryKey key = OpenShellFolders();
    if (previous_)
        key.WriteString(valueName_, *previous_);
    else
        key.DeleteValue(valueName_);
}

}  // namespace testing_support
