#include "lists/activex_rules.h"

#include "engine/contained_file.h"
#include "lists/mail_box_rules.h"
#include "platform/paths.h"

namespace {

using platform::EqualsIgnoreCase;
using platform::LowerAscii;

std::string LineOf(const std::string& name, const std::string& path) {
    return path.empty() ? name : name + "=" + path;
}

// An accepted entry of this name now names `path`: its name stays as stored.
void FollowPath(std::vector<std::string>& accepted, std::size_t at, const std::string& path) {
    accepted[at] = LineOf(AcceptedLineName(accepted[at]), path);
}

// Whether `path` names this entry or something inside it.
bool Covers(std::string_view entry, std::string_view path) {
    if (path.empty())
        return false;
    return EqualsIgnoreCase(path, entry) || PathLiesUnder(std::string(path), std::string(entry));
}

// Checks the item when the accepted list names it: the same line, else the same name (whose
// path then follows the item's).
void CheckWhenAccepted(ActiveXItem& item, std::vector<std::string>& accepted) {
    if (FindAcceptedLine(accepted, item.Line())) {
        item.checked = true;
        return;
    }
    if (std::optional<std::size_t> at = FindAcceptedName(accepted, item.name)) {
        FollowPath(accepted, *at, item.path);
        item.checked = true;
    }
}

std::optional<ActiveXItem> UnitItem(const DistributionUnit& unit,
                                    std::vector<std::string>& accepted) {
    if (!unit.hasDownloadInformation)
        return ActiveXItem{unit.name, "", false, false};
    if (!unit.osd.empty() && unit.osdExists) {
        // Properly installed: it cannot be removed from the tab.
        if (std::optional<std::size_t> at = FindAcceptedName(accepted, unit.name))
            FollowPath(accepted, *at, unit.osd);
        return ActiveXItem{unit.name, unit.osd, true, true};
    }
    if (unit.inf.empty() || !unit.infExists)
        return std::nullopt;
    ActiveXItem item{unit.name, unit.inf, false, false};
    if (LooksLikeClassId(unit.name) && !unit.friendlyName.empty())
        item.name = unit.friendlyName;
    CheckWhenAccepted(item, accepted);
    return item;
}

// The extension of a file name in lower case, with its dot; "" when it has none.
std::string LowerExtension(std::string_view name) {
    std::size_t dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : LowerAscii(name.substr(dot));
}

// The text of a UTF-16 file as bytes: ASCII kept, every other character a "?".
std::string NarrowedUtf16(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        unsigned char low = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        unsigned char high = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        text.push_back(high == 0 && low < 0x80 ? static_cast<char>(low) : '?');
    }
    return text;
}

std::string InfText(std::string_view bytes) {
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
        return NarrowedUtf16(bytes.substr(2), false);
    if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
        return NarrowedUtf16(bytes.substr(2), true);
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    return std::string(bytes);
}

}  // namespace

std::string AcceptedLineName(std::string_view line) {
    return MailBoxName(line);  // the same "name=path" rule as the mail box lines
}

std::string AcceptedLinePath(std::string_view line) {
    return MailBoxPath(line);
}

std::optional<std::size_t> FindAcceptedLine(const std::vector<std::string>& accepted,
                                            std::string_view line) {
    for (std::size_t i = 0; i < accepted.size(); ++i)
        if (EqualsIgnoreCase(accepted[i], line))
            return i;
    return std::nullopt;
}

std::optional<std::size_t> FindAcceptedName(const std::vector<std::string>& accepted,
                                            std::string_view name) {
    for (std::size_t i = 0; i < accepted.size(); ++i)
        if (EqualsIgnoreCase(AcceptedLineName(accepted[i]), name))
            return i;
    return std::nullopt;
}

bool PathIsAccepted(const std::vector<std::string>& accepted, std::string_view path) {
    for (const std::string& line : accepted)
        if (Covers(path, AcceptedLinePath(line)))
            return true;
    return false;
}

bool LooksLikeClassId(std::string_view name) {
    std::size_t open = name.find('{');
    return open != std::string_view::npos && name.find('}', open) != std::string_view::npos;
}

std::vector<ActiveXItem> BuildActiveXItems(const std::vector<DistributionUnit>& units,
                                           const std::vector<CacheEntry>& cacheEntries,
                                           std::vector<std::string>& accepted) {
    std::vector<ActiveXItem> items;
    for (const DistributionUnit& unit : units)
        if (std::optional<ActiveXItem> item = UnitItem(unit, accepted))
            items.push_back(std::move(*item));
    for (const CacheEntry& entry : cacheEntries) {
        bool listed = false;
        for (const ActiveXItem& item : items)
            listed = listed || Covers(entry.path, item.path);
        if (listed)
            continue;
        ActiveXItem item{entry.name, entry.path, false, false};
        CheckWhenAccepted(item, accepted);
        items.push_back(std::move(item));
    }
    return items;
}

bool InfHasSection(std::string_view bytes, std::string_view section) {
    const std::string text = InfText(bytes);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = platform::Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.size() < 2 || line[0] != '[')
            continue;
        std::size_t close = line.find(']');
        if (close != std::string::npos &&
            EqualsIgnoreCase(platform::Trim(std::string_view(line).substr(1, close - 1)), section))
            return true;
    }
    return false;
}

CacheEntryKind KindOfCacheEntry(std::string_view name, bool isFolder) {
    if (isFolder)
        return CacheEntryKind::Folder;
    if (EqualsIgnoreCase(name, "desktop.ini"))
        return CacheEntryKind::DesktopIni;
    const std::string extension = LowerExtension(name);
    if (extension == ".osd")
        return CacheEntryKind::Description;
    if (extension == ".dll" || extension == ".ocx")
        return CacheEntryKind::Library;
    if (extension == ".inf")
        return CacheEntryKind::SetupFile;
    if (extension == ".exe")
        return CacheEntryKind::Program;
    return CacheEntryKind::Other;
}

std::string ModuleUsageKeyName(std::string_view libraryPath) {
    std::string name(libraryPath);
    for (char& c : name)
        if (c == '\\')
            c = '/';
    return name;
}

ProgramCall InfUninstallCall(bool windowsNT, const std::string& shortInfPath) {
    if (windowsNT)
        return {"rundll32", "setupapi,InstallHinfSection DefaultUninstall 132 " + shortInfPath};
    return {"rundll", "setupx.dll,InstallHinfSection DefaultUninstall 132 " + shortInfPath};
}

ProgramCall UnregisterCall(const std::string& libraryPath) {
    return {"regsvr32", "/u /s \"" + libraryPath + "\""};
}
