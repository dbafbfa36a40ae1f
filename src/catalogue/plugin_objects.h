#pragma once
// The plug-in wash objects that the records of the plug-in file define.
#include <string>
#include <vector>

#include "catalogue/record_file.h"
#include "catalogue/wash_list.h"

struct PluginObject {
    TWashListPluginItem Plugin;  // Id and the definition lines S0, S1, ...
    std::string DisplayName;
};

// Records whose identifier holds "wlitPlugin" and not "disabled", in file order. The display
// name is "DisplayName_" + the language id, else the English one, else the Id; the lines are
// S0, S1, ... up to the first missing or empty one.
std::vector<PluginObject> PluginObjectsIn(const TiDbRecFile& file, int lngId);
