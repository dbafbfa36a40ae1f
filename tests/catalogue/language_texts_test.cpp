#include "catalogue/language_texts.h"

#include <gtest/gtest.h>

#include "catalogue/table_db_writer.h"

namespace {

GbColumn Text(const char* name, std::uint16_t length = 255) {
    GbColumn c;
    c.name = name;
    c.type = gb_type::kText;
    c.length = length;
    return c;
}

GbColumn Integer(const char* name) {
    GbColumn c;
    c.name = name;
    c.type = gb_type::kInteger;
    return c;
}

GbTableSource Contents() {
    GbTableSource t{"Contents", {Text("sLanguage"), Text("sCountry"), Text("iCountry")}, {}};
    t.rows = {{std::string("nl"), std::string("Nederlands"), std::string("31")},
              {std::string("en"), std::string("English"), std::string("44")},
              {std::string("de"), std::string("Deutsch"), std::string("49")},
              {std::string("x_test"), std::string("Test"), std::string("99")}};
    return t;
}

GbTableSource TextTable(const std::string& name, const std::string& prefix) {
    GbTableSource t{name, {Integer("Tag"), Text("Caption"), Text("Hint")}, {}};
    t.rows = {{std::int64_t{530}, prefix + "Go", prefix + "Start"},
              {std::int64_t{700}, prefix + "Pages"},  // a tab control, tag 700
              {std::int64_t{701}, prefix + "One"},
              {std::int64_t{702}, prefix + "Two"},
              {std::int64_t{703}, prefix + "Three"}};
    return t;
}

class LanguageTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open(WriteTableDb(
            {Contents(), TextTable("MainForm (English)", ""),
             TextTable("MainForm (Deutsch)", "de:"), TextTable("MainForm (Test)", "t:")},
            true)));
    }
    TGBObject db;
};

}  // namespace

TEST_F(LanguageTexts, TextsOfALanguageAndTheirFallbacks) {
    EXPECT_EQ(LanguageTableName(db, "MainForm", 49), "MainForm (Deutsch)");
    LanguageTable german(db, "MainForm", 49);
    ASSERT_TRUE(german.IsValid());
    EXPECT_EQ(german.Text(530, "Go.."), "de:Go");
    EXPECT_EQ(german.Hint(german.RowOfTag(530)), "de:Start");
    EXPECT_EQ(german.Hint(german.RowOfTag(701)), "");
    EXPECT_EQ(german.Text(531, "Stop!"), "Stop!");  // no such row

    // Dutch is listed but has no table: every text stays English.
    LanguageTable dutch(db, "MainForm", 31);
    EXPECT_TRUE(dutch.IsValid());
    EXPECT_EQ(dutch.Text(530, "Go.."), "Go..");
    // An id the file does not list.
    LanguageTable unknown(db, "MainForm", 7);
    EXPECT_FALSE(unknown.IsValid());
    EXPECT_EQ(unknown.Text(530, "Go.."), "Go..");
    EXPECT_TRUE(unknown.Items(700, 3).empty());
}

TEST_F(LanguageTexts, ItemsFollowTheRowAfterTheControlsTag) {
    LanguageTable english(db, "MainForm", 44);
    EXPECT_EQ(english.Items(700, 3), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_EQ(english.Items(700, 2), (std::vector<std::string>{"One", "Two"}));
    // Only as many as the table has rows.
    EXPECT_EQ(english.Items(700, 9), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_TRUE(english.Items(530, 2).empty());  // no row 531
}

TEST_F(LanguageTexts, TheListHidesLanguagesWithAnUnderscoreButTheirIdStillWorks) {
    LanguageList list = LanguageListIn(db, 49);
    EXPECT_EQ(list.Entries, (std::vector<std::string>{"Deutsch", "English", "Nederlands"}));
    EXPECT_EQ(list.Selected, 0);
    EXPECT_EQ(LanguageListIn(db, 99).Selected, -1);
    EXPECT_EQ(LanguageListIn(db, 12).Selected, -1);
    EXPECT_EQ(LanguageTable(db, "MainForm", 99).Text(530, "Go.."), "t:Go");

    EXPECT_EQ(LanguageIdOfEntryIn(db, "Nederlands", 44), 31);
    EXPECT_EQ(LanguageIdOfEntryIn(db, "Klingon", 44), 44);
}

TEST(LanguageIds, LocaleNamesPickTheLanguage) {
    EXPECT_EQ(LanguageIdFromLocaleName("nld"), 31);
    EXPECT_EQ(LanguageIdFromLocaleName("FRA"), 33);
    EXPECT_EQ(LanguageIdFromLocaleName("ita"), 39);
    EXPECT_EQ(LanguageIdFromLocaleName("deu"), 49);
    EXPECT_EQ(LanguageIdFromLocaleName("enu"), 44);
    EXPECT_EQ(LanguageIdFromLocaleName(""), 44);
    EXPECT_EQ(LanguageIdFromLocaleName("d"), 44);
}
