#include "catalogue/root_key_names.h"

namespace {

struct RootKeyNames {
    RootKey root;
    const char* longName;
    const char* shortName;
};

constexpr RootKeyNames kNames[] = {
    {RootKey::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RootKey::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {RootKey::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RootKey::Users, "HKEY_USERS", "HKU"},
    {RootKey::PerformanceData, "HKEY_PERFORMANCE_DATA", "HKPD"},
    {RootKey::CurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
    {RootKey::DynData, "HKEY_DYN_DATA", "HKDD"},
};

const RootKeyNames* Find(RootKey root) {
    for (const RootKeyNames& names : kNames)
        if (names.root == root)
            return &names;
    return nullptr;
}

}  // namespace

std::string RootKeyName(RootKey root) {
    const RootKeyNames* names = Find(root);
    return names ? names->longName : "";
}

std::string RootKeyShortName(RootKey root) {
    const RootKeyNames* names = Find(root);
    return names ? names->shortName : "";
}

RootKey RootKeyFromName(const std::string& longName, RootKey fallback) {
    for (const RootKeyNames& names : kNames)
        if (longName == names.longName)
            return names.root;
    return fallback;
}
