// The records of a listing through a held folder, as the system lays them out, and what a
// damaged or hostile buffer (a network file system's answer) may hold.
#include "platform/directory_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

using platform::DirectoryRecord;
using platform::ReadDirectoryRecords;

namespace {

// FILE_ID_BOTH_DIR_INFORMATION, written field by field at its offsets.
struct RecordShape {
    std::u16string name;
    std::u16string shortName;
    std::uint32_t attributes = 0x20;
    std::uint64_t size = 0;
    std::uint64_t fileId = 0;
};

RecordShape Plain(std::u16string name) {
    RecordShape shape;
    shape.name = std::move(name);
    return shape;
}

template <typename T>
void Put(std::vector<unsigned char>& bytes, std::size_t at, T value) {
    std::memcpy(&bytes[at], &value, sizeof value);
}

// The records one after another, each starting on an 8-byte boundary as the system puts them.
std::vector<unsigned char> Buffer(const std::vector<RecordShape>& shapes) {
    std::vector<unsigned char> bytes;
    std::size_t previous = 0;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const RecordShape& shape = shapes[i];
        const std::size_t at = bytes.size();
        bytes.resize(at + ((104 + shape.name.size() * 2 + 7) & ~std::size_t{7}));
        if (i > 0)
            Put<std::uint32_t>(bytes, previous, static_cast<std::uint32_t>(at - previous));
        Put<std::uint64_t>(bytes, at + 40, shape.size);
        Put<std::uint32_t>(bytes, at + 56, shape.attributes);
        Put<std::uint32_t>(bytes, at + 60, static_cast<std::uint32_t>(shape.name.size() * 2));
        bytes[at + 68] = static_cast<unsigned char>(shape.shortName.size() * 2);
        std::memcpy(&bytes[at + 70], shape.shortName.data(), shape.shortName.size() * 2);
        Put<std::uint64_t>(bytes, at + 96, shape.fileId);
        std::memcpy(&bytes[at + 104], shape.name.data(), shape.name.size() * 2);
        previous = at;
    }
    return bytes;
}

TEST(DirectoryRecords, EveryFieldOfAChainIsRead) {
    auto bytes = Buffer({{u".", u"", 0x10, 0, 5},
                         {u"report.logfile", u"REPORT~1.LOG", 0x20, 0x123456789ull, 77},
                         {u"sub", u"", 0x410, 0, 0x0001000000000042ull}});
    std::vector<DirectoryRecord> records;
    ASSERT_TRUE(ReadDirectoryRecords(bytes.data(), bytes.size(), records));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].name, u".");
    EXPECT_EQ(records[1].name, u"report.logfile");
    EXPECT_EQ(records[1].shortName, u"REPORT~1.LOG");
    EXPECT_EQ(records[1].size, 0x123456789ull);
    EXPECT_EQ(records[1].fileId, 77u);
    EXPECT_EQ(records[2].attributes, 0x410u);
    EXPECT_EQ(records[2].fileId, 0x0001000000000042ull);
    EXPECT_TRUE(records[2].shortName.empty());

    records.clear();
    EXPECT_TRUE(ReadDirectoryRecords(bytes.data(), 0, records));
    EXPECT_TRUE(records.empty());
}

TEST(DirectoryRecords, NamesNoFileCanHaveAreSkipped) {
    auto bytes = Buffer({Plain(u"..\\..\\windows"), Plain(u"a/b"), Plain(u"c:stream"),
                         Plain(std::u16string(u"nul\0x", 5)), Plain(u""), Plain(u"kept.txt")});
    std::vector<DirectoryRecord> records;
    ASSERT_TRUE(ReadDirectoryRecords(bytes.data(), bytes.size(), records));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, u"kept.txt");
}

TEST(DirectoryRecords, ADamagedChainStopsWithTheRecordsBeforeIt) {
    const auto good = Buffer({Plain(u"first.txt"), Plain(u"second.txt")});
    std::vector<DirectoryRecord> records;
    auto damage = [&](auto change) {
        auto bytes = good;
        const std::size_t second = bytes[0] | (bytes[1] << 8);
        change(bytes, second);
        records.clear();
        return ReadDirectoryRecords(bytes.data(), bytes.size(), records);
    };
    // The second name reaches past the buffer.
    EXPECT_FALSE(damage([](auto& b, std::size_t at) { Put<std::uint32_t>(b, at + 60, 4000); }));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].name, u"first.txt");
    // A name of an odd number of bytes, a short name longer than 12 characters.
    EXPECT_FALSE(damage([](auto& b, std::size_t at) { Put<std::uint32_t>(b, at + 60, 3); }));
    EXPECT_FALSE(damage([](auto& b, std::size_t at) { b[at + 68] = 26; }));
    // An offset that does not move past its own record, or leads past the buffer.
    EXPECT_FALSE(damage([](auto& b, std::size_t) { Put<std::uint32_t>(b, 0, 8); }));
    EXPECT_TRUE(records.empty());
    EXPECT_FALSE(damage([](auto& b, std::size_t) { Put<std::uint32_t>(b, 0, 0x7FFFFFF0); }));
    EXPECT_EQ(records.size(), 1u);
    // A buffer cut inside a header.
    records.clear();
    EXPECT_FALSE(ReadDirectoryRecords(good.data(), 50, records));
    EXPECT_TRUE(records.empty());
}

}  // namespace
