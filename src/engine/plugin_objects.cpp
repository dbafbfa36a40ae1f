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

// A detection line with a mask: with a "*" in it, some name holds the text before the "*";
// otherwise the mask names a value or subkey of the key (a file or subfolder of the folder).
bool RegistryTargetExists(const TSchema& schema) {
    if (schema.Mask.empty())
        return RegistryKeyExists(schema.Root, schema.KeyPath);
    if (schema.Mask.find('*') != std::string::npos)
        return RegistryKeyMentions(schema.Root, schema.KeyPath, DetectionMaskText(schema.Mask));
    return RegistryValueExists(schema.Root, schema.KeyPath, schema.Mask) ||
           RegistryKeyExists(schema.Root,
                             platform::WithTrailingBackslash(schema.KeyPath) + schema.Mask);
}

bool FolderHoldsNameWith(const std::string& folder, const std::string& text) {
    const std::string wanted = platform::LowerAscii(text);
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*"))
        if (!entry.IsDotEntry() &&
            platform::LowerAscii(entry.name).find(wanted) != std::string::npos)
            return true;
    return false;
}

bool FilesTargetExists(const TSchema& schema) {
    const std::string folder = platform::WithTrailingBackslash(schema.Folder);
    if (schema.Mask.empty())
        return platform::FolderExists(folder);
    if (schema.Mask.find('*') != std::string::npos)
        return FolderHoldsNameWith(folder, DetectionMaskText(schema.Mask));
    return platform::FileExists(folder + schema.Mask) ||
           platform::FolderExists(folder + schema.Mask + "\\");
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
        return !schema.KeyPath.empty() && RegistryTargetExists(schema);
    if (schema.Kind == 2)
        return !FolderMacroLeft(schema.Folder) && platform::IsAbsolutePath(schema.Folder) &&
               FilesTargetExists(schema);
    return false;
}
