#include "browsers/url_history.h"

#include <algorithm>

#include "platform/url_cache.h"

namespace {

// 0x80004005 (E_FAIL): what a history without its object answers.
constexpr long kNoHistoryObject = static_cast<long>(0x80004005u);

bool Less(const TUrlHistory::TEntry& a, const TUrlHistory::TEntry& b,
          TUrlHistory::TSortField field) {
    switch (field) {
        case TUrlHistory::TSortField::sfTitle:
            return a.Title < b.Title;
        case TUrlHistory::TSortField::sfURL:
            return a.URL < b.URL;
        case TUrlHistory::TSortField::sfLastVisited:
            return a.LastVisited < b.LastVisited;
        case TUrlHistory::TSortField::sfLastUpdated:
            return a.LastUpdated < b.LastUpdated;
        case TUrlHistory::TSortField::sfExpires:
            return a.Expires < b.Expires;
    }
    return false;
}

}  // namespace

int TUrlHistory::EnumerateUrls() {
    Entries.clear();
    if (!store_.StartEnumeration())
        return 0;
    platform::UrlHistoryRecord record;
    while (store_.FetchNext(record) == 0) {
        Entries.push_back({record.url, record.title,
                           platform::FileTimeToLocalDateTime(record.lastVisited),
                           platform::FileTimeToLocalDateTime(record.lastUpdated),
                           platform::FileTimeToLocalDateTime(record.expires)});
        record = {};
    }
    const TSortField field = SortField;
    const bool descending = SortDirection == TSortDirection::sdDescending;
    std::stable_sort(Entries.begin(), Entries.end(), [&](const TEntry& a, const TEntry& b) {
        return descending ? Less(b, a, field) : Less(a, b, field);
    });
    return static_cast<int>(Entries.size());
}

std::pair<long, std::string> TUrlHistory::GetUrlText(int n) {
    if (n < 1 || !store_.StartEnumeration())
        return {kNoHistoryObject, ""};
    platform::UrlHistoryRecord record;
    long code = kNoHistoryObject;
    for (int i = 1; i <= n; ++i) {
        record = {};
        code = store_.FetchNext(record);
        if (code != 0)
            return {code, ""};
    }
    return {0, record.url + " " + record.title};
}

bool TUrlHistory::ClearHistory() {
    return store_.Clear();
}
