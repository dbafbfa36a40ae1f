#pragma once
// How object detection knows that the software of a built-in wash object is installed: one
// rule per type (a key, a value, a folder or a file that the software leaves, or several of
// them), and the evaluation of a rule against what the machine answers. No system calls: the
// machine is asked through MachineFacts, which only ever reads.
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/folder_macros.h"
#include "catalogue/wash_object_types.h"
#include "platform/root_key.h"

enum class ProbeKind : std::uint8_t {
    Key,               // the key `path` under `root` exists
    Value,             // that key holds the value `valueName`
    Folder,            // the folder `base` + `path` exists
    File,              // the file `base` + `path` exists
    WindowsDriveFile,  // the file `path` on the drive of the Windows folder ("C:" + path)
    ActiveXCache,      // one of Internet Explorer's ActiveX cache folders exists
    IdentityStore,     // a store folder of the default Outlook Express identity exists
};

struct Probe {
    ProbeKind kind = ProbeKind::Key;
    RootKey root = RootKey::CurrentUser;
    ShellFolderKind base = ShellFolderKind::ftAppData;
    std::string path;
    std::string valueName;
    // The key path follows a version: "<versionsKey>\<version>\" + path.
    bool belowVersion = false;
};

enum class Combination : std::uint8_t {
    Always,  // no test: always present
    Any,     // the first probe that passes decides; the rest are not asked
    Both,    // every probe must pass; the next is asked only when the one before passed
};

struct DetectionRule {
    Combination combination = Combination::Any;
    std::vector<Probe> probes;
    // When set: an HKCU key whose subkeys are versions ("11.0", "12.0"); present when the
    // probes pass for one of them, absent without any version.
    std::string versionsKey;
};

DetectionRule DetectionRuleFor(TWashListItemType type);

// What detection asks the machine. Every answer is a read; nothing is created or changed.
class MachineFacts {
  public:
    virtual ~MachineFacts() = default;
    virtual bool KeyExists(RootKey root, const std::string& keyPath) = 0;
    virtual bool ValueExists(RootKey root, const std::string& keyPath,
                             const std::string& valueName) = 0;
    virtual std::vector<std::string> SubkeyNames(RootKey root, const std::string& keyPath) = 0;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // The folder with a trailing backslash; kNoSuchFolder when it cannot be determined.
    virtual std::string ShellFolder(ShellFolderKind kind) = 0;
    // The folders the "ActiveX Cache" key names, each with a trailing backslash.
    virtual std::vector<std::string> ActiveXCacheFolders() = 0;
    // The store folders of the default Outlook Express identity.
    virtual std::vector<std::string> IdentityStoreFolders() = 0;
    // Whether the key or folder that a plug-in's detection line (S0) names is there.
    virtual bool PluginDetectionLineFinds(const std::string& line) = 0;
};

bool RulePasses(const DetectionRule& rule, MachineFacts& facts);
