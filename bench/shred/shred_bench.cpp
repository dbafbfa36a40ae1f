// Shreds a large file at each of the eight wash levels and compares the time with a plain
// reference measured in the same run: the same number of passes of 1 MiB WriteFile calls over
// the file, the same flushes, the same truncation and delete, through the same system.
//   bench_shred [size in MiB, default 256] [rounds, default 3]
// Each round times the shred and its reference one right after the other (in alternating
// order), so a change of the machine's load hits both; a level's ratio is the median of its
// rounds' ratios shred / reference (goal: at most 1.15).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/shred/shred_patterns.h"
#include "engine/shred/shredder.h"
#include "engine/wash_levels.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text.h"

namespace {

constexpr DWORD kWriteBytes = 1 << 20;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// A file of `bytes` bytes of text, written and flushed before the clock starts.
bool MakeFile(const std::string& path, unsigned long long bytes) {
    HANDLE file = CreateFileW(platform::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> chunk(kWriteBytes, 'd');
    bool ok = true;
    for (unsigned long long done = 0; done < bytes && ok; done += kWriteBytes) {
        DWORD length = static_cast<DWORD>(std::min<unsigned long long>(kWriteBytes, bytes - done));
        DWORD written = 0;
        ok = WriteFile(file, chunk.data(), length, &written, nullptr) && written == length;
    }
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    return ok;
}

// The same work done plainly: open, passes of 1 MiB writes, the level's flushes, truncate,
// close, delete.
bool Reference(const std::string& path, const WashLevelSettings& level) {
    std::wstring wide = platform::Utf8ToWide(path);
    const int passes = OverwritePassCount(level.WashMode);
    if (passes > 0) {
        HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        BY_HANDLE_FILE_INFORMATION info;
        GetFileInformationByHandle(file, &info);
        unsigned long long size =
            (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        std::vector<char> buffer(kWriteBytes, 0x55);
        for (int pass = 1; pass <= passes; ++pass) {
            SetFilePointer(file, 0, nullptr, FILE_BEGIN);
            for (unsigned long long done = 0; done < size; done += kWriteBytes) {
                DWORD length =
                    static_cast<DWORD>(std::min<unsigned long long>(kWriteBytes, size - done));
                DWORD written = 0;
                WriteFile(file, buffer.data(), length, &written, nullptr);
            }
            if (FlushAfterPass(level.WashMode, level.WashStrength, pass))
                FlushFileBuffers(file);
        }
        FlushFileBuffers(file);
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        SetEndOfFile(file);
        FlushFileBuffers(file);
        CloseHandle(file);
    }
    return DeleteFileW(wide.c_str()) != 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const unsigned long long mib = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 256;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const unsigned long long bytes = mib << 20;
    const std::string folder = platform::TempFolder() + "tidewell-bench-shred\\";
    platform::CreateFolderTree(folder);
    const std::string path = folder + "victim.bin";

    std::printf("shred benchmark: %llu MiB file, median of %d round(s) per level\n", mib, rounds);
    std::printf("%-4s %4s %8s %6s %10s %10s %7s\n", "lvl", "mode", "strength", "passes", "shred s",
                "ref s", "ratio");
    bool allWithin = true;
    for (int index = 0; index < kWashLevelCount; ++index) {
        const WashLevelSettings level = SettingsForWashLevel(index);
        ShredSettings settings;
        settings.WashMode = level.WashMode;
        settings.WashStrength = level.WashStrength;
        settings.ShredDelete = true;
        std::vector<double> shreds, references, ratios;
        for (int round = 0; round < rounds; ++round) {
            double shred = 0, reference = 0;
            // Alternate the order so that neither side always runs on a warmer system.
            for (int side = 0; side < 2; ++side) {
                bool shredSide = (side == 0) == (round % 2 == 0);
                if (!MakeFile(path, bytes)) {
                    std::fprintf(stderr, "cannot write %s\n", path.c_str());
                    return 2;
                }
                auto start = std::chrono::steady_clock::now();
                bool ok = shredSide ? ShredFile(path, settings) : Reference(path, level);
                double took = Seconds(start);
                if (!ok || platform::PathExists(path)) {
                    std::fprintf(stderr, "level %s: %s failed\n", ShortLevelName(index).c_str(),
                                 shredSide ? "shred" : "reference");
                    return 2;
                }
                (shredSide ? shred : reference) = took;
            }
            shreds.push_back(shred);
            references.push_back(reference);
            ratios.push_back(reference > 0 ? shred / reference : 0);
        }
        const double ratio = Median(ratios);
        // Deleting alone takes milliseconds; its ratio is noise, not a goal.
        bool counted = OverwritePassCount(level.WashMode) > 0;
        if (counted && ratio > 1.15)
            allWithin = false;
        std::string name = ShortLevelName(index);
        name = name.substr(0, name.find(' '));  // "3M"
        std::printf("%-4s %4d %8d %6d %10.3f %10.3f %7.3f%s\n", name.c_str(), level.WashMode,
                    level.WashStrength, OverwritePassCount(level.WashMode), Median(shreds),
                    Median(references), ratio, counted ? "" : "  (delete only)");
        std::fflush(stdout);
    }
    platform::RemoveFolderAt(folder);
    std::printf("%s\n", allWithin ? "all overwriting levels within 1.15x of the reference"
                                  : "SOME LEVEL IS ABOVE 1.15x OF THE REFERENCE");
    return allWithin ? 0 : 1;
}
