#include "catalogue/catalogue_ops.h"

#include <algorithm>

namespace {

void SetSelected(TWashListItem& item, std::size_t row, CatalogueView& view, bool selected) {
    item.Selected = selected;
    ApplySelectionRule(item);
    view.SetRowChecked(row, selected);
}

// Types that use Internet Explorer's stores: ticking one also ticks the IE objects below.
bool UsesInternetExplorerStores(TWashListItemType type) {
    switch (type) {
        case wlitAdvanced_Browser_History:
        case wlitAvant_Browser_History:
        case wlitEnigma_Browser_History:
        case wlitMaxthon_History:
        case wlitNetCaptor_History:
        case wlitSlim_Browser_History:
            return true;
        default:
            return false;
    }
}

bool IsInternetExplorerStore(TWashListItemType type) {
    switch (type) {
        case wlitIE_Visited_Typed_Urls:
        case wlitIE_History:
        case wlitIE_Cache:
        case wlitIE_Indexdotdat_Files:
        case wlitIE_Download_Directory:
        case wlitIE_Save_Directory:
            return true;
        default:
            return false;
    }
}

struct Question {
    TWashListItemType type;
    int textId;
    const char* english;
};

constexpr Question kQuestions[] = {
    {wlitIE_Favorites, 620001, "Are you sure you want to wash your IE Favorites?"},
    {wlitFirefox_Bookmarks, 620002, "Are you sure you want to wash your Firefox Bookmarks?"},
    {wlitNetscape_Bookmarks, 620003, "Are you sure you want to wash your Netscape Bookmarks?"},
    {wlitOpera_Bookmarks, 620004, "Are you sure you want to wash your Opera Bookmarks?"},
};

// Types that Select All leaves as they are: favourites, mail, bookmarks, recycle-bin wash.
bool KeptBySelectAll(TWashListItemType type) {
    switch (type) {
        case wlitIE_Favorites:
        case wlitOE_Mail_Boxes:
        case wlitOE_Cleanup_Log:
        case wlitFirefox_Bookmarks:
        case wlitNetscape_Bookmarks:
        case wlitOpera_Bookmarks:
        case wlitWin_RecycleBins_Wash:
            return true;
        default:
            return false;
    }
}

void RefreshAndRepaint(Catalogue& catalogue, CatalogueView& view) {
    RefreshWashList(catalogue, view);
    view.RepaintWashingList();
}

void SelectIEStores(Catalogue& catalogue, CatalogueView& view) {
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        TWashListItem& item = *catalogue.Items[row];
        if (item.IsBuiltIn() && item.Enabled && IsInternetExplorerStore(item.ItemType))
            SetSelected(item, row, view, true);
    }
    RefreshAndRepaint(catalogue, view);
}

}  // namespace

void AppendBuiltInObjects(Catalogue& catalogue, CatalogueView& view, const LangLookup& text,
                          const SelectionLookup& selected) {
    for (int i = 0; i < kBuiltInTypeCount; ++i) {
        auto type = static_cast<TWashListItemType>(i);
        const WashObjectTypeInfo& info = TypeInfo(type);
        std::string identifier(info.identifier);
        AppendToCatalogue(catalogue, view,
                          MakeBuiltInItem(type, text(DisplayNameTextId(type), identifier),
                                          selected(info.identifier, info.selectedByDefault)));
    }
}

StateTexts LookUpStateTexts(const LangLookup& text) {
    StateTexts texts;
    for (int s = 0; s < kWashListStateCount; ++s) {
        auto state = static_cast<TWashListState>(s);
        texts[s] = text(StateTextId(state), StateIdentifier(state));
    }
    return texts;
}

int StatusIconIndex(const TWashListItem& item) {
    switch (item.Kind) {
        case WashItemKind::Plugin:
            return 1;
        case WashItemKind::User:
            return 2;
        case WashItemKind::BuiltIn:
            break;
    }
    return TypeInfo(item.ItemType).iconIndex;
}

std::string ShownCountersText(const TWashListItem& item) {
    return std::to_string(item.ShownEntries) + "/" + std::to_string(item.ShownKb) + " Kb";
}

std::vector<StatusRow> ComputeStatusRows(const Catalogue& catalogue) {
    std::vector<StatusRow> rows;
    for (const auto& item : catalogue.Items) {
        if (!item->Selected)
            continue;
        rows.push_back(StatusRow{item->DisplayName, StatusIconIndex(*item),
                                 ShownCountersText(*item), catalogue.States.at(item->State)});
    }
    return rows;
}

void RefreshWashList(Catalogue& catalogue, CatalogueView& view) {
    view.ShowStatusRows(ComputeStatusRows(catalogue));
    for (const auto& item : catalogue.Items)
        if (item->IsBuiltIn(wlitIE_Indexdotdat_Files))
            view.IndexDatTaskWanted(item->Selected);
}

void WashingListClickCheck(Catalogue& catalogue, CatalogueView& view, std::size_t row,
                           bool checked) {
    if (row >= catalogue.Items.size())
        return;
    TWashListItem& item = *catalogue.Items[row];
    SetSelected(item, row, view, checked);
    if (item.Kind == WashItemKind::User)
        catalogue.UserObjectsChanged = true;
    RefreshWashList(catalogue, view);

    if (!item.Selected || !item.IsBuiltIn() || item.ItemType >= wlitWin_Application_Logs)
        return;
    switch (item.ItemType) {
        case wlitIE_Cookies:
            view.ShowObjectsTab(ObjectsTab::IECookies);
            return;
        case wlitIE_Downloaded_Program_Files:
            view.ShowObjectsTab(ObjectsTab::ActiveX);
            return;
        case wlitOE_Mail_Boxes:
            view.ShowObjectsTab(ObjectsTab::MailBoxes);
            return;
        default:
            break;
    }
    for (const Question& q : kQuestions) {
        if (q.type != item.ItemType)
            continue;
        if (!view.AskYesNo(q.textId, q.english)) {
            SetSelected(item, row, view, false);
            RefreshWashList(catalogue, view);
        }
        return;
    }
    if (UsesInternetExplorerStores(item.ItemType))
        SelectIEStores(catalogue, view);
}

void DefaultObjectsBtnClick(Catalogue& catalogue, CatalogueView& view) {
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        TWashListItem& item = *catalogue.Items[row];
        if (!item.Enabled)
            continue;
        bool selected =
            item.IsBuiltIn() ? TypeInfo(item.ItemType).selectedByDefault : item.Selected;
        SetSelected(item, row, view, selected);
    }
    RefreshAndRepaint(catalogue, view);
}

void SelectAllWashingListItemsBtnClick(Catalogue& catalogue, CatalogueView& view) {
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        TWashListItem& item = *catalogue.Items[row];
        if (!item.Enabled)
            continue;
        bool keep = item.IsBuiltIn() && KeptBySelectAll(item.ItemType);
        SetSelected(item, row, view, keep ? item.Selected : true);
    }
    RefreshAndRepaint(catalogue, view);
}

void DeselectAllWashingListItemsBtnClick(Catalogue& catalogue, CatalogueView& view) {
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        TWashListItem& item = *catalogue.Items[row];
        if (item.Enabled)
            SetSelected(item, row, view, false);
    }
    RefreshAndRepaint(catalogue, view);
}

void AppendToCatalogue(Catalogue& catalogue, CatalogueView& view,
                       std::unique_ptr<TWashListItem> item) {
    view.AppendRow(item->DisplayName, item->Selected);
    catalogue.Items.push_back(std::move(item));
}

void AppendUserObject(Catalogue& catalogue, CatalogueView& view,
                      std::unique_ptr<TWashListItem> item) {
    AppendToCatalogue(catalogue, view, std::move(item));
    RefreshWashList(catalogue, view);
    catalogue.UserObjectsChanged = true;
}

bool RemoveUserObject(Catalogue& catalogue, CatalogueView& view, std::size_t row) {
    if (row >= catalogue.Items.size() || catalogue.Items[row]->Kind != WashItemKind::User)
        return false;
    catalogue.Items.erase(catalogue.Items.begin() + static_cast<std::ptrdiff_t>(row));
    view.RemoveRow(row);
    RefreshWashList(catalogue, view);
    catalogue.UserObjectsChanged = true;
    return true;
}
