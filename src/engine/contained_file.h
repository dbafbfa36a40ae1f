#pragma once
// Files that another store names for destruction (a cache entry's local file, a line of the
// index.dat task file) are destroyed only inside the folders that store owns: below one of
// them, through no link, and never when the folder is itself a protected place (a damaged
// shell folder pointing at a drive root or the Windows folder).
#include <string>
#include <vector>

#include "engine/shred/shred_settings.h"
#include "engine/wash_scope.h"

// Whether `path` lies strictly below `folder` (both full long paths; letter case does not
// matter). The part below the folder must be plain names: no ".", "..", empty names, stream
// names (":") or wildcards.
bool PathLiesUnder(const std::string& path, const std::string& folder);

// The folders a store owns, in their full long form, prepared once for a walk: a folder that is
// itself a protected place (a drive root, the Windows folder, a profile) owns nothing.
class ContainedFolders {
  public:
    explicit ContainedFolders(const std::vector<std::string>& folders);
    bool Contain(const std::string& fullPath) const;

  private:
    std::vector<std::string> folders_;
};

// Why `path` may not be destroyed, or "" when it may: it must be an existing file (no folder,
// no link) below one of `folders` with no link on its way.
std::string ContainedFileRefusal(const std::string& path, const ContainedFolders& folders);

// The first link (junction, symbolic link) on the way from the drive root to `path`, the path
// itself included, or "" when there is none.
std::string LinkOnTheWay(const std::string& path);

enum class ContainedShred { Destroyed, Missing, Refused, Failed };
// Destroys the file by `settings` when ContainedFileRefusal allows it. `note` says why it was
// refused, why it failed, or that its contents could not be overwritten.
ContainedShred ShredContainedFile(const std::string& path, const ContainedFolders& folders,
                                  const ShredSettings& settings, std::string& note);

// The same inside a washer: a refusal or a missed overwrite goes to the activity log. Does
// nothing in a test run. True when the file was destroyed.
bool WashContainedFile(WashScope& scope, const std::string& path, const ContainedFolders& folders);
