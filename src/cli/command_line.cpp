#include "cli/command_line.h"

#include <cstddef>

#include "engine/wash_levels.h"

namespace {

struct VerbName {
    const char* name;
    CliVerb verb;
};
constexpr VerbName kVerbs[] = {
    {"list", CliVerb::List},
    {"test", CliVerb::Test},
    {"wash", CliVerb::Wash},
};

bool IsHelpFlag(const std::string& arg) {
    return arg == "--help" || arg == "-h" || arg == "/?" || arg == "help";
}

std::optional<CliVerb> VerbNamed(const std::string& arg) {
    for (const VerbName& v : kVerbs)
        if (arg == v.name)
            return v.verb;
    return std::nullopt;
}

// A decimal level 0..7, nothing else (no sign, no blanks, no hexadecimal).
std::optional<int> ParseLevel(const std::string& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + kWashLevelCount)
        return std::nullopt;
    return text[0] - '0';
}

// "a,b,,c" -> a, b, c; false when an identifier is empty or only blanks.
bool SplitIdentifiers(const std::string& text, std::vector<std::string>& out) {
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        std::string id = text.substr(start, comma == std::string::npos ? comma : comma - start);
        if (id.find_first_not_of(' ') == std::string::npos)
            return false;
        out.push_back(id);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

class Parser {
  public:
    explicit Parser(const std::vector<std::string>& args) : args_(args) {}

    ParsedCommandLine Run() {
        for (const std::string& arg : args_)
            if (IsHelpFlag(arg)) {
                result_.Command.Verb = CliVerb::Help;
                return result_;
            }
        while (result_.Ok() && next_ < args_.size())
            Take(args_[next_++]);
        if (result_.Ok())
            CheckCombination();
        return result_;
    }

  private:
    void Fail(const std::string& message) {
        if (result_.Ok())
            result_.Error = message;
    }

    // The value of an option: "--name=value" or the next argument.
    std::optional<std::string> ValueOf(const std::string& name, const std::string& arg) {
        if (arg.size() > name.size() && arg[name.size()] == '=')
            return arg.substr(name.size() + 1);
        if (arg.size() == name.size() && next_ < args_.size())
            return args_[next_++];
        Fail(name + " needs a value");
        return std::nullopt;
    }

    static bool Names(const std::string& arg, const std::string& name) {
        return arg.compare(0, name.size(), name) == 0 &&
               (arg.size() == name.size() || arg[name.size()] == '=');
    }

    void Take(const std::string& arg) {
        CliCommand& cmd = result_.Command;
        if (Names(arg, "--level")) {
            if (auto value = ValueOf("--level", arg)) {
                std::optional<int> level = ParseLevel(*value);
                if (!level)
                    Fail("--level takes a wash level from 0 to 7, not '" + *value + "'");
                else if (cmd.Level && *cmd.Level != *level)
                    Fail("--level is given twice");
                cmd.Level = level;
            }
        } else if (Names(arg, "--only")) {
            if (auto value = ValueOf("--only", arg))
                if (!SplitIdentifiers(*value, cmd.Only))
                    Fail("--only takes object identifiers separated by commas, not '" + *value +
                         "'");
        } else if (arg == "--yes" || arg == "-y") {
            cmd.Yes = true;
        } else if (arg == "--verbose" || arg == "-v") {
            cmd.Verbose = true;
        } else if (!arg.empty() && arg[0] == '-') {
            Fail("unknown option '" + arg + "'");
        } else if (std::optional<CliVerb> verb = VerbNamed(arg)) {
            if (cmd.Verb != CliVerb::None)
                Fail("only one command at a time, not '" + arg + "' as well");
            cmd.Verb = *verb;
        } else {
            Fail("unknown command '" + arg + "' (the commands are list, test and wash)");
        }
    }

    void CheckCombination() {
        const CliCommand& cmd = result_.Command;
        if (cmd.Verb == CliVerb::None)
            Fail("no command given (list, test or wash)");
        else if (cmd.Verb == CliVerb::List && (cmd.Level || !cmd.Only.empty() || cmd.Yes))
            Fail("list takes no --level, --only or --yes");
    }

    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
    ParsedCommandLine result_;
};

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    return Parser(args).Run();
}

std::string UsageText() {
    return "Usage: TidewellCmd <command> [options]\r\n"
           "\r\n"
           "Commands:\r\n"
           "  list    every wash object: identifier, name, selected, present\r\n"
           "  test    a test run: lists everything a wash would remove, changes nothing\r\n"
           "  wash    washes the selected objects; one line per object, then the totals\r\n"
           "\r\n"
           "Options (test and wash):\r\n"
           "  --level N         wash level 0 to 7 for this run (default: the saved one)\r\n"
           "  --only ID[,ID...] only these objects, by the identifiers 'list' shows; the\r\n"
           "                    saved selection stays as it is. Objects this version cannot\r\n"
           "                    wash yet are refused here and skipped without --only\r\n"
           "  --yes, -y         answer every confirmation with All\r\n"
           "  --verbose, -v     show the progress texts on the error stream\r\n"
           "  --help, -h        this text\r\n"
           "\r\n"
           "Settings come from tidewell.ini beside the program (the current Windows user's\r\n"
           "sections); nothing is written there. With \"Log Activities\" on, a wash leaves\r\n"
           "its lines in tidewell.log.\r\n"
           "Ctrl+C stops a run after the current object.\r\n"
           "\r\n"
           "Exit codes: 0 done, 1 failure, 2 bad arguments or objects, 3 stopped by Ctrl+C.\r\n";
}
