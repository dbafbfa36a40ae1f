#pragma once
// The record file "tidewell_2431.dat" that holds the plug-in definitions: records of an
// identifier text and a body text ("name=value" lines). Layout, all integers little-endian:
//
//   offset 0   8 bytes   signature: a short text field of 7 characters, the length byte 7
//                        followed by "iDbRecs"
//   offset 8   1 byte    format version, 1
//   offset 9   1 byte    text rotation flag: 1 when the texts are stored rotated as in the
//                        table database, 0 when plain
//   offset 10  4 bytes   number of records (signed 32-bit, not negative)
//   offset 14            the records, one after another, each:
//                          4 bytes  length of the identifier (unsigned 32-bit)
//                          n bytes  the identifier
//                          4 bytes  length of the body (unsigned 32-bit)
//                          n bytes  the body
//
// Nothing may follow the last record. A file that does not add up reads as having no records.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TiDbRecord {
    std::string Header;  // the identifier, such as "wlitPlugin_Example|1"
    std::string Body;    // "DisplayName_44=...\r\nS0=...\r\n..."
};

namespace rec_format {
constexpr std::string_view kSignature = "iDbRecs";
constexpr std::uint8_t kVersion = 1;
constexpr std::size_t kHeaderSize = 14;
}  // namespace rec_format

class TiDbRecFile {
  public:
    // Reads all records from the file's bytes; false, and no records, when they do not add up.
    bool Load(std::string_view bytes);
    int Count() const { return static_cast<int>(records_.size()); }
    // Record n, counted from 1 (an empty record outside 1..Count).
    const TiDbRecord& Record(int n) const;

  private:
    std::vector<TiDbRecord> records_;
};

std::string WriteRecordFile(const std::vector<TiDbRecord>& records, bool rotate);

// The value of "name=value" in a body of lines (CR LF or LF); empty when missing.
std::string RecordBodyValue(std::string_view body, std::string_view name);
