// The room's puddles: dark water with a cold sheen, a pool of blood, a lake, a
// winding river and the merchant's puddle where lost coins glint. Flat, seen from
// straight above, with soft banks so they sit in any floor.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include "world/WaterRegistry.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

struct Water
{
    Rgba bank, deep, surface, shine;
};

const Water kWater{Rgba::rgb(30, 26, 24), Rgba::rgb(8, 14, 26), Rgba::rgb(36, 56, 80), Rgba::rgb(170, 200, 230)};
const Water kBlood{Rgba::rgb(30, 6, 8), Rgba::rgb(30, 2, 6), Rgba::rgb(120, 10, 22), Rgba::rgb(240, 110, 110)};

void surface(Canvas& c, double cx, double cy, double rx, double ry, const Water& water, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    // A muddy bank, darker where it meets the water.
    blobPath(c, cx, cy, rx, ry, seed, 0.35, 18);
    c.fillRadial(cx, cy, std::min(rx, ry) * 0.8, std::max(rx, ry),
                 {{0, water.bank.scaled(0.6)}, {0.8, water.bank.alpha(0.8)}, {1, water.bank.alpha(0)}});
    c.clearPath();
    blobPath(c, cx, cy, rx * 0.9, ry * 0.88, seed, 0.35, 18);
    c.stroke(kInk.alpha(0.7), 4);
    c.fillRadial(cx - rx * 0.2, cy - ry * 0.25, 0, std::max(rx, ry),
                 {{0, water.surface.scaled(1.25)}, {0.45, water.surface}, {1, water.deep}});
    c.clearPath();
    cairo_save(cr);
    blobPath(c, cx, cy, rx * 0.9, ry * 0.88, seed, 0.35, 18);
    cairo_clip(cr);
    // The pale sky reflected in a broad band, then glints and still rings.
    cairo_move_to(cr, cx - rx, cy + ry * 0.2);
    cairo_line_to(cr, cx + rx * 0.2, cy - ry);
    cairo_line_to(cr, cx + rx * 0.55, cy - ry);
    cairo_line_to(cr, cx - rx * 0.65, cy + ry * 0.45);
    cairo_close_path(cr);
    c.fillColour(water.shine.alpha(0.08));
    c.clearPath();
    for (int i = 0; i < 7; ++i)
    {
        const double x = cx + dice.range(-rx * 0.6, rx * 0.6), y = cy + dice.range(-ry * 0.6, ry * 0.6);
        c.ellipse(x, y, rx * dice.range(0.06, 0.2), ry * dice.range(0.015, 0.04));
        c.fillColour(water.shine.alpha(dice.range(0.15, 0.35)));
        c.clearPath();
    }
    for (int i = 0; i < 2; ++i)
    {
        const double x = cx + dice.range(-rx * 0.4, rx * 0.4), y = cy + dice.range(-ry * 0.4, ry * 0.4);
        for (double r : {0.06, 0.11, 0.16})
        {
            c.ellipse(x, y, rx * r, ry * r * 0.8);
            c.stroke(water.shine.alpha(0.22 - r), 1.5);
            c.clearPath();
        }
    }
    cairo_restore(cr);
    // Pebbles on the bank.
    for (int i = 0; i < 8; ++i)
    {
        const double a = dice.range(0, 2 * M_PI);
        const double x = cx + std::cos(a) * rx * 0.9, y = cy + std::sin(a) * ry * 0.88;
        const double r = std::min(rx, ry) * dice.range(0.03, 0.06);
        c.ellipse(x, y, r * 1.3, r);
        c.stroke(kInk, 2);
        c.fillRadial(x - r * 0.4, y - r * 0.4, 0, r * 1.5, {{0, kAsh.scaled(1.3)}, {1, kStone.scaled(0.5)}});
        c.clearPath();
    }
}

class PuddlePainter : public PatternPainter
{
public:
    PuddlePainter() : PatternPainter({R"(Assets/Sprites/Puddles/[a-z_0-9]+\.png)"}) {}
    std::string name() const override { return "puddles"; }
    int version() const override { return 2; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = std::filesystem::path(path).stem().string();
        const std::uint32_t seed = seedOf(n);
        // The game keeps its walkers off a lake by this surface: paint exactly it.
        const WaterRegistry::Surface water = WaterRegistry::surfaceOf(n);
        const int pw = static_cast<int>(water.picture.x), ph = static_cast<int>(water.picture.y);
        if (n == "lake")
        {
            Canvas c(pw, ph);
            surface(c, pw / 2.0, ph / 2.0, water.radii.x, water.radii.y, kWater, seed);
            c.savePng(output);
        }
        else if (n == "river")
        {
            Canvas c(1200, 420);
            cairo_t* cr = c.cr();
            auto course = [&]
            {
                cairo_move_to(cr, 0, 210);
                cairo_curve_to(cr, 300, 40, 600, 380, 1200, 200);
            };
            course();
            c.stroke(kWater.bank.alpha(0.8), 230);
            c.clearPath();
            course();
            c.stroke(kWater.surface, 200);
            c.clearPath();
            course();
            c.stroke(kWater.deep, 120);
            Dice dice(seed);
            for (int i = 0; i < 30; ++i)
            {
                const double t = dice.uniform(), u = 1 - t;
                const double x = 3 * u * u * t * 300 + 3 * u * t * t * 600 + t * t * t * 1200;
                const double y = u * u * u * 210 + 3 * u * u * t * 40 + 3 * u * t * t * 380 + t * t * t * 200;
                c.clearPath();
                c.ellipse(x, y + dice.range(-50, 50), dice.range(20, 60), 3);
                c.fillColour(kWater.shine.alpha(0.25));
            }
            c.clearPath();
            c.savePng(output);
        }
        else if (n == "blood")
        {
            Canvas c(300, 220);
            surface(c, 150, 110, 120, 80, kBlood, seed);
            Dice dice(seed);
            for (int i = 0; i < 16; ++i)
            {
                const double a = dice.range(0, 2 * M_PI);
                c.ellipse(150 + std::cos(a) * dice.range(125, 145), 110 + std::sin(a) * dice.range(85, 100),
                          dice.range(3, 8), dice.range(3, 7));
                c.fillColour(kBlood.surface);
                c.clearPath();
            }
            c.savePng(output);
        }
        else if (n == "shop_puddle")
        {
            Canvas c(pw, ph);
            surface(c, pw / 2.0, ph / 2.0, water.radii.x, water.radii.y, kWater, seed);
            Dice dice(seed);
            for (int i = 0; i < 9; ++i)
            {
                const double x = 210 + dice.range(-120, 120), y = 140 + dice.range(-70, 70);
                c.ellipse(x, y, 9, 5);
                c.fillRadial(x - 2, y - 1, 0, 9, {{0, kPaleGold}, {1, kGold.scaled(0.4)}});
                c.glow(kPaleGold.alpha(0.5), 4, 3);
                c.clearPath();
            }
            c.savePng(output);
        }
        else
        {
            Canvas c(pw, ph);
            surface(c, pw / 2.0, ph / 2.0, water.radii.x, water.radii.y, kWater, seed);
            c.savePng(output);
        }
    }
};

RegisterPainter<PuddlePainter> registration;
} // namespace
