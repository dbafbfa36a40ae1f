#include "platform/held_entry.h"

#include <windows.h>

#include <utility>

#include "platform/ntdll_calls.h"
#include "platform/text.h"

namespace platform {
namespace {

// The two answers asked of NtQueryInformationFile.
constexpr int kFileInternalInformation = 6;
constexpr int kFileAttributeTagInformation = 35;
struct AttributeTag {
    ULONG attributes;
    ULONG reparseTag;
};

std::function<void(const std::string&)>& BeforeHold() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

}  // namespace

std::optional<HeldEntryInfo> InfoOfHandle(void* handle) {
    BY_HANDLE_FILE_INFORMATION data;
    if (!handle || !GetFileInformationByHandle(static_cast<HANDLE>(handle), &data))
        return std::nullopt;
    HeldEntryInfo info;
    info.identity.volume = data.dwVolumeSerialNumber;
    info.identity.index =
        (static_cast<std::uint64_t>(data.nFileIndexHigh) << 32) | data.nFileIndexLow;
    info.attributes = data.dwFileAttributes;
    info.links = data.nNumberOfLinks;
    return info;
}

std::optional<HeldEntryInfo> InfoOfHandleOnVolume(void* handle, std::uint32_t volume) {
    ntdll::QueryInformationFile query = ntdll::QueryInformation();
    if (!handle || !query)
        return InfoOfHandle(handle);
    ntdll::IoStatus status{};
    LARGE_INTEGER index{};
    AttributeTag tag{};
    if (query(handle, &status, &index, sizeof index, kFileInternalInformation) < 0 ||
        query(handle, &status, &tag, sizeof tag, kFileAttributeTagInformation) < 0)
        return InfoOfHandle(handle);
    HeldEntryInfo info;
    info.identity.volume = volume;
    info.identity.index = static_cast<std::uint64_t>(index.QuadPart);
    info.attributes = tag.attributes;
    return info;
}

void RunBeforeHoldHook(const std::string& path) {
    if (BeforeHold())
        BeforeHold()(path);
}

HeldEntry::HeldEntry(const std::string& path) {
    RunBeforeHoldHook(path);
    // No delete sharing: the entry cannot be renamed or removed while it is held.
    HANDLE handle = CreateFileW(Utf8ToWide(path).c_str(), FILE_READ_ATTRIBUTES,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
        handle_ = handle;
}

HeldEntry::~HeldEntry() {
    Close();
}

HeldEntry::HeldEntry(HeldEntry&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

HeldEntry& HeldEntry::operator=(HeldEntry&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

std::optional<HeldEntryInfo> HeldEntry::Info() const {
    return InfoOfHandle(handle_);
}

std::optional<HeldEntryInfo> HeldEntry::InfoOnVolume(std::uint32_t volume) const {
    return InfoOfHandleOnVolume(handle_, volume);
}

void HeldEntry::Close() {
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

std::optional<HeldEntryInfo> EntryInfoAt(const std::string& path) {
    return HeldEntry(path).Info();
}

void OverrideBeforeHoldForTests(std::function<void(const std::string& path)> hook) {
    BeforeHold() = std::move(hook);
}

}  // namespace platform
