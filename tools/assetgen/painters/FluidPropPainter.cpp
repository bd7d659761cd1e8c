// Props of liquid and glass: spills and pools, streams pouring from cracks, the
// great waterfall, blood, the boss's ichor, a paper boat, alchemical tanks and
// tubes. Streams move downward frame after frame and loop seamlessly.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include "world/PropRegistry.h"

#include <cmath>
#include <functional>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

struct Liquid
{
    Rgba deep, body, shine;
};

// The colour of fluid k: venom green, cave blue, violet, lava, blood.
Liquid liquidOf(int k)
{
    switch (k % 5)
    {
    case 0:
        return {Rgba::rgb(14, 40, 20), Rgba::rgb(70, 170, 60), Rgba::rgb(200, 255, 150)};
    case 1:
        return {Rgba::rgb(10, 24, 50), Rgba::rgb(40, 120, 200), Rgba::rgb(170, 240, 255)};
    case 2:
        return {Rgba::rgb(30, 10, 44), Rgba::rgb(130, 60, 190), Rgba::rgb(230, 180, 255)};
    case 3:
        return {Rgba::rgb(60, 10, 4), Rgba::rgb(230, 90, 20), Rgba::rgb(255, 230, 140)};
    default:
        return {Rgba::rgb(30, 2, 6), Rgba::rgb(140, 12, 24), Rgba::rgb(240, 90, 90)};
    }
}


void pool(Canvas& c, double cx, double cy, double rx, double ry, const Liquid& l, std::uint32_t seed, double t)
{
    cairo_t* cr = c.cr();
    blobPath(c, cx, cy, rx * 1.06, ry * 1.08, seed, 0.35, 16);
    c.fillColour(kInk.alpha(0.6));
    c.clearPath();
    blobPath(c, cx, cy, rx, ry, seed, 0.35, 16);
    c.fillRadial(cx - rx * 0.2, cy - ry * 0.3, 0, std::max(rx, ry),
                 {{0, l.body.scaled(1.2)}, {0.6, l.body}, {1, l.deep}});
    c.stroke(l.deep.scaled(0.6), 3);
    c.clearPath();
    // Highlights drifting around the surface, and ripple rings.
    for (int i = 0; i < 3; ++i)
    {
        const double a = t * 2 * M_PI + i * 2.1;
        c.ellipse(cx + std::cos(a) * rx * 0.35, cy + std::sin(a) * ry * 0.3, rx * 0.16, ry * 0.07);
        c.fillColour(l.shine.alpha(0.45));
        c.clearPath();
    }
    const double life = std::fmod(t * 2, 1.0);
    c.ellipse(cx + rx * 0.1, cy, rx * (0.1 + life * 0.5), ry * (0.1 + life * 0.5));
    c.stroke(l.shine.alpha(0.5 * (1 - life)), 2);
    c.clearPath();
    (void)cr;
}

// A stream pouring from a crack at the top of the frame into a pool at its foot.
void stream(Canvas& c, double w, double h, double t, const Liquid& l, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    const double topW = w * 0.18, botW = w * 0.36, poolY = h * 0.82;
    pool(c, w / 2, poolY, w * 0.46, h * 0.13, l, seed, t);
    // Rock lip the stream spills from.
    blobPath(c, w / 2, h * 0.06, w * 0.38, h * 0.06, seed + 3, 0.5, 12);
    volume(c, w / 2, h * 0.06, w * 0.38, Rgba::rgb(80, 70, 76), Rgba::rgb(20, 16, 20), 2);
    auto streamPath = [&]
    {
        cairo_move_to(cr, w / 2 - topW / 2, h * 0.08);
        cairo_curve_to(cr, w / 2 - topW * 0.6, h * 0.4, w / 2 - botW * 0.6, h * 0.6, w / 2 - botW / 2, poolY);
        cairo_line_to(cr, w / 2 + botW / 2, poolY);
        cairo_curve_to(cr, w / 2 + botW * 0.6, h * 0.6, w / 2 + topW * 0.6, h * 0.4, w / 2 + topW / 2, h * 0.08);
        cairo_close_path(cr);
    };
    streamPath();
    c.glow(l.body.alpha(0.6), w * 0.05, 5);
    c.fillLinear(w / 2 - botW / 2, 0, w / 2 + botW / 2, 0,
                 {{0, l.deep}, {0.3, l.body}, {0.5, l.body.scaled(1.3)}, {0.7, l.body}, {1, l.deep}});
    c.clearPath();
    // Bands of light running down; the pattern advances by one period per cycle.
    cairo_save(cr);
    streamPath();
    cairo_clip(cr);
    const double period = h * 0.12;
    for (int i = -1; i < 12; ++i)
    {
        const double y = h * 0.08 + (i + t) * period;
        const double x = w / 2 + std::sin(i * 1.7) * w * 0.05;
        cairo_move_to(cr, x - w * 0.12, y);
        cairo_curve_to(cr, x - w * 0.04, y + period * 0.25, x + w * 0.04, y + period * 0.25, x + w * 0.12, y);
        c.stroke(l.shine.alpha(0.55), 2.5);
        c.clearPath();
    }
    cairo_restore(cr);
    // Splash and foam where it meets the pool.
    for (int i = 0; i < 10; ++i)
    {
        const double a = dice.range(M_PI, 2 * M_PI), life = std::fmod(t + dice.uniform(), 1.0);
        const double x = w / 2 + std::cos(a) * botW * 0.5 * (0.5 + life), y = poolY + std::sin(a) * h * 0.05 * life * 3;
        c.ellipse(x, y, 3 * (1 - life) + 1, 3 * (1 - life) + 1);
        c.fillColour(l.shine.alpha(0.8 * (1 - life)));
        c.clearPath();
    }
}

void waterfall(Canvas& c, double w, double h, double t)
{
    cairo_t* cr = c.cr();
    const Liquid l = liquidOf(1);
    // The cliff, the falling sheet, the basin.
    cairo_rectangle(cr, 0, 0, w, h * 0.22);
    c.fillLinear(0, 0, 0, h * 0.22, {{0, Rgba::rgb(30, 28, 40)}, {1, Rgba::rgb(60, 56, 70)}});
    c.clearPath();
    blobPath(c, w / 2, h * 0.82, w * 0.48, h * 0.16, 5, 0.25, 20);
    c.fillRadial(w / 2, h * 0.8, 0, w * 0.48, {{0, l.body}, {1, l.deep}});
    c.stroke(kInk, 3);
    c.clearPath();
    const double left = w * 0.18, right = w * 0.82;
    cairo_rectangle(cr, left, h * 0.2, right - left, h * 0.6);
    c.fillLinear(0, h * 0.2, 0, h * 0.8, {{0, l.body.scaled(1.2)}, {1, l.body.scaled(0.8)}});
    c.clearPath();
    cairo_save(cr);
    cairo_rectangle(cr, left, h * 0.2, right - left, h * 0.6);
    cairo_clip(cr);
    Dice dice(9);
    const double period = h * 0.6;
    for (int i = 0; i < 70; ++i)
    {
        const double x = dice.range(left, right), len = dice.range(0.1, 0.3) * period;
        const double y0 = h * 0.2 + std::fmod(dice.uniform() + t, 1.0) * period;
        for (double y : {y0, y0 - period})
        {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + len);
            c.stroke(l.shine.alpha(dice.range(0.25, 0.6)), dice.range(2, 6));
            c.clearPath();
        }
    }
    cairo_restore(cr);
    for (int i = 0; i < 40; ++i)
    {
        const double x = dice.range(left, right), life = std::fmod(t + dice.uniform(), 1.0);
        c.ellipse(x + (life - 0.5) * 30, h * 0.8 - life * h * 0.08, 10 * (1 - life) + 4, 6 * (1 - life) + 3);
        c.fillColour(kHoly.alpha(0.6 * (1 - life)));
        c.clearPath();
    }
    cairo_rectangle(cr, left - 20, h * 0.19, right - left + 40, h * 0.03);
    c.stroke(kInk, 3);
    c.fillColour(Rgba::rgb(80, 76, 92));
    c.clearPath();
}

void tank(Canvas& c, double w, double h, const Liquid& l, bool broken)
{
    cairo_t* cr = c.cr();
    softShadow(c, w / 2 + 8, h * 0.9, w * 0.45, h * 0.08, 0.6);
    c.roundedRect(w * 0.15, h * 0.12, w * 0.7, h * 0.75, w * 0.2);
    c.fillLinear(0, h * 0.35, 0, h * 0.87, {{0, l.body.alpha(0.9)}, {1, l.deep}});
    c.glow(l.body.alpha(0.5), 10, 5);
    c.clearPath();
    cairo_save(cr);
    c.roundedRect(w * 0.15, h * 0.12, w * 0.7, h * 0.75, w * 0.2);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, w, h * (broken ? 0.6 : 0.35));
    c.fillColour(Rgba{0.6, 0.7, 0.8, 0.15});
    c.clearPath();
    for (int i = 0; i < 6; ++i)
    {
        c.ellipse(w * (0.3 + 0.08 * i), h * (0.8 - 0.07 * i), 4, 4);
        c.stroke(l.shine, 1.5);
        c.clearPath();
    }
    cairo_restore(cr);
    c.roundedRect(w * 0.15, h * 0.12, w * 0.7, h * 0.75, w * 0.2);
    c.stroke(kInk, 4);
    c.stroke(Rgba{0.8, 0.9, 1.0, 0.35}, 2);
    c.clearPath();
    cairo_move_to(cr, w * 0.27, h * 0.2);
    cairo_line_to(cr, w * 0.27, h * 0.7);
    c.stroke(kHoly.alpha(0.5), 4);
    c.clearPath();
    for (double y : {h * 0.08, h * 0.85})
    {
        c.roundedRect(w * 0.1, y, w * 0.8, h * 0.08, 4);
        c.stroke(kInk, 3);
        c.fillLinear(w * 0.1, 0, w * 0.9, 0, {{0, Rgba::rgb(150, 110, 60)}, {1, Rgba::rgb(60, 40, 26)}});
        c.clearPath();
    }
    if (broken)
    {
        cairo_move_to(cr, w * 0.6, h * 0.3);
        cairo_line_to(cr, w * 0.7, h * 0.4);
        cairo_line_to(cr, w * 0.64, h * 0.48);
        cairo_line_to(cr, w * 0.78, h * 0.55);
        c.stroke(kHoly.alpha(0.8), 1.5);
        c.clearPath();
    }
}

void tube(Canvas& c, double w, double h, const Liquid& l, int k)
{
    cairo_t* cr = c.cr();
    softShadow(c, w / 2, h * 0.62, w * 0.48, h * 0.3, 0.5);
    cairo_move_to(cr, w * 0.06, h * 0.5);
    if (k == 1)
        cairo_curve_to(cr, w * 0.35, h * 0.5, w * 0.4, h * 0.15, w * 0.94, h * 0.2);
    else
        cairo_curve_to(cr, w * 0.4, h * 0.9, w * 0.6, h * 0.1, w * 0.94, h * 0.5);
    c.stroke(kInk, h * 0.32);
    c.stroke(Rgba::rgb(70, 64, 70), h * 0.26);
    c.stroke(l.body.alpha(0.9), h * 0.14);
    c.stroke(l.shine.alpha(0.5), h * 0.04);
    c.clearPath();
    for (double x : {0.06, 0.94})
    {
        const double y = (k == 1 && x > 0.5) ? 0.2 : 0.5;
        c.roundedRect(w * x - 10, h * y - h * 0.2, 20, h * 0.4, 4);
        c.stroke(kInk, 3);
        c.fillLinear(w * x - 10, 0, w * x + 10, 0, {{0, Rgba::rgb(170, 130, 70)}, {1, Rgba::rgb(60, 40, 26)}});
        c.clearPath();
    }
}

void paperBoat(Canvas& c, double w, double h)
{
    cairo_t* cr = c.cr();
    c.ellipse(w / 2, h * 0.7, w * 0.46, h * 0.2);
    c.stroke(liquidOf(1).shine.alpha(0.4), 2);
    c.clearPath();
    cairo_move_to(cr, w * 0.1, h * 0.55);
    cairo_line_to(cr, w * 0.9, h * 0.55);
    cairo_line_to(cr, w * 0.75, h * 0.8);
    cairo_line_to(cr, w * 0.25, h * 0.8);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(0, h * 0.55, 0, h * 0.8, {{0, kBone}, {1, kBone.scaled(0.6)}});
    c.clearPath();
    cairo_move_to(cr, w * 0.3, h * 0.55);
    cairo_line_to(cr, w * 0.5, h * 0.12);
    cairo_line_to(cr, w * 0.7, h * 0.55);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(w * 0.3, 0, w * 0.7, 0, {{0, kHoly}, {1, kBone.scaled(0.7)}});
    c.clearPath();
}

class FluidPropPainter : public PatternPainter
{
public:
    FluidPropPainter()
        : PatternPainter({R"(Assets/Sprites/Props/(fluid_\d\d|puddle_0[12]|blood_02|waterfalls|boss_fluid)\.png)",
                          R"(Assets/Sprites/Props/(paper_boat|tank_0[12]|tube_0[12])\.png)"})
    {
    }
    std::string name() const override { return "fluid props"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = stemOf(path);
        const std::uint32_t seed = seedOf(n);
        const int k = trailingNumber(n);
        auto starts = [&](const char* p) { return n.rfind(p, 0) == 0; };
        if (n == "waterfalls")
            return paintProp(n, 0, 0, output, [&](Canvas& c, double w, double h, double t) { waterfall(c, w, h, t); });
        if (starts("fluid_"))
        {
            const Liquid l = liquidOf(k);
            if (PropRegistry::stripOf(n).frameCount > 1)
                return paintProp(n, 0, 0, output,
                                 [&](Canvas& c, double w, double h, double t) { stream(c, w, h, t, l, seed); });
            return paintProp(n, 200 + (k % 4) * 40, 150 + (k % 3) * 30, output,
                             [&](Canvas& c, double w, double h, double)
                             { pool(c, w / 2, h / 2, w * 0.44, h * 0.4, l, seed, k * 0.13); });
        }
        if (starts("puddle_"))
            return paintProp(
                n, 170, 110, output,
                [&](Canvas& c, double w, double h, double)
                {
                    pool(c, w / 2, h / 2, w * 0.45, h * 0.4,
                         {Rgba::rgb(16, 18, 30), Rgba::rgb(50, 60, 80).alpha(0.85), Rgba::rgb(180, 190, 220)}, seed,
                         0.3 * k);
                });
        if (n == "blood_02")
            return paintProp(n, 220, 170, output,
                             [&](Canvas& c, double w, double h, double)
                             {
                                 pool(c, w / 2, h / 2, w * 0.3, h * 0.28, liquidOf(4), seed, 0.2);
                                 Dice dice(seed);
                                 for (int i = 0; i < 14; ++i)
                                 {
                                     const double a = dice.range(0, 2 * M_PI), r = dice.range(0.32, 0.46);
                                     c.ellipse(w / 2 + std::cos(a) * w * r, h / 2 + std::sin(a) * h * r,
                                               dice.range(3, 9), dice.range(3, 8));
                                     c.fillColour(liquidOf(4).body.scaled(0.8));
                                     c.clearPath();
                                 }
                             });
        if (n == "boss_fluid")
            return paintProp(
                n, 900, 700, output,
                [&](Canvas& c, double w, double h, double) {
                    pool(c, w / 2, h / 2, w * 0.46, h * 0.44, {kInk, Rgba::rgb(60, 10, 40), kCrimson}, seed, 0.1);
                });
        if (n == "paper_boat")
            return paintProp(n, 90, 70, output, [&](Canvas& c, double w, double h, double) { paperBoat(c, w, h); });
        if (starts("tank_"))
            return paintProp(n, 140, 210, output,
                             [&](Canvas& c, double w, double h, double)
                             { tank(c, w, h, liquidOf(k == 1 ? 0 : 4), k == 2); });
        if (starts("tube_"))
            return paintProp(n, 240, 90, output,
                             [&](Canvas& c, double w, double h, double) { tube(c, w, h, liquidOf(k + 2), k); });
        throw std::runtime_error("no fluid prop for " + n);
    }
};

RegisterPainter<FluidPropPainter> registration;
} // namespace
