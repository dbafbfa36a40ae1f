// The shipped language file and damaged copies of it, read through the file layer under Wine.
#include <gtest/gtest.h>

#include "catalogue/language.h"
#include "catalogue/table_db_file.h"
#include "catalogue/table_db_writer.h"
#include "platform/files.h"
#include "platform/locale.h"
#include "platform/registry.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

namespace {

const std::string kShipped = TIDEWELL_TEST_LANGUAGE_FILE;

std::string Text(const std::string& file, int lngId, int id, const std::string& fallback) {
    return GetLangText(id, kMainFormName, {file, lngId}, fallback);
}

}  // namespace

TEST(LanguageFile, TheShippedFileHasEveryLanguage) {
    ASSERT_TRUE(platform::FileExists(kShipped)) << kShipped;
    EXPECT_EQ(Text(kShipped, 44, 530, "?"), "Go..");
    EXPECT_EQ(Text(kShipped, 49, 1213, "Yes"), "Ja");
    EXPECT_EQ(Text(kShipped, 33, 10000, "wlsNone"), "Aucun");
    EXPECT_EQ(Text(kShipped, 39, 10101, "wlitIE_History"), "Cronologia di IE");
    EXPECT_EQ(Text(kShipped, 31, 10157, "wlitWin_Run_History"),
              "Windows geschiedenis van Uitvoeren");
    EXPECT_EQ(Text(kShipped, 49, 999999, "default"), "default");  // no such row
    EXPECT_EQ(Text(kShipped, 7, 1213, "Yes"), "Yes");             // no such language

    auto list = ReadLanguageList({kShipped, 49});
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Entries.size(), 5u);
    ASSERT_GE(list->Selected, 0);
    EXPECT_EQ(list->Entries[static_cast<std::size_t>(list->Selected)], "Deutsch");
    EXPECT_EQ(ReadLanguageList({kShipped, 7})->Selected, -1);
    EXPECT_EQ(LanguageIdOfEntry(kShipped, "Italiano", 44), 39);
    EXPECT_EQ(LanguageIdOfEntry(kShipped, "Esperanto", 44), 44);
}

TEST(LanguageFile, DamagedFilesReadAsMissing) {
    auto good = platform::ReadWholeFile(kShipped);
    ASSERT_TRUE(good);
    TempFolder folder;
    const std::string copy = folder.Path() + "Tidewell.lng";
    auto patched = [&](std::size_t at, const std::string& bytes) {
        std::string damaged = *good;
        damaged.replace(at, bytes.size(), bytes);
        return damaged;
    };
    const std::size_t table = gb_format::kHeaderSize;
    for (const std::string& damaged :
         {std::string(), good->substr(0, 100), good->substr(0, good->size() / 2),
          patched(0, std::string("\x40\x42\x0f\x00", 4)),           // a million tables
          patched(table + 68, std::string("\xff\xff\xff\x7f", 4)),  // rows
          patched(table + 73, std::string("\x00\x00\x00\x7f", 4)),  // first row offset
          patched(table + 77 + 70, "\x63"),                         // type code 99
          patched(6, "GOLDBASE"), std::string(100000, '\xff')}) {
        ASSERT_TRUE(platform::WriteWholeFile(copy, damaged));
        EXPECT_EQ(Text(copy, 49, 1213, "Yes"), "Yes");
        EXPECT_FALSE(ReadLanguageList({copy, 49}));
    }
    EXPECT_EQ(Text(folder.Path() + "missing.lng", 49, 1213, "Yes"), "Yes");
    EXPECT_EQ(Text(folder.Path(), 49, 1213, "Yes"), "Yes");  // a folder, not a file
}

TEST(LanguageFile, DateTimeColumnsShowInTheLocalesFormats) {
    GbColumn when;
    when.name = "When";
    when.type = gb_type::kDateTime;
    GbColumn day = when;
    day.name = "Day";
    day.style = gb_style::kDateOnly;
    GbColumn time = when;
    time.name = "Time";
    time.style = gb_style::kTimeOnly;
    double value = 45000.75;
    TempFolder folder;
    std::string file = folder.Path() + "dates.db";
    platform::WriteWholeFile(
        file, WriteTableDb({{"T", {when, day, time}, {{value, value, value}}}}, false));
    TGBObject db;
    ASSERT_TRUE(OpenTableDatabase(db, file));
    EXPECT_EQ(db.ReadValue("T", "When", 1), platform::LocaleDateTimeText(value));
    EXPECT_EQ(db.ReadValue("T", "Day", 1), platform::LocaleShortDateText(value));
    EXPECT_EQ(db.ReadValue("T", "Time", 1), platform::LocaleLongTimeText(value));
}

TEST(LanguageFile, TheDefaultLanguageFollowsTheRegionalSettings) {
    auto key = platform::RegistryKey::Create(RootKey::CurrentUser, "Control Panel\\International",
                                             platform::reg_access::kAllAccess);
    auto old = key.Read("sLanguage");
    key.WriteString("sLanguage", "NLD");
    EXPECT_EQ(DetectDefaultLanguageId(), 31);
    key.WriteString("sLanguage", "deu");
    EXPECT_EQ(DetectDefaultLanguageId(), 49);
    key.WriteString("sLanguage", "ENU");
    EXPECT_EQ(DetectDefaultLanguageId(), 44);
    if (old)
        key.WriteString("sLanguage", old->AsString());
    else
        key.DeleteValue("sLanguage");
}
