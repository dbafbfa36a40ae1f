#pragma once
// The Windows history washers: the MRU lists of the Run box, the searches, the common file
// dialogs, the documents, network drives, printer ports, Media Player, Regedit, the Start menu
// order, Telnet and UserAssist.
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddWindowsHistoryWashers(WasherTable& table);
