// Walks a large tree of small files in the Windows temporary folder with the washer of
// "Windows Temporary Files", as a test run and as a real wash at level "1 Delete", and compares
// each with the bare system calls over the same tree in the same run: a FindFirstFileW listing
// of every folder, and a walk that lists, deletes every file with DeleteFileW and removes every
// emptied folder. The tree is made again before every delete measurement, and each side is
// timed only once the tree is on disk.
//   bench_walk [folders, default 1000] [files per folder, default 100] [rounds, default 1]
//              [list: only the test run against the listing]
// Goals: the test run within 1.3x of the listing, the wash within 1.1x of the delete walk (the
// safety checks of a walk cost per folder, not per file).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/wash_list.h"
#include "engine/wash_context.h"
#include "engine/wash_levels.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"
#include "washers/washer_registry.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// What a front end does with a run's reports, at the least cost it could have: it keeps the
// latest texts and lets pending messages through (there are none here).
class BenchView : public SilentWashView {
  public:
    void SetProgressText(const std::string& text) override { progress_ = text; }
    void SetRowEntries(int, const std::string& text) override { entries_ = text; }
    ConfirmAnswer Confirm(const std::string&) override { return ConfirmAnswer::Yes; }
    bool TestWindowShown() const override { return true; }
    void AppendTestLine(const std::string&) override { ++testLines_; }

    const std::string& Entries() const { return entries_; }

  private:
    std::string progress_;
    std::string entries_;
    long testLines_ = 0;
};

bool WriteSmallFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    static const char kData[100] = "a small temporary file";
    DWORD written = 0;
    bool ok = WriteFile(file, kData, sizeof kData, &written, nullptr) && written == sizeof kData;
    CloseHandle(file);
    return ok;
}

// root\dNNNN\fNNN.tmp
bool MakeTree(const std::wstring& root, int folders, int files) {
    CreateDirectoryW(root.c_str(), nullptr);
    for (int d = 0; d < folders; ++d) {
        std::wstring folder = root + L"d" + std::to_wstring(d) + L"\\";
        if (!CreateDirectoryW(folder.c_str(), nullptr))
            return false;
        for (int f = 0; f < files; ++f)
            if (!WriteSmallFile(folder + L"f" + std::to_wstring(f) + L".tmp"))
                return false;
    }
    return true;
}

// The bare listing: every folder listed once with "*", files counted.
long ListTree(const std::wstring& folder) {
    long files = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
                files += ListTree(folder + data.cFileName + L"\\");
        } else {
            ++files;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return files;
}

// The bare delete walk: list the folder, then delete its files and remove its emptied
// subfolders (the listing is read whole first, as the wash reads it).
long DeleteTree(const std::wstring& folder) {
    std::vector<std::pair<std::wstring, bool>> entries;  // name, is a folder
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
            entries.emplace_back(data.cFileName,
                                 (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    long removed = 0;
    for (const auto& [name, isFolder] : entries) {
        std::wstring path = folder + name;
        if (isFolder) {
            removed += DeleteTree(path + L"\\");
            removed += RemoveDirectoryW(path.c_str()) ? 1 : 0;
        } else {
            removed += DeleteFileW(path.c_str()) ? 1 : 0;
        }
    }
    return removed;
}

struct Washed {
    double seconds;
    std::string entries;
};

Washed WashTemporaryFiles(bool testRun) {
    Catalogue catalogue;
    BenchView view;
    WasherTable table = MakeWasherTable();
    WashContext ctx(catalogue, view, table);
    ctx.Washing = true;
    ctx.KeepWashing = true;
    ctx.TestRunning = testRun;
    const WashLevelSettings level = SettingsForWashLevel(0);  // "1 Delete"
    ctx.Shred.WashMode = level.WashMode;
    ctx.Shred.WashStrength = level.WashStrength;
    auto item = MakeBuiltInItem(wlitWin_Temporary_Files, "Windows Temporary Files", true);
    auto start = std::chrono::steady_clock::now();
    table.BuiltIn[wlitWin_Temporary_Files](ctx, *item, 0);
    return {Seconds(start), view.Entries()};
}

// Under Wine: waits (up to a minute and a half) until the Linux kernel has written the new tree
// to disk, so that neither side of a comparison pays for writing back the tree of the other.
// On Windows the file does not exist and nothing is waited for.
void WaitForWriteback() {
    for (int i = 0; i < 180; ++i) {
        HANDLE file = CreateFileW(L"\\\\?\\unix\\proc\\meminfo", GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return;
        char text[4096] = {};
        DWORD read = 0;
        ReadFile(file, text, sizeof text - 1, &read, nullptr);
        CloseHandle(file);
        const char* dirty = std::strstr(text, "Dirty:");
        if (!dirty || std::strtol(dirty + 6, nullptr, 10) < 4096)  // kB
            return;
        Sleep(500);
    }
}

// Removes the tree by the bare walk; the time it took.
double TimeDeleteWalk(const std::wstring& root, long expected) {
    auto start = std::chrono::steady_clock::now();
    long removed = DeleteTree(root);
    RemoveDirectoryW(root.c_str());
    double took = Seconds(start);
    return removed == expected ? took : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int folders = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int files = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    const bool listOnly = argc > 4 && std::string(argv[4]) == "list";
    const std::string temp = platform::WindowsFolder() + "Temp\\";
    const std::string tree = temp + "tidewell-bench-walk";
    const std::wstring root = platform::Utf8ToWide(tree + "\\");
    const long total = static_cast<long>(folders) * files;
    std::printf("walk benchmark: %ld files of 100 bytes in %d folders under %s, best of %d\n",
                total, folders, temp.c_str(), rounds);

    // Listing and test run change nothing: paired in alternating order over one tree.
    double list = 1e30, test = 1e30;
    std::string testEntries;
    if (!MakeTree(root, folders, files)) {
        std::fprintf(stderr, "cannot make the tree under %s\n", temp.c_str());
        return 2;
    }
    WaitForWriteback();
    for (int round = 0; round < 2 * rounds + 1; ++round) {
        for (int side = 0; side < 2; ++side) {
            if ((side == 0) == (round % 2 == 0)) {
                auto start = std::chrono::steady_clock::now();
                long listed = ListTree(root);
                list = std::min(list, Seconds(start));
                if (listed != total) {
                    std::fprintf(stderr, "the listing found %ld files\n", listed);
                    return 2;
                }
            } else {
                Washed run = WashTemporaryFiles(true);
                test = std::min(test, run.seconds);
                testEntries = run.entries;
            }
        }
    }
    TimeDeleteWalk(root, total + folders);
    const double testRatio = test / list;
    std::printf("listing %.3f s, test run %.3f s: %.3f (goal 1.3)   %s\n", list, test, testRatio,
                testEntries.c_str());
    std::fflush(stdout);

    // The bare delete walk and the wash, each timed right after its tree is made, in
    // alternating order.
    double remove = 1e30, wash = 1e30;
    std::string washEntries;
    for (int round = 0; round < rounds && !listOnly; ++round) {
        double roundRemove = 0, roundWash = 0;
        for (int side = 0; side < 2; ++side) {
            if (!MakeTree(root, folders, files)) {
                std::fprintf(stderr, "cannot make the tree again\n");
                return 2;
            }
            WaitForWriteback();
            if ((side == 0) == (round % 2 == 0)) {
                roundRemove = TimeDeleteWalk(root, total + folders);
                if (roundRemove < 0) {
                    std::fprintf(stderr, "the delete walk left entries behind\n");
                    return 2;
                }
            } else {
                Washed run = WashTemporaryFiles(false);
                roundWash = run.seconds;
                washEntries = run.entries;
                if (platform::PathExists(tree)) {
                    std::fprintf(stderr, "the wash left the tree behind\n");
                    return 2;
                }
            }
        }
        remove = std::min(remove, roundRemove);
        wash = std::min(wash, roundWash);
        std::printf("round %d: delete walk %.3f s, wash %.3f s: %.3f\n", round + 1, roundRemove,
                    roundWash, roundWash / roundRemove);
        std::fflush(stdout);
    }
    const double washRatio = listOnly ? 0 : wash / remove;
    std::printf("%-24s %9s %9s %7s %6s\n", "", "washer s", "bare s", "ratio", "goal");
    std::printf("%-24s %9.3f %9.3f %7.3f %6s   %s\n", "test run vs listing", test, list, testRatio,
                "1.3", testEntries.c_str());
    if (!listOnly)
        std::printf("%-24s %9.3f %9.3f %7.3f %6s   %s\n", "wash vs delete walk", wash, remove,
                    washRatio, "1.1", washEntries.c_str());
    const bool within = testRatio <= 1.3 && (listOnly || washRatio <= 1.1);
    std::printf("%s\n", within ? "within the goals" : "A GOAL IS MISSED");
    return within ? 0 : 1;
}
