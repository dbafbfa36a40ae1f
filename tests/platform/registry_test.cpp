#include "platform/registry.h"

#include <gtest/gtest.h>

#include "support/scoped_registry_key.h"

using platform::RegistryKey;
using testing_support::ScopedRegistryKey;

TEST(Registry, OpenNeverCreatesAKey) {
    ScopedRegistryKey scratch;
    std::string missing = scratch.Path() + "\\not\\there";
    EXPECT_FALSE(RegistryKey::Open(RootKey::CurrentUser, missing).IsOpen());
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::CurrentUser, missing));
    EXPECT_TRUE(RegistryKey::Create(RootKey::CurrentUser, missing + "\\"));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::CurrentUser, missing));
}

TEST(Registry, ValuesRoundTripWithTheirTypes) {
    ScopedRegistryKey scratch;
    scratch.SetString("name", "gr\xc3\xbc\xc3\x9f\x65 \xe6\x97\xa5");  // outside the ANSI page
    scratch.SetDword("number", 0xDEADBEEF);
    scratch.SetBinary("blob", std::string("\x00\x01\x02", 3));
    RegistryKey key = scratch.Open();

    auto name = key.Read("name");
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->IsString());
    EXPECT_EQ(name->AsString(), "gr\xc3\xbc\xc3\x9f\x65 \xe6\x97\xa5");
    EXPECT_EQ(key.Read("number")->AsDword(), 0xDEADBEEFu);
    EXPECT_EQ(key.Read("number")->AsString(), "");
    EXPECT_EQ(key.Read("blob")->Size(), 3u);
    EXPECT_FALSE(key.Read("absent"));

    auto names = key.ValueNames();
    EXPECT_EQ(names.size(), 3u);
    auto info = key.Info();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->values, 3u);
    EXPECT_EQ(info->subkeys, 0u);
    EXPECT_TRUE(key.DeleteValue("name"));
    EXPECT_FALSE(key.HasValue("name"));
    EXPECT_FALSE(key.DeleteValue("name"));
}

TEST(Registry, SubkeysAreListedAndOnlyLeafKeysDelete) {
    ScopedRegistryKey scratch;
    scratch.SetString("v", "1", "a\\deeper");
    scratch.SetString("v", "1", "b");
    RegistryKey key = scratch.Open();
    auto subkeys = key.SubkeyNames();
    EXPECT_EQ(subkeys, (std::vector<std::string>{"a", "b"}));
    EXPECT_FALSE(platform::DeleteRegistryLeafKey(RootKey::CurrentUser, scratch.Path() + "\\a"));
    EXPECT_TRUE(platform::DeleteRegistryLeafKey(RootKey::CurrentUser, scratch.Path() + "\\b\\"));
    EXPECT_FALSE(scratch.HasSubkey("b"));
    EXPECT_TRUE(platform::DeleteRegistryTree(RootKey::CurrentUser, scratch.Path() + "\\a"));
    EXPECT_FALSE(scratch.HasSubkey("a"));
}

TEST(Registry, TheDefaultValueHasTheEmptyName) {
    ScopedRegistryKey scratch;
    scratch.SetString("", "default text");
    EXPECT_EQ(scratch.Open().Read("")->AsString(), "default text");
    EXPECT_TRUE(scratch.HasValue(""));
}

TEST(Registry, RootKeysReachTheirHives) {
    // HKEY_LOCAL_MACHINE is sign-extended on 64-bit Windows; a wrong conversion fails here.
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::LocalMachine, "Software\\Microsoft"));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::ClassesRoot, "CLSID"));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::Users, ".Default"));
}
