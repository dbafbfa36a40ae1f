#include "demo_traces.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>

#include "browsers/ie_cache.h"

#include "catalogue/shell_folders.h"
#include "platform/clipboard.h"
#include "platform/files.h"
#include "platform/recycle_bin.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/text.h"

namespace demo {
namespace {

using platform::RegistryKey;

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
const std::string kRunMru = kExplorer + "RunMRU";
const std::string kRecentDocs = kExplorer + "RecentDocs";
const std::string kOpenSave = kExplorer + "ComDlg32\\OpenSaveMRU";
const std::string kLastVisited = kExplorer + "ComDlg32\\LastVisitedMRU";
const std::string kNetworkRecent = "Network\\Recent";
const std::string kMapDriveMru = kExplorer + "Map Network Drive MRU";
const std::string kPlayer = "Software\\Microsoft\\MediaPlayer\\Player\\";
const std::string kRecentFiles = kPlayer + "RecentFileList";
const std::string kRecentUrls = kPlayer + "RecentURLList";
const std::string kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
const std::string kWordPadList = kApplets + "WordPad\\Recent File List";
const std::string kPaintList = kApplets + "Paint\\Recent File List";
const std::string kOffice = "Software\\Microsoft\\Office";
const std::string kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

struct NamedText {
    const char* name;
    const char* text;
};

// An MRU list: one-letter values and "MRUList" naming them, most recent first.
void PlantMruList(const std::string& path, std::vector<NamedText> values, const char* order) {
    RegistryKey key = RegistryKey::Create(RootKey::CurrentUser, path);
    for (const NamedText& v : values)
        key.WriteString(v.name, v.text);
    key.WriteString("MRUList", order);
}

void PlantValues(const std::string& path, std::vector<NamedText> values) {
    RegistryKey key = RegistryKey::Create(RootKey::CurrentUser, path);
    for (const NamedText& v : values)
        key.WriteString(v.name, v.text);
}

// Recent documents keep the document's name as UTF-16 bytes (binary values).
void PlantRecentDocs() {
    RegistryKey key = RegistryKey::Create(RootKey::CurrentUser, kRecentDocs);
    const char* names[] = {"secret-plans.txt", "holiday.jpg"};
    const char letters[] = {'a', 'b'};
    for (int i = 0; i < 2; ++i) {
        std::wstring wide = platform::Utf8ToWide(names[i]);
        key.Write(std::string(1, letters[i]), platform::reg_type::kBinary, wide.c_str(),
                  (wide.size() + 1) * sizeof(wchar_t));
    }
    key.WriteString("MRUList", "ba");
}

void PlantFile(const std::string& folder, const std::string& relative, std::size_t size) {
    const std::string path = folder + relative;
    platform::CreateFolderTree(platform::FolderOfPath(path));
    platform::WriteWholeFile(path, std::string(size, 'x'));
}

std::string WindowsFolder() {
    return ResolveShellFolder(ShellFolderKind::ftWindows32);
}
std::string RecentFolder() {
    return ResolveShellFolder(ShellFolderKind::ftRecent);
}
// A Firefox profile in the roaming application data folder, and where its download went.
std::string FirefoxProfile() {
    return ResolveShellFolder(ShellFolderKind::ftAppData) +
           "Mozilla\\Firefox\\Profiles\\k3x9w2ab.default\\";
}
std::string DownloadedFile() {
    return ResolveShellFolder(ShellFolderKind::ftPersonal) + "Downloads\\tax return 2025.pdf";
}

// The profile's cache and cookies, and the download list that names the file by its
// "file:///" address, spaces escaped, as Firefox writes it.
void PlantFirefoxProfile() {
    const std::string profile = FirefoxProfile();
    PlantFile(profile, "Cache\\_CACHE_MAP_", 4096);
    PlantFile(profile, "Cache\\_CACHE_001_", 16384);
    PlantFile(profile, "Cache\\3F1E2A00d01", 2200);
    PlantFile(profile, "cookies.txt", 900);
    const std::string file = DownloadedFile();
    PlantFile(platform::FolderOfPath(file), platform::LastPathComponent(file), 52000);
    std::string address = "file:///";
    for (char c : file)
        address += c == '\\' ? std::string("/") : c == ' ' ? std::string("%20") : std::string(1, c);
    platform::WriteWholeFile(profile + "downloads.rdf",
                             "<?xml version=\"1.0\"?>\r\n"
                             "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\">\r\n"
                             "  <RDF:Description RDF:about=\"rdf:#$tax\">\r\n"
                             "    <NC:File RDF:resource=\"" +
                                 address +
                                 "\"/>\r\n"
                                 "  </RDF:Description>\r\n"
                                 "</RDF:RDF>\r\n");
}

// A page Internet Explorer has cached, through WinINet as IE itself caches it.
void PlantCachedPage(const std::wstring& url, const std::string& contents) {
    wchar_t file[MAX_PATH] = {};
    if (!CreateUrlCacheEntryW(url.c_str(), 0, L"htm", file, 0))
        return;
    platform::WriteWholeFile(platform::WideToUtf8(file), contents);
    FILETIME none{};
    CommitUrlCacheEntryW(url.c_str(), file, none, none, NORMAL_CACHE_ENTRY, nullptr, 0, L"htm",
                         nullptr);
}

// A cookie that outlives the session, so that WinINet keeps it on disk.
void PlantCookie(const wchar_t* site, const wchar_t* value) {
    InternetSetCookieW(site, L"id", value);
}

// Entries of the WinINet cache of one kind, read as the washers read them.
std::uint64_t CacheEntryCount(TSearchPattern pattern, TFilterOptions types) {
    TIECache cache;
    cache.SetFilterOptions(types);
    cache.SearchPattern = pattern;
    std::uint64_t count = 0;
    for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0; code = cache.FindNextEntry())
        ++count;
    cache.CloseFind();
    return count;
}

// Values of a key, without an "MRUList" that is empty (a washed list keeps it so).
std::uint64_t ValueCount(const std::string& path) {
    RegistryKey key = RegistryKey::Open(RootKey::CurrentUser, path);
    if (!key)
        return 0;
    std::uint64_t count = 0;
    for (const std::string& name : key.ValueNames()) {
        auto value = key.Read(name);
        if (name == "MRUList" && value && value->AsString().empty())
            continue;
        ++count;
    }
    return count;
}

std::uint64_t TreeValueCount(const std::string& path) {
    std::uint64_t count = ValueCount(path);
    RegistryKey key = RegistryKey::Open(RootKey::CurrentUser, path);
    if (key)
        for (const std::string& sub : key.SubkeyNames())
            count += TreeValueCount(path + "\\" + sub);
    return count;
}

std::uint64_t SubkeyValueCount(const std::string& path) {
    return TreeValueCount(path) - ValueCount(path);
}

// Files below a folder (not the spared "desktop.ini").
std::uint64_t FileCount(const std::string& folder) {
    std::uint64_t count = 0;
    for (const platform::FileEntry& e : platform::DirectoryListing(folder + "*.*")) {
        if (e.IsDotEntry() || e.IsReparsePoint())
            continue;
        if (e.IsFolder())
            count += FileCount(folder + e.name + "\\");
        else if (!platform::EqualsIgnoreCase(e.name, "desktop.ini"))
            ++count;
    }
    return count;
}

// Files of the Windows folder itself that a log wash takes: "*.log" and "*log*.txt", long
// names only, "sti_trace.log" spared.
std::uint64_t WindowsLogCount() {
    std::uint64_t count = 0;
    for (const platform::FileEntry& e : platform::DirectoryListing(WindowsFolder() + "*.*")) {
        const std::string name = platform::LowerAscii(e.name);
        if (e.IsFolder() || name == "sti_trace.log")
            continue;
        const bool log = name.size() > 4 && name.compare(name.size() - 4, 4, ".log") == 0;
        const bool logText = name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0 &&
                             name.find("log") != std::string::npos;
        if (log || logText)
            ++count;
    }
    return count;
}

std::uint64_t OneIfFile(const std::string& path) {
    return platform::FileExists(path) ? 1 : 0;
}

}  // namespace

void PlantTraces() {
    PlantMruList(kRunMru,
                 {{"a", "notepad C:\\users\\Public\\secret-plans.txt\\1"},
                  {"b", "cmd\\1"},
                  {"c", "\\\\fileserver\\projects\\1"}},
                 "cab");
    PlantRecentDocs();
    const std::string recent = RecentFolder();
    PlantFile(recent, "secret-plans.txt.lnk", 420);
    PlantFile(recent, "holiday.jpg.lnk", 380);
    PlantFile(recent, "desktop.ini", 80);
    PlantMruList(kOpenSave + "\\txt", {{"a", "C:\\users\\Public\\secret-plans.txt"}}, "a");
    PlantMruList(kOpenSave + "\\jpg",
                 {{"a", "C:\\users\\Public\\holiday.jpg"}, {"b", "C:\\users\\Public\\me.jpg"}},
                 "ba");
    PlantMruList(kLastVisited,
                 {{"a", "notepad.exe C:\\users\\Public"}, {"b", "mspaint.exe C:\\Pictures"}}, "ab");
    PlantValues(kNetworkRecent, {{"fileserver", "\\\\fileserver\\projects"}});
    PlantValues(kNetworkRecent + "\\nas", {{"music", "\\\\nas\\music"}});
    PlantMruList(kMapDriveMru, {{"a", "\\\\fileserver\\projects"}, {"b", "\\\\nas\\music"}}, "ba");
    PlantValues(kRecentFiles, {{"File0", "C:\\users\\Public\\Music\\song.mp3"},
                               {"File1", "C:\\users\\Public\\Videos\\party.avi"}});
    PlantValues(kRecentUrls, {{"Url0", "http://radio.example/stream"},
                              {"Url1", "http://video.example/clip.asf"},
                              {"Url2", "mms://media.example/live"}});

    PlantValues(kWordPadList, {{"File1", "C:\\users\\Public\\letter.rtf"},
                               {"File2", "C:\\users\\Public\\secret-plans.txt"}});
    PlantValues(kPaintList, {{"File1", "C:\\users\\Public\\Pictures\\me.bmp"}});
    // Two Office versions installed side by side, each with its own Excel list.
    PlantValues(kOffice + "\\11.0\\Excel\\Recent File List",
                {{"File1", "C:\\users\\Public\\budget.xls"}});
    PlantValues(kOffice + "\\12.0\\Excel\\Recent File List",
                {{"File1", "C:\\users\\Public\\salaries.xlsx"},
                 {"File2", "C:\\users\\Public\\budget.xls"}});

    const std::string windows = WindowsFolder();
    PlantFile(windows, "Temp\\setup0001.tmp", 4096);
    PlantFile(windows, "Temp\\~DF1234.tmp", 1500);
    PlantFile(windows, "Temp\\msi5f2a\\package.msi", 20000);
    PlantFile(windows, "WindowsUpdate.log", 3000);
    PlantFile(windows, "setupapi.log", 2500);
    PlantFile(windows, "debuglog.txt", 700);
    PlantFile(windows, "sti_trace.log", 300);
    const std::string temp = platform::TempFolder();
    PlantFile(temp, "~wrd0001.tmp", 2048);
    PlantFile(temp, "cache\\item.bin", 512);
    platform::PutTextOnClipboard("my bank PIN is 1234");

    PlantValues(kTypedUrls, {{"Url1", "http://bank.example/login"},
                             {"Url2", "http://news.example/"},
                             {"Url3", "http://shop.example/cart"}});
    PlantCachedPage(L"http://bank.example/login", std::string(5000, 'b'));
    PlantCachedPage(L"http://news.example/", std::string(12000, 'n'));
    PlantCachedPage(L"http://news.example/logo.gif", std::string(800, 'g'));
    PlantCookie(L"http://bank.example/", L"session-4711; expires=Sat, 01-Jan-2050 00:00:00 GMT");
    PlantCookie(L"http://tracker.example/", L"visitor-42; expires=Sat, 01-Jan-2050 00:00:00 GMT");
    PlantFirefoxProfile();
}

std::vector<TraceCount> SurveyTraces() {
    const std::string windows = WindowsFolder();
    const std::string recent = RecentFolder();
    const std::uint64_t binItems = [] {
        auto bin = platform::QueryRecycleBin("C:\\");
        return bin ? bin->items : 0;
    }();
    return {
        {"Run box history", "wlitWin_Run_History", "values", ValueCount(kRunMru)},
        {"Recent documents list", "wlitWin_Document_History", "values", ValueCount(kRecentDocs)},
        {"Recent documents shortcuts", "wlitWin_Document_History", "files", FileCount(recent)},
        {"Open/Save dialog history", "wlitWin_Common_Dialog_Open_Save_History", "values",
         SubkeyValueCount(kOpenSave)},
        {"Open/Save last folders", "wlitWin_Common_Dialog_Visited_History", "values",
         ValueCount(kLastVisited)},
        {"Network places typed", "wlitWin_Network_Drive_History", "values",
         TreeValueCount(kNetworkRecent)},
        {"Map Network Drive history", "wlitWin_Network_Drive_History", "values",
         ValueCount(kMapDriveMru)},
        {"Media Player recent files", "wlitWin_Media_Player", "values", ValueCount(kRecentFiles)},
        {"Media Player recent URLs", "wlitWin_Media_Player", "values", ValueCount(kRecentUrls)},
        {"WordPad recent files", "wlitMS_WordPad_History", "values", ValueCount(kWordPadList)},
        {"Paint recent files", "wlitMS_Paint_History", "values", ValueCount(kPaintList)},
        {"Excel recent files (Office 11.0 and 12.0)", "wlitMS_Excel", "values",
         TreeValueCount(kOffice)},
        {"Temporary files in " + windows + "Temp", "wlitWin_Temporary_Files", "files",
         FileCount(windows + "Temp\\")},
        {"Logs in " + windows + " (*.log, *log*.txt)", "wlitWin_Log_Files", "files",
         WindowsLogCount()},
        {"Recycle bin", "wlitWin_RecycleBins", "items", binItems},
        {"IE typed addresses", "wlitIE_Visited_Typed_Urls", "values", ValueCount(kTypedUrls)},
        {"IE cached pages (WinINet)", "wlitIE_Cache", "entries",
         CacheEntryCount(TSearchPattern::spAll, FilterSet({NORMAL_ENTRY}))},
        {"IE cookies (WinINet)", "wlitIE_Cookies", "entries",
         CacheEntryCount(TSearchPattern::spCookies, FilterSet({COOKIE_ENTRY}))},
        {"Text on the clipboard", "wlitWin_Clipboard", "",
         platform::ClipboardFormatCount() > 0 ? 1u : 0u},
        {"Firefox cache", "wlitFirefox_Cache", "files", FileCount(FirefoxProfile() + "Cache\\")},
        {"File named by Firefox's downloads.rdf", "wlitFirefox_Downloaded_Files", "files",
         OneIfFile(DownloadedFile())},
        // Kept: spared by the washers, or washed by no selected object.
        {"sti_trace.log (spared by the log wash)", "", "files",
         OneIfFile(windows + "sti_trace.log")},
        {"desktop.ini of Recent (spared)", "", "files", OneIfFile(recent + "desktop.ini")},
        {"Firefox downloads.rdf (cleared, kept)", "", "files",
         OneIfFile(FirefoxProfile() + "downloads.rdf")},
        {"User's temp folder (no object chosen)", "", "files", FileCount(platform::TempFolder())},
    };
}

std::vector<std::string> TraceObjects() {
    std::vector<std::string> objects;
    for (const TraceCount& trace : SurveyTraces())
        if (!trace.object.empty() &&
            std::find(objects.begin(), objects.end(), trace.object) == objects.end())
            objects.push_back(trace.object);
    return objects;
}

}  // namespace demo
