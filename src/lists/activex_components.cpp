#include "lists/activex_components.h"

#include "platform/files.h"
#include "platform/registry.h"

const char kDistributionUnitsKey[] = "Software\\Microsoft\\Code Store Database\\Distribution Units";
const char kModuleUsageKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\ModuleUsage";

namespace {

using platform::RegistryKey;

const char kActiveXCacheKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ActiveX Cache";

std::string StringValue(const RegistryKey& key, const std::string& name) {
    std::optional<platform::RegistryValue> value = key ? key.Read(name) : std::nullopt;
    return value ? value->AsString() : std::string();
}

}  // namespace

std::vector<std::string> ActiveXCacheFolders() {
    std::vector<std::string> folders;
    RegistryKey key = RegistryKey::Open(RootKey::LocalMachine, kActiveXCacheKey);
    if (!key)
        return folders;
    for (const std::string& name : key.ValueNames()) {
        const std::string folder = StringValue(key, name);
        if (!folder.empty())
            folders.push_back(platform::WithTrailingBackslash(folder));
    }
    return folders;
}

std::vector<std::string> DistributionUnitNames() {
    RegistryKey key = RegistryKey::Open(RootKey::LocalMachine, kDistributionUnitsKey);
    return key ? key.SubkeyNames() : std::vector<std::string>();
}

DistributionUnit ReadDistributionUnit(const std::string& name) {
    DistributionUnit unit;
    unit.name = name;
    RegistryKey info =
        RegistryKey::Open(RootKey::LocalMachine, std::string(kDistributionUnitsKey) + "\\" + name +
                                                     "\\DownloadInformation");
    unit.hasDownloadInformation = info.IsOpen();
    unit.osd = StringValue(info, "OSD");
    unit.osdExists = !unit.osd.empty() && platform::FileExists(unit.osd);
    unit.inf = StringValue(info, "INF");
    unit.infExists = !unit.inf.empty() && platform::FileExists(unit.inf);
    if (LooksLikeClassId(name))
        unit.friendlyName =
            StringValue(RegistryKey::Open(RootKey::ClassesRoot, "CLSID\\" + name), "");
    return unit;
}

std::vector<DistributionUnit> ReadDistributionUnits() {
    std::vector<DistributionUnit> units;
    for (const std::string& name : DistributionUnitNames())
        units.push_back(ReadDistributionUnit(name));
    return units;
}

std::optional<std::string> ClassLibraryPath(const std::string& name) {
    RegistryKey key =
        RegistryKey::Open(RootKey::ClassesRoot, "CLSID\\" + name + "\\InProcServer32");
    if (!key)
        return std::nullopt;
    return StringValue(key, "");
}

std::vector<CacheEntry> CacheFolderEntries(const std::vector<std::string>& folders) {
    std::vector<CacheEntry> entries;
    for (const std::string& folder : folders)
        for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*")) {
            if (entry.IsDotEntry() ||
                KindOfCacheEntry(entry.name, entry.IsFolder()) == CacheEntryKind::DesktopIni)
                continue;
            entries.push_back(CacheEntry{entry.name, folder + entry.name});
        }
    return entries;
}
