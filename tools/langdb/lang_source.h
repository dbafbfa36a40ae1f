#pragma once
// The text sources of the language file (res/lang/*.txt). One file per language:
//
//   # a comment; blank lines are ignored
//   language = en            the "sLanguage" code; one with "_" is not offered in the list
//   country = English        the "sCountry" name, shown in the language list
//   id = 44                  the "iCountry" language id
//
//   [MainForm]               the window whose texts follow
//   530 = Go..               tag = caption
//   530 hint = Start a wash  tag hint = the control's tool tip
//
// Values lose the blanks around them; write a value in double quotes to keep them
// ("  Object"). In values, \n, \r, \t, \" and \\ stand for a line feed, a carriage return, a
// tab, a double quote and a backslash. Texts are UTF-8.
//
// The English source sets the rows of each window and their order (a multi-item control takes
// its items from the rows after its tag). A translation gives every tag of the English rows
// again, in any order, and no others.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace langdb {

struct TextRow {
    int tag = 0;
    std::string caption;
    std::optional<std::string> hint;
};

struct WindowTexts {
    std::string name;
    std::vector<TextRow> rows;  // in source order
};

struct LanguageSource {
    std::string language;  // sLanguage
    std::string country;   // sCountry
    int id = 0;            // iCountry
    std::vector<WindowTexts> windows;

    WindowTexts* Window(const std::string& name);
    const WindowTexts* Window(const std::string& name) const;
};

// Parses one source; on failure returns nothing and sets `error` ("file:line: why").
std::optional<LanguageSource> ParseLanguageSource(const std::string& text,
                                                  const std::string& fileName, std::string& error);

}  // namespace langdb
