// The small pictures: tray frames, status-list icons, the program icon.
#include <algorithm>
#include <cmath>

#include "app/layout.h"
#include "art.h"

namespace skin {

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kIcon = 16;
const Box kIconBox{0, 0, kIcon, kIcon};

Rgba Darker(Rgba c, float k) {
    return Rgba{c.r * k, c.g * k, c.b * k, c.a};
}
Rgba Lighter(Rgba c, float k) {
    return Mix(c, Rgba{1, 1, 1, c.a}, k);
}

// A shaded shape with a darker one-pixel rim.
template <typename Sdf>
void Shaded(Image& icon, Sdf sdf, Rgba colour, float top = 0, float bottom = kIcon) {
    icon.Fill(kIconBox, sdf, VerticalGradient{top, bottom, Lighter(colour, 0.35f), colour});
    icon.Fill(
        kIconBox, [&](float x, float y) { return std::fabs(sdf(x, y) + 0.5f) - 0.5f; },
        Solid{Darker(colour, 0.62f)});
}

void LetterDisc(Image& icon, Rgba colour, char letter) {
    Shaded(
        icon, [](float x, float y) { return Circle(x, y, 8.5f, 8.5f, 7.2f); }, colour, 1, 16);
    DrawLetter(icon, letter, 6, 5, Rgb(255, 255, 255));
}

void Document(Image& icon, Rgba band) {
    Box page{3, 1.5f, 13.5f, 14.5f};
    Shaded(
        icon, [&](float x, float y) { return RoundRect(x, y, page, 1); }, Rgb(250, 252, 250));
    if (band.a > 0)
        icon.Fill(
            Box{3.5f, 2, 13, 5}, [](float, float) { return -1.0f; }, Solid{band});
    for (int i = 0; i < 4; ++i) {
        float y = 7 + i * 2.0f;
        icon.Fill(
            kIconBox, [&](float x, float yy) { return Segment(x, yy, 5, y, 11.5f, y, 0.55f); },
            Solid{Rgb(120, 132, 146)});
    }
}

void Puzzle(Image& icon) {
    Box body{2, 5, 12, 15};
    auto sdf = [&](float x, float y) {
        return std::min({RoundRect(x, y, body, 1.5f), Circle(x, y, 7, 4.2f, 2.4f),
                         Circle(x, y, 12.6f, 10, 2.4f)});
    };
    Shaded(icon, sdf, Rgb(70, 178, 62));
}

void Person(Image& icon) {
    Shaded(
        icon, [](float x, float y) { return Circle(x, y, 8.5f, 5, 3.3f); }, Rgb(78, 118, 178));
    Shaded(
        icon,
        [](float x, float y) { return std::max(Ellipse(x, y, 8.5f, 15.5f, 6.5f, 6), y - 15.5f); },
        Rgb(78, 118, 178), 9, 16);
}

void Explorer(Image& icon) {
    // A gold orbit behind a blue "e".
    auto orbit = [](float x, float y) {
        float c = std::cos(-0.5f), s = std::sin(-0.5f);
        float dx = x - 8.5f, dy = y - 8.5f;
        float rx = dx * c - dy * s, ry = dx * s + dy * c;
        return std::fabs(Ellipse(rx, ry, 0, 0, 7.6f, 3.0f)) - 0.7f;
    };
    icon.Fill(kIconBox, orbit, Solid{Rgb(236, 184, 38)});
    auto ring = [](float x, float y) {
        float d = std::fabs(Circle(x, y, 8.5f, 8.5f, 4.6f)) - 1.5f;
        bool opening = x > 8.5f && y > 9.4f && y < 12.2f;  // the mouth of the "e"
        return opening ? std::max(d, 0.6f) : d;
    };
    auto letter = [&](float x, float y) {
        return std::min(ring(x, y), Segment(x, y, 4.5f, 8.6f, 12.6f, 8.6f, 1.0f));
    };
    icon.Fill(kIconBox, letter, VerticalGradient{3, 14, Rgb(70, 160, 240), Rgb(20, 86, 190)});
}

void Envelope(Image& icon) {
    Box body{1.5f, 3.5f, 14.5f, 12.5f};
    Shaded(
        icon, [&](float x, float y) { return RoundRect(x, y, body, 1); }, Rgb(226, 236, 250), 3,
        13);
    auto flap = [](float x, float y) {
        return std::min(Segment(x, y, 2.2f, 4.4f, 8, 9, 0.6f),
                        Segment(x, y, 8, 9, 13.8f, 4.4f, 0.6f));
    };
    icon.Fill(kIconBox, flap, Solid{Rgb(64, 96, 160)});
}

void Firefox(Image& icon) {
    Shaded(
        icon, [](float x, float y) { return Circle(x, y, 8.5f, 8.5f, 6.0f); }, Rgb(40, 92, 196));
    auto crescent = [](float x, float y) {
        return std::max(Circle(x, y, 8.5f, 8.5f, 7.3f), -Circle(x, y, 10.6f, 6.6f, 5.6f));
    };
    icon.Fill(kIconBox, crescent, VerticalGradient{2, 16, Rgb(250, 160, 40), Rgb(214, 64, 20)});
}

void Opera(Image& icon) {
    auto ring = [](float x, float y) {
        return std::fabs(Ellipse(x, y, 8.5f, 8.5f, 5.0f, 6.3f)) - 1.9f;
    };
    icon.Fill(kIconBox, ring, VerticalGradient{1, 16, Rgb(246, 80, 80), Rgb(176, 16, 28)});
}

void WindowsFlag(Image& icon) {
    const Rgba colours[4] = {Rgb(240, 84, 40), Rgb(124, 190, 40), Rgb(40, 150, 232),
                             Rgb(250, 190, 30)};
    for (int i = 0; i < 4; ++i) {
        float x0 = i % 2 ? 8.8f : 1.8f, y0 = i / 2 ? 8.8f : 1.8f;
        Box square{x0, y0, x0 + 6.4f, y0 + 6.4f};
        Shaded(
            icon, [&](float x, float y) { return RoundRect(x, y, square, 1.2f); }, colours[i], y0,
            y0 + 7);
    }
}

void Gear(Image& icon) {
    auto gear = [](float x, float y) {
        float d = Circle(x, y, 8.5f, 8.5f, 5.0f);
        for (int i = 0; i < 8; ++i) {
            float a = i * kPi / 4;
            float ax = 8.5f + std::cos(a) * 4.5f, ay = 8.5f + std::sin(a) * 4.5f;
            float bx = 8.5f + std::cos(a) * 6.6f, by = 8.5f + std::sin(a) * 6.6f;
            d = std::min(d, Segment(x, y, ax, ay, bx, by, 1.1f));
        }
        return std::max(d, -Circle(x, y, 8.5f, 8.5f, 2.0f));
    };
    Shaded(icon, gear, Rgb(120, 132, 146));
}

Image StatusIcon(int index) {
    Image icon(kIcon, kIcon);
    switch (index) {
        case 1:
            Puzzle(icon);
            break;
        case 2:
            Person(icon);
            break;
        case 3:
            Explorer(icon);
            break;
        case 4:
            Envelope(icon);
            break;
        case 5:
            LetterDisc(icon, Rgb(122, 70, 176), 'A');
            break;  // Advanced Browser
        case 6:
            LetterDisc(icon, Rgb(226, 104, 30), 'V');
            break;  // Avant Browser
        case 7:
            LetterDisc(icon, Rgb(84, 96, 112), 'E');
            break;  // Enigma Browser
        case 8:
            Firefox(icon);
            break;
        case 9:
            LetterDisc(icon, Rgb(40, 110, 206), 'M');
            break;  // Maxthon
        case 10:
            LetterDisc(icon, Rgb(38, 150, 72), 'C');
            break;  // NetCaptor
        case 11:
            LetterDisc(icon, Rgb(0, 124, 138), 'N');
            break;  // Netscape
        case 12:
            Opera(icon);
            break;
        case 13:
            LetterDisc(icon, Rgb(52, 164, 220), 'S');
            break;  // Slim Browser
        case 14:
            WindowsFlag(icon);
            break;
        case 15:
            Gear(icon);
            break;
        case 16:
            Document(icon, Rgb(232, 112, 30));
            break;  // Office
        default:
            Document(icon, Rgba{});
            break;
    }
    return icon;
}

}  // namespace

Image StatusIcons() {
    Image strip(kIcon * layout::kStatusIcons, kIcon);
    for (int i = 0; i < layout::kStatusIcons; ++i)
        strip.Draw(StatusIcon(i), i * kIcon, 0);
    return strip;
}

Image SunFrames() {
    Image strip(kIcon * layout::kSunFrames, kIcon);
    for (int i = 0; i < layout::kSunFrames; ++i) {
        float t = i / static_cast<float>(layout::kSunFrames - 1);
        Image frame(kIcon, kIcon);
        // The sun sinks into the tide and reddens as traces pile up; a wash brings it back.
        float cy = 6.0f + 5.0f * t, r = 4.6f;
        Rgba core = Mix(Rgb(255, 236, 120), Rgb(240, 110, 50), t);
        Rgba rim = Mix(Rgb(255, 170, 30), Rgb(190, 50, 30), t);
        if (i == 0) {
            for (int k = 0; k < 8; ++k) {
                float a = k * kPi / 4;
                float ax = 8 + std::cos(a) * 5.8f, ay = cy + std::sin(a) * 5.8f;
                float bx = 8 + std::cos(a) * 7.4f, by = cy + std::sin(a) * 7.4f;
                frame.Fill(
                    kIconBox, [&](float x, float y) { return Segment(x, y, ax, ay, bx, by, 0.7f); },
                    Solid{Rgb(255, 206, 60)});
            }
        }
        frame.Fill(
            kIconBox, [&](float x, float y) { return Circle(x, y, 8, cy, r); },
            VerticalGradient{cy - r, cy + r, core, rim});
        auto water = [](float x, float y) { return (11.5f + 0.8f * std::sin(x * 0.9f)) - y; };
        frame.Fill(kIconBox, water, VerticalGradient{10, 16, Rgb(56, 160, 214), Rgb(24, 96, 170)});
        frame.Fill(
            kIconBox, [&](float x, float y) { return std::fabs(water(x, y)) - 0.5f; },
            Solid{WithAlpha(Rgb(220, 244, 255), 0.9f)});
        strip.Draw(frame, i * kIcon, 0);
    }
    return strip;
}

Image ProgramIcon(int size) {
    const float s = static_cast<float>(size), k = s / 48.0f;
    Image icon(size, size);
    Box tile{0.5f, 0.5f, s - 0.5f, s - 0.5f};
    const float radius = 9 * k;
    auto tileSdf = [&](float x, float y) { return RoundRect(x, y, tile, radius); };
    icon.Fill(tile, tileSdf, VerticalGradient{0, s, Rgb(124, 234, 110), Rgb(26, 116, 44)});
    // Sun with a glow.
    const float sx = s * 0.63f, sy = s * 0.36f, sr = s * 0.17f;
    icon.Fill(
        tile,
        [&](float x, float y) { return std::max(tileSdf(x, y), Circle(x, y, sx, sy, sr * 2.1f)); },
        [&](float x, float y) {
            float d = std::hypot(x - sx, y - sy) / (sr * 2.1f);
            return WithAlpha(Rgb(255, 236, 150), 0.55f * (1 - Clamp01(d)));
        });
    icon.Fill(
        tile, [&](float x, float y) { return Circle(x, y, sx, sy, sr); },
        VerticalGradient{sy - sr, sy + sr, Rgb(255, 246, 170), Rgb(255, 170, 40)});
    // Two waves of the tide.
    auto wave = [&](float base, float amplitude, float phase) {
        return [=](float x) { return base + amplitude * std::sin(x / s * 2 * kPi * 1.3f + phase); };
    };
    auto w1 = wave(s * 0.64f, s * 0.05f, 0.3f);
    auto w2 = wave(s * 0.80f, s * 0.045f, 2.2f);
    icon.Fill(
        tile, [&](float x, float y) { return std::max(tileSdf(x, y), w1(x) - y); },
        VerticalGradient{s * 0.55f, s, Rgb(40, 150, 190), Rgb(16, 86, 130)});
    float band = std::max(0.8f, s * 0.035f);
    icon.Fill(
        tile,
        [&](float x, float y) { return std::max(tileSdf(x, y) + k, std::fabs(w1(x) - y) - band); },
        Solid{WithAlpha(Rgb(255, 255, 255), 0.95f)});
    icon.Fill(
        tile,
        [&](float x, float y) {
            return std::max(tileSdf(x, y) + k, std::fabs(w2(x) - y) - band * 0.8f);
        },
        Solid{WithAlpha(Rgb(230, 250, 255), 0.75f)});
    icon.Fill(
        tile, [&](float x, float y) { return std::fabs(tileSdf(x, y) + 0.5f) - 0.5f; },
        Solid{WithAlpha(Rgb(12, 60, 24), 0.85f)});
    return icon;
}

}  // namespace skin
