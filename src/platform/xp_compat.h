#pragma once
// Windows XP has no GetTickCount64, but the thread library that the C++ runtime links in calls
// it; an import of it keeps a program from starting there. xp_compat.cpp, linked into every
// program, takes the place of that import. These are its parts, for the tests.
#include <cstdint>

namespace platform {

using TickCount64Function = unsigned long long(__stdcall*)();

// The 64-bit count from a 32-bit tick count that wraps every 49.7 days: `last` is the previous
// answer (0 at first) and is updated.
std::uint64_t ExtendTickCount(std::uint32_t now, std::uint64_t& last);

// The function a GetTickCount64 call reaches: the system's own where it has one (`found`, as
// GetProcAddress gave it), else the count made from GetTickCount.
TickCount64Function ChooseTickCount64(TickCount64Function found);

}  // namespace platform
