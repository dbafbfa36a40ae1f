#include "vanish/vanish_rows.h"

#include <cstdio>

#include "platform/paths.h"

namespace {

constexpr std::uint32_t kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4, kDirectory = 0x10,
                        kArchive = 0x20;

int CompareText(const std::string& a, const std::string& b) {
    return platform::LowerAscii(a).compare(platform::LowerAscii(b));
}

template <typename T>
int CompareValues(T a, T b) {
    return a < b ? -1 : a > b ? 1 : 0;
}

}  // namespace

bool VanishListsEntry(std::uint32_t attributes) {
    return (attributes & kDirectory) != 0 ||
           (attributes & (kReadOnly | kHidden | kSystem | kArchive)) != 0 || attributes == 0;
}

std::string FileSizeText(std::uint64_t bytes, const std::string& thousandsSeparator) {
    std::string digits = std::to_string(bytes);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += thousandsSeparator;
        text += digits[i];
    }
    return text;
}

std::string FileTimeText(int year, int month, int day, int hour, int minute, int lngId) {
    char text[32];
    const int first = lngId == 31 ? day : month;
    const int second = lngId == 31 ? month : day;
    std::snprintf(text, sizeof text, "%02d-%02d-%02d %02d:%02d", first % 100, second % 100,
                  ((year % 100) + 100) % 100, hour % 100, minute % 100);
    return text;
}

void VanishSort::ColumnClick(int clicked) {
    if (clicked != column) {
        column = clicked;
        toggle = true;
    } else {
        toggle = !toggle;
    }
    chosen = true;
}

int CompareVanishRows(const VanishRow& a, const VanishRow& b, const VanishSort& sort) {
    int order = 0;
    switch (sort.column) {
        case 1:
            order = a.folder != b.folder ? (a.folder ? -1 : 1) : CompareValues(a.size, b.size);
            break;
        case 2:
            order = CompareValues(a.modified, b.modified);
            break;
        default:
            break;
    }
    if (order == 0)
        order = CompareText(a.caption, b.caption);
    return sort.toggle ? order : -order;
}

int CompareTreeNodes(bool topLevel, const std::string& pathA, const std::string& textA,
                     const std::string& pathB, const std::string& textB) {
    return topLevel ? CompareText(pathA, pathB) : CompareText(textA, textB);
}

std::vector<std::string> DriveRootsOfMask(std::uint32_t mask) {
    std::vector<std::string> roots;
    for (int letter = 0; letter < 26; ++letter)
        if (mask & (1u << letter))
            roots.push_back(std::string(1, static_cast<char>('A' + letter)) + ":\\");
    return roots;
}
