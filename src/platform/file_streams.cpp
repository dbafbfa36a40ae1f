#include "platform/file_streams.h"

#include <windows.h>

#include <utility>

#include "platform/module_exports.h"
#include "platform/text.h"

namespace platform {
namespace {

StreamNamesSource& TestSource() {
    static StreamNamesSource source;
    return source;
}

// The layout of WIN32_FIND_STREAM_DATA, which older headers lack.
struct FoundStream {
    LARGE_INTEGER size;
    WCHAR name[MAX_PATH + 36];
};
using FindFirstStream = HANDLE(WINAPI*)(LPCWSTR, int, LPVOID, DWORD);
using FindNextStream = BOOL(WINAPI*)(HANDLE, LPVOID);

bool NoStreamsAnswer(DWORD error) {
    return error == ERROR_HANDLE_EOF || error == ERROR_INVALID_PARAMETER ||
           error == ERROR_INVALID_FUNCTION || error == ERROR_NOT_SUPPORTED;
}

}  // namespace

std::optional<std::vector<std::string>> AlternateStreamNames(const std::string& path) {
    if (TestSource())
        return TestSource()(path);
    static const auto first = LoadedExport<FindFirstStream>(L"kernel32.dll", "FindFirstStreamW");
    static const auto next = LoadedExport<FindNextStream>(L"kernel32.dll", "FindNextStreamW");
    if (!first || !next)
        return std::nullopt;
    FoundStream found{};
    HANDLE find = first(Utf8ToWide(path).c_str(), 0 /* FindStreamInfoStandard */, &found, 0);
    if (find == INVALID_HANDLE_VALUE) {
        if (NoStreamsAnswer(GetLastError()))
            return std::vector<std::string>();
        return std::nullopt;
    }
    std::vector<std::string> names;
    do {
        std::string name = WideToUtf8(found.name);
        if (name != "::$DATA")
            names.push_back(name);
    } while (next(find, &found));
    const bool complete = GetLastError() == ERROR_HANDLE_EOF;
    FindClose(find);
    if (!complete)
        return std::nullopt;
    return names;
}

void OverrideStreamNamesForTests(StreamNamesSource source) {
    TestSource() = std::move(source);
}

}  // namespace platform
