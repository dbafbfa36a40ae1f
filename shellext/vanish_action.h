#pragma once
// What "Vanish" does once chosen: the selection shredded at the wash level saved in
// "tidewell.ini" beside the library, through the engine and its safety rules (protected
// folders, links, hard links are refused there as everywhere).
#include <string>
#include <vector>

// The wash level the program saved for the current Windows user; the default level when the
// file or the value is missing or out of range.
int SavedWashLevel(const std::string& iniFile);

// The menu's texts in the language the program saved for the current Windows user (or the one
// the user's regional settings ask for), from "Tidewell.lng" in `folder`; English where the
// file, the language or a row is missing. In the questions "%1" stands for the path or count.
struct VanishMenuTexts {
    std::string menu = "Vanish";
    std::string helpText = "Destroys the selected files and folders";
    std::string oneQuestion = "Destroy \"%1\" for good?";
    std::string manyQuestion = "Destroy the %1 selected items for good?";
};
VanishMenuTexts LoadVanishMenuTexts(const std::string& folder);
// `text` with its first "%1" replaced by `value`.
std::string WithValue(std::string text, const std::string& value);

// Shreds the entries (full paths of files and folders). Folders are washed whole and removed.
void VanishPaths(const std::vector<std::string>& paths, int washLevel);
