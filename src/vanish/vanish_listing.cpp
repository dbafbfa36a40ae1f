#include "vanish/vanish_listing.h"

#include "platform/files.h"
#include "platform/shell_items.h"

std::string DriveTypeName(const std::string& root) {
    static const char* const kNames[] = {"Unknown", "NotExists", "Removable", "Fixed",
                                         "Remote",  "CDROM",     "RAMDisk"};
    const int type = platform::DriveTypeNumber(root);
    return type >= 0 && type <= 6 ? kNames[type] : kNames[0];
}

std::vector<VanishNode> VanishDrives() {
    std::vector<VanishNode> drives;
    for (const std::string& root : DriveRootsOfMask(platform::LogicalDriveMask())) {
        VanishNode node;
        node.path = root;
        const platform::ShellItem item = platform::ShellItemOf(root);
        node.text = item.displayName.empty() ? root : item.displayName;
        node.icon = node.openIcon = item.iconIndex;
        node.removable = DriveTypeName(root) == "Removable";
        drives.push_back(std::move(node));
    }
    return drives;
}

std::vector<VanishNode> VanishSubfolders(const std::string& path) {
    std::vector<VanishNode> folders;
    for (const platform::FileEntry& entry : platform::DirectoryListing(path + "*.*")) {
        if (!entry.IsFolder() || entry.IsDotEntry())
            continue;
        VanishNode node;
        node.path = path + entry.name + "\\";
        node.text = entry.name;
        node.icon = platform::ShellItemOf(node.path).iconIndex;
        node.openIcon = platform::ShellItemOf(node.path, true).iconIndex;
        folders.push_back(std::move(node));
    }
    return folders;
}

std::vector<VanishRow> VanishRowsOf(const std::string& folder, int lngId) {
    std::vector<VanishRow> rows;
    const std::string separator = platform::ThousandsSeparator();
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*.*")) {
        if (entry.IsDotEntry() || !VanishListsEntry(entry.attributes))
            continue;
        VanishRow row;
        row.name = entry.name;
        row.folder = entry.IsFolder();
        const platform::ShellItem item = platform::ShellItemOf(folder + entry.name);
        row.caption = item.displayName.empty() ? entry.name : item.displayName;
        row.icon = item.iconIndex;
        row.size = row.folder ? 0 : entry.size;
        row.sizeText = row.folder ? "" : FileSizeText(entry.size, separator);
        row.modified = platform::LastWriteTime(folder + entry.name);
        if (auto clock = platform::LocalClockOf(row.modified))
            row.modifiedText = FileTimeText(clock->year, clock->month, clock->day, clock->hour,
                                            clock->minute, lngId);
        rows.push_back(std::move(row));
    }
    return rows;
}
