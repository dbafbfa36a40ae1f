// WashRegistryKey: the registry side of the primitives.
#include <optional>
#include <set>

#include "catalogue/root_key_names.h"
#include "engine/name_rules.h"
#include "engine/primitives.h"
#include "platform/registry.h"

namespace {

using platform::RegistryKey;
using platform::RegistryValue;

struct KeyOutcome {
    bool result = false;
    bool gone = false;  // removed (in a test run: would be removed)
};

// The value as a test run lists it: its text or number in double quotes, then its size.
std::string ValueDetails(const RegistryValue& value) {
    std::string size = FormatSizeText(value.Size());
    if (value.IsString())
        return " \"" + value.AsString() + "\" " + size;
    if (value.type == platform::reg_type::kDword)
        return " \"" + std::to_string(value.AsDword()) + "\" " + size;
    return " " + size;
}

bool CanBeCleared(const RegistryValue& value) {
    return value.IsString() || value.type == platform::reg_type::kDword ||
           value.type == platform::reg_type::kBinary;
}

// The value emptied by its type: the empty text, 0, one zero byte.
RegistryValue Emptied(const RegistryValue& value) {
    RegistryValue empty;
    empty.type = value.type;
    if (value.IsString())
        empty.data.assign(sizeof(wchar_t), 0);  // the terminator alone
    else if (value.type == platform::reg_type::kDword)
        empty.data.assign(4, 0);
    else
        empty.data.assign(1, 0);
    return empty;
}

// Empties a value by its type; the size of what stays, or nothing when the write failed.
std::optional<std::size_t> WriteEmptied(RegistryKey& key, const std::string& name,
                                        const RegistryValue& value) {
    RegistryValue empty = Emptied(value);
    if (!key.Write(name, empty.type, empty.data.data(), empty.data.size()))
        return std::nullopt;
    return empty.Size();
}

// One WashRegistryKey call and its recursion over the subkeys.
class RegistryWasher {
  public:
    RegistryWasher(WashScope& scope, RootKey root, bool& prompt, bool deleteValues)
        : scope_(scope),
          root_(root),
          prompt_(prompt),
          delete_(deleteValues),
          longRoot_(RootKeyName(root)),
          shortRoot_(RootKeyShortName(root)) {}

    KeyOutcome WashRegistrySubtree(const std::string& path, const std::string& mask,
                                   const std::string& exclusions, bool deleteItself,
                                   bool includeSubkeys) {
        KeyOutcome outcome;
        if (platform::RegistryKeyIsLink(root_, path)) {
            std::string text = "Left alone " + longRoot_ + "\\" + path +
                               ": it is a registry link, which a wash never follows";
            scope_.Report(WashActionKind::Plain, text);
            scope_.QueueLogLine(text);
            return outcome;  // the key that holds it is kept
        }
        if (includeSubkeys)
            outcome.result = WashSubkeys(path, mask, exclusions, includeSubkeys);
        if (!mask.empty() && mask != "*")
            WashMatchingSubkeys(path, mask, exclusions, includeSubkeys);
        if (scope_.KeepWashing()) {
            if (RegistryKey key = Open(path))
                outcome.result = WashValues(key, path, mask, exclusions);
        }
        if (scope_.KeepWashing() && deleteItself && outcome.result)
            RemoveKeyIfEmpty(path, outcome);
        return outcome;
    }

    // The value `name` of `path` alone; false when it is missing, skipped or not deleted.
    bool WashOneValue(const std::string& path, const std::string& name) {
        if (platform::RegistryKeyIsLink(root_, path)) {
            std::string text = "Left alone " + longRoot_ + "\\" + path +
                               ": it is a registry link, which a wash never follows";
            scope_.Report(WashActionKind::Plain, text);
            scope_.QueueLogLine(text);
            return false;
        }
        RegistryKey key = Open(path);
        std::optional<RegistryValue> value = key ? key.Read(name) : std::nullopt;
        if (!value)
            return false;
        if (!scope_.Confirm(prompt_, "Delete " + longRoot_ + "\\" + path + name + " ?"))
            return false;
        return DeleteValue(key, path, name, *value);
    }

  private:
    RegistryKey Open(const std::string& path) const {
        return RegistryKey::Open(root_, path, platform::reg_access::kQuerySetCreateEnum);
    }

    std::vector<std::string> SubkeyNames(const std::string& path) const {
        RegistryKey key = Open(path);
        auto info = key.Info();
        return info && info->subkeys > 0 ? key.SubkeyNames() : std::vector<std::string>();
    }

    bool Gone(const std::string& entry) const { return gone_.count(entry) != 0; }
    static std::string ValueEntry(const std::string& path, const std::string& name) {
        return path + '\n' + name;  // '\n' cannot occur in a key path
    }

    bool WashSubkey(const std::string& path, const std::string& name, const std::string& mask,
                    const std::string& exclusions, bool includeSubkeys) {
        std::string sub = path + name + "\\";
        KeyOutcome outcome = WashRegistrySubtree(sub, mask, exclusions, delete_, includeSubkeys);
        if (outcome.gone && scope_.Testing())
            gone_.insert(sub);
        return outcome.result;
    }

    bool WashSubkeys(const std::string& path, const std::string& mask,
                     const std::string& exclusions, bool includeSubkeys) {
        bool result = false;
        for (const std::string& name : SubkeyNames(path)) {
            if (!scope_.KeepWashing())
                break;
            if (!RegistryNameExcluded(name, exclusions) && !Gone(path + name + "\\"))
                result = WashSubkey(path, name, mask, exclusions, includeSubkeys);
        }
        return result;
    }

    // A subkey whose own name fits the mask is washed whole.
    void WashMatchingSubkeys(const std::string& path, const std::string& mask,
                             const std::string& exclusions, bool includeSubkeys) {
        for (const std::string& name : SubkeyNames(path)) {
            if (!scope_.KeepWashing())
                break;
            if (!RegistryNameExcluded(name, exclusions) && RegistryNameMatches(mask, name) &&
                !Gone(path + name + "\\"))
                WashSubkey(path, name, "*", exclusions, includeSubkeys);
        }
    }

    // Every value the mask takes; ends early only on Cancel. False when a delete failed.
    bool WashValues(RegistryKey& key, const std::string& path, const std::string& mask,
                    const std::string& exclusions) {
        bool result = true;
        for (const std::string& name : key.ValueNames()) {
            if (RegistryNameExcluded(name, exclusions) || !RegistryNameMatches(mask, name) ||
                Gone(ValueEntry(path, name)))
                continue;
            std::optional<RegistryValue> value = key.Read(name);
            if (!value || (!delete_ && !CanBeCleared(*value)))
                continue;  // gone meanwhile, or a type that is left as it is
            std::string question =
                (delete_ ? "Delete " : "Clear ") + longRoot_ + "\\" + path + name + " ?";
            WashScope::Decision decision = scope_.Decide(prompt_, question);
            if (decision == WashScope::Decision::Cancel)
                break;
            if (decision == WashScope::Decision::Skip)
                continue;
            if (delete_) {
                if (!DeleteValue(key, path, name, *value))
                    result = false;  // the key will be kept
            } else {
                ClearValue(key, path, name, *value);
            }
        }
        return result;
    }

    bool DeleteValue(RegistryKey& key, const std::string& path, const std::string& name,
                     const RegistryValue& value) {
        std::string text = shortRoot_ + "\\" + path + name;
        if (scope_.Testing()) {
            scope_.Report(WashActionKind::Delete, text + ValueDetails(value));
            gone_.insert(ValueEntry(path, name));
        } else {
            scope_.Report(WashActionKind::Delete, text);
            BusyWhileDestroying busy(scope_);
            if (!key.DeleteValue(name))
                return false;
        }
        scope_.Count(value.Size());
        return true;
    }

    // A test run writes nothing, so its bytes grow by 0.
    void ClearValue(RegistryKey& key, const std::string& path, const std::string& name,
                    const RegistryValue& value) {
        std::string text = shortRoot_ + "\\" + path + name;
        if (scope_.Testing()) {
            scope_.Report(WashActionKind::Clear, text + ValueDetails(value));
            scope_.Count(0);
            return;
        }
        scope_.Report(WashActionKind::Clear, text);
        BusyWhileDestroying busy(scope_);
        std::optional<std::size_t> after = WriteEmptied(key, name, value);
        if (after)  // a value that could not be written is not counted
            scope_.Count(value.Size() > *after ? value.Size() - *after : 0);
    }

    // A test run removes nothing, so it asks whether the real run would find the key empty.
    bool IsEmpty(const std::string& path) const {
        RegistryKey key = Open(path);
        auto info = key.Info();
        if (!info)
            return false;
        if (!scope_.Testing())
            return info->subkeys == 0 && info->values == 0;
        for (const std::string& name : key.SubkeyNames())
            if (!Gone(path + name + "\\"))
                return false;
        for (const std::string& name : key.ValueNames())
            if (!Gone(ValueEntry(path, name)))
                return false;
        return true;
    }

    void RemoveKeyIfEmpty(const std::string& path, KeyOutcome& outcome) {
        if (!IsEmpty(path))
            return;  // a key that still holds something is kept
        if (!scope_.Confirm(prompt_, "Delete " + longRoot_ + "\\" + path + " ?"))
            return;
        std::string text = shortRoot_ + "\\" + path;
        if (scope_.Testing()) {
            scope_.Report(WashActionKind::Delete, text + " " + "0 Kb" + " (key)");
            outcome.gone = true;
            return;
        }
        scope_.Report(WashActionKind::Delete, text);
        BusyWhileDestroying busy(scope_);
        outcome.result = platform::DeleteRegistryLeafKey(root_, path);
        outcome.gone = outcome.result;
    }

    WashScope& scope_;
    const RootKey root_;
    bool& prompt_;
    const bool delete_;
    const std::string longRoot_;
    const std::string shortRoot_;
    std::set<std::string> gone_;  // test run only: keys ("path\") and values ("path\nname")
};

}  // namespace

namespace {

// The key path without leading and with one trailing backslash; empty (and logged) for the
// whole root key, which is never washed.
std::string WashableKeyPath(WashScope& scope, RootKey root, const std::string& keyPath) {
    std::string path = keyPath;
    while (!path.empty() && path.front() == '\\')
        path.erase(0, 1);
    if (path.empty()) {
        scope.QueueLogLine("Refused to wash the whole of " + RootKeyName(root));
        return path;
    }
    if (path.back() != '\\')
        path += '\\';
    return path;
}

}  // namespace

bool WashRegistryKey(WashScope& scope, RootKey root, const std::string& keyPath,
                     const std::string& mask, const std::string& exclusions, bool& prompt,
                     bool deleteKeyItself, bool includeSubkeys, bool deleteValues) {
    const std::string path = WashableKeyPath(scope, root, keyPath);
    if (path.empty())
        return false;
    RegistryWasher washer(scope, root, prompt, deleteValues);
    return washer.WashRegistrySubtree(path, mask, exclusions, deleteKeyItself, includeSubkeys)
        .result;
}

bool WashRegistryValue(WashScope& scope, RootKey root, const std::string& keyPath,
                       const std::string& valueName, bool& prompt) {
    const std::string path = WashableKeyPath(scope, root, keyPath);
    if (path.empty())
        return false;
    RegistryWasher washer(scope, root, prompt, true);
    return washer.WashOneValue(path, valueName);
}
