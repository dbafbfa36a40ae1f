#pragma once
// Whole-program test helpers: a private copy of Tidewell.exe and Tidewell.dll, and a running
// Tidewell that is ended with the test.
#include <windows.h>

#include <string>

namespace e2e {

// The build folder as a drive letter ("T:\").
std::string BuildDrive();

// A fresh folder C:\TidewellE2E\<process>-<n>\ with copies of the given files of the build
// folder; removed with everything in it at the end.
class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::string& Path() const { return path_; }  // with a trailing backslash
    std::string Tidewell() const { return path_ + "Tidewell.exe"; }
    // Copies build file `name` to `relative` below the folder (missing folders are made).
    bool Copy(const std::string& name, const std::string& relative);

  private:
    std::string path_;
};

// Tidewell.exe started with a command line; at the end a close request, then, if it still
// runs, the process is ended.
class RunningProgram {
  public:
    RunningProgram() = default;
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Start(const std::string& program, const std::string& arguments = "");
    bool WaitForExit(DWORD milliseconds);
    DWORD ExitCode() const;
    bool Running() const;

  private:
    PROCESS_INFORMATION info_{};
};

// The main window of the running Tidewell (class "Tidewell"), once it is visible; null when it
// does not show within the time.
HWND WaitForMainWindow(DWORD milliseconds = 20000);
// How many windows of class "Tidewell" exist.
int MainWindowCount();
// A control of the main window by id (pages included).
HWND FindControl(HWND main, int id);
// Posts a click of a button to its parent, as the button itself would send it.
void PostClick(HWND button);
// Polls until `condition` holds; false when the time runs out.
bool WaitUntil(DWORD milliseconds, bool (*condition)(HWND), HWND window);
std::string WindowText(HWND window);

}  // namespace e2e
