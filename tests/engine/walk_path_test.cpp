// The path forms a walk understands: every spelling of a drive or share folder comes out in one
// plain form, and every other form is refused with a reason.
#include <gtest/gtest.h>

#include <string>

#include "engine/walk_path.h"

namespace {

std::string Plain(const std::string& text) {
    std::optional<WalkPath> parsed = ParseWalkPath(text);
    return parsed ? parsed->plain : "<refused>";
}

TEST(WalkPath, PrefixesSlashesDotsAndRepeatedSeparatorsComeOutInOneForm) {
    for (const char* spelling :
         {"C:\\Windows", "C:\\Windows\\", "\\\\?\\C:\\Windows\\", "\\\\.\\C:\\Windows",
          "//?/C:/Windows/", "C:/Windows", "C:\\\\Windows\\\\", "C:\\Temp\\..\\Windows",
          "C:\\.\\Windows\\.", "C:\\..\\..\\Windows", "\\\\.\\C:\\x\\y\\..\\..\\Windows"}) {
        SCOPED_TRACE(spelling);
        std::optional<WalkPath> parsed = ParseWalkPath(spelling);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->plain, "C:\\Windows\\");
        EXPECT_FALSE(parsed->network);
        EXPECT_EQ(LongWalkPath(*parsed), "\\\\?\\C:\\Windows\\");
        EXPECT_FALSE(IsWalkRoot(*parsed));
    }
    for (const char* spelling :
         {"\\\\server\\share\\a", "\\\\?\\UNC\\server\\share\\a\\", "\\\\.\\UNC\\server\\share\\a",
          "//server/share/a/b/..", "\\\\server\\share\\..\\..\\a"}) {
        SCOPED_TRACE(spelling);
        std::optional<WalkPath> parsed = ParseWalkPath(spelling);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(parsed->plain, "\\\\server\\share\\a\\");  // ".." never climbs over the share
        EXPECT_TRUE(parsed->network);
        EXPECT_EQ(LongWalkPath(*parsed), "\\\\?\\UNC\\server\\share\\a\\");
    }
    EXPECT_EQ(Plain("C:\\"), "C:\\");
    EXPECT_EQ(Plain("c:\\..\\"), "c:\\");
    EXPECT_TRUE(IsWalkRoot(*ParseWalkPath("\\\\?\\D:\\")));
    EXPECT_TRUE(IsWalkRoot(*ParseWalkPath("\\\\server\\share")));
    EXPECT_TRUE(IsWalkRoot(*ParseWalkPath("C:\\Temp\\..")));
}

TEST(WalkPath, FormsThatAreNotAFolderOfADriveOrShareAreRefusedWithAReason) {
    for (const char* text : {"",
                             "Windows",
                             "\\Windows",
                             "C:",
                             "C:Windows",
                             "\\\\?\\C:",
                             "\\\\.\\C:",
                             "\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\Windows",
                             "\\\\?\\unix\\home\\user",
                             "\\\\?\\Volume{12345678-1234-1234-1234-123456789abc}\\",
                             "\\\\.\\PhysicalDrive0",
                             "\\\\.\\pipe\\x",
                             "\\??\\C:\\Windows",
                             "\\\\server",
                             "\\\\server\\",
                             "\\\\.\\",
                             "\\\\?\\",
                             "\\\\..\\share",
                             "C:\\a\\file.txt:stream",
                             "C:\\a*\\",
                             "C:\\a?\\",
                             "C:\\a\\b\"\\",
                             "C:\\a|b",
                             "C:\\a<b",
                             "C:\\Windows.\\",
                             "C:\\Windows \\",
                             "C:\\temp\\nul",
                             "C:\\temp\\CON.txt\\",
                             "C:\\temp\\com1",
                             "C:\\temp\\lpt9.log",
                             "C:\\temp\\conout$",
                             "C:\\a\x01"
                             "b",
                             "1:\\x",
                             "CC:\\x"}) {
        SCOPED_TRACE(text);
        std::string why;
        EXPECT_FALSE(ParseWalkPath(text, &why));
        EXPECT_FALSE(why.empty());
    }
    // Names that only look like those are fine.
    EXPECT_EQ(Plain("C:\\temp\\console\\com10\\nul2\\.hidden\\a.b"),
              "C:\\temp\\console\\com10\\nul2\\.hidden\\a.b\\");
}

TEST(WalkPath, LongPathsStayWholeUpToTheSystemsLimit) {
    std::string deep = "C:";
    for (int i = 0; i < 1500; ++i)
        deep += "\\d";
    std::optional<WalkPath> parsed = ParseWalkPath(deep);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->plain, deep + "\\");
    std::string tooLong = "C:\\" + std::string(40000, 'a');
    std::string why;
    EXPECT_FALSE(ParseWalkPath(tooLong, &why));
    EXPECT_NE(why.find("longer"), std::string::npos);
}

}  // namespace
