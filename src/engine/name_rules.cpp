#include "engine/name_rules.h"

#include <string>

#include "platform/paths.h"

bool RegistryNameMatches(std::string_view mask, std::string_view name) {
    std::size_t star = mask.find('*');
    if (star == std::string_view::npos)
        return name == mask;
    if (mask.size() == 1)
        return true;
    std::string pattern(mask);
    pattern.erase(star, 1);
    return name.find(pattern) != std::string_view::npos;
}

// An empty name (the default value) is never taken for spared: every text "contains" it.
bool RegistryNameExcluded(std::string_view name, std::string_view exclusions) {
    return !name.empty() && exclusions.find(name) != std::string_view::npos;
}

bool FileNameExcluded(std::string_view name, std::string_view exclusions) {
    if (name.empty() || exclusions.empty())
        return false;
    return platform::LowerAscii(exclusions).find(platform::LowerAscii(name)) != std::string::npos;
}
