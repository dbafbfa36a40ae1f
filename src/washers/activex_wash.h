#pragma once
// One wash of Internet Explorer's downloaded program files: the distribution units, the cache
// folders and what the accepted list spares. Phase 1 uninstalls and destroys the cache folders'
// INF files, phase 2 the controls registered from them, phase 3 (a real wash only) every other
// entry of the cache folders. Whatever is destroyed, unregistered, uninstalled or ended lies
// inside a cache folder that is no protected place (never the Windows or system folder).
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/contained_file.h"
#include "engine/wash_scope.h"
#include "platform/files.h"

class ActiveXWash {
  public:
    explicit ActiveXWash(WashScope& scope);

    void WashSetupFiles();          // phase 1
    void WashRegisteredControls();  // phase 2
    void WashCacheFolders();        // phase 3

  private:
    struct Unit {
        std::string name;
        std::string path;                    // its OSD file, else its INF file
        std::optional<std::string> library;  // an INF unit's class library, when registered
    };

    // Setting up (activex_washer.cpp).
    void CollectUnits();
    std::vector<std::string> WalkableCacheFolders(const std::vector<std::string>& folders);
    std::string ProtectedReason(const std::string& folder);
    void WashControl(const Unit& unit);
    void RemoveEmptyLibraryFolder(const std::string& library);
    void DeleteKeyTree(RootKey root, const std::string& path, bool existed);

    // The entries of the cache folders (activex_cache_entries.cpp).
    void HandleEntry(const std::string& path, const platform::FileEntry& entry);
    void WashSetupFile(const std::string& path);
    void WashDescription(const std::string& path);
    void WashLibrary(const std::string& path);
    void WashProgram(const std::string& path);
    void WashFolderEntry(const std::string& path);
    bool DestroyFile(const std::string& path, const std::string& testNote);
    void Unregister(const std::string& library);
    void EndProcessesOf(const std::string& program);
    void RunUninstaller(const std::string& inf);

    // Rules and lines.
    std::string Refusal(const std::string& path) const;
    bool Accepted(const std::string& path) const;
    bool InsideCache(const std::string& path) const;
    bool SameAsUnitPath(const std::string& path) const;
    bool OfProperlyInstalledUnit(const std::string& path) const;
    void Log(const std::string& text);     // one complete line, as the wash tells it
    void Refuse(const std::string& text);  // shown, and logged with its time
    void Pump();

    WashScope& scope_;
    WashContext& ctx_;
    std::vector<Unit> units_;
    std::vector<std::string> installedFiles_;  // of the properly installed units: kept
    std::vector<std::string> cacheFolders_;    // those that may be walked
    ContainedFolders contained_;
    std::set<std::string> handled_;  // lower-case paths phase 1 has handled
};
