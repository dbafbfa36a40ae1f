#pragma once
// At every start the program switches off what would get in the way of washing in the
// browsers' own settings: exit prompts, clearing on exit, closing to the tray. A browser's
// entries are written only when its folder under the user's application data exists.
void AdjustBrowserSettings();
