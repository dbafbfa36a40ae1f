#pragma once
// Internet Explorer's AutoComplete items (form entries, passwords, credit card data) in the
// Windows protected storage ("PSTOREC.DLL"): their names, their data sizes, and deleting one.
// The data itself is never kept: it is released as soon as its size is known.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

class AutoCompleteStorage {
  public:
    // Loads the library once (it stays loaded) and creates the store; not open on failure.
    AutoCompleteStorage();
    ~AutoCompleteStorage();
    AutoCompleteStorage(const AutoCompleteStorage&) = delete;
    AutoCompleteStorage& operator=(const AutoCompleteStorage&) = delete;

    bool IsOpen() const { return store_ != nullptr; }
    bool StartEnumeration();
    // The next item name; false when the fetch fails or gives none.
    bool NextName(std::string& name);
    // The item's data size; nothing when it cannot be read.
    std::optional<std::uint32_t> ReadSize(const std::string& name);
    bool Delete(const std::string& name);

  private:
    void* store_ = nullptr;        // IPStore*
    void* enumeration_ = nullptr;  // IEnumPStoreItems*
};

// Tests only: the store is made by `create` (an AddRef'd IPStore*, or null), since Wine's
// answers every enumeration with "not implemented". An empty function goes back to the system.
void OverrideProtectedStoreCreationForTests(std::function<void*()> create);

}  // namespace platform
