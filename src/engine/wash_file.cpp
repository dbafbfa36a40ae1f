// WashFile and WashFolder: the file side of the primitives, and the one place where every walk
// over files is checked: the path form, links on the way and inside, protected folders.
#include <memory>
#include <optional>
#include <unordered_set>

#include "engine/file_mask.h"
#include "engine/name_rules.h"
#include "engine/primitives.h"
#include "engine/protected_folders.h"
#include "engine/protected_identities.h"
#include "engine/shred/shredder.h"
#include "engine/walk_path.h"
#include "platform/files.h"
#include "platform/held_entry.h"
#include "platform/held_folder.h"
#include "platform/known_folders.h"
#include "platform/paths.h"

namespace {

using platform::FileEntry;
using platform::FileIdentity;

const char kLinkReason[] = "a link (junction or symbolic link), which a wash never follows";

// How many folders below the folder named a walk goes. Deeper folders are left alone with a
// log line: the walk opens and lists a folder below its parent's handle at the same cost at
// any depth, but files and folders are renamed and removed by their whole path, and Wine's
// cost for a name that does not exist yet (a rename's new name) grows with the square of the
// depth, so a tree thousands of folders deep would never be finished.
constexpr std::size_t kDeepestFolder = 128;

// One listing, read whole before anything in it is destroyed: the shredder renames files, and
// a renamed file must not turn up again in a listing still being read.
std::vector<FileEntry> ListFolder(const std::string& pattern) {
    std::vector<FileEntry> entries;
    for (const FileEntry& entry : platform::DirectoryListing(pattern))
        if (!entry.IsDotEntry())
            entries.push_back(entry);
    return entries;
}

bool IsLink(const std::string& path) {
    auto attributes = platform::FileAttributes(platform::WithoutTrailingBackslash(path));
    return attributes && (*attributes & platform::file_attr::kReparsePoint);
}

// Notices what the shredder could not do as asked.
class OverwriteWatch : public ShredObserver {
  public:
    void DeletedWithoutOverwrite() override { missed = true; }
    void OtherNamesKept() override { otherNames = true; }
    void StreamNotOverwritten(const std::string& stream) override {
        if (stream.empty())
            streamsUnlisted = true;
        else
            streams.push_back(stream);
    }
    bool missed = false;
    bool otherNames = false;
    bool streamsUnlisted = false;
    std::vector<std::string> streams;
};

// Destroys a file that a listing showed with `attributes` (`path` in the walk's form, `shown`
// as the user reads it); the log says what could not be done as asked.
bool ShredAndTell(WashScope& scope, const std::string& shown, const std::string& path,
                  std::uint32_t attributes) {
    OverwriteWatch watch;
    const bool gone = ShredListedFile(path, attributes, scope.Ctx.Shred, &watch);
    if (watch.otherNames)
        scope.QueueLogLine(gone ? "Deleted only the name " + shown +
                                      ": the file has other names (hard links), whose contents "
                                      "were left as they are"
                                : "Left " + shown +
                                      " as it is: the file has other names (hard links), whose "
                                      "contents clearing would destroy too");
    if (!gone)
        return false;
    if (watch.missed)
        scope.QueueLogLine("Deleted " + shown + " without overwriting it: it could not be written");
    for (const std::string& stream : watch.streams)
        scope.QueueLogLine("The stream " + shown + stream + " could not be overwritten");
    if (watch.streamsUnlisted && !scope.StreamsUnlistedLogged) {
        scope.StreamsUnlistedLogged = true;
        scope.QueueLogLine("The alternate data streams of " + shown +
                           " and further files could not be listed, so they were not overwritten");
    }
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

// The listing of one folder, read once and whole through the held folder (by its path where
// it cannot be), every entry with its long name: each stage checks the names against its mask
// itself, and the subfolder walk leaves this folder's own files alone.
class FolderListing {
  public:
    const std::vector<FileEntry>& Of(const platform::HeldFolder& held, const std::string& path) {
        if (!entries_) {
            entries_ = held.List();
            if (!entries_)
                entries_ = ListFolder(path + "*.*");
        }
        return *entries_;
    }

  private:
    std::optional<std::vector<FileEntry>> entries_;
};

struct FolderOutcome {
    bool result = false;
    bool gone = false;  // removed (in a test run: would be removed)
};

// What one folder of the walk is washed with.
struct FolderTask {
    std::string mask;
    std::string exclusions;
    bool deleteItself = false;
    bool includeSubfolders = false;
};

// One folder on the walk's stack: held open from its check until it is left, so the folder
// listed and washed is the folder checked.
struct Frame {
    Frame(std::string shownPath, std::string walkPath, FolderTask folderTask)
        : shown(std::move(shownPath)), path(std::move(walkPath)), task(std::move(folderTask)) {}

    enum class Stage { Subfolders, MatchingSubfolders, Files, Done };

    const std::vector<FileEntry>& Entries() { return listing.Of(held, path); }

    std::string shown;  // "C:\a\b\", as reports and questions show it
    std::string path;   // "\\?\C:\a\b\", for every system call
    FolderTask task;
    platform::HeldFolder held;
    std::optional<FileIdentity> identity;
    FolderListing listing;
    const std::vector<FileEntry>* current = nullptr;  // the listing the stage goes through
    Stage stage = Stage::Subfolders;
    std::size_t next = 0;
    std::size_t depth = 0;      // folders below the folder named
    std::size_t filesGone = 0;  // test run: files of this visit counted as destroyed
    bool tooDeepLogged = false;
};

// One WashFolder call: an iterative walk, so any depth the file system allows costs no stack.
class FolderWasher {
  public:
    FolderWasher(WashScope& scope, bool& prompt, bool deleteFiles)
        : scope_(scope), prompt_(prompt), delete_(deleteFiles) {}

    FolderOutcome Wash(const std::string& folder, const FolderTask& task) {
        // Only a mask other than "*.*" walks a subfolder whose name fits it a second time.
        revisits_ = task.includeSubfolders && !task.mask.empty() && task.mask != "*.*";
        const std::string spelled = platform::WithTrailingBackslash(folder);
        std::string why;
        std::optional<WalkPath> parsed = ParseWalkPath(folder, &why);
        if (!parsed) {
            Refuse("Refused to wash " + spelled + ": " + why);
            return {};
        }
        if (!TopFolderAllowed(spelled, *parsed, task))
            return {};
        std::optional<FileIdentity> parent;
        if (!IsWalkRoot(*parsed)) {
            const std::string above =
                platform::FolderOfPath(platform::WithoutTrailingBackslash(parsed->plain));
            if (auto info = platform::EntryInfoAt(LongWalkPath(WalkPath{above, parsed->network})))
                parent = info->identity;
        }
        std::unique_ptr<Frame> top = EnterNamed(parsed->plain, LongWalkPath(*parsed), task, parent);
        return top ? Walk(std::move(top)) : FolderOutcome{};
    }

    // FolderMayBeWalked: the checks before a walk that do not depend on its mask.
    bool MayBeWalked(const std::string& folder) {
        const std::string spelled = platform::WithTrailingBackslash(folder);
        std::string why;
        std::optional<WalkPath> parsed = ParseWalkPath(folder, &why);
        if (!parsed) {
            Refuse("Refused to wash " + spelled + ": " + why);
            return false;
        }
        if (LinkOnTheWay(spelled, *parsed))
            return false;
        if (IsLink(LongWalkPath(*parsed))) {
            Refuse("Refused to wash " + spelled + ": it is " + kLinkReason);
            return false;
        }
        return true;
    }

  private:
    FolderOutcome Walk(std::unique_ptr<Frame> top) {
        std::vector<std::unique_ptr<Frame>> stack;
        stack.push_back(std::move(top));
        FolderOutcome outcome;
        while (!stack.empty()) {
            if (std::unique_ptr<Frame> child = Step(*stack.back())) {
                stack.push_back(std::move(child));
                continue;
            }
            outcome = Finish(*stack.back());
            const std::string left = stack.back()->shown;
            stack.pop_back();
            if (!stack.empty() && outcome.gone)
                MarkGone(left);
        }
        return outcome;
    }

    // Goes on with the frame's stages; a subfolder to enter first, or null when it is done.
    std::unique_ptr<Frame> Step(Frame& frame) {
        for (;;) {
            switch (frame.stage) {
                case Frame::Stage::Subfolders:
                    if (frame.task.includeSubfolders && !frame.current)
                        frame.current = &frame.Entries();
                    if (auto child = NextSubfolder(frame, false))
                        return child;
                    Begin(frame, Frame::Stage::MatchingSubfolders);
                    if (frame.task.includeSubfolders && !frame.task.mask.empty() &&
                        frame.task.mask != "*.*" && scope_.KeepWashing())
                        frame.current = &frame.Entries();
                    break;
                case Frame::Stage::MatchingSubfolders:
                    if (auto child = NextSubfolder(frame, true))
                        return child;
                    Begin(frame, Frame::Stage::Files);
                    break;
                case Frame::Stage::Files:
                    scope_.Ctx.Shred.ShredDelete = delete_;
                    if (scope_.KeepWashing())
                        WashFiles(frame);
                    Begin(frame, Frame::Stage::Done);
                    return nullptr;
                case Frame::Stage::Done:
                    return nullptr;
            }
        }
    }

    static void Begin(Frame& frame, Frame::Stage stage) {
        frame.stage = stage;
        frame.current = nullptr;
        frame.next = 0;
    }

    // The next subfolder of the stage's listing to walk: every one, or (matchingOnly) those
    // whose own name fits the mask, washed whole.
    std::unique_ptr<Frame> NextSubfolder(Frame& frame, bool matchingOnly) {
        while (frame.current && frame.next < frame.current->size()) {
            if (!scope_.KeepWashing())
                return nullptr;
            const FileEntry& entry = (*frame.current)[frame.next++];
            if (!entry.IsFolder() ||
                (matchingOnly && !FileMaskMatches(frame.task.mask, entry.name)))
                continue;
            if (!Walkable(frame.shown, entry, frame.task.exclusions))
                continue;
            if (frame.depth >= kDeepestFolder) {
                if (!frame.tooDeepLogged)
                    Refuse("Left alone the subfolders of " + frame.shown + ": they lie more than " +
                           std::to_string(kDeepestFolder) +
                           " folders deep, further than a wash goes");
                frame.tooDeepLogged = true;
                frame.next = frame.current->size();
                return nullptr;
            }
            FolderTask task{matchingOnly ? "*.*" : frame.task.mask,
                            matchingOnly ? "" : frame.task.exclusions, delete_, true};
            if (auto child = EnterBelow(frame, entry, task)) {
                child->depth = frame.depth + 1;
                return child;
            }
        }
        return nullptr;
    }

    // Before the walk: the caller's folder by its spelling, and every folder on its way.
    bool TopFolderAllowed(const std::string& spelled, const WalkPath& parsed,
                          const FolderTask& task) {
        if (WalkNeedsGuard(task.mask, task.includeSubfolders)) {
            std::string reason = IsWalkRoot(parsed) ? "a drive root" : std::string();
            if (reason.empty())
                reason = ProtectedFolderReason(
                    Named(), platform::WithTrailingBackslash(platform::FullLongPath(parsed.plain)));
            if (!reason.empty()) {
                RefuseProtected(spelled, task, reason);
                return false;
            }
        }
        return !LinkOnTheWay(spelled, parsed);
    }

    // A link anywhere above the folder would lead the walk somewhere else entirely.
    bool LinkOnTheWay(const std::string& spelled, const WalkPath& parsed) {
        const std::size_t below = parsed.plain.size() - ShareTail(parsed).size();
        for (std::size_t end = parsed.plain.find('\\', below);
             end != std::string::npos && end + 1 < parsed.plain.size();
             end = parsed.plain.find('\\', end + 1)) {
            const std::string ancestor = parsed.plain.substr(0, end + 1);
            if (IsLink(LongWalkPath(WalkPath{ancestor, parsed.network}))) {
                Refuse("Refused to wash " + spelled + ": " + ancestor + " on its way is " +
                       kLinkReason);
                return true;
            }
        }
        return false;
    }

    // The part of the plain path below its drive root or share.
    static std::string ShareTail(const WalkPath& parsed) {
        std::size_t separators = parsed.network ? 4 : 1;
        std::size_t at = 0;
        for (std::size_t i = 0; i < parsed.plain.size() && separators > 0; ++i)
            if (parsed.plain[i] == '\\' && --separators == 0)
                at = i + 1;
        return separators == 0 ? parsed.plain.substr(at) : std::string();
    }

    // Opens and checks the folder named, about to be walked; null (and a log line) when it is
    // refused.
    std::unique_ptr<Frame> EnterNamed(const std::string& shown, const std::string& path,
                                      const FolderTask& task,
                                      const std::optional<FileIdentity>& parent) {
        auto frame = std::make_unique<Frame>(shown, path, task);
        frame->held = platform::HeldFolder::AtPath(path);
        std::optional<platform::HeldEntryInfo> info = frame->held.Info();
        return Checked(std::move(frame), info, parent, true);
    }

    // Opens and checks a subfolder that the listing of `parent` showed as `entry`, by its name
    // below the held parent. The volume is the parent's, and where the listing gave the file id
    // and the handle gives the same, the folder entered is the folder listed: no link was
    // swapped in since.
    std::unique_ptr<Frame> EnterBelow(Frame& parent, const FileEntry& entry,
                                      const FolderTask& task) {
        auto frame = std::make_unique<Frame>(parent.shown + entry.name + "\\",
                                             parent.path + entry.name + "\\", task);
        frame->held = platform::HeldFolder::Below(parent.held, entry.name, frame->path);
        std::optional<platform::HeldEntryInfo> info =
            parent.identity ? frame->held.InfoOnVolume(parent.identity->volume)
                            : frame->held.Info();
        const bool asListed = info && entry.fileId != 0 && info->identity.index == entry.fileId;
        return Checked(std::move(frame), info, parent.identity, !asListed);
    }

    // The checks of a folder opened for the walk, through its handle; `askName`: whether the
    // name is asked whether it is a link, which Wine's handles do not tell.
    std::unique_ptr<Frame> Checked(std::unique_ptr<Frame> frame,
                                   const std::optional<platform::HeldEntryInfo>& info,
                                   const std::optional<FileIdentity>& parent, bool askName) {
        const std::string& shown = frame->shown;
        if (!info) {
            if (!platform::PathExists(frame->path))
                return frame;  // nothing there: nothing to list, and its removal succeeds
            Refuse("Refused to wash " + shown + ": it could not be opened to see what it is");
            return nullptr;
        }
        // Wine follows a link all the same, so the name is asked too, while the handle holds
        // the folder.
        if ((info->attributes & platform::file_attr::kReparsePoint) ||
            (askName && IsLink(frame->path))) {
            Refuse("Refused to wash " + shown + ": it is " + kLinkReason);
            return nullptr;
        }
        if (!(info->attributes & platform::file_attr::kDirectory)) {
            Refuse("Refused to wash " + shown + ": it is not a folder");
            return nullptr;
        }
        frame->identity = info->identity;
        const FolderTask& task = frame->task;
        if (WalkNeedsGuard(task.mask, task.includeSubfolders)) {
            std::string reason = Identities().Reason(info->identity, parent);
            if (!reason.empty()) {
                RefuseProtected(shown, task, reason);
                return nullptr;
            }
        }
        return frame;
    }

    void RefuseProtected(const std::string& folder, const FolderTask& task,
                         const std::string& reason) {
        Refuse("Refused to wash " + folder + " with the mask \"" + task.mask + "\"" +
               (task.includeSubfolders ? " and its subfolders" : "") + ": it is " + reason);
    }

    void Refuse(const std::string& text) {
        scope_.Report(WashActionKind::Plain, text);
        scope_.QueueLogLine(text);
    }

    const ProtectedFolders& Named() {
        if (!named_)
            named_ = SystemProtectedFolders();
        return *named_;
    }

    const ProtectedIdentities& Identities() {
        if (!scope_.ProtectedCache)
            scope_.ProtectedCache = ProtectedIdentities::OfThisSystem();
        return *scope_.ProtectedCache;
    }

    // Entries a test run has already counted as destroyed are gone for the rest of the walk.
    // Files are remembered only where a folder can be walked twice; otherwise each frame
    // counts its own.
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
            Refuse("Left alone " + folder + entry.name + ": it is " + kLinkReason);
            return false;
        }
        if (!entry.IsFolder() && !revisits_)
            return true;
        return !Gone(folder + entry.name + (entry.IsFolder() ? "\\" : ""));
    }

    void WashFiles(Frame& frame) {
        const std::string& mask = frame.task.mask;
        for (const FileEntry& entry : frame.Entries()) {
            if (!scope_.KeepWashing())
                break;
            if (entry.IsFolder() || !FileMaskMatches(mask, entry.name) ||
                !Walkable(frame.shown, entry, frame.task.exclusions))
                continue;
            std::string shown = frame.shown + entry.name;
            // The question is only put together when it is asked.
            if (prompt_ &&
                !scope_.Confirm(prompt_, (delete_ ? "Delete " : "Clear ") + shown + " ?"))
                continue;
            if (!DestroyFile(frame, shown, entry))
                continue;
            scope_.Count(entry.size);
        }
    }

    bool DestroyFile(Frame& frame, const std::string& shown, const FileEntry& entry) {
        if (scope_.Testing()) {
            std::string line;
            line.reserve(shown.size() + 16);
            line.append(shown).append(" ").append(FormatSizeText(entry.size));
            scope_.Report(WashActionKind::Blur, line);
            if (delete_) {
                ++frame.filesGone;
                if (revisits_)
                    MarkGone(shown);
            }
            return true;
        }
        scope_.Report(WashActionKind::Blur, shown);
        BusyWhileDestroying busy(scope_);
        return ShredAndTell(scope_, shown, frame.path + entry.name, entry.attributes);
    }

    // A test run removes nothing, so it asks whether the real run would find the folder empty.
    bool WouldBeEmpty(Frame& frame) const {
        std::size_t files = 0;
        for (const FileEntry& entry : frame.Entries()) {
            if (!entry.IsFolder() && !revisits_)
                ++files;
            else if (!Gone(frame.shown + entry.name + (entry.IsFolder() ? "\\" : "")))
                return false;
        }
        return revisits_ || files == frame.filesGone;
    }

    FolderOutcome Finish(Frame& frame) {
        if (!scope_.KeepWashing() || !frame.task.deleteItself)
            return {true, false};
        if (!scope_.Confirm(prompt_, "Delete " + frame.shown + " ?"))
            return {};
        if (scope_.Testing()) {
            if (!WouldBeEmpty(frame))
                return {};
            scope_.Report(WashActionKind::Blur, frame.shown + " " + "0 Kb" + " (folder)");
        } else {
            scope_.Report(WashActionKind::Blur, frame.shown);
            BusyWhileDestroying busy(scope_);
            frame.held.Close();  // a held folder cannot be removed
            if (!ShredFolder(frame.path, scope_.Ctx.Shred))
                return {};
        }
        scope_.Count(0);
        return {true, true};
    }

    WashScope& scope_;
    bool& prompt_;
    const bool delete_;
    std::optional<ProtectedFolders> named_;
    std::unordered_set<std::string> gone_;  // test run only
    bool revisits_ = false;
};

}  // namespace

bool WashFolder(WashScope& scope, const std::string& folder, const std::string& mask,
                const std::string& exclusions, bool& prompt, bool deleteFolderItself,
                bool includeSubfolders, bool deleteFiles) {
    if (folder.empty())
        return false;  // never the current folder, whatever it is
    if (!platform::IsAbsolutePath(folder))
        return true;  // a relative path would be found under the current folder: nothing found
    FolderWasher washer(scope, prompt, deleteFiles);
    return washer.Wash(folder, {mask, exclusions, deleteFolderItself, includeSubfolders}).result;
}

bool FolderMayBeWalked(WashScope& scope, const std::string& folder) {
    bool prompt = false;
    return FolderWasher(scope, prompt, false).MayBeWalked(folder);
}

bool WashFile(WashScope& scope, const std::string& folder, const std::vector<std::string>& names,
              bool& prompt, bool deleteFiles) {
    if (!platform::IsAbsolutePath(folder))
        return false;  // the names would be found under the current folder
    std::string why;
    std::optional<WalkPath> parsed = ParseWalkPath(folder, &why);
    if (!parsed) {
        scope.QueueLogLine("Left alone the files of " + folder + ": " + why);
        return false;
    }
    bool result = false;
    scope.Ctx.Shred.ShredDelete = deleteFiles;
    for (const std::string& name : names) {
        if (!scope.KeepWashing())
            break;
        if (!IsSafeName(name)) {
            scope.QueueLogLine("Left alone \"" + folder + name + "\": not a file name");
            continue;
        }
        std::string relative = name;
        for (char& c : relative)
            if (c == '/')
                c = '\\';
        const std::string shown = parsed->plain + relative;
        const std::string path = LongWalkPath(*parsed) + relative;
        auto attributes = platform::FileAttributes(path);
        if (!attributes)
            continue;  // nothing there: nothing washed, nothing counted
        if (*attributes & platform::file_attr::kDirectory) {
            result =
                WashFolder(scope, shown + "\\", "*.*", "", prompt, deleteFiles, true, deleteFiles);
            continue;
        }
        if (*attributes & platform::file_attr::kReparsePoint)
            continue;  // a link to a file: its target is not ours to destroy
        if (!scope.Confirm(prompt, (deleteFiles ? "Delete " : "Clear ") + shown + " ?"))
            continue;
        if (!scope.Testing())
            scope.Report(WashActionKind::Blur, shown);
        std::uint64_t size = platform::FileSize(path).value_or(0);
        if (scope.Testing()) {
            scope.Report(WashActionKind::Blur, shown + " " + FormatSizeText(size));
        } else {
            BusyWhileDestroying busy(scope);
            if (!ShredAndTell(scope, shown, path, *attributes))
                continue;
        }
        scope.Count(size);
    }
    return result;
}
