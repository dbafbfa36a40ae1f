// Fuzzes the readers of values a user can edit in the settings file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/settings_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseSettingsInteger(text);
    ParseSettingsBoolean(text, true);
    if (auto code = TextToShortCut(text))
        ShortCutToText(*code);
    return 0;
}
