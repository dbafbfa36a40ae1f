#include "tasks/shutdown.h"

#include "platform/session.h"

namespace {

constexpr unsigned kExitFlags[] = {
    1,  // EWX_SHUTDOWN
    9,  // EWX_SHUTDOWN | EWX_POWEROFF
    2,  // EWX_REBOOT
    0,  // EWX_LOGOFF
};
constexpr unsigned kReasonOther = 0xFFFFFFFF;

}  // namespace

unsigned ExitFlags(ExitKind kind) {
    return kExitFlags[static_cast<int>(kind)];
}

ExitKind ExitKindAfterWash(bool fromButton, bool windowsWasLoggingOff) {
    if (!fromButton && windowsWasLoggingOff)
        return ExitKind::Logoff;
    return ExitKind::PowerOff;
}

bool ShutdownWindows(ExitKind kind) {
    platform::EnableShutdownPrivilege();
    return platform::ExitWindowsSession(ExitFlags(kind), kReasonOther);
}

bool ShutdownWindows9x() {
    return platform::ExitWindowsSession(ExitFlags(ExitKind::Shutdown), 0);
}
