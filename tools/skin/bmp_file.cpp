#include "bmp_file.h"

#include <cstdint>
#include <fstream>

namespace skin {

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint8_t Byte(float v) {
    return static_cast<std::uint8_t>(std::lround(Clamp01(v) * 255.0f));
}

bool Save(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// BITMAPINFOHEADER for a bottom-up image.
void PutInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t colours) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, colours);
    Put32(out, 0);
}

std::uint32_t RowSize(int width, int bits) {
    return static_cast<std::uint32_t>(((width * bits + 31) / 32) * 4);
}

Bytes FileWithHeader(int width, int height, int bits, const Bytes& palette, const Bytes& pixels) {
    Bytes out;
    std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size());
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, width, height, bits, static_cast<std::uint32_t>(pixels.size()),
                  static_cast<std::uint32_t>(palette.size() / 4));
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// Composite for the opaque formats; nullopt-like flag for "transparent".
bool Flatten(Rgba p, Rgba backdrop, Rgba& out) {
    if (p.a < 0.5f)
        return false;
    out = Mix(backdrop, Rgba{p.r, p.g, p.b, 1}, p.a);
    out.a = 1;
    return true;
}

// The fixed palette: a 6 x 6 x 6 colour cube, 24 greens of the skin, 15 greys, magenta.
std::vector<Rgba> FixedPalette() {
    std::vector<Rgba> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours.push_back(Rgba{r / 5.0f, g / 5.0f, b / 5.0f, 1});
    for (int i = 0; i < 24; ++i) {
        float t = i / 23.0f;
        colours.push_back(Mix(Rgb(16, 74, 30), Rgb(244, 251, 242), t));
    }
    for (int i = 1; i <= 15; ++i)
        colours.push_back(Rgba{i / 16.0f, i / 16.0f, i / 16.0f, 1});
    colours.push_back(Rgb(255, 0, 255));
    return colours;
}

int Nearest(const std::vector<Rgba>& palette, Rgba c) {
    int best = 0;
    float bestDistance = 1e9f;
    for (std::size_t i = 0; i + 1 < palette.size(); ++i) {  // never magenta by accident
        float dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        float d = dr * dr * 0.3f + dg * dg * 0.59f + db * db * 0.11f;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    return best;
}

}  // namespace

bool WriteBmp24(const std::string& path, const Image& image, Rgba backdrop) {
    int w = image.Width(), h = image.Height();
    std::uint32_t row = RowSize(w, 24);
    Bytes pixels(row * static_cast<std::uint32_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* line = pixels.data() + row * static_cast<std::uint32_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            Rgba c;
            if (!Flatten(image.Get(x, y), backdrop, c))
                c = Rgb(255, 0, 255);
            line[x * 3 + 0] = Byte(c.b);
            line[x * 3 + 1] = Byte(c.g);
            line[x * 3 + 2] = Byte(c.r);
        }
    }
    return Save(path, FileWithHeader(w, h, 24, {}, pixels));
}

bool WriteBmp32(const std::string& path, const Image& image) {
    int w = image.Width(), h = image.Height();
    Bytes pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4, 0);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* line = pixels.data() + static_cast<std::size_t>(w) * 4 * (h - 1 - y);
        for (int x = 0; x < w; ++x) {
            Rgba c = image.Get(x, y);
            line[x * 4 + 0] = Byte(c.b * c.a);
            line[x * 4 + 1] = Byte(c.g * c.a);
            line[x * 4 + 2] = Byte(c.r * c.a);
            line[x * 4 + 3] = Byte(c.a);
        }
    }
    return Save(path, FileWithHeader(w, h, 32, {}, pixels));
}

bool WriteBmp8(const std::string& path, const Image& image, Rgba backdrop) {
    static const float kBayer[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<Rgba> palette = FixedPalette();
    Bytes paletteBytes;
    for (std::size_t i = 0; i < 256; ++i) {
        Rgba c = i < palette.size() ? palette[i] : Rgba{0, 0, 0, 1};
        paletteBytes.push_back(Byte(c.b));
        paletteBytes.push_back(Byte(c.g));
        paletteBytes.push_back(Byte(c.r));
        paletteBytes.push_back(0);
    }
    auto magenta = static_cast<std::uint8_t>(palette.size() - 1);
    int w = image.Width(), h = image.Height();
    std::uint32_t row = RowSize(w, 8);
    Bytes pixels(row * static_cast<std::uint32_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* line = pixels.data() + row * static_cast<std::uint32_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            Rgba c;
            if (!Flatten(image.Get(x, y), backdrop, c)) {
                line[x] = magenta;
                continue;
            }
            float dither = (kBayer[y % 4][x % 4] / 16.0f - 0.5f) * 0.12f;
            c.r = Clamp01(c.r + dither);
            c.g = Clamp01(c.g + dither);
            c.b = Clamp01(c.b + dither);
            line[x] = static_cast<std::uint8_t>(Nearest(palette, c));
        }
    }
    return Save(path, FileWithHeader(w, h, 8, paletteBytes, pixels));
}

bool WriteIco(const std::string& path, const std::vector<Image>& sizes) {
    std::vector<Bytes> entries;
    for (const Image& image : sizes) {
        int w = image.Width(), h = image.Height();
        Bytes entry;
        std::uint32_t maskRow = RowSize(w, 1);
        std::uint32_t imageSize =
            static_cast<std::uint32_t>(w * h * 4) + maskRow * static_cast<std::uint32_t>(h);
        PutInfoHeader(entry, w, h * 2, 32, imageSize, 0);
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x) {
                Rgba c = image.Get(x, y);
                entry.push_back(Byte(c.b));
                entry.push_back(Byte(c.g));
                entry.push_back(Byte(c.r));
                entry.push_back(Byte(c.a));
            }
        for (int y = h - 1; y >= 0; --y) {
            Bytes mask(maskRow, 0);
            for (int x = 0; x < w; ++x)
                if (image.Get(x, y).a < 0.5f)
                    mask[static_cast<std::size_t>(x / 8)] |=
                        static_cast<std::uint8_t>(0x80 >> (x % 8));
            entry.insert(entry.end(), mask.begin(), mask.end());
        }
        entries.push_back(std::move(entry));
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        int w = sizes[i].Width(), h = sizes[i].Height();
        out.push_back(static_cast<std::uint8_t>(w >= 256 ? 0 : w));
        out.push_back(static_cast<std::uint8_t>(h >= 256 ? 0 : h));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const Bytes& entry : entries)
        out.insert(out.end(), entry.begin(), entry.end());
    return Save(path, out);
}

}  // namespace skin
