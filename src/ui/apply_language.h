#pragma once
// Sets the texts of a window and its controls from the language file. A control's id is its
// language tag: labels and buttons take the caption of their row, every control its hint; a
// list box, combo box, tab control or header takes its items from the rows starting at the
// row of tag + 1, keeping its item count (also when it has a row of its own for its hint).
// Controls with an id below 1 and everything without a row keep their design-time texts.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/language.h"

namespace ui {

// Shows `hint` as the tool tip of `control` (an empty hint: none).
using HintSetter = std::function<void(HWND control, const std::string& hint)>;

// `window` is a top-level window (its caption from the row `windowTag` when that is 1 or
// more, then every control inside it) or a single control. Nothing changes when the file or
// the language is missing.
void ApplyLanguage(HWND window, const std::string& windowName, const LanguageChoice& language,
                   const HintSetter& setHint = nullptr, int windowTag = 0);

// The same for some controls (made after the language was applied).
void ApplyLanguageTo(const std::vector<HWND>& controls, const std::string& windowName,
                     const LanguageChoice& language, const HintSetter& setHint = nullptr);

// `items` (the design-time items of the multi-item control `tag`) as that control shows them
// in the language: the language's items in place of the first ones.
std::vector<std::string> LanguageItems(const std::string& windowName,
                                       const LanguageChoice& language, int tag,
                                       std::vector<std::string> items);

}  // namespace ui
