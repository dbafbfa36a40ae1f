#pragma once
// Destroys one file or one empty folder according to the wash level's mode and strength.
#include <cstdint>
#include <string>

#include "engine/shred/shred_settings.h"

// Watches a shred while it happens. The shredder works the same with or without one; tests use
// it to count passes and flushes and to read the file between passes (it stays open with
// sharing for reading and writing).
class ShredObserver {
  public:
    virtual ~ShredObserver() = default;
    virtual void PassWritten(int /*pass*/, bool /*complete*/) {}
    virtual void Flushed() {}
    virtual void Truncated() {}
    virtual void Closed() {}
    virtual void Renamed(const std::string& /*newPath*/) {}
    // A file that is deleted all the same could not be overwritten (fully or at all).
    virtual void DeletedWithoutOverwrite() {}
    // The file has other names (hard links) that share its contents: nothing was overwritten
    // or renamed, only this name deleted (or, when clearing, the file left as it is).
    virtual void OtherNamesKept() {}
    // An alternate data stream (":name:$DATA") could not be overwritten; an empty name: the
    // file's streams could not be listed.
    virtual void StreamNotOverwritten(const std::string& /*stream*/) {}
};

// Destroys (ShredDelete) or clears one file by settings.WashMode: overwrite passes, flushes,
// truncation, renames, delete. True when the file is gone (or, when clearing, when it was
// overwritten and cut to length 0; mode 1 writes no pass and only cuts it); a mode outside 1..4
// gives false. A file the shredder cannot
// open for writing is still renamed and deleted. A link is never overwritten or renamed: at
// mode 1 only the link itself is deleted, at the other modes it is left alone (false). A file
// with more than one name is never overwritten: only this name is deleted (clearing gives
// false). Alternate data streams are overwritten with the file.
bool ShredFile(const std::string& path, const ShredSettings& settings,
               ShredObserver* observer = nullptr);

// ShredFile for a file that a directory listing has just shown with `attributes`: what the
// listing showed as a link or a folder is refused without another look at it.
bool ShredListedFile(const std::string& path, std::uint32_t attributes,
                     const ShredSettings& settings, ShredObserver* observer = nullptr);

// Removes one folder (path ends with a backslash) if it is empty, renaming it first by mode.
// False for a folder that is not empty and for a link.
bool ShredFolder(const std::string& path, const ShredSettings& settings,
                 ShredObserver* observer = nullptr);
