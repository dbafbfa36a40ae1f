// The stand-in for GetTickCount64 that lets the programs start on Windows XP.
#include "platform/xp_compat.h"

#include <gtest/gtest.h>
#include <windows.h>

// Hidden by the XP target of the headers; declared as the thread library sees it.
extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

namespace {

TEST(TickCount64, ExtendsTheThirtyTwoBitCountAcrossWraps) {
    std::uint64_t last = 0;
    EXPECT_EQ(platform::ExtendTickCount(5, last), 5u);
    EXPECT_EQ(platform::ExtendTickCount(0xFFFFFFF0u, last), 0xFFFFFFF0u);
    EXPECT_EQ(platform::ExtendTickCount(0x10u, last), 0x100000010ull);  // wrapped once
    EXPECT_EQ(platform::ExtendTickCount(0x10u, last), 0x100000010ull);  // same tick again
    EXPECT_EQ(platform::ExtendTickCount(0xFFFFFFFFu, last), 0x1FFFFFFFFull);
    EXPECT_EQ(platform::ExtendTickCount(0u, last), 0x200000000ull);  // wrapped twice
}

unsigned long long __stdcall FortyTwo() {
    return 42;
}

TEST(TickCount64, TakesTheSystemFunctionWhereThereIsOne) {
    EXPECT_EQ(platform::ChooseTickCount64(FortyTwo), FortyTwo);
}

TEST(TickCount64, WithoutTheSystemFunctionCountsFromGetTickCount) {
    // What Windows XP gets: GetProcAddress finds no GetTickCount64.
    platform::TickCount64Function chosen = platform::ChooseTickCount64(nullptr);
    ASSERT_NE(chosen, nullptr);
    DWORD before = GetTickCount();
    unsigned long long got = chosen();
    DWORD after = GetTickCount();
    EXPECT_GE(static_cast<DWORD>(got), before);
    EXPECT_LE(static_cast<DWORD>(got), after);
    EXPECT_LE(got, chosen());  // never goes back
}

TEST(TickCount64, CallsThroughTheImportReachTheStandIn) {
    // This program links the stand-in as every program does, so this call reads its slot.
    DWORD before = GetTickCount();
    ULONGLONG got = GetTickCount64();
    EXPECT_GE(static_cast<DWORD>(got), before);
    EXPECT_LE(static_cast<DWORD>(got) - before, 1000u);
}

}  // namespace
