#pragma once
// A folder held open for a walk: opened once, by its path or by its name below a held folder
// (which costs the same at any depth), asked what it is through its handle and listed through
// the same handle, so the folder checked is the folder listed. No delete sharing: while held it
// cannot be renamed or removed, so paths below it keep leading into it.
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/held_entry.h"
#include "platform/unique_handle.h"

namespace platform {

// A kernel handle seen as void*, so that the walk does not need windows.h.
struct OpaqueHandleTraits {
    using Value = void*;
    static Value None() { return nullptr; }
    static bool IsNone(Value v) { return v == nullptr || v == reinterpret_cast<void*>(-1); }
    static void Close(Value v);
};

class HeldFolder {
  public:
    HeldFolder() = default;

    // `path` in the "\\?\C:\a\b\" form; not open when it is missing or cannot be read.
    static HeldFolder AtPath(const std::string& path);
    // The entry `name` of `parent`, whose path is `path`; opened by its path when the parent
    // is not open. A link is opened itself where the system allows it (Wine follows it).
    static HeldFolder Below(const HeldFolder& parent, const std::string& name,
                            const std::string& path);

    bool IsOpen() const { return handle_.IsValid(); }
    std::optional<HeldEntryInfo> Info() const {
        return IsOpen() ? InfoOfHandle(handle_.Get()) : std::nullopt;
    }
    // For a folder known to lie on `volume` (see HeldEntry::InfoOnVolume).
    std::optional<HeldEntryInfo> InfoOnVolume(std::uint32_t volume) const {
        return IsOpen() ? InfoOfHandleOnVolume(handle_.Get(), volume) : std::nullopt;
    }
    // Every entry but "." and "..", read whole, each with its file id where the file system
    // gives one; nothing when the folder cannot be listed through its handle.
    std::optional<std::vector<FileEntry>> List() const;
    void Close() { handle_.Reset(); }

  private:
    explicit HeldFolder(void* handle) : handle_(handle) {}
    UniqueHandle<OpaqueHandleTraits> handle_;
};

}  // namespace platform
