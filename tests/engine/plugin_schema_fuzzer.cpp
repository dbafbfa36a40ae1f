// Plug-in records come from "tidewell_2431.dat" and definition lines may be edited by anyone:
// whatever they hold, reading them never fails, and a files line whose folder still holds a
// macro or the undetermined folder is always recognised as unresolved, so it is never walked.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/plugin_objects.h"
#include "engine/plugin_schema.h"
#include "platform/paths.h"

namespace {

std::string Resolve(ShellFolderKind kind) {
    return static_cast<int>(kind) % 3 == 0 ? std::string(kNoSuchFolder)
                                           : std::string("C:\\users\\ann\\AppData\\");
}

void Check(const std::string& line) {
    TSchema s = ParseSchemaLineWith(line, Resolve);
    if (s.Kind > 2 || s.Action > 2 || s.IncludeSubitems > 1)
        __builtin_trap();
    // Detection looks for the mask's text before its "*": a part of the mask, without a "*".
    const std::string text = DetectionMaskText(s.Mask);
    if (s.Mask.compare(0, text.size(), text) != 0 || text.find('*') != std::string::npos)
        __builtin_trap();
    if (s.Kind != 2 || FolderMacroLeft(s.Folder))
        return;
    // A folder taken as a path holds no undetermined folder and no "[ft...]" macro.
    const std::string lower = platform::LowerAscii(s.Folder);
    if (lower.find("drive:\\no_such_folder") != std::string::npos)
        __builtin_trap();
    for (int k = 0; k < kShellFolderKindCount; ++k) {
        const std::string macro =
            platform::LowerAscii(ShellFolderTable(static_cast<ShellFolderKind>(k)).macro);
        if (lower.find(macro) != std::string::npos)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Check(std::string(input));
    TiDbRecFile file;
    file.Load(input);
    for (const PluginObject& object : PluginObjectsIn(file, 44))
        for (const std::string& line : object.Plugin.Lines)
            Check(line);
    return 0;
}
