// WashRegistryKey over real keys and values in the Wine registry.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <set>

#include "engine/primitives.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "support/recording_views.h"
#include "support/scoped_registry_key.h"
#include "washers/mru_list.h"

using testing_support::RecordingWashView;
using testing_support::ScopedRegistryKey;

namespace {

struct WashRegistryFixture : ::testing::Test {
    Catalogue catalogue;
    RecordingWashView view;
    WasherTable washers;
    WashContext ctx{catalogue, view, washers};
    ScopedRegistryKey key;
    std::string path;  // with a trailing backslash
    bool lastResult = false;

    void SetUp() override {
        ctx.KeepWashing = true;
        path = key.Path() + "\\";
    }

    WashCounters Wash(const std::string& mask, const std::string& exclusions, bool deleteItself,
                      bool subkeys, bool deleteValues, const std::string& keyPath = "") {
        WashScope scope(ctx, 0);
        bool prompt = false;
        lastResult = WashRegistryKey(scope, RootKey::CurrentUser, keyPath.empty() ? path : keyPath,
                                     mask, exclusions, prompt, deleteItself, subkeys, deleteValues);
        return scope.Counters;
    }

    std::set<std::string> ValueNames(const std::string& subkey = "") const {
        auto names = platform::RegistryKey::Open(RootKey::CurrentUser,
                                                 key.Path() + (subkey.empty() ? "" : "\\" + subkey))
                         .ValueNames();
        return {names.begin(), names.end()};
    }

    std::optional<platform::RegistryValue> Read(const std::string& name) const {
        return key.Open().Read(name);
    }
};

TEST_F(WashRegistryFixture, AWordWithAStarMatchesAnywhereWithoutTheStarOnlyTheName) {
    for (const char* name : {"MRUList", "FileMRU", "xMRUy", "MRU", "lowermru", "Other"})
        key.SetString(name, "v");
    key.SetString("", "default");

    EXPECT_EQ(Wash("MRU", "", false, false, true).count, 1u);
    EXPECT_EQ(ValueNames(),
              (std::set<std::string>{"MRUList", "FileMRU", "xMRUy", "lowermru", "Other", ""}));
    EXPECT_EQ(Wash("MRU*", "", false, false, true).count, 3u);
    EXPECT_EQ(ValueNames(), (std::set<std::string>{"lowermru", "Other", ""}));
    EXPECT_EQ(Wash("", "", false, false, true).count, 1u);  // the default value
    EXPECT_EQ(ValueNames(), (std::set<std::string>{"lowermru", "Other"}));
    EXPECT_TRUE(lastResult);
}

TEST_F(WashRegistryFixture, ClearingEmptiesByTypeAndATestRunCountsNoBytes) {
    // Texts count as an ANSI program is told their sizes: characters and the terminator.
    key.SetString("s", "hello");                                               // 6 bytes
    key.Open().WriteString("e", "%TEMP%", platform::reg_type::kExpandString);  // 7 bytes
    key.SetDword("d", 7);
    key.SetBinary("b", "abc");
    const char multi[] = "a\0b\0";  // left as it is: not counted
    key.Open().Write("m", platform::reg_type::kMultiString, multi, sizeof multi);

    ctx.TestRunning = true;
    WashCounters test = Wash("*", "", false, false, false);
    EXPECT_EQ(test.count, 4u);
    EXPECT_EQ(test.bytes, 0u);
    const std::string root = "CLR HKCU\\" + path;
    EXPECT_EQ(std::set<std::string>(view.testLines.begin(), view.testLines.end()),
              (std::set<std::string>{root + "s \"hello\" 0.01 Kb", root + "e \"%TEMP%\" 0.01 Kb",
                                     root + "d \"7\" 0.00 Kb", root + "b 0.00 Kb"}));
    EXPECT_EQ(Read("s")->AsString(), "hello");
    EXPECT_EQ(Read("d")->AsDword(), 7u);

    ctx.TestRunning = false;
    WashCounters real = Wash("*", "", false, false, false);
    EXPECT_EQ(real.count, 4u);
    EXPECT_EQ(real.bytes, (6u - 1) + (7 - 1) + (4 - 4) + (3 - 1));
    EXPECT_EQ(Read("s")->AsString(), "");
    EXPECT_EQ(Read("e")->type, platform::reg_type::kExpandString);
    EXPECT_EQ(Read("e")->AsString(), "");
    EXPECT_EQ(Read("d")->AsDword(), 0u);
    EXPECT_EQ(Read("b")->data, (std::vector<std::uint8_t>{0}));
    EXPECT_EQ(Read("m")->data.size(), sizeof multi);
    EXPECT_EQ(view.progress.front().rfind("Clearing HKCU\\", 0), 0u);
}

TEST_F(WashRegistryFixture, DeletesListTextNumberAndSize) {
    key.SetString("s", "abc");
    key.SetDword("d", 42);
    key.SetBinary("b", std::string(2048, 'x'));
    ctx.TestRunning = true;
    WashCounters test = Wash("*", "", false, false, true);
    const std::string root = "DEL HKCU\\" + path;
    EXPECT_EQ(std::set<std::string>(view.testLines.begin(), view.testLines.end()),
              (std::set<std::string>{root + "s \"abc\" 0.00 Kb", root + "d \"42\" 0.00 Kb",
                                     root + "b 2 Kb"}));
    EXPECT_EQ(test.bytes, 4u + 4 + 2048);  // "abc" is 4 bytes to the registry's ANSI side
    EXPECT_EQ(ValueNames().size(), 3u);
}

TEST_F(WashRegistryFixture, EmptiedSubkeysGoAKeyHoldingASparedValueStays) {
    key.SetString("v1", "1");
    key.SetString("a1", "22", "A");
    key.SetDword("x", 1, "A\\A1");
    key.SetString("KeepMe", "spared", "B");
    key.SetString("b1", "333", "B");
    key.SetString("c1", "4", "C\\KeepMe");  // a spared subkey name

    ctx.TestRunning = true;
    WashCounters test = Wash("*", "KeepMe", true, true, true);
    const std::string keyMark = " 0 Kb (key)";
    std::set<std::string> listedKeys;
    for (const std::string& line : view.testLines)
        if (line.size() > keyMark.size() &&
            line.compare(line.size() - keyMark.size(), keyMark.size(), keyMark) == 0)
            listedKeys.insert(line.substr(4, line.size() - 4 - keyMark.size()));
    EXPECT_TRUE(key.HasSubkey("A\\A1"));
    EXPECT_EQ(ValueNames("A").size(), 1u);

    ctx.TestRunning = false;
    WashCounters real = Wash("*", "KeepMe", true, true, true);
    EXPECT_EQ(real.count, 4u);  // v1, a1, x, b1; removed keys are not counted
    EXPECT_EQ(real.bytes, 2u + 3 + 4 + 4);
    EXPECT_EQ(test.count, real.count);
    EXPECT_EQ(test.bytes, real.bytes);
    EXPECT_FALSE(key.HasSubkey("A"));
    EXPECT_TRUE(key.HasSubkey("B"));
    EXPECT_TRUE(key.HasValue("KeepMe", "B"));
    EXPECT_TRUE(key.HasSubkey("C"));  // holds the spared subkey "KeepMe"
    EXPECT_TRUE(key.HasValue("c1", "C\\KeepMe"));
    EXPECT_TRUE(key.HasSubkey(""));  // the washed key still holds B and C
    EXPECT_EQ(listedKeys,
              (std::set<std::string>{"HKCU\\" + path + "A\\A1\\", "HKCU\\" + path + "A\\"}));
}

TEST_F(WashRegistryFixture, ASubkeyWhoseNameFitsTheMaskIsWashedWhole) {
    key.SetString("r1", "1", "Recent");
    key.SetString("r2", "2", "Recent");
    key.SetString("o1", "3", "Other");
    key.SetString("RecentList", "4");
    key.SetString("x", "5");
    WashCounters counters = Wash("Recent*", "", false, false, true);
    EXPECT_EQ(counters.count, 3u);  // r1, r2, RecentList
    EXPECT_FALSE(key.HasSubkey("Recent"));
    EXPECT_TRUE(key.HasValue("o1", "Other"));
    EXPECT_EQ(ValueNames(), (std::set<std::string>{"x"}));
}

TEST_F(WashRegistryFixture, QuestionsNameTheLongRootAndCancelEndsTheObject) {
    for (const char* name : {"a", "b", "c"})
        key.SetString(name, "v");
    key.SetString("z", "v", "Sub");
    view.answers = {ConfirmAnswer::No, ConfirmAnswer::Cancel};
    WashScope scope(ctx, 0);
    bool prompt = true;
    WashRegistryKey(scope, RootKey::CurrentUser, path, "*", "", prompt, true, true, true);
    ASSERT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(view.questions[0], "Delete HKEY_CURRENT_USER\\" + path + "Sub\\z ?");
    EXPECT_EQ(view.questions[1].rfind("Delete HKEY_CURRENT_USER\\" + path, 0), 0u);
    EXPECT_FALSE(ctx.KeepWashing);
    EXPECT_EQ(scope.Counters.count, 0u);
    EXPECT_EQ(ValueNames().size(), 3u);
    EXPECT_TRUE(key.HasValue("z", "Sub"));

    // All: the rest of the object goes unasked, the key removal included.
    ctx.KeepWashing = true;
    view.questions.clear();
    view.answers = {ConfirmAnswer::All};
    prompt = true;
    WashScope second(ctx, 0);
    EXPECT_TRUE(WashRegistryKey(second, RootKey::CurrentUser, path + "Sub\\", "*", "", prompt, true,
                                true, true));
    EXPECT_EQ(view.questions.size(), 1u);
    EXPECT_FALSE(key.HasSubkey("Sub"));
}

// Makes HKCU\`link` a registry link to HKCU\`target`.
bool MakeRegistryLink(const std::string& link, const std::string& target) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return false;
    alignas(TOKEN_USER) char user[256];
    DWORD size = 0;
    wchar_t* sid = nullptr;
    bool known = GetTokenInformation(token, TokenUser, user, sizeof user, &size) &&
                 ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user)->User.Sid, &sid);
    CloseHandle(token);
    if (!known)
        return false;
    std::wstring to =
        L"\\Registry\\User\\" + std::wstring(sid) + L"\\" + platform::Utf8ToWide(target);
    LocalFree(sid);
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, platform::Utf8ToWide(link).c_str(), 0, nullptr,
                        REG_OPTION_CREATE_LINK | REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS | KEY_CREATE_LINK, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    bool set = RegSetValueExW(key, L"SymbolicLinkValue", 0, REG_LINK,
                              reinterpret_cast<const BYTE*>(to.c_str()),
                              static_cast<DWORD>(to.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

// A link below a washed key, or the washed key itself being one, is never followed: what it
// points to (here the washed key's own parent, which would also loop) stays as it was.
TEST_F(WashRegistryFixture, RegistryLinksAreNeverFollowed) {
    key.SetString("canary", "alive");
    key.SetString("v", "x", "walk");
    ASSERT_TRUE(MakeRegistryLink(key.Path() + "\\walk\\up", key.Path()));
    ASSERT_TRUE(platform::RegistryKeyIsLink(RootKey::CurrentUser, key.Path() + "\\walk\\up"));
    ASSERT_FALSE(platform::RegistryKeyIsLink(RootKey::CurrentUser, key.Path() + "\\walk"));

    for (bool testRun : {true, false}) {
        ctx.TestRunning = testRun;
        WashCounters counters = Wash("*", "", true, true, true, path + "walk\\");
        EXPECT_EQ(counters.count, 1u);  // the value "v" alone, in both runs
        // The test listing: "v", and the link left alone.
        EXPECT_EQ(view.testLines.size(), testRun ? 2u : 0u);
        view.testLines.clear();
    }
    EXPECT_TRUE(key.HasValue("canary"));
    EXPECT_FALSE(key.HasValue("v", "walk"));
    EXPECT_TRUE(key.HasSubkey("walk"));  // it holds the link: kept
    EXPECT_TRUE(platform::RegistryKeyIsLink(RootKey::CurrentUser, key.Path() + "\\walk\\up"));

    // Named directly, the link is left alone too.
    Wash("*", "", true, true, true, path + "walk\\up\\");
    EXPECT_TRUE(key.HasValue("canary"));
    EXPECT_FALSE(lastResult);
}

TEST_F(WashRegistryFixture, AWholeRootKeyIsNeverWashed) {
    ctx.TestRunning = true;  // even a refusal that failed would change nothing
    EXPECT_EQ(Wash("*", "", false, true, true, "\\").count, 0u);
    EXPECT_FALSE(lastResult);
    EXPECT_TRUE(view.testLines.empty());
}

}  // namespace

// The MRU and numbered lists read a key's values themselves: a list key that is a registry
// link is left alone like any other, and what it points to keeps every value.
TEST_F(WashRegistryFixture, ListKeysThatAreRegistryLinksAreLeftAlone) {
    key.SetString("a", "canary a", "target");
    key.SetString("MRUList", "a", "target");
    key.SetString("File0", "canary 0", "target");
    ASSERT_TRUE(MakeRegistryLink(key.Path() + "\\list", key.Path() + "\\target"));
    const std::string link = key.Path() + "\\list";
    struct : ActivityLog {
        std::string text;
        void Write(std::string_view t) override { text += t; }
        void Flush() override {}
    } log;
    ctx.Log = &log;
    ctx.Opts.LogActivities = true;
    for (bool testRun : {true, false}) {
        ctx.TestRunning = testRun;
        WashScope scope(ctx, 0);
        WashMruList(scope, RootKey::CurrentUser, link, MruDataShown::Data);
        WashNumberedList(scope, RootKey::CurrentUser, link, "File");
        EXPECT_EQ(scope.Counters.count, 0u);
    }
    EXPECT_TRUE(key.HasValue("a", "target"));
    EXPECT_TRUE(key.HasValue("MRUList", "target"));
    EXPECT_TRUE(key.HasValue("File0", "target"));
    EXPECT_NE(log.text.find("Left alone HKEY_CURRENT_USER\\" + link + ": it is a registry link"),
              std::string::npos)
        << log.text;
}
