#include "platform/held_entry.h"

#include <windows.h>

#include <utility>

#include "platform/text.h"

namespace platform {
namespace {

std::function<void(const std::string&)>& BeforeHold() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

}  // namespace

HeldEntry::HeldEntry(const std::string& path) {
    if (BeforeHold())
        BeforeHold()(path);
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
    BY_HANDLE_FILE_INFORMATION data;
    if (!handle_ || !GetFileInformationByHandle(static_cast<HANDLE>(handle_), &data))
        return std::nullopt;
    HeldEntryInfo info;
    info.identity.volume = data.dwVolumeSerialNumber;
    info.identity.index =
        (static_cast<std::uint64_t>(data.nFileIndexHigh) << 32) | data.nFileIndexLow;
    info.attributes = data.dwFileAttributes;
    info.links = data.nNumberOfLinks;
    return info;
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
