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

// Whether the software of a detection line (S0) is there: without a mask, its key or folder
// exists; with a mask holding "*", a subkey or value name of the key holds the text before the
// "*" (in that letter case), or a name in the folder does (in any case); with another mask, the
// key has that value or subkey, or the folder that file or subfolder. A folder left with a macro
// is never there.
bool SchemaTargetExists(const TSchema& schema);
