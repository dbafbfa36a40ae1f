// RefusedRegistryLink: the registry side of the rule that a wash never follows a link.
#include "catalogue/root_key_names.h"
#include "engine/primitives.h"
#include "platform/paths.h"
#include "platform/registry.h"

bool RefusedRegistryLink(WashScope& scope, RootKey root, const std::string& keyPath) {
    std::string path = keyPath;
    while (!path.empty() && path.back() == '\\')
        path.pop_back();
    if (!platform::RegistryKeyIsLink(root, path))
        return false;
    const std::string text = "Left alone " + RootKeyName(root) + "\\" + path +
                             ": it is a registry link, which a wash never follows";
    scope.Report(WashActionKind::Plain, text);
    scope.QueueLogLine(text);
    return true;
}
