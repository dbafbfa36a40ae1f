#include "washers/mru_list.h"

#include "catalogue/root_key_names.h"
#include "engine/size_text.h"
#include "platform/registry.h"
#include "washers/washer_rules.h"

namespace {

using platform::RegistryKey;
using platform::RegistryValue;

RegistryKey OpenListKey(RootKey root, const std::string& keyPath) {
    return RegistryKey::Open(root, keyPath, platform::reg_access::kQuerySetCreateEnum);
}

std::string Quoted(const std::string& text) {
    return " \"" + text + "\"";
}

// Reports, deletes (in a real wash) and counts one value. A value that cannot be deleted is
// not counted.
void DeleteListValue(WashScope& scope, RegistryKey& key, const std::string& text,
                     const std::string& name, const RegistryValue& value, MruDataShown shown) {
    if (scope.Testing()) {
        std::string data = shown == MruDataShown::Data ? Quoted(value.AsString()) : "";
        scope.Report(WashActionKind::Delete, text + data + " " + FormatSizeText(value.Size()));
    } else {
        scope.Report(WashActionKind::Delete, text);
        if (!key.DeleteValue(name))
            return;
    }
    scope.Count(value.Size());
}

}  // namespace

void WashMruList(WashScope& scope, RootKey root, const std::string& keyPath, MruDataShown shown) {
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    std::optional<RegistryValue> list = key.Read("MRUList");
    const std::string mruList = list ? list->AsString() : std::string();
    for (const std::string& name : MruListNames(mruList)) {
        if (std::optional<RegistryValue> value = key.Read(name))
            DeleteListValue(scope, key, path + name, name, *value, shown);
    }
    if (mruList.empty())
        return;
    const std::size_t length = CharacterCount(mruList);
    if (scope.Testing()) {
        scope.Report(WashActionKind::Clear,
                     path + "MRUList" + Quoted(mruList) + " " + FormatSizeText(length));
    } else {
        scope.Report(WashActionKind::Clear, path + "MRUList");
        if (!key.WriteString("MRUList", ""))
            return;  // still holding its list: nothing was cleared
    }
    scope.Count(length);
}

void WashNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                      const std::string& prefix) {
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    // The number always moves on, so a value that cannot be deleted is passed, not retried.
    for (unsigned long number = 0;; ++number) {
        const std::string name = prefix + std::to_string(number);
        std::optional<RegistryValue> value = key.Read(name);
        if (!value)
            break;
        DeleteListValue(scope, key, path + name, name, *value, MruDataShown::Data);
    }
}
