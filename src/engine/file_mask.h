#pragma once
// File masks as Windows reads them, applied to a file's long name only. The system's own search
// also matches the 8.3 short name ("*.log" finds "report.logfile"), so a walk checks every name
// it is given again with these rules.
#include <string_view>

// Case-insensitive. "*" matches any run of characters, "?" exactly one; a "*" before a "." stops
// at the name's last dot, a "?" run may end early at a dot or at the end of the name, and a "."
// before "*" or "?" (or ending the mask) also matches the end of a name without a dot, so "*.*"
// matches every name and "*." the names without a dot. A mask holding a path separator matches
// nothing.
bool FileMaskMatches(std::string_view mask, std::string_view name);

// True for masks made of wildcards and dots alone, such as "*.*", "?*" or "*.???": they name
// nothing in particular, so they take every name or nearly every name of a folder.
bool MaskTakesAnyName(std::string_view mask);
