#pragma once
// The main window's English texts come from the table the window itself is designed with
// (src/app/design_texts.h), so the language file and the window never drift apart.
#include <string>

#include "lang_source.h"

namespace langdb {

// Puts the design-time rows (the controls by tag, then the message texts) before the rows of
// the English source's "MainForm"; false, with `error`, when the source repeats one of them.
bool AddMainFormDesignRows(LanguageSource& english, std::string& error);

}  // namespace langdb
