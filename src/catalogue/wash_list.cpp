#include "catalogue/wash_list.h"

#include "platform/paths.h"

StateTexts DefaultStateTexts() {
    StateTexts texts;
    for (int s = 0; s < kWashListStateCount; ++s)
        texts[s] = StateIdentifier(static_cast<TWashListState>(s));
    return texts;
}

const char* StateIdentifier(TWashListState state) {
    switch (state) {
        case wlsNone:
            return "wlsNone";
        case wlsDisabled:
            return "wlsDisabled";
        case wlsScheduled:
            return "wlsScheduled";
        case wlsWashing:
            return "wlsWashing";
        case wlsComplete:
            return "wlsComplete";
    }
    return "";
}

void ApplySelectionRule(TWashListItem& item) {
    item.State = item.Selected ? wlsNone : wlsDisabled;
}

namespace {

std::unique_ptr<TWashListItem> MakeItem(WashItemKind kind, TWashListItemType type,
                                        std::string displayName, bool selected) {
    auto item = std::make_unique<TWashListItem>();
    item->Kind = kind;
    item->ItemType = type;
    item->DisplayName = std::move(displayName);
    item->Selected = selected;
    ApplySelectionRule(*item);
    return item;
}

}  // namespace

std::unique_ptr<TWashListItem> MakeBuiltInItem(TWashListItemType type, std::string displayName,
                                               bool selected) {
    return MakeItem(WashItemKind::BuiltIn, type, std::move(displayName), selected);
}

std::unique_ptr<TWashListItem> MakePluginItem(TWashListPluginItem plugin, std::string displayName,
                                              bool selected) {
    auto item =
        MakeItem(WashItemKind::Plugin, kNonBuiltInItemType, std::move(displayName), selected);
    item->PluginItem = std::make_unique<TWashListPluginItem>(std::move(plugin));
    return item;
}

std::unique_ptr<TWashListItem> MakeUserItem(TWashListUserItem user, std::string displayName,
                                            bool selected) {
    auto item = MakeItem(WashItemKind::User, kNonBuiltInItemType, std::move(displayName), selected);
    user.Folder = platform::WithoutTrailingBackslash(user.Folder);
    item->UserItem = std::make_unique<TWashListUserItem>(std::move(user));
    return item;
}

std::unique_ptr<TWashListItem> MakeNewUserItem(const std::string& programFolder) {
    TWashListUserItem user;
    user.Folder = programFolder;
    user.IncludeSubfolders = false;
    user.PromptOnDelete = true;
    return MakeUserItem(std::move(user), "Tidewell Item", false);
}
