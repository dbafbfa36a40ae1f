#pragma once
// The catalogue's records: one entry per wash object, built-in, plug-in or user-defined.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/wash_object_types.h"
#include "platform/root_key.h"

enum TWashListState : std::uint8_t {
    wlsNone,       // selected, not part of a run yet
    wlsDisabled,   // not selected
    wlsScheduled,  // selected and waiting in the current run
    wlsWashing,    // being washed now
    wlsComplete,   // washed in this run
};
constexpr int kWashListStateCount = 5;

enum class WashItemKind : std::uint8_t { BuiltIn = 1, Plugin = 2, User = 3 };

// One parsed plug-in definition line.
struct TSchema {
    std::uint8_t Kind = 0;  // 0 none, 1 registry, 2 files
    std::uint8_t IncludeSubitems = 0;
    RootKey Root = RootKey::CurrentUser;
    std::string KeyPath;
    std::string Folder;
    std::string Mask;
    std::uint8_t Action = 0;  // 0 unspecified, 1 clear, 2 delete
};

struct TWashListUserItem {
    std::string Folder;  // without a trailing backslash
    bool IncludeSubfolders = false;
    std::string FileList;  // "description^mask|" per entry
    bool PromptOnDelete = true;
};

struct TWashListPluginItem {
    std::string Id;                  // the record identifier up to its first "|"
    std::vector<std::string> Lines;  // S0, S1, ... in order
};

struct TWashListItem {
    WashItemKind Kind = WashItemKind::BuiltIn;
    TWashListItemType ItemType = kNonBuiltInItemType;
    TWashListState State = wlsNone;
    std::unique_ptr<TWashListPluginItem> PluginItem;
    std::unique_ptr<TWashListUserItem> UserItem;
    std::string DisplayName;
    bool Selected = false;
    std::uint32_t ShownEntries = 0;
    std::uint32_t ShownKb = 0;
    // The row in the check list is enabled; object detection disables rows of absent software.
    bool Enabled = true;

    bool IsBuiltIn() const { return Kind == WashItemKind::BuiltIn; }
    bool IsBuiltIn(TWashListItemType type) const { return IsBuiltIn() && ItemType == type; }
};

// Position n is row n of the check list of wash objects.
using WashObjectList = std::vector<std::unique_ptr<TWashListItem>>;

// The five state texts, looked up once at start (language texts 10000 + state).
using StateTexts = std::array<std::string, kWashListStateCount>;
constexpr int StateTextId(TWashListState state) {
    return 10000 + state;
}
StateTexts DefaultStateTexts();
const char* StateIdentifier(TWashListState state);

// Building entries. Each applies the selection rule to its new entry.
std::unique_ptr<TWashListItem> MakeBuiltInItem(TWashListItemType type, std::string displayName,
                                               bool selected);
std::unique_ptr<TWashListItem> MakePluginItem(TWashListPluginItem plugin, std::string displayName,
                                              bool selected);
std::unique_ptr<TWashListItem> MakeUserItem(TWashListUserItem user, std::string displayName,
                                            bool selected);
// A fresh user object, as the Add button makes it before the editor opens.
std::unique_ptr<TWashListItem> MakeNewUserItem(const std::string& programFolder);

// The selection rule: the state follows the selection (the check mark is the view's part).
void ApplySelectionRule(TWashListItem& item);
