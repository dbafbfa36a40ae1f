#pragma once
// The Windows registry: keys opened without creating them unless asked, values as typed bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/root_key.h"

namespace platform {

// Access rights, by the numbers Windows gives them.
namespace reg_access {
constexpr std::uint32_t kRead = 0x20019;   // KEY_READ
constexpr std::uint32_t kWrite = 0x20006;  // KEY_WRITE
constexpr std::uint32_t kQuerySetCreateEnum = 0x2000F;
constexpr std::uint32_t kAllAccess = 0xF003F;
}  // namespace reg_access

// Registry value data types.
namespace reg_type {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kString = 1;        // REG_SZ
constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
constexpr std::uint32_t kBinary = 3;        // REG_BINARY
constexpr std::uint32_t kDword = 4;         // REG_DWORD
constexpr std::uint32_t kMultiString = 7;   // REG_MULTI_SZ
}  // namespace reg_type

// The registry view a key is opened in. A 32-bit program on 64-bit Windows is shown the 32-bit
// copies of HKLM\Software and HKCR (Wow6432Node); Windows keeps its own data in the 64-bit
// view, which Native opens for such a program too. Elsewhere both are the same.
enum class RegistryView { Default, Native };

// The access rights asked of the system for a key of `root` in `view`.
std::uint32_t RegistryAccess(RootKey root, std::uint32_t access, RegistryView view);

struct RegistryValue {
    std::uint32_t type = reg_type::kNone;
    std::vector<std::uint8_t> data;  // as stored; strings are UTF-16 with their terminator

    bool IsString() const { return type == reg_type::kString || type == reg_type::kExpandString; }
    std::string AsString() const;   // UTF-8; empty unless a string type
    std::uint32_t AsDword() const;  // 0 unless a 4-byte integer
    // The data size as the registry reports it to a program of the ANSI code page, the one the
    // wash counters give: texts (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) in ANSI bytes with their
    // terminators ("abc" is 4 bytes, not the 8 stored), every other type as stored.
    std::size_t Size() const;
};

struct RegistryKeyInfo {
    std::uint32_t subkeys = 0;
    std::uint32_t values = 0;
};

// A move-only owner of one open key (the handle is kept opaque so that callers need no
// windows.h).
class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;

    // Opens an existing key; the result is not open when the key does not exist.
    static RegistryKey Open(RootKey root, const std::string& path,
                            std::uint32_t access = reg_access::kRead,
                            RegistryView view = RegistryView::Default);
    // Opens the key, creating it and its missing parents.
    static RegistryKey Create(RootKey root, const std::string& path,
                              std::uint32_t access = reg_access::kWrite,
                              RegistryView view = RegistryView::Default);

    bool IsOpen() const { return key_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }

    std::vector<std::string> SubkeyNames() const;
    std::vector<std::string> ValueNames() const;
    std::optional<RegistryKeyInfo> Info() const;
    bool HasValue(const std::string& name) const;
    std::optional<RegistryValue> Read(const std::string& name) const;

    bool Write(const std::string& name, std::uint32_t type, const void* data, std::size_t size);
    bool WriteString(const std::string& name, const std::string& text,
                     std::uint32_t type = reg_type::kString);
    bool WriteDword(const std::string& name, std::uint32_t value);
    bool DeleteValue(const std::string& name);

  private:
    void Close();
    void* key_ = nullptr;  // HKEY
};

// Deletes a key that has no subkeys (as Windows does); false when it could not be deleted.
bool DeleteRegistryLeafKey(RootKey root, const std::string& path);
// Deletes a key with everything below it. For tests and clean-up, never for washing.
bool DeleteRegistryTree(RootKey root, const std::string& path);
bool RegistryKeyOpens(RootKey root, const std::string& path);
// A symbolic link to another key (it has a "SymbolicLinkValue" of the link type). Opening it
// opens its target, which may lie anywhere, even above the link itself.
bool RegistryKeyIsLink(RootKey root, const std::string& path);

}  // namespace platform
