// The end screens' pictures: the game-over title and its seventeen-frame burst of
// flame, the soul fire, and the two endings (angelic pale gold and white, diabolic
// crimson and black) with the small holy emblem.

#include "Canvas.h"
#include "Fonts.h"
#include "Painter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace
{
using namespace palette;

double smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Writes one premultiplied ARGB pixel.
void putPixel(unsigned char* data, int stride, int x, int y, const Rgba& colour, double alpha)
{
    const auto a = static_cast<std::uint32_t>(std::clamp(alpha, 0.0, 1.0) * 255);
    const auto r = static_cast<std::uint32_t>(std::clamp(colour.r, 0.0, 1.0) * a);
    const auto g = static_cast<std::uint32_t>(std::clamp(colour.g, 0.0, 1.0) * a);
    const auto b = static_cast<std::uint32_t>(std::clamp(colour.b, 0.0, 1.0) * a);
    reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = (a << 24) | (r << 16) | (g << 8) | b;
}

// Colour of fire by heat: deep red at the edges to a white core. `holy` turns it
// into a pale gold and white soul flame.
Rgba fireColour(double heat, bool holy)
{
    if (holy)
    {
        if (heat < 0.5)
            return Rgba::rgb(214, 168, 74).mix(kPaleGold, heat / 0.5);
        return kPaleGold.mix(kHoly, (heat - 0.5) / 0.5);
    }
    if (heat < 0.35)
        return kBlood.mix(kCrimson, heat / 0.35);
    if (heat < 0.7)
        return kCrimson.mix(kEmber, (heat - 0.35) / 0.35);
    return kEmber.mix(Rgba::rgb(255, 230, 150), (heat - 0.7) / 0.3);
}

// A flame rising from the bottom centre of a small canvas: `height` (0..1 of the
// canvas) sets its size, `time` scrolls its noise so frames move.
void paintFlameField(Canvas& c, double height, double width, double time, std::uint32_t seed, bool holy,
                     bool fadeBase = false)
{
    cairo_surface_t* surface = cairo_get_target(c.cr());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const double w = c.width(), h = c.height();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
        {
            const double v = 1.0 - y / h; // 0 at the bottom
            const double u = (x - w / 2) / (w / 2);
            const double n = fractalNoise(x / (w * 0.09), y / (h * 0.1) + time, seed, 4);
            const double n2 = fractalNoise(x / (w * 0.05), y / (h * 0.05) + time * 1.7, seed + 7, 3);
            const double rise = v / std::max(height, 0.01);
            // Tongues: the half-width narrows with height and is torn by the noise.
            const double halfWidth = width * std::pow(std::max(0.0, 1.0 - rise), 0.7) * (0.75 + 0.5 * n);
            const double sway = 0.18 * (n - 0.5) * rise;
            const double d = halfWidth > 0 ? 1.0 - std::abs(u + sway) / halfWidth : 0.0;
            if (d <= 0)
                continue;
            const double heat = std::clamp(d * (0.55 + 0.6 * n2) * (1.15 - rise * 0.6), 0.0, 1.0);
            // The base fades out instead of ending on the picture's edge.
            const double alpha =
                smooth(0.0, 0.25, d) * smooth(0.0, 0.15, heat + 0.05) * (fadeBase ? smooth(0.0, 0.2, v) : 1.0);
            putPixel(data, stride, x, y, fireColour(heat, holy), alpha);
        }
    cairo_surface_mark_dirty(surface);
}

// ---- Game over ----
void paintGameOver(Canvas& c, const std::string& words)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    // A flattened red haze that fades out well inside the picture's edges.
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, 1, 0.3);
    c.ellipse(0, 0, w * 0.45, w * 0.45);
    c.fillRadial(0, 0, 0, w * 0.45, {{0, kCrimson.alpha(0.55)}, {0.6, kBlood.alpha(0.3)}, {1, kBlood.alpha(0)}});
    cairo_new_path(cr);
    cairo_restore(cr);
    // A broken scythe lying behind the words.
    cairo_move_to(cr, w * 0.16, h * 0.78);
    cairo_line_to(cr, w * 0.47, h * 0.64);
    cairo_move_to(cr, w * 0.53, h * 0.61);
    cairo_line_to(cr, w * 0.8, h * 0.49);
    c.stroke(kInk, 64);
    c.stroke(Rgba::rgb(92, 60, 40), 36);
    cairo_new_path(cr);
    cairo_move_to(cr, w * 0.8, h * 0.49);
    cairo_curve_to(cr, w * 0.86, h * 0.3, w * 0.8, h * 0.14, w * 0.7, h * 0.1);
    cairo_curve_to(cr, w * 0.77, h * 0.2, w * 0.79, h * 0.33, w * 0.77, h * 0.47);
    cairo_close_path(cr);
    c.stroke(kInk, 22);
    c.fillLinear(w * 0.7, h * 0.1, w * 0.85, h * 0.5, {{0, kHoly}, {0.5, kBone}, {1, kAsh}});
    cairo_new_path(cr);
    double size = 680;
    while (c.textWidth(words, fonts::kTitle, size) > w * 0.92)
        size -= 10;
    c.title(words, fonts::kTitle, size, w / 2, h * 0.66, kBone, kCrimson, kInk, 16);
    // Blood dripping from the letters' feet.
    Dice dice(31);
    for (int i = 0; i < 22; ++i)
    {
        const double x = dice.range(w * 0.2, w * 0.8), top = h * 0.66 - 10, len = dice.range(60, 260);
        const double r = dice.range(8, 16);
        cairo_move_to(cr, x - r, top);
        cairo_line_to(cr, x - r * 0.6, top + len);
        cairo_arc(cr, x, top + len, r * 0.9, M_PI, 0);
        cairo_line_to(cr, x + r, top);
        cairo_close_path(cr);
        cairo_arc(cr, x, top + len, r * 1.2, 0, 2 * M_PI);
        c.fillLinear(0, top, 0, top + len, {{0, kCrimson}, {1, kBlood}});
        cairo_new_path(cr);
    }
}

// Frame `frame` of 17: the flame leaps up, roars and dies down.
void paintFlameFrame(Canvas& c, int frame)
{
    const double t = (frame + 1) / 18.0;
    const double envelope = std::pow(std::sin(M_PI * t), 0.6);
    Canvas small(c.width() / 4, c.height() / 4);
    paintFlameField(small, 0.25 + 0.72 * envelope, 0.35 + 0.55 * envelope, frame * 0.45, 91, false);
    c.paintScaled(small, 0, 0, 4.0);
    // Sparks thrown up by the burst.
    cairo_t* cr = c.cr();
    Dice dice(400 + frame);
    for (int i = 0; i < int(40 * envelope); ++i)
    {
        const double x = c.width() / 2 + dice.range(-0.4, 0.4) * c.width() * envelope;
        const double y = c.height() * (1 - dice.range(0.2, 1.0) * envelope);
        const double r = dice.range(4, 10);
        c.ellipse(x, y, r, r);
        c.fillColour(Rgba::rgb(255, 200, 120, dice.range(0.4, 0.9)));
        c.glow(kEmber, r * 2, 4);
        cairo_new_path(cr);
    }
}

void paintSoulFire(Canvas& c)
{
    Canvas small(c.width() / 2, c.height() / 2);
    paintFlameField(small, 0.92, 0.62, 2.3, 57, true, true);
    cairo_t* cr = c.cr();
    c.ellipse(c.width() / 2, c.height() * 0.7, c.width() * 0.45, c.height() * 0.3);
    c.fillRadial(c.width() / 2, c.height() * 0.7, 0, c.width() * 0.45,
                 {{0, kPaleGold.alpha(0.35)}, {1, kPaleGold.alpha(0)}});
    cairo_new_path(cr);
    c.paintScaled(small, 0, 0, 2.0);
    // A second, smaller tongue beside the first so the flame does not read as one cone.
    Canvas side(c.width() / 2, c.height() / 2);
    paintFlameField(side, 0.55, 0.4, 5.1, 58, true, true);
    cairo_save(cr);
    cairo_translate(cr, c.width() * 0.14, 0);
    c.paintScaled(side, 0, 0, 2.0, 0.8);
    cairo_restore(cr);
}

// ---- Endings ----
void figure(Canvas& c, double x, double base, double height, const Rgba& body, const Rgba& rim, const Rgba& eyes)
{
    // A hooded reaper holding the scythe upright.
    cairo_t* cr = c.cr();
    const double s = height / 1000.0;
    cairo_save(cr);
    cairo_translate(cr, x, base);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, -260, 0);
    cairo_curve_to(cr, -220, -400, -200, -700, -110, -860);
    cairo_curve_to(cr, -60, -960, 60, -960, 110, -860);
    cairo_curve_to(cr, 200, -700, 220, -400, 260, 0);
    cairo_close_path(cr);
    c.fillColour(body);
    c.stroke(rim, 14);
    cairo_new_path(cr);
    // The hood's shadow and the eyes burning in it.
    c.ellipse(0, -790, 80, 100);
    c.fillRadial(0, -800, 0, 100, {{0, Rgba{0, 0, 0, 0.95}}, {1, Rgba{0, 0, 0, 0.6}}});
    cairo_new_path(cr);
    for (int side : {-1, 1})
    {
        c.ellipse(side * 30, -800, 16, 9);
        c.fillColour(eyes);
        c.glow(eyes, 22, 6);
        cairo_new_path(cr);
    }
    cairo_move_to(cr, 300, 60);
    cairo_line_to(cr, 300, -1100);
    c.stroke(body, 30);
    cairo_new_path(cr);
    cairo_move_to(cr, 300, -1100);
    cairo_curve_to(cr, 120, -1220, -120, -1180, -260, -1000);
    cairo_curve_to(cr, -100, -1100, 120, -1110, 300, -1040);
    cairo_close_path(cr);
    c.fillColour(body);
    c.stroke(rim, 10);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void featherWing(Canvas& c, double x, double y, double dir, double scale)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir * scale, scale);
    for (int i = 0; i < 11; ++i)
    {
        const double a = -1.1 + i * 0.15;
        const double len = 820 - i * 40;
        cairo_save(cr);
        cairo_rotate(cr, a);
        c.ellipse(len * 0.55, 0, len * 0.55, 60);
        c.stroke(Rgba::rgb(170, 130, 60), 8);
        c.fillLinear(0, 0, len, 0, {{0, kGold}, {0.5, kPaleGold}, {1, kHoly}});
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

void batWing(Canvas& c, double x, double y, double dir, double scale)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir * scale, scale);
    // Finger bones from the wrist; the membrane between two tips sags toward the wrist.
    const double wx = 420, wy = -420;
    const double tips[][2] = {{900, -560}, {1000, -150}, {820, 220}, {480, 420}};
    const double body[2] = {40, 160};
    auto sag = [&](const double* from, const double* to, double amount)
    {
        const double mx = (from[0] + to[0]) / 2, my = (from[1] + to[1]) / 2;
        const double cx = mx + (wx - mx) * amount, cy = my + (wy - my) * amount;
        cairo_curve_to(cr, cx, cy, cx, cy, to[0], to[1]);
    };
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, wx, wy);
    cairo_line_to(cr, tips[0][0], tips[0][1]);
    for (int i = 1; i < 4; ++i)
        sag(tips[i - 1], tips[i], 0.4);
    sag(tips[3], body, 0.3);
    cairo_close_path(cr);
    c.fillLinear(0, -500, 900, 400, {{0, kCrimson}, {0.45, kBlood}, {1, kInk}});
    c.stroke(kInk, 14);
    cairo_new_path(cr);
    for (auto& t : tips)
    {
        cairo_move_to(cr, wx, wy);
        cairo_line_to(cr, t[0], t[1]);
    }
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, wx, wy);
    c.stroke(kInk, 22);
    c.stroke(Rgba::rgb(70, 14, 20), 8);
    cairo_new_path(cr);
    // A hooked claw at the wrist.
    cairo_move_to(cr, wx - 20, wy + 10);
    cairo_curve_to(cr, wx - 10, wy - 60, wx - 60, wy - 100, wx - 110, wy - 90);
    cairo_curve_to(cr, wx - 60, wy - 60, wx - 40, wy - 20, wx + 20, wy + 10);
    cairo_close_path(cr);
    c.fillColour(kBone.scaled(0.8));
    c.stroke(kInk, 6);
    cairo_new_path(cr);
    cairo_restore(cr);
}

void paintAngelic(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillLinear(0, 0, 0, h,
                 {{0, kHoly}, {0.45, kPaleGold}, {0.8, Rgba::rgb(214, 176, 110)}, {1, Rgba::rgb(120, 90, 60)}});
    cairo_new_path(cr);
    // Rays from the opening heaven.
    for (int i = 0; i < 18; ++i)
    {
        const double a = -M_PI / 2 + (i - 8.5) * 0.12;
        c.polygon({{w / 2, -200},
                   {w / 2 + std::cos(a - 0.03) * 3000, -200 + std::sin(a - 0.03) * -3000},
                   {w / 2 + std::cos(a + 0.03) * 3000, -200 + std::sin(a + 0.03) * -3000}});
        c.fillLinear(0, 0, 0, h, {{0, Rgba{1, 1, 1, 0.35}}, {1, Rgba{1, 1, 1, 0}}});
        cairo_new_path(cr);
    }
    // Clouds below.
    Dice dice(77);
    for (int i = 0; i < 60; ++i)
    {
        const double x = dice.range(-100, w + 100), y = h * dice.range(0.72, 1.0), r = dice.range(120, 320);
        c.ellipse(x, y, r * 1.6, r);
        c.fillRadial(x, y - r * 0.3, 0, r * 1.6,
                     {{0, Rgba{1, 1, 1, 0.95}}, {0.7, kPaleGold.alpha(0.8)}, {1, kPaleGold.alpha(0)}});
        cairo_new_path(cr);
    }
    // The halo and the ascending figure with its wings.
    c.ellipse(w / 2, h * 0.9 - 1030 * 1.2, 200, 56);
    c.stroke(kGold, 30);
    c.glow(kHoly, 60, 8);
    cairo_new_path(cr);
    featherWing(c, w / 2 - 110, h * 0.9 - 690 * 1.2, -1, 1.1);
    featherWing(c, w / 2 + 110, h * 0.9 - 690 * 1.2, 1, 1.1);
    figure(c, w / 2, h * 0.9, 1200, Rgba::rgb(250, 244, 228), kGold, kGold);
    c.title("Ascension", fonts::kTitle, 340, w / 2, h * 0.95, kHoly, kGold, Rgba::rgb(110, 80, 30), 10);
    c.vignette(0.25);
}

void paintDiabolic(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillLinear(0, 0, 0, h, {{0, kInk}, {0.5, Rgba::rgb(50, 6, 10)}, {0.85, kCrimson}, {1, kEmber}});
    cairo_new_path(cr);
    // Hellfire along the ground.
    Canvas fire(int(w / 8), int(h / 8));
    paintFlameField(fire, 0.55, 1.6, 4.0, 13, false);
    c.paintScaled(fire, 0, 0, 8.0);
    // Embers.
    Dice dice(55);
    for (int i = 0; i < 260; ++i)
    {
        const double x = dice.range(0, w), y = dice.range(0, h), r = dice.range(3, 9);
        c.ellipse(x, y, r, r);
        c.fillColour(Rgba::rgb(255, 140, 60, dice.range(0.3, 0.9)));
        cairo_new_path(cr);
    }
    // A throne of black spires and the crowned figure before it.
    for (int i = -4; i <= 4; ++i)
    {
        const double x = w / 2 + i * 170, top = h * (0.18 + std::abs(i) * 0.06);
        c.polygon({{x - 70, h * 0.86}, {x - 70, top + 120}, {x, top}, {x + 70, top + 120}, {x + 70, h * 0.86}});
        c.fillColour(kInk);
        c.stroke(kBlood, 6);
        cairo_new_path(cr);
    }
    batWing(c, w / 2 - 110, h * 0.9 - 690 * 1.2, -1, 1.15);
    batWing(c, w / 2 + 110, h * 0.9 - 690 * 1.2, 1, 1.15);
    figure(c, w / 2, h * 0.9, 1200, kInk, kCrimson, kEmber);
    // Horns of the crown.
    const double hb = h * 0.9;
    for (int side : {-1, 1})
    {
        cairo_move_to(cr, w / 2 + side * 60, hb - 1200 * 0.86);
        cairo_curve_to(cr, w / 2 + side * 160, hb - 1200 * 0.95, w / 2 + side * 200, hb - 1200 * 1.05,
                       w / 2 + side * 150, hb - 1200 * 1.15);
        cairo_curve_to(cr, w / 2 + side * 150, hb - 1200 * 1.02, w / 2 + side * 110, hb - 1200 * 0.95,
                       w / 2 + side * 20, hb - 1200 * 0.9);
        cairo_close_path(cr);
        c.fillColour(kInk);
        c.stroke(kCrimson, 8);
        cairo_new_path(cr);
    }
    c.title("Damnation", fonts::kTitle, 340, w / 2, h * 0.95, kCrimson, kBlood, kInk, 10);
    cairo_new_path(cr);
    c.vignette(0.5);
}

void paintHolyEmblem(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    c.ellipse(w / 2, h / 2, w * 0.45, h * 0.45);
    c.fillRadial(w / 2, h / 2, 0, w * 0.45,
                 {{0, kHoly.alpha(0.8)}, {0.6, kPaleGold.alpha(0.35)}, {1, kPaleGold.alpha(0)}});
    cairo_new_path(cr);
    featherWing(c, w / 2 - 40, h * 0.55, -1, 0.45);
    featherWing(c, w / 2 + 40, h * 0.55, 1, 0.45);
    c.ellipse(w / 2, h * 0.3, 150, 44);
    c.stroke(kGold, 22);
    c.glow(kHoly, 30, 6);
    cairo_new_path(cr);
    // A four-pointed star at the heart.
    const double cx = w / 2, cy = h * 0.55, R = 220, r = 50;
    std::vector<std::pair<double, double>> star;
    for (int i = 0; i < 8; ++i)
    {
        const double a = -M_PI / 2 + i * M_PI / 4, rr = i % 2 ? r : R;
        star.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
    }
    c.polygon(star);
    c.fillRadial(cx, cy, 0, R, {{0, kHoly}, {1, kGold}});
    c.stroke(Rgba::rgb(120, 90, 30), 6);
    cairo_new_path(cr);
}

class EndScreenPainter : public PatternPainter
{
public:
    EndScreenPainter() : PatternPainter({R"(Assets/Sprites/GameOver/.*)", R"(Assets/Sprites/Victory/.*)"}) {}
    std::string name() const override { return "end screens"; }
    int version() const override { return 6; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string file = std::filesystem::path(path).stem().string();
        if (path == "Assets/Sprites/GameOver/GameOver.png")
            return save(4400, 1400, output, [](Canvas& c) { paintGameOver(c, "Game Over"); });
        if (path == "Assets/Sprites/GameOver/French/GameOver.png")
            return save(4400, 1400, output, [](Canvas& c) { paintGameOver(c, "Partie terminée"); });
        if (path == "Assets/Sprites/GameOver/SoulFire.png")
            return save(600, 900, output, paintSoulFire);
        if (file.rfind("Flamme_", 0) == 0)
        {
            const int frame = std::stoi(file.substr(7)) - 1;
            if (frame < 0 || frame > 16)
                throw std::runtime_error("no flame frame for this file");
            return save(1800, 1700, output, [&](Canvas& c) { paintFlameFrame(c, frame); });
        }
        if (path == "Assets/Sprites/Victory/Angelique.png")
            return save(3840, 2160, output, paintAngelic);
        if (path == "Assets/Sprites/Victory/Diabolique.png")
            return save(3840, 2160, output, paintDiabolic);
        if (path == "Assets/Sprites/Victory/victory_holy.png")
            return save(1200, 1200, output, paintHolyEmblem);
        throw std::runtime_error("no end-screen picture for this file");
    }

private:
    template <typename F> static void save(int w, int h, const std::filesystem::path& output, F&& draw)
    {
        Canvas canvas(w, h);
        draw(canvas);
        canvas.savePng(output);
    }
};

RegisterPainter<EndScreenPainter> registration;
} // namespace
