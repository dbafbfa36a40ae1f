#pragma once
// The Microsoft application washers: the download folder, HTML Help, Imaging, NetMeeting,
// Paint, Scandisk and WordPad, and the Office programs of every Office version installed.
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddMicrosoftAppWashers(WasherTable& table);
