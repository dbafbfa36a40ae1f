// The window pictures: background, buttons, splash.
#include <cmath>

#include "app/layout.h"
#include "art.h"

namespace skin {

namespace {

constexpr float kPi = 3.14159265f;

Box BoxOf(const layout::Area& a) {
    return Box{static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(a.x + a.width),
               static_cast<float>(a.y + a.height)};
}

Box Inset(Box b, float d) {
    return Box{b.x0 + d, b.y0 + d, b.x1 - d, b.y1 - d};
}

// A one-pixel outline of a rounded rectangle.
void Outline(Image& image, Box box, float radius, Rgba colour) {
    image.Fill(
        box, [&](float x, float y) { return std::fabs(RoundRect(x, y, box, radius)) - 0.5f; },
        Solid{colour});
}

// A band of water whose upper edge is a sum of two sines, fading downwards.
void Wave(Image& image, float baseY, float amplitude, float wavelength, float phase, Rgba colour,
          float fade) {
    auto surface = [=](float x) {
        return baseY + amplitude * std::sin(2 * kPi * x / wavelength + phase) +
               amplitude * 0.35f * std::sin(2 * kPi * x / (wavelength * 0.43f) + phase * 1.7f);
    };
    Box all{0, baseY - amplitude * 2, static_cast<float>(image.Width()),
            static_cast<float>(image.Height())};
    image.Fill(
        all, [&](float x, float y) { return surface(x) - y; },
        [&](float x, float y) {
            float depth = (y - surface(x)) / fade;
            return WithAlpha(colour, colour.a * (1 - 0.7f * Clamp01(depth)));
        });
    // A brighter crest line.
    image.Fill(
        all, [&](float x, float y) { return std::fabs(surface(x) - y) - 0.6f; },
        Solid{WithAlpha(Rgb(255, 255, 255), colour.a * 1.6f)});
}

void Glossy(Image& image, Box box, float radius, Rgba top, Rgba bottom, Rgba border, float gloss) {
    image.Fill(
        box, [&](float x, float y) { return RoundRect(x, y, box, radius); },
        VerticalGradient{box.y0, box.y1, top, bottom});
    if (gloss > 0) {
        float mid = box.y0 + (box.y1 - box.y0) * 0.48f;
        Box shine{box.x0 + 1.5f, box.y0 + 1.5f, box.x1 - 1.5f, mid};
        image.Fill(
            shine, [&](float x, float y) { return RoundRect(x, y, shine, radius - 1.5f); },
            VerticalGradient{shine.y0, shine.y1, WithAlpha(Rgb(255, 255, 255), gloss),
                             WithAlpha(Rgb(255, 255, 255), gloss * 0.25f)});
    }
    Outline(image, box, radius, border);
}

}  // namespace

Image Background() {
    const float w = layout::kClientWidth, h = layout::kClientHeight;
    Image image(layout::kClientWidth, layout::kClientHeight);
    Box all{0, 0, w, h};
    image.Fill(
        all, [](float, float) { return -1.0f; },
        VerticalGradient{0, h, Rgb(112, 230, 102), Rgb(52, 164, 58)});
    // A soft light from the upper left.
    image.Fill(
        all, [](float, float) { return -1.0f; },
        [&](float x, float y) {
            float d = std::hypot(x - 90, y + 60) / 520.0f;
            return WithAlpha(Rgb(255, 255, 240), 0.16f * (1 - Clamp01(d)));
        });
    // The tide along the bottom.
    Wave(image, h - 92, 6, 210, 0.4f, WithAlpha(Rgb(255, 255, 255), 0.07f), 60);
    Wave(image, h - 66, 5, 170, 2.1f, WithAlpha(Rgb(240, 255, 250), 0.08f), 50);
    Wave(image, h - 40, 4, 140, 4.0f, WithAlpha(Rgb(230, 255, 245), 0.10f), 40);

    // Title strip.
    float th = layout::kTitleHeight;
    image.Fill(
        Box{0, 0, w, th}, [](float, float) { return -1.0f; },
        VerticalGradient{0, th, Rgb(44, 138, 56), Rgb(18, 84, 32)});
    image.Fill(
        Box{0, 0, w, th * 0.5f}, [](float, float) { return -1.0f; },
        VerticalGradient{0, th * 0.5f, WithAlpha(Rgb(255, 255, 255), 0.16f),
                         WithAlpha(Rgb(255, 255, 255), 0.02f)});
    // A glow behind the logo.
    image.Fill(
        Box{0, 0, 200, th}, [](float, float) { return -1.0f; },
        [](float x, float y) {
            float d = std::hypot((x - 26) / 1.4f, y - 22) / 70.0f;
            return WithAlpha(Rgb(190, 255, 170), 0.22f * (1 - Clamp01(d)));
        });
    image.Fill(
        Box{0, th, w, th + 1}, [](float, float) { return -1.0f; },
        Solid{WithAlpha(Rgb(150, 240, 136), 0.9f)});
    image.Fill(
        Box{0, th + 1, w, th + 3}, [](float, float) { return -1.0f; },
        VerticalGradient{th + 1, th + 3, WithAlpha(Rgb(10, 60, 20), 0.30f),
                         WithAlpha(Rgb(10, 60, 20), 0.0f)});

    // The page-button column.
    Box nav = BoxOf(layout::kNavPanel);
    image.Fill(
        nav, [&](float x, float y) { return RoundRect(x, y, nav, 8); },
        VerticalGradient{nav.y0, nav.y1, WithAlpha(Rgb(16, 80, 30), 0.20f),
                         WithAlpha(Rgb(16, 80, 30), 0.12f)});
    Outline(image, Inset(nav, 0.5f), 8, WithAlpha(Rgb(255, 255, 255), 0.30f));

    // The content panel, with its shadow.
    Box panel = BoxOf(layout::kContentPanel);
    Box shadow{panel.x0 + 2, panel.y0 + 3, panel.x1 + 2, panel.y1 + 3};
    image.Fill(
        shadow, [&](float x, float y) { return RoundRect(x, y, shadow, 9); },
        Solid{WithAlpha(Rgb(0, 40, 10), 0.30f)}, 5.0f);
    image.Fill(
        panel, [&](float x, float y) { return RoundRect(x, y, panel, 8); },
        Solid{Rgb(30, 107, 42)});
    Box inner = Inset(panel, 1);
    image.Fill(
        inner, [&](float x, float y) { return RoundRect(x, y, inner, 7); }, Solid{PanelColour()});

    // Window edge: dark outside, a faint highlight inside.
    image.Fill(
        all,
        [&](float x, float y) { return std::fabs(RoundRect(x, y, Inset(all, 0.5f), 0)) - 0.5f; },
        Solid{Rgb(14, 64, 26)});
    image.Fill(
        all,
        [&](float x, float y) { return std::fabs(RoundRect(x, y, Inset(all, 1.5f), 0)) - 0.5f; },
        Solid{WithAlpha(Rgb(255, 255, 255), 0.22f)});
    return image;
}

Image Button(ButtonLook look) {
    Image image(layout::kButtonPictureWidth, layout::kButtonPictureHeight);
    Box box{0.5f, 0.5f, layout::kButtonPictureWidth - 0.5f, layout::kButtonPictureHeight - 0.5f};
    const float r = 6;
    switch (look) {
        case ButtonLook::Up:
            Glossy(image, box, r, Rgb(156, 240, 144), Rgb(62, 178, 58), Rgb(30, 107, 42), 0.50f);
            break;
        case ButtonLook::Down:
            Glossy(image, box, r, Rgb(58, 156, 56), Rgb(108, 214, 98), Rgb(18, 78, 30), 0.0f);
            image.Fill(
                box, [&](float x, float y) { return RoundRect(x, y, box, r); },
                VerticalGradient{box.y0, box.y0 + 7, WithAlpha(Rgb(0, 40, 0), 0.30f),
                                 WithAlpha(Rgb(0, 40, 0), 0.0f)});
            break;
        case ButtonLook::Disabled:
            Glossy(image, box, r, Rgb(226, 234, 224), Rgb(196, 208, 194), Rgb(150, 166, 148),
                   0.30f);
            break;
        case ButtonLook::RedUp:
            Glossy(image, box, r, Rgb(252, 138, 112), Rgb(200, 42, 28), Rgb(120, 20, 12), 0.45f);
            break;
        case ButtonLook::RedDown:
            Glossy(image, box, r, Rgb(176, 34, 22), Rgb(234, 96, 74), Rgb(96, 14, 8), 0.0f);
            image.Fill(
                box, [&](float x, float y) { return RoundRect(x, y, box, r); },
                VerticalGradient{box.y0, box.y0 + 7, WithAlpha(Rgb(40, 0, 0), 0.30f),
                                 WithAlpha(Rgb(40, 0, 0), 0.0f)});
            break;
    }
    return image;
}

Image SmallButton(bool down) {
    Image image(layout::kSmallButtonSize, layout::kSmallButtonSize);
    const float c = layout::kSmallButtonSize / 2.0f, r = c - 1;
    Box box{0, 0, 2 * c, 2 * c};
    auto disc = [&](float x, float y) { return Circle(x, y, c, c, r); };
    if (down) {
        image.Fill(box, disc, VerticalGradient{0, 2 * c, Rgb(20, 84, 32), Rgb(56, 146, 60)});
    } else {
        image.Fill(box, disc, VerticalGradient{0, 2 * c, Rgb(98, 196, 96), Rgb(28, 104, 40)});
        image.Fill(
            box,
            [&](float x, float y) { return Ellipse(x, y, c, c - r * 0.45f, r * 0.72f, r * 0.45f); },
            VerticalGradient{1, c, WithAlpha(Rgb(255, 255, 255), 0.50f),
                             WithAlpha(Rgb(255, 255, 255), 0.06f)});
    }
    image.Fill(
        box, [&](float x, float y) { return std::fabs(disc(x, y)) - 0.5f; },
        Solid{WithAlpha(Rgb(255, 255, 255), down ? 0.40f : 0.60f)});
    return image;
}

Image Intro() {
    const float w = layout::kIntroWidth, h = layout::kIntroHeight;
    Image image(layout::kIntroWidth, layout::kIntroHeight);
    Box all{0, 0, w, h};
    image.Fill(
        all, [](float, float) { return -1.0f; },
        HorizontalGradient{0, w, Rgb(18, 88, 36), Rgb(84, 206, 76)});
    image.Fill(
        all, [](float, float) { return -1.0f; },
        VerticalGradient{0, h, WithAlpha(Rgb(255, 255, 255), 0.10f),
                         WithAlpha(Rgb(0, 30, 10), 0.20f)});
    // The sun, its glow and rays.
    const float sx = 58, sy = 44, sr = 21;
    image.Fill(
        all, [](float, float) { return -1.0f; },
        [&](float x, float y) {
            float d = std::hypot(x - sx, y - sy) / 70.0f;
            return WithAlpha(Rgb(255, 214, 90), 0.55f * (1 - Clamp01(d)));
        });
    for (int i = 0; i < 12; ++i) {
        float a = i * kPi / 6 + 0.13f;
        float ax = sx + std::cos(a) * (sr + 5), ay = sy + std::sin(a) * (sr + 5);
        float bx = sx + std::cos(a) * (sr + 12), by = sy + std::sin(a) * (sr + 12);
        image.Fill(
            Box{std::fmin(ax, bx) - 3, std::fmin(ay, by) - 3, std::fmax(ax, bx) + 3,
                std::fmax(ay, by) + 3},
            [&](float x, float y) { return Segment(x, y, ax, ay, bx, by, 1.6f); },
            Solid{WithAlpha(Rgb(255, 226, 120), 0.85f)});
    }
    image.Fill(
        Box{sx - sr, sy - sr, sx + sr, sy + sr},
        [&](float x, float y) { return Circle(x, y, sx, sy, sr); },
        VerticalGradient{sy - sr, sy + sr, Rgb(255, 244, 170), Rgb(255, 176, 52)});
    // Water over the sun's lower edge.
    Wave(image, 70, 3.5f, 120, 0.8f, WithAlpha(Rgb(20, 110, 120), 0.55f), 30);
    Wave(image, 80, 3.0f, 90, 2.6f, WithAlpha(Rgb(210, 255, 250), 0.16f), 20);
    Wave(image, 90, 2.5f, 70, 4.4f, WithAlpha(Rgb(210, 255, 250), 0.18f), 12);
    image.Fill(
        all,
        [&](float x, float y) { return std::fabs(RoundRect(x, y, Inset(all, 0.5f), 0)) - 0.5f; },
        Solid{Rgb(14, 64, 26)});
    return image;
}

}  // namespace skin
