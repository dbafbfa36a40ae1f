#include "engine/wash_levels.h"

const std::array<std::string, kWashLevelCount>& WashLevelTexts() {
    static const std::array<std::string, kWashLevelCount> texts = {
        "1 Delete - Recoverability 100%",
        "2 #0 Overwrite & Delete - Recoverability 100%",
        "3L US DoD, NSA Overwrite & Delete - Recoverability 100% (Low, Fast)",
        "3M US DoD, NSA Overwrite & Delete - Recoverability 90% (Medium, Average)",
        "3H US DoD, NSA Overwrite & Delete - Recoverability 50% (High, Slow)",
        "4L Secure Deletion, Dr Gutmann full 39 steps - Recoverability 5% (Low, Fast)",
        "4M Secure Deletion, Dr Gutmann full 39 steps - Recoverability 1% (Medium, Average)",
        "4H Secure Deletion, Dr Gutmann full 39 steps - Recoverability 0% (High, Slow)",
    };
    return texts;
}

WashLevelSettings SettingsForWashLevel(int washLevel) {
    static constexpr WashLevelSettings kTable[kWashLevelCount] = {
        {1, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {4, 1}, {4, 2}, {4, 3},
    };
    if (washLevel < 0 || washLevel >= kWashLevelCount)
        return {1, 1};
    return kTable[washLevel];
}

std::string ShortLevelName(const std::string& listText) {
    auto dash = listText.find('-');
    if (dash == std::string::npos)
        return listText;
    std::string name = listText.substr(0, dash);
    if (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

std::string ShortLevelName(int washLevel) {
    if (washLevel < 0 || washLevel >= kWashLevelCount)
        return {};
    return ShortLevelName(WashLevelTexts()[washLevel]);
}
