#pragma once
// The eight wash levels of the options list and the shredder settings each one stands for.
#include <array>
#include <string>

constexpr int kWashLevelCount = 8;
constexpr int kDefaultWashLevel = 5;

struct WashLevelSettings {
    int WashMode;
    int WashStrength;
};

// The list texts, in list order.
const std::array<std::string, kWashLevelCount>& WashLevelTexts();
// Mode and strength of a level; an index outside 0..7 behaves as "1 Delete".
WashLevelSettings SettingsForWashLevel(int washLevel);
// The list text up to, not including, the blank before its first "-".
std::string ShortLevelName(const std::string& listText);
// The short name of a level by index ("" when out of range).
std::string ShortLevelName(int washLevel);
