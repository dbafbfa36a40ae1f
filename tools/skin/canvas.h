#pragma once
// A small software canvas for the skin pictures: straight-alpha float pixels, shapes given as
// signed distance functions (negative inside), anti-aliased by their distance to the edge.
#include <algorithm>
#include <cmath>
#include <vector>

namespace skin {

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

inline Rgba Rgb(int r, int g, int b, float a = 1.0f) {
    return Rgba{r / 255.0f, g / 255.0f, b / 255.0f, a};
}
inline Rgba WithAlpha(Rgba c, float a) {
    c.a = a;
    return c;
}
inline float Clamp01(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}
inline Rgba Mix(Rgba a, Rgba b, float t) {
    t = Clamp01(t);
    return Rgba{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                a.a + (b.a - a.a) * t};
}
inline float SmoothStep(float e0, float e1, float x) {
    float t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

struct Box {
    float x0, y0, x1, y1;
};

// Distance functions.
float RoundRect(float x, float y, const Box& box, float radius);
float Circle(float x, float y, float cx, float cy, float radius);
float Segment(float x, float y, float ax, float ay, float bx, float by, float halfWidth);
float Ellipse(float x, float y, float cx, float cy, float rx, float ry);

class Image {
  public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgba Get(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgba c) { pixels_[Index(x, y)] = c; }
    // Source over: `c.a` already holds the coverage.
    void Blend(int x, int y, Rgba c);

    // Paints `paint(x, y)` where `sdf(x, y)` < 0, anti-aliased over one pixel; `softness`
    // widens the edge (shadows, glows).
    template <typename Sdf, typename Paint>
    void Fill(const Box& bounds, Sdf sdf, Paint paint, float softness = 1.0f) {
        int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0 - softness)));
        int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0 - softness)));
        int x1 = std::min(width_, static_cast<int>(std::ceil(bounds.x1 + softness)));
        int y1 = std::min(height_, static_cast<int>(std::ceil(bounds.y1 + softness)));
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                float px = x + 0.5f, py = y + 0.5f;
                float coverage = Clamp01(0.5f - sdf(px, py) / softness);
                if (coverage <= 0)
                    continue;
                Rgba c = paint(px, py);
                c.a *= coverage;
                Blend(x, y, c);
            }
        }
    }
    // Whole-image composite of `src` at (dx, dy).
    void Draw(const Image& src, int dx, int dy);
    Image Crop(int x, int y, int width, int height) const;

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

// Paints.
struct Solid {
    Rgba c;
    Rgba operator()(float, float) const { return c; }
};
struct VerticalGradient {
    float y0, y1;
    Rgba top, bottom;
    Rgba operator()(float, float y) const { return Mix(top, bottom, (y - y0) / (y1 - y0)); }
};
struct HorizontalGradient {
    float x0, x1;
    Rgba left, right;
    Rgba operator()(float x, float) const { return Mix(left, right, (x - x0) / (x1 - x0)); }
};

// A 5 x 7 pixel capital letter (the few the icons need) drawn at (x, y).
void DrawLetter(Image& image, char letter, int x, int y, Rgba colour);

}  // namespace skin
