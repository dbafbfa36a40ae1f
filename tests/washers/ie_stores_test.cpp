// The IE history and AutoComplete washers, TUrlHistory and PStoreWash, against in-process
// objects behind the system's own interfaces: Wine's history object and protected storage
// answer every call with "not implemented". The object creation is the only seam.
#include <windows.h>
#include <pstore.h>
#include <urlhist.h>

#include <gtest/gtest.h>

#include <map>

#include "browsers/pstore_wash.h"
#include "browsers/url_history.h"
#include "catalogue/wash_object_types.h"
#include "engine/size_text.h"
#include "platform/files.h"
#include "platform/protected_storage.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/url_history.h"
#include "support/scoped_shell_folder.h"
#include "support/temp_folder.h"
#include "washers/washer_harness.h"

using testing_support::ScopedShellFolder;
using testing_support::TempFolder;
using namespace washer_tests;
using Lines = std::vector<std::string>;

namespace {

LPWSTR TaskString(const std::wstring& text) {
    auto* copy = static_cast<LPWSTR>(CoTaskMemAlloc((text.size() + 1) * sizeof(wchar_t)));
    wcscpy(copy, text.c_str());
    return copy;
}

// Reference counts that must come back to where they started: no object is leaked.
class Counted {
  public:
    ULONG Add() { return ++refs; }
    ULONG Drop() { return --refs; }
    long refs = 0;
};

struct HistoryRecord {
    std::wstring url, title;  // an empty title is handed over as none
};

class TestHistoryEnum final : public IEnumSTATURL, public Counted {
  public:
    explicit TestHistoryEnum(std::vector<HistoryRecord> records) : records_(std::move(records)) {}
    HRESULT WINAPI QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override {
        ULONG left = Drop();
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT WINAPI Next(ULONG count, LPSTATURL records, ULONG* fetched) override {
        if (fetched)
            *fetched = 0;
        if (count == 0 || next_ >= records_.size())
            return S_FALSE;
        const HistoryRecord& record = records_[next_++];
        records->pwcsUrl = TaskString(record.url);
        records->pwcsTitle = record.title.empty() ? nullptr : TaskString(record.title);
        records->ftLastVisited = FILETIME{static_cast<DWORD>(next_ * 100000000u), 0x01D00000};
        if (fetched)
            *fetched = 1;
        return S_OK;
    }
    HRESULT WINAPI Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT WINAPI Reset() override {
        next_ = 0;
        return S_OK;
    }
    HRESULT WINAPI Clone(IEnumSTATURL**) override { return E_NOTIMPL; }
    HRESULT WINAPI SetFilter(LPCOLESTR, DWORD) override { return S_OK; }

  private:
    std::vector<HistoryRecord> records_;
    std::size_t next_ = 0;
};

class TestHistory : public IUrlHistoryStg2, public Counted {
  public:
    std::vector<HistoryRecord> records;
    int clears = 0;

    HRESULT WINAPI QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override { return Drop(); }
    HRESULT WINAPI AddUrl(LPCOLESTR, LPCOLESTR, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI DeleteUrl(LPCOLESTR, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI QueryUrl(LPCOLESTR, DWORD, LPSTATURL) override { return E_NOTIMPL; }
    HRESULT WINAPI BindToObject(LPCOLESTR, REFIID, void**) override { return E_NOTIMPL; }
    HRESULT WINAPI EnumUrls(IEnumSTATURL** out) override {
        auto* enumeration = new TestHistoryEnum(records);
        enumeration->AddRef();
        *out = enumeration;
        return S_OK;
    }
    HRESULT WINAPI AddUrlAndNotify(LPCOLESTR, LPCOLESTR, DWORD, BOOL, IOleCommandTarget*,
                                   IUnknown*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHistory() override {
        ++clears;
        records.clear();
        return S_OK;
    }
};

// The history object of a test for as long as it lives.
class ScopedTestHistory : public TestHistory {
  public:
    ScopedTestHistory() {
        platform::OverrideUrlHistoryCreationForTests([this]() -> void* {
            AddRef();
            return static_cast<IUrlHistoryStg2*>(this);
        });
    }
    ~ScopedTestHistory() { platform::OverrideUrlHistoryCreationForTests(nullptr); }
};

const GUID kAutoComplete = {
    0xE161255A, 0x37C3, 0x11D2, {0xBC, 0xAA, 0x00, 0xC0, 0x4F, 0xD9, 0x29, 0xDB}};

class TestItemsEnum final : public IEnumPStoreItems, public Counted {
  public:
    explicit TestItemsEnum(std::vector<std::wstring> names) : names_(std::move(names)) {}
    HRESULT WINAPI QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override {
        ULONG left = Drop();
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT WINAPI Next(DWORD count, LPWSTR* names, DWORD* fetched) override {
        if (fetched)
            *fetched = 0;
        if (count == 0 || next_ >= names_.size())
            return S_FALSE;
        names[0] = TaskString(names_[next_++]);
        if (fetched)
            *fetched = 1;
        return S_OK;
    }
    HRESULT WINAPI Skip(DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI Reset() override { return E_NOTIMPL; }
    HRESULT WINAPI Clone(IEnumPStoreItems**) override { return E_NOTIMPL; }

  private:
    std::vector<std::wstring> names_;
    std::size_t next_ = 0;
};

// The AutoComplete items by name, with their data; every call checks the type it is given.
class TestStore : public IPStore, public Counted {
  public:
    std::map<std::wstring, std::string> items;
    std::vector<std::wstring> unreadable;  // listed, but reading them fails
    int wrongType = 0;

    HRESULT WINAPI QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return Add(); }
    ULONG WINAPI Release() override { return Drop(); }
    HRESULT WINAPI GetInfo(PPST_PROVIDERINFO*) override { return E_NOTIMPL; }
    HRESULT WINAPI GetProvParam(DWORD, DWORD*, BYTE**, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI SetProvParam(DWORD, DWORD, BYTE*, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI CreateType(PST_KEY, const GUID*, PPST_TYPEINFO, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI GetTypeInfo(PST_KEY, const GUID*, PPST_TYPEINFO*, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DeleteType(PST_KEY, const GUID*, DWORD) override { return E_NOTIMPL; }
    HRESULT WINAPI CreateSubtype(PST_KEY, const GUID*, const GUID*, PPST_TYPEINFO,
                                 PPST_ACCESSRULESET, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI GetSubtypeInfo(PST_KEY, const GUID*, const GUID*, PPST_TYPEINFO*,
                                  DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DeleteSubtype(PST_KEY, const GUID*, const GUID*, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ReadAccessRuleset(PST_KEY, const GUID*, const GUID*, PPST_ACCESSRULESET*,
                                     DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI WriteAccessRuleset(PST_KEY, const GUID*, const GUID*, PPST_ACCESSRULESET,
                                      DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI EnumTypes(PST_KEY, DWORD, IEnumPStoreTypes**) override { return E_NOTIMPL; }
    HRESULT WINAPI EnumSubtypes(PST_KEY, const GUID*, DWORD, IEnumPStoreTypes**) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DeleteItem(PST_KEY key, const GUID* type, const GUID* subtype, LPCWSTR name,
                              PPST_PROMPTINFO, DWORD) override {
        if (!Expected(key, type, subtype))
            return E_INVALIDARG;
        return items.erase(name) ? S_OK : E_FAIL;
    }
    HRESULT WINAPI ReadItem(PST_KEY key, const GUID* type, const GUID* subtype, LPCWSTR name,
                            DWORD* size, BYTE** data, PPST_PROMPTINFO, DWORD) override {
        auto it = items.find(name);
        if (!Expected(key, type, subtype) || it == items.end())
            return E_FAIL;
        *size = static_cast<DWORD>(it->second.size());
        *data = static_cast<BYTE*>(CoTaskMemAlloc(it->second.size() + 1));
        memcpy(*data, it->second.data(), it->second.size());
        return S_OK;
    }
    HRESULT WINAPI WriteItem(PST_KEY, const GUID*, const GUID*, LPCWSTR, DWORD, BYTE*,
                             PPST_PROMPTINFO, DWORD, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI OpenItem(PST_KEY, const GUID*, const GUID*, LPCWSTR, PST_ACCESSMODE,
                            PPST_PROMPTINFO, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI CloseItem(PST_KEY, const GUID*, const GUID*, LPCWSTR, DWORD) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI EnumItems(PST_KEY key, const GUID* type, const GUID* subtype, DWORD,
                             IEnumPStoreItems** out) override {
        if (!Expected(key, type, subtype))
            return E_INVALIDARG;
        std::vector<std::wstring> names;
        for (const auto& item : items)
            names.push_back(item.first);
        names.insert(names.end(), unreadable.begin(), unreadable.end());
        auto* enumeration = new TestItemsEnum(std::move(names));
        enumeration->AddRef();
        *out = enumeration;
        return S_OK;
    }

  private:
    bool Expected(PST_KEY key, const GUID* type, const GUID* subtype) {
        bool expected = key == PST_KEY_CURRENT_USER && type && subtype &&
                        IsEqualGUID(*type, kAutoComplete) && IsEqualGUID(*subtype, kAutoComplete);
        wrongType += expected ? 0 : 1;
        return expected;
    }
};

class ScopedTestStore : public TestStore {
  public:
    ScopedTestStore() {
        platform::OverrideProtectedStoreCreationForTests([this]() -> void* {
            AddRef();
            return static_cast<IPStore*>(this);
        });
    }
    ~ScopedTestStore() { platform::OverrideProtectedStoreCreationForTests(nullptr); }
};

// "pstorec.dll" moved out of the system folder for one test.
class WithoutProtectedStorageLibrary {
  public:
    WithoutProtectedStorageLibrary()
        : path_(platform::SystemFolder() + "pstorec.dll"),
          moved_(platform::MoveFileTo(path_, path_ + ".away")) {}
    ~WithoutProtectedStorageLibrary() {
        if (moved_)
            platform::MoveFileTo(path_ + ".away", path_);
    }
    bool Moved() const { return moved_ && !platform::FileExists(path_); }

  private:
    std::string path_;
    bool moved_;
};

}  // namespace

TEST(UrlHistory, ARecordWithoutATitleGivesTheUrlAndOneBlank) {
    ScopedTestHistory history;
    history.records = {{L"http://a.example/", L"Page A"}, {L"http://b.example/", L""}};
    {
        TUrlHistory urls;
        EXPECT_EQ(urls.EnumerateUrls(), 2);
        EXPECT_EQ(urls.Entries[0].URL, "http://a.example/");
        EXPECT_EQ(urls.Entries[0].Title, "Page A");
        EXPECT_GT(urls.Entries[1].LastVisited, urls.Entries[0].LastVisited);
        EXPECT_EQ(urls.GetUrlText(1), std::make_pair(0L, std::string("http://a.example/ Page A")));
        EXPECT_EQ(urls.GetUrlText(2), std::make_pair(0L, std::string("http://b.example/ ")));
        EXPECT_NE(urls.GetUrlText(3).first, 0L);
        urls.SortDirection = TUrlHistory::TSortDirection::sdDescending;
        urls.EnumerateUrls();
        EXPECT_EQ(urls.Entries[0].URL, "http://b.example/");
    }
    EXPECT_EQ(history.refs, 0) << "every object handed out is released";
}

TEST(UrlHistory, WithoutTheHistoryObjectNothingIsFound) {
    platform::OverrideUrlHistoryCreationForTests([]() -> void* { return nullptr; });
    TUrlHistory urls;
    EXPECT_EQ(urls.EnumerateUrls(), 0);
    EXPECT_NE(urls.GetUrlText(1).first, 0L);
    EXPECT_FALSE(urls.ClearHistory());
    platform::OverrideUrlHistoryCreationForTests(nullptr);
}

TEST(IEHistory, ListsEachAddressEmptiesTheHistoryAndItsFolder) {
    TempFolder folder;
    folder.AddFile("History.IE5\\MSHist012026\\index.dat", "db");
    folder.AddFile("History.IE5\\index.dat", "db");
    folder.AddFile("History.IE5\\MSHist012026\\visit.dat", "visit");
    folder.AddFile("desktop.ini", "[.ShellClassInfo]");
    ScopedShellFolder shellFolder("History", folder.Path());
    ScopedTestHistory history;
    history.records = {{L"http://a.example/", L"Page A"}, {L"http://b.example/", L""}};
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitIE_History, [&] {
        return FolderState(folder.Path()) + std::to_string(history.records.size());
    });
    const std::string a = "http://a.example/ Page A", b = "http://b.example/ ";
    Lines expected{"CLR " + a + " " + FormatSizeText(a.size()),
                   "CLR " + b + " " + FormatSizeText(b.size())};
    Lines listed(runs.test.lines.end() - 2, runs.test.lines.end());
    EXPECT_EQ(listed, expected);
    // The history's own entries replace what the folder step counted.
    EXPECT_EQ(runs.real.entries, "2/" + FormatSizeText(a.size() + b.size()));
    EXPECT_EQ(history.clears, 1);
    EXPECT_TRUE(history.records.empty());
    EXPECT_FALSE(folder.Exists("History.IE5\\MSHist012026\\visit.dat"));
    EXPECT_TRUE(folder.Exists("History.IE5\\MSHist012026\\index.dat"));
    EXPECT_TRUE(folder.Exists("History.IE5\\index.dat"));
    EXPECT_TRUE(folder.Exists("desktop.ini"));
    EXPECT_EQ(history.refs, 0);
}

TEST(AutoComplete, ATestRunCountsItemsAndSizesAndAWashDeletesThem) {
    ScopedTestStore store;
    store.items = {{L"form:name", std::string(100, 'n')},
                   {L"password:site", std::string(1500, 'p')},
                   {L"card Size=9", "4111"}};
    store.unreadable = {L"locked"};
    WasherRunner runner;
    TwoRuns runs = TestThenWash(runner, wlitIE_AutoComplete_Data,
                                [&] { return std::to_string(store.items.size()); });
    EXPECT_EQ(runs.test.entries, "2/" + FormatSizeText(1600));
    EXPECT_EQ(
        runs.test.lines,
        Lines{"2 IE AutoComplete History (formdata, passwords, credit card data) items found, "
              "total size " +
              FormatSizeText(1600)});
    EXPECT_EQ(runs.real.entries, "2/" + FormatSizeText(1600));
    // A name holding " Size=" is cut short, names no item and stays.
    ASSERT_EQ(store.items.size(), 1u);
    EXPECT_EQ(store.items.begin()->first, L"card Size=9");
    EXPECT_NE(runs.real.log.find("Left alone an AutoComplete item"), std::string::npos);
    EXPECT_EQ(store.wrongType, 0);
    EXPECT_EQ(store.refs, 0);
}

TEST(AutoComplete, NoItemsAndNoStoreCountNothing) {
    {
        ScopedTestStore store;
        std::uint64_t entries = 0, bytes = 0;
        PStoreWash(entries, bytes, false, nullptr);
        EXPECT_EQ(entries, 0u);
        EXPECT_EQ(bytes, 0u);
    }
    // Wine's own store: it lists nothing.
    WasherRunner runner;
    EXPECT_EQ(runner.Run(wlitIE_AutoComplete_Data, false).entries, "0/0 Kb");
}

TEST(AutoComplete, WithoutPstorecInAnyOfTheThreeFoldersTheWasherShowsNothing) {
    ScopedTestStore store;
    store.items = {{L"form:name", "x"}};
    WithoutProtectedStorageLibrary away;
    ASSERT_TRUE(away.Moved());
    WasherRunner runner;
    WashOutcome test = runner.Run(wlitIE_AutoComplete_Data, true);
    EXPECT_EQ(test.entries, "0/0 Kb");
    EXPECT_EQ(test.lines, Lines{});
    EXPECT_EQ(runner.Run(wlitIE_AutoComplete_Data, false).entries, "0/0 Kb");
    EXPECT_EQ(store.items.size(), 1u);
}
