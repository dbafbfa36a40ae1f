#include "catalogue/table_db_file.h"

#include <cmath>

#include "platform/files.h"
#include "platform/locale.h"

namespace {

// Far above any language or plug-in file; a larger file is not one of ours.
constexpr std::uint64_t kMaxDatabaseBytes = 32ull * 1024 * 1024;

std::optional<std::string> ReadSmallFile(const std::string& fileName) {
    auto size = platform::FileSize(fileName);
    if (!size || *size > kMaxDatabaseBytes)
        return std::nullopt;
    return platform::ReadWholeFile(fileName);
}

std::string LocaleDateTimeText(double value, std::uint8_t style) {
    if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0)
        return {};
    switch (style) {
        case gb_style::kDateOnly:
            return platform::LocaleShortDateText(value);
        case gb_style::kTimeOnly:
            return platform::LocaleLongTimeText(value);
        default:
            return platform::LocaleDateTimeText(value);
    }
}

}  // namespace

bool OpenTableDatabase(TGBObject& db, const std::string& fileName) {
    db.Close();
    auto bytes = ReadSmallFile(fileName);
    if (!bytes)
        return false;
    db.SetDateTimeText(LocaleDateTimeText);
    return db.Open(std::move(*bytes));
}

bool LoadRecordFile(TiDbRecFile& file, const std::string& fileName) {
    auto bytes = ReadSmallFile(fileName);
    if (!bytes) {
        file.Load({});
        return false;
    }
    return file.Load(*bytes);
}
