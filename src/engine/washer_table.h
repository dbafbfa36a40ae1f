#pragma once
// Which routine washes which object: one slot per built-in type, one for plug-in objects, one
// for user objects. A type without a routine gets no call and is still marked complete.
#include <array>
#include <functional>

#include "catalogue/wash_list.h"

struct WashContext;

// A washer: the run context, the entry, and the entry's row in the wash status list.
using Washer = std::function<void(WashContext& ctx, TWashListItem& item, int row)>;

struct WasherTable {
    std::array<Washer, kBuiltInTypeCount> BuiltIn;
    Washer Plugin;
    Washer User;

    // The washer for an entry, or null when there is none (or the entry lacks its record).
    const Washer* Find(const TWashListItem& item) const {
        const Washer* washer = nullptr;
        switch (item.Kind) {
            case WashItemKind::BuiltIn:
                washer = &BuiltIn.at(item.ItemType);
                break;
            case WashItemKind::Plugin:
                washer = item.PluginItem ? &Plugin : nullptr;
                break;
            case WashItemKind::User:
                washer = item.UserItem ? &User : nullptr;
                break;
        }
        return washer && *washer ? washer : nullptr;
    }
};
