// The washers over Internet Explorer's WinINet cache and its index.dat database files.
#include "browsers/ie_cache.h"
#include "catalogue/shell_folders.h"
#include "engine/contained_file.h"
#include "engine/deferred_wash.h"
#include "engine/folder_tree.h"
#include "engine/primitives.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "washers/ie_washers.h"

namespace {

bool Accepted(const std::vector<std::string>& accepted, const std::string& url) {
    for (const std::string& name : accepted)
        if (platform::EqualsIgnoreCase(name, url))
            return true;
    return false;
}

class CacheWalk {
  public:
    CacheWalk(WashScope& scope, const std::vector<std::string>* accepted)
        : scope_(scope), accepted_(accepted), folders_(IEStoreFolders()) {}

    // False when the cache library is missing (an empty store).
    bool Run(TFilterOptions types) {
        TIECache cache;
        cache.SetFilterOptions(types);
        cache.SearchPattern =
            InFilterSet(types, COOKIE_ENTRY) ? TSearchPattern::spCookies : TSearchPattern::spAll;
        if (!cache.LibraryLoaded())
            return false;
        // Deleting the current entry leaves the walk's place in the cache as it is.
        for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0;
             code = cache.FindNextEntry()) {
            Handle(cache);
            if (!scope_.KeepWashing())
                break;
        }
        cache.CloseFind();
        return true;
    }

    // What a test run counted through the entries, spared by the folder step that follows.
    const std::string& CountedFileNames() const { return countedNames_; }

  private:
    void Handle(TIECache& cache) {
        const TIECache::Entry entry = cache.Current;  // deleting clears it
        if (accepted_ && Accepted(*accepted_, entry.SourceUrlName)) {
            if (!scope_.Testing())
                scope_.QueueLogLine("Cookie is on Accepted Cookies List " + entry.SourceUrlName);
            return;
        }
        const std::string& file = entry.LocalFileName;
        if (scope_.Testing()) {
            if (!file.empty()) {
                scope_.Report(WashActionKind::Blur, file + " " + FormatSizeText(entry.Size));
                countedNames_ += platform::LastPathComponent(file) + "\r\n";
            }
        } else {
            if (!file.empty()) {
                scope_.Report(WashActionKind::Blur, file);
                // A record that names a file outside the cache's own folders loses its record
                // only; the file is left alone and the log says so.
                WashContainedFile(scope_, file, folders_);
            }
            if (cache.DeleteEntry(entry.SourceUrlName) != 0)
                return;
        }
        scope_.Count(entry.Size);
    }

    WashScope& scope_;
    const std::vector<std::string>* accepted_;
    const ContainedFolders folders_;
    std::string countedNames_;
};

}  // namespace

std::vector<std::string> IEStoreFolders() {
    return {ResolveShellFolder(ShellFolderKind::ftCache),
            ResolveShellFolder(ShellFolderKind::ftCookies),
            ResolveShellFolder(ShellFolderKind::ftHistory)};
}

void WashIECache(WashScope& scope) {
    CacheWalk walk(scope, nullptr);
    if (!walk.Run(FilterSet({NORMAL_ENTRY, STICKY_ENTRY, URLHISTORY_ENTRY, TRACK_OFFLINE_ENTRY,
                             TRACK_ONLINE_ENTRY})) ||
        !scope.KeepWashing())
        return;
    // The files the cache no longer lists. A test run lists them too, but not the files it has
    // already counted through their entries (which the real walk destroys first). The cache's
    // own folders stay: WinINet does not make them again for new entries.
    const std::string exclusions = "desktop.ini\r\nindex.dat\r\n" + walk.CountedFileNames();
    const std::string cache = ResolveShellFolder(ShellFolderKind::ftCache);
    const std::string link = LinkOnTheWay(platform::WithoutTrailingBackslash(cache));
    if (!link.empty()) {
        scope.QueueLogLine("Refused to wash " + cache + ": it is reached through the link " + link +
                           ", which a wash never follows");
        return;
    }
    for (const std::string& folder : FoldersBelowFirst(cache)) {
        if (!scope.KeepWashing())
            break;
        bool prompt = false;
        WashFolder(scope, folder, "*.*", exclusions, prompt, false, false, true);
    }
}

void WashIECookies(WashScope& scope) {
    CacheWalk walk(scope, &scope.Ctx.AcceptedCookieList);
    walk.Run(FilterSet({NORMAL_ENTRY, COOKIE_ENTRY}));
}

void WashIEIndexDatFiles(WashScope& scope) {
    if (!scope.Testing())
        scope.Report(WashActionKind::Plain, "Preparing wash IE Index.dat Files");
    const std::string taskFile = platform::ProgramFolder() + kIndexDatTaskFileName;
    std::vector<std::string> lines = LoadTaskFile(taskFile);
    RemoveTaskFileHeader(lines);
    std::uint64_t bytes = 0, entries = 0;
    for (ShellFolderKind kind :
         {ShellFolderKind::ftCache, ShellFolderKind::ftHistory, ShellFolderKind::ftCookies})
        CollectNamedFiles(ResolveShellFolder(kind), kIndexDatName, bytes, entries, lines, true);
    // A test run schedules nothing: the runner would destroy whatever the file lists.
    if (!scope.Testing() && !SaveTaskFile(taskFile, lines))
        scope.QueueLogLine("Could not write " + taskFile +
                           ": the index.dat files are not washed at the next logon");
    for (const std::string& line : lines) {
        auto size = platform::FileExists(line) ? platform::FileSize(line) : std::nullopt;
        if (size && scope.Testing())
            scope.Report(WashActionKind::Blur, line + " " + FormatSizeText(*size));
        scope.Count(size.value_or(0));
    }
}
