// Fuzzes the reading of chosen mail box lines (tidewell.ini holds them, a user may edit it):
// a line that is washed is always a box file straight in one of the store folders.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lists/mail_box_rules.h"
#include "platform/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> stores = {"C:\\Store\\", "\\\\server\\share\\mail\\"};
    MailBoxName(line);
    const std::string path = MailBoxPath(line);
    if (MailBoxWashable(stores, path)) {
        const std::string folder = platform::FolderOfPath(path);
        const std::string name = platform::LastPathComponent(path);
        if ((!platform::EqualsIgnoreCase(folder, stores[0]) &&
             !platform::EqualsIgnoreCase(folder, stores[1])) ||
            name.find_first_of("/:\\") != std::string::npos)
            std::abort();
    }
    std::vector<std::string> folders;
    AddStoreFolderOnce(folders, line);
    if (!folders.empty() && !platform::IsAbsolutePath(folders[0]))
        std::abort();
    return 0;
}
