#pragma once
// The protected folders recognised by what they are, not by how they are spelled: each is
// opened once and known by its volume and file id, so no prefix, second drive letter, short
// name or link spelling reaches one of them under another name.
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "platform/held_entry.h"

class ProtectedIdentities {
  public:
    // Drive roots, the Windows and system folders, the profiles folder and every profile the
    // system registers, and the folders of SystemProtectedFolders().
    static ProtectedIdentities OfThisSystem();

    // Opens `path` and remembers it as `what`; a folder that cannot be opened is skipped.
    void Add(const std::string& path, const std::string& what);
    // Every folder directly inside `path` is a user profile.
    void AddProfilesHolder(const std::string& path);

    // What makes the folder protected ("the Windows folder"), or "". `parent` is the identity
    // of the folder that holds it, when known.
    std::string Reason(const platform::FileIdentity& folder,
                       const std::optional<platform::FileIdentity>& parent) const;

  private:
    std::unordered_map<platform::FileIdentity, std::string, platform::FileIdentityHash> what_;
    std::unordered_set<platform::FileIdentity, platform::FileIdentityHash> holders_;
};
