#pragma once
// Runs single washers as the wash run does (the washer table, a run context, a recording view
// and log), and the check every washer test makes: a test run changes nothing and counts what
// the real wash then removes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/wash_context.h"
#include "support/recording_views.h"

namespace washer_tests {

class RecordingLog : public ActivityLog {
  public:
    std::string text;
    int flushes = 0;
    void Write(std::string_view line) override { text += line; }
    void Flush() override { ++flushes; }
};

// What one run of a washer showed.
struct WashOutcome {
    std::string entries;          // the row's "Entries/Size" text at the end: "4/0.05 Kb"
    std::uint64_t testCount = 0;  // a test run's additions to the totals
    std::uint64_t testBytes = 0;
    std::uint64_t count = 0;  // the run totals' additions: what the washer counted
    std::uint64_t bytes = 0;
    std::vector<std::string> lines;  // test listing lines (a test run) or progress texts
    std::string log;                 // the activity log text it wrote
};

class WasherRunner {
  public:
    WasherRunner();

    // Runs the washer of `type` on row 0, as a test run or as a real wash.
    WashOutcome Run(TWashListItemType type, bool testRun);

    // The shredder settings of every run: level "1 Delete" unless a test chooses another.
    ShredSettings shred;

    testing_support::RecordingWashView view;
    RecordingLog log;
    Catalogue catalogue;
    WasherTable table;
    WashContext ctx;
};

struct TwoRuns {
    WashOutcome test;
    WashOutcome real;
};

// A test run, then the real wash. Checks that the test run leaves `state()` as it was and
// that it counts the entries the real wash counts (and the same sizes unless `sizesMayDiffer`:
// a test run counts a value that would only be cleared with 0 bytes).
TwoRuns TestThenWash(WasherRunner& runner, TWashListItemType type,
                     const std::function<std::string()>& state, bool sizesMayDiffer = false);

// The state of a key tree (subkeys, values with type and data) and of a folder tree (names and
// sizes) as text, for comparisons.
std::string RegistryState(RootKey root, const std::string& path);
std::string FolderState(const std::string& folder);
// Whether each path exists, and each file's size.
std::string PathsState(const std::vector<std::string>& paths);

// The data size the registry layer gives a string value holding `text`.
std::size_t StringValueSize(const std::string& text);

// "Deleting " + the shortened text, as the progress label shows a real wash's report.
std::string Progress(const std::string& verb, const std::string& text);

// A folder tree of files created for one test in a fixed place (the Windows folder, a drive
// root); every file and folder it made is removed afterwards, the folders it found stay.
class ScopedFiles {
  public:
    ScopedFiles() = default;
    ~ScopedFiles();
    ScopedFiles(const ScopedFiles&) = delete;
    ScopedFiles& operator=(const ScopedFiles&) = delete;

    // Creates the file (and its missing folders); returns the path.
    std::string AddFile(const std::string& path, const std::string& contents = "x");
    std::string AddFolder(const std::string& path);  // with a trailing backslash
    // Every file and folder it made (folders end with a backslash).
    const std::vector<std::string>& Made() const { return made_; }

  private:
    void CreateMissingFolders(const std::string& folder);
    std::vector<std::string> made_;  // in order of creation
};

// One registry value (and its key, when missing) for one test; afterwards the value is put
// back as it was, and keys the test made are removed.
class ScopedRegistryValue {
  public:
    ScopedRegistryValue(RootKey root, std::string path, std::string name);
    ~ScopedRegistryValue();
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

    void SetString(const std::string& text);
    void SetDword(std::uint32_t value);
    void Remove();
    std::optional<std::string> String() const;
    std::optional<std::uint32_t> Dword() const;

  private:
    RootKey root_;
    std::string path_;
    std::string name_;
    std::string madeKey_;  // the topmost key this made, empty when the key existed
    bool existed_ = false;
    std::uint32_t type_ = 0;
    std::vector<std::uint8_t> data_;
};

}  // namespace washer_tests
