#pragma once
// fake_browsers.exe running as another process: real top-level windows of the browsers'
// window classes (see fake_browsers.cpp for the scenarios). Ended with the test.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace testing_support {

class FakeBrowsers {
  public:
    FakeBrowsers() = default;
    ~FakeBrowsers();
    FakeBrowsers(const FakeBrowsers&) = delete;
    FakeBrowsers& operator=(const FakeBrowsers&) = delete;

    // Starts `program` (the path of fake_browsers.exe) with the scenario and waits until its
    // windows are made; false when they do not appear within ten seconds.
    bool Start(const std::string& program, const std::string& scenario);
    // A window by its name in the scenario ("ie", "ie-page", "folder", ...); null if unknown.
    HWND Window(const std::string& name) const;
    // What happened to the windows, in order ("destroyed opera", "ignored close", ...).
    std::vector<std::string> Events() const;
    bool WaitForExit(DWORD milliseconds);
    // Ends the process at once: its windows vanish without a word.
    void End();

  private:
    TempFolder folder_;
    std::string report_;
    std::map<std::string, HWND> windows_;
    PROCESS_INFORMATION info_{};
};

}  // namespace testing_support
