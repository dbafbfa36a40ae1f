// Fuzzes the accepted-cookies list over names as the settings file (which a user may edit)
// and the cache give them: whatever the names, each line is listed once and its check mark
// says whether the wash spares it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "lists/accepted_cookies_list.h"
#include "platform/paths.h"

namespace {

void Check(const AcceptedCookiesList& list, const std::vector<std::string>& accepted) {
    const auto& lines = list.Lines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].checked != IsAcceptedCookie(accepted, lines[i].name))
            std::abort();
        for (std::size_t j = i + 1; j < lines.size(); ++j)
            if (platform::EqualsIgnoreCase(lines[i].name, lines[j].name))
                std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Lines before the first empty line are accepted names, the rest cached names; the last
    // byte drives the clicks.
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> accepted, cached;
    bool inCache = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (line.empty())
            inCache = true;
        else
            (inCache ? cached : accepted).push_back(line);
        start = end + 1;
    }
    AcceptedCookiesList list;
    list.Rebuild(accepted, cached);
    Check(list, accepted);
    const unsigned clicks = size ? data[size - 1] : 0;
    for (unsigned click = 0; click < clicks % 16; ++click) {
        list.ClickCheck((click * 7 + clicks) % (list.Lines().size() + 1), accepted);
        Check(list, accepted);
    }
    list.SelectAll(accepted);
    Check(list, accepted);
    list.DeselectAll(accepted);
    Check(list, accepted);
    return 0;
}
