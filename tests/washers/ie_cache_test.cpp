// The IE cache and cookie washers and TIECache against Wine's real WinINet: entries made with
// CommitUrlCacheEntry and InternetSetCookie, and read back with WinINet's own reader.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "browsers/ie_cache.h"
#include "catalogue/shell_folders.h"
#include "catalogue/wash_object_types.h"
#include "engine/contained_file.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/temp_folder.h"
#include "support/unix_link.h"
#include "washers/washer_harness.h"
#include "washers/ie_washers.h"

using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

template <typename Each>
void ForEachEntry(const wchar_t* pattern, const Each& each) {
    std::vector<std::uint64_t> buffer(1024);
    auto* info = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOW*>(buffer.data());
    DWORD size = static_cast<DWORD>(buffer.size() * 8);
    HANDLE find = FindFirstUrlCacheEntryW(pattern, info, &size);
    while (find) {
        each(*info);
        size = static_cast<DWORD>(buffer.size() * 8);
        if (!FindNextUrlCacheEntryW(find, info, &size))
            break;
    }
    if (find)
        FindCloseUrlCache(find);
}

std::vector<std::string> CacheUrls(const wchar_t* pattern = nullptr) {
    std::vector<std::string> urls;
    ForEachEntry(pattern, [&](const INTERNET_CACHE_ENTRY_INFOW& info) {
        urls.push_back(platform::WideToUtf8(info.lpszSourceUrlName));
    });
    return urls;
}

bool InCache(const std::string& url) {
    DWORD size = 0;
    GetUrlCacheEntryInfoW(platform::Utf8ToWide(url).c_str(), nullptr, &size);
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

void EmptyCache() {
    for (const std::string& url : CacheUrls())
        DeleteUrlCacheEntryW(platform::Utf8ToWide(url).c_str());
}

// A cached page with its file in the cache; the file's path.
std::string AddPage(const std::string& url, const std::string& contents) {
    std::wstring wideUrl = platform::Utf8ToWide(url);
    wchar_t file[MAX_PATH] = {};
    EXPECT_TRUE(CreateUrlCacheEntryW(wideUrl.c_str(), 0, L"htm", file, 0));
    std::string path = platform::WideToUtf8(file);
    // An earlier wash may have removed the cache's subfolders; WinINet makes the name only.
    platform::CreateFolderTree(platform::FolderOfPath(path));
    EXPECT_TRUE(platform::WriteWholeFile(path, contents));
    FILETIME none{};
    EXPECT_TRUE(CommitUrlCacheEntryW(wideUrl.c_str(), file, none, none, NORMAL_CACHE_ENTRY, nullptr,
                                     0, L"htm", nullptr));
    return path;
}

// A cookie that outlives the session, so WinINet keeps it in its cache.
void AddCookie(const std::string& site) {
    EXPECT_TRUE(InternetSetCookieW(platform::Utf8ToWide("http://" + site + "/").c_str(), L"sid",
                                   L"42; expires=Sat, 01-Jan-2050 00:00:00 GMT"));
}

std::string CookieUrlOf(const std::string& site) {
    for (const std::string& url : CacheUrls(L"Cookie:"))
        if (url.find("@" + site + "/") != std::string::npos)
            return url;
    return "";
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class IECache : public ::testing::Test {
  protected:
    void SetUp() override { EmptyCache(); }
    void TearDown() override { EmptyCache(); }
};

}  // namespace

TEST_F(IECache, AnEmptyCacheHandlesNothing) {
    TIECache cache;
    ASSERT_TRUE(cache.LibraryLoaded());
    EXPECT_EQ(cache.FindFirstEntry(0), kCacheNoMoreItems);
    WasherRunner runner;
    for (TWashListItemType type : {wlitIE_Cache, wlitIE_Cookies}) {
        WashOutcome test = runner.Run(type, true);
        EXPECT_EQ(test.entries, "0/0 Kb");
        EXPECT_EQ(test.lines, Lines{});
    }
    EXPECT_EQ(runner.Run(wlitIE_Cookies, false).entries, "0/0 Kb");
}

TEST_F(IECache, TheCookiePatternTakesOnlyCookiesAndNoPatternTakesEveryContainer) {
    AddPage("http://page.example/a.htm", "aaaa");
    AddCookie("cookie.example");
    TIECache cache;
    cache.SetFilterOptions(FilterSet({NORMAL_ENTRY, COOKIE_ENTRY}));
    cache.SearchPattern = TSearchPattern::spCookies;
    Lines seen;
    for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0; code = cache.FindNextEntry())
        seen.push_back(cache.Current.SourceUrlName);
    cache.CloseFind();
    EXPECT_EQ(seen, Lines{CookieUrlOf("cookie.example")});

    cache.SetFilterOptions(FilterSet({NORMAL_ENTRY, COOKIE_ENTRY}));
    cache.SearchPattern = TSearchPattern::spAll;
    seen.clear();
    for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0; code = cache.FindNextEntry())
        seen.push_back(cache.Current.SourceUrlName);
    EXPECT_EQ(seen.size(), 2u);

    // The entry-type filter alone keeps the cookie out of the cache variant's walk.
    cache.SetFilterOptions(FilterSet({NORMAL_ENTRY, STICKY_ENTRY}));
    seen.clear();
    for (CacheWalkCode code = cache.FindFirstEntry(0); code == 0; code = cache.FindNextEntry())
        seen.push_back(cache.Current.SourceUrlName);
    EXPECT_EQ(seen, Lines{"http://page.example/a.htm"});
    EXPECT_EQ(cache.Current.Size, 4u);
    EXPECT_EQ(FilterMask(FilterSet({NORMAL_ENTRY, COOKIE_ENTRY, OCX_ENTRY})), 0x120001u);
}

TEST_F(IECache, TheCacheVariantRemovesPagesAndTheirFilesAndLeavesCookies) {
    const std::string a = AddPage("http://page.example/a.htm", "aaaa");
    const std::string b = AddPage("http://page.example/b.htm", std::string(3000, 'b'));
    const std::string c = AddPage("http://other.example/c.htm", "cc");
    AddCookie("kept.example");
    const std::string cookie = CookieUrlOf("kept.example");
    ASSERT_FALSE(cookie.empty());
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitIE_Cache, [&] {
        return PathsState({a, b, c}) + std::to_string(CacheUrls().size());
    });
    // Each page is listed with its size; deleting the current entry does not end the walk.
    Lines pages;
    for (const std::string& line : runs.test.lines)
        if (line.rfind("BLR ", 0) == 0 && line.find(".htm ") != std::string::npos)
            pages.push_back(line);
    std::sort(pages.begin(), pages.end());
    Lines expected{"BLR " + a + " " + FormatSizeText(4), "BLR " + b + " " + FormatSizeText(3000),
                   "BLR " + c + " " + FormatSizeText(2)};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(pages, expected);
    EXPECT_GE(runs.real.count, 3u);
    for (const char* url :
         {"http://page.example/a.htm", "http://page.example/b.htm", "http://other.example/c.htm"})
        EXPECT_FALSE(InCache(url)) << url;
    for (const std::string& file : {a, b, c})
        EXPECT_FALSE(platform::PathExists(file)) << file;
    EXPECT_TRUE(InCache(cookie));
    EXPECT_TRUE(platform::FileExists(ResolveShellFolder(ShellFolderKind::ftCache) +
                                     "Content.IE5\\index.dat"))
        << "the cache's own database stays";
}

TEST_F(IECache, TheCookieVariantSparesAnAcceptedCookieInOtherLetterCase) {
    const std::string page = AddPage("http://page.example/a.htm", "aaaa");
    AddCookie("accepted.example");
    AddCookie("tracker.example");
    const std::string accepted = CookieUrlOf("accepted.example");
    const std::string tracker = CookieUrlOf("tracker.example");
    ASSERT_FALSE(accepted.empty());
    ASSERT_FALSE(tracker.empty());
    WasherRunner runner;
    runner.ctx.AcceptedCookieList = {Upper(accepted)};
    TwoRuns runs =
        TestThenWash(runner, wlitIE_Cookies, [&] { return std::to_string(CacheUrls().size()); });
    EXPECT_EQ(runs.real.count, 1u);
    ASSERT_EQ(runs.test.lines.size(), 1u);
    EXPECT_NE(runs.test.lines[0].find("INetCookies\\"), std::string::npos) << runs.test.lines[0];
    EXPECT_TRUE(InCache(accepted));
    EXPECT_FALSE(InCache(tracker));
    EXPECT_TRUE(InCache("http://page.example/a.htm"));
    EXPECT_TRUE(platform::FileExists(page));
}

TEST(ContainedFile, AFileOutsideItsFoldersOrBehindALinkIsLeftAloneAndLogged) {
    TempFolder cache, elsewhere;
    const std::string inside = cache.AddFile("Content.IE5\\AB12\\page[1].htm", "page");
    const std::string outside = elsewhere.AddFile("victim.txt", "keep me");
    elsewhere.AddFile("behind\\page[2].htm", "keep me too");
    testing_support::ScopedUnixSymlink link(elsewhere.Path() + "behind",
                                            cache.Path() + "Content.IE5\\link");
    ASSERT_TRUE(link.Made());
    const std::string throughLink = cache.Path() + "Content.IE5\\link\\page[2].htm";
    const ContainedFolders folders({cache.Path()});
    EXPECT_EQ(ContainedFileRefusal(inside, folders), "");
    EXPECT_NE(ContainedFileRefusal(outside, folders), "");
    EXPECT_NE(
        ContainedFileRefusal(cache.Path() + "Content.IE5\\..\\..\\" +
                                 platform::LastPathComponent(elsewhere.Path()) + "\\victim.txt",
                             folders),
        "");
    EXPECT_NE(ContainedFileRefusal(throughLink, folders).find("link"), std::string::npos);
    EXPECT_NE(ContainedFileRefusal(inside, ContainedFolders({"C:\\"})), "")
        << "a drive root owns nothing";

    WasherRunner runner;
    runner.ctx.TestRunning = false;
    runner.ctx.KeepWashing = true;
    {
        WashScope scope(runner.ctx, 0);
        EXPECT_TRUE(WashContainedFile(scope, inside, folders));
        EXPECT_FALSE(WashContainedFile(scope, outside, folders));
        EXPECT_FALSE(WashContainedFile(scope, throughLink, folders));
    }
    EXPECT_FALSE(platform::PathExists(inside));
    EXPECT_EQ(platform::ReadWholeFile(outside), "keep me");
    EXPECT_EQ(platform::ReadWholeFile(elsewhere.Path() + "behind\\page[2].htm"), "keep me too");
    EXPECT_NE(runner.log.text.find("Left alone " + outside + ": "), std::string::npos)
        << runner.log.text;
    EXPECT_NE(runner.log.text.find("Left alone " + throughLink + ": "), std::string::npos);
}
