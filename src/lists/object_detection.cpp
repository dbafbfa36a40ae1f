#include "lists/object_detection.h"

bool ItemPresent(const TWashListItem& item, MachineFacts& facts) {
    switch (item.Kind) {
        case WashItemKind::BuiltIn:
            return RulePasses(DetectionRuleFor(item.ItemType), facts);
        case WashItemKind::Plugin:
            return item.PluginItem && !item.PluginItem->Lines.empty() &&
                   facts.PluginDetectionLineFinds(item.PluginItem->Lines.front());
        case WashItemKind::User:
            break;
    }
    return true;  // the user chose the folder: it may appear later
}

ObjectsTabsShown DetectObjects(Catalogue& catalogue, CatalogueView& view, MachineFacts& facts) {
    ObjectsTabsShown tabs;
    for (std::size_t row = 0; row < catalogue.Items.size(); ++row) {
        TWashListItem& item = *catalogue.Items[row];
        const bool present = ItemPresent(item, facts);
        item.Enabled = present;
        if (!present) {
            item.Selected = false;
            view.SetRowChecked(row, false);
        }
        ApplySelectionRule(item);
        if (item.IsBuiltIn(wlitIE_Cookies))
            tabs.IECookies = present;
        else if (item.IsBuiltIn(wlitIE_Downloaded_Program_Files))
            tabs.ActiveX = present;
        else if (item.IsBuiltIn(wlitOE_Mail_Boxes))
            tabs.MailBoxes = present;
    }
    RefreshWashList(catalogue, view);
    view.RepaintWashingList();
    return tabs;
}
