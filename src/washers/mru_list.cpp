#include "washers/mru_list.h"

#include "catalogue/root_key_names.h"
#include "engine/primitives.h"
#include "engine/size_text.h"
#include "platform/paths.h"
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

// An "MRUListEx" list (RecentDocs and its per-extension subkeys on Windows XP and later):
// binary numbers naming the values "0", "1", ..., then the end mark 0xFFFFFFFF. The named
// values go as an MRUList's do; the list is left holding only its end mark, which is how
// Windows writes an empty one, and counts as one entry with the bytes it lost.
void WashMruListEx(WashScope& scope, RegistryKey& key, const std::string& path,
                   MruDataShown shown) {
    std::optional<RegistryValue> list = key.Read("MRUListEx");
    if (!list || list->type != platform::reg_type::kBinary)
        return;
    const std::vector<std::string> names = MruListExNames(list->data);
    for (const std::string& name : names) {
        if (std::optional<RegistryValue> value = key.Read(name))
            DeleteListValue(scope, key, path + name, name, *value, shown);
    }
    if (names.empty())
        return;  // an empty list: nothing to clear
    const std::uint8_t endMark[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    const std::size_t lost = list->Size() > sizeof endMark ? list->Size() - sizeof endMark : 0;
    if (scope.Testing()) {
        scope.Report(WashActionKind::Clear, path + "MRUListEx " + FormatSizeText(lost));
    } else {
        scope.Report(WashActionKind::Clear, path + "MRUListEx");
        if (!key.Write("MRUListEx", platform::reg_type::kBinary, endMark, sizeof endMark))
            return;  // still holding its list: nothing was cleared
    }
    scope.Count(lost);
}

}  // namespace

void WashMruList(WashScope& scope, RootKey root, const std::string& keyPath, MruDataShown shown) {
    if (RefusedRegistryLink(scope, root, keyPath))
        return;
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    WashMruListEx(scope, key, path, shown);
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

namespace {

// Calls `each` with the number and value of prefix + n for n = firstNumber, firstNumber + 1,
// ... up to the first missing number. The number always moves on, so a value that cannot be
// deleted is passed, not retried.
template <typename Each>
void WalkNumberedValues(const RegistryKey& key, const std::string& prefix,
                        unsigned long firstNumber, Each each) {
    for (unsigned long number = firstNumber;; ++number) {
        std::optional<RegistryValue> value = key.Read(prefix + std::to_string(number));
        if (!value)
            break;
        each(std::to_string(number), *value);
    }
}

// One entry of a paired list: the first value and, when there is one, the second. Counted with
// the sizes of what was removed; not counted when nothing could be.
void DeleteListPair(WashScope& scope, RegistryKey& key, const std::string& path,
                    const std::string& firstName, const RegistryValue& firstValue,
                    const std::string& secondName, MruDataShown shown) {
    std::optional<RegistryValue> secondValue = key.Read(secondName);
    // The pair is listed under its second value; a lone first value under its own name.
    const std::string& listedName = secondValue ? secondName : firstName;
    const RegistryValue& listed = secondValue ? *secondValue : firstValue;
    if (scope.Testing()) {
        std::uint64_t size = firstValue.Size() + (secondValue ? secondValue->Size() : 0);
        std::string data = shown == MruDataShown::Data ? Quoted(listed.AsString()) : "";
        scope.Report(WashActionKind::Delete, path + listedName + data + " " + FormatSizeText(size));
        scope.Count(size);
        return;
    }
    scope.Report(WashActionKind::Delete, path + listedName);
    bool removedAny = false;
    std::uint64_t removed = 0;
    if (key.DeleteValue(firstName)) {
        removedAny = true;
        removed += firstValue.Size();
    }
    if (secondValue && key.DeleteValue(secondName)) {
        removedAny = true;
        removed += secondValue->Size();
    }
    if (removedAny)
        scope.Count(removed);
}

}  // namespace

void WashNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                      const std::string& prefix, unsigned long firstNumber) {
    if (RefusedRegistryLink(scope, root, keyPath))
        return;
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    WalkNumberedValues(
        key, prefix, firstNumber, [&](const std::string& number, const RegistryValue& value) {
            const std::string name = prefix + number;
            DeleteListValue(scope, key, path + name, name, value, MruDataShown::Data);
        });
}

void WashPairedNumberedList(WashScope& scope, RootKey root, const std::string& keyPath,
                            const std::string& first, const std::string& second,
                            unsigned long firstNumber, MruDataShown shown) {
    if (RefusedRegistryLink(scope, root, keyPath))
        return;
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    WalkNumberedValues(
        key, first, firstNumber, [&](const std::string& number, const RegistryValue& value) {
            DeleteListPair(scope, key, path, first + number, value, second + number, shown);
        });
}

void WashValuesNamedFrom(WashScope& scope, RootKey root, const std::string& keyPath,
                         const std::string& prefix) {
    if (RefusedRegistryLink(scope, root, keyPath))
        return;
    RegistryKey key = OpenListKey(root, keyPath);
    if (!key)
        return;
    const std::string path = RootKeyShortName(root) + "\\" + keyPath + "\\";
    for (const std::string& name : key.ValueNames()) {
        if (!scope.KeepWashing())
            break;
        if (!platform::EqualsIgnoreCase(name.substr(0, prefix.size()), prefix))
            continue;
        if (std::optional<RegistryValue> value = key.Read(name))
            DeleteListValue(scope, key, path + name, name, *value, MruDataShown::Data);
    }
}
