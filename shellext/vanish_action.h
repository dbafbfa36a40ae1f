#pragma once
// What "Vanish" does once chosen: the selection shredded at the wash level saved in
// "tidewell.ini" beside the library, through the engine and its safety rules (protected
// folders, links, hard links are refused there as everywhere).
#include <string>
#include <vector>

// The wash level the program saved for the current Windows user; the default level when the
// file or the value is missing or out of range.
int SavedWashLevel(const std::string& iniFile);

// Shreds the entries (full paths of files and folders). Folders are washed whole and removed.
void VanishPaths(const std::vector<std::string>& paths, int washLevel);
