#pragma once
// The "uninstall" request: start the registered uninstaller and do not wait for it.

// Reads HKLM "...\Uninstall\Tidewell" value "UninstallString" and starts that command in its
// program's folder. Nothing happens when the key, the value or the text is missing.
void RunUninstaller();
