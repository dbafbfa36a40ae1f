#pragma once
// The rows of the Vanish page's file list and their order, without the system: each row keeps
// the entry's real name beside the caption the shell shows, so what is destroyed is always the
// entry the row stands for.
#include <cstdint>
#include <string>
#include <vector>

struct VanishRow {
    std::string name;     // the real file or folder name, handed to WashFile
    std::string caption;  // the shell's display name (may hide the extension)
    bool folder = false;
    std::uint64_t size = 0;
    std::uint64_t modified = 0;  // file time, UTC ticks
    std::string sizeText;        // empty for a folder
    std::string modifiedText;
    int icon = -1;
};

// Whether a listed entry gets a row: folders, and files whose attributes hold read-only,
// hidden, system or archive, or are zero (the "normal" files of every file system).
bool VanishListsEntry(std::uint32_t attributes);

// A byte count with digit grouping and no decimals: 1234567 -> "1,234,567".
std::string FileSizeText(std::uint64_t bytes, const std::string& thousandsSeparator);

// "mm-dd-yy hh:mm", or "dd-mm-yy hh:mm" for Dutch (language 31).
std::string FileTimeText(int year, int month, int day, int hour, int minute, int lngId);

// The column the list is sorted by and its direction. A click on another column sorts by it
// ascending; a second click on the same column reverses the order.
struct VanishSort {
    int column = 0;       // 0 name, 1 size, 2 modified
    bool toggle = false;  // true: ascending
    bool chosen = false;  // no column was clicked yet: the system's order
    void ColumnClick(int clicked);
};

// Orders two rows by the sort's column: names case-insensitively by caption, sizes by bytes
// (folders first), dates by time. Negative, zero or positive.
int CompareVanishRows(const VanishRow& a, const VanishRow& b, const VanishSort& sort);

// Drive nodes keep their letter order whatever the shell calls them; folders below compare by
// name, case-insensitively.
int CompareTreeNodes(bool topLevel, const std::string& pathA, const std::string& textA,
                     const std::string& pathB, const std::string& textB);

// The root paths "A:\" ... "Z:\" of the drives whose bits are set, in letter order.
std::vector<std::string> DriveRootsOfMask(std::uint32_t mask);
