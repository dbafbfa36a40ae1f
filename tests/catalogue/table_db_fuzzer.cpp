// Fuzzes the language file reader: any bytes must open as nothing or read inside the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "catalogue/language_texts.h"
#include "catalogue/table_db.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGBObject db;
    if (!db.Open(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    for (const GbTable& table : db.Tables()) {
        int rows = db.RowCount(table.name);
        for (const GbColumn& column : table.columns) {
            for (int row = 0; row <= rows + 1 && row < 20; ++row)
                db.ReadValue(table.name, column.name, row);
            db.FindRow(table.name, column.name, "1");
        }
    }
    LanguageListIn(db, kLanguageEnglish);
    LanguageTable table(db, "MainForm", kLanguageEnglish);
    table.Text(530, "Go..");
    table.Items(700, 8);
    return 0;
}
