#include "platform/ini.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_folder.h"

using testing_support::TempFolder;

TEST(Ini, WritesReadsAndFallsBack) {
    TempFolder temp;
    std::string file = temp.Path() + "settings.ini";
    EXPECT_EQ(platform::ReadIniString(file, "S", "K", "fallback"), "fallback");
    ASSERT_TRUE(platform::WriteIniString(file, "S", "K", "value"));
    EXPECT_EQ(platform::ReadIniString(file, "S", "K", "fallback"), "value");
    EXPECT_EQ(platform::ReadIniString(file, "s", "k"), "value");  // names ignore case
    EXPECT_EQ(platform::ReadIniString(file, "S", "Other", "fallback"), "fallback");
    EXPECT_EQ(platform::ReadIniString(file, "T", "K"), "");
}

TEST(Ini, LongValuesAreKeptUpToTheLimit) {
    TempFolder temp;
    std::string file = temp.Path() + "long.ini";
    std::string value(platform::kIniValueMaxChars, 'v');
    ASSERT_TRUE(platform::WriteIniString(file, "S", "K", value));
    EXPECT_EQ(platform::ReadIniString(file, "S", "K"), value);
    ASSERT_TRUE(platform::WriteIniString(file, "S", "K", value + "tail"));
    EXPECT_EQ(platform::ReadIniString(file, "S", "K"), value);  // cut, never overrun
}

TEST(Ini, NamesAndValuesOutsideTheAnsiPageRoundTrip) {
    TempFolder temp;
    std::string file = temp.Path() + "\xD0\xB4\xD0\xB0.ini";       // Cyrillic file name
    std::string section = "\xE4\xBA\xBA.Options";                  // CJK
    std::string value = "C:\\\xCE\xB1\xCE\xB2\\\xF0\x9F\x98\x80";  // Greek and an emoji
    ASSERT_TRUE(platform::WriteIniString(file, section, "\xC5\x81key", value));
    EXPECT_EQ(platform::ReadIniString(file, section, "\xC5\x81key"), value);
    EXPECT_EQ(platform::IniSectionKeys(file, section), std::vector<std::string>{"\xC5\x81key"});
}

TEST(Ini, ForeignFilesAreCreatedInTheAnsiPage) {
    TempFolder temp;
    std::string file = temp.Path() + "main.ini";
    ASSERT_TRUE(platform::WriteIniString(file, "Browser Settings", "CloseToTray", "no",
                                         platform::IniNewFile::Ansi));
    auto bytes = platform::ReadWholeFile(file);
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("CloseToTray=no"), std::string::npos);  // plain single-byte text
    EXPECT_EQ(platform::ReadIniString(file, "Browser Settings", "CloseToTray"), "no");
}

TEST(Ini, SectionsListAndErase) {
    TempFolder temp;
    std::string file = temp.Path() + "lists.ini";
    platform::WriteIniString(file, "List", "Count", "2");
    platform::WriteIniString(file, "List", "1", "a");
    platform::WriteIniString(file, "List", "2", "b");
    platform::WriteIniString(file, "Keep", "x", "y");
    EXPECT_EQ(platform::IniSectionKeys(file, "List"),
              (std::vector<std::string>{"Count", "1", "2"}));
    EXPECT_TRUE(platform::EraseIniSection(file, "List"));
    EXPECT_TRUE(platform::IniSectionKeys(file, "List").empty());
    EXPECT_EQ(platform::ReadIniString(file, "Keep", "x"), "y");
    EXPECT_TRUE(platform::EraseIniSection(file, "Missing"));
    EXPECT_TRUE(platform::EraseIniSection(temp.Path() + "none.ini", "List"));
    EXPECT_FALSE(temp.Exists("none.ini"));
}

TEST(Ini, ALineBreakCannotAddKeysOrSections) {
    TempFolder temp;
    std::string file = temp.Path() + "inject.ini";
    EXPECT_FALSE(platform::WriteIniString(file, "S", "Name", "x\r\n[Object_1]\r\nFolder=C:\\"));
    EXPECT_FALSE(platform::WriteIniString(file, "S", "a\nb", "x"));
    EXPECT_TRUE(platform::IniSectionKeys(file, "Object_1").empty());
    EXPECT_EQ(platform::ReadIniString(file, "S", "Name", "none"), "none");
}

// Our own files become UTF-16 at the first write, their text kept; other programs' files stay
// in the ANSI code page.
TEST(Ini, AFileWithoutAByteOrderMarkBecomesUnicodeOnceWhenItIsOurs) {
    TempFolder temp;
    const std::string ansi = "[S]\r\nOld=Caf\xe9\r\n[T]\r\nx=y\r\n";
    const std::string own = temp.AddFile("own.ini", ansi);
    const std::string foreign = temp.AddFile("foreign.ini", ansi);
    const std::string old = platform::ReadIniString(own, "S", "Old");
    ASSERT_EQ(old, "Caf\xc3\xa9");  // the test prefix's ANSI page is Western

    ASSERT_TRUE(platform::WriteIniString(own, "S", "New", "\xce\x94\xe6\x97\xa5"));
    EXPECT_EQ(platform::ReadWholeFile(own).value_or("").substr(0, 2), "\xff\xfe");
    EXPECT_EQ(platform::ReadIniString(own, "S", "New"), "\xce\x94\xe6\x97\xa5");
    EXPECT_EQ(platform::ReadIniString(own, "S", "Old"), old);
    EXPECT_EQ(platform::ReadIniString(own, "T", "x"), "y");
    EXPECT_FALSE(temp.Exists("own.ini.utf16"));
    ASSERT_TRUE(platform::WriteIniString(own, "S", "New", "again"));  // not converted twice
    EXPECT_EQ(platform::ReadIniString(own, "S", "Old"), old);
    EXPECT_EQ(platform::ReadIniString(own, "S", "New"), "again");

    ASSERT_TRUE(platform::WriteIniString(foreign, "S", "New", "x", platform::IniNewFile::Ansi));
    auto bytes = platform::ReadWholeFile(foreign).value_or("");
    EXPECT_EQ(bytes.rfind("[S]\r\nOld=Caf\xe9\r\n", 0), 0u) << bytes;
    EXPECT_NE(bytes.find("New=x"), std::string::npos);

    // Behind a UTF-8 byte-order mark the text is UTF-8.
    const std::string utf8 = temp.AddFile("utf8.ini", "\xef\xbb\xbf[S]\r\nOld=\xce\x94\r\n");
    ASSERT_TRUE(platform::WriteIniString(utf8, "S", "New", "x"));
    EXPECT_EQ(platform::ReadWholeFile(utf8).value_or("").substr(0, 2), "\xff\xfe");
    EXPECT_EQ(platform::ReadIniString(utf8, "S", "Old"), "\xce\x94");
}

// A section read at once gives, key by key, what the system's own lookup gives: for odd lines
// too, as a hand-made or damaged file has them.
TEST(Ini, ASectionReadAtOnceAnswersAsTheKeyLookupDoes) {
    TempFolder temp;
    const std::string file = temp.Path() + "odd.ini";
    const std::string longValue(platform::kIniValueMaxChars + 10, 'w');
    ASSERT_TRUE(platform::WriteWholeFile(
        file,
        "[Other]\r\nplain=elsewhere\r\n[S]\r\nplain=1\r\n  spaced  =  two words  \r\n"
        "quoted=\"in quotes\"\r\nsingle='single'\r\nhalf=\"open\r\nlone=\"\r\n"
        "empty=\r\nnovalue\r\nUPPER=case\r\ndup=first\r\ndup=second\r\n"
        "eq=a=b\r\n;comment=no\r\n#hash=maybe\r\nlong=" +
            longValue + "\r\n[s]\r\nlater=section\r\nplain=2\r\n"));
    const platform::IniSection section(file, "S");
    for (const char* key :
         {"plain", "spaced", "quoted", "single", "half", "lone", "empty", "novalue", "upper",
          "UPPER", "dup", "eq", ";comment", "#hash", "long", "later", "missing", "elsewhere"}) {
        EXPECT_EQ(section.Value(key, "<fallback>"),
                  platform::ReadIniString(file, "S", key, "<fallback>"))
            << key;
    }
    EXPECT_EQ(section.Value("long").size(), platform::kIniValueMaxChars);
    EXPECT_EQ(platform::IniSection(temp.Path() + "none.ini", "S").Value("plain", "f"), "f");
    EXPECT_EQ(platform::IniSection(file, "Nothing").Value("plain", "f"), "f");
}
