#pragma once
// Internet Explorer's URL history object (class {3C374A40-BAE4-11CF-BF7D-00AA006946EE}, used
// through IUrlHistoryStg2): its records one at a time, and clearing it. Texts are UTF-8.
#include <cstdint>
#include <functional>
#include <string>

namespace platform {

struct UrlHistoryRecord {
    std::string url;
    std::string title;              // empty when the record has none
    std::uint64_t lastVisited = 0;  // FILETIME values (UTC)
    std::uint64_t lastUpdated = 0;
    std::uint64_t expires = 0;
};

class UrlHistoryStore {
  public:
    // Creates the history object (in this thread's apartment); not open when that fails.
    UrlHistoryStore();
    ~UrlHistoryStore();
    UrlHistoryStore(const UrlHistoryStore&) = delete;
    UrlHistoryStore& operator=(const UrlHistoryStore&) = delete;

    bool IsOpen() const { return history_ != nullptr; }
    // Starts a fresh enumeration; false when the object gives none.
    bool StartEnumeration();
    // The next record: 0 when one was fetched, otherwise the object's answer (1: no more).
    long FetchNext(UrlHistoryRecord& record);
    bool Clear();

  private:
    void ReleaseEnumeration();
    bool uninitialize_ = false;
    void* history_ = nullptr;      // IUrlHistoryStg2*
    void* enumeration_ = nullptr;  // IEnumSTATURL*
};

// Tests only: the history object is made by `create` (an AddRef'd IUrlHistoryStg2*, or null),
// since Wine's own answers every call with "not implemented". An empty function goes back to
// the system's object.
void OverrideUrlHistoryCreationForTests(std::function<void*()> create);

}  // namespace platform
