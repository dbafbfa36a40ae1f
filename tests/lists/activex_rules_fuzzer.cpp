// Fuzzes what the ActiveX tab and its washer read from files and values a web download or a
// user wrote: INF files, accepted lines (tidewell.ini), unit records and cache names. Building
// the list never invents a path, and every accepted line spares the path it names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "lists/activex_list.h"
#include "lists/activex_rules.h"
#include "platform/paths.h"

namespace {

// The input cut at NUL bytes into fields.
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\0', start);
        fields.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return fields;
        start = end + 1;
    }
}

bool Offered(const std::vector<std::string>& fields, const std::string& path) {
    for (const std::string& field : fields)
        if (field == path || "C:\\Cache\\" + field == path)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    InfHasSection(text, "DefaultUninstall");
    const std::vector<std::string> fields = Fields(text);
    std::vector<DistributionUnit> units;
    std::vector<CacheEntry> entries;
    std::vector<std::string> accepted;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        switch (i % 4) {
            case 0: {
                DistributionUnit unit;
                unit.name = field;
                unit.hasDownloadInformation = !field.empty() && field[0] != '!';
                unit.osd = field.size() % 3 == 0 ? field : "";
                unit.osdExists = field.size() % 2 == 0;
                unit.inf = field;
                unit.infExists = true;
                unit.friendlyName = field.substr(field.size() / 2);
                units.push_back(unit);
                break;
            }
            case 1:
                entries.push_back(CacheEntry{field, "C:\\Cache\\" + field});
                break;
            default:
                accepted.push_back(field);
                break;
        }
        KindOfCacheEntry(field, i % 2 == 0);
    }
    ActiveXList list;
    list.Rebuild(units, entries, accepted);
    for (std::size_t i = 0; i < list.Items().size(); ++i) {
        const ActiveXItem& item = list.Items()[i];
        if (!item.path.empty() && !Offered(fields, item.path))
            std::abort();  // a path that no unit or cache entry gave
        list.ClickCheck(i, accepted);
    }
    for (const std::string& line : accepted) {
        const std::string path = AcceptedLinePath(line);
        if (platform::IsAbsolutePath(path) && !PathIsAccepted(accepted, path))
            std::abort();
    }
    list.SelectAll(accepted);
    list.DeselectAll(accepted);
    return 0;
}
