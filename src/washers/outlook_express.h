#pragma once
// The Outlook Express washers: the mail boxes chosen on the "Outlook Express Mail" list and
// the "cleanup.log" files of the store folders. Both refuse while Outlook Express runs.
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddOutlookExpressWashers(WasherTable& table);
