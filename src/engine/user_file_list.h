#pragma once
// The file list of a user object: one entry per file mask, stored as
// description + "^" + mask + "|" ("Temporary files^*.tmp|").
#include <string>
#include <vector>

struct FileListEntry {
    std::string Description;
    std::string Mask;
};

// The entries in text order, as the editor's grid shows them: while the text holds a "^" with a
// "|" after it, the part before the "^" is the description and the part up to that "|" the mask.
std::vector<FileListEntry> FileListEntries(const std::string& text);

// The stored text of the entries that have both a description and a mask. A description loses
// the "^" and "|" it holds (they would move the mask); a mask holding "|", which no file name
// can hold, is dropped.
std::string FileListText(const std::vector<FileListEntry>& entries);

// The masks a wash of the file list uses, in order: the text after each "^" up to the next
// "|"; empty masks are left out.
std::vector<std::string> FileListMasks(const std::string& text);

// How a user object's folder is walked: the folder with one trailing backslash, whether it is a
// full path (a relative one is refused: it would be the current folder's), and whether its
// subfolders are entered, which a drive root ("C:", "C:\\") never is.
struct UserFolderWalk {
    std::string Folder;
    bool FullPath = false;
    bool Subfolders = false;
};
UserFolderWalk UserFolderWalkOf(const std::string& folder, bool includeSubfolders);
