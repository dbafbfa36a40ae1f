#pragma once
// The loop of a modal window of ours: the owner is disabled while `dialog` is open and until
// `result` is set (>= 0); dialog keys (Tab, Enter, Escape) go to the dialog.
#include <windows.h>

namespace ui {

void RunModalLoop(HWND owner, HWND dialog, const int& result);

}  // namespace ui
