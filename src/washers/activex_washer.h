#pragma once
// The washer of Internet Explorer's downloaded program files (ActiveX components): every
// component and cache file that AcceptedActiveXList does not keep is uninstalled and destroyed.
#include "engine/washer_table.h"

void AddActiveXWasher(WasherTable& table);
