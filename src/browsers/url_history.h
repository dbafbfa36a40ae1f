#pragma once
// TUrlHistory: Internet Explorer's URL history read through its history object, and cleared.
// Made, used and freed inside one washer call.
#include <string>
#include <utility>
#include <vector>

#include "platform/url_history.h"

class TUrlHistory {
  public:
    struct TEntry {
        std::string URL;
        std::string Title;
        double LastVisited = 0;  // local date-time values, 0 when a conversion fails
        double LastUpdated = 0;
        double Expires = 0;
    };
    enum class TSortField { sfTitle, sfURL, sfLastVisited, sfLastUpdated, sfExpires };
    enum class TSortDirection { sdAscending, sdDescending };

    TSortField SortField = TSortField::sfLastVisited;
    TSortDirection SortDirection = TSortDirection::sdAscending;
    std::vector<TEntry> Entries;

    // Reads every record into Entries (sorted by SortField and SortDirection); their number.
    int EnumerateUrls();
    // The n-th record (1-based) of a fresh enumeration: its URL, a blank and its title. The code
    // is the last fetch's answer; 0 when the text is valid.
    std::pair<long, std::string> GetUrlText(int n);
    bool ClearHistory();

  private:
    platform::UrlHistoryStore store_;
};
