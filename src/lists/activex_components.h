#pragma once
// The downloaded ActiveX components as the system records them: the distribution units under
// HKLM, the classes they register and the ActiveX cache folders.
#include <optional>
#include <string>
#include <vector>

#include "lists/activex_rules.h"

// HKLM, where Internet Explorer records what it installs.
extern const char kDistributionUnitsKey[];  // "Software\Microsoft\Code Store Database\..."
extern const char kModuleUsageKey[];        // "Software\Microsoft\Windows\...\ModuleUsage"

// The cache folders the "ActiveX Cache" values name, each with a trailing backslash, in value
// order; empty values are left out. Object detection asks whether there is any.
std::vector<std::string> ActiveXCacheFolders();

// The subkey names of the distribution units key.
std::vector<std::string> DistributionUnitNames();

// A unit's record: its download information's "OSD" and "INF" and whether they name existing
// files, and the friendly name of the class of the same name.
DistributionUnit ReadDistributionUnit(const std::string& name);
std::vector<DistributionUnit> ReadDistributionUnits();

// The default value of HKCR\CLSID\<name>\InProcServer32: the library the class runs from;
// nothing when the key does not open.
std::optional<std::string> ClassLibraryPath(const std::string& name);

// The entries of the cache folders, folder by folder; ".", ".." and "desktop.ini" left out.
std::vector<CacheEntry> CacheFolderEntries(const std::vector<std::string>& folders);
