#pragma once
// The wash objects as TidewellCmd names and shows them.
//
// Identifiers: a built-in object is named by its type identifier ("wlitWin_Run_History"), a
// plug-in object by its Id, a user object by "user:" and its number among the user objects
// (the n of its "Object_n" section). Display names are not used: they change with the
// language and two user objects may share one. Matching ignores ASCII case.
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue_ops.h"
#include "engine/washer_table.h"

// The identifier of each catalogue entry, in catalogue order.
std::vector<std::string> ObjectIdentifiers(const Catalogue& catalogue);

// The lines of `list`: a header, then per object its identifier, display name, selected and
// present (the row is enabled: object detection did not disable it), in aligned columns.
std::vector<std::string> ObjectListingLines(const Catalogue& catalogue);

// --only: selects exactly the named objects for this run. On a name that is unknown, whose
// object is not present, or that no washer in `washers` handles (the run would skip it, and
// the user asked for it by name), changes nothing and returns the message that says so.
std::string SelectOnly(Catalogue& catalogue, const std::vector<std::string>& identifiers,
                       const WasherTable& washers);

// Totals of a real wash, after the per-object lines:
// "Tidewell Wash done, N items washed, total size B bytes (size text)".
std::string WashSummary(std::uint64_t items, std::uint64_t bytes, bool stopped);
