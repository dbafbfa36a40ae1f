#include "support/scoped_registry_key.h"

#include <atomic>
#include <random>

namespace testing_support {
namespace {

std::string UniqueKeyPath() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    return "Software\\TidewellTests\\key-" + std::to_string(seed) + "-" + std::to_string(++counter);
}

std::string Join(const std::string& path, const std::string& subkey) {
    return subkey.empty() ? path : path + "\\" + subkey;
}

platform::RegistryKey CreateKey(RootKey root, const std::string& path) {
    return platform::RegistryKey::Create(root, path, platform::reg_access::kAllAccess);
}

}  // namespace

ScopedRegistryKey::ScopedRegistryKey() : ScopedRegistryKey(RootKey::CurrentUser, UniqueKeyPath()) {}

ScopedRegistryKey::ScopedRegistryKey(RootKey root, std::string path)
    : root_(root), path_(std::move(path)) {
    while (!path_.empty() && path_.back() == '\\')
        path_.pop_back();
    CreateKey(root_, path_);
}

ScopedRegistryKey::~ScopedRegistryKey() {
    platform::DeleteRegistryTree(root_, path_);
}

platform::RegistryKey ScopedRegistryKey::Open() const {
    return platform::RegistryKey::Open(root_, path_, platform::reg_access::kAllAccess);
}

void ScopedRegistryKey::SetString(const std::string& name, const std::string& value,
                                  const std::string& subkey) {
    CreateKey(root_, Join(path_, subkey)).WriteString(name, value);
}

void ScopedRegistryKey::SetDword(const std::string& name, std::uint32_t value,
                                 const std::string& subkey) {
    CreateKey(root_, Join(path_, subkey)).WriteDword(name, value);
}

void ScopedRegistryKey::SetBinary(const std::string& name, const std::string& bytes,
                                  const std::string& subkey) {
    CreateKey(root_, Join(path_, subkey))
        .Write(name, platform::reg_type::kBinary, bytes.data(), bytes.size());
}

bool ScopedRegistryKey::HasValue(const std::string& name, const std::string& subkey) const {
    return platform::RegistryKey::Open(root_, Join(path_, subkey)).HasValue(name);
}

bool ScopedRegistryKey::HasSubkey(const std::string& subkey) const {
    return platform::RegistryKeyOpens(root_, Join(path_, subkey));
}

}  // namespace testing_support
