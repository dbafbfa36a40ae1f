#include "engine/user_objects.h"

#include "engine/primitives.h"
#include "engine/user_file_list.h"
#include "engine/washer_frame.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

std::string WithoutAnyTrailingBackslash(std::string folder) {
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

void WashFileList(WashScope& scope, const TWashListUserItem& user) {
    WashContext& ctx = scope.Ctx;
    const std::string folder = WithoutAnyTrailingBackslash(user.Folder);
    if (!platform::IsAbsolutePath(folder + "\\")) {
        // The folder comes from tidewell.ini: a relative one would be the current folder's.
        scope.QueueLogLine("Refused to wash the folder \"" + user.Folder +
                           "\": it is not a full path");
        return;
    }
    if (!platform::FolderExists(folder + "\\"))
        return;
    // "C:" and the like: a drive root is never entered with its subfolders.
    const bool subfolders = user.IncludeSubfolders && folder.size() > 3;
    bool prompt = user.PromptOnDelete;  // one answer of All covers every mask
    for (const std::string& mask : FileListMasks(user.FileList)) {
        if (!ctx.KeepWashing || ctx.StopRequested)
            break;
        WashFolder(scope, folder + "\\", mask, "", prompt, false, subfolders, true);
        if (!ctx.KeepWashing)
            break;  // Cancel ends the whole object, not only this mask
        ctx.KeepWashing = !ctx.StopRequested;
    }
}

}  // namespace

void WashUserObject(WashContext& ctx, TWashListItem& item, int row) {
    if (!item.UserItem)
        return;
    const TWashListUserItem& user = *item.UserItem;
    RunWasherFrame(ctx, row, " Washing: User Object " + item.DisplayName,
                   [&user](WashScope& scope) { WashFileList(scope, user); });
}
