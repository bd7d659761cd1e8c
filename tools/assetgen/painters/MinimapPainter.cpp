// The floor's map: a dark parchment panel, one medallion per kind of room (a
// skull for the boss, the merchant's purse, crossed blades for the elite, a
// heart sealed by a pentagram for healing, a soul's wisp, a plain flagstone for
// an ordinary room), a gold ring for the room the player stands in, and the ink
// line pieces that join them. The map shows icons at 0.4 scale, so shapes are
// bold and outlined.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

constexpr int kIcon = 120;
const Rgba kInkLine = Rgba::rgb(34, 16, 10);

// A round medallion every icon sits on, so all read the same on the parchment.
void medallion(Canvas& c, const Rgba& rim, const Rgba& face)
{
    const double cx = kIcon / 2.0, cy = kIcon / 2.0 + 2;
    c.ellipse(cx + 3, cy + 5, 52, 52);
    c.fillColour(kInk.alpha(0.45));
    c.clearPath();
    c.ellipse(cx, cy, 52, 52);
    c.stroke(kInk, 6);
    c.fillLinear(0, cy - 52, 0, cy + 52, {{0, rim.scaled(1.3)}, {1, rim.scaled(0.55)}});
    c.clearPath();
    c.ellipse(cx, cy, 43, 43);
    c.fillRadial(cx - 12, cy - 14, 4, 50, {{0, face.scaled(1.35)}, {0.6, face}, {1, face.scaled(0.5)}});
    c.stroke(kInk.alpha(0.8), 2.5);
    c.clearPath();
}

void skull(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, kCrimson, kBlood.scaled(0.7));
    const double cx = 60, cy = 58;
    // Cranium and jaw.
    c.ellipse(cx, cy - 4, 26, 24);
    cairo_rectangle(cr, cx - 15, cy + 8, 30, 18);
    c.stroke(kInk, 5);
    c.fillLinear(0, cy - 28, 0, cy + 26, {{0, kHoly}, {1, kBone.scaled(0.75)}});
    c.clearPath();
    for (double ex : {cx - 10, cx + 10})
    {
        c.ellipse(ex, cy + 1, 7.5, 8.5);
        c.fillColour(kInk);
        c.clearPath();
        c.ellipse(ex, cy + 2, 2.5, 2.5);
        c.fillColour(kCrimson.scaled(1.4));
        c.clearPath();
    }
    cairo_move_to(cr, cx, cy + 8);
    cairo_line_to(cr, cx - 4, cy + 15);
    cairo_line_to(cr, cx + 4, cy + 15);
    cairo_close_path(cr);
    c.fillColour(kInk);
    c.clearPath();
    for (int i = -1; i <= 1; ++i)
    {
        cairo_move_to(cr, cx + i * 6, cy + 19);
        cairo_line_to(cr, cx + i * 6, cy + 26);
    }
    c.stroke(kInk, 2.5);
    c.clearPath();
    // Horns: this is where the floor's master waits.
    for (int side : {-1, 1})
    {
        cairo_move_to(cr, cx + side * 18, cy - 22);
        cairo_curve_to(cr, cx + side * 30, cy - 30, cx + side * 34, cy - 40, cx + side * 30, cy - 46);
        cairo_curve_to(cr, cx + side * 28, cy - 36, cx + side * 22, cy - 30, cx + side * 12, cy - 26);
        cairo_close_path(cr);
        c.stroke(kInk, 4);
        c.fillLinear(0, cy - 46, 0, cy - 20, {{0, kInk}, {1, kBone.scaled(0.6)}});
        c.clearPath();
    }
}

void purse(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, kGold.scaled(0.8), Rgba::rgb(60, 40, 24));
    const double cx = 60, cy = 66;
    cairo_move_to(cr, cx - 10, cy - 24);
    cairo_curve_to(cr, cx - 34, cy - 10, cx - 34, cy + 22, cx, cy + 24);
    cairo_curve_to(cr, cx + 34, cy + 22, cx + 34, cy - 10, cx + 10, cy - 24);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillRadial(cx - 10, cy - 6, 2, 36, {{0, Rgba::rgb(190, 140, 80)}, {1, Rgba::rgb(96, 58, 28)}});
    c.clearPath();
    // Tied neck and flared top.
    c.ellipse(cx, cy - 26, 14, 6);
    c.stroke(kInk, 4);
    c.fillColour(Rgba::rgb(140, 96, 52));
    c.clearPath();
    cairo_move_to(cr, cx - 12, cy - 20);
    cairo_line_to(cr, cx + 12, cy - 20);
    c.stroke(kGold, 4);
    c.clearPath();
    // A coin in front.
    c.ellipse(cx + 14, cy + 12, 11, 11);
    c.stroke(kInk, 4);
    c.fillRadial(cx + 10, cy + 8, 1, 12, {{0, kPaleGold}, {1, kGold.scaled(0.8)}});
    c.clearPath();
    cairo_move_to(cr, cx + 14, cy + 5);
    cairo_line_to(cr, cx + 14, cy + 19);
    c.stroke(kGold.scaled(0.55), 2.5);
    c.clearPath();
}

void blades(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, Rgba::rgb(150, 150, 160), Rgba::rgb(40, 30, 44));
    const double cx = 60, cy = 62;
    for (int side : {-1, 1})
    {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, side * M_PI / 4);
        // Blade.
        cairo_move_to(cr, -5, 14);
        cairo_line_to(cr, -5, -28);
        cairo_line_to(cr, 0, -38);
        cairo_line_to(cr, 5, -28);
        cairo_line_to(cr, 5, 14);
        cairo_close_path(cr);
        c.stroke(kInk, 4);
        c.fillLinear(-5, 0, 5, 0, {{0, kHoly}, {0.5, Rgba::rgb(190, 196, 210)}, {1, Rgba::rgb(110, 116, 130)}});
        c.clearPath();
        // Guard and grip.
        c.roundedRect(-14, 13, 28, 6, 3);
        c.stroke(kInk, 3);
        c.fillColour(kGold);
        c.clearPath();
        c.roundedRect(-3.5, 19, 7, 14, 2);
        c.stroke(kInk, 3);
        c.fillColour(Rgba::rgb(90, 40, 30));
        c.clearPath();
        cairo_restore(cr);
    }
}

void heart(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, Rgba::rgb(200, 60, 80), Rgba::rgb(48, 14, 22));
    const double cx = 60, cy = 60;
    cairo_move_to(cr, cx, cy + 28);
    cairo_curve_to(cr, cx - 40, cy + 2, cx - 30, cy - 30, cx, cy - 14);
    cairo_curve_to(cr, cx + 30, cy - 30, cx + 40, cy + 2, cx, cy + 28);
    cairo_close_path(cr);
    c.stroke(kInk, 5);
    c.fillRadial(cx - 10, cy - 10, 2, 40, {{0, Rgba::rgb(255, 140, 150)}, {0.5, Rgba::rgb(210, 40, 60)}, {1, kBlood}});
    c.clearPath();
    pentagramPath(c, cx, cy + 2, 13, 0);
    c.stroke(kPaleGold, 2.5);
    c.clearPath();
}

void wisp(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, Rgba::rgb(120, 170, 200), Rgba::rgb(16, 24, 40));
    const double cx = 60, cy = 66;
    c.ellipse(cx, cy - 4, 34, 34);
    c.fillRadial(cx, cy - 4, 0, 34, {{0, Rgba::rgb(160, 230, 255, 0.6)}, {1, Rgba::rgb(160, 230, 255, 0)}});
    c.clearPath();
    // A flame-shaped soul with a trailing tail.
    cairo_move_to(cr, cx, cy + 18);
    cairo_curve_to(cr, cx - 24, cy + 16, cx - 22, cy - 8, cx - 6, cy - 18);
    cairo_curve_to(cr, cx - 4, cy - 26, cx + 4, cy - 34, cx + 10, cy - 38);
    cairo_curve_to(cr, cx + 6, cy - 24, cx + 24, cy - 12, cx + 20, cy + 4);
    cairo_curve_to(cr, cx + 18, cy + 14, cx + 10, cy + 18, cx, cy + 18);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillRadial(cx - 2, cy, 2, 30, {{0, kHoly}, {0.5, Rgba::rgb(150, 220, 255)}, {1, Rgba::rgb(60, 110, 200)}});
    c.clearPath();
    for (double ex : {cx - 6, cx + 6})
    {
        c.ellipse(ex, cy, 3, 4.5);
        c.fillColour(Rgba::rgb(20, 40, 80));
        c.clearPath();
    }
}

void flagstone(Canvas& c)
{
    cairo_t* cr = c.cr();
    medallion(c, Rgba::rgb(120, 110, 96), Rgba::rgb(44, 38, 36));
    const double cx = 60, cy = 62;
    // A room seen from above: a square of flagstones with its four doorways.
    c.roundedRect(cx - 26, cy - 26, 52, 52, 6);
    c.stroke(kInk, 5);
    c.fillLinear(cx - 26, cy - 26, cx + 26, cy + 26, {{0, Rgba::rgb(190, 178, 150)}, {1, Rgba::rgb(110, 100, 84)}});
    c.clearPath();
    cairo_move_to(cr, cx, cy - 26);
    cairo_line_to(cr, cx, cy + 26);
    cairo_move_to(cr, cx - 26, cy);
    cairo_line_to(cr, cx + 26, cy);
    c.stroke(Rgba::rgb(70, 60, 50), 2.5);
    c.clearPath();
    for (int i = 0; i < 4; ++i)
    {
        const double a = i * M_PI / 2;
        c.roundedRect(cx + std::cos(a) * 26 - 6, cy + std::sin(a) * 26 - 6, 12, 12, 2);
        c.fillColour(kInk);
        c.clearPath();
    }
}

void ring(Canvas& c)
{
    // Drawn around the current room's medallion: a gold ring with four studs.
    const double cx = kIcon / 2.0, cy = kIcon / 2.0 + 2;
    c.ellipse(cx, cy, 56, 56);
    c.glow(kPaleGold, 8, 6);
    c.stroke(kInk, 9);
    c.stroke(kGold, 5);
    c.clearPath();
    for (int i = 0; i < 4; ++i)
    {
        const double a = M_PI / 4 + i * M_PI / 2;
        c.ellipse(cx + std::cos(a) * 56, cy + std::sin(a) * 56, 5, 5);
        c.stroke(kInk, 3);
        c.fillColour(kPaleGold);
        c.clearPath();
    }
}

// The map's ink: 4 px high, dark and solid in the middle rows.
void line(const std::string& piece, const std::filesystem::path& output)
{
    const int w = piece == "lineM" ? 3 : 5;
    Canvas c(w, 4);
    cairo_t* cr = c.cr();
    const double rowAlpha[4] = {0.45, 1.0, 1.0, 0.45};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < w; ++x)
        {
            double a = rowAlpha[y];
            // Rounded ends on the caps.
            if (piece == "lineL" && x == 0)
                a *= y == 0 || y == 3 ? 0.0 : 0.6;
            if (piece == "lineR" && x == w - 1)
                a *= y == 0 || y == 3 ? 0.0 : 0.6;
            cairo_rectangle(cr, x, y, 1, 1);
            c.fillColour((y == 1 ? kInkLine.mix(kGold, 0.25) : kInkLine).alpha(a));
            c.clearPath();
        }
    c.savePng(output);
}

void parchment(const std::filesystem::path& output)
{
    const int w = 3000, h = 1800;
    Canvas small(w / 6, h / 6);
    {
        cairo_surface_t* s = cairo_get_target(small.cr());
        cairo_surface_flush(s);
        unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        const Rgba dark = Rgba::rgb(48, 32, 22), mid = Rgba::rgb(96, 70, 46), light = Rgba::rgb(138, 108, 72);
        for (int y = 0; y < small.height(); ++y)
        {
            auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
            for (int x = 0; x < small.width(); ++x)
            {
                const double n = fractalNoise(x / 40.0, y / 40.0, 4242, 5) * 0.8 + fractalNoise(x / 4.0, y / 4.0, 99, 2) * 0.25;
                const double t = std::clamp(n - 0.05, 0.0, 1.0);
                const Rgba col = t < 0.5 ? dark.mix(mid, t * 2) : mid.mix(light, (t - 0.5) * 2);
                auto b = [](double v) { return static_cast<std::uint32_t>(std::clamp(v, 0.0, 1.0) * 255); };
                row[x] = 0xFF000000u | b(col.r) << 16 | b(col.g) << 8 | b(col.b);
            }
        }
        cairo_surface_mark_dirty(s);
    }
    Canvas c(w, h);
    cairo_t* cr = c.cr();
    // A sheet with ragged, scorched edges.
    Dice dice(7);
    std::vector<std::pair<double, double>> edge;
    const double m = 40;
    for (int i = 0; i <= 60; ++i)
        edge.push_back({m + (w - 2 * m) * i / 60.0, m + dice.range(-14, 14)});
    for (int i = 1; i <= 36; ++i)
        edge.push_back({w - m + dice.range(-14, 14), m + (h - 2 * m) * i / 36.0});
    for (int i = 59; i >= 0; --i)
        edge.push_back({m + (w - 2 * m) * i / 60.0, h - m + dice.range(-14, 14)});
    for (int i = 35; i >= 1; --i)
        edge.push_back({m + dice.range(-14, 14), m + (h - 2 * m) * i / 36.0});
    c.polygon(edge);
    c.fillColour(kInk.alpha(0.6));
    cairo_save(cr);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_scale(cr, 6, 6);
    cairo_set_source_surface(cr, cairo_get_target(small.cr()), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
    // A faint surveyor's grid and a compass rose.
    for (double x = 150; x < w; x += 150)
    {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, h);
    }
    for (double y = 150; y < h; y += 150)
    {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y);
    }
    c.stroke(kInkLine.alpha(0.12), 2);
    c.clearPath();
    const double rx = w - 300, ry = h - 300;
    for (int i = 0; i < 8; ++i)
    {
        const double a = i * M_PI / 4 - M_PI / 2, len = i % 2 ? 90 : 170;
        cairo_move_to(cr, rx, ry);
        cairo_line_to(cr, rx + std::cos(a - 0.12) * 30, ry + std::sin(a - 0.12) * 30);
        cairo_line_to(cr, rx + std::cos(a) * len, ry + std::sin(a) * len);
        cairo_line_to(cr, rx + std::cos(a + 0.12) * 30, ry + std::sin(a + 0.12) * 30);
        cairo_close_path(cr);
        c.fillColour((i == 0 ? kCrimson : kInkLine).alpha(0.35));
        c.clearPath();
    }
    c.ellipse(rx, ry, 110, 110);
    c.stroke(kInkLine.alpha(0.3), 3);
    c.clearPath();
    // Scorch creeping in from the edges.
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillRadial(w / 2.0, h / 2.0, std::min(w, h) * 0.35, std::hypot(w, h) / 2,
                 {{0, kInk.alpha(0)}, {0.8, kInk.alpha(0.35)}, {1, kInk.alpha(0.85)}});
    c.clearPath();
    cairo_restore(cr);
    c.polygon(edge);
    c.stroke(Rgba::rgb(20, 8, 4).alpha(0.9), 6);
    c.clearPath();
    c.savePng(output);
}

class MinimapPainter : public PatternPainter
{
public:
    MinimapPainter() : PatternPainter({R"(Assets/Sprites/Minimap/[A-Za-z_]+\.png)"}) {}
    std::string name() const override { return "minimap"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string stem = std::filesystem::path(path).stem().string();
        if (stem == "lineL" || stem == "lineM" || stem == "lineR")
            return line(stem, output);
        if (stem == "background_mm")
            return parchment(output);
        Canvas c(kIcon, kIcon);
        if (stem == "boss_mm")
            skull(c);
        else if (stem == "merchant_mm")
            purse(c);
        else if (stem == "elite_mm")
            blades(c);
        else if (stem == "heal_mm")
            heart(c);
        else if (stem == "soul_mm")
            wisp(c);
        else if (stem == "regular_mm")
            flagstone(c);
        else if (stem == "current_mm")
            ring(c);
        else
            throw std::runtime_error("no minimap picture is called " + stem);
        c.savePng(output);
    }
};

RegisterPainter<MinimapPainter> registration;
} // namespace
