#include "engine/plugin_schema.h"

#include <cctype>
#include <string_view>

#include "platform/paths.h"

namespace {

// The text before the next "|"; the rest is cut after it. Without a "|" the field is empty and
// nothing is left for the fields after it.
std::string NextField(std::string& rest) {
    std::size_t bar = rest.find('|');
    if (bar == std::string::npos) {
        rest.clear();
        return {};
    }
    std::string field = rest.substr(0, bar);
    rest.erase(0, bar + 1);
    return field;
}

struct RootPrefix {
    std::string_view text;
    RootKey root;
};
constexpr RootPrefix kRoots[] = {
    {"HKCR ", RootKey::ClassesRoot},   {"HKCU ", RootKey::CurrentUser},
    {"HKLM ", RootKey::LocalMachine},  {"HKU ", RootKey::Users},
    {"HKCC ", RootKey::CurrentConfig}, {"HKDD ", RootKey::DynData},
};

void ParseRegistryPlace(const std::string& field, TSchema& schema) {
    schema.Root = RootKey::LocalMachine;
    for (const RootPrefix& prefix : kRoots)
        if (field.compare(0, prefix.text.size(), prefix.text) == 0)
            schema.Root = prefix.root;
    std::size_t blank = field.find(' ');
    schema.KeyPath = blank == std::string::npos ? std::string() : field.substr(blank + 1);
}

bool IsAsciiLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsAsciiLetterOrDigit(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// "[" or "%", a letter, more letters or digits ("[ftWindows32]"), then the matching "]" or "%".
bool HoldsMacroToken(const std::string& text, char open, char close) {
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        std::size_t end = at + 1;
        if (end >= text.size() || !IsAsciiLetter(text[end]))
            continue;
        while (end < text.size() && IsAsciiLetterOrDigit(text[end]))
            ++end;
        if (end < text.size() && text[end] == close)
            return true;
    }
    return false;
}

}  // namespace

TSchema ParseSchemaLineWith(const std::string& line, const ShellFolderResolver& resolve) {
    TSchema schema;
    schema.Root = RootKey::LocalMachine;
    if (line.empty())
        return schema;
    std::string rest = line;
    const std::string kind = NextField(rest);
    schema.Kind = kind == "R" ? 1 : kind == "F" ? 2 : 0;
    schema.IncludeSubitems = NextField(rest) == "SI" ? 1 : 0;
    const std::string place = NextField(rest);
    if (schema.Kind == 1)
        ParseRegistryPlace(place, schema);
    else if (schema.Kind == 2)
        schema.Folder = ExpandFolderMacrosWith(place, resolve);
    schema.Mask = NextField(rest);
    const std::string action = NextField(rest);
    schema.Action = action == "C" ? 1 : action == "D" ? 2 : 0;
    return schema;
}

bool FolderMacroLeft(const std::string& folder) {
    // The undetermined folder's text without its backslash: "DRIVE:\NO_SUCH_FOLDER".
    const std::string noSuch =
        platform::LowerAscii(kNoSuchFolder.substr(0, kNoSuchFolder.size() - 1));
    return platform::LowerAscii(folder).find(noSuch) != std::string::npos ||
           HoldsMacroToken(folder, '[', ']') || HoldsMacroToken(folder, '%', '%');
}

std::string DetectionMaskText(const std::string& mask) {
    return mask.substr(0, mask.find('*'));
}
