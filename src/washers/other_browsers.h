#pragma once
// The washers of the browsers other than Internet Explorer: Firefox and Netscape (the Mozilla
// family), Opera, and the single-object washers of Advanced Browser, Avant, Enigma, Maxthon,
// NetCaptor and SlimBrowser.
#include "engine/washer_table.h"

// Each fills its family's slots of the table.
void AddMozillaWashers(WasherTable& table);
void AddOperaWashers(WasherTable& table);
void AddSmallBrowserWashers(WasherTable& table);

inline void AddOtherBrowserWashers(WasherTable& table) {
    AddMozillaWashers(table);
    AddOperaWashers(table);
    AddSmallBrowserWashers(table);
}
