#pragma once
// Builds the language file "Tidewell.lng" from the English source and the translations.
#include <string>
#include <vector>

#include "lang_source.h"

namespace langdb {

// A caption or hint holds at most 255 bytes (what a read gives back); the columns are only as
// wide as the longest text needs.
constexpr std::uint16_t kCaptionBytes = 255;

// The "Contents" table lists English first, then the translations in the order given; each
// language gets one table per window of the English source, "<window> (<country>)", with the
// rows in the English order. Empty, with `error` set, when a translation misses or adds a row,
// a hint, or a window, or when a text does not fit.
std::string BuildLanguageFile(const LanguageSource& english,
                              const std::vector<LanguageSource>& translations, bool rotate,
                              std::string& error);

}  // namespace langdb
