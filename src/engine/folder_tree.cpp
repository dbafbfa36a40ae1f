#include "engine/folder_tree.h"

#include "platform/files.h"

namespace {

std::vector<std::string> Subfolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*"))
        if (entry.IsFolder() && !entry.IsDotEntry() && !entry.IsReparsePoint())
            names.push_back(entry.name);
    return names;
}

}  // namespace

std::vector<std::string> FoldersBelowFirst(const std::string& root) {
    struct Frame {
        std::string folder;
        std::vector<std::string> subfolders;
        std::size_t next = 0;
    };
    std::vector<std::string> order;
    std::vector<Frame> stack;
    stack.push_back({root, Subfolders(root)});
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.subfolders.size()) {
            std::string sub = top.folder + top.subfolders[top.next++] + "\\";
            std::vector<std::string> below = Subfolders(sub);
            stack.push_back({std::move(sub), std::move(below)});
            continue;
        }
        order.push_back(std::move(top.folder));
        stack.pop_back();
    }
    return order;
}
