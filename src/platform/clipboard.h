#pragma once
// The clipboard.
#include <string>

namespace platform {

// Empties the clipboard; true when it could be opened and emptied.
bool EmptyClipboardContents();
// Puts a text on the clipboard (replacing what it held); true on success.
bool PutTextOnClipboard(const std::string& text);
// How many formats the clipboard holds now (0 when it is empty).
int ClipboardFormatCount();

}  // namespace platform
