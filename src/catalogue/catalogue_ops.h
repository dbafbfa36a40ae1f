#pragma once
// The operations of the Objects page's check list, on the model. The window's handlers of
// the same names check the run flag and then call these.
#include <cstddef>
#include <functional>
#include <string_view>

#include "catalogue/catalogue_view.h"
#include "catalogue/wash_list.h"

struct Catalogue {
    WashObjectList Items;
    StateTexts States = DefaultStateTexts();
    bool UserObjectsChanged = false;
};

// A language text of the main window by number, with its English default.
using LangLookup = std::function<std::string(int textId, const std::string& fallback)>;
// A stored selection by settings key, with its default.
using SelectionLookup = std::function<bool(std::string_view key, bool fallback)>;

// Appends the 82 built-in objects in type order: display name = text 10100 + type (default: the
// identifier), selection from the stored key named by the identifier (default per type).
void AppendBuiltInObjects(Catalogue& catalogue, CatalogueView& view, const LangLookup& text,
                          const SelectionLookup& selected);
// The state texts: language texts 10000 + state, the identifiers by default.
StateTexts LookUpStateTexts(const LangLookup& text);

// Icon of an entry's status row.
int StatusIconIndex(const TWashListItem& item);
// "12/3 Kb"-style text of the entry's shown counters.
std::string ShownCountersText(const TWashListItem& item);
// The rows of the status list: one per selected entry, in catalogue order.
std::vector<StatusRow> ComputeStatusRows(const Catalogue& catalogue);

void RefreshWashList(Catalogue& catalogue, CatalogueView& view);
// The user ticked (or unticked) row `row`; `checked` is its new check state.
void WashingListClickCheck(Catalogue& catalogue, CatalogueView& view, std::size_t row,
                           bool checked);
void DefaultObjectsBtnClick(Catalogue& catalogue, CatalogueView& view);
void SelectAllWashingListItemsBtnClick(Catalogue& catalogue, CatalogueView& view);
void DeselectAllWashingListItemsBtnClick(Catalogue& catalogue, CatalogueView& view);
// Appends an entry and its row (catalogue construction).
void AppendToCatalogue(Catalogue& catalogue, CatalogueView& view,
                       std::unique_ptr<TWashListItem> item);
// Appends a user object made by the editor and shows it (the Add button's last step).
void AppendUserObject(Catalogue& catalogue, CatalogueView& view,
                      std::unique_ptr<TWashListItem> item);
// Removes row `row` when it is a user object (the Delete button after its question).
bool RemoveUserObject(Catalogue& catalogue, CatalogueView& view, std::size_t row);
