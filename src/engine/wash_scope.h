#pragma once
// What the primitives share while they wash one object: the run context, the object's two
// counters, whether progress is shown, and the object's row in the wash status list.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/protected_identities.h"
#include "engine/report_action.h"
#include "engine/wash_context.h"

// The row of a primitive call that belongs to no status row (the Vanish page).
constexpr int kNoStatusRow = -1;

struct WashCounters {
    std::uint64_t count = 0;  // entries
    std::uint64_t bytes = 0;
};

// count + "/" + size text: "12/3 Kb".
std::string CountersText(const WashCounters& counters);

class WashScope {
  public:
    explicit WashScope(WashContext& ctx, int row = kNoStatusRow,
                       ProgressLabel label = ProgressLabel::Shown)
        : Ctx(ctx), Row(row), Label(label) {}
    // Writes the log lines that are still queued.
    ~WashScope();
    WashScope(const WashScope&) = delete;
    WashScope& operator=(const WashScope&) = delete;

    WashContext& Ctx;
    WashCounters Counters;
    const int Row;
    const ProgressLabel Label;
    // The protected folders, found once per object when a walk first needs them.
    std::optional<ProtectedIdentities> ProtectedCache;
    // The log has said once that streams could not be listed (Windows XP lists none).
    bool StreamsUnlistedLogged = false;

    bool HasRow() const { return Row != kNoStatusRow; }
    bool Testing() const { return Ctx.TestRunning; }
    bool KeepWashing() const { return Ctx.KeepWashing; }

    // One more entry of `bytes` bytes; the row shows the new counters.
    void Count(std::uint64_t bytes);
    void ShowCounters();
    void Report(WashActionKind kind, const std::string& text);

    // The confirmation protocol. Without prompting the entry is acted on. Otherwise asks
    // `question`: Yes acts, No skips, All acts and stops asking for the rest of the object
    // (prompt := false), Cancel skips and ends the object (KeepWashing := false).
    enum class Decision { Act, Skip, Cancel };
    Decision Decide(bool& prompt, const std::string& question);
    bool Confirm(bool& prompt, const std::string& question) {
        return Decide(prompt, question) == Decision::Act;
    }

    // A line for the activity log (with its time and line end added), written after the
    // object's own log line so that line stays whole.
    void QueueLogLine(const std::string& text);
    void WriteQueuedLogLines();

  private:
    std::vector<std::string> queuedLogLines_;
};

// Without a status row the pointer shows the hourglass while an item is destroyed.
class BusyWhileDestroying {
  public:
    explicit BusyWhileDestroying(WashScope& scope);
    ~BusyWhileDestroying();
    BusyWhileDestroying(const BusyWhileDestroying&) = delete;
    BusyWhileDestroying& operator=(const BusyWhileDestroying&) = delete;

  private:
    WashScope& scope_;
};
