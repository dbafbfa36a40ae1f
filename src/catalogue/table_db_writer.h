#pragma once
// Writes a table database in the format TGBObject reads (the build tool makes the language
// file with it; tests make sound and damaged files with it).
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "catalogue/table_db.h"

// A cell: nothing (zero bytes), a Boolean, an integer, a real or date-time, a text, or the row
// numbers of a link.
using GbValue = std::variant<std::monostate, bool, std::int64_t, double, std::string,
                             std::vector<std::int32_t>>;

// Only the descriptor fields of GbColumn are used (name, type, length, style, link fields).
struct GbTableSource {
    std::string name;
    std::vector<GbColumn> columns;
    std::vector<std::vector<GbValue>> rows;
};

// The file's bytes; empty, with `error` saying why, when a table cannot be written (a name or
// a text too long, a value of the wrong kind or out of range for its column).
std::string WriteTableDb(const std::vector<GbTableSource>& tables, bool rotate,
                         std::string* error = nullptr);

// The two float formats without a C++ type everywhere; false when the value does not fit.
bool EncodeReal48(double value, std::uint8_t out[6]);
void EncodeExtended80(double value, std::uint8_t out[10]);
