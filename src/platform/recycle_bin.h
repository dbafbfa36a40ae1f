#pragma once
// The shell's recycle bin of one drive: how much it holds, and emptying it. Both are a seam:
// Wine keeps one bin for every drive, so tests can give each drive a bin of its own.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct RecycleBinState {
    std::uint64_t bytes = 0;
    std::uint64_t items = 0;
};

// The state of the bin of the drive `root` ("C:\"); nothing when the shell cannot say.
std::optional<RecycleBinState> QueryRecycleBin(const std::string& root);
// Empties the bin of the drive without asking; true when the shell reports success.
bool EmptyRecycleBin(const std::string& root);

// Tests only: route QueryRecycleBin() and EmptyRecycleBin() through these functions (empty
// functions go back to the shell).
struct RecycleBinSource {
    std::function<std::optional<RecycleBinState>(const std::string& root)> query;
    std::function<bool(const std::string& root)> empty;
};
void OverrideRecycleBinForTests(RecycleBinSource source);

}  // namespace platform
