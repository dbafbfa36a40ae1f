#include "washers/washer_rules.h"

#include <algorithm>
#include <set>

#include "platform/paths.h"

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::vector<std::string> MruListNames(std::string_view mruList) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start < mruList.size();) {
        std::size_t end = start + 1;
        while (end < mruList.size() && IsContinuationByte(mruList[end]))
            ++end;
        std::string name(mruList.substr(start, end - start));
        // Value names ignore letter case: "a" and "A" are one value.
        auto same = [&name](const std::string& seen) {
            return platform::EqualsIgnoreCase(seen, name);
        };
        if (std::none_of(names.begin(), names.end(), same))
            names.push_back(std::move(name));
        start = end;
    }
    return names;
}

std::vector<std::string> MruListExNames(const std::vector<std::uint8_t>& data) {
    constexpr std::uint32_t kEndMark = 0xFFFFFFFFu;
    std::vector<std::string> names;
    std::set<std::uint32_t> seen;
    for (std::size_t at = 0; at + 4 <= data.size(); at += 4) {
        std::uint32_t number = data[at] | (data[at + 1] << 8) | (data[at + 2] << 16) |
                               (static_cast<std::uint32_t>(data[at + 3]) << 24);
        if (number == kEndMark)
            break;
        if (seen.insert(number).second)
            names.push_back(std::to_string(number));
    }
    return names;
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

std::string SwapFilePath(std::string_view windowsFolder) {
    if (windowsFolder.size() < 3 || !IsAsciiLetter(windowsFolder[0]) || windowsFolder[1] != ':' ||
        windowsFolder[2] != '\\')
        return {};
    return platform::LowerAscii(std::string(windowsFolder.substr(0, 3)) + "pagefile.sys");
}

std::optional<std::string> RecycleBinFolderName(std::string_view fileSystemName) {
    if (fileSystemName.empty())
        return std::nullopt;
    return platform::LowerAscii(fileSystemName) == "ntfs" ? "Recycler\\" : "Recycled\\";
}

std::string DownloadFolderFromValue(std::string_view value) {
    std::string folder(value.substr(0, value.find('|')));
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}
