#include "canvas.h"

#include <cstdint>

namespace skin {

float RoundRect(float x, float y, const Box& box, float radius) {
    float cx = (box.x0 + box.x1) / 2, cy = (box.y0 + box.y1) / 2;
    float hx = (box.x1 - box.x0) / 2 - radius, hy = (box.y1 - box.y0) / 2 - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Circle(float x, float y, float cx, float cy, float radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float t = Clamp01((px * dx + py * dy) / (dx * dx + dy * dy));
    return std::hypot(px - dx * t, py - dy * t) - halfWidth;
}

float Ellipse(float x, float y, float cx, float cy, float rx, float ry) {
    // Scaled circle: exact enough for the small radii ratios used here.
    float k = std::hypot((x - cx) / rx, (y - cy) / ry);
    return (k - 1.0f) * std::min(rx, ry);
}

Image::Image(int width, int height, Rgba fill)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Image::Blend(int x, int y, Rgba s) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || s.a <= 0)
        return;
    Rgba& d = pixels_[Index(x, y)];
    float a = s.a + d.a * (1 - s.a);
    if (a <= 0) {
        d = Rgba{};
        return;
    }
    d.r = (s.r * s.a + d.r * d.a * (1 - s.a)) / a;
    d.g = (s.g * s.a + d.g * d.a * (1 - s.a)) / a;
    d.b = (s.b * s.a + d.b * d.a * (1 - s.a)) / a;
    d.a = a;
}

void Image::Draw(const Image& src, int dx, int dy) {
    for (int y = 0; y < src.Height(); ++y)
        for (int x = 0; x < src.Width(); ++x)
            Blend(dx + x, dy + y, src.Get(x, y));
}

Image Image::Crop(int x, int y, int width, int height) const {
    Image out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i)
            if (x + i < width_ && y + j < height_)
                out.Set(i, j, Get(x + i, y + j));
    return out;
}

namespace {

struct Glyph {
    char letter;
    std::uint8_t rows[7];  // five bits each, the leftmost pixel in bit 4
};

constexpr Glyph kGlyphs[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x0A, 0x0A, 0x04}},
};

}  // namespace

void DrawLetter(Image& image, char letter, int x, int y, Rgba colour) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter != letter)
            continue;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (glyph.rows[row] & (0x10 >> col))
                    image.Blend(x + col, y + row, colour);
        return;
    }
}

}  // namespace skin
