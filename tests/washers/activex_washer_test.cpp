// The downloaded program files washer against real distribution units and cache folders: a
// control of our own that the real regsvr32 registers and unregisters, an INF file whose
// uninstall section the real setupapi runs, and programs running from the cache and elsewhere.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "lists/activex_components.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "platform/shell_execute.h"
#include "platform/system.h"
#include "platform/text.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"
#include "washers/washer_harness.h"

using testing_support::ScopedRegistryKey;
using testing_support::TempFolder;
using namespace washer_tests;

namespace {

const char kControlClass[] = "{7A3C51E2-4D1B-4E0F-9C2A-5B6D7E8F9A01}";
const char kControlProgId[] = "Tidewell.TestControl";
const char kCacheKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ActiveX Cache";
const char kInfMarkerKey[] = "Software\\TidewellTests\\ActiveXInf";

std::string BuildFile(const std::string& name) {
    std::string drive = platform::EnvironmentVariable("TIDEWELL_TEST_BUILD_DRIVE");
    return (drive.empty() ? "T:\\" : platform::WithTrailingBackslash(drive)) + name;
}

std::string BuiltProgram(const std::string& name) {
    auto bytes = platform::ReadWholeFile(BuildFile(name));
    EXPECT_TRUE(bytes) << name << " is not in the build";
    return bytes.value_or("");
}

bool KeyOpens(RootKey root, const std::string& path) {
    return platform::RegistryKeyOpens(root, path);
}

// An INF whose uninstall section deletes a value under HKCU: gone, it shows setupapi ran.
std::string UninstallingInf() {
    return "[Version]\r\nSignature=\"$Chicago$\"\r\n\r\n"
           "[DefaultUninstall]\r\nDelReg=Remove.Marker\r\n\r\n"
           "[Remove.Marker]\r\nHKCU,\"Software\\TidewellTests\\ActiveXInf\",\"Installed\"\r\n";
}

// An ActiveX cache folder of its own, the one the "ActiveX Cache" values name.
struct CacheSandbox {
    TempFolder cache;
    ScopedRegistryValue value{RootKey::LocalMachine, kCacheKey, "0"};
    CacheSandbox() { value.SetString(cache.Path()); }
    std::string State() const { return FolderState(cache.Path()); }
};

// A distribution unit under HKLM with its download information; removed afterwards.
struct ScopedUnit {
    ScopedRegistryKey key;
    ScopedUnit(const std::string& name, const std::string& osd, const std::string& inf)
        : key(RootKey::LocalMachine, std::string(kDistributionUnitsKey) + "\\" + name) {
        key.SetString("OSD", osd, "DownloadInformation");
        key.SetString("INF", inf, "DownloadInformation");
    }
};

// A process running from a given file until it is ended.
class RunningProgram {
  public:
    explicit RunningProgram(const std::string& path) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring command = L"\"" + platform::Utf8ToWide(path) + L"\"";
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &info_);
        EXPECT_TRUE(started_) << path;
        if (started_)
            WaitForInputIdle(info_.hProcess, 5000);
    }
    ~RunningProgram() {
        if (!started_)
            return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Running() const {
        return started_ && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
    }
    bool EndsWithin(DWORD milliseconds) const {
        return started_ && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    DWORD Id() const { return info_.dwProcessId; }

  private:
    PROCESS_INFORMATION info_{};
    bool started_ = false;
};

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool Listed(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

// The control registered by the real regsvr32 from the cache, its INF with an uninstall
// section, its module-usage record: the test run lists and counts, the wash unregisters the
// control for real (its ProgID, which only its own unregistering removes, is gone), runs the
// INF's uninstall section and destroys both files and every key.
TEST(DownloadedProgramFiles, TheTestControlIsUnregisteredUninstalledAndDestroyed) {
    CacheSandbox sandbox;
    const std::string dll =
        sandbox.cache.AddFile("CONFLICT.1\\TestControl.dll", BuiltProgram("test_activex.dll"));
    const std::string inf = sandbox.cache.AddFile("TestControl.inf", UninstallingInf());
    ASSERT_TRUE(platform::RunAndWait("regsvr32", "/s \"" + dll + "\"", {}));
    ASSERT_TRUE(KeyOpens(RootKey::ClassesRoot, std::string("CLSID\\") + kControlClass));
    ASSERT_TRUE(KeyOpens(RootKey::ClassesRoot, kControlProgId));
    ScopedUnit unit(kControlClass, "", inf);
    ScopedRegistryKey usage(RootKey::LocalMachine,
                            std::string(kModuleUsageKey) + "\\" + ModuleUsageKeyName(dll));
    usage.SetString(".Owner", "Tidewell");
    ScopedRegistryKey marker(RootKey::CurrentUser, kInfMarkerKey);
    marker.SetString("Installed", "1");

    WasherRunner runner;
    auto state = [&] {
        return sandbox.State() +
               RegistryState(RootKey::ClassesRoot, std::string("CLSID\\") + kControlClass) +
               RegistryState(RootKey::LocalMachine, unit.key.Path()) +
               RegistryState(RootKey::LocalMachine, usage.Path()) +
               RegistryState(RootKey::CurrentUser, kInfMarkerKey);
    };
    TwoRuns runs = TestThenWash(runner, wlitIE_Downloaded_Program_Files, state);

    const std::string infSize = FormatSizeText(UninstallingInf().size());
    const std::string dllSize = FormatSizeText(BuiltProgram("test_activex.dll").size());
    EXPECT_TRUE(Listed(runs.test.lines, "CLR " + inf + " .inf file with proper uninstall."));
    EXPECT_TRUE(Listed(runs.test.lines, "BLR " + inf + " " + infSize + " (inf file)"));
    EXPECT_TRUE(Listed(runs.test.lines, "BLR " + dll + " " + dllSize));
    EXPECT_TRUE(Listed(runs.test.lines, "BLR " + platform::FolderOfPath(dll)));
    EXPECT_TRUE(
        Listed(runs.test.lines, std::string("DEL HKEY_CLASSES_ROOT\\CLSID\\") + kControlClass));
    // The INF, the library, its emptied folder and the three keys.
    EXPECT_EQ(runs.real.count, 6u);

    EXPECT_FALSE(KeyOpens(RootKey::ClassesRoot, kControlProgId)) << "regsvr32 /u did not run";
    EXPECT_FALSE(KeyOpens(RootKey::ClassesRoot, std::string("CLSID\\") + kControlClass));
    EXPECT_FALSE(marker.HasValue("Installed")) << "the INF's uninstall section did not run";
    EXPECT_FALSE(platform::PathExists(dll));
    EXPECT_FALSE(platform::PathExists(platform::FolderOfPath(dll)));
    EXPECT_FALSE(platform::PathExists(inf));
    EXPECT_FALSE(KeyOpens(RootKey::LocalMachine, unit.key.Path()));
    EXPECT_FALSE(KeyOpens(RootKey::LocalMachine, usage.Path()));
    EXPECT_TRUE(platform::FolderExists(sandbox.cache.Path())) << "the cache folder itself stays";

    const std::string& log = runs.real.log;
    EXPECT_TRUE(Holds(log, " Washing: IE Downloaded Program Files\r\n"));
    EXPECT_TRUE(Holds(log, "\r\nUninstalling INF file " + inf +
                               "\r\nDefault Uninstall Section "
                               "Found in INF file " +
                               inf + "\r\nDeleting INF file " + inf + "\r\n"));
    EXPECT_TRUE(Holds(log, "\r\nUnregistering " + dll + "\r\nDeleting ActiveX file " + dll));
    EXPECT_TRUE(Holds(log, " Washing: IE Downloaded Program Files Complete {6/"));
}

// A unit whose class runs from a library outside the cache (here a registered copy of the test
// control; on a real system perhaps a system library): regsvr32 is never given it, and neither
// the library nor its class keys are touched.
TEST(DownloadedProgramFiles, ALibraryOutsideTheCacheIsNeverUnregistered) {
    CacheSandbox sandbox;
    TempFolder elsewhere;
    const std::string dll = elsewhere.AddFile("Shared.dll", BuiltProgram("test_activex.dll"));
    ASSERT_TRUE(platform::RunAndWait("regsvr32", "/s \"" + dll + "\"", {}));
    const std::string inf = sandbox.cache.AddFile("Claims.inf", "[Version]\r\n");
    ScopedUnit unit(kControlClass, "", inf);

    WasherRunner runner;
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(platform::FileExists(dll));
    EXPECT_TRUE(KeyOpens(RootKey::ClassesRoot, kControlProgId)) << "regsvr32 /u ran";
    EXPECT_TRUE(KeyOpens(RootKey::ClassesRoot, std::string("CLSID\\") + kControlClass));
    EXPECT_FALSE(platform::PathExists(inf)) << "the cache's own INF goes all the same";
    EXPECT_TRUE(Holds(wash.log, "Refused to unregister and delete " + dll + ", the library of " +
                                    kControlClass + ": it lies outside the folders"));
    EXPECT_FALSE(Holds(wash.log, "Unregistering " + dll));

    // A system library named the same way is refused too.
    platform::RunAndWait("regsvr32", "/u /s \"" + dll + "\"", {});
    ScopedRegistryKey system(RootKey::ClassesRoot, std::string("CLSID\\") + kControlClass);
    const std::string ole = platform::SystemFolder() + "ole32.dll";
    system.SetString("", ole, "InProcServer32");
    sandbox.cache.AddFile("Claims.inf", "[Version]\r\n");
    wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(platform::FileExists(ole));
    EXPECT_TRUE(system.HasSubkey("InProcServer32"));
    EXPECT_TRUE(Holds(wash.log, "Refused to unregister and delete " + ole));

    // A bare name is found wherever the current folder is, even inside the cache: refused.
    system.SetString("", "Claims.dll", "InProcServer32");
    sandbox.cache.AddFile("Claims.inf", "[Version]\r\n");
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    SetCurrentDirectoryW(platform::Utf8ToWide(sandbox.cache.Path()).c_str());
    wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    SetCurrentDirectoryW(current);
    EXPECT_TRUE(Holds(wash.log, "Refused to unregister and delete Claims.dll, the library of " +
                                    std::string(kControlClass) + ": it is not a full path"));
    EXPECT_TRUE(system.HasSubkey("InProcServer32"));
}

// A program of the cache is ended before it is destroyed; the same program running from another
// folder goes on running and its file stays.
TEST(DownloadedProgramFiles, OnlyAProcessRunningFromTheCacheIsEnded) {
    CacheSandbox sandbox;
    TempFolder elsewhere;
    const std::string program = BuiltProgram("idle_program.exe");
    const std::string cached = sandbox.cache.AddFile("Helper.exe", program);
    const std::string other = elsewhere.AddFile("Helper.exe", program);
    RunningProgram fromCache(cached);
    RunningProgram fromElsewhere(other);
    ASSERT_TRUE(fromCache.Running() && fromElsewhere.Running());

    WasherRunner runner;
    WashOutcome test = runner.Run(wlitIE_Downloaded_Program_Files, true);
    EXPECT_TRUE(fromCache.Running()) << "a test run ends nothing";
    EXPECT_TRUE(test.lines.empty()) << "a test run does not walk the cache folders";
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(fromCache.EndsWithin(5000));
    EXPECT_FALSE(platform::PathExists(cached));
    EXPECT_TRUE(fromElsewhere.Running());
    EXPECT_TRUE(platform::FileExists(other));
    EXPECT_EQ(wash.count, 1u);
    EXPECT_TRUE(Holds(wash.log, "Deleting " + cached + "\r\nEnded process " +
                                    std::to_string(fromCache.Id()) + " running " + cached));
    EXPECT_TRUE(Holds(wash.log,
                      "Left process " + std::to_string(fromElsewhere.Id()) + " running: it runs "));
}

// A properly installed component (its description exists) keeps its description, its INF and its
// library; a loose description, a file on the accepted list and a subfolder: the first and last
// go, the accepted file stays with its log line.
TEST(DownloadedProgramFiles, InstalledAndAcceptedFilesStayTheRestGoes) {
    CacheSandbox sandbox;
    const std::string osd = sandbox.cache.AddFile("Viewer.osd", "<SOFTPKG/>");
    const std::string viewerInf = sandbox.cache.AddFile("Viewer.inf", "[Version]\r\n");
    const std::string library = sandbox.cache.AddFile("Viewer.ocx", "library");
    ScopedUnit unit("{11111111-2222-3333-4444-555555555555}", osd, viewerInf);
    ScopedRegistryKey classKey(RootKey::ClassesRoot,
                               "CLSID\\{11111111-2222-3333-4444-555555555555}");
    classKey.SetString("", library, "InProcServer32");
    const std::string loose = sandbox.cache.AddFile("Stray.osd", "<SOFTPKG/>");
    const std::string kept = sandbox.cache.AddFile("Kept.dat", "keep me");
    const std::string junk = sandbox.cache.AddFile("Junk.dat", "junk");
    const std::string deep = sandbox.cache.AddFile("Sub\\Deeper\\file.bin", "deep");
    sandbox.cache.AddFile("desktop.ini", "[.ShellClassInfo]");

    WasherRunner runner;
    runner.ctx.AcceptedActiveXList = {"Kept.dat=" + kept};
    WashOutcome test = runner.Run(wlitIE_Downloaded_Program_Files, true);
    EXPECT_EQ(test.count, 0u) << "no INF to remove, no registered control, no cache walk";
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);

    for (const std::string& stays : {osd, viewerInf, library, kept})
        EXPECT_TRUE(platform::FileExists(stays)) << stays;
    EXPECT_TRUE(platform::FileExists(sandbox.cache.Path() + "desktop.ini"));
    for (const std::string& goes : {loose, junk, deep})
        EXPECT_FALSE(platform::PathExists(goes)) << goes;
    EXPECT_FALSE(platform::PathExists(sandbox.cache.Path() + "Sub"));
    EXPECT_TRUE(Holds(wash.log, "Properly Installed OSD (" + osd + ") Found\r\n"));
    EXPECT_TRUE(Holds(wash.log, "Deleting Unproperly Installed OSD (" + loose + ") Found\r\n"));
    EXPECT_TRUE(Holds(wash.log, "File is on Accepted Active X Component List " + kept + "\r\n"));
    EXPECT_TRUE(Holds(wash.log, "Deleting Directory " + sandbox.cache.Path() + "Sub\r\n"));
    // Stray.osd, Junk.dat, file.bin, Deeper and Sub.
    EXPECT_EQ(wash.count, 5u);
}

// A cache value naming the Windows or the system folder, in any spelling: nothing there is
// listed, uninstalled or destroyed, and the log says why.
TEST(DownloadedProgramFiles, ACacheFolderThatIsTheWindowsFolderIsNeverWalked) {
    ScopedFiles files;
    const std::string windows = platform::WindowsFolder();
    const std::string inf =
        files.AddFile(windows + "tidewell_activex_probe.inf", UninstallingInf());
    const std::string other = files.AddFile(windows + "tidewell_activex_probe.dat");
    ScopedRegistryKey marker(RootKey::CurrentUser, kInfMarkerKey);
    marker.SetString("Installed", "1");
    // W: is a second name of the Windows folder: only its identity tells.
    ASSERT_TRUE(testing_support::MakeDriveLetter('w', windows));
    const std::string spellings[] = {windows, platform::SystemFolder() + "..\\",
                                     platform::SystemFolder(), "W:\\"};
    for (const std::string& spelling : spellings) {
        SCOPED_TRACE(spelling);
        ScopedRegistryValue value(RootKey::LocalMachine, kCacheKey, "0");
        value.SetString(spelling);
        WasherRunner runner;
        WashOutcome test = runner.Run(wlitIE_Downloaded_Program_Files, true);
        WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
        EXPECT_EQ(test.count + wash.count, 0u);
        EXPECT_TRUE(platform::FileExists(inf) && platform::FileExists(other));
        EXPECT_TRUE(marker.HasValue("Installed"));
        EXPECT_TRUE(
            Holds(wash.log, "Left alone the ActiveX cache folder " + spelling + ": it is "));
        EXPECT_FALSE(Holds(wash.log, "Uninstalling INF file"));
    }
    testing_support::RemoveDriveLetter('w');
}

// A link in the cache, or a cache folder that is a link, leads elsewhere: never followed.
TEST(DownloadedProgramFiles, LinksInOrAsTheCacheAreNeverFollowed) {
    CacheSandbox sandbox;
    TempFolder outside;
    const std::string victim = outside.AddFile("Precious.dll", "mine");
    testing_support::ScopedUnixSymlink inside(platform::WithoutTrailingBackslash(outside.Path()),
                                              sandbox.cache.Path() + "Linked");
    ASSERT_TRUE(inside.Made());
    WasherRunner runner;
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(platform::FileExists(victim));
    EXPECT_TRUE(Holds(wash.log, "Left alone " + sandbox.cache.Path() + "Linked: it is a link"));

    TempFolder holder;
    const std::string linkedCache = holder.Path() + "Cache";
    testing_support::ScopedUnixSymlink asCache(platform::WithoutTrailingBackslash(outside.Path()),
                                               linkedCache);
    ASSERT_TRUE(asCache.Made());
    sandbox.value.SetString(linkedCache);
    wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(platform::FileExists(victim));
    EXPECT_EQ(wash.count, 0u);
    EXPECT_TRUE(Holds(wash.log, "Refused to wash " + linkedCache)) << wash.log;
}

// Browsers that cannot be closed cancel the washer: its line says so and nothing goes.
TEST(DownloadedProgramFiles, BrowsersThatStayOpenCancelTheWash) {
    CacheSandbox sandbox;
    const std::string junk = sandbox.cache.AddFile("Junk.dat", "junk");
    WasherRunner runner;
    runner.view.browsersClose = false;
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    EXPECT_TRUE(platform::FileExists(junk));
    EXPECT_EQ(wash.entries, "") << "the row keeps its text";
    EXPECT_TRUE(Holds(wash.log,
                      " Error: IE Downloaded Program Files cancelled, unable to close "
                      "all browsers\r\n"));
    EXPECT_FALSE(Holds(wash.log, "Washing: IE Downloaded Program Files"));
}

// On Windows 9x the uninstaller is setupx through "rundll", which Wine lacks: the uninstaller
// does not start, and the INF is destroyed all the same. A cache folder named twice is walked
// once.
TEST(DownloadedProgramFiles, AnUninstallerThatDoesNotStartStillLetsTheInfGo) {
    CacheSandbox sandbox;
    ScopedRegistryValue again{RootKey::LocalMachine, kCacheKey, "1"};
    again.SetString(platform::WithoutTrailingBackslash(sandbox.cache.Path()));
    const std::string inf = sandbox.cache.AddFile("Old.inf", UninstallingInf());
    ScopedRegistryKey marker(RootKey::CurrentUser, kInfMarkerKey);
    marker.SetString("Installed", "1");
    platform::OverridePlatformIdForTests(platform::PlatformId::Windows9x);
    WasherRunner runner;
    WashOutcome wash = runner.Run(wlitIE_Downloaded_Program_Files, false);
    platform::OverridePlatformIdForTests(std::nullopt);
    EXPECT_FALSE(platform::PathExists(inf));
    EXPECT_TRUE(marker.HasValue("Installed")) << "setupapi ran instead of setupx";
    EXPECT_EQ(wash.count, 1u);
    std::size_t first = wash.log.find("Uninstalling INF file " + inf);
    EXPECT_NE(first, std::string::npos);
    EXPECT_EQ(wash.log.find("Uninstalling INF file " + inf, first + 1), std::string::npos);
}
