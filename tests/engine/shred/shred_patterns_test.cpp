#include "engine/shred/shred_patterns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Schedule(int mode, int strength) {
    std::string passes;
    for (int pass = 1; pass <= OverwritePassCount(mode); ++pass)
        if (FlushAfterPass(mode, strength, pass))
            passes += std::to_string(pass) + " ";
    return passes;
}

ShredBlock Block(int mode, int pass, ShredRandom& random) {
    ShredBlock block;
    block.fill(0x5A);
    FillPassBlock(mode, pass, random, block);
    return block;
}

bool AllIn(const std::string& text, char low, char high) {
    for (char c : text)
        if (c < low || c > high)
            return false;
    return !text.empty();
}

}  // namespace

TEST(ShredPatterns, PassCountsAndFlushSchedules) {
    EXPECT_EQ(OverwritePassCount(1), 0);
    EXPECT_EQ(OverwritePassCount(2), 3);
    EXPECT_EQ(OverwritePassCount(3), 7);
    EXPECT_EQ(OverwritePassCount(4), 35);
    EXPECT_EQ(OverwritePassCount(5), 0);
    EXPECT_EQ(Schedule(2, 1), "");
    EXPECT_EQ(Schedule(2, 2), "2 ");
    EXPECT_EQ(Schedule(2, 3), "1 2 3 ");
    EXPECT_EQ(Schedule(3, 1), "");
    EXPECT_EQ(Schedule(3, 2), "4 ");
    EXPECT_EQ(Schedule(3, 3), "1 2 3 4 5 6 7 ");
    EXPECT_EQ(Schedule(4, 1), "9 25 ");
    EXPECT_EQ(Schedule(4, 2), "4 9 25 31 ");
    int flushes = 0;
    for (int pass = 1; pass <= 35; ++pass)
        flushes += FlushAfterPass(4, 3, pass);
    EXPECT_EQ(flushes, 35);
    EXPECT_EQ(Schedule(4, 0), "");
}

TEST(ShredPatterns, GutmannTable) {
    using P = std::array<std::uint8_t, 3>;
    EXPECT_EQ(GutmannPattern(5), (P{0x55, 0x55, 0x55}));
    EXPECT_EQ(GutmannPattern(6), (P{0xAA, 0xAA, 0xAA}));
    EXPECT_EQ(GutmannPattern(7), (P{0x92, 0x49, 0x24}));
    EXPECT_EQ(GutmannPattern(9), (P{0x24, 0x92, 0x49}));
    EXPECT_EQ(GutmannPattern(10), (P{0x00, 0x00, 0x00}));
    EXPECT_EQ(GutmannPattern(18), (P{0x88, 0x88, 0x88}));
    EXPECT_EQ(GutmannPattern(25), (P{0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(GutmannPattern(28), (P{0x24, 0x92, 0x49}));
    EXPECT_EQ(GutmannPattern(29), (P{0x6D, 0xB6, 0xDB}));
    EXPECT_EQ(GutmannPattern(31), (P{0xDB, 0x6D, 0xB6}));
    for (int pass : {1, 4, 32, 35})
        EXPECT_TRUE(GutmannPassIsRandom(pass)) << pass;
    for (int pass : {5, 31})
        EXPECT_FALSE(GutmannPassIsRandom(pass)) << pass;
}

TEST(ShredPatterns, BlocksAndTheRestartAtEveryBlock) {
    ShredRandom random(7);
    ShredBlock zeros = Block(2, 1, random);
    EXPECT_EQ(std::set<std::uint8_t>(zeros.begin(), zeros.end()), std::set<std::uint8_t>{0});

    ShredBlock pattern = Block(4, 27, random);  // 49 24 92
    EXPECT_EQ(pattern[0], 0x49);
    EXPECT_EQ(pattern[1], 0x24);
    EXPECT_EQ(pattern[2], 0x92);
    EXPECT_EQ(pattern[4095], 0x49);  // 4095 % 3 == 0
    // Whole copies of the block make the write buffer, so the byte at file offset 4096 is the
    // pattern's first again, not its second.
    std::vector<std::uint8_t> buffer(WriteBufferBytes(3 * kShredBlockBytes));
    ASSERT_EQ(buffer.size(), 3 * kShredBlockBytes);
    FillWriteBuffer(pattern, buffer);
    EXPECT_EQ(buffer[4095], 0x49);
    EXPECT_EQ(buffer[4096], 0x49);
    EXPECT_EQ(buffer[4097], 0x24);
    EXPECT_EQ(buffer[8192 + 5], pattern[5]);
}

TEST(ShredPatterns, RandomBytesAreNeverZeroAndFreshEachPass) {
    ShredRandom random;
    std::set<std::uint8_t> seen;
    for (int pass : {1, 2, 3, 4, 5, 6, 7}) {
        ShredBlock block = Block(3, pass, random);
        seen.insert(block.begin(), block.end());
    }
    EXPECT_EQ(seen.count(0), 0u);
    EXPECT_EQ(seen.size(), 255u);  // 28672 draws reach every value 1..255
    ShredBlock first = Block(4, 1, random);
    ShredBlock second = Block(4, 2, random);
    EXPECT_NE(first, second);
    EXPECT_EQ(std::count(first.begin(), first.end(), 0), 0);
}

// A random pass is meant to look like noise: every value 1..255 about as often as any other,
// which a generator handing out eight bytes a draw (passing over zeros) could easily miss.
TEST(ShredPatterns, RandomBytesAreEvenAndLettersStayInTheirRange) {
    ShredRandom random(2431);
    std::vector<int> counts(256, 0);
    std::vector<std::uint8_t> bytes(255 * 4000);
    random.Fill(bytes.data(), bytes.size());
    for (std::uint8_t byte : bytes)
        ++counts[byte];
    EXPECT_EQ(counts[0], 0);
    for (int value = 1; value <= 255; ++value) {
        EXPECT_GT(counts[value], 3700) << value;  // 4000 expected, sigma about 63
        EXPECT_LT(counts[value], 4300) << value;
    }
    // Odd lengths, single bytes: the draw is not wasted on, nor does it leave, a zero.
    std::uint8_t odd[13] = {};
    random.Fill(odd, sizeof odd);
    EXPECT_EQ(std::count(std::begin(odd), std::end(odd), 0), 0);
    EXPECT_NE(random.Byte(), 0);

    std::set<char> capitals, smalls;
    for (int i = 0; i < 2000; ++i) {
        capitals.insert(random.Capital());
        smalls.insert(random.Small());
    }
    EXPECT_EQ(capitals.size(), 26u);
    EXPECT_EQ(*capitals.begin(), 'A');
    EXPECT_EQ(*capitals.rbegin(), 'Z');
    EXPECT_EQ(smalls.size(), 26u);
    EXPECT_EQ(*smalls.begin(), 'a');
    EXPECT_EQ(*smalls.rbegin(), 'z');

    // Seeded alike, the same bytes; seeded afresh, two shreds never write the same noise.
    ShredRandom one(7), two(7), fresh, other;
    EXPECT_EQ(Block(3, 1, one), Block(3, 1, two));
    EXPECT_NE(Block(3, 1, fresh), Block(3, 1, other));
}

TEST(ShredPatterns, WriteBufferIsWholeBlocksUpToOneMegabyte) {
    EXPECT_EQ(WriteBufferBytes(0), kShredBlockBytes);
    EXPECT_EQ(WriteBufferBytes(1), kShredBlockBytes);
    EXPECT_EQ(WriteBufferBytes(4097), 2 * kShredBlockBytes);
    EXPECT_EQ(WriteBufferBytes(std::uint64_t{5} << 32), kShredWriteBytes);
}

// A pass is planned in 64-bit arithmetic: files of 4 GiB and more are overwritten whole, and
// never beyond their end.
TEST(ShredPatterns, PassesCoverFilesAroundFourGigabytesExactly) {
    const std::uint64_t four = std::uint64_t{1} << 32;
    for (std::uint64_t size :
         {four - 1, four, four + 1, four + 4095, 5 * four + 12345, std::uint64_t{0}}) {
        std::uint64_t position = 0;
        std::uint64_t writes = 0;
        for (;;) {
            ShredWrite w = NextShredWrite(position, size, kShredWriteBytes);
            if (w.bytes == 0)
                break;
            ASSERT_EQ(w.bufferOffset, position % kShredBlockBytes);
            ASSERT_LE(w.bufferOffset + w.bytes, kShredWriteBytes);
            ASSERT_LE(position + w.bytes, size);
            position += w.bytes;
            ++writes;
        }
        EXPECT_EQ(position, size) << size;
        EXPECT_EQ(writes, (size + kShredWriteBytes - 1) / kShredWriteBytes) << size;
    }
    // After a short write the next one starts at the matching place of the block.
    ShredWrite resumed = NextShredWrite(four + 1000, four + 5000, kShredWriteBytes);
    EXPECT_EQ(resumed.bufferOffset, 1000u);
    EXPECT_EQ(resumed.bytes, 4000u);
    EXPECT_EQ(NextShredWrite(four + 1, four, kShredWriteBytes).bytes, 0u);
}

TEST(ShredPatterns, FileNamesKeepLengthAndDots) {
    ShredRandom random;
    EXPECT_EQ(ShredFileName("a.b", 2, 1, random), "U.U");
    EXPECT_EQ(ShredFileName("report.final.doc", 2, 1, random), "UUUUUU.UUUUU.UUU");
    std::string capitals = ShredFileName("photo.jpeg", 3, 1, random);
    EXPECT_EQ(capitals.size(), 10u);
    EXPECT_EQ(capitals[5], '.');
    EXPECT_TRUE(AllIn(capitals.substr(0, 5) + capitals.substr(6), 'A', 'Z')) << capitals;
    // Characters, not bytes: a Greek name of three letters gets three.
    EXPECT_EQ(ShredFileName("\xCE\xB1\xCE\xB2.\xCE\xB3", 2, 1, random), "UU.U");
    EXPECT_EQ(RenameCount(1), 0);
    EXPECT_EQ(RenameCount(2), 1);
    EXPECT_EQ(RenameCount(3), 1);
    EXPECT_EQ(RenameCount(4), 35);
}

TEST(ShredPatterns, GutmannNamesFollowThePasses) {
    ShredRandom random;
    EXPECT_TRUE(AllIn(ShredFileName("abcd", 4, 1, random), 'A', 'Z'));
    EXPECT_TRUE(AllIn(ShredFileName("abcd", 4, 4, random), 'A', 'Z'));
    EXPECT_EQ(ShredFileName("abcd.e", 4, 5, random), "UUUU.U");
    EXPECT_EQ(ShredFileName("abcd", 4, 7, random),
              "\xE2\x80\x99I$\xE2\x80\x99");                            // 92 49 24 92
    EXPECT_EQ(ShredFileName("ab", 4, 10, random), "\xC3\x8C\xC3\x8C");  // CC, not 00
    EXPECT_EQ(ShredFileName("ab", 4, 11, random), "\xC3\x9D\xC3\x9D");  // DD, not 11
    EXPECT_EQ(ShredFileName("ab", 4, 12, random), "\xC3\xAE\xC3\xAE");  // EE, not 22 (")
    EXPECT_EQ(ShredFileName("ab", 4, 13, random), "33");
    EXPECT_EQ(ShredFileName("ab", 4, 29, random), "m\xC2\xB6");  // 6D B6
    EXPECT_TRUE(AllIn(ShredFileName("abcd", 4, 32, random), 'a', 'z'));
    EXPECT_TRUE(AllIn(ShredFileName("abcd", 4, 35, random), 'a', 'z'));
}

TEST(ShredPatterns, FolderNamesReplaceEveryCharacter) {
    ShredRandom random;
    EXPECT_EQ(ShredFolderName("my.dir", 2, 1, random), "UUUUUU");
    EXPECT_TRUE(AllIn(ShredFolderName("a.b", 3, 1, random), 'A', 'Z'));
    EXPECT_EQ(ShredFolderName("a.b", 4, 13, random), "333");
    EXPECT_TRUE(AllIn(ShredFolderName("x.y", 4, 33, random), 'a', 'z'));
}
