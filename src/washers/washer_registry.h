#pragma once
// The table of washers the wash run calls, by wash object type.
#include "engine/washer_table.h"

// Every washer written so far in its type's slot; the other slots stay empty (a type without a
// washer is still marked complete by the run).
WasherTable MakeWasherTable();
