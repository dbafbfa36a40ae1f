#pragma once
// PStoreWash: counts Internet Explorer's AutoComplete items in the protected storage and, in a
// real run, deletes them. Only their names and sizes are used.
#include <cstdint>
#include <functional>
#include <string>

// Adds the number of items to `entries` and their data sizes to `bytes`; in a real run deletes
// each one (an item that cannot be deleted is not counted). `log` takes a line about an item
// that is left alone.
void PStoreWash(std::uint64_t& entries, std::uint64_t& bytes, bool testRun,
                const std::function<void(const std::string&)>& log);
