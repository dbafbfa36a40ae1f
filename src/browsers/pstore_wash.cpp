#include "browsers/pstore_wash.h"

#include <vector>

#include "browsers/pstore_lines.h"
#include "platform/protected_storage.h"

void PStoreWash(std::uint64_t& entries, std::uint64_t& bytes, bool testRun,
                const std::function<void(const std::string&)>& log) {
    platform::AutoCompleteStorage storage;
    if (!storage.StartEnumeration())
        return;
    std::vector<std::string> lines;
    std::string name;
    while (storage.NextName(name)) {
        if (auto size = storage.ReadSize(name))
            lines.push_back(PStoreItemLine(name, *size));
        name.clear();
    }
    for (const std::string& line : lines) {
        const PStoreItem item = ParsePStoreItemLine(line);
        // A name that holds " Size=" itself comes back cut short: it names no item.
        if (item.nameCut) {
            if (log)
                log("Left alone an AutoComplete item: its name holds \" Size=\"");
            continue;
        }
        if (!testRun && !storage.Delete(item.name))
            continue;
        ++entries;
        bytes += item.size;
    }
}
