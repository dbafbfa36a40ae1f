#include "platform/registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/system.h"

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

// The sizes the wash counts are the ones the registry gives an ANSI program, asked here with
// RegQueryValueExA itself: "abc" is 4 bytes, not the 8 that UTF-16 stores.
TEST(Registry, SizesAreTheOnesAnAnsiProgramIsTold) {
    ScopedRegistryKey scratch;
    scratch.SetString("abc", "abc");
    scratch.SetString("empty", "");
    scratch.SetString("accents", "gr\xc3\xbc\xc3\x9f\x65");   // in the ANSI page: one byte each
    scratch.SetString("beyond", "\xe6\x97\xa5\xe6\x9c\xac");  // outside it: one "?" each
    scratch.Open().WriteString("expand", "%TEMP%\\x", platform::reg_type::kExpandString);
    const char multi[] = "a\0bc\0";  // two texts and the closing terminator
    std::wstring wideMulti(L"a\0bc\0\0", 6);
    scratch.Open().Write("multi", platform::reg_type::kMultiString, wideMulti.data(),
                         wideMulti.size() * sizeof(wchar_t));
    scratch.SetDword("number", 7);
    scratch.SetBinary("blob", std::string("\x00\x01\x02", 3));

    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, scratch.Path().c_str(), 0, KEY_READ, &raw),
              ERROR_SUCCESS);
    RegistryKey key = scratch.Open();
    for (const char* name :
         {"abc", "empty", "accents", "beyond", "expand", "multi", "number", "blob"}) {
        DWORD ansiSize = 0;
        ASSERT_EQ(RegQueryValueExA(raw, name, nullptr, nullptr, nullptr, &ansiSize), ERROR_SUCCESS);
        EXPECT_EQ(key.Read(name)->Size(), ansiSize) << name;
    }
    RegCloseKey(raw);
    EXPECT_EQ(key.Read("abc")->Size(), 4u);
    EXPECT_EQ(key.Read("abc")->data.size(), 8u);
    EXPECT_EQ(key.Read("empty")->Size(), 1u);
    EXPECT_EQ(key.Read("multi")->Size(), sizeof multi);
    EXPECT_EQ(key.Read("number")->Size(), 4u);
}

// A 32-bit program on 64-bit Windows asks for the 64-bit view of HKLM and HKCR where Windows
// keeps its own data, and only there.
TEST(Registry, TheNativeViewIsAskedForOnlyWhereWindowsRedirects) {
    using platform::RegistryAccess;
    using platform::RegistryView;
    const std::uint32_t read = platform::reg_access::kRead;
    struct Wow64Scope {
        explicit Wow64Scope(bool wow64) { platform::OverrideWow64ForTests(wow64); }
        ~Wow64Scope() { platform::OverrideWow64ForTests(std::nullopt); }
    };
    {
        Wow64Scope redirected(true);
        EXPECT_EQ(RegistryAccess(RootKey::LocalMachine, read, RegistryView::Native),
                  read | KEY_WOW64_64KEY);
        EXPECT_EQ(RegistryAccess(RootKey::ClassesRoot, read, RegistryView::Native),
                  read | KEY_WOW64_64KEY);
        EXPECT_EQ(RegistryAccess(RootKey::CurrentUser, read, RegistryView::Native), read);
        EXPECT_EQ(RegistryAccess(RootKey::Users, read, RegistryView::Native), read);
        EXPECT_EQ(
            RegistryAccess(RootKey::LocalMachine, read, RegistryView::Default) & KEY_WOW64_64KEY,
            0u);
        EXPECT_TRUE(RegistryKey::Open(RootKey::LocalMachine, "Software\\Microsoft", read,
                                      RegistryView::Native));
    }
    Wow64Scope native(false);
    EXPECT_EQ(RegistryAccess(RootKey::LocalMachine, read, RegistryView::Native), read);
    EXPECT_EQ(RegistryAccess(RootKey::LocalMachine, read, RegistryView::Default), read);
}
