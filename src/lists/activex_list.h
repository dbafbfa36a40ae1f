#pragma once
// What the ActiveX tab shows and what its clicks do to the accepted components
// (AcceptedActiveXList), apart from the window that shows it. No system calls.
#include <string>
#include <vector>

#include "lists/activex_rules.h"

class ActiveXList {
  public:
    // The lines found now (BuildActiveXItems); accepted entries follow the paths found.
    void Rebuild(const std::vector<DistributionUnit>& units,
                 const std::vector<CacheEntry>& cacheEntries, std::vector<std::string>& accepted);

    const std::vector<ActiveXItem>& Items() const { return items_; }

    // The user clicked the mark of item `index`: an accepted line is no longer accepted, any
    // other is. A disabled line never changes.
    void ClickCheck(std::size_t index, std::vector<std::string>& accepted);
    // Every enabled line checked and accepted, or unchecked and no longer accepted.
    void SelectAll(std::vector<std::string>& accepted);
    void DeselectAll(std::vector<std::string>& accepted);

  private:
    std::vector<ActiveXItem> items_;
};
