// WashFile and WashFolder: the file side of the primitives.
#include <optional>
#include <unordered_set>

#include "engine/file_mask.h"
#include "engine/name_rules.h"
#include "engine/primitives.h"
#include "engine/protected_folders.h"
#include "engine/shred/shredder.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/known_folders.h"

namespace {

using platform::FileEntry;

// One listing, read whole before anything in it is destroyed: the shredder renames files, and
// a renamed file must not turn up again in a listing still being read.
std::vector<FileEntry> ListFolder(const std::string& pattern) {
    std::vector<FileEntry> entries;
    for (const FileEntry& entry : platform::DirectoryListing(pattern))
        if (!entry.IsDotEntry())
            entries.push_back(entry);
    return entries;
}

bool IsLink(const std::string& folder) {
    auto attributes = platform::FileAttributes(platform::WithoutTrailingBackslash(folder));
    return attributes && (*attributes & platform::file_attr::kReparsePoint);
}

// Notices a file the shredder deleted without overwriting it (it was open elsewhere without
// write sharing, or a write failed): its contents may still be on the disk.
class OverwriteWatch : public ShredObserver {
  public:
    void DeletedWithoutOverwrite() override { missed = true; }
    bool missed = false;
};

// Destroys a file that a listing showed with `attributes`; the log says when the delete was
// all that could be done.
bool ShredAndTell(WashScope& scope, const std::string& path, std::uint32_t attributes) {
    OverwriteWatch watch;
    if (!ShredListedFile(path, attributes, scope.Ctx.Shred, &watch))
        return false;
    if (watch.missed)
        scope.QueueLogLine("Deleted " + path + " without overwriting it: it could not be written");
    return true;
}

// A name handed to WashFile must stay inside its folder.
bool IsSafeName(const std::string& name) {
    if (name.empty())
        return false;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = name.find_first_of("\\/", start);
        std::string part = name.substr(start, end == std::string::npos ? end : end - start);
        if (part == "." || part == "..")
            return false;
        if (end == std::string::npos)
            return true;
        start = end + 1;
    }
}

// The listings of one folder. "*.*" is read at most once: the subfolder walk leaves this
// folder's own files alone, and a test run changes nothing at all.
class FolderListings {
  public:
    explicit FolderListings(const std::string& folder) : folder_(folder) {}

    const std::vector<FileEntry>& All() {
        if (!all_)
            all_ = ListFolder(folder_ + "*.*");
        return *all_;
    }
    const std::vector<FileEntry>& Matching(const std::string& mask) {
        if (mask == "*.*")
            return All();
        matching_ = ListFolder(folder_ + mask);
        return matching_;
    }

  private:
    const std::string& folder_;
    std::optional<std::vector<FileEntry>> all_;
    std::vector<FileEntry> matching_;
};

struct FolderOutcome {
    bool result = false;
    bool gone = false;  // removed (in a test run: would be removed)
};

// One WashFolder call and its recursion. `canonical` is the folder's full long path, kept
// beside the caller's spelling so that protected folders are recognised at every depth.
class FolderWasher {
  public:
    FolderWasher(WashScope& scope, bool& prompt, bool deleteFiles)
        : scope_(scope), prompt_(prompt), delete_(deleteFiles) {}

    FolderOutcome Wash(const std::string& folder, const std::string& canonical,
                       const std::string& mask, const std::string& exclusions, bool deleteItself,
                       bool includeSubfolders, bool listedAsPlainFolder = false) {
        // A subfolder its parent's listing showed as no link needs no second look.
        if (Refused(folder, canonical, mask, includeSubfolders, !listedAsPlainFolder))
            return {};
        FolderListings listings(folder);
        if (includeSubfolders) {
            WashSubfolders(folder, canonical, listings, mask, exclusions);
            if (!mask.empty() && mask != "*.*" && scope_.KeepWashing())
                WashMatchingSubfolders(folder, canonical, listings, mask, exclusions);
        }
        scope_.Ctx.Shred.ShredDelete = delete_;
        if (scope_.KeepWashing())
            WashFiles(folder, listings, mask, exclusions);
        if (!scope_.KeepWashing() || !deleteItself)
            return {true, false};
        return RemoveFolder(folder, listings);
    }

  private:
    bool Refused(const std::string& folder, const std::string& canonical, const std::string& mask,
                 bool includeSubfolders, bool mayBeLink) {
        if (mayBeLink && IsLink(folder)) {
            Refuse("Refused to wash " + folder +
                   ": it is a link (junction or symbolic link), which a wash never follows");
            return true;
        }
        if (!WalkNeedsGuard(mask, includeSubfolders))
            return false;
        std::string reason = ProtectedFolderReason(Protected(), canonical);
        if (reason.empty())
            return false;
        Refuse("Refused to wash " + folder + " with the mask \"" + mask + "\"" +
               (includeSubfolders ? " and its subfolders" : "") + ": it is " + reason);
        return true;
    }

    void Refuse(const std::string& text) {
        scope_.Report(WashActionKind::Plain, text);
        scope_.QueueLogLine(text);
    }

    const ProtectedFolders& Protected() {
        if (!protected_)
            protected_ = SystemProtectedFolders();
        return *protected_;
    }

    // Entries a test run has already counted as destroyed are gone for the rest of the walk.
    bool Gone(const std::string& path) const { return gone_.count(path) != 0; }
    void MarkGone(const std::string& path) {
        if (scope_.Testing())
            gone_.insert(path);
    }

    // Whether this entry may be entered or destroyed at all.
    bool Walkable(const std::string& folder, const FileEntry& entry,
                  const std::string& exclusions) {
        if (FileNameExcluded(entry.name, exclusions))
            return false;
        if (entry.IsReparsePoint()) {
            Refuse("Left alone " + folder + entry.name +
                   ": it is a link (junction or symbolic link), which a wash never follows");
            return false;
        }
        return !Gone(folder + entry.name + (entry.IsFolder() ? "\\" : ""));
    }

    void WashSubfolder(const std::string& folder, const std::string& canonical,
                       const FileEntry& entry, const std::string& mask,
                       const std::string& exclusions) {
        std::string sub = folder + entry.name + "\\";
        FolderOutcome outcome =
            Wash(sub, canonical + entry.name + "\\", mask, exclusions, delete_, true, true);
        if (outcome.gone)
            MarkGone(sub);
    }

    void WashSubfolders(const std::string& folder, const std::string& canonical,
                        FolderListings& listings, const std::string& mask,
                        const std::string& exclusions) {
        for (const FileEntry& entry : listings.All()) {
            if (!scope_.KeepWashing())
                break;
            if (entry.IsFolder() && Walkable(folder, entry, exclusions))
                WashSubfolder(folder, canonical, entry, mask, exclusions);
        }
    }

    // A subfolder whose own name fits the mask is washed whole.
    void WashMatchingSubfolders(const std::string& folder, const std::string& canonical,
                                FolderListings& listings, const std::string& mask,
                                const std::string& exclusions) {
        for (const FileEntry& entry : listings.Matching(mask)) {
            if (!scope_.KeepWashing())
                break;
            if (entry.IsFolder() && FileMaskMatches(mask, entry.name) &&
                Walkable(folder, entry, exclusions))
                WashSubfolder(folder, canonical, entry, "*.*", "");
        }
    }

    void WashFiles(const std::string& folder, FolderListings& listings, const std::string& mask,
                   const std::string& exclusions) {
        for (const FileEntry& entry : listings.Matching(mask)) {
            if (!scope_.KeepWashing())
                break;
            if (entry.IsFolder() || !FileMaskMatches(mask, entry.name) ||
                !Walkable(folder, entry, exclusions))
                continue;
            std::string path = folder + entry.name;
            // The question is only put together when it is asked.
            if (prompt_ && !scope_.Confirm(prompt_, (delete_ ? "Delete " : "Clear ") + path + " ?"))
                continue;
            if (!DestroyFile(path, entry))
                continue;
            scope_.Count(entry.size);
        }
    }

    bool DestroyFile(const std::string& path, const FileEntry& entry) {
        if (scope_.Testing()) {
            scope_.Report(WashActionKind::Blur, path + " " + FormatSizeText(entry.size));
            if (delete_)
                MarkGone(path);
            return true;
        }
        scope_.Report(WashActionKind::Blur, path);
        BusyWhileDestroying busy(scope_);
        return ShredAndTell(scope_, path, entry.attributes);
    }

    // A test run removes nothing, so it asks whether the real run would find the folder empty.
    bool WouldBeEmpty(const std::string& folder, FolderListings& listings) const {
        for (const FileEntry& entry : listings.All())
            if (!Gone(folder + entry.name + (entry.IsFolder() ? "\\" : "")))
                return false;
        return true;
    }

    FolderOutcome RemoveFolder(const std::string& folder, FolderListings& listings) {
        if (!scope_.Confirm(prompt_, "Delete " + folder + " ?"))
            return {};
        if (scope_.Testing()) {
            if (!WouldBeEmpty(folder, listings))
                return {};
            scope_.Report(WashActionKind::Blur, folder + " " + "0 Kb" + " (folder)");
        } else {
            scope_.Report(WashActionKind::Blur, folder);
            BusyWhileDestroying busy(scope_);
            if (!ShredFolder(folder, scope_.Ctx.Shred))
                return {};
        }
        scope_.Count(0);
        return {true, true};
    }

    WashScope& scope_;
    bool& prompt_;
    const bool delete_;
    std::optional<ProtectedFolders> protected_;
    std::unordered_set<std::string> gone_;  // test run only
};

}  // namespace

bool WashFolder(WashScope& scope, const std::string& folder, const std::string& mask,
                const std::string& exclusions, bool& prompt, bool deleteFolderItself,
                bool includeSubfolders, bool deleteFiles) {
    if (folder.empty())
        return false;  // never the current folder, whatever it is
    if (!platform::IsAbsolutePath(folder))
        return true;  // a relative path would be found under the current folder: nothing found
    std::string path = platform::WithTrailingBackslash(folder);
    FolderWasher washer(scope, prompt, deleteFiles);
    return washer
        .Wash(path, platform::WithTrailingBackslash(platform::FullLongPath(path)), mask, exclusions,
              deleteFolderItself, includeSubfolders)
        .result;
}

bool WashFile(WashScope& scope, const std::string& folder, const std::vector<std::string>& names,
              bool& prompt, bool deleteFiles) {
    if (!platform::IsAbsolutePath(folder))
        return false;  // the names would be found under the current folder
    bool result = false;
    scope.Ctx.Shred.ShredDelete = deleteFiles;
    for (const std::string& name : names) {
        if (!scope.KeepWashing())
            break;
        if (!IsSafeName(name)) {
            scope.QueueLogLine("Left alone \"" + folder + name + "\": not a file name");
            continue;
        }
        std::string path = folder + name;
        auto attributes = platform::FileAttributes(path);
        if (!attributes)
            continue;  // nothing there: nothing washed, nothing counted
        if (*attributes & platform::file_attr::kDirectory) {
            result =
                WashFolder(scope, path + "\\", "*.*", "", prompt, deleteFiles, true, deleteFiles);
            continue;
        }
        if (*attributes & platform::file_attr::kReparsePoint)
            continue;  // a link to a file: its target is not ours to destroy
        if (!scope.Confirm(prompt, (deleteFiles ? "Delete " : "Clear ") + path + " ?"))
            continue;
        if (!scope.Testing())
            scope.Report(WashActionKind::Blur, path);
        std::uint64_t size = platform::FileSize(path).value_or(0);
        if (scope.Testing()) {
            scope.Report(WashActionKind::Blur, path + " " + FormatSizeText(size));
        } else {
            BusyWhileDestroying busy(scope);
            if (!ShredAndTell(scope, path, *attributes))
                continue;
        }
        scope.Count(size);
    }
    return result;
}
