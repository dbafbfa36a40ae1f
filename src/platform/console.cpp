#include "platform/console.h"

#include <windows.h>

#include <memory>

#include "platform/text.h"

namespace platform {
namespace {

HANDLE StandardHandle(ConsoleStream stream) {
    return GetStdHandle(stream == ConsoleStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

void WriteAllBytes(HANDLE handle, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD chunk = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(handle, data, chunk, &written, nullptr) || written == 0)
            return;  // a closed pipe: the reader is gone
        data += written;
        size -= written;
    }
}

std::optional<std::string> ReadConsoleWideLine(HANDLE input) {
    std::wstring line;
    for (;;) {
        wchar_t c = 0;
        DWORD read = 0;
        if (!ReadConsoleW(input, &c, 1, &read, nullptr) || read == 0)
            return std::nullopt;
        if (c == L'\n')
            break;
        if (c != L'\r')
            line.push_back(c);
    }
    return WideToUtf8(line);
}

// Byte by byte, so nothing after the line is taken from a pipe that others may read on.
std::optional<std::string> ReadByteLine(HANDLE input) {
    std::string line;
    for (;;) {
        char c = 0;
        DWORD read = 0;
        if (!ReadFile(input, &c, 1, &read, nullptr) || read == 0) {
            if (line.empty())
                return std::nullopt;
            break;
        }
        if (c == '\n')
            break;
        if (c != '\r')
            line.push_back(c);
    }
    return line;
}

// The handler routine takes no context, so the flag is kept here (set once by the program).
std::atomic<std::atomic<bool>*> g_stopFlag{nullptr};

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    std::atomic<bool>* flag = g_stopFlag.load();
    if (!flag || flag->exchange(true))
        return FALSE;  // asked before: let the system end the program
    return TRUE;
}

struct LocalFreeDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

}  // namespace

void WriteConsoleText(ConsoleStream stream, const std::string& text) {
    HANDLE handle = StandardHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty())
        return;
    if (!IsConsole(handle)) {
        WriteAllBytes(handle, text.data(), text.size());
        return;
    }
    std::wstring wide = Utf8ToWide(text);
    const wchar_t* data = wide.data();
    std::size_t left = wide.size();
    while (left > 0) {
        DWORD chunk = left > 8192 ? 8192 : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteConsoleW(handle, data, chunk, &written, nullptr) || written == 0)
            return;
        data += written;
        left -= written;
    }
}

std::optional<std::string> ReadConsoleLine() {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (input == nullptr || input == INVALID_HANDLE_VALUE)
        return std::nullopt;
    return IsConsole(input) ? ReadConsoleWideLine(input) : ReadByteLine(input);
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> args;
    if (!argv)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(WideToUtf8(argv.get()[i]));
    return args;
}

void SetStopFlagOnCtrlC(std::atomic<bool>& flag) {
    g_stopFlag.store(&flag);
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

}  // namespace platform
