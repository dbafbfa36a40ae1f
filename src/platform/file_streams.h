#pragma once
// The alternate data streams of a file: named streams beside its contents, which a shred must
// overwrite too. Listed with FindFirstStreamW, which Windows XP lacks (it is looked up when
// the program runs, so the program still starts there). Wine keeps no streams; tests make the
// listing answer what they need.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The names to append to the file's path to open each stream (":name:$DATA"), the unnamed
// main stream left out; empty when there are none or the file system keeps none; nothing when
// the system cannot say.
std::optional<std::vector<std::string>> AlternateStreamNames(const std::string& path);

// Tests only: make AlternateStreamNames() answer through `source` (an empty function goes back
// to the system's answer).
using StreamNamesSource =
    std::function<std::optional<std::vector<std::string>>(const std::string& path)>;
void OverrideStreamNamesForTests(StreamNamesSource source);

}  // namespace platform
