#pragma once
// The hook library "Tidewell.dll" beside the program: it reports the creation and destruction of
// top-level windows (kind 4) and mouse button presses (kind 7) to the main window.
#include <windows.h>

class HookLibrary {
  public:
    static constexpr int kWindowKind = 4;  // WH_CALLWNDPROC
    static constexpr int kMouseKind = 7;   // WH_MOUSE

    ~HookLibrary() { Stop(); }
    void Start(HWND target);
    void Stop();
    bool Running() const { return running_; }

  private:
    bool running_ = false;
};
