#pragma once
// The spellings of a folder that a wash understands, turned into the one form every walk uses.
// Anything else (device paths, "\\?\GLOBALROOT", Wine's "\\?\unix\", volume names, relative
// or drive-relative paths, stream names, wildcards, reserved device names) is refused, never
// guessed: a walk over a misunderstood path could reach anything.
#include <optional>
#include <string>
#include <string_view>

struct WalkPath {
    // "C:\a\b\" or "\\server\share\a\": "/" read as "\", single separators, "." and ".."
    // resolved (never above the root), a trailing backslash.
    std::string plain;
    bool network = false;
};

// The walk form of `text`, or nothing; `why` (when given) then says what is wrong with it.
// Understood: "C:\...", "\\server\share\...", and the same behind "\\?\", "\\.\",
// "\\?\UNC\" and "\\.\UNC\".
std::optional<WalkPath> ParseWalkPath(std::string_view text, std::string* why = nullptr);

// The form with no length limit and no further reading by the system: "\\?\C:\a\" or
// "\\?\UNC\server\share\a\".
std::string LongWalkPath(const WalkPath& path);

// Whether the plain form names a drive root ("C:\") or a network share ("\\server\share\").
bool IsWalkRoot(const WalkPath& path);
