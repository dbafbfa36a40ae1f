#include "platform/session.h"

#include <windows.h>

#include <utility>

#include "platform/handles.h"

namespace platform {
namespace {

ExitWindowsFunction& ExitOverride() {
    static ExitWindowsFunction forced;  // test seam only
    return forced;
}

}  // namespace

void EnableShutdownPrivilege() {
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &rawToken))
        return;
    UniqueFileHandle token(rawToken);  // closed with CloseHandle like a file
    TOKEN_PRIVILEGES privileges{};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        return;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
}

bool ExitWindowsSession(unsigned flags, unsigned reason) {
    if (ExitOverride())
        return ExitOverride()(flags, reason);
    return ExitWindowsEx(flags, reason) != FALSE;
}

void OverrideExitWindowsForTests(ExitWindowsFunction exit) {
    ExitOverride() = std::move(exit);
}

}  // namespace platform
