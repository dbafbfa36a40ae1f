#include "platform/url_history.h"

#include <windows.h>
#include <urlhist.h>

#include "platform/text.h"

namespace platform {

namespace {

// {3C374A40-BAE4-11CF-BF7D-00AA006946EE} and {AFA0DC11-C313-11D0-831A-00C04FD5AE38}.
const CLSID kUrlHistoryClass = {
    0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
const IID kUrlHistoryStg2 = {
    0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

std::function<void*()>& CreationOverride() {
    static std::function<void*()> create;
    return create;
}

IUrlHistoryStg2* History(void* p) {
    return static_cast<IUrlHistoryStg2*>(p);
}
IEnumSTATURL* Enumeration(void* p) {
    return static_cast<IEnumSTATURL*>(p);
}

std::uint64_t FileTimeValue(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::string TakeText(LPWSTR text) {
    if (!text)
        return {};
    std::string utf8 = WideToUtf8(text);
    CoTaskMemFree(text);
    return utf8;
}

}  // namespace

void OverrideUrlHistoryCreationForTests(std::function<void*()> create) {
    CreationOverride() = std::move(create);
}

UrlHistoryStore::UrlHistoryStore() {
    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    uninitialize_ = SUCCEEDED(init);
    if (CreationOverride()) {
        history_ = CreationOverride()();
        return;
    }
    void* history = nullptr;
    if (SUCCEEDED(CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2,
                                   &history)))
        history_ = history;
}

UrlHistoryStore::~UrlHistoryStore() {
    ReleaseEnumeration();
    if (history_)
        History(history_)->Release();
    if (uninitialize_)
        CoUninitialize();
}

void UrlHistoryStore::ReleaseEnumeration() {
    if (enumeration_)
        Enumeration(enumeration_)->Release();
    enumeration_ = nullptr;
}

bool UrlHistoryStore::StartEnumeration() {
    ReleaseEnumeration();
    if (!history_)
        return false;
    IEnumSTATURL* enumeration = nullptr;
    if (FAILED(History(history_)->EnumUrls(&enumeration)) || !enumeration)
        return false;
    enumeration_ = enumeration;
    return true;
}

long UrlHistoryStore::FetchNext(UrlHistoryRecord& record) {
    if (!enumeration_)
        return E_POINTER;
    STATURL stat{};
    stat.cbSize = sizeof(stat);
    ULONG fetched = 0;
    HRESULT result = Enumeration(enumeration_)->Next(1, &stat, &fetched);
    if (result != S_OK || fetched != 1) {
        // An object that fills a record and answers otherwise still hands over its texts.
        TakeText(stat.pwcsUrl);
        TakeText(stat.pwcsTitle);
        return result == S_OK ? S_FALSE : result;
    }
    record.url = TakeText(stat.pwcsUrl);
    record.title = TakeText(stat.pwcsTitle);
    record.lastVisited = FileTimeValue(stat.ftLastVisited);
    record.lastUpdated = FileTimeValue(stat.ftLastUpdated);
    record.expires = FileTimeValue(stat.ftExpires);
    return S_OK;
}

bool UrlHistoryStore::Clear() {
    return history_ && SUCCEEDED(History(history_)->ClearHistory());
}

}  // namespace platform
