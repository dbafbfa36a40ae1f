#include "engine/shred/shredder.h"

#include <functional>
#include <optional>
#include <vector>

#include "engine/shred/shred_patterns.h"
#include "platform/file_handle.h"
#include "platform/file_streams.h"
#include "platform/files.h"
#include "platform/held_entry.h"
#include "platform/paths.h"

namespace {

using platform::OpenFile;
namespace file_attr = platform::file_attr;

// A write that fails or makes no progress is tried again this many times before the pass gives
// up, so a failing disk ends the pass instead of looping.
constexpr int kWriteAttempts = 3;

// Hands the observer's calls on when there is one.
class Events {
  public:
    explicit Events(ShredObserver* observer) : observer_(observer) {}
    void PassWritten(int pass, bool complete) {
        if (observer_)
            observer_->PassWritten(pass, complete);
    }
    void Flushed() {
        if (observer_)
            observer_->Flushed();
    }
    void Truncated() {
        if (observer_)
            observer_->Truncated();
    }
    void Closed() {
        if (observer_)
            observer_->Closed();
    }
    void Renamed(const std::string& path) {
        if (observer_)
            observer_->Renamed(path);
    }
    void DeletedWithoutOverwrite() {
        if (observer_)
            observer_->DeletedWithoutOverwrite();
    }
    void OtherNamesKept() {
        if (observer_)
            observer_->OtherNamesKept();
    }
    void StreamNotOverwritten(const std::string& stream) {
        if (observer_)
            observer_->StreamNotOverwritten(stream);
    }

  private:
    ShredObserver* observer_;
};

bool IsLink(const std::string& path) {
    auto attributes = platform::FileAttributes(platform::WithoutTrailingBackslash(path));
    return attributes && (*attributes & file_attr::kReparsePoint);
}

// One pass over the whole file, whatever its size, from a buffer of copies of the pass's block:
// true when every byte was written.
bool OverwritePass(OpenFile& file, const std::vector<std::uint8_t>& buffer) {
    auto size = file.Size();
    if (!size || !file.SeekTo(0))
        return false;
    std::uint64_t position = 0;
    int attempts = 0;
    for (;;) {
        ShredWrite next = NextShredWrite(position, *size, buffer.size());
        if (next.bytes == 0)
            return true;
        std::uint32_t written = file.Write(buffer.data() + next.bufferOffset, next.bytes);
        if (written == 0) {
            if (++attempts >= kWriteAttempts || !file.SeekTo(position))
                return false;
            continue;
        }
        attempts = 0;
        position += written;
    }
}

void Flush(OpenFile& file, Events& events) {
    file.Flush();
    events.Flushed();
}

// `unflushed`: something was written since the last flush. A flush right after a flushed
// pass would push nothing more to the disk, and costs the disk a cache flush all the same.
bool Truncate(OpenFile& file, Events& events, bool unflushed) {
    if (unflushed)
        Flush(file, events);
    bool cut = file.SeekTo(0) && file.SetEndHere();
    events.Truncated();
    return cut;
}

void Close(OpenFile& file, Events& events) {
    Flush(file, events);
    file.Close();
    events.Closed();
}

// Makes a read-only file writable and opens it for overwriting (its contents are what must be
// destroyed); `restore` then holds the attributes to put back if it is kept.
OpenFile OpenReadOnlyForOverwrite(const std::string& path, std::optional<std::uint32_t>& restore) {
    auto attributes = platform::FileAttributes(path);
    if (!attributes || !(*attributes & file_attr::kReadOnly))
        return {};
    if (!platform::SetFileAttributesTo(path, *attributes & ~file_attr::kReadOnly))
        return {};
    restore = *attributes;
    return OpenFile::ForOverwrite(path);
}

// The passes of the mode on an open file, then truncation to length 0 and the close. True when
// every pass wrote the whole file and the cut succeeded.
bool Overwrite(OpenFile& file, const ShredSettings& settings, ShredRandom& random, Events& events) {
    bool complete = true;
    ShredBlock block;
    // One buffer for all passes: handing the system fresh memory for every pass costs time.
    std::vector<std::uint8_t> buffer(WriteBufferBytes(file.Size().value_or(0)));
    const int passes = OverwritePassCount(settings.WashMode);
    bool unflushed = false;
    for (int pass = 1; pass <= passes && complete; ++pass) {
        FillPassBlock(settings.WashMode, pass, random, block);
        FillWriteBuffer(block, buffer);
        complete = OverwritePass(file, buffer);
        unflushed = true;
        events.PassWritten(pass, complete);
        if (complete && FlushAfterPass(settings.WashMode, settings.WashStrength, pass)) {
            Flush(file, events);
            unflushed = false;
        }
    }
    complete = Truncate(file, events, unflushed) && complete;
    Close(file, events);
    return complete;
}

// Opens the file at `path` and overwrites it; false when it does not open.
bool OverwriteAt(const std::string& path, const ShredSettings& settings, ShredRandom& random,
                 Events& events) {
    std::optional<std::uint32_t> restore;
    OpenFile file = OpenFile::ForOverwrite(path);
    if (!file)
        file = OpenReadOnlyForOverwrite(path, restore);
    if (!file)
        return false;
    const bool complete = Overwrite(file, settings, random, events);
    if (restore && !settings.ShredDelete)
        platform::SetFileAttributesTo(path, *restore);
    return complete;
}

// The file's alternate data streams, each overwritten as the file is; true when all were.
bool OverwriteStreams(const std::string& path, const ShredSettings& settings, ShredRandom& random,
                      Events& events) {
    std::optional<std::vector<std::string>> streams = platform::AlternateStreamNames(path);
    if (!streams) {
        events.StreamNotOverwritten("");
        return false;
    }
    bool all = true;
    for (const std::string& stream : *streams) {
        if (!OverwriteAt(path + stream, settings, random, events)) {
            events.StreamNotOverwritten(stream);
            all = false;
        }
    }
    return all;
}

// Whether other names (hard links) share the file's contents.
bool HasOtherNames(const std::string& path) {
    std::optional<platform::HeldEntryInfo> info = platform::EntryInfoAt(path);
    return info && info->links > 1;
}

// The same, asked of the file already open for overwriting (no second open).
bool HasOtherNames(const OpenFile& file, const std::string& path) {
    if (std::optional<std::uint32_t> names = file.NameCount())
        return *names > 1;
    return HasOtherNames(path);
}

// How often a name step may draw its random letters before it gives up changing the name.
constexpr int kNameDraws = 8;

using RenameStep = std::function<bool(const std::string& from, const std::string& to)>;

// Renames `path` by the mode's name steps, each through `rename`; the path it ends up under.
std::string RenameByMode(const std::string& path, int mode, bool keepDots, ShredRandom& random,
                         Events& events, const RenameStep& rename) {
    const std::string folder = platform::FolderOfPath(path);
    std::string current = path;
    for (int step = 1; step <= RenameCount(mode); ++step) {
        std::string name = platform::LastPathComponent(current);
        std::string next = current;
        // A random name can come out as the current one (a one-letter name does so once in 26
        // draws); draw again so that every step really changes the name.
        for (int draw = 0; draw < kNameDraws && next == current; ++draw)
            next = folder + (keepDots ? ShredFileName(name, mode, step, random)
                                      : ShredFolderName(name, mode, step, random));
        if (next != current && rename(current, next)) {
            current = next;
            events.Renamed(current);
        }
    }
    return current;
}

bool MoveByPath(const std::string& from, const std::string& to) {
    return platform::MoveFileTo(from, to);
}

// Deletes a file when ShredDelete is set. Success when there is nothing to delete.
bool DeleteIfShredDelete(const std::string& path, const ShredSettings& settings) {
    if (!settings.ShredDelete || platform::DeleteFileAt(path))
        return true;  // the usual case takes one call
    auto attributes = platform::FileAttributes(path);
    if (!attributes)
        return true;
    if (*attributes & (file_attr::kDirectory | file_attr::kReparsePoint))
        return false;  // not a file
    // Read-only refuses the delete: reset the attributes to archive alone and try again.
    return platform::SetFileAttributesTo(path, file_attr::kArchive) && platform::DeleteFileAt(path);
}

bool RemoveFolderIfShredDelete(const std::string& path, const ShredSettings& settings) {
    if (!settings.ShredDelete || !platform::FolderExists(path))
        return true;
    if (!platform::SetFileAttributesTo(path, file_attr::kDirectory))
        platform::SetFileAttributesTo(path, file_attr::kNormal);
    return platform::RemoveFolderAt(path);
}

bool FolderIsEmpty(const std::string& folder) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*"))
        if (!entry.IsDotEntry())
            return false;
    return true;
}

// The renames of the mode and the delete, through one handle held for them: the 35 renames of
// mode 4 would otherwise open and close the file 36 times. Where the file cannot be held (it
// is open somewhere without delete sharing) each step goes by its name, as before.
bool RenameAndDelete(const std::string& path, const ShredSettings& settings, ShredRandom& random,
                     Events& events) {
    platform::FileForRenaming held = platform::FileForRenaming::Open(path);
    if (!held) {
        std::string current =
            RenameByMode(path, settings.WashMode, true, random, events, MoveByPath);
        return DeleteIfShredDelete(current, settings);
    }
    std::string current = RenameByMode(
        path, settings.WashMode, true, random, events,
        [&held](const std::string&, const std::string& to) { return held.RenameTo(to); });
    const bool marked = held.DeleteWhenClosed();
    held.Close();
    // A file the system would not delete so (read-only) goes the way DeleteFile takes.
    if (marked && !platform::PathExists(current))
        return true;
    return DeleteIfShredDelete(current, settings);
}

}  // namespace

bool ShredFile(const std::string& path, const ShredSettings& settings, ShredObserver* observer) {
    const int mode = settings.WashMode;
    if (mode < 1 || mode > 4)
        return false;
    // Level 1 deletes without opening the file. A clear at that level still cuts the file to
    // length 0 (no passes): leaving it whole would report a cleared file that was not touched.
    if (mode == 1 && settings.ShredDelete)
        return DeleteIfShredDelete(path, settings);
    const auto attributes = platform::FileAttributes(path);
    if (attributes && (*attributes & file_attr::kReparsePoint))
        return false;
    Events events(observer);
    ShredRandom random;
    const bool exists = attributes && !(*attributes & file_attr::kDirectory);
    if (!exists)  // nothing there to clear; a folder is no file to delete
        return settings.ShredDelete ? DeleteIfShredDelete(path, settings) : !attributes;
    OpenFile file = OpenFile::ForOverwrite(path);
    if (file ? HasOtherNames(file, path) : HasOtherNames(path)) {
        // Overwriting would destroy what the other names still hold: only this name goes.
        file.Close();
        events.OtherNamesKept();
        return settings.ShredDelete && DeleteIfShredDelete(path, settings);
    }
    std::optional<std::uint32_t> restore;
    if (!file)
        file = OpenReadOnlyForOverwrite(path, restore);
    const bool cleared = file && Overwrite(file, settings, random, events);
    if (restore && !settings.ShredDelete)
        platform::SetFileAttributesTo(path, *restore);
    OverwriteStreams(path, settings, random, events);
    if (!settings.ShredDelete)
        return cleared;
    if (!RenameAndDelete(path, settings, random, events))
        return false;
    if (!cleared)
        events.DeletedWithoutOverwrite();
    return true;
}

bool ShredListedFile(const std::string& path, std::uint32_t attributes,
                     const ShredSettings& settings, ShredObserver* observer) {
    // What the listing showed as a link or a folder is no file to destroy; anything else goes
    // as ShredFile takes it (at level 1 that is the delete call alone).
    if (attributes & (file_attr::kReparsePoint | file_attr::kDirectory))
        return false;
    return ShredFile(path, settings, observer);
}

bool ShredFolder(const std::string& path, const ShredSettings& settings, ShredObserver* observer) {
    const int mode = settings.WashMode;
    const std::string folder = platform::WithTrailingBackslash(path);
    if (mode < 1 || mode > 4 || IsLink(folder) || !FolderIsEmpty(folder))
        return false;
    std::string current = platform::WithoutTrailingBackslash(folder);
    if (mode != 1 && settings.ShredDelete && platform::FolderExists(current)) {
        Events events(observer);
        ShredRandom random;
        current = RenameByMode(current, mode, false, random, events, MoveByPath);
    }
    return RemoveFolderIfShredDelete(current, settings);
}
