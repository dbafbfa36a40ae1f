#include "catalogue/table_db.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "catalogue/date_time.h"
#include "platform/paths.h"

namespace {

// Little-endian reads from a buffer whose bounds the caller has checked.
std::uint32_t U32At(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
    return v;
}
std::int32_t I32At(const std::string& b, std::size_t at) {
    return static_cast<std::int32_t>(U32At(b, at));
}
std::uint64_t U64At(const std::string& b, std::size_t at) {
    return (static_cast<std::uint64_t>(U32At(b, at + 4)) << 32) | U32At(b, at);
}
std::uint8_t U8At(const std::string& b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]);
}
template <typename T>
T BitsAt(const std::string& b, std::size_t at) {
    T value;
    std::memcpy(&value, b.data() + at, sizeof value);  // the file and our targets are LE
    return value;
}

// A short text field: a length byte, then up to `chars` characters.
std::string ShortTextAt(const std::string& b, std::size_t at, std::size_t chars) {
    std::size_t length = U8At(b, at);
    if (length > chars)
        length = chars;
    return b.substr(at + 1, length);
}

bool IsKnownType(std::uint8_t type) {
    return type < gb_type::kCount;
}

}  // namespace

std::uint64_t GbColumnWidth(const GbColumn& c) {
    switch (c.type) {
        case gb_type::kBoolean:
        case gb_type::kByte:
        case gb_type::kShortInt:
            return 1;
        case gb_type::kWord:
            return 2;
        case gb_type::kInteger:
        case gb_type::kInteger6:
        case gb_type::kInteger7:
        case gb_type::kSingle:
            return 4;
        case gb_type::kReal48:
            return 6;
        case gb_type::kInt64:
        case gb_type::kDateTime:
        case gb_type::kDouble:
            return 8;
        case gb_type::kExtended:
            return 10;
        case gb_type::kLink:
            return 4 * static_cast<std::uint64_t>(c.elements);
        case gb_type::kText:
            return c.length;
        default:
            return 0;
    }
}

namespace {

// Reads one column descriptor; false when it cannot be used.
bool ParseColumn(const std::string& b, std::size_t at, GbColumn& c) {
    c.name = ShortTextAt(b, at + 5, gb_format::kNameChars);
    c.type = U8At(b, at + 70);
    if (!IsKnownType(c.type))
        return false;
    c.length = static_cast<std::uint16_t>(U8At(b, at + 71) | (U8At(b, at + 72) << 8));
    c.style = U8At(b, at + 71);
    if (c.type == gb_type::kLink) {
        c.refTable = I32At(b, at + 71);
        c.refColumn = I32At(b, at + 75);
        c.elements = I32At(b, at + 79);
        if (c.elements < 0 || c.elements > gb_format::kMaxLinkElements)
            return false;
    }
    c.width = GbColumnWidth(c);
    return true;
}

std::string Decimal(long long value) {
    return std::to_string(value);
}

std::string UnsignedDecimal(unsigned long long value) {
    return std::to_string(value);
}

const char* BooleanText(bool value, std::uint8_t style) {
    switch (style) {
        case gb_style::kTrueFalse:
            return value ? "True" : "False";
        case gb_style::kOnOff:
            return value ? "On" : "Off";
        default:
            return value ? "Yes" : "No";
    }
}

// A link shows the texts of another column; a link onto a link column (or onto itself) reads
// as empty, so one cell never costs more than one read per element.
constexpr int kMaxLinkDepth = 1;

}  // namespace

std::uint8_t UnrotateByte(std::uint8_t stored) {
    return static_cast<std::uint8_t>(stored >= 127 ? stored - 127 : stored + 127);
}

std::uint8_t RotateByte(std::uint8_t plain) {
    return static_cast<std::uint8_t>(plain <= 128 ? plain + 127 : plain - 127);
}

std::string PlainDateTimeText(double value, std::uint8_t style) {
    // Outside the years 100..9999 there is no sensible text.
    if (!std::isfinite(value) || value < -657434.0 || value >= 2958466.0)
        return {};
    switch (style) {
        case gb_style::kDateOnly:
            return FormatDateTime("mm/dd/yyyy", value);
        case gb_style::kTimeOnly:
            return FormatDateTime("hh:mm:ss", value);
        default:
            return FormatDateTime("mm/dd/yyyy hh:mm:ss", value);
    }
}

std::string RealNumberText(double value, std::uint8_t decimals) {
    char buffer[512];
    if (decimals >= 1 && decimals <= 15 && std::fabs(value) < 1e300)
        std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), value);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

double DecodeReal48(const std::uint8_t bytes[6]) {
    if (bytes[0] == 0)
        return 0.0;
    std::uint64_t mantissa = static_cast<std::uint64_t>(bytes[5] & 0x7F) << 32;
    for (int i = 4; i >= 1; --i)
        mantissa |= static_cast<std::uint64_t>(bytes[i]) << (8 * (i - 1));
    double value = std::ldexp(1.0 + std::ldexp(static_cast<double>(mantissa), -39), bytes[0] - 129);
    return (bytes[5] & 0x80) ? -value : value;
}

double DecodeExtended80(const std::uint8_t bytes[10]) {
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    int exponent = ((bytes[9] & 0x7F) << 8) | bytes[8];
    bool negative = (bytes[9] & 0x80) != 0;
    double value;
    if (exponent == 0x7FFF)
        value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::quiet_NaN();
    else
        value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
}

bool TGBObject::Open(std::string bytes) {
    Close();
    const std::string& b = bytes;
    if (b.size() < gb_format::kHeaderSize)
        return false;
    std::int32_t tableCount = I32At(b, 0);
    if (tableCount < 0 || U8At(b, 5) != gb_format::kSignature.size() ||
        b.compare(6, gb_format::kSignature.size(), gb_format::kSignature) != 0 ||
        U8At(b, 270) != gb_format::kVersion || BitsAt<float>(b, 14) != 0.0f)
        return false;

    std::vector<GbTable> tables;
    std::size_t at = gb_format::kHeaderSize;
    for (std::int32_t t = 0; t < tableCount; ++t) {
        if (b.size() - at < gb_format::kTableDescriptorSize)
            return false;
        GbTable table;
        std::int32_t columns = I32At(b, at);
        table.name = ShortTextAt(b, at + 4, gb_format::kNameChars);
        table.rows = I32At(b, at + 68);
        std::int32_t firstRow = I32At(b, at + 73);
        if (columns < 0 || table.rows < 0 || firstRow < 0)
            return false;
        table.firstRow = static_cast<std::uint64_t>(firstRow);
        at += gb_format::kTableDescriptorSize;
        for (std::int32_t c = 0; c < columns; ++c) {
            if (b.size() - at < gb_format::kColumnDescriptorSize)
                return false;
            GbColumn column;
            if (!ParseColumn(b, at, column))
                return false;
            column.offset = table.rowLength;
            table.rowLength += column.width;
            table.columns.push_back(std::move(column));
            at += gb_format::kColumnDescriptorSize;
        }
        // Every row must lie inside the file.
        if (table.firstRow > b.size())
            return false;
        std::uint64_t room = b.size() - table.firstRow;
        if (table.rowLength > 0 && static_cast<std::uint64_t>(table.rows) > room / table.rowLength)
            return false;
        // Rows without bytes hold nothing, and millions of them would only make lookups crawl.
        if (table.rowLength == 0 && table.rows > 0)
            return false;
        tables.push_back(std::move(table));
    }
    bytes_ = std::move(bytes);
    tables_ = std::move(tables);
    rotated_ = U8At(bytes_, 4) == 1;
    open_ = true;
    return true;
}

void TGBObject::Close() {
    open_ = false;
    bytes_.clear();
    tables_.clear();
}

const GbTable* TGBObject::FindTable(std::string_view name) const {
    for (const GbTable& table : tables_)
        if (platform::EqualsIgnoreCase(table.name, name))
            return &table;
    return nullptr;
}

int TGBObject::RowCount(std::string_view table) const {
    const GbTable* found = FindTable(table);
    return found ? found->rows : -1;
}

int TGBObject::FindRow(std::string_view table, std::string_view column,
                       std::string_view value) const {
    const GbTable* found = FindTable(table);
    if (!found)
        return 0;
    for (std::size_t c = 0; c < found->columns.size(); ++c) {
        if (!platform::EqualsIgnoreCase(found->columns[c].name, column))
            continue;
        for (int row = 1; row <= found->rows; ++row)
            if (CellText(*found, c, row, 0) == value)
                return row;
        return 0;
    }
    return 0;
}

std::string TGBObject::ReadValue(std::string_view table, std::string_view column, int row) const {
    const GbTable* found = FindTable(table);
    if (!found)
        return {};
    for (std::size_t c = 0; c < found->columns.size(); ++c)
        if (platform::EqualsIgnoreCase(found->columns[c].name, column))
            return CellText(*found, c, row, 0);
    return {};
}

std::string TGBObject::CellText(const GbTable& table, std::size_t column, int row,
                                int depth) const {
    if (row < 1 || row > table.rows || column >= table.columns.size())
        return {};
    const GbColumn& c = table.columns[column];
    // Inside the file: checked at Open for every row of the table.
    const auto at = static_cast<std::size_t>(
        table.firstRow + table.rowLength * static_cast<std::uint64_t>(row - 1) + c.offset);
    const std::string& b = bytes_;
    std::string text;
    switch (c.type) {
        case gb_type::kBoolean:
            text = BooleanText(U8At(b, at) != 0, c.style);
            break;
        case gb_type::kByte:
            text = UnsignedDecimal(U8At(b, at));
            break;
        case gb_type::kShortInt:
            text = Decimal(static_cast<std::int8_t>(U8At(b, at)));
            break;
        case gb_type::kWord:
            text = UnsignedDecimal(static_cast<unsigned>(U8At(b, at) | (U8At(b, at + 1) << 8)));
            break;
        case gb_type::kInteger:
        case gb_type::kInteger6:
        case gb_type::kInteger7:
            text = Decimal(I32At(b, at));
            break;
        case gb_type::kInt64:
            text = Decimal(static_cast<long long>(U64At(b, at)));
            break;
        case gb_type::kDateTime: {
            std::uint64_t bits = U64At(b, at);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            text = dateTimeText_ ? dateTimeText_(value, c.style) : std::string();
            break;
        }
        case gb_type::kDouble: {
            std::uint64_t bits = U64At(b, at);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            text = RealNumberText(value, c.style);
            break;
        }
        case gb_type::kSingle: {
            std::uint32_t bits = U32At(b, at);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            text = RealNumberText(value, c.style);
            break;
        }
        case gb_type::kReal48:
        case gb_type::kExtended: {
            std::uint8_t raw[10];
            std::memcpy(raw, b.data() + at, static_cast<std::size_t>(c.width));
            text = RealNumberText(
                c.type == gb_type::kReal48 ? DecodeReal48(raw) : DecodeExtended80(raw), c.style);
            break;
        }
        case gb_type::kLink: {
            if (depth >= kMaxLinkDepth || c.refTable < 0 ||
                static_cast<std::size_t>(c.refTable) >= tables_.size())
                break;
            const GbTable& target = tables_[static_cast<std::size_t>(c.refTable)];
            if (c.refColumn < 0 || static_cast<std::size_t>(c.refColumn) >= target.columns.size())
                break;
            bool first = true;
            for (std::int32_t e = 0; e < c.elements; ++e) {
                std::int32_t linked = I32At(b, at + 4 * static_cast<std::size_t>(e));
                if (linked < 1 || linked > target.rows)
                    continue;
                if (!first)
                    text += ',';
                first = false;
                text += CellText(target, static_cast<std::size_t>(c.refColumn), linked, depth + 1);
                if (text.size() > gb_format::kMaxValueChars)
                    break;
            }
            break;
        }
        case gb_type::kText: {
            std::size_t length = 0;
            for (; length < static_cast<std::size_t>(c.width); ++length) {
                std::uint8_t byte = U8At(b, at + length);
                if ((rotated_ ? UnrotateByte(byte) : byte) == 0)
                    break;
            }
            text = b.substr(at, length);
            if (rotated_)
                for (char& ch : text)
                    ch = static_cast<char>(UnrotateByte(static_cast<std::uint8_t>(ch)));
            break;
        }
        default:
            break;
    }
    if (text.size() > gb_format::kMaxValueChars)
        text.resize(gb_format::kMaxValueChars);
    return text;
}
