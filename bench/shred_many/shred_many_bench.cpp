// Destroys every entry of a folder through the Vanish page's path (ShredSelection -> WashFile,
// every question answered All) at one wash level, and prints how long it took and what is left.
// bench/shred-many.sh builds the tree, runs this, and times GNU shred over a copy beside it.
//   bench_shred_many FOLDER LEVEL      (LEVEL: the index in the level list, 0-7)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/wash_context.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/console.h"
#include "vanish/shred_selection.h"

namespace {

long CountFiles(const std::string& folder) {
    long files = 0;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*")) {
        if (entry.IsDotEntry())
            continue;
        files += entry.IsFolder() ? CountFiles(folder + entry.name + "\\") : 1;
    }
    return files;
}

}  // namespace

int main() {
    std::vector<std::string> args = platform::CommandLineArguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_shred_many FOLDER LEVEL\n");
        return 2;
    }
    const std::string folder = platform::WithTrailingBackslash(args[0]);
    std::vector<std::string> names;
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*"))
        if (!entry.IsDotEntry())
            names.push_back(entry.name);
    const long before = CountFiles(folder);

    Catalogue catalogue;
    SilentWashView view;  // a front end at the least cost it could have
    WasherTable table;
    WashContext ctx(catalogue, view, table);
    ctx.Opts.WashLevel = std::atoi(args[1].c_str());
    const auto start = std::chrono::steady_clock::now();
    ShredSelection(ctx, folder, names, nullptr);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("files %ld left %ld seconds %.3f\n", before, CountFiles(folder), seconds);
    return 0;
}
