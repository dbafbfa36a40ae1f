#include "engine/plugin_objects.h"

#include "catalogue/shell_folders.h"
#include "engine/primitives.h"
#include "engine/washer_frame.h"
#include "platform/files.h"
#include "catalogue/registry_values.h"

namespace {

void WashLine(WashScope& scope, const TSchema& schema) {
    bool prompt = false;
    const bool deleteItems = schema.Action != 1;
    const bool subitems = schema.IncludeSubitems != 0;
    if (schema.Kind == 1) {
        WashRegistryKey(scope, schema.Root, schema.KeyPath, schema.Mask, "", prompt, false,
                        subitems, deleteItems);
    } else if (schema.Kind == 2) {
        if (FolderMacroLeft(schema.Folder)) {
            scope.QueueLogLine("Refused to wash \"" + schema.Folder +
                               "\": its folder could not be determined");
            return;
        }
        WashFolder(scope, schema.Folder, schema.Mask, "", prompt, false, subitems, deleteItems);
    }
}

void WashLines(WashScope& scope, const TWashListPluginItem& plugin) {
    WashContext& ctx = scope.Ctx;
    for (std::size_t n = 1; n < plugin.Lines.size(); ++n) {
        if (ctx.StopRequested)
            break;
        WashLine(scope, ParseSchemaLine(plugin.Lines[n]));
        ctx.KeepWashing = !ctx.StopRequested;
    }
}

}  // namespace

TSchema ParseSchemaLine(const std::string& line) {
    return ParseSchemaLineWith(line, ResolveShellFolder);
}

void WashPluginObject(WashContext& ctx, TWashListItem& item, int row) {
    if (!item.PluginItem)
        return;
    const TWashListPluginItem& plugin = *item.PluginItem;
    RunWasherFrame(ctx, row, " Washing: Plugin Data " + item.DisplayName,
                   [&plugin](WashScope& scope) { WashLines(scope, plugin); });
}

bool SchemaTargetExists(const TSchema& schema) {
    if (schema.Kind == 1)
        return !schema.KeyPath.empty() && RegistryKeyExists(schema.Root, schema.KeyPath);
    if (schema.Kind == 2)
        return !FolderMacroLeft(schema.Folder) && platform::IsAbsolutePath(schema.Folder) &&
               platform::FolderExists(schema.Folder);
    return false;
}
