#pragma once
// Opening the table and record files by name: the thin layer over the file system.
#include <string>

#include "catalogue/record_file.h"
#include "catalogue/table_db.h"

// Reads the file and opens it; false (nothing open) when it is missing, too large for a
// language file or not a sound database. Date-time columns show in the locale's formats.
bool OpenTableDatabase(TGBObject& db, const std::string& fileName);
// Loads the record file; false (no records) when it is missing or damaged.
bool LoadRecordFile(TiDbRecFile& file, const std::string& fileName);
