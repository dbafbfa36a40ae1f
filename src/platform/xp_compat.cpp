// Stands in for the GetTickCount64 import (see xp_compat.h). The slot the callers read is named
// as the import slot would be, so the linker takes it instead of kernel32's; the first call
// looks the function up once and keeps the answer there.
#include "platform/xp_compat.h"

#include <windows.h>

#include "platform/module_exports.h"

namespace platform {

std::uint64_t ExtendTickCount(std::uint32_t now, std::uint64_t& last) {
    std::uint64_t high = last >> 32;
    if (now < static_cast<std::uint32_t>(last))
        ++high;  // the 32-bit count wrapped since the previous call
    last = (high << 32) | now;
    return last;
}

namespace {

unsigned long long __stdcall TickCountFromGetTickCount() {
    // One 64-bit word of state, updated atomically: callers may be on several threads.
    static std::uint64_t last = 0;
    std::uint64_t seen = __atomic_load_n(&last, __ATOMIC_ACQUIRE);
    for (;;) {
        std::uint64_t next = seen;
        std::uint64_t answer = ExtendTickCount(GetTickCount(), next);
        if (__atomic_compare_exchange_n(&last, &seen, next, false, __ATOMIC_ACQ_REL,
                                        __ATOMIC_ACQUIRE))
            return answer;
    }
}

unsigned long long __stdcall FirstTickCount64();

}  // namespace

TickCount64Function ChooseTickCount64(TickCount64Function found) {
    return found ? found : TickCountFromGetTickCount;
}

}  // namespace platform

// The import slot itself. Its assembler name is the one the thread library refers to.
#if defined(__i386__)
#define TIDEWELL_TICK_SLOT "__imp__GetTickCount64@0"
#else
#define TIDEWELL_TICK_SLOT "__imp_GetTickCount64"
#endif
extern "C" platform::TickCount64Function tidewellTickCount64Slot __asm__(TIDEWELL_TICK_SLOT);
extern "C" {
platform::TickCount64Function tidewellTickCount64Slot = platform::FirstTickCount64;
}

namespace platform {
namespace {

unsigned long long __stdcall FirstTickCount64() {
    auto found = LoadedExport<TickCount64Function>(L"kernel32.dll", "GetTickCount64");
    TickCount64Function chosen = ChooseTickCount64(found);
    __atomic_store_n(&tidewellTickCount64Slot, chosen, __ATOMIC_RELEASE);
    return chosen();
}

}  // namespace
}  // namespace platform
