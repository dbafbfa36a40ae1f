#pragma once
// Byte counts as the short texts the status rows, the test listing and the log show.
#include <cstdint>
#include <string>

// 0 -> "0 Kb"; below 1 Kb two decimals ("0.98 Kb"); then whole Kb, Mb, Gb, Tb, Pb, Eb, each
// rounded, chosen by the highest set bit (below 2^20 Kb, below 2^30 Mb, ...).
std::string FormatSizeText(std::uint64_t bytes);
