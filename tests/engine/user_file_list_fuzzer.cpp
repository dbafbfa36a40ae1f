// The file list of a user object comes from tidewell.ini, which anyone who can write the
// program folder can change: any text is read without fault, what the editor saves reads back
// as the same entries, and the wash takes exactly the non-empty masks the editor shows; the
// folder, whatever its text, is walked with one trailing backslash and never enters subfolders
// of a drive root.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/user_file_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<FileListEntry> entries = FileListEntries(text);
    std::vector<std::string> shownMasks;
    for (const FileListEntry& entry : entries)
        if (!entry.Mask.empty())
            shownMasks.push_back(entry.Mask);
    if (FileListMasks(text) != shownMasks)
        __builtin_trap();
    const std::string saved = FileListText(entries);
    const std::vector<FileListEntry> again = FileListEntries(saved);
    if (FileListText(again) != saved)
        __builtin_trap();
    for (const FileListEntry& entry : again)
        if (entry.Description.empty() || entry.Mask.empty() ||
            entry.Description.find_first_of("^|") != std::string::npos)
            __builtin_trap();
    const UserFolderWalk walk = UserFolderWalkOf(text, true);
    const std::string bare = walk.Folder.substr(0, walk.Folder.size() - 1);
    if (walk.Folder.back() != '\\' || (!bare.empty() && bare.back() == '\\'))
        __builtin_trap();
    if (walk.Subfolders && bare.size() <= 3)
        __builtin_trap();
    if (UserFolderWalkOf(text, false).Subfolders)
        __builtin_trap();
    return 0;
}
