#pragma once
// INI files through the system's own routines, by UTF-8 text. Names and values outside the ANSI
// code page survive only in a file stored as UTF-16, so our own files are created that way.
#include <string>
#include <vector>

namespace platform {

// The longest value the program reads; a longer one comes back cut to this many characters.
constexpr std::size_t kIniValueMaxChars = 2047;

// How a write stores the file. Unicode, for the program's own files: a missing file is created
// in UTF-16, and an existing file in the ANSI code page is turned into UTF-16 first (once; its
// text kept), so any text round-trips. Ansi, for other programs' settings files: the file is
// left as it is, and a missing one is created in the ANSI code page (the system's default).
enum class IniNewFile { Unicode, Ansi };

// The value of section/key, or `fallback` when the file, section or key is missing.
std::string ReadIniString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& fallback = "");
// Writes section/key = value, creating the file when missing. False when the system refused,
// or when a text holds a line break (it would add lines of its own to the file).
bool WriteIniString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value, IniNewFile newFile = IniNewFile::Unicode);
// Removes a whole section with its keys. True also when there was no such section.
bool EraseIniSection(const std::string& file, const std::string& section);
// A whole section read at once: the values ReadIniString would give for its keys, each
// asked by name. One read of the file instead of one per key.
class IniSection {
  public:
    IniSection(const std::string& file, const std::string& section);
    // As ReadIniString(file, section, key, fallback).
    std::string Value(const std::string& key, const std::string& fallback = "") const;

  private:
    struct Entry {
        std::wstring key, value;
        bool hasValue;  // a line without "=" names a key without a value
    };
    std::string file_, section_;
    std::vector<Entry> entries_;  // file order; the first of two equal keys counts
};
// The key names of a section in file order (empty when the file or section is missing).
std::vector<std::string> IniSectionKeys(const std::string& file, const std::string& section);
// The section names of a file in file order (empty when the file is missing).
std::vector<std::string> IniSectionNames(const std::string& file);

}  // namespace platform
