#pragma once
// The washer of user objects: a folder and the file masks of its file list.
#include "engine/wash_context.h"

// Destroys the files of the entry's folder that match each mask of its file list, asking first
// when "Prompt On Delete" is set (All covers every mask). A drive root is never entered with
// its subfolders; a folder that does not exist washes nothing; one that is not a full path is
// refused and the log says so.
void WashUserObject(WashContext& ctx, TWashListItem& item, int row);
