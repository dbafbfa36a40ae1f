// The Outlook Express washers against a real store folder of a default identity, and a real
// window of Outlook Express's class standing for the running program.
#include <gtest/gtest.h>
#include <windows.h>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "support/scoped_registry_key.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"

using testing_support::ScopedRegistryKey;
using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

const char kIdentity[] = "{3A1C8E5B-0000-4000-8000-00000000BEEF}";

// A default identity whose settings name the store folder `store`.
struct MailSandbox {
    TempFolder store, local;
    ScopedShellFolder localShell{"Local AppData", local.Path()};
    ScopedRegistryKey identities{RootKey::CurrentUser, "Identities"};

    MailSandbox() {
        identities.SetString("Default User ID", kIdentity);
        identities.SetString(
            "Store Root", store.Path(),
            std::string(kIdentity) + "\\Software\\Microsoft\\Outlook Express\\5.0");
    }
    std::string State() const { return FolderState(store.Path()) + FolderState(local.Path()); }
};

// A top-level window of the class Outlook Express's main window has, while it lives.
class FakeOutlookExpressWindow {
  public:
    explicit FakeOutlookExpressWindow(const wchar_t* className) : className_(className) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className_;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, className_, L"Outlook Express", WS_OVERLAPPEDWINDOW, 0, 0, 200,
                                  100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~FakeOutlookExpressWindow() {
        DestroyWindow(window_);
        UnregisterClassW(className_, GetModuleHandleW(nullptr));
    }
    HWND Handle() const { return window_; }

  private:
    const wchar_t* className_;
    HWND window_ = nullptr;
};

// Runs the washer of `type` as the run does and gives the entry's state afterwards.
TWashListState RunAndGiveState(WasherRunner& runner, TWashListItemType type, bool testRun) {
    runner.ctx.TestRunning = testRun;
    runner.ctx.KeepWashing = true;
    runner.log.text.clear();
    auto item = MakeBuiltInItem(type, std::string(TypeInfo(type).identifier), true);
    item->State = wlsWashing;
    (*runner.table.Find(*item))(runner.ctx, *item, 0);
    return item->State;
}

}  // namespace

TEST(MailBoxes, AnMbxBoxCountsWithItsIndexADbxBoxAlone) {
    MailSandbox sandbox;
    const std::string inbox = sandbox.store.AddFile("Inbox.dbx", std::string(3000, 'i'));
    const std::string old = sandbox.store.AddFile("Old.mbx", std::string(1000, 'm'));
    const std::string index = sandbox.store.AddFile("Old.idx", std::string(24, 'x'));
    sandbox.store.AddFile("Sent Items.dbx", "not chosen");
    WasherRunner runner;
    runner.ctx.SelectedMailBoxes = {"inbox=" + inbox, "old=" + old,
                                    "gone=" + sandbox.store.Path() + "Gone.dbx"};
    TwoRuns runs = TestThenWash(runner, wlitOE_Mail_Boxes, [&] { return sandbox.State(); });
    EXPECT_EQ(runs.test.lines, (Lines{"BLR " + inbox + " " + FormatSizeText(3000),
                                      "BLR " + old + " " + FormatSizeText(1000),
                                      "BLR " + index + " " + FormatSizeText(24)}));
    EXPECT_EQ(runs.real.count, 3u);
    EXPECT_EQ(runs.real.entries, "3/" + FormatSizeText(4024));
    EXPECT_FALSE(platform::PathExists(inbox));
    EXPECT_FALSE(platform::PathExists(old));
    EXPECT_FALSE(platform::PathExists(index));
    EXPECT_TRUE(sandbox.store.Exists("Sent Items.dbx"));
    EXPECT_EQ(runner.ctx.SelectedMailBoxes.size(), 3u);  // the lines stay chosen
    // Every line whole; the box lines without a time.
    const std::string& log = runs.real.log;
    EXPECT_EQ(log.substr(8, 38), " Washing: Outlook Express Mail Boxes\r\n");
    EXPECT_NE(log.find("\r\nDeleting Mail Box " + inbox + "\r\nDeleting Mail Box " + old + "\r\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(" Washing: Outlook Express Mail Boxes Complete {3/" + FormatSizeText(4024) +
                       "}\r\n"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Gone"), std::string::npos);  // a missing box is skipped silently
}

TEST(MailBoxes, AChosenLineOutsideTheStoreFoldersIsLeftAloneAndLogged) {
    MailSandbox sandbox;
    TempFolder elsewhere;
    const std::string foreign = elsewhere.AddFile("Inbox.dbx", "not a store");
    const std::string document = sandbox.store.AddFile("letter.doc", "a document");
    const std::string nested = sandbox.store.AddFile("sub\\Deep.dbx", "below the store");
    WasherRunner runner;
    runner.ctx.SelectedMailBoxes = {"inbox=" + foreign, "letter=" + document, "deep=" + nested,
                                    "no separator"};
    TwoRuns runs = TestThenWash(runner, wlitOE_Mail_Boxes,
                                [&] { return sandbox.State() + FolderState(elsewhere.Path()); });
    EXPECT_EQ(runs.real.count, 0u);
    EXPECT_TRUE(platform::FileExists(foreign));
    EXPECT_TRUE(platform::FileExists(document));
    EXPECT_TRUE(platform::FileExists(nested));
    EXPECT_EQ(runner.ctx.SelectedMailBoxes.size(), 4u);
    EXPECT_NE(runs.real.log.find(" Left alone the chosen mail box \"inbox=" + foreign + "\""),
              std::string::npos)
        << runs.real.log;
    EXPECT_NE(runs.real.log.find("\"letter=" + document + "\""), std::string::npos);
}

TEST(MailBoxes, NothingChosenGivesNoEntriesAndTheObjectIsWashed) {
    MailSandbox sandbox;
    WasherRunner runner;
    EXPECT_EQ(RunAndGiveState(runner, wlitOE_Mail_Boxes, false), wlsWashing);
    EXPECT_EQ(runner.view.rowEntries[0], "0/0 Kb");
}

TEST(OutlookExpressRunning, BothWashersShowNothingWriteTheRunningLineAndChangeNothing) {
    MailSandbox sandbox;
    const std::string inbox = sandbox.store.AddFile("Inbox.dbx", "mail");
    const std::string cleanup = sandbox.store.AddFile("cleanup.log", "log");
    for (const wchar_t* className : {L"Outlook Express Browser Class", L"ThorBrowserWndClass"}) {
        FakeOutlookExpressWindow window(className);
        ASSERT_NE(window.Handle(), nullptr);
        WasherRunner runner;
        runner.ctx.SelectedMailBoxes = {"inbox=" + inbox};
        EXPECT_EQ(RunAndGiveState(runner, wlitOE_Mail_Boxes, false), wlsNone);  // not washed
        EXPECT_EQ(runner.view.rowEntries[0], "0/0 Kb");
        EXPECT_NE(
            runner.log.text.find(" Outlook Express is active, Washing Mail Boxes aborted\r\n"),
            std::string::npos)
            << runner.log.text;
        EXPECT_NE(
            runner.log.text.find(" Washing: Outlook Express Mail Boxes Complete {0/0 Kb}\r\n"),
            std::string::npos);
        RunAndGiveState(runner, wlitOE_Cleanup_Log, false);
        EXPECT_EQ(runner.view.rowEntries[0], "0/0 Kb");
        EXPECT_NE(
            runner.log.text.find(" Outlook Express is active, Washing Cleanup Logs aborted\r\n"),
            std::string::npos)
            << runner.log.text;
        EXPECT_TRUE(platform::FileExists(inbox));
        EXPECT_TRUE(platform::FileExists(cleanup));
    }
}

TEST(CleanupLogs, DeletesTheLogOfEachIdentityFolderOnce) {
    MailSandbox sandbox;
    const std::string first = sandbox.store.AddFile("cleanup.log", "12345");
    const std::string local = sandbox.local.AddFile(
        std::string("Identities\\") + kIdentity + "\\Microsoft\\Outlook Express\\cleanup.log",
        "123");
    // A second settings key naming the same store: its log is still washed once.
    sandbox.identities.SetString(
        "Store Root", platform::WithoutTrailingBackslash(sandbox.store.Path()),
        std::string(kIdentity) + "\\Software\\Microsoft\\Outlook Express\\6.0");
    const std::string kept = sandbox.store.AddFile("other.log", "kept");
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitOE_Cleanup_Log, [&] { return sandbox.State(); });
    EXPECT_EQ(runs.test.lines, (Lines{"BLR " + first + " " + FormatSizeText(5),
                                      "BLR " + local + " " + FormatSizeText(3)}));
    EXPECT_FALSE(platform::PathExists(first));
    EXPECT_FALSE(platform::PathExists(local));
    EXPECT_TRUE(platform::FileExists(kept));
    const std::string& log = runs.real.log;
    EXPECT_EQ(log.substr(8, 40), " Washing: Outlook Express Cleanup Logs\r\n");
    EXPECT_NE(log.find("\r\nDeleting Cleanup Log " + first + "\r\nDeleting Cleanup Log " + local +
                       "\r\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find(" Washing: Washing Outlook Express Cleanup Logs Complete {2/" +
                       FormatSizeText(8) + "}\r\n"),
              std::string::npos)
        << log;
}
