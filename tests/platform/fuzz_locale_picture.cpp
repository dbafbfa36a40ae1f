// Date and time texts come from the settings file, which anyone can edit.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/locale_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line is the picture, the rest the text.
    std::size_t split = input.find('\n');
    std::string_view picture =
        split == std::string_view::npos ? "M/d/yyyy h:mm:ss tt" : input.substr(0, split);
    std::string_view text = split == std::string_view::npos ? input : input.substr(split + 1);
    platform::LocaleNames names;
    names.months[0] = "January";
    names.shortMonths[0] = "Jan";
    names.days[0] = "Monday";
    auto fields = platform::ParseWithPicture(text, picture, names);
    if (fields && (fields->month < 1 || fields->month > 12 || fields->day < 1 || fields->day > 31))
        __builtin_trap();
    return 0;
}
