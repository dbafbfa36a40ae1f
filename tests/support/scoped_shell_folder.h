#pragma once
// Points one value of the current user's "Shell Folders" key (such as "Recent" or "Cache") at a
// sandbox folder for one test, and puts the old value back afterwards.
#include <optional>
#include <string>

#include "platform/root_key.h"

namespace testing_support {

class ScopedShellFolder {
  public:
    ScopedShellFolder(std::string valueName, const std::string& folder);
    // The same under `root` (HKLM holds the "Common ..." values); no folder removes the value.
    ScopedShellFolder(RootKey root, std::string valueName, std::optional<std::string> folder);
    ~ScopedShellFolder();
    ScopedShellFolder(const ScopedShellFolder&) = delete;
    ScopedShellFolder& operator=(const ScopedShellFolder&) = delete;

    static const char* KeyPath();

  private:
    RootKey root_ = RootKey::CurrentUser;
    std::string valueName_;
    std::optional<std::string> previous_;
};

}  // namespace testing_support
