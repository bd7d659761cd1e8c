// The menus' pictures: the software cursor, the splash logos, the main menu's
// night backdrop, its waving title banner on a pole, the image buttons, the
// settings screen's slab, tabs, panels and volume bars in English and French,
// and the credits.

#include "Canvas.h"
#include "Fonts.h"
#include "Painter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace
{
using namespace palette;

// ---- Cursor: a bone-white blade pointing up-left; the tip is the hot spot. ----
void paintCursor(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.polygon({{3, 3}, {54, 22}, {33, 30}, {50, 52}, {43, 58}, {27, 37}, {20, 56}});
    c.stroke(kInk, 6);
    c.fillLinear(3, 3, 45, 50, {{0, kHoly}, {0.55, kBone}, {1, kAsh}});
    c.stroke(kCrimson, 2);
    cairo_new_path(cr);
    c.polygon({{8, 8}, {36, 20}, {22, 34}});
    c.fillColour(Rgba{1, 1, 1, 0.35});
    cairo_new_path(cr);
}

// ---- Logos ----
void paintStudioLogo(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double s = c.width() / 4096.0;
    cairo_scale(cr, s, s);
    const Rgba white{1, 1, 1, 1};
    // A ring of bone around a crescent and a marrow-bone crossbar.
    c.ellipse(2048, 1700, 1250, 1250);
    c.stroke(white, 120);
    cairo_new_path(cr);
    c.ellipse(2048, 1700, 1080, 1080);
    c.stroke(white.alpha(0.6), 30);
    cairo_new_path(cr);
    cairo_arc(cr, 2048, 1700, 760, 0.35 * M_PI, 1.65 * M_PI);
    cairo_arc_negative(cr, 2290, 1700, 600, 1.55 * M_PI, 0.45 * M_PI);
    cairo_close_path(cr);
    c.fillColour(white);
    cairo_new_path(cr);
    for (int side : {-1, 1})
    {
        c.ellipse(2048 + side * 520, 1640, 150, 150);
        c.ellipse(2048 + side * 520, 1880, 150, 150);
        c.fillColour(white);
        cairo_new_path(cr);
    }
    c.roundedRect(1530, 1660, 1036, 200, 60);
    c.fillColour(white);
    cairo_new_path(cr);
    c.textPath("MARROWIN", fonts::kPlainBlack, 520, 2048, 3560, 1);
    c.fillColour(white);
    cairo_new_path(cr);
    c.textPath("presents", fonts::kRitual, 300, 2048, 3900, 1);
    c.fillColour(white.alpha(0.85));
    cairo_new_path(cr);
}

void scythe(Canvas& c, double x0, double y0, double x1, double y1, double bladeScale)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    c.stroke(kInk, 44 * bladeScale);
    c.stroke(Rgba::rgb(92, 60, 40), 26 * bladeScale);
    cairo_new_path(cr);
    // The blade curls from the top of the snath.
    const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    const double b = 420 * bladeScale;
    cairo_move_to(cr, x1, y1);
    cairo_curve_to(cr, x1 + nx * b * 0.5, y1 + ny * b * 0.5, x1 + nx * b * 1.2 - ux * b * 0.2,
                   y1 + ny * b * 1.2 - uy * b * 0.2, x1 + nx * b * 1.6 - ux * b * 0.75,
                   y1 + ny * b * 1.6 - uy * b * 0.75);
    cairo_curve_to(cr, x1 + nx * b * 1.0 - ux * b * 0.1, y1 + ny * b * 1.0 - uy * b * 0.1,
                   x1 + nx * b * 0.4 - ux * b * 0.25, y1 + ny * b * 0.4 - uy * b * 0.25, x1 - ux * b * 0.18,
                   y1 - uy * b * 0.18);
    cairo_close_path(cr);
    c.stroke(kInk, 16 * bladeScale);
    c.fillLinear(x1, y1, x1 + nx * b * 1.6, y1 + ny * b * 1.6, {{0, kAsh}, {0.5, kBone}, {1, kHoly}});
    cairo_new_path(cr);
}

void wing(Canvas& c, double x, double y, double dir, bool angelic)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, dir, 1);
    if (angelic)
    {
        // Layered feathers fanning outward, gold at the root, white at the tips.
        for (int i = 0; i < 9; ++i)
        {
            const double a = -0.95 + i * 0.16;
            const double len = 520 - i * 28;
            cairo_save(cr);
            cairo_rotate(cr, a);
            c.ellipse(len * 0.55, 0, len * 0.55, 46);
            c.stroke(Rgba::rgb(120, 90, 40), 8);
            c.fillLinear(0, 0, len, 0, {{0, kGold}, {0.6, kPaleGold}, {1, kHoly}});
            cairo_new_path(cr);
            cairo_restore(cr);
        }
    }
    else
    {
        // A bat wing: bony fingers with crimson membranes between them.
        const double tips[][2] = {{520, -330}, {560, -80}, {470, 130}, {300, 250}};
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 260, -260);
        for (auto& t : tips)
            cairo_line_to(cr, t[0], t[1]);
        for (int i = 3; i >= 0; --i)
            cairo_curve_to(cr, tips[i][0] * 0.6, tips[i][1] * 0.4, tips[i][0] * 0.5, tips[i][1] * 0.3,
                           i ? tips[i - 1][0] * 0.75 : 40, i ? tips[i - 1][1] * 0.75 + 60 : 60);
        cairo_close_path(cr);
        c.stroke(kInk, 14);
        c.fillLinear(0, -300, 400, 260, {{0, kCrimson}, {0.6, kBlood}, {1, kInk}});
        cairo_new_path(cr);
        for (auto& t : tips)
        {
            cairo_move_to(cr, 260, -260);
            cairo_line_to(cr, t[0], t[1]);
        }
        c.stroke(kInk, 12);
        cairo_new_path(cr);
    }
    cairo_restore(cr);
}

void paintGameLogo(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    // A red halo behind the title.
    c.ellipse(w / 2, h * 0.48, w * 0.45, h * 0.42);
    c.fillRadial(w / 2, h * 0.48, 0, w * 0.45,
                 {{0, kCrimson.alpha(0.55)}, {0.6, kBlood.alpha(0.3)}, {1, kBlood.alpha(0)}});
    cairo_new_path(cr);
    wing(c, w * 0.5 - 380, h * 0.42, -1, true);
    wing(c, w * 0.5 + 380, h * 0.42, 1, false);
    scythe(c, w * 0.30, h * 0.92, w * 0.66, h * 0.08, 1.0);
    c.title("Umbravale", fonts::kTitle, 330, w / 2, h * 0.62, kPaleGold, kCrimson, kInk, 12);
    c.title("kill or spare every soul", fonts::kRitual, 90, w / 2, h * 0.84, kBone, kAsh, kInk, 5);
}

// The game's icon, for the desktop's menu and the window: a soul's flame split
// between the angelic side (pale gold) and the demonic one (crimson and black),
// with the reaper's scythe across it, on a dark tile.
void paintIcon(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width();
    c.roundedRect(w * 0.03, w * 0.03, w * 0.94, w * 0.94, w * 0.18);
    c.fillRadial(w / 2, w * 0.45, 0, w * 0.7,
                 {{0, Rgba::rgb(70, 18, 22)}, {0.6, Rgba::rgb(36, 10, 14)}, {1, Rgba::rgb(14, 4, 6)}});
    c.stroke(kPaleGold, w * 0.025);
    cairo_new_path(cr);
    // The flame: a teardrop, each half in its side's colours.
    auto flame = [&](double side) {
        cairo_move_to(cr, w * 0.5, w * 0.16);
        cairo_curve_to(cr, w * (0.5 + side * 0.06), w * 0.34, w * (0.5 + side * 0.30), w * 0.42, w * (0.5 + side * 0.26),
                       w * 0.64);
        cairo_curve_to(cr, w * (0.5 + side * 0.22), w * 0.80, w * (0.5 + side * 0.08), w * 0.86, w * 0.5, w * 0.86);
        cairo_close_path(cr);
    };
    flame(-1);
    c.fillLinear(0, w * 0.16, 0, w * 0.86, {{0, kHoly}, {0.5, kPaleGold}, {1, kGold}});
    cairo_new_path(cr);
    flame(1);
    c.fillLinear(0, w * 0.16, 0, w * 0.86, {{0, kCrimson}, {0.6, kBlood}, {1, kInk}});
    cairo_new_path(cr);
    flame(-1);
    c.stroke(kInk, w * 0.012);
    cairo_new_path(cr);
    flame(1);
    c.stroke(kInk, w * 0.012);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_scale(cr, w / 1600.0, w / 1600.0);
    scythe(c, 380, 1420, 1120, 360, 1.0);
    cairo_restore(cr);
}

// ---- Main menu backdrop ----
double ridge(double x, std::uint32_t seed, double base, double amplitude, double scale)
{
    return base - amplitude * fractalNoise(x / scale, 0.5, seed, 5);
}

void spire(Canvas& c, double x, double base, double width, double height)
{
    c.polygon({{x - width / 2, base},
               {x - width / 2, base - height * 0.7},
               {x, base - height},
               {x + width / 2, base - height * 0.7},
               {x + width / 2, base}});
}

void paintMenuBackground(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    // Sky: near-black at the top to a blood-red glow at the horizon.
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillLinear(0, 0, 0, h,
                 {{0, Rgba::rgb(12, 4, 8)},
                  {0.45, Rgba::rgb(48, 12, 18)},
                  {0.7, Rgba::rgb(120, 28, 26)},
                  {1, Rgba::rgb(30, 8, 10)}});
    cairo_new_path(cr);
    // Stars.
    Dice dice(7);
    for (int i = 0; i < 420; ++i)
    {
        const double x = dice.range(0, w), y = dice.range(0, h * 0.45), r = dice.range(1.5, 4.5);
        c.ellipse(x, y, r, r);
        c.fillColour(kBone.alpha(dice.range(0.2, 0.8) * (1 - y / (h * 0.5))));
        cairo_new_path(cr);
    }
    // A pale blood moon with a soft halo.
    const double mx = w * 0.62, my = h * 0.24, mr = h * 0.12;
    c.ellipse(mx, my, mr * 3, mr * 3);
    c.fillRadial(mx, my, mr, mr * 3, {{0, Rgba::rgb(255, 200, 170, 0.35)}, {1, Rgba::rgb(255, 120, 90, 0)}});
    cairo_new_path(cr);
    c.ellipse(mx, my, mr, mr);
    c.fillRadial(mx - mr * 0.3, my - mr * 0.3, 0, mr * 1.2,
                 {{0, Rgba::rgb(255, 236, 214)}, {1, Rgba::rgb(220, 150, 130)}});
    cairo_new_path(cr);
    // Drifting cloud bands across the moon and sky.
    {
        Canvas clouds(c.width() / 4, c.height() / 4);
        cairo_surface_t* s = cairo_get_target(clouds.cr());
        cairo_surface_flush(s);
        unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        for (int y = 0; y < clouds.height(); ++y)
            for (int x = 0; x < clouds.width(); ++x)
            {
                const double n = fractalNoise(x / 90.0, y / 22.0, 11, 5);
                const double band = std::exp(-std::pow((y / double(clouds.height()) - 0.3) / 0.16, 2));
                const double a = std::clamp((n - 0.45) * 2.2, 0.0, 1.0) * band * 0.85;
                const auto A = static_cast<std::uint32_t>(a * 255);
                const auto R = static_cast<std::uint32_t>(a * 70), G = static_cast<std::uint32_t>(a * 22),
                           B = static_cast<std::uint32_t>(a * 28);
                reinterpret_cast<std::uint32_t*>(data + y * stride)[x] = (A << 24) | (R << 16) | (G << 8) | B;
            }
        cairo_surface_mark_dirty(s);
        c.paintScaled(clouds, 0, 0, 4.0);
    }
    // Three mountain ridges fading into the red mist.
    const Rgba ridges[] = {Rgba::rgb(74, 22, 26), Rgba::rgb(46, 14, 18), Rgba::rgb(24, 8, 10)};
    for (int layer = 0; layer < 3; ++layer)
    {
        const double base = h * (0.62 + layer * 0.08);
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= w; x += 8)
            cairo_line_to(cr, x, ridge(x, 100 + layer, base, h * (0.22 - layer * 0.05), 900 - layer * 200));
        cairo_line_to(cr, w, h);
        cairo_close_path(cr);
        c.fillLinear(0, base - h * 0.2, 0, h, {{0, ridges[layer]}, {1, ridges[layer].scaled(0.5)}});
        cairo_new_path(cr);
        // Mist pooled in each valley.
        cairo_rectangle(cr, 0, base - h * 0.06, w, h * 0.14);
        c.fillLinear(
            0, base - h * 0.06, 0, base + h * 0.08,
            {{0, Rgba::rgb(160, 50, 44, 0)}, {0.5, Rgba::rgb(160, 50, 44, 0.18)}, {1, Rgba::rgb(160, 50, 44, 0)}});
        cairo_new_path(cr);
        if (layer == 1)
        {
            // A ruined cathedral on the middle ridge, left of the moon.
            const double cx = w * 0.36, cb = ridge(cx, 101, base, h * 0.17, 700) + 30;
            spire(c, cx, cb, 150, 620);
            spire(c, cx - 230, cb, 110, 430);
            spire(c, cx + 230, cb, 110, 470);
            c.polygon({{cx - 330, cb}, {cx - 330, cb - 240}, {cx + 330, cb - 240}, {cx + 330, cb}});
            spire(c, cx + 420, cb, 70, 300);
            c.fillColour(Rgba::rgb(20, 6, 9));
            cairo_new_path(cr);
            // Lit windows.
            for (int i = -2; i <= 2; ++i)
            {
                c.roundedRect(cx + i * 100 - 14, cb - 200, 28, 70, 14);
                c.fillColour(Rgba::rgb(255, 140, 60, 0.85));
                c.glow(Rgba::rgb(255, 120, 40), 26, 6);
                cairo_new_path(cr);
            }
        }
    }
    // Foreground: a hill of graves and dead trees, black against the mist.
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 8)
        cairo_line_to(cr, x,
                      h * 0.9 - h * 0.08 * std::sin(x / w * M_PI * 1.3 + 0.4) - 30 * fractalNoise(x / 150.0, 3, 9, 3));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    c.fillColour(kInk);
    cairo_new_path(cr);
    Dice graves(23);
    for (int i = 0; i < 14; ++i)
    {
        const double gx = graves.range(w * 0.18, w * 0.66), gy = h * 0.86 + graves.range(0, h * 0.05);
        const double gw = graves.range(40, 80), gh = graves.range(90, 160);
        if (i % 3 == 0)
        {
            c.polygon({{gx - 8, gy}, {gx - 8, gy - gh}, {gx + 8, gy - gh}, {gx + 8, gy}});
            c.polygon({{gx - gw / 2, gy - gh * 0.72},
                       {gx + gw / 2, gy - gh * 0.72},
                       {gx + gw / 2, gy - gh * 0.6},
                       {gx - gw / 2, gy - gh * 0.6}});
        }
        else
        {
            c.roundedRect(gx - gw / 2, gy - gh, gw, gh + 20, gw / 2);
        }
        c.fillColour(Rgba::rgb(14, 5, 8));
        cairo_new_path(cr);
    }
    auto tree = [&](double x, double y, double len, double angle, int depth, auto&& self) -> void
    {
        if (depth == 0)
            return;
        const double x2 = x + std::cos(angle) * len, y2 = y + std::sin(angle) * len;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x2, y2);
        c.stroke(kInk, depth * 5.0);
        cairo_new_path(cr);
        self(x2, y2, len * 0.72, angle - 0.45, depth - 1, self);
        self(x2, y2, len * 0.68, angle + 0.38, depth - 1, self);
    };
    tree(w * 0.08, h * 0.93, 260, -M_PI / 2 + 0.1, 7, tree);
    tree(w * 0.95, h * 0.95, 240, -M_PI / 2 - 0.15, 7, tree);
    // Darken the right edge where the buttons stand, and the corners.
    cairo_rectangle(cr, w * 0.6, 0, w * 0.4, h);
    c.fillLinear(w * 0.6, 0, w, 0, {{0, Rgba{0, 0, 0, 0}}, {1, Rgba{0, 0, 0, 0.55}}});
    cairo_new_path(cr);
    c.vignette(0.6);
}

// ---- Title banner on its pole ----
// The frame must hold the whole cloth (it starts 100 px in) plus its sway.
constexpr int kBannerClothW = 1440, kBannerClothH = 660;
constexpr int kBannerW = 100 + kBannerClothW + 40, kBannerH = 760;
constexpr double kPoleX = 80; // in the backdrop's pixels (drawn at half scale)

void paintFlagpole(Canvas& c)
{
    cairo_t* cr = c.cr();
    // Pole: dark iron with a highlight, a gold finial, from the top of the screen to the ground.
    cairo_rectangle(cr, kPoleX - 18, 40, 36, c.height());
    c.fillLinear(kPoleX - 18, 0, kPoleX + 18, 0, {{0, kInk}, {0.35, Rgba::rgb(110, 96, 92)}, {1, kInk}});
    cairo_new_path(cr);
    // Crossbar carrying the banner.
    c.roundedRect(kPoleX - 10, 40, 1560, 26, 12);
    c.fillLinear(0, 40, 0, 66, {{0, Rgba::rgb(120, 100, 90)}, {1, kInk}});
    c.stroke(kInk, 4);
    cairo_new_path(cr);
    c.ellipse(kPoleX, 34, 32, 32);
    c.fillRadial(kPoleX - 8, 26, 0, 34, {{0, kPaleGold}, {1, Rgba::rgb(120, 80, 20)}});
    c.stroke(kInk, 4);
    cairo_new_path(cr);
    // Iron rings holding the cloth.
    for (int i = 0; i < 6; ++i)
    {
        c.ellipse(kPoleX + 120 + i * 270, 60, 18, 24);
        c.stroke(Rgba::rgb(60, 50, 50), 8);
        cairo_new_path(cr);
    }
}

void paintBannerCloth(Canvas& flat)
{
    cairo_t* cr = flat.cr();
    const double w = flat.width(), h = flat.height();
    // Crimson cloth with a swallow-tailed, tattered lower edge.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w, 0);
    Dice tatters(5);
    cairo_line_to(cr, w, h * 0.78);
    for (double x = w; x >= 0; x -= 60)
    {
        const double dip = std::abs(x - w / 2) < w * 0.1 ? h * 0.1 : 0;
        cairo_line_to(cr, x, h * 0.86 - dip + tatters.range(-24, 24));
    }
    cairo_line_to(cr, 0, h * 0.8);
    cairo_close_path(cr);
    flat.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(150, 18, 30)}, {0.7, kBlood}, {1, Rgba::rgb(50, 6, 10)}});
    flat.stroke(kInk, 10);
    cairo_new_path(cr);
    // Gold trim.
    flat.roundedRect(30, 20, w - 60, h * 0.66, 20);
    flat.stroke(kGold, 10);
    cairo_new_path(cr);
    flat.title("Umbravale", fonts::kTitle, 300, w / 2, h * 0.5, kPaleGold, kGold, kInk, 9);
    flat.grain(0.25, 6, 3);
}

void paintBannerFrame(Canvas& c, int frame)
{
    Canvas flat(kBannerClothW, kBannerClothH);
    paintBannerCloth(flat);
    cairo_t* cr = c.cr();
    const double phase = frame / 4.0 * 2 * M_PI;
    // The cloth hangs from the crossbar; each column sways down and is shaded by its slope.
    const double hangX = 2 * kPoleX - 20 - 40; // crossbar start, in frame pixels at the frame's offset
    for (int x = 0; x < flat.width(); x += 2)
    {
        const double u = x / double(flat.width());
        const double wave = std::sin(u * 2.4 * M_PI - phase) * 26 * (0.3 + u);
        const double slope = std::cos(u * 2.4 * M_PI - phase);
        cairo_save(cr);
        cairo_rectangle(cr, hangX + x, 0, 2, c.height());
        cairo_clip(cr);
        cairo_set_source_surface(cr, cairo_get_target(flat.cr()), hangX, 60 + wave);
        cairo_paint(cr);
        cairo_set_source_rgba(cr, slope > 0 ? 1 : 0, slope > 0 ? 0.8 : 0, slope > 0 ? 0.7 : 0, std::abs(slope) * 0.18);
        cairo_rectangle(cr, hangX + x, 60 + wave, 2, flat.height());
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// ---- Image buttons ----
constexpr int kButtonW = 1000, kButtonH = 320;

void paintButton(Canvas& c, const std::string& label, bool hover)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height(), m = 24;
    auto plaque = [&](double inset)
    {
        c.polygon({{m + inset + 60, m + inset},
                   {w - m - inset - 60, m + inset},
                   {w - m - inset, h / 2},
                   {w - m - inset - 60, h - m - inset},
                   {m + inset + 60, h - m - inset},
                   {m + inset, h / 2}});
    };
    if (hover)
    {
        plaque(0);
        c.glow(kEmber, 24, 10);
        cairo_new_path(cr);
    }
    plaque(0);
    c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(60, 52, 54)}, {0.5, Rgba::rgb(28, 22, 24)}, {1, Rgba::rgb(12, 8, 10)}});
    c.stroke(kInk, 10);
    cairo_new_path(cr);
    plaque(18);
    const Rgba top = hover ? Rgba::rgb(196, 36, 40) : Rgba::rgb(120, 16, 26);
    const Rgba bottom = hover ? Rgba::rgb(90, 10, 16) : Rgba::rgb(46, 6, 10);
    c.fillLinear(0, 0, 0, h, {{0, top}, {1, bottom}});
    c.stroke(hover ? kPaleGold : kGold, hover ? 8 : 6);
    cairo_new_path(cr);
    // Rivets.
    for (double x : {m + 70.0, w - m - 70.0})
        for (double y : {m + 40.0, h - m - 40.0})
        {
            c.ellipse(x, y, 12, 12);
            c.fillRadial(x - 3, y - 3, 0, 12, {{0, kPaleGold}, {1, Rgba::rgb(90, 60, 20)}});
            cairo_new_path(cr);
        }
    c.grain(0.18, 5, hashString(label));
    // Longer words (the French ones) shrink to stay inside the plaque.
    double size = 170;
    while (c.textWidth(label, fonts::kTitle, size) > w - 2 * m - 200)
        size -= 5;
    c.title(label, fonts::kTitle, size, w / 2, h / 2 + size * 0.34, hover ? kHoly : kPaleGold,
            hover ? kPaleGold : kGold, kInk, 7);
}

// ---- Settings screen ----
// Texts of the pictures that come in both languages.
struct Words
{
    const char* keys;
    const char* sound;
    const char* language;
    const char* english;
    const char* french;
    const char* rows[3];
    const char* actions[8];
    const char* keyCaps[8];
    const char* keysTitle;
    const char* settingsTitle;
    const char* backHint;
};

const Words kEnglishWords{"Keys",
                          "Sound",
                          "Language",
                          "English",
                          "French",
                          {"General volume", "Music", "Sound effects"},
                          {"Move", "Dodge", "Attack (toward the cursor)", "Interact, spare or take a soul",
                           "Pick up loot", "Inventory", "Minimap", "Pause"},
                          {"Z Q S D / W A S D", "Space", "Left click", "E", "F", "Tab", "M", "Escape"},
                          "Controls",
                          "Settings",
                          "Escape: back"};
const Words kFrenchWords{"Touches",
                         "Son",
                         "Langue",
                         "Anglais",
                         "Français",
                         {"Volume général", "Musique", "Effets sonores"},
                         {"Se déplacer", "Esquiver", "Attaquer (vers le curseur)",
                          "Interagir, épargner ou prendre une âme", "Ramasser le butin", "Inventaire", "Mini-carte",
                          "Pause"},
                         {"Z Q S D / W A S D", "Espace", "Clic gauche", "E", "F", "Tab", "M", "Échap"},
                         "Commandes",
                         "Paramètres",
                         "Échap : retour"};

// Panels are drawn centred on the screen at 0.35: painting in screen pixels keeps
// their contents where the settings screen's widgets stand.
constexpr double kPanelScale = 0.35;
void toScreen(Canvas& c)
{
    cairo_t* cr = c.cr();
    cairo_translate(cr, c.width() / 2.0, c.height() / 2.0);
    cairo_scale(cr, 1 / kPanelScale, 1 / kPanelScale);
    cairo_translate(cr, -960, -540);
}

// A stone slab behind the whole settings screen, with an iron and gold border.
void centredLabel(Canvas& c, const std::string& text, const char* font, double size, double x, double y,
                  const Rgba& colour, int align = 1);

void paintSettingsSquare(Canvas& c, const Words& words)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    c.roundedRect(20, 20, w - 40, h - 40, 60);
    c.glow(Rgba{0, 0, 0, 1}, 20, 6);
    c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(40, 26, 30, 0.96)}, {1, Rgba::rgb(16, 8, 10, 0.96)}});
    cairo_new_path(cr);
    c.grain(0.22, 8, 41);
    c.roundedRect(20, 20, w - 40, h - 40, 60);
    c.stroke(kInk, 24);
    c.roundedRect(44, 44, w - 88, h - 88, 44);
    c.stroke(kGold.scaled(0.8), 8);
    cairo_new_path(cr);
    // Corner ornaments: small gold diamonds.
    for (double x : {80.0, w - 80.0})
        for (double y : {80.0, h - 80.0})
        {
            c.polygon({{x, y - 34}, {x + 34, y}, {x, y + 34}, {x - 34, y}});
            c.fillLinear(x - 34, y - 34, x + 34, y + 34, {{0, kPaleGold}, {1, Rgba::rgb(110, 70, 20)}});
            c.stroke(kInk, 4);
            cairo_new_path(cr);
        }
    // The screen's title beside the tabs and the way out under the frame, placed in
    // screen pixels like the widgets around them.
    cairo_save(cr);
    toScreen(c);
    double size = 58;
    while (c.textWidth(words.settingsTitle, fonts::kTitle, size) > 225)
        size -= 2;
    c.title(words.settingsTitle, fonts::kTitle, size, 1335, 275, kPaleGold, kGold, kInk, 3);
    centredLabel(c, words.backHint, fonts::kPlain, 26, 960, 846, kAsh.scaled(1.8));
    cairo_restore(cr);
}

// The frame around the shown tab's contents: a darker inset with a crimson rim.
void paintSettingsFrame(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    c.roundedRect(14, 14, w - 28, h - 28, 40);
    c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(22, 8, 11, 0.9)}, {1, Rgba::rgb(8, 3, 5, 0.9)}});
    c.stroke(kInk, 20);
    cairo_new_path(cr);
    c.roundedRect(30, 30, w - 60, h - 60, 30);
    c.stroke(kCrimson.scaled(0.8), 6);
    cairo_new_path(cr);
}

// A tab: a trapezoid plaque; the selected one is lit crimson with a pale gold label.
void paintTab(Canvas& c, const std::string& label, bool selected)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    c.polygon({{30, h}, {70, 16}, {w - 70, 16}, {w - 30, h}});
    if (selected)
        c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(190, 36, 42)}, {1, Rgba::rgb(70, 8, 14)}});
    else
        c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(66, 54, 56)}, {1, Rgba::rgb(24, 16, 18)}});
    c.stroke(kInk, 12);
    cairo_new_path(cr);
    c.polygon({{48, h}, {82, 32}, {w - 82, 32}, {w - 48, h}});
    c.stroke(selected ? kPaleGold : kGold.scaled(0.7), 5);
    cairo_new_path(cr);
    double size = 110;
    while (c.textWidth(label, fonts::kTitle, size) > w - 190)
        size -= 4;
    c.title(label, fonts::kTitle, size, w / 2, h / 2 + size * 0.38 + 8, selected ? kHoly : kBone,
            selected ? kPaleGold : kAsh, kInk, 5);
}

// A language choice: a plaque with the language's name; the selected one glows.
void paintLanguageChoice(Canvas& c, const std::string& label, bool selected)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    if (selected)
    {
        c.roundedRect(14, 14, w - 28, h - 28, 40);
        c.glow(kEmber, 14, 8);
        cairo_new_path(cr);
    }
    c.roundedRect(14, 14, w - 28, h - 28, 40);
    if (selected)
        c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(196, 36, 40)}, {1, Rgba::rgb(80, 8, 14)}});
    else
        c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(60, 50, 52)}, {1, Rgba::rgb(20, 14, 16)}});
    c.stroke(kInk, 10);
    cairo_new_path(cr);
    c.roundedRect(30, 30, w - 60, h - 60, 28);
    c.stroke(selected ? kPaleGold : kGold.scaled(0.6), 5);
    cairo_new_path(cr);
    c.title(label, fonts::kTitle, 124, w / 2, h / 2 + 42, selected ? kHoly : kBone, selected ? kPaleGold : kAsh, kInk,
            5);
    if (selected)
    {
        // A small soul flame on each side marks the chosen language.
        for (double x : {70.0, w - 70.0})
        {
            cairo_move_to(cr, x, h / 2 + 30);
            cairo_curve_to(cr, x - 26, h / 2 + 10, x - 10, h / 2 - 20, x, h / 2 - 40);
            cairo_curve_to(cr, x + 10, h / 2 - 20, x + 26, h / 2 + 10, x, h / 2 + 30);
            c.fillLinear(0, h / 2 - 40, 0, h / 2 + 30, {{0, kHoly}, {1, kEmber}});
            cairo_new_path(cr);
        }
    }
}

void centredLabel(Canvas& c, const std::string& text, const char* font, double size, double x, double y,
                  const Rgba& colour, int align)
{
    cairo_t* cr = c.cr();
    c.textPath(text, font, size, x, y, align);
    c.stroke(kInk, size * 0.12);
    c.fillColour(colour);
    cairo_new_path(cr);
}

// The sound tab's contents: a label, an empty groove and the minus and plus signs of
// each row, at the screen positions of the row's widgets.
void paintSoundPanel(Canvas& c, const Words& words)
{
    cairo_t* cr = c.cr();
    toScreen(c);
    const double rowY[] = {335, 520, 705}, barY[] = {346, 531, 718};
    for (int i = 0; i < 3; ++i)
    {
        // The plain face: in the blackletter a capital V reads as a D.
        double size = 34;
        while (c.textWidth(words.rows[i], fonts::kPlain, size) > 215)
            size -= 1;
        centredLabel(c, words.rows[i], fonts::kPlain, size, 712, rowY[i] + 17.5 + size * 0.35, kBone, 2);
        // The groove the white fill runs in.
        c.roundedRect(758, barY[i] - 4, 630, 25, 8);
        c.fillLinear(0, barY[i] - 4, 0, barY[i] + 21, {{0, kInk}, {1, Rgba::rgb(40, 26, 28)}});
        c.stroke(kGold.scaled(0.7), 2);
        cairo_new_path(cr);
        for (int t = 1; t < 10; ++t)
        {
            cairo_move_to(cr, 762 + t * 62.2, barY[i] + 22);
            cairo_line_to(cr, 762 + t * 62.2, barY[i] + 28);
        }
        c.stroke(kAsh, 2);
        cairo_new_path(cr);
        // Signs under the transparent sockets of the buttons.
        const double my = rowY[i] + 17.5;
        for (double cx : {747.5, 1397.5})
        {
            cairo_rectangle(cr, cx - 10, my - 2.5, 20, 5);
            if (cx > 1000)
                cairo_rectangle(cr, cx - 2.5, my - 10, 5, 20);
            c.stroke(kInk, 3);
            c.fillColour(kPaleGold);
            cairo_new_path(cr);
        }
    }
}

// The keys tab's contents: a key cap and what it does, one line per control.
void paintKeysPanel(Canvas& c, const Words& words)
{
    cairo_t* cr = c.cr();
    toScreen(c);
    centredLabel(c, words.keysTitle, fonts::kTitle, 44, 960, 336, kPaleGold);
    for (int i = 0; i < 8; ++i)
    {
        const double y = 372 + i * 50;
        const std::string cap = words.keyCaps[i];
        const double capW = std::max(56.0, c.textWidth(cap, fonts::kPlain, 22) + 28);
        const double capX = 800 - capW;
        c.roundedRect(capX, y, capW, 38, 8);
        c.fillLinear(0, y, 0, y + 38, {{0, kBone}, {1, Rgba::rgb(150, 136, 120)}});
        c.stroke(kInk, 3);
        cairo_new_path(cr);
        centredLabel(c, cap, fonts::kPlain, 22, capX + capW / 2, y + 27, kInk);
        centredLabel(c, words.actions[i], fonts::kPlain, 26, 830, y + 28, kBone, 0);
    }
}

// The socket of the minus and plus buttons: a gold ring, open in the middle so the
// panel's sign shows through.
void paintTemplate(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double w = c.width();
    c.ellipse(w / 2, w / 2, w / 2 - 6, w / 2 - 6);
    c.stroke(kInk, 10);
    c.stroke(kGold, 5);
    cairo_new_path(cr);
    c.ellipse(w / 2, w / 2, w / 2 - 14, w / 2 - 14);
    c.fillRadial(w / 2, w / 2, 0, w / 2, {{0, Rgba{0, 0, 0, 0}}, {0.8, Rgba{0, 0, 0, 0.1}}, {1, kBlood.alpha(0.6)}});
    cairo_new_path(cr);
}

// A volume fill: the settings screen shows its left part, as wide as the value.
void paintVolumeFill(Canvas& c, bool white)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    cairo_rectangle(cr, 0, 4, w, h - 8);
    if (white)
        c.fillLinear(0, 0, 0, h, {{0, kPaleGold}, {0.35, kHoly}, {0.7, kBone}, {1, kGold}});
    else
        c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(150, 140, 136)}, {0.4, Rgba::rgb(200, 194, 190)}, {1, kAsh}});
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 8, w, 6);
    c.fillColour(Rgba{1, 1, 1, 0.45});
    cairo_new_path(cr);
}

// ---- Credits ----
struct CreditWords
{
    const char* title;
    const char* byline;
    std::pair<const char*, const char*> roles[6];
    const char* madeWith;
    const char* fontsLine;
};

const CreditWords kEnglishCredits{"Credits",
                                  "Umbravale, by the founding engineers of the Umbravale studio",
                                  {{"Lead engineer", "design, engine spine, content generator"},
                                   {"Gameplay", "the run, the player, items and the trader"},
                                   {"World & rooms", "floors, rooms, props, walls and light"},
                                   {"Creatures", "enemies, projectiles and the three bosses"},
                                   {"Art generation", "every picture, painted by code"},
                                   {"Menus & interface", "splash, menus, settings and end screens"}},
                                  "Made with SFML, Dear ImGui, JsonCpp and Cairo",
                                  "Fonts: Blankenburg, Kaushan Script, Gotico Antiqua, League Spartan"};
const CreditWords kFrenchCredits{"Crédits",
                                 "Umbravale, par les ingénieurs fondateurs du studio Umbravale",
                                 {{"Ingénieur principal", "conception, moteur, générateur de contenu"},
                                  {"Jouabilité", "la partie, le joueur, les objets et le marchand"},
                                  {"Monde et salles", "étages, salles, décors, murs et lumière"},
                                  {"Créatures", "ennemis, projectiles et les trois boss"},
                                  {"Images", "chaque image, peinte par le code"},
                                  {"Menus et interface", "écran d'accueil, menus, paramètres et écrans de fin"}},
                                 "Réalisé avec SFML, Dear ImGui, JsonCpp et Cairo",
                                 "Polices : Blankenburg, Kaushan Script, Gotico Antiqua, League Spartan"};

void paintCredits(Canvas& c, const CreditWords& words)
{
    cairo_t* cr = c.cr();
    const double w = c.width(), h = c.height();
    paintMenuBackground(c);
    cairo_rectangle(cr, 0, 0, w, h);
    c.fillColour(Rgba{0.03, 0.01, 0.02, 0.72});
    cairo_new_path(cr);
    // A tall parchment-dark slab in the middle.
    c.roundedRect(w * 0.22, 120, w * 0.56, h - 240, 50);
    c.fillLinear(0, 0, 0, h, {{0, Rgba::rgb(40, 22, 26, 0.92)}, {1, Rgba::rgb(14, 6, 8, 0.92)}});
    c.stroke(kInk, 20);
    cairo_new_path(cr);
    c.roundedRect(w * 0.22 + 26, 146, w * 0.56 - 52, h - 292, 36);
    c.stroke(kGold.scaled(0.8), 6);
    cairo_new_path(cr);
    c.title(words.title, fonts::kTitle, 220, w / 2, 390, kPaleGold, kCrimson, kInk, 9);
    centredLabel(c, words.byline, fonts::kPlain, 64, w / 2, 500, kBone);
    double y = 700;
    for (const auto& [role, work] : words.roles)
    {
        centredLabel(c, role, fonts::kTitle, 96, w / 2, y, kPaleGold);
        centredLabel(c, work, fonts::kPlain, 50, w / 2, y + 74, kBone.scaled(0.85));
        y += 195;
    }
    centredLabel(c, words.madeWith, fonts::kPlain, 44, w / 2, h - 250, kAsh.scaled(1.6));
    centredLabel(c, words.fontsLine, fonts::kPlain, 44, w / 2, h - 190, kAsh.scaled(1.6));
    c.vignette(0.5);
}

class MenuPainter : public PatternPainter
{
public:
    MenuPainter()
        : PatternPainter(
              {R"(Assets/Sprites/Curseur/.*)", R"(Assets/Sprites/Logo/.*)",
               R"(Assets/Sprites/Buttons/Panels(_selected)?/(Play|Options|Exit|Credits|credits|Resume)\.png)",
               R"(Assets/Sprites/Buttons/(Tuto|Tuto_h|background|flagpole|creditbg|template|lb_white|lb_grey)\.png)",
               R"(Assets/Sprites/Buttons/Language/(English|French)/[^/]+\.png)",
               R"(Assets/Sprites/Menu/BackgroundAnimation/\d\.png)"})
    {
    }
    std::string name() const override { return "menus"; }
    int version() const override { return 5; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        static const std::map<std::string, std::string> labels = {
            {"Play", "Play"},       {"Options", "Options"}, {"Exit", "Exit"},
            {"Credits", "Credits"}, {"credits", "Credits"}, {"Resume", "Resume"}};
        // The French buttons and credits, beside the settings screen's French pictures.
        static const std::map<std::string, std::string> frenchLabels = {
            {"play", "Jouer"},    {"options", "Options"}, {"exit", "Quitter"},
            {"credits", "Crédits"}, {"tuto", "Tutoriel"},  {"resume", "Reprendre"}};
        const std::string file = std::filesystem::path(path).stem().string();
        if (path == "Assets/Sprites/Curseur/Curseur.png")
            return save(64, 64, output, paintCursor);
        if (path == "Assets/Sprites/Logo/logo-Marrowin-blc.png")
            return save(4096, 4096, output, paintStudioLogo);
        if (path == "Assets/Sprites/Logo/Logo.png")
            return save(2000, 1100, output, paintGameLogo);
        if (path == "Assets/Sprites/Logo/Icon.png")
            return save(256, 256, output, paintIcon);
        if (path == "Assets/Sprites/Buttons/background.png")
            return save(3840, 2160, output, paintMenuBackground);
        if (path == "Assets/Sprites/Buttons/flagpole.png")
            return save(3840, 2160, output, paintFlagpole);
        if (path == "Assets/Sprites/Buttons/creditbg.png")
            return save(3840, 2160, output, [](Canvas& c) { paintCredits(c, kEnglishCredits); });
        if (path == "Assets/Sprites/Buttons/Language/French/creditbg.png")
            return save(3840, 2160, output, [](Canvas& c) { paintCredits(c, kFrenchCredits); });
        if (path.find("/Language/French/") != std::string::npos)
        {
            const bool hover = file.size() > 2 && file.compare(file.size() - 2, 2, "_h") == 0;
            auto french = frenchLabels.find(hover ? file.substr(0, file.size() - 2) : file);
            if (french != frenchLabels.end())
                return save(kButtonW, kButtonH, output,
                            [&](Canvas& c) { paintButton(c, french->second, hover); });
        }
        if (path == "Assets/Sprites/Buttons/template.png")
            return save(100, 100, output, paintTemplate);
        if (file == "lb_white" || file == "lb_grey")
            return save(1777, 48, output, [&](Canvas& c) { paintVolumeFill(c, file == "lb_white"); });
        if (path.find("BackgroundAnimation/") != std::string::npos)
            return save(kBannerW, kBannerH, output, [&](Canvas& c) { paintBannerFrame(c, std::stoi(file)); });
        if (file == "Tuto" || file == "Tuto_h")
            return save(kButtonW, kButtonH, output, [&](Canvas& c) { paintButton(c, "Tutorial", file == "Tuto_h"); });
        if (path.find("/Language/") != std::string::npos)
            return paintLanguagePicture(path.find("/French/") != std::string::npos ? kFrenchWords : kEnglishWords, file,
                                        output);
        auto label = labels.find(file);
        if (label == labels.end())
            throw std::runtime_error("no menu picture for this file");
        const bool hover = path.find("Panels_selected") != std::string::npos;
        save(kButtonW, kButtonH, output, [&](Canvas& c) { paintButton(c, label->second, hover); });
    }

private:
    // Sizes follow the settings screen: tabs 238 × 70 on screen at 0.35, the
    // language plaques 259 × 55, the frame and panels 980 × 511, the slab 1050 × 700.
    static void paintLanguagePicture(const Words& words, const std::string& file, const std::filesystem::path& output)
    {
        constexpr int kTabW = 680, kTabH = 200, kChoiceW = 740, kChoiceH = 156, kPanelW = 2800, kPanelH = 1460;
        if (file == "key_simple" || file == "key_hovered")
            return save(kTabW, kTabH, output, [&](Canvas& c) { paintTab(c, words.keys, file == "key_hovered"); });
        if (file == "sound_simple" || file == "sound_selected")
            return save(kTabW, kTabH, output, [&](Canvas& c) { paintTab(c, words.sound, file == "sound_selected"); });
        if (file == "language_simple" || file == "language_hovered")
            return save(kTabW, kTabH, output,
                        [&](Canvas& c) { paintTab(c, words.language, file == "language_hovered"); });
        if (file == "english_simple" || file == "english_selected")
            return save(kChoiceW, kChoiceH, output,
                        [&](Canvas& c) { paintLanguageChoice(c, words.english, file == "english_selected"); });
        if (file == "french_simple" || file == "french_selected")
            return save(kChoiceW, kChoiceH, output,
                        [&](Canvas& c) { paintLanguageChoice(c, words.french, file == "french_selected"); });
        if (file == "Keys")
            return save(kPanelW, kPanelH, output, [&](Canvas& c) { paintKeysPanel(c, words); });
        if (file == "Sound")
            return save(kPanelW, kPanelH, output, [&](Canvas& c) { paintSoundPanel(c, words); });
        if (file == "square1")
            return save(3000, 2000, output, [&](Canvas& c) { paintSettingsSquare(c, words); });
        if (file == "square2")
            return save(kPanelW, kPanelH, output, paintSettingsFrame);
        throw std::runtime_error("no settings picture for this file");
    }

    template <typename F> static void save(int w, int h, const std::filesystem::path& output, F&& draw)
    {
        Canvas canvas(w, h);
        draw(canvas);
        canvas.savePng(output);
    }
};

RegisterPainter<MenuPainter> registration;
} // namespace
