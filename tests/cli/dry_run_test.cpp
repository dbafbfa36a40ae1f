// "TidewellCmd list" and "TidewellCmd test" over every object change nothing on the machine:
// every file of drive C: (name, attributes, size, and the contents of small files) and every value
// under HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE\Software are read before and after and must be the
// same.
#include <gtest/gtest.h>

#include <map>

#include "catalogue/settings.h"
#include "catalogue/wash_object_types.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/url_cache.h"
#include "platform/url_history.h"
#include "support/child_process.h"
#include "support/temp_folder.h"

namespace {

using Snapshot = std::map<std::string, std::string>;

// Windows' own stores exist before any program runs; a fresh Wine prefix makes WinINet's cache
// containers (and COM its session keys) at their first use, by whichever program that is.
void UseSystemStoresOnce() {
    platform::UrlCache cache;
    platform::UrlCacheEntry entry;
    cache.FindFirst(std::nullopt, 0xFFFFFFFFu, 0, entry);
    platform::UrlHistoryStore history;
}

void SnapshotFiles(const std::string& folder, Snapshot& into) {
    for (const platform::FileEntry& entry : platform::DirectoryListing(folder + "*")) {
        if (entry.IsDotEntry())
            continue;
        const std::string path = folder + entry.name;
        std::string& state = into[path];
        state = std::to_string(entry.attributes) + " " + std::to_string(entry.size);
        if (!entry.IsFolder() && entry.size <= 4096)  // small files: their contents too
            state += " " + platform::ReadWholeFile(path).value_or("<unreadable>");
        if (entry.IsFolder() && !entry.IsReparsePoint())
            SnapshotFiles(path + "\\", into);
    }
}

void SnapshotKey(RootKey root, const std::string& path, Snapshot& into) {
    platform::RegistryKey key = platform::RegistryKey::Open(root, path);
    if (!key)
        return;
    const std::string prefix = std::to_string(static_cast<unsigned>(root)) + "\\" + path + "\\";
    into[prefix] = "<key>";
    for (const std::string& name : key.ValueNames()) {
        auto value = key.Read(name);
        into[prefix + name] = value ? std::to_string(value->type) + ":" +
                                          std::string(value->data.begin(), value->data.end())
                                    : "<unreadable>";
    }
    for (const std::string& sub : key.SubkeyNames())
        SnapshotKey(root, path.empty() ? sub : path + "\\" + sub, into);
}

// Every file and value, less the files the tests' own helpers make while a program runs.
Snapshot Machine() {
    Snapshot snapshot;
    SnapshotFiles("C:\\", snapshot);
    const std::string helpers = platform::TempFolder() + "tidewell-test-";
    for (auto it = snapshot.begin(); it != snapshot.end();)
        it = it->first.rfind(helpers, 0) == 0 ? snapshot.erase(it) : std::next(it);
    SnapshotKey(RootKey::CurrentUser, "", snapshot);
    SnapshotKey(RootKey::LocalMachine, "Software", snapshot);
    return snapshot;
}

// What changed between two snapshots, a line per path.
std::string Changes(const Snapshot& before, const Snapshot& after) {
    std::string text;
    for (const auto& [path, state] : before) {
        auto now = after.find(path);
        if (now == after.end())
            text += "gone: " + path + "\n";
        else if (now->second != state)
            text += "changed: " + path + "\n";
    }
    for (const auto& [path, state] : after)
        if (!before.count(path))
            text += "new: " + path + "\n";
    return text;
}

std::string BuildDrive() {
    std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
    return drive.empty() ? "T:\\" : platform::WithTrailingBackslash(drive);
}

std::string Utf16File(const std::string& text) {
    std::wstring wide = L"\xFEFF" + platform::Utf8ToWide(text);
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(wchar_t));
}

TEST(TidewellCmdDryRun, ListAndTestOverEveryObjectChangeNothingOnTheMachine) {
    testing_support::TempFolder folder;
    auto exe = platform::ReadWholeFile(BuildDrive() + "TidewellCmd.exe");
    ASSERT_TRUE(exe) << "TidewellCmd.exe is not in the build on " << BuildDrive();
    const std::string program = folder.AddFile("TidewellCmd.exe", *exe);
    // Every object selected; a start of the program would adjust the browsers' settings: the
    // Opera folder exists, and Internet Explorer's close warning is not switched off yet.
    std::string options = "[" + CurrentUserSectionPrefix() + ".Options]\r\nLogActivities=0\r\n";
    for (int type = 0; type < kBuiltInTypeCount; ++type)
        options +=
            std::string(TypeInfo(static_cast<TWashListItemType>(type)).identifier) + "=1\r\n";
    const std::string ini = folder.AddFile("tidewell.ini", Utf16File(options));
    const std::string appData = platform::EnvironmentVariable("APPDATA");
    ASSERT_FALSE(appData.empty());
    ASSERT_TRUE(platform::CreateFolderTree(appData + "\\Opera\\"));
    platform::RegistryKey::Open(RootKey::CurrentUser,
                                "Software\\Microsoft\\Internet Explorer\\TabbedBrowsing",
                                platform::reg_access::kQuerySetCreateEnum)
        .DeleteValue("WarnOnClose");

    UseSystemStoresOnce();
    for (const char* verb : {"list", "test"}) {
        SCOPED_TRACE(verb);
        const Snapshot before = Machine();
        testing_support::ChildProcessResult r =
            testing_support::RunChildProcess("\"" + program + "\" " + verb);
        ASSERT_TRUE(r.started);
        ASSERT_EQ(r.exitCode, 0u) << r.errors;
        EXPECT_FALSE(r.output.empty());
        EXPECT_EQ(Changes(before, Machine()), "");
    }
    EXPECT_EQ(platform::ReadWholeFile(ini), std::optional<std::string>(Utf16File(options)));
    EXPECT_FALSE(platform::PathExists(folder.Path() + "tidewell.log"));  // logging is off
}

}  // namespace
