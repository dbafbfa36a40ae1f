// The skin tool's pictures and the files it writes them to.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/layout.h"
#include "art.h"
#include "bmp_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

class SkinFilesTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) {
        return ::testing::TempDir() + "skin_" + std::to_string(::getpid()) + "_" + name;
    }
    Bytes Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        Bytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        return bytes;
    }
    static std::uint32_t U32(const Bytes& b, std::size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
               static_cast<std::uint32_t>(b[at + 3]) << 24;
    }
};

TEST_F(SkinFilesTest, ThirtyTwoBitsArePremultipliedAndBottomUp) {
    skin::Image image(2, 2);
    image.Set(0, 0, skin::Rgb(255, 0, 0, 0.5f));  // top left: half-covered red
    image.Set(1, 1, skin::Rgb(0, 0, 255));        // bottom right: blue
    std::string path = Path("a.bmp");
    ASSERT_TRUE(skin::WriteBmp32(path, image));
    Bytes b = Read(path);
    ASSERT_EQ(b.size(), 54u + 16u);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(U32(b, 2), b.size());
    EXPECT_EQ(U32(b, 10), 54u);
    EXPECT_EQ(U32(b, 18), 2u);  // width
    EXPECT_EQ(U32(b, 22), 2u);  // height, positive: bottom-up
    EXPECT_EQ(b[28], 32);       // bits
    const std::uint8_t* bottomRow = b.data() + 54;
    const std::uint8_t* topRow = bottomRow + 8;
    EXPECT_EQ(Bytes(bottomRow + 4, bottomRow + 8), (Bytes{255, 0, 0, 255}));  // blue, opaque
    EXPECT_EQ(Bytes(topRow, topRow + 4), (Bytes{0, 0, 128, 128}));            // red * 0.5
}

TEST_F(SkinFilesTest, OpaqueFormatsMarkTransparencyMagenta) {
    skin::Image image(3, 1);
    image.Set(0, 0, skin::Rgb(10, 20, 30, 0.2f));  // mostly uncovered: transparent
    image.Set(1, 0, skin::Rgb(255, 255, 255, 0.5f));
    image.Set(2, 0, skin::Rgb(40, 50, 60));
    std::string path = Path("b.bmp");
    ASSERT_TRUE(skin::WriteBmp24(path, image, skin::Rgb(0, 0, 0)));
    Bytes b = Read(path);
    ASSERT_EQ(b.size(), 54u + 12u);  // 9 bytes padded to 12
    EXPECT_EQ(Bytes(b.begin() + 54, b.begin() + 57), (Bytes{255, 0, 255}));
    EXPECT_EQ(Bytes(b.begin() + 57, b.begin() + 60), (Bytes{128, 128, 128}));  // over black
    EXPECT_EQ(Bytes(b.begin() + 60, b.begin() + 63), (Bytes{60, 50, 40}));

    path = Path("c.bmp");
    ASSERT_TRUE(skin::WriteBmp8(path, image, skin::Rgb(0, 0, 0)));
    b = Read(path);
    ASSERT_EQ(U32(b, 10), 54u + 1024u);  // the pixels follow a full palette
    EXPECT_EQ(b[28], 8);
    std::uint8_t transparent = b[54 + 1024];
    const std::uint8_t* entry = b.data() + 54 + 4 * transparent;
    EXPECT_EQ(Bytes(entry, entry + 3), (Bytes{255, 0, 255}));
    EXPECT_NE(b[54 + 1024 + 2], transparent);
}

TEST_F(SkinFilesTest, IconHoldsEverySizeWithItsMask) {
    std::string path = Path("d.ico");
    ASSERT_TRUE(skin::WriteIco(path, {skin::ProgramIcon(16), skin::ProgramIcon(32)}));
    Bytes b = Read(path);
    ASSERT_GE(b.size(), 6u + 32u);
    EXPECT_EQ(b[2], 1);  // an icon
    EXPECT_EQ(b[4], 2);  // two images
    EXPECT_EQ(b[6], 16);
    EXPECT_EQ(b[6 + 16], 32);
    std::uint32_t size16 = U32(b, 6 + 8), at16 = U32(b, 6 + 12);
    EXPECT_EQ(size16, 40u + 16u * 16u * 4u + 16u * 4u);  // colours and a 1-bit mask
    EXPECT_EQ(U32(b, 6 + 16 + 12), at16 + size16);
    EXPECT_EQ(U32(b, at16 + 8), 32u);  // the height counts colours and mask
}

bool HasCoverage(const skin::Image& image, int x0, int width) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = x0; x < x0 + width; ++x)
            if (image.Get(x, y).a > 0.5f)
                return true;
    return false;
}

TEST(SkinPicturesTest, SizesCoverageAndCorners) {
    skin::Image background = skin::Background();
    ASSERT_EQ(background.Width(), layout::kClientWidth);
    ASSERT_EQ(background.Height(), layout::kClientHeight);
    for (int y = 0; y < background.Height(); y += 7)
        for (int x = 0; x < background.Width(); x += 7)
            ASSERT_GT(background.Get(x, y).a, 0.99f) << x << "," << y;

    for (auto look : {skin::ButtonLook::Up, skin::ButtonLook::Down, skin::ButtonLook::Disabled,
                      skin::ButtonLook::RedUp, skin::ButtonLook::RedDown}) {
        skin::Image button = skin::Button(look);
        EXPECT_EQ(button.Width(), layout::kButtonPictureWidth);
        EXPECT_EQ(button.Height(), layout::kButtonPictureHeight);
        EXPECT_LT(button.Get(0, 0).a, 0.5f) << "rounded corner";
        EXPECT_GT(button.Get(60, 14).a, 0.99f);
    }
    skin::Image icons = skin::StatusIcons();
    ASSERT_EQ(icons.Width(), 16 * layout::kStatusIcons);
    for (int i = 0; i < layout::kStatusIcons; ++i)
        EXPECT_TRUE(HasCoverage(icons, i * 16, 16)) << "icon " << i;
    skin::Image sun = skin::SunFrames();
    ASSERT_EQ(sun.Width(), 16 * layout::kSunFrames);
    for (int i = 0; i < layout::kSunFrames; ++i)
        EXPECT_TRUE(HasCoverage(sun, i * 16, 16)) << "frame " << i;
    EXPECT_EQ(skin::Intro().Width(), layout::kIntroWidth);
}

}  // namespace
