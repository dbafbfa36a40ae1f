// Object detection against this machine: the registry, the files and the shell folders, read
// only. Each shell folder is read once per detection.
#include <array>
#include <optional>

#include "catalogue/registry_values.h"
#include "catalogue/shell_folders.h"
#include "engine/plugin_objects.h"
#include "lists/activex_components.h"
#include "lists/mail_boxes.h"
#include "lists/object_detection.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace {

class SystemFacts : public MachineFacts {
  public:
    bool KeyExists(RootKey root, const std::string& keyPath) override {
        return RegistryKeyExists(root, keyPath);
    }
    bool ValueExists(RootKey root, const std::string& keyPath,
                     const std::string& valueName) override {
        return RegistryValueExists(root, keyPath, valueName);
    }
    std::vector<std::string> SubkeyNames(RootKey root, const std::string& keyPath) override {
        const platform::RegistryKey key = platform::RegistryKey::Open(root, keyPath);
        return key ? key.SubkeyNames() : std::vector<std::string>();
    }
    bool FolderExists(const std::string& path) override { return platform::FolderExists(path); }
    bool FileExists(const std::string& path) override { return platform::FileExists(path); }
    std::string ShellFolder(ShellFolderKind kind) override {
        std::optional<std::string>& known = folders_.at(static_cast<std::size_t>(kind));
        if (!known)
            known = ResolveShellFolder(kind);
        return *known;
    }
    std::vector<std::string> ActiveXCacheFolders() override { return ::ActiveXCacheFolders(); }
    std::vector<std::string> IdentityStoreFolders() override { return ::IdentityStoreFolders(); }
    bool PluginDetectionLineFinds(const std::string& line) override {
        return SchemaTargetExists(ParseSchemaLine(line));
    }

  private:
    std::array<std::optional<std::string>, kShellFolderKindCount> folders_;
};

}  // namespace

ObjectsTabsShown CheckObjectsBtnClick(Catalogue& catalogue, CatalogueView& view) {
    SystemFacts facts;
    return DetectObjects(catalogue, view, facts);
}
