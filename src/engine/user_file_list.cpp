#include "engine/user_file_list.h"

#include <algorithm>

#include "platform/paths.h"

std::vector<FileListEntry> FileListEntries(const std::string& text) {
    std::vector<FileListEntry> entries;
    std::size_t at = 0;
    for (;;) {
        std::size_t caret = text.find('^', at);
        std::size_t bar = caret == std::string::npos ? caret : text.find('|', caret + 1);
        if (bar == std::string::npos)
            break;  // no complete entry is left
        entries.push_back({text.substr(at, caret - at), text.substr(caret + 1, bar - caret - 1)});
        at = bar + 1;
    }
    return entries;
}

std::string FileListText(const std::vector<FileListEntry>& entries) {
    std::string text;
    for (const FileListEntry& entry : entries) {
        std::string description = entry.Description;
        description.erase(std::remove_if(description.begin(), description.end(),
                                         [](char c) { return c == '^' || c == '|'; }),
                          description.end());
        if (description.empty() || entry.Mask.empty() || entry.Mask.find('|') != std::string::npos)
            continue;
        text += description + "^" + entry.Mask + "|";
    }
    return text;
}

std::vector<std::string> FileListMasks(const std::string& text) {
    std::vector<std::string> masks;
    for (const FileListEntry& entry : FileListEntries(text))
        if (!entry.Mask.empty())
            masks.push_back(entry.Mask);
    return masks;
}

UserFolderWalk UserFolderWalkOf(const std::string& folder, bool includeSubfolders) {
    std::string bare = folder;
    while (!bare.empty() && bare.back() == '\\')
        bare.pop_back();
    UserFolderWalk walk;
    walk.Folder = bare + "\\";
    walk.FullPath = platform::IsAbsolutePath(walk.Folder);
    walk.Subfolders = includeSubfolders && bare.size() > 3;
    return walk;
}
