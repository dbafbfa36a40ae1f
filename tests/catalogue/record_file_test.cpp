#include "catalogue/record_file.h"

#include <gtest/gtest.h>

TEST(RecordFile, RecordsRoundTripWithAndWithoutRotation) {
    std::vector<TiDbRecord> records = {
        {"wlitPlugin_Alpha|1", "DisplayName_44=Alpha\r\nS0=F||[ftAppData]Alpha\\|*.*|D|\r\n"},
        {"", ""},
        {"wlitPlugin_Beta disabled", "DisplayName_49=B\xc3\xa9ta"}};
    for (bool rotate : {false, true}) {
        TiDbRecFile file;
        ASSERT_TRUE(file.Load(WriteRecordFile(records, rotate)));
        ASSERT_EQ(file.Count(), 3);
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(file.Record(n).Header, records[n - 1].Header);
            EXPECT_EQ(file.Record(n).Body, records[n - 1].Body);
        }
        EXPECT_EQ(file.Record(0).Header, "");
        EXPECT_EQ(file.Record(4).Body, "");
    }
}

TEST(RecordFile, DamagedFilesHaveNoRecords) {
    const std::string good = WriteRecordFile({{"a", "b"}, {"c", "d"}}, true);
    TiDbRecFile file;
    ASSERT_TRUE(file.Load(good));
    auto patched = [&](std::size_t at, std::string bytes) {
        std::string copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    for (const std::string& bad :
         {std::string(), good.substr(0, 13), good.substr(0, good.size() - 1), good + "x",
          patched(1, "iDbRecz"), patched(8, "\x02"), patched(10, std::string("\x03\0\0\0", 4)),
          patched(10, std::string("\xff\xff\xff\xff", 4)),
          patched(14, std::string("\xff\xff\xff\xff", 4)),
          patched(14, std::string("\x10\0\0\0", 4))}) {
        EXPECT_FALSE(file.Load(bad));
        EXPECT_EQ(file.Count(), 0);
    }
}

TEST(RecordFile, BodyValuesByName) {
    std::string body = "DisplayName_44=Alpha\r\nS0=R||HKCU x|*|D|\nS1=\r\nS10=ten";
    EXPECT_EQ(RecordBodyValue(body, "DisplayName_44"), "Alpha");
    EXPECT_EQ(RecordBodyValue(body, "S0"), "R||HKCU x|*|D|");
    EXPECT_EQ(RecordBodyValue(body, "S1"), "");
    EXPECT_EQ(RecordBodyValue(body, "S10"), "ten");
    EXPECT_EQ(RecordBodyValue(body, "S"), "");
}
