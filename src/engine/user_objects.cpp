#include "engine/user_objects.h"

#include "engine/primitives.h"
#include "engine/user_file_list.h"
#include "engine/washer_frame.h"
#include "platform/files.h"

namespace {

void WashFileList(WashScope& scope, const TWashListUserItem& user) {
    WashContext& ctx = scope.Ctx;
    const UserFolderWalk walk = UserFolderWalkOf(user.Folder, user.IncludeSubfolders);
    if (!walk.FullPath) {
        // The folder comes from tidewell.ini: a relative one would be the current folder's.
        scope.QueueLogLine("Refused to wash the folder \"" + user.Folder +
                           "\": it is not a full path");
        return;
    }
    if (!platform::FolderExists(walk.Folder))
        return;
    bool prompt = user.PromptOnDelete;  // one answer of All covers every mask
    for (const std::string& mask : FileListMasks(user.FileList)) {
        if (!ctx.KeepWashing || ctx.StopRequested)
            break;
        WashFolder(scope, walk.Folder, mask, "", prompt, false, walk.Subfolders, true);
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
