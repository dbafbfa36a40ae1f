#pragma once
// A file or folder held open by its path for reading what it is: its identity (volume serial
// number and file id, the same whatever spelling, prefix or drive letter reached it), its
// attributes and its number of names. A link at the end of the path is opened itself where the
// system allows it (Wine follows it). While held, nobody can rename or delete the entry, so a
// path below a held folder keeps leading into that folder.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

struct FileIdentity {
    std::uint32_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileIdentity& other) const {
        return volume == other.volume && index == other.index;
    }
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

struct FileIdentityHash {
    std::size_t operator()(const FileIdentity& id) const {
        return static_cast<std::size_t>(id.index * 0x9E3779B97F4A7C15ull) ^ id.volume;
    }
};

struct HeldEntryInfo {
    FileIdentity identity;
    std::uint32_t attributes = 0;
    std::uint32_t links = 1;  // names of the file (hard links)
};

class HeldEntry {
  public:
    HeldEntry() = default;
    // Opens `path` (a file or a folder); not open when it is missing or cannot be read.
    explicit HeldEntry(const std::string& path);
    ~HeldEntry();
    HeldEntry(const HeldEntry&) = delete;
    HeldEntry& operator=(const HeldEntry&) = delete;
    HeldEntry(HeldEntry&& other) noexcept;
    HeldEntry& operator=(HeldEntry&& other) noexcept;

    bool IsOpen() const { return handle_ != nullptr; }
    // What the open handle says; nothing when it is not open or cannot be asked.
    std::optional<HeldEntryInfo> Info() const;
    // The same for an entry known to lie on the volume `volume` (below a folder of it, no
    // link between): the volume is not asked again, which under Wine costs a round trip to
    // its mount manager for every folder. The number of names is not given (1).
    std::optional<HeldEntryInfo> InfoOnVolume(std::uint32_t volume) const;
    void Close();

  private:
    void* handle_ = nullptr;  // HANDLE; never INVALID_HANDLE_VALUE
};

// What an open handle (a HANDLE) of a file or folder says, for the holders of platform/.
std::optional<HeldEntryInfo> InfoOfHandle(void* handle);
std::optional<HeldEntryInfo> InfoOfHandleOnVolume(void* handle, std::uint32_t volume);
// Runs the hook of OverrideBeforeHoldForTests, if any, before `path` is held.
void RunBeforeHoldHook(const std::string& path);

// Opens, reads and closes.
std::optional<HeldEntryInfo> EntryInfoAt(const std::string& path);

// Tests only: `hook` runs with the path whenever an entry is about to be held, so a test can
// swap a folder for a link at the moment another program could (an empty function ends it).
void OverrideBeforeHoldForTests(std::function<void(const std::string& path)> hook);

}  // namespace platform
