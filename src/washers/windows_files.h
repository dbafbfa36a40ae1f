#pragma once
// The Windows file and system washers: application logs, downloaded installations, temporary
// files, the prefetch folder, log files, ".tmp" files, the clipboard, the last logged-on user
// and the swap-file setting. The recycle bins are in recycle_bins.h.
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddWindowsFileWashers(WasherTable& table);
