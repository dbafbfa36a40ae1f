#pragma once
// The washer of plug-in objects and the reading of their definition lines.
#include <string>

#include "engine/plugin_schema.h"
#include "engine/wash_context.h"

// ParseSchemaLineWith() over this system's folders.
TSchema ParseSchemaLine(const std::string& line);

// Washes definition lines S1, S2, ... in order without asking: "R" lines through
// WashRegistryKey, "F" lines through WashFolder, "C" clears and anything else deletes. A files
// line whose folder did not resolve is refused, and the log says so.
void WashPluginObject(WashContext& ctx, TWashListItem& item, int row);

// Whether the key or folder of a definition line (the detection line S0) exists.
bool SchemaTargetExists(const TSchema& schema);
