#include "design_rows.h"

#include <set>

#include "app/design_texts.h"
#include "catalogue/language.h"

namespace langdb {

bool AddMainFormDesignRows(LanguageSource& english, std::string& error) {
    std::vector<TextRow> rows;
    std::set<int> tags;
    for (const auto* table : {&MainFormDesignTexts(), &MainFormMessageTexts()})
        for (const DesignText& d : *table) {
            TextRow row{d.tag, d.caption, std::nullopt};
            if (d.hint && *d.hint)
                row.hint = d.hint;
            rows.push_back(std::move(row));
            tags.insert(d.tag);
        }
    WindowTexts* window = english.Window(kMainFormName);
    if (!window) {
        english.windows.insert(english.windows.begin(), {kMainFormName, {}});
        window = &english.windows.front();
    }
    for (const TextRow& row : window->rows)
        if (tags.count(row.tag)) {
            error = "English [MainForm] tag " + std::to_string(row.tag) +
                    " is a design-time text of the main window (src/app/design_texts.cpp)";
            return false;
        }
    window->rows.insert(window->rows.begin(), rows.begin(), rows.end());
    return true;
}

}  // namespace langdb
