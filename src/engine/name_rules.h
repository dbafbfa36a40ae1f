#pragma once
// Which names a wash takes and which it spares.
#include <string_view>

// Registry value and subkey names. A mask longer than one character that holds a "*" matches
// every name containing the mask without its first "*" (case-sensitive): "MRU*" matches
// "FileMRU" and "MRUList". "*" matches every name; a mask without "*" only the name equal to
// it, so the empty mask names the key's default value.
bool RegistryNameMatches(std::string_view mask, std::string_view name);

// A registry name is spared when it occurs, case-sensitively, anywhere in the exclusions text.
bool RegistryNameExcluded(std::string_view name, std::string_view exclusions);

// A file or folder name is spared when its lower-case form occurs anywhere in the lower-case
// exclusions text: "desktop.ini\r\nindex.dat\r\n" spares "index" too.
bool FileNameExcluded(std::string_view name, std::string_view exclusions);
