#include "catalogue/registry_values.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/locale.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace {

using platform::RegistryKey;
using platform::RegistryValue;

struct NamedType {
    const char* name;
    ValueFieldType type;
};

constexpr NamedType kTypeNames[] = {
    {"ftBinaryData", ValueFieldType::ftBinaryData},
    {"ftBoolean", ValueFieldType::ftBoolean},
    {"ftCurrency", ValueFieldType::ftCurrency},
    {"ftDate", ValueFieldType::ftDate},
    {"ftDateTime", ValueFieldType::ftDateTime},
    {"ftFloat", ValueFieldType::ftFloat},
    {"ftInteger", ValueFieldType::ftInteger},
    {"ftString", ValueFieldType::ftString},
    {"ftTime", ValueFieldType::ftTime},
};

// A signed 32-bit decimal number, optionally with a sign; nothing for any other text.
std::optional<std::int32_t> ParseDecimal(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> DwordOf(const std::optional<RegistryValue>& value) {
    if (!value || value->type != platform::reg_type::kDword || value->data.size() != 4)
        return std::nullopt;
    return value->AsDword();
}

std::optional<double> DateTimeOf(const std::optional<RegistryValue>& value) {
    if (!value || value->type != platform::reg_type::kBinary || value->data.size() != 8)
        return std::nullopt;
    double result;
    std::memcpy(&result, value->data.data(), 8);
    return result;
}

std::string TextOf(ValueFieldType type, const std::optional<RegistryValue>& value) {
    switch (type) {
        case ValueFieldType::ftBoolean: {
            auto n = DwordOf(value);
            return n ? (*n != 0 ? "1" : "0") : "";
        }
        case ValueFieldType::ftInteger: {
            auto n = DwordOf(value);
            return n ? std::to_string(static_cast<std::int32_t>(*n)) : "";
        }
        case ValueFieldType::ftString:
            return value && value->IsString() ? value->AsString() : "";
        case ValueFieldType::ftDate: {
            auto d = DateTimeOf(value);
            return d ? platform::LocaleShortDateText(*d) : "";
        }
        case ValueFieldType::ftDateTime: {
            auto d = DateTimeOf(value);
            return d ? platform::LocaleDateTimeText(*d) : "";
        }
        case ValueFieldType::ftTime: {
            auto d = DateTimeOf(value);
            return d ? platform::LocaleLongTimeText(*d) : "";
        }
        default:
            return "";
    }
}

bool WriteDateTime(RegistryKey& key, const std::string& name, std::optional<double> value) {
    return value && key.Write(name, platform::reg_type::kBinary, &*value, sizeof *value);
}

// Writes by kind; a text that does not convert writes nothing.
void WriteConverted(RegistryKey& key, ValueFieldType type, const std::string& text,
                    const std::string& name) {
    switch (type) {
        case ValueFieldType::ftBoolean:
            if (text == "0" || text == "1")
                key.WriteDword(name, text == "1" ? 1 : 0);
            break;
        case ValueFieldType::ftInteger:
            if (auto n = ParseDecimal(text))
                key.WriteDword(name, static_cast<std::uint32_t>(*n));
            break;
        case ValueFieldType::ftString:
            key.WriteString(name, text);
            break;
        case ValueFieldType::ftDate:
            WriteDateTime(key, name, platform::ParseLocaleShortDate(text));
            break;
        case ValueFieldType::ftDateTime:
            WriteDateTime(key, name, platform::ParseLocaleDateTime(text));
            break;
        case ValueFieldType::ftTime:
            WriteDateTime(key, name, platform::ParseLocaleLongTime(text));
            break;
        default:
            break;
    }
}

}  // namespace

ValueFieldType FieldTypeFromName(const std::string& typeName) {
    for (const NamedType& entry : kTypeNames)
        if (platform::EqualsIgnoreCase(typeName, entry.name))
            return entry.type;
    return ValueFieldType::ftUnknown;
}

std::string ReadRegistryValue(RootKey root, const std::string& keyPath, const std::string& typeName,
                              const std::string& valueName) {
    RegistryKey key = RegistryKey::Open(root, keyPath, platform::reg_access::kRead);
    if (!key)
        return {};
    return TextOf(FieldTypeFromName(typeName), key.Read(valueName));
}

bool WriteRegistryValue(RootKey root, const std::string& keyPath, const std::string& typeName,
                        const std::string& text, const std::string& valueName) {
    {
        RegistryKey key = RegistryKey::Create(root, keyPath, platform::reg_access::kWrite);
        if (key)
            WriteConverted(key, FieldTypeFromName(typeName), text, valueName);
    }
    return ReadRegistryValue(root, keyPath, typeName, valueName) == text;
}

bool DeleteRegistryValue(RootKey root, const std::string& keyPath, bool deleteEmptyKey,
                         const std::string& valueName) {
    bool removeKey = false;
    bool result = true;
    {
        RegistryKey key =
            RegistryKey::Open(root, keyPath, platform::reg_access::kQuerySetCreateEnum);
        if (!key)
            return true;  // nothing to delete
        if (key.HasValue(valueName))
            result = key.DeleteValue(valueName);
        if (deleteEmptyKey && result) {
            auto info = key.Info();
            removeKey = info && info->subkeys == 0 && key.ValueNames().empty();
        }
    }
    if (removeKey)
        platform::DeleteRegistryLeafKey(root, keyPath);
    return result;
}

bool DeleteRegistryKey(RootKey root, const std::string& keyPath) {
    if (!RegistryKeyExists(root, keyPath))
        return true;
    return platform::DeleteRegistryLeafKey(root, keyPath);
}

bool RegistryKeyExists(RootKey root, const std::string& keyPath) {
    return platform::RegistryKeyOpens(root, keyPath);
}

bool RegistryValueExists(RootKey root, const std::string& keyPath, const std::string& valueName) {
    RegistryKey key = RegistryKey::Open(root, keyPath, platform::reg_access::kRead);
    return key && key.HasValue(valueName);
}

bool RegistryKeyMentions(RootKey root, const std::string& keyPath, const std::string& text) {
    RegistryKey key = RegistryKey::Open(root, keyPath, platform::reg_access::kRead);
    if (!key)
        return false;
    for (const std::string& name : key.SubkeyNames())
        if (name.find(text) != std::string::npos)
            return true;
    for (const std::string& name : key.ValueNames())
        if (name.find(text) != std::string::npos)
            return true;
    return false;
}

bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& text, const std::string& /*typeName*/) {
    std::string folder = platform::FolderOfPath(file);
    if (!folder.empty() && !platform::FolderExists(folder) && !platform::CreateFolderTree(folder))
        return false;
    // Other programs read these files: a new one is made the way the system makes it.
    platform::WriteIniString(file, section, key, text, platform::IniNewFile::Ansi);
    return platform::ReadIniString(file, section, key, "") == text;
}
