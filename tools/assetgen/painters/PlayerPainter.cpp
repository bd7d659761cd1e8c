// The player: a hooded reaper with a scythe, seen from above at three quarters, in
// three looks that follow the karma: grey-robed (neutral), white and gold with a
// halo and wings (angelic), black and crimson with horns and a red glow (demonic).
// Every sheet is painted with the frame layout the game slices it with. Also the
// player's bounds picture, the heal rune and the Nepturath shadow the run loads
// with the player.

#include "Canvas.h"
#include "Painter.h"

#include "core/LoadingScreen.h"
#include "run/Player.h"
#include "run/RunTextures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace
{
using namespace palette;
using Form = Player::Form;

struct Look
{
    Rgba robeLight, robeDark, trim, eyes, blade, snath, aura;
    bool halo = false, wings = false, horns = false, tattered = false;
};

Look lookOf(Form form)
{
    switch (form)
    {
    case Form::Good:
        return {Rgba::rgb(255, 252, 242),
                Rgba::rgb(196, 184, 160),
                kGold,
                Rgba::rgb(255, 236, 150),
                Rgba::rgb(255, 240, 190),
                Rgba::rgb(200, 160, 80),
                Rgba::rgb(255, 226, 140, 0.55),
                true,
                true,
                false,
                false};
    case Form::Bad:
        return {Rgba::rgb(84, 30, 38),
                Rgba::rgb(14, 6, 8),
                kCrimson,
                Rgba::rgb(255, 40, 30),
                Rgba::rgb(200, 30, 40),
                Rgba::rgb(40, 20, 22),
                Rgba::rgb(220, 20, 30, 0.6),
                false,
                false,
                true,
                true};
    default:
        return {Rgba::rgb(134, 128, 134),
                Rgba::rgb(46, 42, 48),
                Rgba::rgb(168, 158, 146),
                Rgba::rgb(255, 150, 70),
                Rgba::rgb(200, 204, 210),
                Rgba::rgb(112, 78, 50),
                Rgba::rgb(0, 0, 0, 0),
                false,
                false,
                false,
                false};
    }
}

enum class Facing
{
    Back,  // walking away from the viewer (up the screen)
    Front, // toward the viewer (down the screen)
    Side   // toward the right; left is drawn mirrored
};

// Where the figure stands and how it holds itself. Lengths in figure heights
// (1 = feet to the tip of the hood), angles in radians, screen y downward.
struct Pose
{
    Facing facing = Facing::Front;
    double cx = 0, ground = 0, size = 100; // feet position in the cell, figure height in pixels
    double bob = 0;                        // body lift (figure heights)
    double stride = 0;                     // walk cycle angle; feet and hem follow it
    double strideAmount = 0;               // 0 standing, 1 full stride
    double lean = 0;                       // whole-body tilt
    double sway = 0;                       // hem sway, -1..1
    double breath = 0;                     // shoulder rise, -1..1
    double scytheAngle = -1.75;            // snath direction from the grip (screen angle)
    double scytheReach = 1.0;              // how far the arms push the grip out (attack)
    bool scytheBehind = false;             // drawn before the body
    double trailFrom = 0, trailTo = 0;     // swoosh arc of the blade tip (angles), when trailTo != trailFrom
    double trailAlpha = 0;
    double glowPulse = 0.5; // aura strength 0..1
    double eyeGlow = 1.0;
};

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}
double ease(double x)
{
    x = clamp01(x);
    return x * x * (3 - 2 * x);
}

void path(cairo_t* cr, std::initializer_list<std::pair<double, double>> pts)
{
    bool first = true;
    for (auto [x, y] : pts)
    {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
}

// The grip of the scythe in body units, by facing.
std::pair<double, double> gripOf(const Pose& p)
{
    const double reach = p.scytheReach;
    switch (p.facing)
    {
    case Facing::Front:
        return {0.2 * reach, -0.4};
    case Facing::Back:
        return {-0.2 * reach, -0.44};
    default:
        return {0.16 + 0.08 * (reach - 1), -0.42};
    }
}

// Scythe: a long wooden snath from behind the grip out along `angle`, and a curved
// blade at its far end, its edge turned toward `bladeSide` (+1 clockwise).
void drawScythe(Canvas& c, const Pose& p, const Look& look, double bladeSide)
{
    cairo_t* cr = c.cr();
    const auto [gx, gy] = gripOf(p);
    const double L = 0.62, back = 0.22;
    const double dx = std::cos(p.scytheAngle), dy = std::sin(p.scytheAngle);
    const double x0 = gx - dx * back, y0 = gy - dy * back;
    const double x1 = gx + dx * L, y1 = gy + dy * L;
    path(cr, {{x0, y0}, {x1, y1}});
    c.stroke(kInk, 0.05);
    c.stroke(look.snath, 0.028);
    cairo_new_path(cr);
    // Blade: perpendicular to the snath, sweeping back along it.
    const double nx = -dy * bladeSide, ny = dx * bladeSide;
    const double tipX = x1 + nx * 0.36 - dx * 0.14, tipY = y1 + ny * 0.36 - dy * 0.14;
    cairo_move_to(cr, x1 + dx * 0.02, y1 + dy * 0.02);
    cairo_curve_to(cr, x1 + nx * 0.14 + dx * 0.08, y1 + ny * 0.14 + dy * 0.08, x1 + nx * 0.3 + dx * 0.02,
                   y1 + ny * 0.3 + dy * 0.02, tipX, tipY);
    cairo_curve_to(cr, x1 + nx * 0.24 - dx * 0.04, y1 + ny * 0.24 - dy * 0.04, x1 + nx * 0.1 - dx * 0.04,
                   y1 + ny * 0.1 - dy * 0.04, x1 - dx * 0.05, y1 - dy * 0.05);
    cairo_close_path(cr);
    if (look.aura.a > 0)
        c.glow(look.aura, 0.05, 5);
    c.stroke(kInk, 0.025);
    c.fillLinear(x1, y1, tipX, tipY, {{0, look.blade.scaled(0.55)}, {0.5, look.blade}, {1, look.blade.scaled(1.3)}});
    cairo_new_path(cr);
    // Binding where blade meets snath.
    c.ellipse(x1, y1, 0.025, 0.025);
    c.fillColour(look.trim);
    cairo_new_path(cr);
}

// The arc the blade tip leaves while swinging: a crescent widening toward its head.
void drawTrail(Canvas& c, const Pose& p, const Look& look)
{
    if (p.trailAlpha <= 0 || std::abs(p.trailTo - p.trailFrom) < 1e-3)
        return;
    cairo_t* cr = c.cr();
    const auto [gx, gy] = gripOf(p);
    const double r = 0.7;
    const Rgba tint = look.aura.a > 0 ? look.aura.alpha(1) : Rgba::rgb(235, 235, 245);
    const int steps = 24;
    for (int pass = 0; pass < 2; ++pass)
    {
        cairo_new_path(cr);
        for (int i = 0; i <= steps; ++i)
        {
            const double t = double(i) / steps;
            const double a = p.trailFrom + (p.trailTo - p.trailFrom) * t;
            const double rr = r + 0.05 * t;
            i == 0 ? cairo_move_to(cr, gx + std::cos(a) * rr, gy + std::sin(a) * rr)
                   : cairo_line_to(cr, gx + std::cos(a) * rr, gy + std::sin(a) * rr);
        }
        for (int i = steps; i >= 0; --i)
        {
            const double t = double(i) / steps;
            const double a = p.trailFrom + (p.trailTo - p.trailFrom) * t;
            const double rr = r - (pass == 0 ? 0.3 : 0.16) * t;
            cairo_line_to(cr, gx + std::cos(a) * rr, gy + std::sin(a) * rr);
        }
        cairo_close_path(cr);
        c.fillColour(pass == 0 ? tint.alpha(0.35 * p.trailAlpha) : tint.mix(kHoly, 0.55).alpha(0.8 * p.trailAlpha));
    }
    cairo_new_path(cr);
}

void drawWings(Canvas& c, const Pose& p, const Look& look, double spread)
{
    cairo_t* cr = c.cr();
    const double flap = std::sin(p.stride) * 0.04 + p.breath * 0.02;
    const double side = p.facing == Facing::Side ? 0.9 : 1.0;
    for (int s : {-1, 1})
    {
        if (p.facing == Facing::Side && s > 0)
            continue;
        const double root = p.facing == Facing::Side ? -0.08 : 0.08;
        cairo_save(cr);
        cairo_translate(cr, s * root, p.facing == Facing::Side ? -0.66 : -0.6);
        cairo_scale(cr, s * side * spread, 1);
        cairo_rotate(cr, -flap);
        // Three tiers of feathers, long ones last.
        for (int tier = 2; tier >= 0; --tier)
        {
            const double len = 0.26 + tier * 0.09;
            for (int f = 0; f < 5; ++f)
            {
                const double a = -0.9 + f * 0.34 + tier * 0.12;
                const double fx = std::cos(a) * len, fy = std::sin(a) * len * 0.9;
                cairo_move_to(cr, 0, 0);
                cairo_curve_to(cr, fx * 0.4, fy * 0.4 - 0.06, fx * 0.9 - 0.02, fy - 0.03, fx, fy);
                cairo_curve_to(cr, fx * 0.8 + 0.03, fy + 0.03, fx * 0.4 + 0.04, fy * 0.4 + 0.05, 0, 0.03);
                cairo_close_path(cr);
                c.stroke(Rgba::rgb(150, 120, 70), 0.012);
                c.fillLinear(0, 0, fx, fy, {{0, look.robeDark}, {0.6, look.robeLight}, {1, kHoly}});
                cairo_new_path(cr);
            }
        }
        cairo_restore(cr);
    }
}

void drawHorns(Canvas& c, double hx, double hy, double turn)
{
    cairo_t* cr = c.cr();
    for (int s : {-1, 1})
    {
        const double bx = hx + s * 0.1 + turn * 0.03, by = hy - 0.08;
        cairo_move_to(cr, bx - 0.035 * s, by + 0.02);
        cairo_curve_to(cr, bx + s * 0.08, by - 0.02, bx + s * 0.12, by - 0.12, bx + s * 0.06, by - 0.2);
        cairo_curve_to(cr, bx + s * 0.07, by - 0.11, bx + s * 0.03, by - 0.05, bx + 0.03 * s, by + 0.02);
        cairo_close_path(cr);
        c.stroke(kInk, 0.022);
        c.fillLinear(bx, by, bx + s * 0.06, by - 0.2,
                     {{0, Rgba::rgb(30, 14, 16)}, {0.7, Rgba::rgb(70, 20, 24)}, {1, Rgba::rgb(230, 50, 40)}});
        cairo_new_path(cr);
    }
}

void drawHalo(Canvas& c, double hx, double hy, double bob)
{
    cairo_t* cr = c.cr();
    c.ellipse(hx, hy - 0.25 - bob, 0.14, 0.04);
    c.glow(Rgba::rgb(255, 236, 160, 0.8), 0.05, 6);
    c.stroke(Rgba::rgb(120, 84, 20), 0.04);
    c.stroke(kPaleGold, 0.024);
    cairo_new_path(cr);
}

// The robe's silhouette from the shoulders (y = sh) to the hem (y = hem).
void robePath(cairo_t* cr, double sh, double hem, double topW, double hemW, double sway, bool tattered, double phase)
{
    cairo_move_to(cr, -topW, sh);
    cairo_curve_to(cr, -topW * 1.35, sh + (hem - sh) * 0.4, -hemW - sway * 0.03, hem - 0.08, -hemW + sway * 0.05, hem);
    const int teeth = tattered ? 7 : 4;
    for (int i = 1; i <= teeth; ++i)
    {
        const double t = double(i) / teeth;
        const double x = -hemW + sway * 0.05 + (2 * hemW) * t;
        const double dip = tattered ? (i % 2 ? 0.07 : -0.01) : 0.025 * std::sin(phase + i * 1.7);
        cairo_line_to(cr, x - hemW / teeth, hem + dip);
        cairo_line_to(cr, x, hem - (tattered ? 0.0 : 0.005));
    }
    cairo_curve_to(cr, hemW + sway * 0.03, hem - 0.08, topW * 1.35, sh + (hem - sh) * 0.4, topW, sh);
    cairo_close_path(cr);
}

// The whole figure at the current transform (feet at the origin, one unit per figure height).
void drawFigure(Canvas& c, const Pose& p, const Look& look)
{
    cairo_t* cr = c.cr();
    const bool side = p.facing == Facing::Side, back = p.facing == Facing::Back;
    const double breathe = p.breath * 0.01;
    const double sh = -0.6 - p.bob + breathe, hem = -0.02 - p.bob * 0.4;
    const double topW = side ? 0.12 : 0.15, hemW = side ? 0.2 : 0.25;

    // Aura.
    if (look.aura.a > 0)
    {
        c.ellipse(0, -0.45, 0.42, 0.55);
        c.fillRadial(0, -0.45, 0.05, 0.55,
                     {{0, look.aura.alpha(look.aura.a * (0.35 + 0.4 * p.glowPulse))}, {1, look.aura.alpha(0)}});
        cairo_new_path(cr);
    }

    // Feet under the hem.
    auto foot = [&](double x, double lift, double forward, const Rgba& col)
    {
        c.ellipse(x + (side ? forward : 0), -0.005 - lift + (side ? 0 : forward), side ? 0.065 : 0.055, 0.032);
        c.stroke(kInk, 0.02);
        c.fillColour(col);
        cairo_new_path(cr);
    };
    const double s1 = std::sin(p.stride), s2 = std::sin(p.stride + M_PI);
    const Rgba footCol = look.horns ? Rgba::rgb(30, 10, 12) : look.robeDark.scaled(0.7);
    if (side)
    {
        foot(0, std::max(0.0, -std::cos(p.stride)) * 0.05 * p.strideAmount, s2 * 0.13 * p.strideAmount, footCol);
        foot(0, std::max(0.0, std::cos(p.stride)) * 0.05 * p.strideAmount, s1 * 0.13 * p.strideAmount, footCol);
    }
    else
    {
        // Seen from the front or the back, the stepping foot lifts and reaches out below the hem.
        const double toward = back ? -1 : 1;
        foot(-0.09, std::max(0.0, s1) * 0.06 * p.strideAmount, toward * s1 * 0.1 * p.strideAmount, footCol);
        foot(0.09, std::max(0.0, s2) * 0.06 * p.strideAmount, toward * s2 * 0.1 * p.strideAmount, footCol);
    }

    // Wings spread from the shoulder blades: behind the robe unless seen from the back.
    if (look.wings && !back)
        drawWings(c, p, look, 1.0);

    const double bladeSide = side ? 1 : (back ? -1 : 1);
    if (p.scytheBehind)
    {
        drawTrail(c, p, look);
        drawScythe(c, p, look, bladeSide);
    }

    // Back arm (side view) before the robe.
    if (side)
    {
        path(cr, {{-0.04, sh + 0.06}, {-0.1 - s1 * 0.06 * p.strideAmount, sh + 0.2}});
        c.stroke(kInk, 0.085);
        c.stroke(look.robeDark, 0.06);
        cairo_new_path(cr);
    }

    // Robe.
    cairo_save(cr);
    if (side)
        cairo_translate(cr, -0.02, 0);
    robePath(cr, sh, hem, topW, hemW, p.sway + (side ? -0.6 * p.strideAmount : 0), look.tattered, p.stride);
    c.stroke(kInk, 0.03);
    c.fillLinear(-hemW, 0, hemW, 0, {{0, look.robeDark}, {side ? 0.7 : 0.45, look.robeLight}, {1, look.robeDark}});
    if (look.tattered)
        c.stroke(kCrimson, 0.014); // a hellish rim light keeps the black robe readable on dark floors
    cairo_new_path(cr);
    // Folds.
    for (double fx : {-0.1, 0.0, 0.1})
    {
        cairo_move_to(cr, fx * 0.6, sh + 0.12);
        cairo_curve_to(cr, fx * 0.9, sh + 0.3, fx * 1.4 + p.sway * 0.02, hem - 0.1, fx * 1.6 + p.sway * 0.04,
                       hem - 0.01);
        c.stroke(look.robeDark.alpha(0.5), 0.012);
        cairo_new_path(cr);
    }
    // Hem trim.
    cairo_move_to(cr, -hemW + 0.02, hem - 0.035);
    cairo_curve_to(cr, -hemW * 0.4, hem - 0.01, hemW * 0.4, hem - 0.01, hemW - 0.02, hem - 0.035);
    c.stroke(look.trim, 0.02);
    cairo_new_path(cr);
    // Sash.
    const double waist = sh + 0.24;
    cairo_move_to(cr, -topW * 1.2, waist);
    cairo_curve_to(cr, -0.05, waist + 0.03, 0.05, waist + 0.03, topW * 1.2, waist);
    c.stroke(kInk, 0.04);
    c.stroke(look.trim, 0.025);
    cairo_new_path(cr);
    if (!back && !side)
    {
        // Front clasp and a hanging sash end.
        path(cr, {{0.02, waist + 0.02}, {0.04 + p.sway * 0.02, waist + 0.15}});
        c.stroke(look.trim.scaled(0.8), 0.02);
        cairo_new_path(cr);
    }
    if (back)
    {
        // Seam down the back of the robe.
        path(cr, {{0, sh + 0.04}, {p.sway * 0.02, hem - 0.04}});
        c.stroke(look.robeDark.alpha(0.6), 0.012);
        cairo_new_path(cr);
    }
    cairo_restore(cr);

    // Wings over the back.
    if (look.wings && back)
        drawWings(c, p, look, 1.05);

    // Hood.
    const double hx = side ? 0.03 : 0.0, hy = sh - 0.12;
    if (look.horns)
        drawHorns(c, hx, hy, side ? 1 : 0);
    cairo_move_to(cr, hx - 0.17, hy + 0.14);
    if (side)
    {
        cairo_curve_to(cr, hx - 0.2, hy - 0.02, hx - 0.16, hy - 0.16, hx - 0.24, hy - 0.22);
        cairo_curve_to(cr, hx - 0.04, hy - 0.22, hx + 0.15, hy - 0.14, hx + 0.16, hy + 0.06);
        cairo_line_to(cr, hx + 0.12, hy + 0.15);
    }
    else
    {
        cairo_curve_to(cr, hx - 0.21, hy - 0.02, hx - 0.14, hy - 0.19, hx, hy - 0.22);
        cairo_curve_to(cr, hx + 0.14, hy - 0.19, hx + 0.21, hy - 0.02, hx + 0.17, hy + 0.14);
    }
    cairo_close_path(cr);
    c.stroke(kInk, 0.03);
    c.fillRadial(hx - 0.05, hy - 0.1, 0.02, 0.26,
                 {{0, look.robeLight.scaled(1.1)}, {0.6, look.robeLight}, {1, look.robeDark}});
    if (look.tattered)
        c.stroke(kCrimson, 0.014);
    cairo_new_path(cr);
    if (back)
    {
        // The hood's point and its fold, seen from behind.
        cairo_move_to(cr, hx, hy - 0.2);
        cairo_curve_to(cr, hx - 0.02, hy - 0.06, hx + 0.02, hy + 0.04, hx, hy + 0.13);
        c.stroke(look.robeDark.alpha(0.7), 0.018);
        cairo_new_path(cr);
        cairo_move_to(cr, hx - 0.15, hy + 0.12);
        cairo_curve_to(cr, hx - 0.05, hy + 0.16, hx + 0.05, hy + 0.16, hx + 0.15, hy + 0.12);
        c.stroke(look.trim, 0.02);
        cairo_new_path(cr);
    }
    else
    {
        // The void under the hood and two eyes.
        const double fx = side ? hx + 0.07 : hx, fy = hy + 0.02;
        c.ellipse(fx, fy, side ? 0.075 : 0.1, 0.085);
        c.stroke(look.trim, 0.018);
        c.fillRadial(fx, fy, 0.01, 0.1, {{0, kInk}, {1, Rgba::rgb(30, 20, 24)}});
        cairo_new_path(cr);
        const double spread = side ? 0.025 : 0.04;
        for (int s : {-1, 1})
        {
            c.ellipse(fx + s * spread + (side ? 0.02 : 0), fy - 0.005, 0.017, 0.012 * (0.3 + 0.7 * p.eyeGlow));
            c.glow(look.eyes.alpha(0.9 * p.eyeGlow), 0.04, 4);
            c.fillColour(look.eyes.mix(kHoly, 0.3));
            cairo_new_path(cr);
        }
    }
    if (look.halo)
        drawHalo(c, hx, hy, p.breath * 0.01);

    // Front arm with a bony hand on the snath (the scythe is drawn over the body unless behind).
    const auto [gx, gy] = gripOf(p);
    if (!p.scytheBehind)
    {
        drawTrail(c, p, look);
        drawScythe(c, p, look, bladeSide);
    }
    const double shx = back ? -0.12 : (side ? 0.03 : 0.13);
    path(cr, {{shx, sh + 0.05}, {(shx + gx) * 0.5 + (side ? 0 : 0.03), (sh + gy) * 0.5 + 0.04}, {gx, gy}});
    c.stroke(kInk, 0.085);
    c.stroke(look.robeLight.scaled(0.9), 0.06);
    cairo_new_path(cr);
    c.ellipse(gx, gy, 0.03, 0.03);
    c.stroke(kInk, 0.015);
    c.fillColour(look.horns ? Rgba::rgb(120, 40, 40) : kBone);
    cairo_new_path(cr);
}

// Sets the transform for a figure of pose `p` in the current cell (mirroring for
// left), draws the ground shadow and the figure.
void drawPosed(Canvas& c, const Pose& p, const Look& look, bool mirror, double w, double alpha = 1.0)
{
    cairo_t* cr = c.cr();
    if (alpha < 1.0)
        cairo_push_group(cr);
    cairo_save(cr);
    if (mirror)
    {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    cairo_translate(cr, p.cx, p.ground);
    cairo_scale(cr, p.size, p.size);
    // A soft shadow pooled under the feet, darkest at its heart.
    cairo_save(cr);
    cairo_scale(cr, 1.0, 0.26);
    c.ellipse(0, 0, 0.34, 0.34);
    c.fillRadial(0, 0, 0, 0.34, {{0, Rgba{0, 0, 0, 0.5}}, {0.6, Rgba{0, 0, 0, 0.3}}, {1, Rgba{0, 0, 0, 0}}});
    cairo_new_path(cr);
    cairo_restore(cr);
    cairo_rotate(cr, p.lean);
    drawFigure(c, p, look);
    cairo_restore(cr);
    if (alpha < 1.0)
    {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, alpha);
    }
}

Facing facingOf(const std::string& direction)
{
    if (direction == "top")
        return Facing::Back;
    if (direction == "down")
        return Facing::Front;
    return Facing::Side;
}

// A pose centred in a w × h cell with the figure's feet near the bottom.
Pose basePose(const std::string& direction, double w, double h, double fill = 0.8)
{
    Pose p;
    p.facing = facingOf(direction);
    p.cx = w / 2;
    p.ground = h - h * 0.07;
    p.size = h * fill;
    p.scytheAngle = p.facing == Facing::Back ? -1.35 : -1.85;
    p.scytheBehind = p.facing == Facing::Back;
    return p;
}

void walkFrame(Canvas& c, const std::string& dir, const Look& look, double w, double h, double t)
{
    Pose p = basePose(dir, w, h, 0.72);
    const double phase = t * 2 * M_PI;
    p.stride = phase;
    p.strideAmount = 1;
    p.bob = std::abs(std::sin(phase)) * 0.045;
    p.sway = std::sin(phase) * 1.4;
    p.breath = std::cos(phase * 2);
    p.lean = p.facing == Facing::Side ? 0.1 : std::sin(phase) * 0.07;
    p.scytheAngle += std::sin(phase) * 0.08;
    p.glowPulse = 0.5 + 0.5 * std::sin(phase);
    if (p.facing == Facing::Side)
    {
        p.scytheAngle = -2.3 + std::sin(phase) * 0.06; // carried sloping back over the shoulder
        p.scytheBehind = true;
        p.cx = w * 0.5;
    }
    drawPosed(c, p, look, dir == "left", w);
    // Dust kicked up behind the feet on each step.
    cairo_t* cr = c.cr();
    const double puff = std::fmod(t * 2, 1.0);
    const double dx = dir == "left" ? 1 : (dir == "right" ? -1 : 0);
    const double dy = dir == "top" ? 1 : (dir == "down" ? -1 : 0);
    for (int i = 0; i < 3; ++i)
    {
        const double r = h * (0.02 + 0.03 * puff) * (1 + i * 0.3);
        c.ellipse(p.cx + dx * w * (0.22 + 0.1 * puff) + (i - 1) * h * 0.04 * (dy != 0),
                  p.ground - h * 0.02 + dy * h * 0.03 * puff - i * h * 0.01 * (dx != 0), r, r * 0.6);
        c.fillColour(Rgba::rgb(150, 130, 120, 0.35 * (1 - puff)));
        cairo_new_path(cr);
    }
}

void idleFrame(Canvas& c, const std::string& dir, const Look& look, double w, double h, double t)
{
    Pose p = basePose(dir, w, h, 0.72);
    const double phase = t * 2 * M_PI;
    p.breath = std::sin(phase);
    p.bob = (std::sin(phase) * 0.5 + 0.5) * 0.02;
    p.sway = std::sin(phase + 1.0) * 0.6;
    p.scytheAngle += std::sin(phase) * 0.07;
    p.lean = std::sin(phase) * 0.015;
    p.glowPulse = 0.5 + 0.5 * std::sin(phase);
    // A slow blink once a cycle.
    p.eyeGlow = (t > 0.6 && t < 0.75) ? 0.25 : 0.8 + 0.2 * std::sin(phase * 2);
    if (p.facing == Facing::Side)
    {
        p.scytheAngle = -1.95 + std::sin(phase) * 0.08; // planted upright before the figure
        p.scytheReach = 1.2;
    }
    drawPosed(c, p, look, dir == "left", w);
    // Motes drifting around the figure: embers, motes of light or ash.
    cairo_t* cr = c.cr();
    for (int i = 0; i < 4; ++i)
    {
        const double u = std::fmod(t + i * 0.25, 1.0);
        const double x = p.cx + std::sin(i * 2.1 + u * 3) * w * 0.3;
        const double y = p.ground - h * (0.15 + 0.6 * u);
        c.ellipse(x, y, h * 0.012, h * 0.012);
        const Rgba mote = look.aura.a > 0 ? look.aura.alpha(1) : Rgba::rgb(200, 190, 180);
        c.fillColour(mote.alpha(0.6 * std::sin(u * M_PI)));
        cairo_new_path(cr);
    }
}

// The attack: wind-up, a fast sweep toward the direction with a trail, follow-through.
// The figure stands off-centre so the whole swing stays inside the cell.
void attackFrame(Canvas& c, const std::string& dir, const Look& look, double w, double h, int i)
{
    Pose p = basePose(dir, w, h, 0.5);
    double from = 0, to = 0;
    if (dir == "right" || dir == "left")
    {
        from = -2.6, to = 0.9; // from raised behind the back, over the top, to low in front
        p.cx = w * 0.36;
        p.ground = h * 0.8;
    }
    else if (dir == "down")
    {
        from = -0.5, to = 3.6; // across the front of the figure, right to left
        p.size = h * 0.46;
        p.cx = w * 0.44;
        p.ground = h * 0.7;
    }
    else
    {
        from = 3.5, to = 6.1; // across the space above the figure
        p.cx = w * 0.55;
        p.ground = h * 0.95;
    }
    // Two frames of wind-up, three of sweep, two of follow-through.
    const double keys[7] = {0.0, -0.12, 0.25, 0.62, 0.92, 1.0, 0.97};
    const double k = keys[std::min(i, 6)];
    const double prevK = i > 0 ? keys[std::min(i - 1, 6)] : k;
    const double angle = from + (to - from) * k;
    p.scytheAngle = angle;
    p.scytheReach = 1.25;
    p.scytheBehind = dir == "top";
    if (i >= 2 && i <= 5)
    {
        p.trailFrom = from + (to - from) * std::max(0.0, prevK - 0.35);
        p.trailTo = angle;
        p.trailAlpha = i == 5 ? 0.5 : 1.0;
    }
    p.lean = (dir == "right" || dir == "left") ? -0.1 + 0.25 * k : 0;
    p.bob = -0.02 * std::sin(k * M_PI);
    p.sway = (k - 0.5) * 1.6;
    p.glowPulse = k;
    drawPosed(c, p, look, dir == "left", w);
}

// The dodge: a crouch, a tumbling roll along the direction with after-images, and a rise.
void dodgeFrame(Canvas& c, const std::string& dir, const Look& look, double w, double h, int i, int n)
{
    cairo_t* cr = c.cr();
    const double u = double(i) / (n - 1);
    const double dx = dir == "left" ? -1 : (dir == "right" ? 1 : 0);
    const double dy = dir == "top" ? -1 : (dir == "down" ? 1 : 0);
    const double travel = (u - 0.5) * (dx != 0 ? w * 0.34 : h * 0.22);
    const double cx = w / 2 + dx * travel, baseY = h * 0.93 + dy * travel * 0.6 - std::abs(dy) * h * 0.08;
    const double size = h * 0.7;

    // Streaks and after-images behind the motion.
    for (int g = 3; g >= 1; --g)
    {
        const double back = g * size * 0.16;
        const double gx = cx - dx * back, gy = baseY - h * 0.2 - dy * back;
        c.ellipse(gx, gy, size * 0.2, size * 0.17);
        const Rgba ghost = look.aura.a > 0 ? look.aura.alpha(1) : look.robeLight;
        c.fillColour(ghost.alpha(0.16 * (u > 0.1 && u < 0.95 ? 1 : 0.3) / g));
        cairo_new_path(cr);
    }
    for (int s = -1; s <= 1; ++s)
    {
        const double ox = -dy * s * size * 0.14, oy = dx * s * size * 0.1;
        path(cr, {{cx - dx * size * 0.3 + ox, baseY - h * 0.2 - dy * size * 0.3 + oy},
                  {cx - dx * size * 0.75 + ox, baseY - h * 0.2 - dy * size * 0.75 + oy}});
        c.stroke(Rgba::rgb(220, 210, 200, 0.35 * std::sin(u * M_PI)), h * 0.012);
        cairo_new_path(cr);
    }

    if (u < 0.15 || u > 0.85)
    {
        // Crouching into the roll and rising out of it: the upright figure, squashed.
        Pose p = basePose(dir, w, h, 0.66);
        p.cx = cx;
        p.ground = baseY;
        p.bob = -0.06;
        p.lean = dx * (u < 0.5 ? 0.35 : -0.15);
        p.scytheAngle = p.facing == Facing::Back ? -0.9 : -2.6;
        p.scytheBehind = true;
        cairo_save(cr);
        cairo_translate(cr, cx, baseY);
        cairo_scale(cr, 1.08, u < 0.5 ? 0.8 : 0.9);
        cairo_translate(cr, -cx, -baseY);
        drawPosed(c, p, look, dir == "left", w);
        cairo_restore(cr);
        return;
    }
    // The roll: the figure curled into a ball, spinning.
    const double spin = (u - 0.15) / 0.7 * 2 * M_PI * (dx < 0 ? -1 : 1);
    const double r = size * 0.24;
    const double by = baseY - r * 0.9;
    c.ellipse(cx, baseY - 2, r * 1.1, r * 0.3);
    c.fillColour(Rgba{0, 0, 0, 0.4});
    cairo_new_path(cr);
    if (look.aura.a > 0)
    {
        c.ellipse(cx, by, r * 1.6, r * 1.6);
        c.fillRadial(cx, by, r * 0.2, r * 1.6, {{0, look.aura}, {1, look.aura.alpha(0)}});
        cairo_new_path(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, cx, by);
    if (dx == 0)
        cairo_scale(cr, 1.0, 0.8 + 0.2 * std::abs(std::cos(spin))); // rolling toward or away: the ball squashes
    cairo_rotate(cr, dx == 0 ? spin * 0.15 : spin);
    // Cloak ball.
    c.ellipse(0, 0, r, r);
    c.stroke(kInk, h * 0.02);
    c.fillRadial(-r * 0.3, -r * 0.3, r * 0.1, r * 1.2, {{0, look.robeLight}, {1, look.robeDark}});
    cairo_new_path(cr);
    // Swirling folds show the spin.
    for (int k = 0; k < 3; ++k)
    {
        const double a = k * 2.1;
        cairo_arc(cr, 0, 0, r * (0.45 + 0.15 * k), a, a + 1.6);
        c.stroke(look.robeDark.alpha(0.8), h * 0.012);
        cairo_new_path(cr);
    }
    cairo_arc(cr, 0, 0, r * 0.92, 0.3, 2.2);
    c.stroke(look.trim, h * 0.014);
    cairo_new_path(cr);
    // The hood tucked on the ball's rim, the scythe held flat along it.
    const double hr = r * 0.55;
    if (look.horns)
    {
        for (int s : {-1, 1})
        {
            path(cr, {{r * 0.7 + s * hr * 0.4, -r * 0.55}, {r * 0.95 + s * hr * 0.7, -r * 1.05}});
            c.stroke(kInk, h * 0.03);
            c.stroke(Rgba::rgb(200, 40, 40), h * 0.016);
            cairo_new_path(cr);
        }
    }
    c.ellipse(r * 0.75, -r * 0.2, hr, hr);
    c.stroke(kInk, h * 0.016);
    c.fillColour(look.robeLight.scaled(0.95));
    cairo_new_path(cr);
    if (dir != "top") // rolling away, only the back of the hood shows
    {
        c.ellipse(r * 0.85, -r * 0.15, hr * 0.55, hr * 0.5);
        c.fillColour(kInk);
        cairo_new_path(cr);
        c.ellipse(r * 0.9, -r * 0.18, hr * 0.12, hr * 0.08);
        c.glow(look.eyes, hr * 0.3, 3);
        c.fillColour(look.eyes);
        cairo_new_path(cr);
    }
    if (look.halo)
    {
        c.ellipse(r * 0.75, -r * 0.2, hr * 1.3, hr * 1.3);
        c.stroke(kPaleGold.alpha(0.8), h * 0.012);
        cairo_new_path(cr);
    }
    path(cr, {{-r * 1.3, r * 0.3}, {r * 1.2, r * 0.55}});
    c.stroke(kInk, h * 0.03);
    c.stroke(look.snath, h * 0.016);
    cairo_new_path(cr);
    cairo_move_to(cr, r * 1.2, r * 0.55);
    cairo_curve_to(cr, r * 1.4, r * 0.2, r * 1.3, -r * 0.2, r * 1.0, -r * 0.45);
    cairo_curve_to(cr, r * 1.15, -r * 0.1, r * 1.15, r * 0.25, r * 1.05, r * 0.5);
    cairo_close_path(cr);
    c.stroke(kInk, h * 0.012);
    c.fillColour(look.blade);
    cairo_new_path(cr);
    cairo_restore(cr);
}

// The reaper lying face down-right on the ground: a heap of robe, the hood at its
// right end, an arm reaching out and the scythe dropped beside it.
void drawFallen(Canvas& c, const Look& look, double eyeGlow, double settle)
{
    cairo_t* cr = c.cr();
    c.ellipse(0.05, -0.02, 0.5, 0.08);
    c.fillColour(Rgba{0, 0, 0, 0.45});
    cairo_new_path(cr);
    // Scythe first: it fell behind the body.
    path(cr, {{-0.45, -0.2}, {0.45, -0.02}});
    c.stroke(kInk, 0.05);
    c.stroke(look.snath, 0.028);
    cairo_new_path(cr);
    cairo_move_to(cr, 0.45, -0.02);
    cairo_curve_to(cr, 0.55, -0.15, 0.5, -0.3, 0.32, -0.36);
    cairo_curve_to(cr, 0.44, -0.24, 0.44, -0.12, 0.4, -0.03);
    cairo_close_path(cr);
    c.stroke(kInk, 0.02);
    c.fillColour(look.blade);
    cairo_new_path(cr);
    // Robe heap, flattening as it settles.
    const double top = -0.2 + 0.04 * settle;
    cairo_move_to(cr, -0.42, -0.01);
    cairo_curve_to(cr, -0.44, top, -0.2, top - 0.06, 0.05, top - 0.02);
    cairo_curve_to(cr, 0.18, top, 0.24, -0.1, 0.22, -0.01);
    cairo_close_path(cr);
    c.stroke(kInk, 0.03);
    c.fillLinear(0, top - 0.06, 0, 0, {{0, look.robeLight}, {1, look.robeDark}});
    cairo_new_path(cr);
    for (double fx : {-0.3, -0.15, 0.0})
    {
        cairo_move_to(cr, fx, top + 0.02);
        cairo_curve_to(cr, fx + 0.03, -0.08, fx - 0.02, -0.05, fx + 0.02, -0.01);
        c.stroke(look.robeDark.alpha(0.6), 0.012);
        cairo_new_path(cr);
    }
    path(cr, {{-0.4, -0.04}, {0.2, -0.05}});
    c.stroke(look.trim, 0.02);
    cairo_new_path(cr);
    // Arm reaching out toward the viewer.
    path(cr, {{0.0, -0.09}, {0.12, -0.02}, {0.26, 0.02}});
    c.stroke(kInk, 0.075);
    c.stroke(look.robeLight.scaled(0.9), 0.05);
    cairo_new_path(cr);
    c.ellipse(0.28, 0.02, 0.03, 0.025);
    c.fillColour(look.horns ? Rgba::rgb(120, 40, 40) : kBone);
    cairo_new_path(cr);
    // Hood on its side.
    const double hx = 0.27, hy = -0.12;
    if (look.horns)
    {
        path(cr, {{hx + 0.06, hy - 0.08}, {hx + 0.2, hy - 0.14}});
        c.stroke(kInk, 0.04);
        c.stroke(Rgba::rgb(120, 30, 30), 0.022);
        cairo_new_path(cr);
    }
    c.ellipse(hx, hy, 0.14, 0.11);
    c.stroke(kInk, 0.03);
    c.fillRadial(hx - 0.04, hy - 0.05, 0.01, 0.16, {{0, look.robeLight}, {1, look.robeDark}});
    cairo_new_path(cr);
    c.ellipse(hx + 0.05, hy + 0.03, 0.07, 0.05);
    c.fillColour(kInk);
    cairo_new_path(cr);
    if (eyeGlow > 0.05)
        for (int s : {-1, 1})
        {
            c.ellipse(hx + 0.05 + s * 0.025, hy + 0.035, 0.012, 0.006);
            c.glow(look.eyes.alpha(0.8 * eyeGlow), 0.03, 3);
            c.fillColour(look.eyes.alpha(eyeGlow));
            cairo_new_path(cr);
        }
    if (look.halo)
    {
        // The halo has slipped off and lies dimming on the ground.
        c.ellipse(hx + 0.2, -0.03, 0.1, 0.03);
        c.stroke(kGold.alpha(0.4 + 0.6 * eyeGlow), 0.02);
        cairo_new_path(cr);
    }
}

// The death: struck, the reaper staggers and topples; it lies still, its eyes go
// out and the soul leaves as a wisp.
void deadFrame(Canvas& c, const std::string& dir, const Look& look, double w, double h, int i, int n)
{
    cairo_t* cr = c.cr();
    const double u = double(i) / (n - 1);
    const bool mirror = dir == "left";
    cairo_save(cr);
    if (mirror)
    {
        cairo_translate(cr, w, 0);
        cairo_scale(cr, -1, 1);
    }
    const double size = h * 0.68;
    if (i < 5)
    {
        // Recoil, stagger, topple: the upright figure pivots at its feet.
        Pose p = basePose("right", w, h, 0.68);
        p.cx = w * 0.42;
        p.scytheBehind = true;
        const double tilt[5] = {-0.22, -0.12, 0.05, 0.45, 0.95};
        p.lean = tilt[i];
        p.bob = i >= 2 ? -0.04 * (i - 1) : 0;
        p.scytheAngle = -1.9 + 0.5 * i;
        p.eyeGlow = 1.0;
        p.glowPulse = 1.0 - u;
        drawPosed(c, p, look, false, w);
        if (i == 0)
        {
            // The blow that killed: a flash across the body.
            path(cr, {{w * 0.25, h * 0.3}, {w * 0.6, h * 0.6}});
            c.stroke(Rgba::rgb(255, 255, 255, 0.8), h * 0.02);
            cairo_new_path(cr);
        }
    }
    else
    {
        const double settle = clamp01((i - 5) / 2.0);
        const double eyes = clamp01(1 - (i - 6) / 3.0);
        cairo_save(cr);
        cairo_translate(cr, w * 0.45, h * 0.86);
        cairo_scale(cr, size, size);
        drawFallen(c, look, eyes, settle);
        cairo_restore(cr);
        if (i == 5)
        {
            // Dust where the body hit the ground.
            for (int k = -2; k <= 2; ++k)
            {
                c.ellipse(w * 0.45 + k * w * 0.16, h * 0.84, h * 0.05, h * 0.025);
                c.fillColour(Rgba::rgb(160, 140, 130, 0.35));
                cairo_new_path(cr);
            }
        }
    }
    cairo_restore(cr);
    // The soul rises from the fallen body.
    if (i >= 6)
    {
        const double s = (i - 6) / 4.0;
        const double sx = mirror ? w - w * 0.55 : w * 0.55, sy = h * (0.7 - 0.5 * s);
        const Rgba soul = look.aura.a > 0 ? look.aura.alpha(1) : (look.horns ? kEmber : Rgba::rgb(200, 220, 255));
        c.ellipse(sx, sy, h * 0.05, h * 0.08);
        c.fillRadial(
            sx, sy, 0, h * 0.1,
            {{0, kHoly.alpha(0.9 * (1 - s * 0.6))}, {0.5, soul.alpha(0.6 * (1 - s * 0.5))}, {1, soul.alpha(0)}});
        cairo_new_path(cr);
        for (int k = 0; k < 5; ++k)
        {
            const double a = k * 1.3 + s * 4;
            c.ellipse(sx + std::cos(a) * h * 0.08, sy + h * 0.1 + std::sin(a) * h * 0.03 + k * h * 0.02, h * 0.01,
                      h * 0.01);
            c.fillColour(soul.alpha(0.7 * (1 - s)));
            cairo_new_path(cr);
        }
    }
}

// The colour a form's silhouette is caught by: cold moonlight on the grey reaper,
// gold on the angelic one, embers on the demonic one.
Rgba rimOf(Form form)
{
    switch (form)
    {
    case Form::Good:
        return kPaleGold;
    case Form::Bad:
        return Rgba::rgb(255, 70, 50);
    default:
        return Rgba::rgb(196, 214, 255);
    }
}

// Makes the figure of one frame read on any floor: a dark outline around the solid
// shape (the faint ground shadow is left alone) and a rim of light along its upper
// left edges, where the light of the scene falls.
void silhouette(Canvas& frame, Form form)
{
    cairo_surface_t* surface = cairo_get_target(frame.cr());
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface) / 4;
    auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
    const std::vector<std::uint32_t> before(px, px + static_cast<std::size_t>(stride) * h);
    auto alphaAt = [&](int x, int y) -> int
    {
        if (x < 0 || y < 0 || x >= w || y >= h)
            return 0;
        return static_cast<int>(before[static_cast<std::size_t>(y) * stride + x] >> 24);
    };
    constexpr int kSolid = 140, kOutline = 3, kRim = 3;
    const Rgba rim = rimOf(form);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            std::uint32_t& out = px[static_cast<std::size_t>(y) * stride + x];
            const int a = alphaAt(x, y);
            if (a < kSolid)
            {
                // Outline: the nearest solid pixel within reach darkens this one.
                int nearest = kOutline + 1;
                for (int dy = -kOutline; dy <= kOutline; ++dy)
                    for (int dx = -kOutline; dx <= kOutline; ++dx)
                        if (alphaAt(x + dx, y + dy) >= kSolid)
                            nearest = std::min(nearest, std::max(std::abs(dx), std::abs(dy)));
                if (nearest > kOutline)
                    continue;
                const double cover = nearest < kOutline ? 0.92 : 0.5;
                const double keep = 1.0 - cover;
                const int oa = static_cast<int>(std::lround(cover * 255 + keep * a));
                const auto channel = [&](int shift, int ink)
                {
                    const int v = static_cast<int>((out >> shift) & 255);
                    return static_cast<std::uint32_t>(std::lround(cover * ink + keep * v));
                };
                out = (static_cast<std::uint32_t>(oa) << 24) | (channel(16, 8) << 16) | (channel(8, 3) << 8) |
                      channel(0, 5);
                continue;
            }
            // Rim: a solid pixel whose upper-left neighbourhood is open sky.
            bool lit = false;
            for (int k = 1; k <= kRim && !lit; ++k)
                lit = alphaAt(x - k, y - k) < kSolid / 2;
            if (!lit)
                continue;
            const double mix = 0.55;
            const auto channel = [&](int shift, double c)
            {
                const double v = static_cast<double>((out >> shift) & 255);
                const double target = c * 255.0 * (a / 255.0); // premultiplied
                return static_cast<std::uint32_t>(std::lround(v + (target - v) * mix));
            };
            out = (out & 0xff000000u) | (channel(16, rim.r) << 16) | (channel(8, rim.g) << 8) | channel(0, rim.b);
        }
    cairo_surface_mark_dirty(surface);
}

void paintPlayerSheet(const Player::SheetLayout& sheet, Form form, const std::filesystem::path& output)
{
    const int fw = int(sheet.frameWidth), fh = int(sheet.frameHeight), n = int(sheet.frameCount);
    const std::string action = sheet.action, dir = sheet.direction;
    const Look look = lookOf(form);
    Canvas canvas(fw * n, fh);
    paintSheet(canvas, fw, fh, n, n,
               [&](Canvas& c, int i, double t)
               {
                   // Each frame is painted on its own, given its silhouette, then laid in its cell.
                   Canvas frame(fw, fh);
                   if (action == "walk")
                       walkFrame(frame, dir, look, fw, fh, t);
                   else if (action == "idle")
                       idleFrame(frame, dir, look, fw, fh, t);
                   else if (action == "attack")
                       attackFrame(frame, dir, look, fw, fh, i);
                   else if (action == "dodge")
                       dodgeFrame(frame, dir, look, fw, fh, i, n);
                   else
                       deadFrame(frame, dir, look, fw, fh, i, n);
                   silhouette(frame, form);
                   cairo_set_source_surface(c.cr(), cairo_get_target(frame.cr()), 0, 0);
                   cairo_paint(c.cr());
               });
    canvas.savePng(output);
}

// The body picture: the neutral reaper standing, filling the picture, which the game
// only measures; a clear picture makes the size easy to judge by eye.
void paintBounds(const std::filesystem::path& output)
{
    const int w = int(Player::kBoundsWidth), h = int(Player::kBoundsHeight);
    Canvas canvas(w, h);
    Pose p = basePose("down", w, h, 0.95);
    p.ground = h - 8;
    p.size = h * 0.82;
    p.scytheAngle = -1.68;
    cairo_save(canvas.cr());
    cairo_translate(canvas.cr(), w / 2.0, 0);
    cairo_scale(canvas.cr(), 0.5, 1); // a tall picture: the body is twice as tall as wide
    cairo_translate(canvas.cr(), -w / 2.0, 0);
    drawPosed(canvas, p, lookOf(Form::Neutral), false, w);
    cairo_restore(canvas.cr());
    canvas.savePng(output);
}

// The heal rune: a pentagram drawn stroke by stroke in light, flaring and fading.
void paintHealRune(const std::filesystem::path& output)
{
    const int fw = int(RunTextures::kHealRuneFrameWidth), fh = int(RunTextures::kHealRuneFrameHeight);
    const int n = int(RunTextures::kHealRuneFrameCount), cols = int(RunTextures::kHealRuneColumns);
    const int rows = (n + cols - 1) / cols;
    Canvas canvas(fw * cols, fh * rows);
    paintSheet(
        canvas, fw, fh, n, cols,
        [&](Canvas& c, int i, double)
        {
            cairo_t* cr = c.cr();
            const double u = double(i) / (n - 1);
            const double cx = fw / 2.0, cy = fh * 0.62;
            const double R = fw * 0.4;
            const double draw = ease(u / 0.45); // the lines being traced
            const double flare = std::sin(clamp01((u - 0.35) / 0.45) * M_PI);
            const double fade = clamp01((1 - u) / 0.25); // last frames fade out
            const Rgba gold = Rgba::rgb(255, 214, 120), red = Rgba::rgb(230, 40, 40);
            const Rgba line = gold.mix(red, 0.35);
            // Flattened: the rune lies on the ground beneath the player.
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1, 0.5);
            c.ellipse(0, 0, R * 1.25, R * 1.25);
            c.fillRadial(0, 0, 0, R * 1.25, {{0, line.alpha(0.35 * (flare * 0.8 + 0.2) * fade)}, {1, line.alpha(0)}});
            cairo_new_path(cr);
            // Two circles traced around.
            for (int ring = 0; ring < 2; ++ring)
            {
                const double rr = R * (ring == 0 ? 1.0 : 0.86);
                cairo_arc(cr, 0, 0, rr, -M_PI / 2, -M_PI / 2 + 2 * M_PI * draw);
                c.glow(line.alpha(0.9 * fade), 16 + 24 * flare, 6);
                c.stroke(kHoly.alpha(fade), 5 + 3 * flare);
                cairo_new_path(cr);
            }
            // Star: five strokes, each traced in turn.
            double pts[5][2];
            for (int k = 0; k < 5; ++k)
            {
                const double a = -M_PI / 2 + k * 4 * M_PI / 5;
                pts[k][0] = std::cos(a) * R * 0.86;
                pts[k][1] = std::sin(a) * R * 0.86;
            }
            for (int k = 0; k < 5; ++k)
            {
                const double part = clamp01(draw * 5 - k);
                if (part <= 0)
                    break;
                const auto* a = pts[k];
                const auto* b = pts[(k + 1) % 5];
                cairo_move_to(cr, a[0], a[1]);
                cairo_line_to(cr, a[0] + (b[0] - a[0]) * part, a[1] + (b[1] - a[1]) * part);
                c.glow(line.alpha(0.9 * fade), 18 + 28 * flare, 6);
                c.stroke(kHoly.alpha(fade), 6 + 4 * flare);
                cairo_new_path(cr);
            }
            // Glyphs between the rings.
            for (int k = 0; k < 10; ++k)
            {
                if (k > draw * 10)
                    break;
                const double a = k * M_PI / 5 + 0.3;
                const double gx = std::cos(a) * R * 0.93, gy = std::sin(a) * R * 0.93;
                cairo_move_to(cr, gx - 8, gy - 10);
                cairo_line_to(cr, gx + 6, gy);
                cairo_line_to(cr, gx - 6, gy + 10);
                c.stroke(gold.alpha(0.9 * fade), 4);
                cairo_new_path(cr);
            }
            cairo_restore(cr);
            // A column of light rises while it flares, with motes streaming up.
            if (flare > 0)
            {
                cairo_rectangle(cr, cx - R * 0.55, 0, R * 1.1, cy);
                cairo_pattern_t* pat = cairo_pattern_create_linear(cx - R * 0.55, 0, cx + R * 0.55, 0);
                cairo_pattern_add_color_stop_rgba(pat, 0, 1, 0.85, 0.5, 0);
                cairo_pattern_add_color_stop_rgba(pat, 0.5, 1, 0.92, 0.7, 0.35 * flare * fade);
                cairo_pattern_add_color_stop_rgba(pat, 1, 1, 0.85, 0.5, 0);
                cairo_set_source(cr, pat);
                cairo_fill(cr);
                cairo_pattern_destroy(pat);
                cairo_rectangle(cr, cx - R * 0.55, 0, R * 1.1, fh * 0.3);
                pat = cairo_pattern_create_linear(0, 0, 0, fh * 0.3);
                cairo_pattern_add_color_stop_rgba(pat, 0, 0.16, 0.05, 0.05, 1);
                cairo_pattern_add_color_stop_rgba(pat, 1, 0.16, 0.05, 0.05, 0);
                cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
                cairo_set_source(cr, pat);
                cairo_fill(cr);
                cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
                cairo_pattern_destroy(pat);
            }
            Dice dice(7);
            for (int k = 0; k < 40; ++k)
            {
                const double x0 = dice.range(-R, R), speed = dice.range(0.4, 1.0), off = dice.uniform();
                const double life = std::fmod(u * speed * 2 + off, 1.0);
                const double y = cy - life * cy * 0.9 + dice.range(-20, 20);
                const double alpha = std::sin(life * M_PI) * clamp01(draw * 2) * fade;
                c.ellipse(cx + x0 * (1 - life * 0.4), y, 5 + 4 * flare, 5 + 4 * flare);
                c.glow(gold.alpha(0.8 * alpha), 10, 3);
                c.fillColour(kHoly.alpha(alpha));
                cairo_new_path(cr);
            }
        });
    canvas.savePng(output);
}

// Nepturath's shadow while the sardines show: the dark shape of the shoal under the water.
void paintNepturathShadow(const std::filesystem::path& output)
{
    const int size = 208;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    Dice dice(31);
    for (int k = 0; k < 70; ++k)
    {
        const double a = dice.range(0, 2 * M_PI), r = std::sqrt(dice.uniform()) * size * 0.36;
        const double x = size / 2 + std::cos(a) * r * 1.2, y = size / 2 + std::sin(a) * r * 0.7;
        const double heading = a + M_PI / 2 + dice.range(-0.3, 0.3);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, heading);
        canvas.ellipse(0, 0, 9, 3);
        cairo_move_to(cr, -8, 0);
        cairo_line_to(cr, -14, -4);
        cairo_line_to(cr, -14, 4);
        cairo_close_path(cr);
        canvas.fillColour(Rgba::rgb(4, 10, 18, 0.45));
        cairo_new_path(cr);
        cairo_restore(cr);
    }
    canvas.ellipse(size / 2, size / 2, size * 0.44, size * 0.28);
    canvas.fillRadial(size / 2, size / 2, 0, size * 0.44,
                      {{0, Rgba::rgb(0, 6, 14, 0.35)}, {1, Rgba::rgb(0, 6, 14, 0)}});
    canvas.clearPath();
    canvas.blur(2);
    canvas.savePng(output);
}

class PlayerPainter : public PatternPainter
{
public:
    PlayerPainter()
        : PatternPainter({R"(Assets/Sprites/Player/.*\.png)", R"(Assets/Sprites/HealRune/spritesheet\.png)",
                          R"(Assets/Sprites/Enemy/Boss/Nepturath_shadow\.png)"})
    {
    }
    std::string name() const override { return "player"; }
    int version() const override { return 3; }
    std::vector<std::string> inputs(const std::string&) const override
    {
        return {std::string(UMBRAVALE_SOURCE_DIR) + "/src/run/Player.h",
                std::string(UMBRAVALE_SOURCE_DIR) + "/src/run/RunTextures.h"};
    }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        Player::SheetLayout sheet{};
        Form form{};
        if (Player::sheetOfFile(path, sheet, form))
            return paintPlayerSheet(sheet, form, output);
        if (path == Player::kBoundsFile)
            return paintBounds(output);
        if (path == RunTextures::kHealRuneFile)
            return paintHealRune(output);
        if (path == Player::kNepturathShadowFile)
            return paintNepturathShadow(output);
        throw std::runtime_error("no player picture for this file");
    }
};

RegisterPainter<PlayerPainter> registration;
} // namespace
