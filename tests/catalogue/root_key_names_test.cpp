#include "catalogue/root_key_names.h"

#include <gtest/gtest.h>

TEST(RootKeyNames, LongAndShortNamesOfEveryRoot) {
    EXPECT_EQ(RootKeyName(RootKey::CurrentUser), "HKEY_CURRENT_USER");
    EXPECT_EQ(RootKeyShortName(RootKey::CurrentUser), "HKCU");
    EXPECT_EQ(RootKeyShortName(RootKey::DynData), "HKDD");
    EXPECT_EQ(RootKeyName(static_cast<RootKey>(0x80000007u)), "");
    EXPECT_EQ(RootKeyShortName(static_cast<RootKey>(5)), "");
}

TEST(RootKeyNames, FromNameIsExactAndCaseSensitive) {
    EXPECT_EQ(RootKeyFromName("HKEY_LOCAL_MACHINE", RootKey::CurrentUser), RootKey::LocalMachine);
    EXPECT_EQ(RootKeyFromName("hkey_local_machine", RootKey::CurrentUser), RootKey::CurrentUser);
    EXPECT_EQ(RootKeyFromName("HKLM", RootKey::Users), RootKey::Users);
}
