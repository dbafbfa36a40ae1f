#include "cli/cli_objects.h"

#include <algorithm>
#include <cstddef>

#include "engine/size_text.h"
#include "platform/paths.h"

namespace {

std::string IdentifierOf(const TWashListItem& item, int& userNumber) {
    switch (item.Kind) {
        case WashItemKind::BuiltIn:
            return std::string(TypeInfo(item.ItemType).identifier);
        case WashItemKind::Plugin:
            return item.PluginItem ? item.PluginItem->Id : std::string();
        case WashItemKind::User:
            break;
    }
    return "user:" + std::to_string(++userNumber);
}

std::string YesNo(bool value) {
    return value ? "yes" : "no";
}

// Columns are counted in characters, not bytes: display names are UTF-8 in any language.
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string PaddedTo(std::string text, std::size_t width) {
    const std::size_t length = CharacterCount(text);
    if (length < width)
        text.append(width - length, ' ');
    return text;
}

// The width of a column: its longest entry and two blanks.
std::size_t ColumnWidth(const char* header, const std::vector<std::string>& entries) {
    std::size_t width = CharacterCount(header);
    for (const std::string& entry : entries)
        width = std::max(width, CharacterCount(entry));
    return width + 2;
}

}  // namespace

std::vector<std::string> ObjectIdentifiers(const Catalogue& catalogue) {
    std::vector<std::string> ids;
    int userNumber = 0;
    for (const auto& item : catalogue.Items)
        ids.push_back(IdentifierOf(*item, userNumber));
    return ids;
}

std::vector<std::string> ObjectListingLines(const Catalogue& catalogue) {
    const std::vector<std::string> ids = ObjectIdentifiers(catalogue);
    std::vector<std::string> names;
    for (const auto& item : catalogue.Items)
        names.push_back(item->DisplayName);
    const std::size_t idWidth = ColumnWidth("IDENTIFIER", ids);
    const std::size_t nameWidth = ColumnWidth("NAME", names);

    std::vector<std::string> lines;
    lines.push_back(PaddedTo("IDENTIFIER", idWidth) + PaddedTo("NAME", nameWidth) +
                    "SELECTED  PRESENT");
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const TWashListItem& item = *catalogue.Items[i];
        lines.push_back(PaddedTo(ids[i], idWidth) + PaddedTo(names[i], nameWidth) +
                        PaddedTo(YesNo(item.Selected), 10) + YesNo(item.Enabled));
    }
    return lines;
}

std::string SelectOnly(Catalogue& catalogue, const std::vector<std::string>& identifiers,
                       const WasherTable& washers) {
    const std::vector<std::string> ids = ObjectIdentifiers(catalogue);
    std::vector<bool> chosen(ids.size(), false);
    for (const std::string& wanted : identifiers) {
        auto found = std::find_if(ids.begin(), ids.end(), [&](const std::string& id) {
            return platform::EqualsIgnoreCase(id, wanted);
        });
        if (found == ids.end())
            return "unknown object identifier '" + wanted +
                   "' (TidewellCmd list shows the identifiers)";
        const std::size_t index = static_cast<std::size_t>(found - ids.begin());
        if (!catalogue.Items[index]->Enabled)
            return "object '" + *found + "' is not present on this computer";
        if (!washers.Find(*catalogue.Items[index]))
            return "object '" + *found + "' cannot be washed yet: no washer handles it";
        chosen[index] = true;
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        catalogue.Items[i]->Selected = chosen[i];
        ApplySelectionRule(*catalogue.Items[i]);
    }
    return {};
}

std::string WashSummary(std::uint64_t items, std::uint64_t bytes, bool stopped) {
    return std::string(stopped ? "Tidewell Wash stopped, " : "Tidewell Wash done, ") +
           std::to_string(items) + " items washed, total size " + std::to_string(bytes) +
           " bytes (" + FormatSizeText(bytes) + ")";
}
