#pragma once
// The two recycle-bin washers: one shreds the bin folders of every fixed drive itself, the
// other has the shell empty each bin.
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddRecycleBinWashers(WasherTable& table);
