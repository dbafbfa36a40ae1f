// Fuzzes the readers of values a user can edit in the settings file.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/settings_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseSettingsInteger(text);
    ParseSettingsBoolean(text, true);
    if (auto code = TextToShortCut(text)) {
        // Whatever reads as a hot key is written back as a text that reads the same.
        if (*code != 0 && (*code & 0xFF) != 0 && TextToShortCut(ShortCutToText(*code)) != code)
            __builtin_trap();
    }
    // Names as the file's sections and keys could be: the text cut at its line ends.
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        names.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    NumberedNames(names, "Object_", 1000);
    NumberedNames(names, "", 2147483647);
    return 0;
}
