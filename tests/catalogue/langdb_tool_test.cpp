// The build tool's sources and the language file it writes, read back by the program's reader.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "catalogue/language_texts.h"
#include "app/design_texts.h"
#include "catalogue/wash_object_types.h"
#include "design_rows.h"
#include "lang_build.h"
#include "lang_source.h"
#include "plugin_source.h"

using langdb::LanguageSource;

namespace {

LanguageSource Parse(const std::string& text) {
    std::string error;
    auto source = langdb::ParseLanguageSource(text, "test.txt", error);
    EXPECT_TRUE(source) << error;
    return source.value_or(LanguageSource{});
}

std::string ParseError(const std::string& text) {
    std::string error;
    EXPECT_FALSE(langdb::ParseLanguageSource(text, "t.txt", error));
    return error;
}

const char* kEnglish = R"(# the fallback
language = en
country = English
id = 44
[MainForm]
530 = Go..
530 hint = Start washing
700 = Pages
701 = "  Object"
702 = Two\nlines \\ \"quoted\"
[wltUserBox]
6000 = Save
)";

const char* kTestLanguage = R"(language = x_test
country = Test
id = 99
[wltUserBox]
6000 = t:Save
[MainForm]
702 = t:Two
701 = t:One
530 = t:Go
530 hint = t:Start
700 = t:Pages
)";

std::string ReadSource(const std::string& name) {
    std::ifstream in(std::string(TIDEWELL_SOURCE_DIR) + "/res/lang/" + name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace

TEST(LangdbTool, SourcesParseWithTheirEscapesAndHints) {
    LanguageSource english = Parse(kEnglish);
    EXPECT_EQ(english.language, "en");
    EXPECT_EQ(english.id, 44);
    ASSERT_EQ(english.windows.size(), 2u);
    const auto& rows = english.Window("MainForm")->rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].hint, "Start washing");
    EXPECT_EQ(rows[2].caption, "  Object");
    EXPECT_EQ(rows[3].caption, "Two\nlines \\ \"quoted\"");

    EXPECT_NE(ParseError("language=a\ncountry=b\nid=1\n[W]\n5 = a\n5 = b\n").find("t.txt:6"),
              std::string::npos);
    EXPECT_NE(ParseError("language=a\ncountry=b\nid=1\n[W]\n5 = a\\q\n").find("escape"),
              std::string::npos);
    EXPECT_NE(ParseError("language=a\ncountry=b\nid=1\n[W]\n5 hint = a\n").find("before"),
              std::string::npos);
    EXPECT_NE(ParseError("language=a\ncountry=b\nid=1\n[W]\nx = a\n").find("tag"),
              std::string::npos);
    EXPECT_NE(ParseError("[W]\n5 = a\n").find("must be given"), std::string::npos);
}

TEST(LangdbTool, LanguageFileRoundTripsThroughTheReaderRotatedOrPlain) {
    for (bool rotate : {true, false}) {
        std::string error;
        std::string bytes =
            langdb::BuildLanguageFile(Parse(kEnglish), {Parse(kTestLanguage)}, rotate, error);
        ASSERT_FALSE(bytes.empty()) << error;
        TGBObject db;
        ASSERT_TRUE(db.Open(bytes));
        EXPECT_EQ(db.ReadValue("Contents", "iCountry", 2), "99");
        LanguageTable english(db, "MainForm", 44);
        EXPECT_EQ(english.Text(701, ""), "  Object");
        EXPECT_EQ(english.Hint(english.RowOfTag(530)), "Start washing");
        // The test language is not offered in the list, but its id still selects its texts,
        // in the English row order (items follow their control's tag).
        EXPECT_EQ(LanguageListIn(db, 99).Entries, std::vector<std::string>{"English"});
        LanguageTable test(db, "MainForm", 99);
        EXPECT_EQ(test.Items(700, 2), (std::vector<std::string>{"t:One", "t:Two"}));
        EXPECT_EQ(test.Hint(test.RowOfTag(530)), "t:Start");
        EXPECT_EQ(LanguageTable(db, "wltUserBox", 99).Text(6000, ""), "t:Save");
        EXPECT_EQ(LanguageTable(db, "MainForm", 12).Text(530, "Go.."), "Go..");
    }
}

TEST(LangdbTool, TranslationsMustGiveEveryRowAndNoOther) {
    std::string error;
    std::string missing = std::string(kTestLanguage)
                              .replace(std::string(kTestLanguage).find("701 = t:One\n"), 12, "");
    EXPECT_TRUE(langdb::BuildLanguageFile(Parse(kEnglish), {Parse(missing)}, true, error).empty());
    EXPECT_NE(error.find("tag 701: no translation"), std::string::npos) << error;

    EXPECT_TRUE(langdb::BuildLanguageFile(Parse(kEnglish),
                                          {Parse(std::string(kTestLanguage) + "800 = extra\n")},
                                          true, error)
                    .empty());
    EXPECT_NE(error.find("800: not an English row"), std::string::npos) << error;

    std::string noHint =
        std::string(kTestLanguage)
            .replace(std::string(kTestLanguage).find("530 hint = t:Start\n"), 19, "");
    EXPECT_TRUE(langdb::BuildLanguageFile(Parse(kEnglish), {Parse(noHint)}, true, error).empty());
    EXPECT_NE(error.find("hint is not translated"), std::string::npos) << error;

    std::string tooLong = std::string(kTestLanguage) + "";
    LanguageSource longer = Parse(kTestLanguage);
    longer.Window("MainForm")->rows[0].caption = std::string(256, 'x');
    EXPECT_TRUE(langdb::BuildLanguageFile(Parse(kEnglish), {longer}, true, error).empty());
}

TEST(LangdbTool, TheShippedSourcesAreCompleteInEveryLanguage) {
    std::vector<LanguageSource> translations;
    for (const char* name : {"dutch.txt", "french.txt", "italian.txt", "german.txt"})
        translations.push_back(Parse(ReadSource(name)));
    LanguageSource english = Parse(ReadSource("english.txt"));
    std::string error;
    ASSERT_TRUE(langdb::AddMainFormDesignRows(english, error)) << error;
    std::string bytes = langdb::BuildLanguageFile(english, translations, true, error);
    ASSERT_FALSE(bytes.empty()) << error;
    TGBObject db;
    ASSERT_TRUE(db.Open(bytes));
    EXPECT_EQ(LanguageListIn(db, 49).Entries, (std::vector<std::string>{"Deutsch", "English",
                                                                        "Fran\xc3\xa7"
                                                                        "ais",
                                                                        "Italiano", "Nederlands"}));
    for (int id : {31, 33, 39, 44, 49}) {
        LanguageTable table(db, "MainForm", id);
        ASSERT_TRUE(table.IsValid()) << id;
        for (int type = 0; type < kBuiltInTypeCount; ++type)
            EXPECT_FALSE(table.Text(10100 + type, "").empty()) << id << " " << type;
        for (int state = 10000; state <= 10004; ++state)
            EXPECT_FALSE(table.Text(state, "").empty());
    }
    EXPECT_EQ(LanguageTable(db, "MainForm", 44).Text(10100, ""), "IE Visited & Typed URLs");
    EXPECT_EQ(LanguageTable(db, "MainForm", 44).Text(10157, ""), "Windows Run History");
    EXPECT_EQ(LanguageTable(db, "MainForm", 49).Text(1213, ""), "Ja");
    // The window's own design-time rows, in English and translated, items after their tag.
    LanguageTable english44(db, "MainForm", 44), german(db, "MainForm", 49);
    EXPECT_EQ(english44.Text(530, ""), "Go..");
    EXPECT_EQ(english44.Hint(english44.RowOfTag(530)), DesignHint(530));
    EXPECT_EQ(german.Text(530, ""), "Los..");
    EXPECT_EQ(german.Items(250, 5).size(), 5u);
    EXPECT_EQ(german.Items(250, 5)[0], "Bereinigungsobjekte");
    for (int id : {31, 33, 39, 49})
        for (const std::string& level : LanguageTable(db, "MainForm", id).Items(511, 8))
            EXPECT_NE(level.find(" - "), std::string::npos) << level;  // the short name ends there
}

TEST(LangdbTool, TheEnglishSourceMayNotRepeatADesignRow) {
    LanguageSource english = Parse(kEnglish);  // holds 530, a design-time row
    std::string error;
    EXPECT_FALSE(langdb::AddMainFormDesignRows(english, error));
    EXPECT_NE(error.find("530"), std::string::npos);
}

TEST(LangdbTool, PluginSourceBecomesRecords) {
    std::string error;
    auto records = langdb::ParsePluginSource(
        "# c\n[wlitPlugin_A|1]\nDisplayName_44 = A  \nS0 = F||[ftAppData]A\\|*.*|D|\n[B]\n",
        "p.txt", error);
    ASSERT_TRUE(records) << error;
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].Header, "wlitPlugin_A|1");
    EXPECT_EQ((*records)[0].Body, "DisplayName_44=A\r\nS0=F||[ftAppData]A\\|*.*|D|");
    EXPECT_EQ((*records)[1].Body, "");
    EXPECT_FALSE(langdb::ParsePluginSource("S0 = x\n", "p.txt", error));
    EXPECT_NE(error.find("p.txt:1"), std::string::npos);
}
