#pragma once
// Object detection: a wash object whose software is not on this machine cannot be washed and is
// not offered. Each entry of the catalogue is tested (built-in objects by their type's rule,
// plug-ins by their detection line, user objects are always present); an absent one is
// unticked and its row disabled. The tabs of absent objects (accepted cookies, ActiveX, mail
// boxes) are not shown. Detection only reads the registry and the files.
#include "catalogue/catalogue_ops.h"
#include "lists/detection_rules.h"

// Which tabs of the Objects page detection leaves shown.
struct ObjectsTabsShown {
    bool IECookies = true;
    bool ActiveX = true;
    bool MailBoxes = true;
};

// Whether the software of one entry is there.
bool ItemPresent(const TWashListItem& item, MachineFacts& facts);

// Tests every entry, unticks and disables the absent ones, sets each state from its selection,
// then refreshes the status list (and with it the deferred index.dat task) and repaints.
ObjectsTabsShown DetectObjects(Catalogue& catalogue, CatalogueView& view, MachineFacts& facts);

// DetectObjects() against this machine's registry and files.
ObjectsTabsShown CheckObjectsBtnClick(Catalogue& catalogue, CatalogueView& view);
