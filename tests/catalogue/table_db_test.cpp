#include "catalogue/table_db.h"

#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/date_time.h"
#include "catalogue/table_db_writer.h"

namespace {

GbColumn Column(std::string name, std::uint8_t type, std::uint8_t style = 0) {
    GbColumn c;
    c.name = std::move(name);
    c.type = type;
    c.style = style;
    return c;
}

GbColumn TextColumn(std::string name, std::uint16_t length) {
    GbColumn c = Column(std::move(name), gb_type::kText);
    c.length = length;
    return c;
}

GbColumn LinkColumn(std::string name, int table, int column, int elements) {
    GbColumn c = Column(std::move(name), gb_type::kLink);
    c.refTable = table;
    c.refColumn = column;
    c.elements = elements;
    return c;
}

// One table with a column of every type, and a second table the link column points into.
std::vector<GbTableSource> EveryType() {
    GbTableSource names{"Names", {TextColumn("Name", 20)}, {}};
    for (const char* n : {"ash", "birch", "cedar"})
        names.rows.push_back({std::string(n)});

    GbTableSource all{"All Types", {}, {}};
    all.columns = {Column("Flag", gb_type::kBoolean, gb_style::kOnOff),
                   Column("Byte", gb_type::kByte),
                   Column("Big", gb_type::kInt64),
                   Column("Int", gb_type::kInteger),
                   Column("When", gb_type::kDateTime, gb_style::kDateAndTime),
                   Column("Ext", gb_type::kExtended, 2),
                   Column("Int6", gb_type::kInteger6),
                   Column("Int7", gb_type::kInteger7),
                   Column("Dbl", gb_type::kDouble),
                   Column("R48", gb_type::kReal48, 3),
                   LinkColumn("Trees", 0, 0, 4),
                   Column("Small", gb_type::kShortInt),
                   Column("Sgl", gb_type::kSingle, 1),
                   TextColumn("Text", 12),
                   Column("Word", gb_type::kWord)};
    all.rows.push_back({true, std::int64_t{255}, std::int64_t{-9000000000LL},
                        std::int64_t{-2147483647 - 1}, EncodeDateTime({2024, 3, 14, 15, 9, 26}),
                        -1234.5, std::int64_t{7}, std::int64_t{2147483647}, 0.1, 3.25,
                        std::vector<std::int32_t>{3, 0, 1}, std::int64_t{-128}, 0.5,
                        std::string("gr\xc3\xbc\xc3\x9f"
                                    "e"),
                        std::int64_t{65535}});
    all.rows.push_back({false, std::int64_t{0}, std::int64_t{0}, std::int64_t{42}});
    return {names, all};
}

std::string Read(const TGBObject& db, const char* column, int row = 1) {
    return db.ReadValue("All Types", column, row);
}

}  // namespace

// A file laid out by hand, byte by byte, as the format is written down: the reader must find
// every field where the format puts it, not only where our own writer puts it.
std::string HandMadeFile(bool rotate) {
    std::string file(272 + 77 + 2 * 137 + 5 + 4, '\0');
    auto put32 = [&](std::size_t at, std::int32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    };
    auto putName = [&](std::size_t at, const std::string& name) {
        file[at] = static_cast<char>(name.size());
        file.replace(at + 1, name.size(), name);
    };
    put32(0, 1);               // tables
    file[4] = rotate ? 1 : 0;  // text rotation
    putName(5, "GoldBase");    // signature; 14..17: password check 0.0
    file[270] = 100;           // format version
    const std::size_t table = 272, text = table + 77, id = text + 137, row = id + 137;
    put32(table, 2);  // columns
    putName(table + 4, "Texts");
    put32(table + 68, 1);  // rows
    put32(table + 73, static_cast<std::int32_t>(row));
    putName(text + 5, "Text");
    file[text + 70] = 13;  // text, declared length 5 (16-bit)
    file[text + 71] = 5;
    putName(id + 5, "Id");
    file[id + 70] = 3;  // signed 32-bit
    for (std::size_t i = 0; i < 5; ++i) {
        unsigned char c = static_cast<unsigned char>("Hallo"[i]);
        file[row + i] = static_cast<char>(rotate ? c + 127 : c);
    }
    put32(row + 5, -44);
    return file;
}

TEST(TableDb, ReadsAFileLaidOutByHand) {
    for (bool rotate : {false, true}) {
        SCOPED_TRACE(rotate ? "rotated" : "plain");
        TGBObject db;
        ASSERT_TRUE(db.Open(HandMadeFile(rotate)));
        EXPECT_EQ(db.RowCount("Texts"), 1);
        EXPECT_EQ(db.ReadValue("Texts", "Text", 1), "Hallo");
        EXPECT_EQ(db.ReadValue("Texts", "Id", 1), "-44");
        EXPECT_EQ(db.FindRow("Texts", "Text", "Hallo"), 1);
    }
    // Our writer puts every field the reader takes where the hand-made file has it.
    GbTableSource texts{"Texts", {TextColumn("Text", 5), Column("Id", gb_type::kInteger)}, {}};
    texts.rows.push_back({std::string("Hallo"), std::int64_t{-44}});
    const std::size_t table = 272, text = table + 77, id = text + 137, row = id + 137;
    const std::pair<std::size_t, std::size_t> fields[] = {
        {0, 5},         {5, 9},          {270, 1},        {table, 4},
        {table + 4, 6}, {table + 68, 4}, {table + 73, 4}, {text + 5, 5},
        {text + 70, 3}, {id + 5, 3},     {id + 70, 1},    {row, 9}};
    for (bool rotate : {false, true}) {
        std::string written = WriteTableDb({texts}, rotate);
        std::string expected = HandMadeFile(rotate);
        ASSERT_EQ(written.size(), expected.size());
        for (const auto& [at, width] : fields)
            EXPECT_EQ(written.substr(at, width), expected.substr(at, width)) << "offset " << at;
    }
}

TEST(TableDb, EveryColumnTypeRoundTripsWithAndWithoutRotation) {
    for (bool rotate : {false, true}) {
        SCOPED_TRACE(rotate ? "rotated" : "plain");
        std::string error;
        std::string bytes = WriteTableDb(EveryType(), rotate, &error);
        ASSERT_FALSE(bytes.empty()) << error;
        TGBObject db;
        ASSERT_TRUE(db.Open(bytes));
        EXPECT_EQ(db.RowCount("All Types"), 2);
        EXPECT_EQ(db.RowCount("all types"), 2);  // table names ignore case
        EXPECT_EQ(db.RowCount("Missing"), -1);

        EXPECT_EQ(Read(db, "Flag"), "On");
        EXPECT_EQ(Read(db, "Flag", 2), "Off");
        EXPECT_EQ(Read(db, "Byte"), "255");
        EXPECT_EQ(Read(db, "Big"), "-9000000000");
        EXPECT_EQ(Read(db, "Int"), "-2147483648");
        EXPECT_EQ(Read(db, "When"), "03/14/2024 15:09:26");
        EXPECT_EQ(Read(db, "Ext"), "-1234.50");
        EXPECT_EQ(Read(db, "Int6"), "7");
        EXPECT_EQ(Read(db, "Int7"), "2147483647");
        EXPECT_EQ(Read(db, "Dbl"), "0.1");
        EXPECT_EQ(Read(db, "R48"), "3.250");
        EXPECT_EQ(Read(db, "Trees"), "cedar,ash");
        EXPECT_EQ(Read(db, "Small"), "-128");
        EXPECT_EQ(Read(db, "Sgl"), "0.5");
        EXPECT_EQ(Read(db, "Text"),
                  "gr\xc3\xbc\xc3\x9f"
                  "e");
        EXPECT_EQ(Read(db, "Word"), "65535");
        // Cells left out read as zero, and the empty text as empty even when rotated.
        EXPECT_EQ(Read(db, "Text", 2), "");
        EXPECT_EQ(Read(db, "Int", 2), "42");
        EXPECT_EQ(Read(db, "Trees", 2), "");

        EXPECT_EQ(db.FindRow("All Types", "Int", "42"), 2);
        EXPECT_EQ(db.FindRow("Names", "Name", "birch"), 2);
        EXPECT_LE(db.FindRow("Names", "Name", "oak"), 0);
        EXPECT_EQ(Read(db, "Int", 3), "");
        EXPECT_EQ(Read(db, "Int", 0), "");
        EXPECT_EQ(Read(db, "Nope"), "");
    }
}

TEST(TableDb, StylesAndRealFormats) {
    EXPECT_EQ(PlainDateTimeText(EncodeDateTime({1999, 12, 31, 23, 59, 58}), gb_style::kDateOnly),
              "12/31/1999");
    EXPECT_EQ(PlainDateTimeText(0.75, gb_style::kTimeOnly), "18:00:00");
    EXPECT_EQ(PlainDateTimeText(NAN, gb_style::kTimeOnly), "");
    EXPECT_EQ(PlainDateTimeText(1e300, gb_style::kDateOnly), "");
    EXPECT_EQ(RealNumberText(2.0 / 3, 0), "0.666666666666667");
    EXPECT_EQ(RealNumberText(2.0 / 3, 4), "0.6667");
    EXPECT_EQ(RealNumberText(1e308, 15).size(), 6u);  // "1e+308", not 300 digits

    for (double v : {1.0, -1.0, 0.1, 123456.789, 1e-30, 1e30}) {
        std::uint8_t raw48[6], raw80[10];
        ASSERT_TRUE(EncodeReal48(v, raw48));
        EXPECT_NEAR(DecodeReal48(raw48), v, std::fabs(v) * 1e-11);
        EncodeExtended80(v, raw80);
        EXPECT_EQ(DecodeExtended80(raw80), v);
    }
    std::uint8_t raw48[6];
    EXPECT_FALSE(EncodeReal48(1e300, raw48));
}

TEST(TableDb, RotationCoversEveryByteATextCanHold) {
    for (int b = 0; b <= 253; ++b)
        EXPECT_EQ(UnrotateByte(RotateByte(static_cast<std::uint8_t>(b))), b);
    EXPECT_EQ(UnrotateByte(127), 0);
    EXPECT_EQ(UnrotateByte(0), 127);
}

TEST(TableDb, WriterRefusesWhatCannotBeRead) {
    std::string error;
    GbTableSource t{"T", {TextColumn("Text", 3)}, {{std::string("four")}}};
    EXPECT_TRUE(WriteTableDb({t}, false, &error).empty());
    EXPECT_NE(error.find("longer than 3"), std::string::npos);
    t = {"T", {Column("B", gb_type::kByte)}, {{std::int64_t{256}}}};
    EXPECT_TRUE(WriteTableDb({t}, false, &error).empty());
    t = {std::string(64, 'x'), {}, {}};
    EXPECT_TRUE(WriteTableDb({t}, false, &error).empty());
}

// A damaged or hostile file must never be read outside its bytes: it opens as nothing, or
// (where the damage lies in the values) reads values from inside the file only.
TEST(TableDb, DamagedFilesReadAsMissing) {
    const std::string good = WriteTableDb(EveryType(), true);
    TGBObject db;
    ASSERT_TRUE(db.Open(good));

    auto patched = [&](std::size_t at, std::string bytes) {
        std::string copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const std::size_t table1 = gb_format::kHeaderSize;
    const std::size_t column1 = table1 + gb_format::kTableDescriptorSize;
    const std::size_t table2 = column1 + gb_format::kColumnDescriptorSize;

    EXPECT_FALSE(db.Open(""));
    EXPECT_FALSE(db.Open(good.substr(0, 271)));
    EXPECT_FALSE(db.Open(good.substr(0, good.size() - 1)));                  // last row cut short
    EXPECT_FALSE(db.Open(patched(6, "Goldbase")));                           // signature
    EXPECT_FALSE(db.Open(patched(270, "\x65")));                             // version 101
    EXPECT_FALSE(db.Open(patched(14, std::string("\x00\x00\x80\x3f", 4))));  // a password
    EXPECT_FALSE(db.Open(patched(0, "\x03")));  // one table more than there is
    EXPECT_FALSE(db.Open(patched(0, std::string("\xff\xff\xff\x7f", 4))));
    EXPECT_FALSE(db.Open(patched(0, std::string("\xff\xff\xff\xff", 4))));            // negative
    EXPECT_FALSE(db.Open(patched(table1 + 68, std::string("\x00\x00\x00\x10", 4))));  // rows
    EXPECT_FALSE(db.Open(patched(table1 + 68, std::string("\xff\xff\xff\xff", 4))));
    EXPECT_FALSE(db.Open(patched(table1 + 73, std::string("\xf0\xff\xff\x7f", 4))));  // offset
    EXPECT_FALSE(db.Open(patched(table1 + 73, std::string("\x00\x00\x00\x80", 4))));
    EXPECT_FALSE(db.Open(patched(table1, std::string("\x00\x00\x01\x00", 4))));  // columns
    EXPECT_FALSE(db.Open(patched(column1 + 70, "\x0f")));                        // type 15
    EXPECT_FALSE(db.Open(patched(column1 + 71, "\xff\xff")));  // text length past the end
    EXPECT_FALSE(db.IsOpen());

    // Link fields pointing anywhere read as empty, never outside the file.
    const std::size_t link =
        table2 + gb_format::kTableDescriptorSize + 10 * gb_format::kColumnDescriptorSize;
    ASSERT_TRUE(db.Open(patched(link + 71, std::string("\x09\x00\x00\x00", 4))));
    EXPECT_EQ(Read(db, "Trees"), "");
    ASSERT_TRUE(db.Open(patched(link + 75, std::string("\xff\xff\xff\x7f", 4))));
    EXPECT_EQ(Read(db, "Trees"), "");
    ASSERT_TRUE(db.Open(patched(link + 71, std::string("\x01\x00\x00\x00\x0a\x00\x00\x00", 8))));
    EXPECT_EQ(Read(db, "Trees"), "");  // a link onto itself stops
    EXPECT_FALSE(db.Open(patched(link + 79, std::string("\x33\x00\x00\x00", 4))));  // 51 > 50
    // Rows that take no bytes would let a lookup run over two billion of them.
    GbTableSource hollow{"H", {TextColumn("T", 0)}, {{std::string()}, {std::string()}}};
    EXPECT_FALSE(db.Open(WriteTableDb({hollow}, false)));
    // A name length byte beyond its field is cut at the field.
    ASSERT_TRUE(db.Open(patched(table1 + 4, "\xff")));
    EXPECT_EQ(db.Tables()[0].name.size(), gb_format::kNameChars);
}

TEST(TableDb, ManyRowsOfLongLinkedTextsStayShort) {
    GbTableSource words{"W", {TextColumn("T", 255)}, {{std::string(255, 'a')}}};
    GbTableSource links{"L", {LinkColumn("X", 0, 0, 50)}, {}};
    links.rows.push_back({std::vector<std::int32_t>(50, 1)});
    TGBObject db;
    ASSERT_TRUE(db.Open(WriteTableDb({words, links}, false)));
    EXPECT_EQ(db.ReadValue("L", "X", 1).size(), gb_format::kMaxValueChars);
}
