#include "engine/wash_scope.h"

#include "engine/size_text.h"

std::string CountersText(const WashCounters& counters) {
    return std::to_string(counters.count) + "/" + FormatSizeText(counters.bytes);
}

WashScope::~WashScope() {
    WriteQueuedLogLines();
}

void WashScope::Count(std::uint64_t bytes) {
    Counters.count += 1;
    Counters.bytes += bytes;
    ShowCounters();
}

void WashScope::ShowCounters() {
    if (HasRow())
        Ctx.View.SetRowEntries(Row, CountersText(Counters));
}

void WashScope::Report(WashActionKind kind, const std::string& text) {
    ReportWashAction(Ctx, Label, kind, text);
}

WashScope::Decision WashScope::Decide(bool& prompt, const std::string& question) {
    if (!prompt)
        return Decision::Act;
    switch (Ctx.View.Confirm(question)) {
        case ConfirmAnswer::Yes:
            return Decision::Act;
        case ConfirmAnswer::All:
            prompt = false;
            return Decision::Act;
        case ConfirmAnswer::Cancel:
            Ctx.KeepWashing = false;
            return Decision::Cancel;
        case ConfirmAnswer::No:
            break;
    }
    return Decision::Skip;
}

void WashScope::QueueLogLine(const std::string& text) {
    queuedLogLines_.push_back(Ctx.LogClockTime() + " " + text + "\r\n");
}

void WashScope::WriteQueuedLogLines() {
    for (const std::string& line : queuedLogLines_)
        Ctx.LogText(line);
    if (!queuedLogLines_.empty())
        Ctx.LogFlush();
    queuedLogLines_.clear();
}

BusyWhileDestroying::BusyWhileDestroying(WashScope& scope) : scope_(scope) {
    if (!scope_.HasRow())
        scope_.Ctx.View.SetBusyCursor(true);
}

BusyWhileDestroying::~BusyWhileDestroying() {
    if (!scope_.HasRow())
        scope_.Ctx.View.SetBusyCursor(false);
}
