#pragma once
// The table database ("GoldBase" format, version 100) that holds the language file: a header,
// one descriptor per table followed by its column descriptors, then the rows. Read from the
// bytes of the file, so it can be tested and fuzzed without a system. Every offset and length
// comes from the file: the reader checks them all when it opens the bytes, and a database that
// does not add up is refused as a whole (it reads as missing).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Column types by their codes in the file.
namespace gb_type {
constexpr std::uint8_t kBoolean = 0;    // 1 byte
constexpr std::uint8_t kByte = 1;       // 1 byte, unsigned
constexpr std::uint8_t kInt64 = 2;      // 8 bytes
constexpr std::uint8_t kInteger = 3;    // 4 bytes, signed
constexpr std::uint8_t kDateTime = 4;   // 8-byte float, days since 30 December 1899
constexpr std::uint8_t kExtended = 5;   // 10-byte (80-bit) float
constexpr std::uint8_t kInteger6 = 6;   // 4 bytes, signed
constexpr std::uint8_t kInteger7 = 7;   // 4 bytes, signed
constexpr std::uint8_t kDouble = 8;     // 8-byte float
constexpr std::uint8_t kReal48 = 9;     // 6-byte real
constexpr std::uint8_t kLink = 10;      // 4 bytes per element: row numbers of another table
constexpr std::uint8_t kShortInt = 11;  // 1 byte, signed
constexpr std::uint8_t kSingle = 12;    // 4-byte float
constexpr std::uint8_t kText = 13;      // the declared length, ended by a zero byte if shorter
constexpr std::uint8_t kWord = 14;      // 2 bytes, unsigned
constexpr std::uint8_t kCount = 15;
}  // namespace gb_type

// Fixed sizes and marks of the format.
namespace gb_format {
constexpr std::size_t kHeaderSize = 272;
constexpr std::size_t kTableDescriptorSize = 77;
constexpr std::size_t kColumnDescriptorSize = 137;
constexpr std::size_t kNameChars = 63;  // table and column names
constexpr std::uint8_t kVersion = 100;
constexpr std::string_view kSignature = "GoldBase";
constexpr int kMaxLinkElements = 50;
constexpr std::size_t kMaxValueChars = 255;  // a read gives at most this many bytes
}  // namespace gb_format

// Style bytes: how a Boolean and a date-time column show their values.
namespace gb_style {
constexpr std::uint8_t kYesNo = 0, kTrueFalse = 1, kOnOff = 2;
constexpr std::uint8_t kDateAndTime = 0, kDateOnly = 1, kTimeOnly = 2;
}  // namespace gb_style

// Text rotation: a stored byte b stands for b - 127 when b >= 127, else for b + 127.
std::uint8_t UnrotateByte(std::uint8_t stored);
// The inverse for the bytes a text can hold (0..253; UTF-8 never uses 254 and 255).
std::uint8_t RotateByte(std::uint8_t plain);

// Shows a date-time value (days since 30 December 1899) by its style byte.
using DateTimeTextFn = std::function<std::string(double value, std::uint8_t style)>;
// The program's fixed form, used unless the system's locale formats are given:
// "mm/dd/yyyy hh:mm:ss", "mm/dd/yyyy" or "hh:mm:ss".
std::string PlainDateTimeText(double value, std::uint8_t style);
// A real number by its decimals byte: 1..15 decimals fixed, otherwise up to 15 significant
// digits in the shortest form.
std::string RealNumberText(double value, std::uint8_t decimals);

// Decoding of the two float formats that C++ does not have everywhere.
double DecodeReal48(const std::uint8_t bytes[6]);
double DecodeExtended80(const std::uint8_t bytes[10]);

struct GbColumn {
    std::string name;
    std::uint8_t type = gb_type::kText;
    std::uint16_t length = 0;    // declared length of a text column
    std::uint8_t style = 0;      // Boolean/date-time style, decimals of a real
    std::int32_t refTable = 0;   // link: index of the table (0-based, file order)
    std::int32_t refColumn = 0;  // link: index of its column (0-based)
    std::int32_t elements = 0;   // link: number of row numbers
    // 64-bit so that the bounds checks cannot overflow in the 32-bit build.
    std::uint64_t width = 0;   // bytes in a row
    std::uint64_t offset = 0;  // from the start of a row
};

// Bytes a column's value takes in a row.
std::uint64_t GbColumnWidth(const GbColumn& column);

struct GbTable {
    std::string name;
    std::vector<GbColumn> columns;
    std::int32_t rows = 0;
    std::uint64_t firstRow = 0;  // file offset
    std::uint64_t rowLength = 0;
};

// The table-database object: open, row count, find row, read value.
class TGBObject {
  public:
    // Takes the whole file. False, and nothing open, when the bytes are not a sound database
    // (wrong signature or version, a password, a descriptor or a row outside the file, an
    // unknown type code).
    bool Open(std::string bytes);
    void Close();
    bool IsOpen() const { return open_; }

    // Date-time columns are shown with this (default PlainDateTimeText).
    void SetDateTimeText(DateTimeTextFn fn) { dateTimeText_ = std::move(fn); }

    // Number of rows of a table; -1 when there is no such table.
    int RowCount(std::string_view table) const;
    // Number (from 1) of the first row whose column reads as `value`; 0 when none.
    int FindRow(std::string_view table, std::string_view column, std::string_view value) const;
    // The cell as text (at most 255 bytes); empty for a table, column or row that is not there.
    std::string ReadValue(std::string_view table, std::string_view column, int row) const;

    const std::vector<GbTable>& Tables() const { return tables_; }

  private:
    const GbTable* FindTable(std::string_view name) const;
    std::string CellText(const GbTable& table, std::size_t column, int row, int depth) const;

    bool open_ = false;
    bool rotated_ = false;
    std::string bytes_;
    std::vector<GbTable> tables_;
    DateTimeTextFn dateTimeText_ = PlainDateTimeText;
};
