// TidewellCmd.exe: the console front end over the engine and settings of Tidewell.exe.
//   TidewellCmd list | test | wash [--level N] [--only ID,...] [--yes] [--verbose] | --help
#include <atomic>

#include "cli/cli_objects.h"
#include "cli/command_line.h"
#include "cli/console_settings_host.h"
#include "cli/console_wash_view.h"
#include "engine/wash_driver.h"
#include "platform/console.h"
#include "washers/washer_registry.h"

namespace {

class SystemConsole : public ConsoleIo {
  public:
    void Out(const std::string& text) override {
        platform::WriteConsoleText(platform::ConsoleStream::Output, text);
    }
    void Err(const std::string& text) override {
        platform::WriteConsoleText(platform::ConsoleStream::Error, text);
    }
    std::optional<std::string> ReadLine() override { return platform::ReadConsoleLine(); }
};

void PrintLines(ConsoleIo& io, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    io.Out(text);
}

bool AnySelected(const Catalogue& catalogue) {
    for (const auto& item : catalogue.Items)
        if (item->Selected)
            return true;
    return false;
}

int TestRun(WashContext& ctx, ConsoleWashView& view, ConsoleIo& io) {
    if (!RunTestRun(ctx, view.Listing()))
        return kExitFailure;
    PrintLines(io, view.Listing().Lines());
    io.Out(view.Listing().StatusText() + "\r\n");
    return view.Stopped() ? kExitStopped : kExitOk;
}

// A real wash. Its activity lines are printed whatever "Log Activities" says, and reach the
// log file only when it is on, as in the main window.
int Wash(WashContext& ctx, ConsoleWashView& view, ConsoleSettingsHost& host, ConsoleIo& io) {
    const bool logging = ctx.Opts.LogActivities;
    ConsoleActivityLog lines(io, logging ? host.LogFile() : nullptr);
    ActivityLog* const file = ctx.Log;
    ctx.Log = &lines;
    ctx.Opts.LogActivities = true;
    ScrubAndGoBtnClick(ctx);
    ctx.Opts.LogActivities = logging;
    ctx.Log = file;
    io.Out(WashSummary(ctx.RunItemCount, ctx.RunTotalBytes, view.Stopped()) + "\r\n");
    return view.Stopped() ? kExitStopped : kExitOk;
}

int Execute(const CliCommand& cmd, WashContext& ctx, ConsoleWashView& view,
            ConsoleSettingsHost& host, ConsoleIo& io) {
    if (cmd.Verb == CliVerb::List) {
        PrintLines(io, ObjectListingLines(ctx.Objects));
        return kExitOk;
    }
    if (cmd.Level)
        ctx.Opts.WashLevel = *cmd.Level;
    if (!cmd.Only.empty()) {
        std::string problem = SelectOnly(ctx.Objects, cmd.Only, ctx.Washers);
        if (!problem.empty()) {
            io.Err("TidewellCmd: " + problem + "\r\n");
            return kExitUsage;
        }
    }
    if (!AnySelected(ctx.Objects))
        io.Err("TidewellCmd: no wash object is selected (TidewellCmd list shows them)\r\n");
    return cmd.Verb == CliVerb::Test ? TestRun(ctx, view, io) : Wash(ctx, view, host, io);
}

int RunTidewellCmd(const std::vector<std::string>& args, ConsoleIo& io,
                   const std::atomic<bool>& stop) {
    const ParsedCommandLine parsed = ParseCommandLine(args);
    if (!parsed.Ok()) {
        io.Err("TidewellCmd: " + parsed.Error + "\r\nTidewellCmd --help shows the commands.\r\n");
        return kExitUsage;
    }
    const CliCommand& cmd = parsed.Command;
    if (cmd.Verb == CliVerb::Help) {
        io.Out(UsageText());
        return kExitOk;
    }
    const WasherTable washers = MakeWasherTable();
    Catalogue catalogue;
    ConsoleWashView view(io, stop, {cmd.Yes, cmd.Verbose});
    WashContext ctx(catalogue, view, washers);
    view.Attach(ctx);
    ConsoleSettingsHost host(ctx, io);
    host.SetChangesNothing(cmd.Verb != CliVerb::Wash);
    LoadSettings(host);
    const int code = Execute(cmd, ctx, view, host, io);
    host.CloseActivityLog();
    return code;
}

}  // namespace

int main() {
    static std::atomic<bool> stop{false};  // outlives every Ctrl+C the system may still deliver
    platform::SetStopFlagOnCtrlC(stop);
    SystemConsole console;
    return RunTidewellCmd(platform::CommandLineArguments(), console, stop);
}
