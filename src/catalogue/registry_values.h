#pragma once
// Single registry values (and values of other programs' INI files) read and written as text,
// each by a declared kind named like "ftString". Nothing here fails loudly: every error turns
// into the neutral result stated per function (empty text, false, or true when the thing to
// delete is already gone). Each call opens its own key and closes it before returning.
#include <string>

#include "platform/root_key.h"

// The kind of a value, by its type name. The numbers are the kinds' fixed order.
enum class ValueFieldType : int {
    ftUnknown = 0,
    ftBinaryData = 1,  // not read or written by this layer
    ftBoolean = 2,     // REG_DWORD 0 or 1, as "0" / "1"
    ftCurrency = 3,    // not read or written by this layer
    ftDate = 4,        // 8-byte binary date-time, as the locale's short date
    ftDateTime = 5,    // the same data, as short date + long time
    ftFloat = 6,       // not read or written by this layer
    ftInteger = 7,     // REG_DWORD, as signed decimal text
    ftString = 8,      // REG_SZ (a REG_EXPAND_SZ reads too)
    ftTime = 9,        // the same data as ftDate, as the locale's long time
};

// "ftString", "FTSTRING", ... -> ftString; ftUnknown for any other name.
ValueFieldType FieldTypeFromName(const std::string& typeName);

// The value as text; empty when the key, the value or the kind is missing, or the value holds
// data of another type.
std::string ReadRegistryValue(RootKey root, const std::string& keyPath, const std::string& typeName,
                              const std::string& valueName);
// Writes the text converted by kind (creating the key and its parents); true when the value
// then reads back as exactly this text. A text that does not convert writes nothing.
bool WriteRegistryValue(RootKey root, const std::string& keyPath, const std::string& typeName,
                        const std::string& text, const std::string& valueName);
// True when the value is gone afterwards (also when the key never existed). With
// `deleteEmptyKey`, a key left without values and subkeys is deleted too.
bool DeleteRegistryValue(RootKey root, const std::string& keyPath, bool deleteEmptyKey,
                         const std::string& valueName);
// True when the key is gone afterwards; a key with subkeys is not deleted.
bool DeleteRegistryKey(RootKey root, const std::string& keyPath);
bool RegistryKeyExists(RootKey root, const std::string& keyPath);
bool RegistryValueExists(RootKey root, const std::string& keyPath, const std::string& valueName);
// True when the name of a direct subkey, or else of a value, holds `text` (case-sensitive).
bool RegistryKeyMentions(RootKey root, const std::string& keyPath, const std::string& text);

// Writes a value of another program's INI file as text (the kind is not used), creating the
// file's folder and the file when missing; true when it reads back as exactly this text.
bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& text, const std::string& typeName);
