// Props made by hands, and small living things: the abandoned camp (bags,
// barrel, bucket, weapons, flags, the fire), the forge (foundries, workbenches),
// pots, gems and gold, bridges, and the flies, fireflies and butterflies.

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

const Rgba kWood = Rgba::rgb(110, 72, 44);
const Rgba kWoodDark = Rgba::rgb(40, 26, 20);
const Rgba kIron = Rgba::rgb(110, 110, 120);
const Rgba kCloth = Rgba::rgb(120, 96, 70);
const Rgba kLeather = Rgba::rgb(90, 52, 34);


void sack(Canvas& c, double x, double baseY, double s, const Rgba& cloth, std::uint32_t seed)
{
    cairo_t* cr = c.cr();
    softShadow(c, x + s * 0.1, baseY, s * 0.6, s * 0.18, 0.55);
    blobPath(c, x, baseY - s * 0.4, s * 0.5, s * 0.42, seed, 0.25, 12);
    volume(c, x, baseY - s * 0.4, s * 0.5, cloth.scaled(1.4), cloth.scaled(0.4), 2);
    cairo_move_to(cr, x - s * 0.12, baseY - s * 0.8);
    cairo_line_to(cr, x, baseY - s * 0.98);
    cairo_line_to(cr, x + s * 0.12, baseY - s * 0.8);
    c.stroke(kInk, 4);
    c.stroke(cloth.scaled(1.2), 2);
    c.clearPath();
    cairo_move_to(cr, x - s * 0.16, baseY - s * 0.78);
    cairo_line_to(cr, x + s * 0.16, baseY - s * 0.78);
    c.stroke(kInk, 4);
    c.stroke(Rgba::rgb(170, 140, 90), 2);
    c.clearPath();
}

void barrel(Canvas& c, double w, double h, bool bucket)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, rx = w * 0.38, top = h * 0.22, bottom = h * 0.85;
    softShadow(c, cx + 6, bottom, rx * 1.2, h * 0.08, 0.6);
    cairo_move_to(cr, cx - rx, top);
    cairo_curve_to(cr, cx - rx * (bucket ? 0.95 : 1.12), (top + bottom) / 2, cx - rx * (bucket ? 0.8 : 1.0), bottom,
                   cx - rx * (bucket ? 0.8 : 0.95), bottom);
    cairo_line_to(cr, cx + rx * (bucket ? 0.8 : 0.95), bottom);
    cairo_curve_to(cr, cx + rx * (bucket ? 0.8 : 1.0), bottom, cx + rx * (bucket ? 0.95 : 1.12), (top + bottom) / 2,
                   cx + rx, top);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(cx - rx, 0, cx + rx, 0, {{0, kWoodDark}, {0.35, kWood.scaled(1.3)}, {1, kWoodDark}});
    c.clearPath();
    for (int i = 1; i < 5; ++i)
    {
        cairo_move_to(cr, cx - rx + i * rx * 0.4, top + 4);
        cairo_line_to(cr, cx - rx * 0.95 + i * rx * 0.38, bottom - 2);
    }
    c.stroke(kInk.alpha(0.5), 1.5);
    c.clearPath();
    for (double y : {top + (bottom - top) * 0.2, top + (bottom - top) * 0.8})
    {
        cairo_move_to(cr, cx - rx * 1.06, y);
        cairo_line_to(cr, cx + rx * 1.06, y);
        c.stroke(kInk, 7);
        c.stroke(kIron, 4);
        c.clearPath();
    }
    c.ellipse(cx, top, rx, h * 0.08);
    c.stroke(kInk, 4);
    c.fillRadial(cx, top, 0, rx, {{0, bucket ? Rgba::rgb(40, 60, 80) : kWood.scaled(0.9)}, {1, kWoodDark}});
    c.clearPath();
    if (bucket)
    {
        c.ellipse(cx - rx * 0.2, top - 2, rx * 0.3, h * 0.02);
        c.fillColour(kHoly.alpha(0.3));
        c.clearPath();
        cairo_arc(cr, cx, top, rx * 1.05, M_PI * 1.05, M_PI * 1.95);
        c.stroke(kInk, 4);
        c.stroke(kIron, 2);
        c.clearPath();
    }
}

void firecamp(Canvas& c, double w, double h, double t)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, base = h * 0.86;
    const double f = 0.85 + 0.15 * std::sin(t * 2 * M_PI * 2);
    c.ellipse(cx, base, w * 0.5, h * 0.12);
    c.fillRadial(cx, base, 0, w * 0.5, {{0, kEmber.alpha(0.5 * f)}, {1, kEmber.alpha(0)}});
    c.clearPath();
    for (int i = 0; i < 8; ++i)
    {
        const double a = i * 2 * M_PI / 8;
        c.ellipse(cx + std::cos(a) * w * 0.34, base + std::sin(a) * h * 0.05, w * 0.09, h * 0.035);
        volume(c, cx + std::cos(a) * w * 0.34, base, w * 0.09, kAsh.scaled(1.4), kStone.scaled(0.5), 1.5);
    }
    for (double a : {-0.5, 0.5})
    {
        cairo_move_to(cr, cx - std::cos(a) * w * 0.3, base + std::sin(a) * 10);
        cairo_line_to(cr, cx + std::cos(a) * w * 0.3, base - std::sin(a) * 10);
        c.stroke(kInk, 10);
        c.stroke(kWood, 7);
        c.clearPath();
    }
    // Three tongues of flame, each with its own flicker.
    for (int i = 0; i < 3; ++i)
    {
        const double ph = t * 2 * M_PI + i * 2.1;
        const double fx = cx + (i - 1) * w * 0.13, fh = h * (0.45 + 0.12 * std::sin(ph)) * (i == 1 ? 1.25 : 0.8);
        const double lean = std::sin(ph * 2) * w * 0.08;
        cairo_move_to(cr, fx - w * 0.14, base);
        cairo_curve_to(cr, fx - w * 0.16, base - fh * 0.5, fx + lean, base - fh * 0.7, fx + lean, base - fh);
        cairo_curve_to(cr, fx + lean * 0.5, base - fh * 0.6, fx + w * 0.17, base - fh * 0.4, fx + w * 0.14, base);
        cairo_close_path(cr);
        c.glow(kEmber, 6, 4);
        c.fillLinear(0, base, 0, base - fh, {{0, kHoly}, {0.25, kPaleGold}, {0.6, kEmber}, {1, kCrimson.alpha(0.7)}});
        c.clearPath();
    }
    Dice dice(3);
    for (int i = 0; i < 6; ++i)
    {
        const double life = std::fmod(t + dice.uniform(), 1.0);
        c.ellipse(cx + dice.range(-20, 20) + std::sin(life * 6) * 6, base - h * 0.5 - life * h * 0.4, 2, 2);
        c.fillColour(kPaleGold.alpha(1 - life));
        c.clearPath();
    }
}

void flag(Canvas& c, double w, double h, double t, const Rgba& cloth, const Rgba& sigil)
{
    cairo_t* cr = c.cr();
    softShadow(c, w * 0.2, h * 0.94, w * 0.16, h * 0.04, 0.6);
    cairo_move_to(cr, w * 0.2, h * 0.95);
    cairo_line_to(cr, w * 0.2, h * 0.04);
    c.stroke(kInk, 7);
    c.stroke(kWood, 4);
    c.clearPath();
    const double ph = t * 2 * M_PI;
    auto wave = [&](double u) { return std::sin(ph - u * 5) * h * 0.04 * u; };
    cairo_move_to(cr, w * 0.22, h * 0.08);
    for (int i = 1; i <= 10; ++i)
    {
        const double u = i / 10.0;
        cairo_line_to(cr, w * (0.22 + 0.72 * u), h * 0.08 + wave(u));
    }
    cairo_line_to(cr, w * 0.8, h * 0.32 + wave(1));
    cairo_line_to(cr, w * 0.94, h * 0.56 + wave(1));
    for (int i = 10; i >= 0; --i)
    {
        const double u = i / 10.0;
        cairo_line_to(cr, w * (0.22 + 0.72 * u), h * 0.56 + wave(u) * 1.2);
    }
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(w * 0.22, 0, w * 0.94, 0,
                 {{0, cloth.scaled(1.2)}, {0.3 + 0.2 * std::sin(ph), cloth.scaled(0.6)}, {1, cloth.scaled(1.1)}});
    c.clearPath();
    const double sx = w * 0.52, sy = h * 0.32 + wave(0.45);
    pentagramPath(c, sx, sy, h * 0.11, std::sin(ph) * 0.05);
    c.stroke(sigil, 2.5);
    c.clearPath();
    c.ellipse(sx, sy, h * 0.12, h * 0.12);
    c.stroke(sigil, 2);
    c.clearPath();
}

void weapons(Canvas& c, double w, double h, const std::string& n)
{
    cairo_t* cr = c.cr();
    auto blade = [&](double x0, double y0, double x1, double y1, double width)
    {
        softShadow(c, (x0 + x1) / 2 + 5, (y0 + y1) / 2 + 6, std::abs(x1 - x0) / 2 + 10, std::abs(y1 - y0) / 2 + 8,
                   0.35);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        c.stroke(kInk, width + 4);
        c.stroke(kIron.scaled(1.3), width);
        c.stroke(kHoly.alpha(0.6), 1.2);
        c.clearPath();
        const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
        const double gx = x0 + dx * 0.22, gy = y0 + dy * 0.22, nx = -dy / len, ny = dx / len;
        cairo_move_to(cr, gx - nx * width * 2, gy - ny * width * 2);
        cairo_line_to(cr, gx + nx * width * 2, gy + ny * width * 2);
        c.stroke(kInk, 7);
        c.stroke(kGold, 4);
        c.clearPath();
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, gx, gy);
        c.stroke(kInk, 7);
        c.stroke(kLeather, 4);
        c.clearPath();
    };
    if (n == "swords_01")
    {
        blade(w * 0.15, h * 0.2, w * 0.85, h * 0.8, 7);
        blade(w * 0.85, h * 0.25, w * 0.2, h * 0.85, 7);
    }
    else if (n == "swords_02")
    {
        blade(w * 0.1, h * 0.4, w * 0.9, h * 0.5, 8);
        blade(w * 0.2, h * 0.7, w * 0.85, h * 0.25, 6);
        blade(w * 0.15, h * 0.15, w * 0.75, h * 0.85, 6);
    }
    else if (n == "scythe")
    {
        softShadow(c, w / 2 + 6, h / 2 + 8, w * 0.45, h * 0.3, 0.35);
        cairo_move_to(cr, w * 0.1, h * 0.9);
        cairo_line_to(cr, w * 0.75, h * 0.15);
        c.stroke(kInk, 9);
        c.stroke(kWood, 5);
        c.clearPath();
        cairo_move_to(cr, w * 0.73, h * 0.17);
        cairo_curve_to(cr, w * 0.6, h * 0.0, w * 0.3, h * 0.02, w * 0.12, h * 0.2);
        cairo_curve_to(cr, w * 0.35, h * 0.12, w * 0.55, h * 0.14, w * 0.7, h * 0.26);
        cairo_close_path(cr);
        c.stroke(kInk, 3);
        c.fillLinear(w * 0.1, 0, w * 0.75, 0, {{0, kHoly}, {0.5, kBone}, {1, kAsh}});
        c.clearPath();
    }
    else if (n == "bow")
    {
        softShadow(c, w / 2 + 5, h / 2 + 6, w * 0.45, h * 0.3, 0.35);
        cairo_move_to(cr, w * 0.1, h * 0.8);
        cairo_curve_to(cr, w * 0.25, h * 0.1, w * 0.75, h * 0.1, w * 0.9, h * 0.8);
        c.stroke(kInk, 9);
        c.stroke(kWood.scaled(1.2), 5);
        c.clearPath();
        cairo_move_to(cr, w * 0.1, h * 0.8);
        cairo_line_to(cr, w * 0.9, h * 0.8);
        c.stroke(kBone.alpha(0.9), 1.5);
        c.clearPath();
    }
    else if (n == "shield")
    {
        const double cx = w / 2, cy = h / 2;
        softShadow(c, cx + 6, cy + 10, w * 0.42, h * 0.4, 0.5);
        c.ellipse(cx, cy, w * 0.4, h * 0.4);
        c.stroke(kInk, 5);
        c.fillRadial(cx - w * 0.1, cy - h * 0.1, 0, w * 0.45, {{0, kCrimson.scaled(1.2)}, {1, kBlood.scaled(0.6)}});
        c.clearPath();
        c.ellipse(cx, cy, w * 0.4, h * 0.4);
        c.stroke(kIron, 5);
        c.clearPath();
        c.ellipse(cx, cy, w * 0.1, h * 0.1);
        volume(c, cx, cy, w * 0.1, kIron.scaled(1.6), kIron.scaled(0.4), 1.5);
        for (int i = 0; i < 8; ++i)
        {
            c.ellipse(cx + std::cos(i * M_PI / 4) * w * 0.33, cy + std::sin(i * M_PI / 4) * h * 0.33, 3, 3);
            c.fillColour(kPaleGold);
            c.clearPath();
        }
    }
    else // quivers
    {
        const double tilt = n == "quiver_01" ? -0.4 : 0.35;
        cairo_save(cr);
        cairo_translate(cr, w / 2, h / 2);
        cairo_rotate(cr, tilt);
        softShadow(c, 6, 8, w * 0.2, h * 0.4, 0.4);
        for (int i = 0; i < 4; ++i)
        {
            const double x = -w * 0.08 + i * w * 0.05;
            cairo_move_to(cr, x, -h * 0.2);
            cairo_line_to(cr, x, -h * 0.45);
            c.stroke(kInk, 3);
            c.stroke(kWood.scaled(1.3), 1.5);
            c.clearPath();
            cairo_move_to(cr, x - 4, -h * 0.46);
            cairo_line_to(cr, x, -h * 0.38);
            cairo_line_to(cr, x + 4, -h * 0.46);
            c.fillColour(i % 2 ? kCrimson : kBone);
            c.clearPath();
        }
        c.roundedRect(-w * 0.14, -h * 0.25, w * 0.28, h * 0.65, 8);
        c.stroke(kInk, 4);
        c.fillLinear(-w * 0.14, 0, w * 0.14, 0, {{0, kLeather.scaled(1.4)}, {1, kLeather.scaled(0.45)}});
        c.clearPath();
        cairo_restore(cr);
    }
}

void foundry(Canvas& c, double w, double h, bool second)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, base = h * 0.9;
    softShadow(c, cx + 10, base, w * 0.46, h * 0.08, 0.65);
    // A squat stone furnace, its mouth glowing, a crucible of molten metal on top.
    cairo_move_to(cr, cx - w * 0.4, base);
    cairo_line_to(cr, cx - w * 0.32, h * 0.3);
    cairo_line_to(cr, cx + w * 0.32, h * 0.3);
    cairo_line_to(cr, cx + w * 0.4, base);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillLinear(cx - w * 0.4, 0, cx + w * 0.4, 0, {{0, kStone.scaled(1.4)}, {0.6, kStone}, {1, kInk}});
    c.clearPath();
    for (int row = 0; row < 5; ++row)
    {
        const double y = h * 0.3 + row * (base - h * 0.3) / 5;
        cairo_move_to(cr, cx - w * 0.38, y);
        cairo_line_to(cr, cx + w * 0.38, y);
        for (int i = 0; i < 4; ++i)
        {
            const double x = cx - w * 0.3 + i * w * 0.2 + (row % 2) * w * 0.1;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + (base - h * 0.3) / 5);
        }
    }
    c.stroke(kInk.alpha(0.55), 2);
    c.clearPath();
    cairo_move_to(cr, cx - w * 0.16, base);
    cairo_line_to(cr, cx - w * 0.16, h * 0.68);
    cairo_arc(cr, cx, h * 0.68, w * 0.16, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + w * 0.16, base);
    cairo_close_path(cr);
    c.glow(kEmber, 16, 6);
    c.fillRadial(cx, base - h * 0.05, 0, w * 0.22, {{0, kHoly}, {0.3, kPaleGold}, {0.7, kEmber}, {1, kCrimson}});
    c.clearPath();
    c.ellipse(cx, h * 0.28, w * 0.3, h * 0.08);
    c.stroke(kInk, 5);
    c.fillColour(kIron.scaled(0.5));
    c.clearPath();
    c.ellipse(cx, h * 0.27, w * 0.24, h * 0.055);
    c.glow(kEmber, 10, 5);
    c.fillRadial(cx, h * 0.27, 0, w * 0.24, {{0, kPaleGold}, {0.6, kEmber}, {1, kCrimson}});
    c.clearPath();
    if (second)
    {
        // A chimney with a trail of smoke.
        c.roundedRect(cx + w * 0.18, h * 0.02, w * 0.14, h * 0.26, 3);
        c.stroke(kInk, 4);
        c.fillLinear(cx + w * 0.18, 0, cx + w * 0.32, 0, {{0, kStone.scaled(1.3)}, {1, kInk}});
        c.clearPath();
    }
    c.grain(0.15, 2.5, second ? 2 : 1);
}

void workbench(Canvas& c, double w, double h, int k)
{
    cairo_t* cr = c.cr();
    softShadow(c, w / 2 + 8, h * 0.82, w * 0.5, h * 0.14, 0.6);
    for (double x : {0.1, 0.84})
        for (double y : {0.62, 0.78})
        {
            c.roundedRect(w * x, h * y - h * 0.06, w * 0.06, h * 0.12, 2);
            c.stroke(kInk, 3);
            c.fillColour(kWoodDark);
            c.clearPath();
        }
    c.roundedRect(w * 0.05, h * 0.25, w * 0.9, h * 0.48, 6);
    c.stroke(kInk, 5);
    c.fillLinear(0, h * 0.25, 0, h * 0.73, {{0, kWood.scaled(1.3)}, {1, kWood.scaled(0.6)}});
    c.clearPath();
    for (int i = 1; i < 4; ++i)
    {
        cairo_move_to(cr, w * 0.05, h * 0.25 + i * h * 0.12);
        cairo_line_to(cr, w * 0.95, h * 0.25 + i * h * 0.12);
    }
    c.stroke(kWoodDark.alpha(0.6), 1.5);
    c.clearPath();
    // Tools: a hammer and tongs, or an anvil and a glowing ingot.
    if (k == 1)
    {
        cairo_move_to(cr, w * 0.2, h * 0.6);
        cairo_line_to(cr, w * 0.45, h * 0.38);
        c.stroke(kInk, 8);
        c.stroke(kWood.scaled(1.5), 5);
        c.clearPath();
        c.roundedRect(w * 0.4, h * 0.3, w * 0.12, h * 0.12, 2);
        c.stroke(kInk, 3);
        c.fillColour(kIron);
        c.clearPath();
        cairo_move_to(cr, w * 0.6, h * 0.35);
        cairo_line_to(cr, w * 0.85, h * 0.62);
        cairo_move_to(cr, w * 0.64, h * 0.33);
        cairo_line_to(cr, w * 0.88, h * 0.56);
        c.stroke(kInk, 5);
        c.stroke(kIron, 2.5);
        c.clearPath();
    }
    else
    {
        cairo_move_to(cr, w * 0.25, h * 0.35);
        cairo_line_to(cr, w * 0.6, h * 0.35);
        cairo_line_to(cr, w * 0.52, h * 0.5);
        cairo_line_to(cr, w * 0.33, h * 0.5);
        cairo_close_path(cr);
        c.stroke(kInk, 4);
        c.fillLinear(0, h * 0.35, 0, h * 0.5, {{0, kIron.scaled(1.3)}, {1, kIron.scaled(0.4)}});
        c.clearPath();
        c.roundedRect(w * 0.68, h * 0.42, w * 0.14, h * 0.08, 2);
        c.glow(kEmber, 8, 4);
        c.fillColour(kEmber.mix(kPaleGold, 0.4));
        c.clearPath();
    }
}

void pot(Canvas& c, double w, double h, int k)
{
    cairo_t* cr = c.cr();
    const Rgba clays[] = {Rgba::rgb(150, 80, 52), Rgba::rgb(90, 96, 110), Rgba::rgb(120, 40, 46)};
    const Rgba clay = clays[(k - 1 + 3) % 3];
    const double cx = w / 2, base = h * 0.88, r = w * 0.38;
    softShadow(c, cx + 6, base, r * 1.1, h * 0.07, 0.6);
    cairo_move_to(cr, cx - r * 0.45, base);
    cairo_curve_to(cr, cx - r * 1.25, base - h * 0.1, cx - r * 1.2, h * 0.35, cx - r * 0.45, h * 0.22);
    cairo_line_to(cr, cx - r * 0.55, h * 0.12);
    cairo_line_to(cr, cx + r * 0.55, h * 0.12);
    cairo_line_to(cr, cx + r * 0.45, h * 0.22);
    cairo_curve_to(cr, cx + r * 1.2, h * 0.35, cx + r * 1.25, base - h * 0.1, cx + r * 0.45, base);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillRadial(cx - r * 0.4, h * 0.4, 0, r * 1.4, {{0, clay.scaled(1.6)}, {0.5, clay}, {1, clay.scaled(0.35)}});
    c.clearPath();
    c.ellipse(cx, h * 0.12, r * 0.55, h * 0.04);
    c.stroke(kInk, 3);
    c.fillColour(kInk.mix(clay, 0.3));
    c.clearPath();
    // A painted band: skulls on one, waves on another, runes on the third.
    const double by = h * 0.52;
    cairo_move_to(cr, cx - r * 1.02, by);
    cairo_line_to(cr, cx + r * 1.02, by);
    cairo_move_to(cr, cx - r * 0.98, by + h * 0.1);
    cairo_line_to(cr, cx + r * 0.98, by + h * 0.1);
    c.stroke(kInk.alpha(0.8), 2.5);
    c.clearPath();
    for (int i = -2; i <= 2; ++i)
    {
        const double x = cx + i * r * 0.36, y = by + h * 0.05;
        if (k == 1)
            c.ellipse(x, y, r * 0.09, h * 0.03);
        else if (k == 2)
        {
            cairo_move_to(cr, x - r * 0.14, y);
            cairo_curve_to(cr, x - r * 0.07, y - h * 0.04, x + r * 0.07, y + h * 0.04, x + r * 0.14, y);
        }
        else
        {
            cairo_move_to(cr, x - r * 0.08, y - h * 0.03);
            cairo_line_to(cr, x + r * 0.08, y + h * 0.03);
            cairo_move_to(cr, x + r * 0.08, y - h * 0.03);
            cairo_line_to(cr, x - r * 0.08, y + h * 0.03);
        }
        if (k == 1)
            c.fillColour(kBone.alpha(0.85));
        else
            c.stroke(k == 2 ? kPaleGold.alpha(0.8) : kEmber.alpha(0.9), 2.5);
        c.clearPath();
    }
    c.grain(0.12, 2, k);
}

void gem(Canvas& c, double w, double h, const Rgba& colour)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, cy = h * 0.48, r = w * 0.32;
    softShadow(c, cx, h * 0.86, r, h * 0.06, 0.5);
    c.ellipse(cx, cy, r * 1.6, r * 1.6);
    c.fillRadial(cx, cy, 0, r * 1.6, {{0, colour.alpha(0.45)}, {1, colour.alpha(0)}});
    c.clearPath();
    const std::vector<std::pair<double, double>> outer{{cx - r, cy - r * 0.3},
                                                       {cx - r * 0.5, cy - r * 0.8},
                                                       {cx + r * 0.5, cy - r * 0.8},
                                                       {cx + r, cy - r * 0.3},
                                                       {cx, cy + r}};
    c.polygon(outer);
    c.stroke(kInk, 4);
    c.fillLinear(cx - r, cy - r, cx + r, cy + r, {{0, colour.mix(kHoly, 0.6)}, {0.5, colour}, {1, colour.scaled(0.3)}});
    c.clearPath();
    cairo_move_to(cr, cx - r, cy - r * 0.3);
    cairo_line_to(cr, cx + r, cy - r * 0.3);
    cairo_move_to(cr, cx - r * 0.5, cy - r * 0.8);
    cairo_line_to(cr, cx - r * 0.25, cy - r * 0.3);
    cairo_line_to(cr, cx, cy + r);
    cairo_line_to(cr, cx + r * 0.25, cy - r * 0.3);
    cairo_line_to(cr, cx + r * 0.5, cy - r * 0.8);
    c.stroke(colour.mix(kHoly, 0.7).alpha(0.7), 1.5);
    c.clearPath();
    c.ellipse(cx - r * 0.35, cy - r * 0.52, r * 0.12, r * 0.07);
    c.fillColour(kHoly);
    c.clearPath();
}

void bridge(Canvas& c, double w, double h, int k)
{
    cairo_t* cr = c.cr();
    // Planks across, seen from above, with rope rails; the third is a stone arch.
    softShadow(c, w / 2, h / 2 + 12, w * 0.5, h * 0.48, 0.55);
    if (k == 3)
    {
        c.roundedRect(w * 0.12, 0, w * 0.76, h, 10);
        c.stroke(kInk, 6);
        c.fillLinear(w * 0.12, 0, w * 0.88, 0,
                     {{0, kStone.scaled(0.7)}, {0.5, kAsh.scaled(1.2)}, {1, kStone.scaled(0.6)}});
        c.clearPath();
        for (int i = 0; i < 14; ++i)
        {
            const double y = i * h / 14;
            cairo_move_to(cr, w * 0.12, y);
            cairo_line_to(cr, w * 0.88, y);
            const double x = w * (0.3 + 0.2 * (i % 3));
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + h / 14);
        }
        c.stroke(kInk.alpha(0.5), 2);
        c.clearPath();
        for (double x : {0.12, 0.88})
        {
            cairo_move_to(cr, w * x, 0);
            cairo_line_to(cr, w * x, h);
            c.stroke(kInk, 12);
            c.stroke(kAsh.scaled(0.9), 8);
            c.clearPath();
        }
        c.grain(0.15, 2.5, 3);
        return;
    }
    Dice dice(k * 11);
    const int planks = static_cast<int>(h / 34);
    for (int i = 0; i < planks; ++i)
    {
        const double y = i * h / planks + 2, jitter = dice.range(-6, 6);
        c.roundedRect(w * 0.16 + jitter, y, w * 0.68, h / planks - 5, 3);
        c.stroke(kInk, 3);
        c.fillLinear(0, y, 0, y + h / planks, {{0, kWood.scaled(dice.range(1.0, 1.4))}, {1, kWoodDark}});
        c.clearPath();
    }
    for (double x : {0.14, 0.86})
    {
        cairo_move_to(cr, w * x, 0);
        for (int i = 1; i <= 8; ++i)
            cairo_line_to(cr, w * x + std::sin(i * 0.8) * 3, i * h / 8);
        c.stroke(kInk, 7);
        c.stroke(Rgba::rgb(170, 140, 90), 3.5);
        c.clearPath();
        for (int i = 0; i <= 4; ++i)
        {
            c.ellipse(w * x, i * h / 4 + (i == 0 ? 8 : i == 4 ? -8 : 0), 8, 8);
            volume(c, w * x, i * h / 4, 8, kWood.scaled(1.4), kWoodDark, 1.5);
        }
    }
}

// A fly buzzing in a small figure of eight; wings blur between frames.
void insect(Canvas& c, double w, double h, double t, int kind)
{
    cairo_t* cr = c.cr();
    const double ph = t * 2 * M_PI;
    // The butterfly's wide wings leave it less room to wander inside its frame.
    const double roam = kind == 2 ? 0.1 : 0.25;
    const double x = w / 2 + std::sin(ph) * w * roam, y = h / 2 + std::sin(ph * 2) * h * roam * 0.7;
    const double s = std::min(w, h) * (kind == 2 ? 0.1 : 0.17);
    const Rgba body = kind == 0 ? Rgba::rgb(30, 30, 36) : kind == 1 ? Rgba::rgb(50, 40, 20) : Rgba::rgb(60, 20, 40);
    if (kind == 1)
    {
        // The firefly's light.
        const double pulse = 0.6 + 0.4 * std::sin(ph * 2);
        c.ellipse(x, y + s * 0.6, s * 3 * pulse, s * 3 * pulse);
        c.fillRadial(x, y + s * 0.6, 0, s * 3,
                     {{0, Rgba::rgb(220, 255, 120).alpha(0.7)}, {1, Rgba::rgb(220, 255, 120).alpha(0)}});
        c.clearPath();
    }
    if (kind == 2)
    {
        // Butterfly wings beating: their width follows the beat.
        const double open = 0.25 + 0.75 * std::abs(std::cos(ph * 2));
        for (double side : {-1.0, 1.0})
            for (int pair = 0; pair < 2; ++pair)
            {
                const double wy = y + (pair ? s * 0.8 : -s * 0.5), ws = s * (pair ? 1.4 : 2.0);
                c.ellipse(x + side * ws * 0.9 * open, wy, ws * open, ws * 0.8);
                c.stroke(kInk, 2.5);
                c.fillRadial(x + side * ws * 0.9 * open, wy, 0, ws,
                             {{0, kPaleGold}, {0.5, Rgba::rgb(200, 120, 220)}, {1, Rgba::rgb(80, 30, 120)}});
                c.clearPath();
                c.ellipse(x + side * ws * 1.1 * open, wy - ws * 0.2, ws * 0.2 * open, ws * 0.2);
                c.fillColour(kInk.alpha(0.8));
                c.clearPath();
            }
    }
    else
    {
        const double beat = std::abs(std::sin(ph * 4));
        for (double side : {-1.0, 1.0})
        {
            c.ellipse(x + side * s * 0.9, y - s * 0.3 - beat * s * 0.3, s * 0.9, s * 0.45);
            c.fillColour(Rgba{0.85, 0.9, 1.0, 0.35 + 0.2 * beat});
            c.stroke(kInk.alpha(0.6), 1);
            c.clearPath();
        }
    }
    c.ellipse(x, y, s * 0.45, s * (kind == 2 ? 1.1 : 0.75));
    c.stroke(kInk, 2);
    c.fillColour(body);
    c.clearPath();
    c.ellipse(x, y - s * (kind == 2 ? 1.1 : 0.75), s * 0.3, s * 0.3);
    c.fillColour(kind == 0 ? kCrimson : body.scaled(1.5));
    c.clearPath();
    if (kind == 1)
    {
        c.ellipse(x, y + s * 0.5, s * 0.4, s * 0.4);
        c.fillColour(Rgba::rgb(240, 255, 160));
        c.clearPath();
    }
    // The trail of its path.
    for (int i = 1; i <= 5; ++i)
    {
        const double pt = ph - i * 0.25;
        c.ellipse(w / 2 + std::sin(pt) * w * roam, h / 2 + std::sin(pt * 2) * h * roam * 0.7, 1.5, 1.5);
        c.fillColour(kHoly.alpha(0.25 - i * 0.04));
        c.clearPath();
    }
    (void)cr;
}

class CampPropPainter : public PatternPainter
{
public:
    CampPropPainter()
        : PatternPainter(
              {R"(Assets/Sprites/Props/(bags|barrel|bow|bucket|firecamp|flag(_02)?|foundry(_02)?)\.png)",
               R"(Assets/Sprites/Props/(quiver_0[12]|scythe|shield|swords_0[12]|workbench_0[12])\.png)",
               R"(Assets/Sprites/Props/(pot_0[1-3]|gold_bag|Gem_[a-z]+|bridge_0[1-3]|fly|firefly|Butterfly)\.png)"})
    {
    }
    std::string name() const override { return "camp props"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = stemOf(path);
        const std::uint32_t seed = seedOf(n);
        const int k = trailingNumber(n);
        auto starts = [&](const char* p) { return n.rfind(p, 0) == 0; };
        if (n == "bags")
            return paintProp(n, 170, 120, output,
                             [&](Canvas& c, double w, double h, double)
                             {
                                 sack(c, w * 0.3, h * 0.9, h * 0.7, kCloth, seed);
                                 sack(c, w * 0.68, h * 0.92, h * 0.8, kCloth.scaled(0.8), seed + 1);
                             });
        if (n == "gold_bag")
            return paintProp(n, 90, 90, output,
                             [&](Canvas& c, double w, double h, double)
                             {
                                 sack(c, w / 2, h * 0.9, h * 0.75, kLeather, seed);
                                 for (int i = 0; i < 4; ++i)
                                 {
                                     c.ellipse(w * (0.2 + 0.18 * i), h * 0.88 - (i % 2) * 4, 7, 4);
                                     volume(c, w * (0.2 + 0.18 * i), h * 0.88, 7, kPaleGold, kGold.scaled(0.5), 1);
                                 }
                             });
        if (n == "barrel" || n == "bucket")
            return paintProp(n, n == "barrel" ? 110 : 80, n == "barrel" ? 140 : 80, output,
                             [&](Canvas& c, double w, double h, double) { barrel(c, w, h, n == "bucket"); });
        if (n == "firecamp")
            return paintProp(n, 0, 0, output, [&](Canvas& c, double w, double h, double t) { firecamp(c, w, h, t); });
        if (starts("flag"))
            return paintProp(
                n, 0, 0, output,
                [&](Canvas& c, double w, double h, double t)
                { flag(c, w, h, t, n == "flag" ? kCrimson : Rgba::rgb(40, 44, 70), n == "flag" ? kInk : kPaleGold); });
        if (starts("foundry"))
            return paintProp(n, 220, 240, output,
                             [&](Canvas& c, double w, double h, double) { foundry(c, w, h, n != "foundry"); });
        if (starts("workbench"))
            return paintProp(n, 240, 150, output,
                             [&](Canvas& c, double w, double h, double) { workbench(c, w, h, k); });
        if (starts("swords") || n == "scythe" || n == "bow" || n == "shield" || starts("quiver"))
        {
            const int w = n == "shield"      ? 110
                          : starts("quiver") ? 90
                                             : 170,
                      h = n == "shield"      ? 110
                          : starts("quiver") ? 150
                                             : 130;
            return paintProp(n, w, h, output, [&](Canvas& c, double fw, double fh, double) { weapons(c, fw, fh, n); });
        }
        if (starts("pot_"))
            return paintProp(n, 110, 120, output, [&](Canvas& c, double w, double h, double) { pot(c, w, h, k); });
        if (starts("Gem_"))
        {
            const std::string colour = n.substr(4);
            const Rgba tint = colour == "red"      ? Rgba::rgb(220, 30, 50)
                              : colour == "blue"   ? Rgba::rgb(50, 110, 240)
                              : colour == "green"  ? Rgba::rgb(40, 200, 90)
                              : colour == "violet" ? Rgba::rgb(160, 60, 230)
                                                   : Rgba::rgb(250, 140, 30);
            return paintProp(n, 70, 80, output, [&](Canvas& c, double w, double h, double) { gem(c, w, h, tint); });
        }
        if (starts("bridge_"))
            return paintProp(n, 230, k == 2 ? 420 : 320, output,
                             [&](Canvas& c, double w, double h, double) { bridge(c, w, h, k); });
        if (n == "fly" || n == "firefly" || n == "Butterfly")
            return paintProp(n, 0, 0, output,
                             [&](Canvas& c, double w, double h, double t) {
                                 insect(c, w, h, t, n == "fly" ? 0 : n == "firefly" ? 1 : 2);
                             });
        throw std::runtime_error("no camp prop for " + n);
    }
};

RegisterPainter<CampPropPainter> registration;
} // namespace
