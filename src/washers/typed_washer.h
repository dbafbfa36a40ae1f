#pragma once
// A washer that serves several objects of one browser and chooses its work by the object's
// type, inside the washer frame.
#include <string>

#include "engine/washer_frame.h"
#include "engine/washer_table.h"

using TypedWork = void (*)(WashScope& scope, TWashListItemType type);

inline Washer TypedWasher(std::string title, TypedWork work) {
    return [title = std::move(title), work](WashContext& ctx, TWashListItem& item, int row) {
        const TWashListItemType type = item.ItemType;
        RunWasherFrame(ctx, row, title, [work, type](WashScope& scope) { work(scope, type); });
    };
}
