// Firefox's downloads.rdf: which lines name files, and which addresses become paths.
#include <gtest/gtest.h>

#include "washers/downloads_rdf.h"

using Names = std::vector<std::string>;

TEST(DownloadedFileResources, TakesTheFileLinesFromTheLastToTheFirstAndDropsTheRest) {
    const std::string rdf =
        "<?xml version=\"1.0\"?>\r\n"
        "<RDF:RDF xmlns:NC=\"http://home.netscape.com/NC-rdf#\">\r\n"
        "  <RDF:Description RDF:about=\"rdf:#$a\">\r\n"
        "    <NC:File RDF:Resource=\"file:///C:/Down/first.zip\"/>\r\n"
        "    <NC:URL RDF:resource=\"http://example.com/first.zip\"/>\n"
        "\t<nc:file rdf:resource=\"file:///C:/Down/second%20file.exe\"/> <more/>\r"
        "<nc:file rdf:resource=\"file:///C:/Down/cut-off.txt\r\n"
        "</RDF:RDF>";
    EXPECT_EQ(DownloadedFileResources(rdf),
              (Names{"", "file:///C:/Down/second%20file.exe", "file:///C:/Down/first.zip"}));
}

TEST(DownloadedFileResources, EmptyOrForeignTextNamesNothing) {
    EXPECT_TRUE(DownloadedFileResources("").empty());
    EXPECT_TRUE(DownloadedFileResources("\r\n\n\r").empty());
    EXPECT_TRUE(DownloadedFileResources(std::string("\0\xff<nc:fil", 10)).empty());
    EXPECT_EQ(DownloadedFileResources("<nc:file rdf:resource=\"\"/>"), Names{""});
}

TEST(FileAddressToPath, DecodesEscapesAndTurnsSlashesIntoBackslashes) {
    EXPECT_EQ(FileAddressToPath("file:///C:/Down/second%20file.exe"),
              std::optional<std::string>("C:\\Down\\second file.exe"));
    EXPECT_EQ(FileAddressToPath("FILE:///d|/a/%C3%A9t%c3%a9.txt"),
              std::optional<std::string>("d:\\a\\\xC3\xA9t\xC3\xA9.txt"));
    EXPECT_EQ(FileAddressToPath("file:///C:/100%25.txt"),
              std::optional<std::string>("C:\\100%.txt"));
}

TEST(FileAddressToPath, RefusesWhatIsNoPlainLocalFile) {
    const char* refused[] = {
        "",
        "file:///",
        "http://example.com/a.zip",
        "file://server/share/a.zip",     // a network address
        "file:////server/share/a.zip",   // a network path
        "file:///Down/a.zip",            // no drive
        "file:///C:",                    // a drive, not a file
        "file:///C:/",                   // a drive root
        "file:///C:/Down/",              // a folder
        "file:///C:/Down/../Windows/a",  // climbing out
        "file:///C:/Down/%2e%2e/a",      // climbing out, escaped
        "file:///C:/Down/./a",           //
        "file:///C:/Down//a",            // an empty component
        "file:///C:/Down/*.*",           // wildcards
        "file:///C:/Down/a?.zip",        //
        "file:///C:/Down/a.zip:stream",  // a stream name
        "file:///C:/Down/a%00.zip",      // a control character
        "file:///C:/Down/a%0d%0a.zip",   //
        "file:///C:/Down/a%2",           // a cut-off escape
        "file:///C:/Down/a%zz",          // a broken escape
        "file:///C:/Down/%ff%fe.txt",    // not UTF-8
        "file:///C:/Down/%C3.txt",       // a cut UTF-8 sequence
        "file:///C:/Down/a|b.txt",       //
        "file:///1:/a.txt",              // no drive letter
    };
    for (const char* address : refused)
        EXPECT_EQ(FileAddressToPath(address), std::nullopt) << address;
}
