#pragma once
// What the Vanish page's tree and list show, read from the drives and the shell.
#include <string>
#include <vector>

#include "vanish/vanish_rows.h"

// "Unknown", "NotExists", "Removable", "Fixed", "Remote", "CDROM" or "RAMDisk", asked without
// the system's error pop-ups.
std::string DriveTypeName(const std::string& root);

struct VanishNode {
    std::string path;  // ends with a backslash
    std::string text;  // the shell's name for a drive, the folder's own name below it
    int icon = -1;
    int openIcon = -1;
    bool removable = false;  // read only when expanded
};

// Every drive of the logical-drives mask, in letter order.
std::vector<VanishNode> VanishDrives();
// The folders directly inside `path` (which ends with a backslash), in the listing's order.
std::vector<VanishNode> VanishSubfolders(const std::string& path);
// The rows of the file list for `folder`, in the listing's order.
std::vector<VanishRow> VanishRowsOf(const std::string& folder, int lngId);
