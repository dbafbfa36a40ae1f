#include "catalogue/registry_values.h"

#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/root_key_names.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/locale.h"
#include "support/scoped_registry_key.h"
#include "support/temp_folder.h"

using testing_support::ScopedRegistryKey;
using testing_support::TempFolder;

namespace {

constexpr RootKey kHkcu = RootKey::CurrentUser;
// 2024-03-14 14:05:09.
constexpr double kClock = (14 * 3600 + 5 * 60 + 9) / 86400.0;
constexpr double kWhen = 45365.0 + kClock;

double StoredDouble(const ScopedRegistryKey& key, const std::string& name) {
    auto value = key.Open().Read(name);
    EXPECT_TRUE(value && value->type == platform::reg_type::kBinary && value->data.size() == 8);
    double result = 0;
    if (value && value->data.size() == 8)
        std::memcpy(&result, value->data.data(), 8);
    return result;
}

}  // namespace

TEST(RegistryValues, TypeNamesIgnoreCase) {
    EXPECT_EQ(FieldTypeFromName("ftString"), ValueFieldType::ftString);
    EXPECT_EQ(FieldTypeFromName("FTSTRING"), ValueFieldType::ftString);
    EXPECT_EQ(FieldTypeFromName("ftdatetime"), ValueFieldType::ftDateTime);
    EXPECT_EQ(FieldTypeFromName("ftTime"), ValueFieldType::ftTime);
    EXPECT_EQ(FieldTypeFromName("ftWideString"), ValueFieldType::ftUnknown);
    EXPECT_EQ(FieldTypeFromName(""), ValueFieldType::ftUnknown);
}

TEST(RegistryValues, PlainKindsRoundTrip) {
    ScopedRegistryKey key;
    const std::string path = key.Path() + "\\new\\deeper\\";  // made with its parents
    EXPECT_TRUE(WriteRegistryValue(kHkcu, path, "ftString", "C:\\\xCE\xB1\\", "Path"));
    EXPECT_TRUE(WriteRegistryValue(kHkcu, path, "FTSTRING", "", ""));  // the default value
    EXPECT_TRUE(WriteRegistryValue(kHkcu, path, "ftInteger", "-5", "Int"));
    EXPECT_TRUE(WriteRegistryValue(kHkcu, path, "ftBoolean", "1", "Flag"));
    EXPECT_EQ(ReadRegistryValue(kHkcu, path, "ftString", "Path"), "C:\\\xCE\xB1\\");
    EXPECT_EQ(ReadRegistryValue(kHkcu, path, "ftInteger", "Int"), "-5");
    EXPECT_EQ(ReadRegistryValue(kHkcu, path, "ftBoolean", "Flag"), "1");
    EXPECT_TRUE(RegistryValueExists(kHkcu, path, ""));
}

TEST(RegistryValues, ReadingTheWrongKindGivesEmptyText) {
    ScopedRegistryKey key;
    key.SetString("Text", "12");
    key.SetDword("Number", 5);
    key.SetBinary("Blob", "abc");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftInteger", "Text"), "");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftString", "Number"), "");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftBoolean", "Number"), "1");  // non-zero
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftDate", "Blob"), "");        // not 8 bytes
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftFloat", "Number"), "");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftNonsense", "Text"), "");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftString", "Missing"), "");
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path() + "\\Missing", "ftString", "Text"), "");
}

TEST(RegistryValues, TextsThatDoNotConvertWriteNothing) {
    ScopedRegistryKey key;
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftBoolean", "2", "Flag"));
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftBoolean", "true", "Flag"));
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftInteger", "12a", "Int"));
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftInteger", "4294967295", "Int"));
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftCurrency", "1", "Money"));
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftDate", "someday", "When"));
    EXPECT_FALSE(key.HasValue("Flag"));
    EXPECT_FALSE(key.HasValue("Int"));
    EXPECT_FALSE(key.HasValue("Money"));
    EXPECT_FALSE(key.HasValue("When"));
    // Written, but the read-back text differs: reported as a failure.
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftInteger", "007", "Int"));
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftInteger", "Int"), "7");
}

TEST(RegistryValues, DatesGoThroughTheLocaleFormats) {
    ScopedRegistryKey key;
    const std::string date = platform::LocaleShortDateText(kWhen);
    const std::string time = platform::LocaleLongTimeText(kWhen);
    const std::string both = platform::LocaleDateTimeText(kWhen);
    EXPECT_TRUE(WriteRegistryValue(kHkcu, key.Path(), "ftDate", date, "Date"));
    EXPECT_TRUE(WriteRegistryValue(kHkcu, key.Path(), "ftTime", time, "Time"));
    EXPECT_TRUE(WriteRegistryValue(kHkcu, key.Path(), "ftDateTime", both, "Both"));
    EXPECT_EQ(StoredDouble(key, "Date"), 45365.0);
    EXPECT_EQ(StoredDouble(key, "Time"), kClock);
    EXPECT_EQ(StoredDouble(key, "Both"), kWhen);
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftDate", "Both"), date);
    EXPECT_EQ(ReadRegistryValue(kHkcu, key.Path(), "ftTime", "Both"), time);
    // A date alone as a date-time is stored (midnight) but does not read back the same.
    EXPECT_FALSE(WriteRegistryValue(kHkcu, key.Path(), "ftDateTime", date, "Midnight"));
    EXPECT_EQ(StoredDouble(key, "Midnight"), 45365.0);
}

TEST(RegistryValues, DeletingValuesAndEmptyKeys) {
    ScopedRegistryKey key;
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, key.Path() + "\\Missing", true, "x"));
    EXPECT_FALSE(RegistryKeyExists(kHkcu, key.Path() + "\\Missing"));

    key.SetString("a", "1", "Leaf");
    key.SetString("b", "2", "Leaf");
    const std::string leaf = key.Path() + "\\Leaf\\";
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, leaf, true, "a"));  // "b" is still there
    EXPECT_TRUE(RegistryKeyExists(kHkcu, leaf));
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, leaf, false, "Missing"));
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, leaf, true, "b"));
    EXPECT_FALSE(RegistryKeyExists(kHkcu, leaf));

    key.SetString("a", "1", "Parent");
    key.SetString("c", "3", "Parent\\Child");
    const std::string parent = key.Path() + "\\Parent";
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, parent, true, "a"));
    EXPECT_FALSE(RegistryValueExists(kHkcu, parent, "a"));
    EXPECT_TRUE(RegistryKeyExists(kHkcu, parent));  // it still has a subkey

    key.SetString("k", "v", "Kept");
    EXPECT_TRUE(DeleteRegistryValue(kHkcu, key.Path() + "\\Kept", false, "k"));
    EXPECT_TRUE(RegistryKeyExists(kHkcu, key.Path() + "\\Kept"));  // flag not set
}

TEST(RegistryValues, DeletingKeys) {
    ScopedRegistryKey key;
    key.SetString("c", "3", "Parent\\Child");
    EXPECT_TRUE(DeleteRegistryKey(kHkcu, key.Path() + "\\Missing"));
    EXPECT_FALSE(DeleteRegistryKey(kHkcu, key.Path() + "\\Parent"));  // has a subkey
    EXPECT_TRUE(RegistryKeyExists(kHkcu, key.Path() + "\\Parent"));
    EXPECT_TRUE(DeleteRegistryKey(kHkcu, key.Path() + "\\Parent\\Child\\"));
    EXPECT_FALSE(RegistryKeyExists(kHkcu, key.Path() + "\\Parent\\Child"));
}

TEST(RegistryValues, KeyMentionsSubkeysThenValuesCaseSensitively) {
    ScopedRegistryKey key;
    key.SetString("x", "", "{ABC-Plugin-1}");
    key.SetString("ToolbarValue", "");
    EXPECT_TRUE(RegistryKeyMentions(kHkcu, key.Path(), "Plugin"));
    EXPECT_TRUE(RegistryKeyMentions(kHkcu, key.Path(), "barVal"));
    EXPECT_FALSE(RegistryKeyMentions(kHkcu, key.Path(), "plugin"));
    EXPECT_FALSE(RegistryKeyMentions(kHkcu, key.Path(), "x"));  // a value of the subkey
    EXPECT_FALSE(RegistryKeyMentions(kHkcu, key.Path() + "\\Missing", ""));
}

TEST(RegistryValues, RootNamesInLowerCaseFallBack) {
    EXPECT_EQ(RootKeyFromName("hkey_current_user", RootKey::LocalMachine), RootKey::LocalMachine);
}

TEST(RegistryValues, IniValuesCreateFolderAndFile) {
    TempFolder temp;
    const std::string file = temp.Path() + "Opera\\Opera\\profile\\opera6.ini";
    EXPECT_TRUE(WriteIniValue(file, "User Prefs", "Show Exit Dialog", "0", "ftString"));
    EXPECT_TRUE(platform::FileExists(file));
    EXPECT_EQ(platform::ReadIniString(file, "User Prefs", "Show Exit Dialog"), "0");
    EXPECT_TRUE(WriteIniValue(file, "Disk Cache", "Empty On Exit", "0", "ftBoolean"));
    EXPECT_FALSE(WriteIniValue(file, "S", "K", "a\r\nb", "ftString"));
    // A folder path that cannot be made (a file stands in its way).
    EXPECT_FALSE(WriteIniValue(file + "\\x.ini", "S", "K", "v", "ftString"));
}
