#include "lists/activex_list.h"

namespace {

void Accept(std::vector<std::string>& accepted, const std::string& line) {
    if (!FindAcceptedLine(accepted, line))
        accepted.push_back(line);
}

void Unaccept(std::vector<std::string>& accepted, const std::string& line) {
    while (std::optional<std::size_t> at = FindAcceptedLine(accepted, line))
        accepted.erase(accepted.begin() + static_cast<std::ptrdiff_t>(*at));
}

}  // namespace

void ActiveXList::Rebuild(const std::vector<DistributionUnit>& units,
                          const std::vector<CacheEntry>& cacheEntries,
                          std::vector<std::string>& accepted) {
    items_ = BuildActiveXItems(units, cacheEntries, accepted);
}

void ActiveXList::ClickCheck(std::size_t index, std::vector<std::string>& accepted) {
    if (index >= items_.size() || items_[index].disabled)
        return;
    ActiveXItem& item = items_[index];
    const std::string line = item.Line();
    item.checked = !FindAcceptedLine(accepted, line);
    if (item.checked)
        Accept(accepted, line);
    else
        Unaccept(accepted, line);
}

void ActiveXList::SelectAll(std::vector<std::string>& accepted) {
    for (ActiveXItem& item : items_)
        if (!item.disabled) {
            item.checked = true;
            Accept(accepted, item.Line());
        }
}

void ActiveXList::DeselectAll(std::vector<std::string>& accepted) {
    for (ActiveXItem& item : items_)
        if (!item.disabled) {
            item.checked = false;
            Unaccept(accepted, item.Line());
        }
}
