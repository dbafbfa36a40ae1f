// NimboAction.dll as Windows uses it: registered and unregistered by the real regsvr32, then
// created by COM from that registration and driven through the shell's own interfaces (the
// selection as the shell's data object, IShellExtInit, IContextMenu). The one question is
// answered by a watcher thread, as a user would click "Yes".
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <atomic>
#include <optional>
#include <thread>

#include "catalogue/registry_values.h"
#include "catalogue/settings.h"
#include "options/desktop_integration.h"
#include "platform/com_ptr.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/child_process.h"
#include "support/temp_folder.h"

namespace {

using platform::ComPtr;

const CLSID kVanishMenuClass = {
    0x6c1e2b47, 0x9a3d, 0x4f0b, {0x8e, 0x52, 0x3d, 0x7a, 0x1c, 0x90, 0xb6, 0xf4}};
constexpr const char* kClassKey = "CLSID\\{6C1E2B47-9A3D-4F0B-8E52-3D7A1C90B6F4}";
constexpr const char* kFileHandlerKey = "*\\shellex\\ContextMenuHandlers\\Vanish";
constexpr const char* kFolderHandlerKey = "Directory\\shellex\\ContextMenuHandlers\\Vanish";

std::string Library() {
    return platform::ProgramFolder() + "NimboAction.dll";
}

// A main window closed by an earlier test program unregisters the handler without waiting:
// let such a regsvr32 finish before this test registers it.
bool Regsvr32Running() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found;
         more = Process32NextW(snapshot, &entry))
        found = lstrcmpiW(entry.szExeFile, L"regsvr32.exe") == 0;
    CloseHandle(snapshot);
    return found;
}

void WaitForOtherRegistrations() {
    for (int i = 0; i < 300 && Regsvr32Running(); ++i)
        Sleep(50);
}

bool Regsvr32(const std::string& switches) {
    auto result = testing_support::RunChildProcess(
        "regsvr32 " + switches + " \"" + Library() + "\"", "", 60000);
    return result.started && !result.timedOut && result.exitCode == 0;
}

// Clicks "Yes" in the handler's question when it shows.
class QuestionAnswerer {
  public:
    QuestionAnswerer()
        : thread_([this] {
              while (!stop_) {
                  HWND box = FindWindowW(L"#32770", L"Vanish");
                  if (box) {
                      asked_ = true;
                      PostMessageW(box, WM_COMMAND, IDYES, 0);
                      Sleep(200);
                  }
                  Sleep(20);
              }
          }) {}
    ~QuestionAnswerer() {
        stop_ = true;
        thread_.join();
    }
    bool Asked() const { return asked_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> asked_{false};
    std::thread thread_;
};

class VanishMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WaitForOtherRegistrations();
        ASSERT_TRUE(Regsvr32("/s"));
    }
    void TearDown() override { Regsvr32("/s /u"); }

    // The menu for one entry, as Explorer builds it for a right click.
    ComPtr<IContextMenu> MenuFor(const std::string& path) {
        ComPtr<IContextMenu> menu;
        std::wstring wide = platform::Utf8ToWide(path);
        LPITEMIDLIST item = nullptr;
        if (FAILED(SHParseDisplayName(wide.c_str(), nullptr, &item, 0, nullptr)))
            return menu;
        ComPtr<IShellFolder> parent;
        LPCITEMIDLIST child = nullptr;
        ComPtr<IDataObject> data;
        ComPtr<IShellExtInit> init;
        if (SUCCEEDED(SHBindToParent(item, IID_IShellFolder, parent.OutVoid(), &child)) &&
            SUCCEEDED(parent->GetUIObjectOf(nullptr, 1, &child, IID_IDataObject, nullptr,
                                            data.OutVoid())) &&
            SUCCEEDED(CoCreateInstance(kVanishMenuClass, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_IShellExtInit, init.OutVoid())) &&
            SUCCEEDED(init->Initialize(nullptr, data.Get(), nullptr)))
            init->QueryInterface(IID_IContextMenu, menu.OutVoid());
        CoTaskMemFree(item);
        return menu;
    }
    static std::string FirstItemText(IContextMenu* menu, UINT* added) {
        HMENU popup = CreatePopupMenu();
        HRESULT result = menu->QueryContextMenu(popup, 0, 100, 200, CMF_NORMAL);
        *added = HRESULT_CODE(result);
        wchar_t text[64] = {};
        GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
        UINT id = GetMenuItemID(popup, 0);
        DestroyMenu(popup);
        return id == 100 ? platform::WideToUtf8(text) : std::string();
    }
    static HRESULT Choose(IContextMenu* menu) {
        CMINVOKECOMMANDINFO info{};
        info.cbSize = sizeof info;
        info.lpVerb = MAKEINTRESOURCEA(0);
        info.nShow = SW_SHOWNORMAL;
        return menu->InvokeCommand(&info);
    }

    platform::ComScope com;
    testing_support::TempFolder folder;
};

TEST_F(VanishMenuTest, Regsvr32WritesTheHandlerKeysAndUnregisteringRemovesExactlyThem) {
    EXPECT_EQ(ReadRegistryValue(RootKey::ClassesRoot, kFileHandlerKey, "ftString", ""),
              "{6C1E2B47-9A3D-4F0B-8E52-3D7A1C90B6F4}");
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kFolderHandlerKey));
    std::string server = ReadRegistryValue(
        RootKey::ClassesRoot, std::string(kClassKey) + "\\InprocServer32", "ftString", "");
    EXPECT_TRUE(platform::EqualsIgnoreCase(server, Library())) << server;

    ASSERT_TRUE(Regsvr32("/s /u"));
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kFileHandlerKey));
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kFolderHandlerKey));
    EXPECT_FALSE(platform::RegistryKeyOpens(RootKey::ClassesRoot, kClassKey));
    EXPECT_TRUE(platform::RegistryKeyOpens(RootKey::ClassesRoot, "*\\shellex")) << "not ours";
}

TEST_F(VanishMenuTest, VanishFromTheMenuShredsTheChosenFileAfterOneQuestion) {
    std::string file = folder.AddFile("secret.txt", std::string(10000, 's'));
    ComPtr<IContextMenu> menu = MenuFor(file);
    ASSERT_TRUE(menu);
    UINT added = 0;
    EXPECT_EQ(FirstItemText(menu.Get(), &added), "Vanish");
    EXPECT_EQ(added, 1u);

    QuestionAnswerer answerer;
    EXPECT_EQ(Choose(menu.Get()), S_OK);
    EXPECT_TRUE(answerer.Asked());
    EXPECT_FALSE(platform::PathExists(file));
}

TEST_F(VanishMenuTest, VanishShredsAChosenFolderWholeAndRefusesTheWindowsFolder) {
    std::string chosen = folder.AddFolder("chosen");
    folder.AddFile("chosen\\inner\\a.txt");
    ComPtr<IContextMenu> menu = MenuFor(platform::WithoutTrailingBackslash(chosen));
    ASSERT_TRUE(menu);
    {
        QuestionAnswerer answerer;
        EXPECT_EQ(Choose(menu.Get()), S_OK);
    }
    EXPECT_FALSE(platform::PathExists(chosen));

    std::string windows = platform::WindowsFolder();
    ComPtr<IContextMenu> protectedMenu = MenuFor(platform::WithoutTrailingBackslash(windows));
    ASSERT_TRUE(protectedMenu);
    {
        QuestionAnswerer answerer;
        EXPECT_EQ(Choose(protectedMenu.Get()), S_OK);
    }
    EXPECT_TRUE(platform::FileExists(windows + "win.ini"));
    EXPECT_TRUE(platform::FolderExists(windows + "system32"));
}

class Wow64Scope {
  public:
    explicit Wow64Scope(bool wow64) { platform::OverrideWow64ForTests(wow64); }
    ~Wow64Scope() { platform::OverrideWow64ForTests(std::nullopt); }
};

// A 64-bit Explorer loads only a 64-bit handler: a 32-bit program on 64-bit Windows registers
// the 64-bit library beside it through the 64-bit regsvr32; everywhere else the library of its
// own width.
TEST_F(VanishMenuTest, TheProgramRegistersTheHandlerOfTheSystemsWidth) {
    std::string program = folder.AddFolder("program");
    folder.AddFile("program\\NimboAction.dll");
    folder.AddFile("program\\NimboAction64.dll");
    {
        Wow64Scope wow64(false);
        ContextMenuHandler handler = ContextMenuHandlerFor(program);
        EXPECT_EQ(handler.library, program + "NimboAction.dll");
        EXPECT_EQ(handler.regsvr32, "regsvr32");
        EXPECT_FALSE(handler.native);
    }
    Wow64Scope wow64(true);
    ContextMenuHandler handler = ContextMenuHandlerFor(program);
    EXPECT_EQ(handler.library, program + "NimboAction64.dll");
    EXPECT_TRUE(platform::EqualsIgnoreCase(handler.regsvr32,
                                           platform::WindowsFolder() + "Sysnative\\regsvr32.exe"));
    EXPECT_TRUE(handler.native);
    // The handler registered by the real regsvr32 of SetUp is found in the 64-bit registry.
    EXPECT_TRUE(ContextMenuHandlerRegistered(handler));

    ASSERT_TRUE(platform::DeleteFileAt(program + "NimboAction64.dll"));
    handler = ContextMenuHandlerFor(program);
    EXPECT_EQ(handler.library, program + "NimboAction.dll") << "the one there is taken";
    EXPECT_EQ(handler.regsvr32, "regsvr32");
    ASSERT_TRUE(platform::DeleteFileAt(program + "NimboAction.dll"));
    EXPECT_EQ(ContextMenuHandlerFor(program).library, "");
}

TEST_F(VanishMenuTest, TheRegistrationIsSeenWhereItsRegsvr32WroteIt) {
    ContextMenuHandler handler = ContextMenuHandlerFor(platform::ProgramFolder());
    EXPECT_TRUE(platform::EqualsIgnoreCase(handler.library, Library()));
    EXPECT_TRUE(ContextMenuHandlerRegistered(handler));
    ASSERT_TRUE(Regsvr32("/s /u"));
    EXPECT_FALSE(ContextMenuHandlerRegistered(handler));
}

// The menu's texts come from "Tidewell.lng" beside it, in the language saved in "tidewell.ini"
// beside it; a language the file does not have gives the English texts.
TEST_F(VanishMenuTest, TheMenuSpeaksTheSavedLanguageWithEnglishAsFallBack) {
    std::string ini = platform::ProgramFolder() + "tidewell.ini";
    std::optional<std::string> before = platform::ReadWholeFile(ini);
    std::string section = CurrentUserSectionPrefix() + ".Options";
    std::string file = folder.AddFile("letter.txt");
    auto helpText = [&](const char* lngId) {
        EXPECT_TRUE(platform::WriteIniString(ini, section, "LngID", lngId));
        ComPtr<IContextMenu> menu = MenuFor(file);
        EXPECT_TRUE(menu);
        if (!menu)
            return std::string();
        UINT added = 0;
        EXPECT_EQ(FirstItemText(menu.Get(), &added), "Vanish");
        wchar_t text[128] = {};
        menu->GetCommandString(0, GCS_HELPTEXTW, nullptr, reinterpret_cast<CHAR*>(text), 128);
        return platform::WideToUtf8(text);
    };
    EXPECT_EQ(helpText("49"), "Vernichtet die gew\xc3\xa4hlten Dateien und Ordner");
    EXPECT_EQ(helpText("33"), "D\xc3\xa9truit les fichiers et dossiers choisis");
    EXPECT_EQ(helpText("7"), "Destroys the selected files and folders");
    if (before)
        platform::WriteWholeFile(ini, *before);
    else
        platform::DeleteFileAt(ini);
    EXPECT_TRUE(platform::PathExists(file)) << "only asked, never chosen";
}

}  // namespace
