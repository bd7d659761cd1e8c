// Props that grow: roots, branches, brambles and their lanterns, bushes, flowers,
// leaves, mushrooms, moss, lilies, hanging strands, the bosses' tree, brambles,
// mushroom and moss carpet, and the karma fruits. Every animated strip moves:
// leaves sway, spores pulse, lanterns flicker and swing.

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

const Rgba kBark = Rgba::rgb(70, 52, 40);
const Rgba kBarkDark = Rgba::rgb(28, 20, 18);
const Rgba kVine = Rgba::rgb(46, 30, 40);
const Rgba kThorn = Rgba::rgb(120, 26, 36);


void leaf(Canvas& c, double x, double y, double len, double angle, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, len * 0.3, -len * 0.35, len * 0.75, -len * 0.3, len, 0);
    cairo_curve_to(cr, len * 0.75, len * 0.3, len * 0.3, len * 0.35, 0, 0);
    cairo_close_path(cr);
    c.stroke(kInk, 2);
    c.fillLinear(0, -len * 0.3, 0, len * 0.3, {{0, colour.scaled(1.35)}, {1, colour.scaled(0.6)}});
    c.clearPath();
    cairo_move_to(cr, len * 0.05, 0);
    cairo_line_to(cr, len * 0.85, 0);
    c.stroke(colour.scaled(0.45), 1);
    c.clearPath();
    cairo_restore(cr);
}

// Roots surfacing from the ground: they come out of the earth at one edge of the
// picture (the tree stands beyond it), fan out, fork and sink back into the soil.
void roots(Canvas& c, double w, double h, std::uint32_t seed, int count)
{
    Dice dice(seed);
    const int side = static_cast<int>(seed % 4);
    // The point the roots leave the ground from, and the direction they grow in.
    const double ox = side == 0 ? w * 0.08 : side == 1 ? w * 0.92 : w * dice.range(0.35, 0.65);
    const double oy = side == 2 ? h * 0.1 : side == 3 ? h * 0.9 : h * dice.range(0.35, 0.65);
    const double dir = side == 0 ? 0 : side == 1 ? M_PI : side == 2 ? M_PI / 2 : -M_PI / 2;
    const double reach = (side < 2 ? w : h) * 0.85;
    const double thick = std::min(w, h) * 0.12;
    softShadow(c, w / 2 + 6, h / 2 + 8, w * 0.45, h * 0.4, 0.3);
    // Disturbed earth where the roots break the surface.
    blobPath(c, ox, oy, thick * 1.6, thick * 1.4, seed + 7, 0.6, 12);
    c.fillRadial(ox, oy, 0, thick * 1.6, {{0, Rgba::rgb(50, 36, 28)}, {1, Rgba::rgb(50, 36, 28).alpha(0)}});
    c.clearPath();
    for (int i = 0; i < count; ++i)
    {
        const double spread = (i - (count - 1) / 2.0) / std::max(1, count - 1) * 1.5 + dice.range(-0.15, 0.15);
        const double a = dir + spread, len = reach * dice.range(0.6, 1.0);
        const double ex = ox + std::cos(a) * len, ey = oy + std::sin(a) * len;
        const double bend = dice.range(-0.5, 0.5);
        const double c1x = ox + std::cos(a + bend) * len * 0.35, c1y = oy + std::sin(a + bend) * len * 0.35;
        const double c2x = ex - std::cos(a - bend) * len * 0.35, c2y = ey - std::sin(a - bend) * len * 0.35;
        const double w0 = thick * dice.range(0.6, 1.0);
        taperedCurve(c, ox, oy, c1x, c1y, c2x, c2y, ex, ey, w0, 2, kBark, kBarkDark);
        // A fork halfway along.
        const double t = dice.range(0.4, 0.6), u = 1 - t;
        const double fx = u * u * u * ox + 3 * u * u * t * c1x + 3 * u * t * t * c2x + t * t * t * ex;
        const double fy = u * u * u * oy + 3 * u * u * t * c1y + 3 * u * t * t * c2y + t * t * t * ey;
        const double fa = a + (dice.uniform() < 0.5 ? -0.7 : 0.7), fl = len * 0.35;
        taperedCurve(c, fx, fy, fx + std::cos(fa) * fl * 0.4, fy + std::sin(fa) * fl * 0.4,
                     fx + std::cos(fa) * fl * 0.8, fy + std::sin(fa) * fl * 0.8, fx + std::cos(fa + 0.2) * fl,
                     fy + std::sin(fa + 0.2) * fl, w0 * 0.45, 1.5, kBark, kBarkDark);
        // Soil lumps where the root dives under and surfaces again.
        blobPath(c, ex, ey, thick * 0.35, thick * 0.25, seed + 20 + i, 0.5, 8);
        c.fillColour(Rgba::rgb(46, 34, 26).alpha(0.9));
        c.clearPath();
    }
    // Moss and a few pale rootlets.
    for (int i = 0; i < 6; ++i)
    {
        const double x = ox + (w / 2 - ox) * dice.range(0.1, 0.8) + dice.range(-20, 20);
        const double y = oy + (h / 2 - oy) * dice.range(0.1, 0.8) + dice.range(-20, 20);
        blobPath(c, x, y, thick * dice.range(0.2, 0.4), thick * 0.18, seed + 40 + i, 0.6, 9);
        c.fillColour(forest().mid.scaled(dice.range(0.8, 1.2)).alpha(0.85));
        c.clearPath();
    }
}

void branch(Canvas& c, double w, double h, std::uint32_t seed)
{
    Dice dice(seed);
    softShadow(c, w / 2 + 6, h / 2 + 10, w * 0.45, h * 0.25, 0.4);
    const double y0 = h * dice.range(0.35, 0.65), y1 = h * dice.range(0.35, 0.65);
    taperedCurve(c, w * 0.06, y0, w * 0.35, y0 - h * 0.2, w * 0.65, y1 + h * 0.2, w * 0.94, y1, h * 0.16, 3, kBark,
                 kBarkDark);
    for (int i = 0; i < 4; ++i)
    {
        const double t = dice.range(0.2, 0.8);
        const double x = w * (0.06 + 0.88 * t), y = y0 + (y1 - y0) * t;
        const double side = (i % 2) ? -1 : 1;
        taperedCurve(c, x, y, x + w * 0.05, y + side * h * 0.15, x + w * 0.12, y + side * h * 0.25, x + w * 0.16,
                     y + side * h * 0.35, h * 0.06, 1.5, kBark, kBarkDark);
        if (dice.uniform() < 0.6)
            leaf(c, x + w * 0.16, y + side * h * 0.35, h * 0.18, side * 0.8, Rgba::rgb(120, 70, 40));
    }
}

// A tangle of thorned vines; `sway` moves the loose ends.
void brambles(Canvas& c, double w, double h, std::uint32_t seed, int vines, double sway, bool berries)
{
    Dice dice(seed);
    // Vines thicken with the size of the thicket, so a boss's wall of thorns reads as one.
    const double k = std::max(1.0, std::min(w, h) / 160.0);
    softShadow(c, w / 2, h * 0.55, w * 0.45, h * 0.35, 0.45);
    for (int i = 0; i < vines; ++i)
    {
        const double x0 = w * dice.range(0.1, 0.9), y0 = h * dice.range(0.1, 0.9);
        const double x1 = w * dice.range(0.05, 0.95), y1 = h * dice.range(0.05, 0.95);
        const double c1x = w * dice.range(0, 1), c1y = h * dice.range(0, 1);
        const double c2x = w * dice.range(0, 1) + sway, c2y = h * dice.range(0, 1);
        cairo_t* cr = c.cr();
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, x1 + sway, y1);
        c.stroke(kInk, 11 * k);
        c.stroke(kVine.scaled(dice.range(0.9, 1.6)), 6.5 * k);
        c.stroke(kVine.scaled(2.2).alpha(0.5), 1.5 * k);
        c.clearPath();
        thorns(c, x0, y0, c1x, c1y, c2x, c2y, x1 + sway, y1, 9, 8 * k, kThorn.scaled(dice.range(1.0, 1.5)), seed + i);
    }
    if (berries)
        for (int i = 0; i < vines; ++i)
        {
            const double x = w * dice.range(0.15, 0.85), y = h * dice.range(0.15, 0.85);
            c.ellipse(x, y, 4.5 * k, 4.5 * k);
            c.stroke(kInk, 2);
            c.fillRadial(x - 1.5 * k, y - 1.5 * k, 0, 5 * k, {{0, kEmber}, {1, kBlood}});
            c.clearPath();
        }
}

void lanternBramble(Canvas& c, double w, double h, double t, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    const double swing = std::sin(t * 2 * M_PI) * 0.12;
    const double flicker = 0.75 + 0.25 * std::sin(t * 2 * M_PI * 3) * std::sin(t * 2 * M_PI * 2 + 1);
    // The lantern's light on the ground.
    c.ellipse(w * 0.55, h * 0.78, w * 0.45 * (0.9 + 0.1 * flicker), h * 0.17);
    c.fillRadial(w * 0.55, h * 0.78, 0, w * 0.45, {{0, kEmber.alpha(0.35 * flicker)}, {1, kEmber.alpha(0)}});
    c.clearPath();
    brambles(c, w, h * 0.3, seed, 4, 0, false);
    cairo_save(cr);
    cairo_translate(cr, 0, h * 0.68);
    brambles(c, w, h * 0.3, seed + 3, 4, 0, true);
    cairo_restore(cr);
    // The arching stalk.
    cairo_move_to(cr, w * 0.2, h * 0.95);
    cairo_curve_to(cr, w * 0.05, h * 0.4, w * 0.4, h * 0.05, w * 0.62, h * 0.12);
    c.stroke(kInk, 12);
    c.stroke(kVine.scaled(1.3), 7);
    c.clearPath();
    thorns(c, w * 0.2, h * 0.95, w * 0.05, h * 0.4, w * 0.4, h * 0.05, w * 0.62, h * 0.12, 12, 9, kThorn, seed);
    // The hanging lantern, swinging from the tip.
    cairo_save(cr);
    cairo_translate(cr, w * 0.62, h * 0.12);
    cairo_rotate(cr, swing);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, h * 0.22);
    c.stroke(kInk, 3);
    c.clearPath();
    const double ly = h * 0.22, lw = w * 0.2, lh = h * 0.2;
    c.ellipse(0, ly + lh * 0.5, lw * 1.4 * flicker, lh * 0.9 * flicker);
    c.fillRadial(0, ly + lh * 0.5, 0, lw * 1.4, {{0, kEmber.alpha(0.55)}, {1, kEmber.alpha(0)}});
    c.clearPath();
    c.roundedRect(-lw / 2, ly, lw, lh, 6);
    c.fillRadial(0, ly + lh * 0.55, 0, lh * 0.7 * flicker, {{0, kHoly}, {0.3, kPaleGold}, {0.7, kEmber}, {1, kBlood}});
    c.stroke(kInk, 4);
    c.clearPath();
    for (double x : {-lw / 2, 0.0, lw / 2})
    {
        cairo_move_to(cr, x, ly);
        cairo_line_to(cr, x, ly + lh);
    }
    c.stroke(kInk, 3);
    c.clearPath();
    cairo_move_to(cr, -lw * 0.65, ly);
    cairo_line_to(cr, 0, ly - lh * 0.3);
    cairo_line_to(cr, lw * 0.65, ly);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillColour(Rgba::rgb(50, 40, 36));
    c.clearPath();
    cairo_restore(cr);
}

void bush(Canvas& c, double w, double h, double t, std::uint32_t seed, const Rgba& colour, bool flowers)
{
    Dice dice(seed);
    softShadow(c, w / 2 + 6, h * 0.62, w * 0.45, h * 0.33, 0.55);
    const double sway = std::sin(t * 2 * M_PI);
    for (int layer = 0; layer < 3; ++layer)
        for (int i = 0; i < 7; ++i)
        {
            const double a = dice.range(0, 2 * M_PI), r = dice.range(0.05, 0.3) * (1 - layer * 0.25);
            const double x = w / 2 + std::cos(a) * w * r + sway * (layer + 1) * 1.6;
            const double y = h / 2 + std::sin(a) * h * r * 0.9 - layer * h * 0.05;
            blobPath(c, x, y, w * (0.2 - layer * 0.04), h * (0.2 - layer * 0.04), seed + layer * 10 + i, 0.5, 10,
                     t * 0.6);
            volume(c, x, y, w * 0.2, colour.scaled(1.1 + layer * 0.25), colour.scaled(0.45), layer == 0 ? 2 : 1);
        }
    if (flowers)
        for (int i = 0; i < 8; ++i)
        {
            const double x = w * dice.range(0.22, 0.78) + sway * 3, y = h * dice.range(0.22, 0.7);
            c.ellipse(x, y, 4, 4);
            c.glow(kPaleGold, 4, 3);
            c.fillColour(kHoly);
            c.clearPath();
        }
}

void flowers(Canvas& c, double w, double h, double t, std::uint32_t seed, const Rgba& petal)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    softShadow(c, w / 2, h * 0.8, w * 0.4, h * 0.12, 0.4);
    for (int i = 0; i < 5; ++i)
    {
        const double bx = w * dice.range(0.25, 0.75), by = h * 0.85;
        const double sway = std::sin(t * 2 * M_PI + i) * w * 0.06;
        const double tx = bx + sway, ty = h * dice.range(0.18, 0.45);
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx, by - h * 0.2, tx, ty + h * 0.2, tx, ty);
        c.stroke(kInk, 3.5);
        c.stroke(Rgba::rgb(70, 110, 50), 1.8);
        c.clearPath();
        for (int p = 0; p < 5; ++p)
        {
            const double a = p * 2 * M_PI / 5 + t;
            c.ellipse(tx + std::cos(a) * w * 0.05, ty + std::sin(a) * w * 0.05, w * 0.05, w * 0.05);
            c.stroke(kInk, 1.5);
            c.fillColour(petal.scaled(0.9 + 0.1 * (p % 2)));
            c.clearPath();
        }
        c.ellipse(tx, ty, w * 0.03, w * 0.03);
        c.fillColour(kPaleGold);
        c.clearPath();
    }
}

void flowerPot(Canvas& c, double w, double h, double t, const Rgba& petal)
{
    cairo_t* cr = c.cr();
    softShadow(c, w / 2, h * 0.92, w * 0.42, h * 0.06, 0.5);
    const double sway = std::sin(t * 2 * M_PI) * w * 0.12;
    cairo_move_to(cr, w / 2, h * 0.7);
    cairo_curve_to(cr, w / 2, h * 0.45, w / 2 + sway, h * 0.35, w / 2 + sway, h * 0.18);
    c.stroke(kInk, 4);
    c.stroke(Rgba::rgb(70, 120, 50), 2);
    c.clearPath();
    leaf(c, w / 2, h * 0.55, w * 0.35, -0.6 + sway * 0.02, Rgba::rgb(70, 120, 50));
    leaf(c, w / 2, h * 0.5, w * 0.35, M_PI + 0.6 + sway * 0.02, Rgba::rgb(70, 120, 50));
    for (int p = 0; p < 6; ++p)
    {
        const double a = p * M_PI / 3;
        c.ellipse(w / 2 + sway + std::cos(a) * w * 0.12, h * 0.18 + std::sin(a) * w * 0.12, w * 0.1, w * 0.1);
        c.stroke(kInk, 1.5);
        c.fillColour(petal);
        c.clearPath();
    }
    c.ellipse(w / 2 + sway, h * 0.18, w * 0.07, w * 0.07);
    c.fillColour(kPaleGold);
    c.clearPath();
    cairo_move_to(cr, w * 0.18, h * 0.68);
    cairo_line_to(cr, w * 0.82, h * 0.68);
    cairo_line_to(cr, w * 0.7, h * 0.93);
    cairo_line_to(cr, w * 0.3, h * 0.93);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(w * 0.18, 0, w * 0.82, 0, {{0, Rgba::rgb(190, 100, 70)}, {1, Rgba::rgb(90, 40, 30)}});
    c.clearPath();
}

// A heap of autumn leaves; a gust lifts a few that swirl and settle over the cycle.
void leafHeap(Canvas& c, double w, double h, double t, std::uint32_t seed)
{
    Dice dice(seed);
    const Rgba colours[] = {Rgba::rgb(150, 60, 30), Rgba::rgb(120, 40, 30), Rgba::rgb(170, 110, 40),
                            Rgba::rgb(90, 50, 30)};
    softShadow(c, w / 2, h * 0.74, w * 0.48, h * 0.22, 0.55);
    blobPath(c, w / 2, h * 0.7, w * 0.45, h * 0.2, seed, 0.4, 14);
    c.fillColour(Rgba::rgb(60, 30, 20));
    c.clearPath();
    for (int i = 0; i < 80; ++i)
    {
        const double a = dice.range(0, 2 * M_PI), r = std::sqrt(dice.uniform());
        const double x = w / 2 + std::cos(a) * r * w * 0.4,
                     y = h * 0.7 + std::sin(a) * r * h * 0.17 - (1 - r) * h * 0.12;
        const double rustle = std::sin(t * 2 * M_PI * 2 + i) * 0.08;
        leaf(c, x - w * 0.05, y, w * 0.12, dice.range(0, 2 * M_PI) + rustle,
             colours[i % 4].scaled(dice.range(0.8, 1.2)));
    }
    // Leaves carried by the gust: they rise from the heap, circle and fall back.
    for (int i = 0; i < 9; ++i)
    {
        const double phase = dice.uniform();
        const double life = std::fmod(t + phase, 1.0);
        const double height = std::sin(life * M_PI) * h * 0.55;
        const double x = w / 2 + std::cos(life * 2 * M_PI * 1.5 + i) * w * 0.3;
        const double y = h * 0.66 - height;
        softShadow(c, x, h * 0.72, w * 0.04, h * 0.012, 0.4 * (1 - height / h));
        leaf(c, x, y, w * 0.11, life * 9 + i, colours[i % 4].scaled(1.15));
    }
}

void mushroom(Canvas& c, double x, double baseY, double s, const Mood& mood, const Rgba& cap, double pulse,
              std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    softShadow(c, x + s * 0.1, baseY, s * 0.7, s * 0.2, 0.55);
    c.ellipse(x, baseY - s * 0.6, s * 0.75 * pulse, s * 0.6 * pulse);
    c.fillRadial(x, baseY - s * 0.6, 0, s * 0.75, {{0, mood.glow.alpha(0.3)}, {1, mood.glow.alpha(0)}});
    c.clearPath();
    cairo_move_to(cr, x - s * 0.16, baseY);
    cairo_curve_to(cr, x - s * 0.2, baseY - s * 0.4, x - s * 0.1, baseY - s * 0.6, x - s * 0.08, baseY - s * 0.7);
    cairo_line_to(cr, x + s * 0.08, baseY - s * 0.7);
    cairo_curve_to(cr, x + s * 0.1, baseY - s * 0.6, x + s * 0.2, baseY - s * 0.4, x + s * 0.16, baseY);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(x - s * 0.2, 0, x + s * 0.2, 0, {{0, kBone}, {1, kBone.scaled(0.5)}});
    c.clearPath();
    cairo_move_to(cr, x - s * 0.6, baseY - s * 0.62);
    cairo_curve_to(cr, x - s * 0.6, baseY - s * 1.15, x + s * 0.6, baseY - s * 1.15, x + s * 0.6, baseY - s * 0.62);
    cairo_curve_to(cr, x + s * 0.3, baseY - s * 0.52, x - s * 0.3, baseY - s * 0.52, x - s * 0.6, baseY - s * 0.62);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillRadial(x - s * 0.2, baseY - s * 1.0, 0, s * 0.8, {{0, cap.scaled(1.5)}, {0.6, cap}, {1, cap.scaled(0.4)}});
    c.clearPath();
    for (int i = 0; i < 6; ++i)
    {
        const double sx = x + dice.range(-s * 0.4, s * 0.4), sy = baseY - s * dice.range(0.7, 0.95);
        c.ellipse(sx, sy, s * 0.06, s * 0.045);
        c.glow(mood.glow, s * 0.06 * pulse, 3);
        c.fillColour(mood.glow.mix(kHoly, 0.4));
        c.clearPath();
    }
}

void moss(Canvas& c, double w, double h, double t, std::uint32_t seed, const Mood& mood)
{
    Dice dice(seed);
    const double pulse = 0.5 + 0.5 * std::sin(t * 2 * M_PI);
    for (int i = 0; i < 6; ++i)
    {
        const double x = w * dice.range(0.3, 0.7), y = h * dice.range(0.3, 0.7);
        blobPath(c, x, y, w * dice.range(0.2, 0.32), h * dice.range(0.2, 0.32), seed + i, 0.7, 14);
        c.fillRadial(x, y, 0, std::max(w, h) * 0.3,
                     {{0, mood.mid.scaled(1.3).alpha(0.95)}, {0.7, mood.dark.alpha(0.9)}, {1, mood.dark.alpha(0.6)}});
        c.clearPath();
    }
    for (int i = 0; i < 40; ++i)
    {
        const double a = dice.range(0, 2 * M_PI), r = std::sqrt(dice.uniform()) * 0.4;
        const double x = w / 2 + std::cos(a) * r * w, y = h / 2 + std::sin(a) * r * h;
        const double glow = 0.35 + 0.65 * std::fmod(pulse + dice.uniform(), 1.0);
        c.ellipse(x, y, 2.2 + glow * 1.8, 2.2 + glow * 1.8);
        c.glow(mood.glow.alpha(glow), 5, 3);
        c.fillColour(mood.glow.mix(kHoly, 0.3).alpha(glow));
        c.clearPath();
    }
}

void lilies(Canvas& c, double w, double h, double t, std::uint32_t seed)
{
    Dice dice(seed);
    for (int ring = 0; ring < 2; ++ring)
    {
        const double life = std::fmod(t + ring * 0.5, 1.0);
        c.ellipse(w / 2, h / 2, w * (0.2 + life * 0.28), h * (0.2 + life * 0.28));
        c.stroke(cavern().glow.alpha(0.35 * (1 - life)), 2);
        c.clearPath();
    }
    for (int i = 0; i < 4; ++i)
    {
        const double bob = std::sin(t * 2 * M_PI + i * 1.7) * 2.5;
        const double x = w * dice.range(0.25, 0.75), y = h * dice.range(0.3, 0.7) + bob;
        const double r = std::min(w, h) * dice.range(0.14, 0.22);
        const double notch = dice.range(0, 2 * M_PI);
        cairo_t* cr = c.cr();
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r, notch + 0.35, notch + 2 * M_PI - 0.35);
        cairo_close_path(cr);
        volume(c, x, y, r, Rgba::rgb(90, 140, 80), Rgba::rgb(26, 54, 34), 1.5);
        if (i == 0)
        {
            for (int p = 0; p < 7; ++p)
            {
                const double a = p * 2 * M_PI / 7 + t;
                c.ellipse(x + std::cos(a) * r * 0.3, y + std::sin(a) * r * 0.3, r * 0.22, r * 0.22);
                c.stroke(kInk, 1);
                c.fillColour(Rgba::rgb(236, 190, 230));
                c.clearPath();
            }
            c.ellipse(x, y, r * 0.15, r * 0.15);
            c.glow(kPaleGold, 5, 3);
            c.fillColour(kPaleGold);
            c.clearPath();
        }
    }
}

void strands(Canvas& c, double w, double h, std::uint32_t seed, const Mood& mood)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    for (int i = 0; i < 9; ++i)
    {
        const double x = w * dice.range(0.1, 0.9), len = h * dice.range(0.5, 0.95);
        cairo_move_to(cr, x, 0);
        cairo_curve_to(cr, x + dice.range(-20, 20), len * 0.4, x + dice.range(-20, 20), len * 0.7, x, len);
        c.stroke(kInk, 6);
        c.stroke(mood.mid, 3);
        c.clearPath();
        for (int j = 1; j < 5; ++j)
            leaf(c, x, len * j / 5, w * 0.09, (j % 2) ? 0.6 : M_PI - 0.6, mood.mid.scaled(1.2));
        c.ellipse(x, len, 4, 6);
        c.glow(mood.glow, 5, 3);
        c.fillColour(mood.glow);
        c.clearPath();
    }
}

void bossTree(Canvas& c, double w, double h, std::uint32_t seed)
{
    // A dead giant seen from above: black limbs clawing outward from a hollow trunk
    // with a crimson glow inside.
    Dice dice(seed);
    const double cx = w / 2, cy = h / 2;
    softShadow(c, cx + 20, cy + 30, w * 0.48, h * 0.45, 0.6);
    for (int i = 0; i < 11; ++i)
    {
        const double a = i * 2 * M_PI / 11 + dice.range(-0.2, 0.2), len = std::min(w, h) * dice.range(0.38, 0.48);
        const double ex = cx + std::cos(a) * len, ey = cy + std::sin(a) * len;
        taperedCurve(c, cx, cy, cx + std::cos(a + 0.4) * len * 0.5, cy + std::sin(a + 0.4) * len * 0.5,
                     ex - std::cos(a - 0.5) * len * 0.2, ey - std::sin(a - 0.5) * len * 0.2, ex, ey, w * 0.08, 3,
                     Rgba::rgb(52, 40, 40), Rgba::rgb(14, 10, 12));
        for (int j = 0; j < 2; ++j)
        {
            const double b = a + (j ? 0.5 : -0.5), bl = len * 0.35;
            const double bx = cx + std::cos(a) * len * 0.7, by = cy + std::sin(a) * len * 0.7;
            taperedCurve(c, bx, by, bx + std::cos(b) * bl * 0.5, by + std::sin(b) * bl * 0.5, bx + std::cos(b) * bl,
                         by + std::sin(b) * bl, bx + std::cos(b + 0.3) * bl * 1.2, by + std::sin(b + 0.3) * bl * 1.2,
                         w * 0.025, 1.5, Rgba::rgb(52, 40, 40), Rgba::rgb(14, 10, 12));
        }
    }
    blobPath(c, cx, cy, w * 0.17, h * 0.16, seed, 0.35, 14);
    volume(c, cx, cy, w * 0.17, Rgba::rgb(80, 60, 56), Rgba::rgb(20, 14, 14), 3);
    c.ellipse(cx, cy, w * 0.08, h * 0.07);
    c.glow(kCrimson, 20, 6);
    c.fillRadial(cx, cy, 0, w * 0.08, {{0, kEmber}, {0.5, kCrimson}, {1, kInk}});
    c.clearPath();
    c.grain(0.15, 3, seed);
}

void fruit(Canvas& c, double w, double h, bool good, int k)
{
    cairo_t* cr = c.cr();
    const Rgba skin = good ? kPaleGold : kCrimson;
    const Rgba shade = good ? kGold.scaled(0.6) : kInk;
    const Rgba halo = good ? kHoly : kEmber;
    const double cx = w / 2, cy = h * 0.58, r = w * (0.28 + 0.03 * k);
    softShadow(c, cx, h * 0.9, w * 0.35, h * 0.08, 0.5);
    c.ellipse(cx, cy, r * 1.5, r * 1.5);
    c.fillRadial(cx, cy, 0, r * 1.5, {{0, halo.alpha(0.35)}, {1, halo.alpha(0)}});
    c.clearPath();
    if (k == 3)
    {
        // A cluster of three berries.
        for (int i = 0; i < 3; ++i)
        {
            const double a = i * 2 * M_PI / 3 - M_PI / 2;
            c.ellipse(cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.55, r * 0.55);
            volume(c, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.55, skin.mix(kHoly, 0.3), shade,
                   1.5);
        }
    }
    else
    {
        cairo_move_to(cr, cx, cy - r * 0.8);
        cairo_curve_to(cr, cx + r * 1.4, cy - r * 1.3, cx + r * 1.2, cy + r * 1.1, cx, cy + r);
        cairo_curve_to(cr, cx - r * 1.2, cy + r * 1.1, cx - r * 1.4, cy - r * 1.3, cx, cy - r * 0.8);
        cairo_close_path(cr);
        volume(c, cx, cy, r, skin.mix(kHoly, 0.35), shade);
        if (!good && k == 2)
            for (int i = 0; i < 5; ++i)
            {
                c.ellipse(cx + std::cos(i * 1.3) * r * 0.5, cy + std::sin(i * 1.3) * r * 0.5, 2, 2);
                c.fillColour(kInk);
                c.clearPath();
            }
    }
    cairo_move_to(cr, cx, cy - r * 0.8);
    cairo_curve_to(cr, cx, cy - r * 1.2, cx + r * 0.2, cy - r * 1.4, cx + r * 0.3, cy - r * 1.5);
    c.stroke(kInk, 3);
    c.clearPath();
    leaf(c, cx + r * 0.05, cy - r * 1.1, r * 0.8, -0.5, good ? Rgba::rgb(140, 170, 90) : Rgba::rgb(60, 30, 40));
}

class PlantPropPainter : public PatternPainter
{
public:
    PlantPropPainter()
        : PatternPainter(
              {R"(Assets/Sprites/Props/(root_\d\d|branch_\d\d|brambles_\d\d|bramble_lantern_0[12])\.png)",
               R"(Assets/Sprites/Props/(bush_0[1-4]|flowers(_02)?|flower_pot(_02)?|heap_of_leaves_0[12])\.png)",
               R"(Assets/Sprites/Props/((double_|mini_)?mushroom_\d\d|moss_\d\d|water_lilies_0[12])\.png)",
               R"(Assets/Sprites/Props/(strains(_02)?|boss_(tree|brambles|mushroom|moss)|Fruit_(good|bad)[1-3])\.png)"})
    {
    }
    std::string name() const override { return "plant props"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = stemOf(path);
        const std::uint32_t seed = seedOf(n);
        const int k = trailingNumber(n);
        auto starts = [&](const char* p) { return n.rfind(p, 0) == 0; };
        if (starts("root_"))
            return paintProp(n, 200 + (k % 4) * 40, 160 + (k % 3) * 40, output,
                             [&](Canvas& c, double w, double h, double) { roots(c, w, h, seed, 4 + k % 4); });
        if (starts("branch_"))
            return paintProp(n, 220 + (k % 3) * 40, 110 + (k % 2) * 30, output,
                             [&](Canvas& c, double w, double h, double) { branch(c, w, h, seed); });
        if (starts("bramble_lantern"))
            return paintProp(n, 0, 0, output,
                             [&](Canvas& c, double w, double h, double t) { lanternBramble(c, w, h, t, seed); });
        if (starts("brambles_"))
            return paintProp(n, 150 + (k % 5) * 35, 130 + (k % 4) * 35, output,
                             [&](Canvas& c, double w, double h, double)
                             { brambles(c, w, h, seed, 5 + k % 5, 0, k % 3 == 0); });
        if (starts("bush_"))
        {
            const Rgba colour = k % 2 ? forest().mid : Rgba::rgb(60, 70, 40);
            return paintProp(n, 200, 170, output,
                             [&](Canvas& c, double w, double h, double t) { bush(c, w, h, t, seed, colour, k >= 3); });
        }
        if (starts("flowers"))
            return paintProp(
                n, 0, 0, output,
                [&](Canvas& c, double w, double h, double t)
                { flowers(c, w, h, t, seed, n == "flowers" ? Rgba::rgb(200, 60, 80) : Rgba::rgb(230, 220, 250)); });
        if (starts("flower_pot"))
            return paintProp(
                n, 0, 0, output,
                [&](Canvas& c, double w, double h, double t)
                { flowerPot(c, w, h, t, n == "flower_pot" ? Rgba::rgb(220, 70, 90) : Rgba::rgb(240, 230, 170)); });
        if (starts("heap_of_leaves"))
            return paintProp(n, 0, 0, output,
                             [&](Canvas& c, double w, double h, double t) { leafHeap(c, w, h, t, seed); });
        if (starts("mushroom_") || starts("double_mushroom") || starts("mini_mushroom") || n == "boss_mushroom")
        {
            const Rgba caps[] = {Rgba::rgb(90, 60, 170), Rgba::rgb(40, 120, 170), Rgba::rgb(170, 40, 60),
                                 Rgba::rgb(60, 150, 120)};
            const Rgba cap = caps[k % 4];
            if (n == "boss_mushroom")
                return paintProp(n, 520, 520, output,
                                 [&](Canvas& c, double w, double h, double)
                                 {
                                     mushroom(c, w * 0.5, h * 0.95, w * 0.55, cavern(), caps[0], 1.0, seed);
                                     mushroom(c, w * 0.2, h * 0.95, w * 0.2, cavern(), caps[1], 1.0, seed + 1);
                                     mushroom(c, w * 0.82, h * 0.97, w * 0.16, cavern(), caps[1], 1.0, seed + 2);
                                 });
            if (starts("double"))
                return paintProp(n, 170, 160, output,
                                 [&](Canvas& c, double w, double h, double)
                                 {
                                     mushroom(c, w * 0.38, h * 0.95, w * 0.4, cavern(), cap, 1.0, seed);
                                     mushroom(c, w * 0.72, h * 0.96, w * 0.28, cavern(), cap.scaled(1.2), 1.0,
                                              seed + 1);
                                 });
            const int size = starts("mini") ? 64 : 130;
            return paintProp(n, size, size, output,
                             [&](Canvas& c, double w, double h, double)
                             { mushroom(c, w * 0.5, h * 0.94, w * 0.58, cavern(), cap, 1.0, seed); });
        }
        if (starts("moss_") || n == "boss_moss")
        {
            const Mood& mood = n == "boss_moss" ? inferno() : k % 3 == 0 ? forest() : cavern();
            const int w = n == "boss_moss" ? 900 : 180 + (k % 4) * 40, h = n == "boss_moss" ? 700 : 150 + (k % 3) * 40;
            return paintProp(n, w, h, output,
                             [&](Canvas& c, double fw, double fh, double t) { moss(c, fw, fh, t, seed, mood); });
        }
        if (starts("water_lilies"))
            return paintProp(n, 0, 0, output,
                             [&](Canvas& c, double w, double h, double t) { lilies(c, w, h, t, seed); });
        if (starts("strains"))
            return paintProp(n, 200, 280, output,
                             [&](Canvas& c, double w, double h, double)
                             { strands(c, w, h, seed, n == "strains" ? forest() : cavern()); });
        if (n == "boss_tree")
            return paintProp(n, 760, 760, output,
                             [&](Canvas& c, double w, double h, double) { bossTree(c, w, h, seed); });
        if (n == "boss_brambles")
            return paintProp(n, 820, 520, output,
                             [&](Canvas& c, double w, double h, double) { brambles(c, w, h, seed, 26, 0, true); });
        if (starts("Fruit_"))
            return paintProp(n, 80, 90, output,
                             [&](Canvas& c, double w, double h, double)
                             { fruit(c, w, h, n.find("good") != std::string::npos, k); });
        throw std::runtime_error("no plant prop for " + n);
    }
};

RegisterPainter<PlantPropPainter> registration;
} // namespace
