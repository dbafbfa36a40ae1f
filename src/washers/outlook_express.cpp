#include "washers/outlook_express.h"

#include <string>
#include <vector>

#include "engine/primitives.h"
#include "lists/mail_box_rules.h"
#include "lists/mail_boxes.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/window_class.h"

namespace {

bool OutlookExpressRuns() {
    return platform::TopLevelWindowExists("ThorBrowserWndClass") ||
           platform::TopLevelWindowExists("Outlook Express Browser Class");
}

// These washers write whole lines of their own instead of the washer frame's one line.
void LogLine(WashContext& ctx, const std::string& text) {
    ctx.LogText(text + "\r\n");
}

void LogTimedLine(WashContext& ctx, const std::string& text) {
    LogLine(ctx, ctx.LogClockTime() + text);
}

// The frame's closing work: the row, the totals and the end line.
void Finish(WashScope& scope, const std::string& endText) {
    WashContext& ctx = scope.Ctx;
    scope.ShowCounters();
    ctx.RunItemCount += scope.Counters.count;
    ctx.RunTotalBytes += scope.Counters.bytes;
    if (ctx.TestRunning) {
        ctx.TestItemCount += scope.Counters.count;
        ctx.TestTotalBytes += scope.Counters.bytes;
    }
    LogTimedLine(ctx, endText + " {" + CountersText(scope.Counters) + "}");
    ctx.LogFlush();
}

// Destroys one file through the primitives (they report it and count it).
void DestroyFile(WashScope& scope, const std::string& path) {
    bool prompt = false;
    WashFile(scope, platform::FolderOfPath(path), {platform::LastPathComponent(path)}, prompt,
             true);
}

void WashMailBox(WashScope& scope, const std::vector<std::string>& storeFolders,
                 const std::string& line) {
    const std::string path = MailBoxPath(line);
    if (!platform::FileExists(path))
        return;  // gone: skipped silently, the line stays chosen
    if (!MailBoxWashable(storeFolders, path)) {
        LogTimedLine(scope.Ctx, " Left alone the chosen mail box \"" + line +
                                    "\": it is not a mail box file of an Outlook Express "
                                    "store folder");
        return;
    }
    LogLine(scope.Ctx, "Deleting Mail Box " + path);
    DestroyFile(scope, path);
    const std::string lower = platform::LowerAscii(path);
    if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".mbx") == 0) {
        const std::string index = MbxIndexPath(path);
        if (platform::FileExists(index))
            DestroyFile(scope, index);
    }
}

void WashMailBoxes(WashContext& ctx, TWashListItem& item, int row) {
    const bool running = OutlookExpressRuns();
    LogTimedLine(ctx, " Washing: Outlook Express Mail Boxes");
    WashScope scope(ctx, row);
    scope.ShowCounters();
    if (running) {
        LogTimedLine(ctx, " Outlook Express is active, Washing Mail Boxes aborted");
        item.State = wlsNone;  // not washed
    } else {
        const std::vector<std::string> storeFolders = MailStoreFolders();
        const std::vector<std::string> chosen = ctx.SelectedMailBoxes;
        for (const std::string& line : chosen) {
            if (!scope.KeepWashing())
                break;
            WashMailBox(scope, storeFolders, line);
        }
    }
    Finish(scope, " Washing: Outlook Express Mail Boxes Complete");
}

void WashCleanupLogs(WashContext& ctx, TWashListItem&, int row) {
    const bool running = OutlookExpressRuns();
    LogTimedLine(ctx, " Washing: Outlook Express Cleanup Logs");
    WashScope scope(ctx, row);
    scope.ShowCounters();
    if (running) {
        LogTimedLine(ctx, " Outlook Express is active, Washing Cleanup Logs aborted");
    } else {
        for (const std::string& folder : IdentityStoreFolders()) {
            if (!scope.KeepWashing())
                break;
            const std::string log = folder + "cleanup.log";
            if (!platform::FolderExists(folder) || !platform::FileExists(log))
                continue;
            LogLine(ctx, "Deleting Cleanup Log " + log);
            DestroyFile(scope, log);
        }
    }
    Finish(scope, " Washing: Washing Outlook Express Cleanup Logs Complete");
}

}  // namespace

void AddOutlookExpressWashers(WasherTable& table) {
    table.BuiltIn[wlitOE_Mail_Boxes] = WashMailBoxes;
    table.BuiltIn[wlitOE_Cleanup_Log] = WashCleanupLogs;
}
