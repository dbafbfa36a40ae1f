#include "app/hook_library.h"

#include "hook/tidewell_hook.h"

void HookLibrary::Start(HWND target) {
    StartHook(kWindowKind, target);
    StartHook(kMouseKind, target);
    running_ = true;
}

void HookLibrary::Stop() {
    if (!running_)
        return;
    StopHook(kWindowKind);
    StopHook(kMouseKind);
    running_ = false;
}
