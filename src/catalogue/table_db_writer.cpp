#include "catalogue/table_db_writer.h"

#include <cmath>
#include <cstring>

namespace {

void PutU8(std::string& out, std::size_t at, std::uint8_t v) {
    out[at] = static_cast<char>(v);
}
void PutU32(std::string& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void PutI32(std::string& out, std::size_t at, std::int32_t v) {
    PutU32(out, at, static_cast<std::uint32_t>(v));
}
void PutU64(std::string& out, std::size_t at, std::uint64_t v) {
    PutU32(out, at, static_cast<std::uint32_t>(v));
    PutU32(out, at + 4, static_cast<std::uint32_t>(v >> 32));
}
void PutFloat(std::string& out, std::size_t at, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    PutU32(out, at, bits);
}
void PutDouble(std::string& out, std::size_t at, double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    PutU64(out, at, bits);
}
void PutShortText(std::string& out, std::size_t at, const std::string& text) {
    PutU8(out, at, static_cast<std::uint8_t>(text.size()));
    out.replace(at + 1, text.size(), text);
}

std::size_t WidthOf(const GbColumn& c) {
    return static_cast<std::size_t>(GbColumnWidth(c));
}

bool Fail(std::string* error, std::string why) {
    if (error)
        *error = std::move(why);
    return false;
}

bool InRange(std::int64_t v, std::int64_t low, std::int64_t high) {
    return v >= low && v <= high;
}

// Writes one cell at `at`; false (with the reason) when the value does not suit the column.
bool PutCell(std::string& out, std::size_t at, const GbColumn& c, const GbValue& value, bool rotate,
             std::string* error) {
    if (std::holds_alternative<std::monostate>(value)) {
        // Zero bytes, except that a rotated empty text is stored rotated too.
        if (rotate && c.type == gb_type::kText)
            return PutCell(out, at, c, std::string(), rotate, error);
        return true;
    }
    const std::string where = "column \"" + c.name + "\": ";
    switch (c.type) {
        case gb_type::kBoolean:
            if (!std::holds_alternative<bool>(value))
                return Fail(error, where + "needs a Boolean");
            PutU8(out, at, std::get<bool>(value) ? 1 : 0);
            return true;
        case gb_type::kByte:
        case gb_type::kShortInt:
        case gb_type::kWord:
        case gb_type::kInteger:
        case gb_type::kInteger6:
        case gb_type::kInteger7:
        case gb_type::kInt64: {
            if (!std::holds_alternative<std::int64_t>(value))
                return Fail(error, where + "needs an integer");
            std::int64_t v = std::get<std::int64_t>(value);
            bool fits = c.type == gb_type::kByte       ? InRange(v, 0, 255)
                        : c.type == gb_type::kShortInt ? InRange(v, -128, 127)
                        : c.type == gb_type::kWord     ? InRange(v, 0, 65535)
                        : c.type == gb_type::kInt64    ? true
                                                       : InRange(v, INT32_MIN, INT32_MAX);
            if (!fits)
                return Fail(error, where + "integer out of range");
            if (c.type == gb_type::kInt64)
                PutU64(out, at, static_cast<std::uint64_t>(v));
            else if (c.type == gb_type::kWord) {
                PutU8(out, at, static_cast<std::uint8_t>(v & 0xFF));
                PutU8(out, at + 1, static_cast<std::uint8_t>(v >> 8));
            } else if (WidthOf(c) == 1)
                PutU8(out, at, static_cast<std::uint8_t>(v & 0xFF));
            else
                PutI32(out, at, static_cast<std::int32_t>(v));
            return true;
        }
        case gb_type::kDateTime:
        case gb_type::kDouble:
        case gb_type::kSingle:
        case gb_type::kReal48:
        case gb_type::kExtended: {
            if (!std::holds_alternative<double>(value))
                return Fail(error, where + "needs a number");
            double v = std::get<double>(value);
            if (c.type == gb_type::kSingle)
                PutFloat(out, at, static_cast<float>(v));
            else if (c.type == gb_type::kReal48) {
                std::uint8_t raw[6];
                if (!EncodeReal48(v, raw))
                    return Fail(error, where + "number out of range");
                out.replace(at, 6, reinterpret_cast<const char*>(raw), 6);
            } else if (c.type == gb_type::kExtended) {
                std::uint8_t raw[10];
                EncodeExtended80(v, raw);
                out.replace(at, 10, reinterpret_cast<const char*>(raw), 10);
            } else
                PutDouble(out, at, v);
            return true;
        }
        case gb_type::kLink: {
            if (!std::holds_alternative<std::vector<std::int32_t>>(value))
                return Fail(error, where + "needs row numbers");
            const auto& rows = std::get<std::vector<std::int32_t>>(value);
            if (rows.size() > static_cast<std::size_t>(c.elements))
                return Fail(error, where + "more row numbers than elements");
            for (std::size_t i = 0; i < rows.size(); ++i)
                PutI32(out, at + 4 * i, rows[i]);
            return true;
        }
        case gb_type::kText: {
            if (!std::holds_alternative<std::string>(value))
                return Fail(error, where + "needs a text");
            const std::string& text = std::get<std::string>(value);
            if (text.size() > c.length)
                return Fail(error, where + "text longer than " + std::to_string(c.length) +
                                       " bytes: " + text);
            for (std::size_t i = 0; i < c.length; ++i) {
                auto plain = static_cast<std::uint8_t>(i < text.size() ? text[i] : 0);
                if (rotate && plain > 253)
                    return Fail(error, where + "byte 254 or 255 cannot be rotated");
                PutU8(out, at + i, rotate ? RotateByte(plain) : plain);
            }
            return true;
        }
        default:
            return Fail(error, where + "unknown type");
    }
}

bool CheckTable(const GbTableSource& t, std::string* error) {
    if (t.name.size() > gb_format::kNameChars)
        return Fail(error, "table name too long: " + t.name);
    for (const GbColumn& c : t.columns) {
        if (c.name.size() > gb_format::kNameChars)
            return Fail(error, "column name too long: " + c.name);
        if (c.type >= gb_type::kCount)
            return Fail(error, "unknown column type in " + t.name);
        if (c.type == gb_type::kLink &&
            (c.elements < 0 || c.elements > gb_format::kMaxLinkElements))
            return Fail(error, "link column with too many elements: " + c.name);
    }
    for (const auto& row : t.rows)
        if (row.size() > t.columns.size())
            return Fail(error, "row with more cells than columns in " + t.name);
    return true;
}

}  // namespace

bool EncodeReal48(double value, std::uint8_t out[6]) {
    std::memset(out, 0, 6);
    if (value == 0.0)
        return true;
    if (!std::isfinite(value))
        return false;
    int e;
    double m = std::frexp(std::fabs(value), &e);  // |value| = m * 2^e, m in [0.5, 1)
    auto fraction = static_cast<std::uint64_t>(std::llround(std::ldexp(2 * m - 1, 39)));
    if (fraction >> 39) {  // rounded up to the next power of two
        fraction = 0;
        ++e;
    }
    int exponent = e + 128;
    if (exponent < 1 || exponent > 255)
        return false;
    out[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 4; ++i)
        out[i] = static_cast<std::uint8_t>(fraction >> (8 * (i - 1)));
    out[5] = static_cast<std::uint8_t>((fraction >> 32) & 0x7F);
    if (value < 0)
        out[5] |= 0x80;
    return true;
}

void EncodeExtended80(double value, std::uint8_t out[10]) {
    std::memset(out, 0, 10);
    std::uint64_t mantissa = 0;
    int exponent = 0;
    if (std::isnan(value)) {
        mantissa = 0xC000000000000000ull;
        exponent = 0x7FFF;
    } else if (std::isinf(value)) {
        mantissa = 0x8000000000000000ull;
        exponent = 0x7FFF;
    } else if (value != 0.0) {
        int e;
        double m = std::frexp(std::fabs(value), &e);
        mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = e + 16382;
    }
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    out[8] = static_cast<std::uint8_t>(exponent & 0xFF);
    out[9] = static_cast<std::uint8_t>((exponent >> 8) & 0x7F);
    if (std::signbit(value))
        out[9] |= 0x80;
}

std::string WriteTableDb(const std::vector<GbTableSource>& tables, bool rotate,
                         std::string* error) {
    for (const GbTableSource& t : tables)
        if (!CheckTable(t, error))
            return {};

    std::size_t descriptors = 0;
    for (const GbTableSource& t : tables)
        descriptors +=
            gb_format::kTableDescriptorSize + t.columns.size() * gb_format::kColumnDescriptorSize;
    std::string out(gb_format::kHeaderSize + descriptors, '\0');

    PutI32(out, 0, static_cast<std::int32_t>(tables.size()));
    PutU8(out, 4, rotate ? 1 : 0);
    PutShortText(out, 5, std::string(gb_format::kSignature));
    PutFloat(out, 14, 0.0f);  // no password
    for (int n = 2; n <= 64; ++n)
        PutFloat(out, 18 + 4 * static_cast<std::size_t>(n - 2), static_cast<float>(n * n));
    PutU8(out, 270, gb_format::kVersion);

    std::size_t at = gb_format::kHeaderSize;
    for (const GbTableSource& t : tables) {
        std::size_t rowLength = 0;
        for (const GbColumn& c : t.columns)
            rowLength += WidthOf(c);
        std::size_t firstRow = out.size();
        PutI32(out, at, static_cast<std::int32_t>(t.columns.size()));
        PutShortText(out, at + 4, t.name);
        PutI32(out, at + 68, static_cast<std::int32_t>(t.rows.size()));
        PutI32(out, at + 73, static_cast<std::int32_t>(firstRow));
        at += gb_format::kTableDescriptorSize;
        for (const GbColumn& c : t.columns) {
            PutShortText(out, at + 5, c.name);
            PutU8(out, at + 70, c.type);
            if (c.type == gb_type::kText) {
                PutU8(out, at + 71, static_cast<std::uint8_t>(c.length & 0xFF));
                PutU8(out, at + 72, static_cast<std::uint8_t>(c.length >> 8));
            } else if (c.type == gb_type::kLink) {
                PutI32(out, at + 71, c.refTable);
                PutI32(out, at + 75, c.refColumn);
                PutI32(out, at + 79, c.elements);
            } else {
                PutU8(out, at + 71, c.style);
            }
            at += gb_format::kColumnDescriptorSize;
        }
        out.resize(out.size() + rowLength * t.rows.size(), '\0');
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            std::size_t cell = firstRow + rowLength * r;
            for (std::size_t c = 0; c < t.rows[r].size(); ++c) {
                if (!PutCell(out, cell, t.columns[c], t.rows[r][c], rotate, error))
                    return {};
                cell += WidthOf(t.columns[c]);
            }
            for (std::size_t c = t.rows[r].size(); c < t.columns.size(); ++c) {
                PutCell(out, cell, t.columns[c], GbValue(), rotate, error);
                cell += WidthOf(t.columns[c]);
            }
        }
    }
    return out;
}
