#include "platform/registry.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

HKEY ToHkey(RootKey root) {
    // The predefined keys are sign-extended 32-bit numbers, as windows.h defines them.
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(root))));
}

HKEY AsHkey(void* key) {
    return static_cast<HKEY>(key);
}

std::string TrimTrailingBackslash(const std::string& path) {
    std::string result = path;
    while (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

}  // namespace

std::uint32_t RegistryAccess(RootKey root, std::uint32_t access, RegistryView view) {
    const bool redirected = root == RootKey::LocalMachine || root == RootKey::ClassesRoot;
    if (!redirected || !IsWow64())
        return access;
    if (view == RegistryView::Native)
        return access | KEY_WOW64_64KEY;
#ifdef _WIN64
    // Only a test makes a 64-bit program pretend to be a 32-bit one: it is shown the 32-bit
    // view that such a program gets.
    return access | KEY_WOW64_32KEY;
#else
    return access;
#endif
}

std::string RegistryValue::AsString() const {
    if (!IsString() || data.empty())
        return {};
    std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
    auto end = wide.find(L'\0');
    if (end != std::wstring::npos)
        wide.resize(end);
    return WideToUtf8(wide);
}

std::size_t RegistryValue::Size() const {
    if (!IsString() && type != reg_type::kMultiString)
        return data.size();
    std::wstring wide(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(wide.data(), data.data(), wide.size() * sizeof(wchar_t));
    // An odd last byte is no character; it is still data.
    return AnsiByteCount(wide) + data.size() % sizeof(wchar_t);
}

std::uint32_t RegistryValue::AsDword() const {
    if (type != reg_type::kDword || data.size() != 4)
        return 0;
    std::uint32_t value = 0;
    std::memcpy(&value, data.data(), 4);
    return value;
}

RegistryKey::~RegistryKey() {
    Close();
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

void RegistryKey::Close() {
    if (key_)
        RegCloseKey(AsHkey(key_));
    key_ = nullptr;
}

RegistryKey RegistryKey::Open(RootKey root, const std::string& path, std::uint32_t access,
                              RegistryView view) {
    RegistryKey key;
    HKEY opened = nullptr;
    std::wstring wide = Utf8ToWide(TrimTrailingBackslash(path));
    if (RegOpenKeyExW(ToHkey(root), wide.c_str(), 0, RegistryAccess(root, access, view), &opened) ==
        ERROR_SUCCESS)
        key.key_ = opened;
    return key;
}

RegistryKey RegistryKey::Create(RootKey root, const std::string& path, std::uint32_t access,
                                RegistryView view) {
    RegistryKey key;
    HKEY opened = nullptr;
    std::wstring wide = Utf8ToWide(TrimTrailingBackslash(path));
    if (RegCreateKeyExW(ToHkey(root), wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        RegistryAccess(root, access, view), nullptr, &opened,
                        nullptr) == ERROR_SUCCESS)
        key.key_ = opened;
    return key;
}

std::vector<std::string> RegistryKey::SubkeyNames() const {
    std::vector<std::string> names;
    if (!key_)
        return names;
    wchar_t name[256];  // key names are limited to 255 characters
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        LONG rc = RegEnumKeyExW(AsHkey(key_), i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS)
            break;
        names.push_back(WideToUtf8(std::wstring_view(name, length)));
    }
    return names;
}

std::vector<std::string> RegistryKey::ValueNames() const {
    std::vector<std::string> names;
    if (!key_)
        return names;
    DWORD maxLength = 0;
    if (RegQueryInfoKeyW(AsHkey(key_), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &maxLength, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::wstring name(maxLength + 1, L'\0');
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        LONG rc = RegEnumValueW(AsHkey(key_), i, name.data(), &length, nullptr, nullptr, nullptr,
                                nullptr);
        if (rc == ERROR_MORE_DATA) {  // a value added meanwhile with a longer name
            name.resize(name.size() * 2 + 256);
            --i;
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        names.push_back(WideToUtf8(std::wstring_view(name.data(), length)));
    }
    return names;
}

std::optional<RegistryKeyInfo> RegistryKey::Info() const {
    if (!key_)
        return std::nullopt;
    DWORD subkeys = 0, values = 0;
    if (RegQueryInfoKeyW(AsHkey(key_), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                         &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    return RegistryKeyInfo{subkeys, values};
}

bool RegistryKey::HasValue(const std::string& name) const {
    if (!key_)
        return false;
    std::wstring wide = Utf8ToWide(name);
    return RegQueryValueExW(AsHkey(key_), wide.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::optional<RegistryValue> RegistryKey::Read(const std::string& name) const {
    if (!key_)
        return std::nullopt;
    std::wstring wide = Utf8ToWide(name);
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExW(AsHkey(key_), wide.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        RegistryValue value;
        value.type = type;
        value.data.resize(size);
        LONG rc = RegQueryValueExW(AsHkey(key_), wide.c_str(), nullptr, &type,
                                   value.data.empty() ? nullptr : value.data.data(), &size);
        if (rc == ERROR_MORE_DATA)
            continue;  // grew between the two calls
        if (rc != ERROR_SUCCESS)
            return std::nullopt;
        value.type = type;
        value.data.resize(size);
        return value;
    }
    return std::nullopt;
}

bool RegistryKey::Write(const std::string& name, std::uint32_t type, const void* data,
                        std::size_t size) {
    if (!key_)
        return false;
    std::wstring wide = Utf8ToWide(name);
    return RegSetValueExW(AsHkey(key_), wide.c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteString(const std::string& name, const std::string& text,
                              std::uint32_t type) {
    std::wstring wide = Utf8ToWide(text);
    return Write(name, type, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

bool RegistryKey::WriteDword(const std::string& name, std::uint32_t value) {
    return Write(name, reg_type::kDword, &value, sizeof value);
}

bool RegistryKey::DeleteValue(const std::string& name) {
    if (!key_)
        return false;
    std::wstring wide = Utf8ToWide(name);
    return RegDeleteValueW(AsHkey(key_), wide.c_str()) == ERROR_SUCCESS;
}

bool DeleteRegistryLeafKey(RootKey root, const std::string& path) {
    std::wstring wide = Utf8ToWide(TrimTrailingBackslash(path));
    return RegDeleteKeyW(ToHkey(root), wide.c_str()) == ERROR_SUCCESS;
}

namespace {

// Opens a link key itself, not its target.
HKEY OpenLinkItself(RootKey root, const std::string& path, REGSAM access) {
    HKEY opened = nullptr;
    std::wstring wide = Utf8ToWide(TrimTrailingBackslash(path));
    if (RegOpenKeyExW(ToHkey(root), wide.c_str(), REG_OPTION_OPEN_LINK, access, &opened) !=
        ERROR_SUCCESS)
        return nullptr;
    return opened;
}

}  // namespace

bool RegistryKeyIsLink(RootKey root, const std::string& path) {
    HKEY key = OpenLinkItself(root, path, KEY_QUERY_VALUE);
    if (!key)
        return false;
    DWORD type = 0;
    bool link = RegQueryValueExW(key, L"SymbolicLinkValue", nullptr, &type, nullptr, nullptr) ==
                    ERROR_SUCCESS &&
                type == REG_LINK;
    RegCloseKey(key);
    return link;
}

bool DeleteRegistryTree(RootKey root, const std::string& path) {
    std::string trimmed = TrimTrailingBackslash(path);
    if (trimmed.empty())
        return false;                        // never a whole root
    if (RegistryKeyIsLink(root, trimmed)) {  // the link goes, never what it points to
        HKEY link = OpenLinkItself(root, trimmed, DELETE);
        bool deleted = link && RegDeleteKeyW(link, L"") == ERROR_SUCCESS;
        if (link)
            RegCloseKey(link);
        return deleted;
    }
    {
        RegistryKey key = RegistryKey::Open(root, trimmed, reg_access::kAllAccess);
        if (!key)
            return !RegistryKeyOpens(root, trimmed);
        for (const std::string& sub : key.SubkeyNames())
            DeleteRegistryTree(root, trimmed + "\\" + sub);
    }
    return DeleteRegistryLeafKey(root, trimmed);
}

bool RegistryKeyOpens(RootKey root, const std::string& path) {
    return RegistryKey::Open(root, path, reg_access::kRead).IsOpen();
}

}  // namespace platform
