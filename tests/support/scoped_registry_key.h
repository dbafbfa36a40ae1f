#pragma once
// A registry key that exists for one test and is removed, with everything below it, afterwards.
#include <string>

#include "platform/registry.h"

namespace testing_support {

class ScopedRegistryKey {
  public:
    // A fresh key under HKCU\Software\TidewellTests\.
    ScopedRegistryKey();
    // A given key (created if missing); removed afterwards. For keys a washer reads by name.
    ScopedRegistryKey(RootKey root, std::string path);
    ~ScopedRegistryKey();
    ScopedRegistryKey(const ScopedRegistryKey&) = delete;
    ScopedRegistryKey& operator=(const ScopedRegistryKey&) = delete;

    RootKey Root() const { return root_; }
    // The key path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    platform::RegistryKey Open() const;  // full access

    void SetString(const std::string& name, const std::string& value,
                   const std::string& subkey = "");
    void SetDword(const std::string& name, std::uint32_t value, const std::string& subkey = "");
    void SetBinary(const std::string& name, const std::string& bytes,
                   const std::string& subkey = "");
    bool HasValue(const std::string& name, const std::string& subkey = "") const;
    bool HasSubkey(const std::string& subkey) const;

  private:
    RootKey root_;
    std::string path_;
};

}  // namespace testing_support
