// Props of stone and bone: graves, skulls and bones, pillars, statues, standing
// stones, the totem, the healing pentagram and the drifting souls. Seen from
// above and a little from the front, standing on a soft shadow.

#include "Canvas.h"
#include "Painter.h"
#include "PropArt.h"

#include "world/PropRegistry.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace
{
using namespace palette;
using namespace propart;

const Rgba kGraveLight = Rgba::rgb(150, 146, 150);
const Rgba kGraveDark = Rgba::rgb(46, 44, 52);
const Rgba kMoss = Rgba::rgb(78, 110, 58);

// A headstone standing at (x, baseY), w wide and h tall, with a carved cross or skull and moss.
void headstone(Canvas& c, double x, double baseY, double w, double h, std::uint32_t seed, int style)
{
    cairo_t* cr = c.cr();
    Dice dice(seed);
    softShadow(c, x + w * 0.1, baseY, w * 0.75, h * 0.18, 0.6);
    const double tilt = dice.range(-0.12, 0.12);
    cairo_save(cr);
    cairo_translate(cr, x, baseY);
    cairo_rotate(cr, tilt);
    // Front face with a rounded or pointed top, and a darker side face for depth.
    auto outline = [&](double dx)
    {
        cairo_move_to(cr, -w / 2 + dx, 0);
        if (style == 1)
        {
            cairo_line_to(cr, -w / 2 + dx, -h * 0.72);
            cairo_line_to(cr, dx, -h);
            cairo_line_to(cr, w / 2 + dx, -h * 0.72);
        }
        else
        {
            cairo_line_to(cr, -w / 2 + dx, -h + w / 2);
            cairo_arc(cr, dx, -h + w / 2, w / 2, M_PI, 2 * M_PI);
        }
        cairo_line_to(cr, w / 2 + dx, 0);
        cairo_close_path(cr);
    };
    outline(w * 0.1);
    c.fillColour(kGraveDark.scaled(0.7));
    c.stroke(kInk, 3);
    c.clearPath();
    outline(0);
    c.stroke(kInk, 4);
    c.fillLinear(-w / 2, -h, w / 2, 0, {{0, kGraveLight}, {0.6, kGraveLight.mix(kGraveDark, 0.5)}, {1, kGraveDark}});
    c.clearPath();
    // Carving.
    if (style == 2)
    {
        c.ellipse(0, -h * 0.55, w * 0.16, w * 0.15);
        c.fillColour(kGraveDark.scaled(0.6));
        c.clearPath();
        for (double ex : {-0.06, 0.06})
        {
            c.ellipse(ex * w, -h * 0.56, w * 0.04, w * 0.04);
            c.fillColour(kInk);
            c.clearPath();
        }
    }
    else
    {
        cairo_move_to(cr, 0, -h * 0.78);
        cairo_line_to(cr, 0, -h * 0.35);
        cairo_move_to(cr, -w * 0.18, -h * 0.64);
        cairo_line_to(cr, w * 0.18, -h * 0.64);
        c.stroke(kGraveDark.scaled(0.55), w * 0.07);
        c.clearPath();
    }
    // Cracks and moss creeping up from the ground.
    cairo_move_to(cr, w * 0.2, -h * 0.9);
    cairo_line_to(cr, w * 0.1, -h * 0.7);
    cairo_line_to(cr, w * 0.24, -h * 0.55);
    c.stroke(kInk.alpha(0.7), 1.5);
    c.clearPath();
    for (int i = 0; i < 5; ++i)
    {
        blobPath(c, dice.range(-w * 0.45, w * 0.45), -dice.range(0, h * 0.25), w * dice.range(0.08, 0.16), h * 0.06,
                 seed + i, 0.6, 9);
        c.fillColour(kMoss.scaled(dice.range(0.7, 1.2)).alpha(0.9));
        c.clearPath();
    }
    cairo_restore(cr);
    // A mound of earth before the stone.
    blobPath(c, x, baseY + h * 0.12, w * 0.7, h * 0.14, seed + 9, 0.4, 12);
    c.stroke(kInk, 2);
    c.fillLinear(x, baseY, x, baseY + h * 0.3, {{0, Rgba::rgb(66, 50, 40)}, {1, Rgba::rgb(30, 22, 20)}});
    c.clearPath();
}

void skull(Canvas& c, double x, double y, double s, double turn)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    softShadow(c, 0, s * 0.5, s * 0.9, s * 0.3, 0.5);
    c.ellipse(0, 0, s * 0.62, s * 0.55);
    c.stroke(kInk, 3);
    c.fillRadial(-s * 0.2, -s * 0.25, 0, s * 0.8, {{0, kHoly}, {0.6, kBone}, {1, kBone.scaled(0.55)}});
    c.clearPath();
    c.roundedRect(-s * 0.32, s * 0.3, s * 0.64, s * 0.32, s * 0.1);
    c.stroke(kInk, 3);
    c.fillColour(kBone.scaled(0.8));
    c.clearPath();
    for (double ex : {-0.24, 0.24})
    {
        c.ellipse(ex * s, s * 0.02, s * 0.16, s * 0.18);
        c.fillColour(kInk);
        c.clearPath();
    }
    cairo_move_to(cr, 0, s * 0.16);
    cairo_line_to(cr, -s * 0.06, s * 0.28);
    cairo_line_to(cr, s * 0.06, s * 0.28);
    cairo_close_path(cr);
    c.fillColour(kInk);
    c.clearPath();
    for (int i = -2; i <= 2; ++i)
    {
        cairo_move_to(cr, i * s * 0.1, s * 0.36);
        cairo_line_to(cr, i * s * 0.1, s * 0.56);
    }
    c.stroke(kInk.alpha(0.8), 1.5);
    c.clearPath();
    cairo_restore(cr);
}

void bone(Canvas& c, double x0, double y0, double x1, double y1, double thick)
{
    cairo_t* cr = c.cr();
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    c.stroke(kInk, thick + 4);
    c.stroke(kBone.scaled(0.85), thick);
    c.clearPath();
    const double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    const double nx = -dy / len * thick * 0.45, ny = dx / len * thick * 0.45;
    for (auto [px, py] : {std::pair{x0, y0}, std::pair{x1, y1}})
        for (double side : {-1.0, 1.0})
        {
            c.ellipse(px + nx * side, py + ny * side, thick * 0.55, thick * 0.55);
            c.stroke(kInk, 3);
            c.fillColour(kBone);
            c.clearPath();
        }
}

void ribs(Canvas& c, double x, double y, double s, double turn)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    softShadow(c, 0, s * 0.1, s * 0.9, s * 0.5, 0.45);
    bone(c, 0, -s * 0.7, 0, s * 0.7, s * 0.1);
    for (int i = 0; i < 5; ++i)
    {
        const double yy = -s * 0.5 + i * s * 0.24, span = s * (0.75 - i * 0.08);
        for (double side : {-1.0, 1.0})
        {
            cairo_move_to(cr, 0, yy);
            cairo_curve_to(cr, side * span * 0.6, yy - s * 0.15, side * span, yy + s * 0.05, side * span * 0.85,
                           yy + s * 0.3);
            c.stroke(kInk, s * 0.1);
            c.stroke(kBone.scaled(0.9), s * 0.055);
            c.clearPath();
        }
    }
    cairo_restore(cr);
}

void standingStone(Canvas& c, double x, double baseY, double w, double h, std::uint32_t seed, const Mood& mood,
                   bool runes)
{
    Dice dice(seed);
    softShadow(c, x + w * 0.15, baseY, w * 0.8, h * 0.16, 0.6);
    blobPath(c, x, baseY - h * 0.5, w / 2, h / 2, seed, 0.35, 12);
    c.stroke(kInk, 5);
    c.fillLinear(x - w / 2, baseY - h, x + w / 2, baseY,
                 {{0, mood.light.mix(kAsh, 0.6)}, {0.5, mood.mid.mix(kStone, 0.6)}, {1, mood.deep}});
    c.clearPath();
    cairo_t* cr = c.cr();
    // Facets.
    for (int i = 0; i < 3; ++i)
    {
        const double fx = x + dice.range(-w * 0.3, w * 0.2);
        cairo_move_to(cr, fx, baseY - h * dice.range(0.5, 0.9));
        cairo_line_to(cr, fx + dice.range(5, w * 0.2), baseY - h * dice.range(0.1, 0.4));
        c.stroke(kInk.alpha(0.5), 2);
        c.clearPath();
    }
    if (runes)
    {
        for (int i = 0; i < 3; ++i)
        {
            const double ry = baseY - h * (0.75 - i * 0.22);
            cairo_move_to(cr, x - w * 0.1, ry - h * 0.06);
            cairo_line_to(cr, x + w * 0.05, ry);
            cairo_line_to(cr, x - w * 0.08, ry + h * 0.06);
            c.glow(mood.glow, 6, 4);
            c.stroke(mood.glow, 2.5);
            c.clearPath();
        }
    }
}

void pillar(Canvas& c, double w, double h, int variant, const Mood& mood)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, top = h * 0.12, base = h * 0.9, r = w * 0.32;
    softShadow(c, cx + r * 0.4, base, r * 1.6, r * 0.5, 0.6);
    // Base plinth, shaft, capital; a broken top on the third.
    c.roundedRect(cx - r * 1.3, base - h * 0.1, r * 2.6, h * 0.12, 4);
    c.stroke(kInk, 4);
    c.fillLinear(cx - r * 1.3, 0, cx + r * 1.3, 0, {{0, kAsh.scaled(1.3)}, {1, kStone.scaled(0.6)}});
    c.clearPath();
    const double shaftTop = variant == 3 ? top + h * 0.25 : top + h * 0.06;
    cairo_rectangle(cr, cx - r, shaftTop, r * 2, base - h * 0.1 - shaftTop);
    c.stroke(kInk, 4);
    c.fillLinear(cx - r, 0, cx + r, 0,
                 {{0, kStone.scaled(0.8)}, {0.3, kAsh.scaled(1.5)}, {0.7, kStone}, {1, kInk.mix(kStone, 0.5)}});
    c.clearPath();
    for (int i = 1; i < 4; ++i)
    {
        cairo_move_to(cr, cx - r + i * r / 2, shaftTop + 6);
        cairo_line_to(cr, cx - r + i * r / 2, base - h * 0.12);
    }
    c.stroke(kInk.alpha(0.35), 2);
    c.clearPath();
    if (variant == 3)
    {
        cairo_move_to(cr, cx - r, shaftTop);
        cairo_line_to(cr, cx - r * 0.3, shaftTop - h * 0.06);
        cairo_line_to(cr, cx + r * 0.2, shaftTop + h * 0.02);
        cairo_line_to(cr, cx + r, shaftTop - h * 0.04);
        cairo_line_to(cr, cx + r, shaftTop + 4);
        cairo_line_to(cr, cx - r, shaftTop + 4);
        cairo_close_path(cr);
        c.stroke(kInk, 3);
        c.fillColour(kAsh);
        c.clearPath();
        // Rubble at its foot.
        for (int i = 0; i < 4; ++i)
        {
            blobPath(c, cx + r * (1.2 + i * 0.25), base - i * 6, r * 0.28, r * 0.2, 77 + i, 0.5, 8);
            c.stroke(kInk, 2);
            c.fillColour(kAsh.scaled(0.9));
            c.clearPath();
        }
    }
    else
    {
        c.roundedRect(cx - r * 1.25, top, r * 2.5, h * 0.08, 3);
        c.stroke(kInk, 4);
        c.fillLinear(cx - r, 0, cx + r, 0, {{0, kAsh.scaled(1.4)}, {1, kStone.scaled(0.6)}});
        c.clearPath();
    }
    // Ivy on the second, a glowing band on the first.
    if (variant == 2)
    {
        for (int i = 0; i < 9; ++i)
        {
            const double yy = base - h * 0.1 - i * (base - shaftTop) / 10;
            c.ellipse(cx + std::sin(i * 1.3) * r * 0.8, yy, r * 0.22, r * 0.12);
            c.fillColour(kMoss.scaled(0.8 + 0.05 * (i % 3)));
            c.clearPath();
        }
    }
    else if (variant == 1)
    {
        cairo_rectangle(cr, cx - r, h * 0.45, r * 2, h * 0.025);
        c.fillColour(mood.glow.alpha(0.8));
        c.glow(mood.glow, 8, 4);
        c.clearPath();
    }
}

void statue(Canvas& c, double w, double h)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, base = h * 0.92;
    softShadow(c, cx + w * 0.1, base, w * 0.42, h * 0.07, 0.6);
    c.roundedRect(cx - w * 0.3, base - h * 0.12, w * 0.6, h * 0.13, 5);
    c.stroke(kInk, 4);
    c.fillLinear(cx - w * 0.3, 0, cx + w * 0.3, 0, {{0, kAsh.scaled(1.3)}, {1, kStone.scaled(0.5)}});
    c.clearPath();
    // A hooded, winged figure bowed over a sword.
    for (double side : {-1.0, 1.0})
    {
        cairo_move_to(cr, cx + side * w * 0.08, base - h * 0.62);
        cairo_curve_to(cr, cx + side * w * 0.45, base - h * 0.9, cx + side * w * 0.48, base - h * 0.5,
                       cx + side * w * 0.2, base - h * 0.16);
        cairo_close_path(cr);
        c.stroke(kInk, 3);
        c.fillLinear(cx, 0, cx + side * w * 0.48, 0, {{0, kStone}, {1, kAsh.scaled(1.4)}});
        c.clearPath();
    }
    cairo_move_to(cr, cx - w * 0.14, base - h * 0.12);
    cairo_curve_to(cr, cx - w * 0.16, base - h * 0.5, cx - w * 0.1, base - h * 0.72, cx, base - h * 0.8);
    cairo_curve_to(cr, cx + w * 0.1, base - h * 0.72, cx + w * 0.16, base - h * 0.5, cx + w * 0.14, base - h * 0.12);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(cx - w * 0.15, 0, cx + w * 0.15, 0, {{0, kAsh.scaled(1.5)}, {0.6, kAsh}, {1, kStone.scaled(0.6)}});
    c.clearPath();
    c.ellipse(cx, base - h * 0.7, w * 0.05, h * 0.03);
    c.fillColour(kInk);
    c.clearPath();
    cairo_move_to(cr, cx, base - h * 0.6);
    cairo_line_to(cr, cx, base - h * 0.14);
    c.stroke(kInk, 5);
    c.stroke(kBone.scaled(0.9), 2.5);
    c.clearPath();
    cairo_move_to(cr, cx - w * 0.07, base - h * 0.55);
    cairo_line_to(cr, cx + w * 0.07, base - h * 0.55);
    c.stroke(kInk, 5);
    c.stroke(kGold.scaled(0.8), 3);
    c.clearPath();
    c.grain(0.18, 3, 5);
}

void totem(Canvas& c, double w, double h)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, base = h * 0.93;
    softShadow(c, cx + w * 0.1, base, w * 0.4, h * 0.06, 0.6);
    const Rgba wood = Rgba::rgb(96, 62, 40);
    for (int i = 0; i < 3; ++i)
    {
        const double top = base - (i + 1) * h * 0.27, bottom = base - i * h * 0.27;
        c.roundedRect(cx - w * 0.26, top, w * 0.52, bottom - top, 8);
        c.stroke(kInk, 4);
        c.fillLinear(cx - w * 0.26, 0, cx + w * 0.26, 0, {{0, wood.scaled(1.4)}, {0.5, wood}, {1, wood.scaled(0.45)}});
        c.clearPath();
        // Carved face: slanted eyes, a gaping mouth, painted in blood.
        for (double side : {-1.0, 1.0})
        {
            cairo_move_to(cr, cx + side * w * 0.04, top + (bottom - top) * 0.35);
            cairo_line_to(cr, cx + side * w * 0.18, top + (bottom - top) * 0.25);
            cairo_line_to(cr, cx + side * w * 0.16, top + (bottom - top) * 0.42);
            cairo_close_path(cr);
            c.fillColour(i == 2 ? kEmber : kInk);
            if (i == 2)
                c.glow(kEmber, 6, 4);
            c.clearPath();
        }
        c.roundedRect(cx - w * 0.12, top + (bottom - top) * 0.58, w * 0.24, (bottom - top) * 0.25, 4);
        c.fillColour(kInk);
        c.clearPath();
        cairo_move_to(cr, cx - w * 0.26, top + (bottom - top) * 0.15);
        cairo_line_to(cr, cx + w * 0.26, top + (bottom - top) * 0.15);
        c.stroke(kCrimson.alpha(0.8), 3);
        c.clearPath();
    }
    // Horns on top.
    for (double side : {-1.0, 1.0})
    {
        cairo_move_to(cr, cx + side * w * 0.2, base - h * 0.8);
        cairo_curve_to(cr, cx + side * w * 0.45, base - h * 0.85, cx + side * w * 0.46, base - h * 0.95,
                       cx + side * w * 0.36, base - h * 0.99);
        cairo_curve_to(cr, cx + side * w * 0.38, base - h * 0.9, cx + side * w * 0.3, base - h * 0.86,
                       cx + side * w * 0.1, base - h * 0.82);
        cairo_close_path(cr);
        c.stroke(kInk, 3);
        c.fillLinear(cx, 0, cx + side * w * 0.45, 0, {{0, kBone.scaled(0.7)}, {1, kBone}});
        c.clearPath();
    }
    c.grain(0.2, 2.5, 9);
}

void pentagram(Canvas& c, double w, double h)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.44;
    // A ritual circle painted on the floor: scorched ground, two rings, the star, runes and candles.
    c.ellipse(cx, cy, r * 1.1, r * 1.1);
    c.fillRadial(cx, cy, r * 0.2, r * 1.1, {{0, kBlood.alpha(0.55)}, {0.8, kInk.alpha(0.45)}, {1, kInk.alpha(0)}});
    c.clearPath();
    for (double rr : {r, r * 0.86})
    {
        c.ellipse(cx, cy, rr, rr);
        c.glow(kCrimson, 10, 5);
        c.stroke(kCrimson.scaled(1.2), 4);
        c.clearPath();
    }
    pentagramPath(c, cx, cy, r * 0.86, 0);
    c.glow(kEmber, 12, 5);
    c.stroke(kCrimson.scaled(1.3), 5);
    c.stroke(kEmber.mix(kPaleGold, 0.3), 1.5);
    c.clearPath();
    for (int i = 0; i < 20; ++i)
    {
        const double a = i * 2 * M_PI / 20;
        const double rx = cx + std::cos(a) * r * 0.93, ry = cy + std::sin(a) * r * 0.93;
        cairo_save(cr);
        cairo_translate(cr, rx, ry);
        cairo_rotate(cr, a + M_PI / 2);
        cairo_move_to(cr, -5, -5);
        cairo_line_to(cr, 0, 5);
        cairo_line_to(cr, 5, -5);
        if (i % 2)
        {
            cairo_move_to(cr, -4, 0);
            cairo_line_to(cr, 4, 0);
        }
        c.stroke(kEmber, 2);
        c.clearPath();
        cairo_restore(cr);
    }
    for (int i = 0; i < 5; ++i)
    {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        const double px = cx + std::cos(a) * r, py = cy + std::sin(a) * r;
        c.roundedRect(px - 7, py - 18, 14, 22, 3);
        c.stroke(kInk, 3);
        c.fillLinear(px - 7, 0, px + 7, 0, {{0, kBone}, {1, kBone.scaled(0.6)}});
        c.clearPath();
        c.ellipse(px, py - 24, 5, 9);
        c.glow(kEmber, 14, 6);
        c.fillRadial(px, py - 22, 0, 9, {{0, kHoly}, {0.5, kPaleGold}, {1, kEmber}});
        c.clearPath();
    }
}

// The souls of the dead drifting over a pit: pale wisps rising and curling.
void souls(Canvas& c, double w, double h, double t)
{
    cairo_t* cr = c.cr();
    c.ellipse(w / 2, h * 0.62, w * 0.44, h * 0.3);
    c.fillRadial(w / 2, h * 0.62, 0, w * 0.44, {{0, kInk.alpha(0.85)}, {0.7, kBlood.alpha(0.4)}, {1, kInk.alpha(0)}});
    c.clearPath();
    Dice dice(31);
    for (int i = 0; i < 14; ++i)
    {
        const double baseX = w * dice.range(0.15, 0.85), speed = dice.range(0.8, 1.2), phase = dice.uniform();
        const double life = std::fmod(t * speed + phase, 1.0);
        const double y = h * (0.85 - life * 0.7);
        const double x = baseX + std::sin((life * 2 + phase) * 2 * M_PI) * w * 0.04;
        const double fade = std::sin(life * M_PI);
        const double s = h * dice.range(0.05, 0.08);
        cairo_move_to(cr, x, y - s);
        cairo_curve_to(cr, x + s * 1.2, y - s * 0.4, x + s * 0.6, y + s * 1.4, x + std::sin(life * 9) * s, y + s * 3);
        cairo_curve_to(cr, x - s * 0.4, y + s * 1.4, x - s * 1.2, y - s * 0.4, x, y - s);
        cairo_close_path(cr);
        c.glow(kPaleGold.alpha(fade), s * 0.8, 5);
        c.fillRadial(x, y - s * 0.2, 0, s * 2.5, {{0, kHoly.alpha(0.95 * fade)}, {1, kPaleGold.alpha(0.1 * fade)}});
        c.clearPath();
        for (double ex : {-0.3, 0.3})
        {
            c.ellipse(x + ex * s, y - s * 0.2, s * 0.14, s * 0.2);
            c.fillColour(kInk.alpha(0.8 * fade));
            c.clearPath();
        }
    }
}

class StonePropPainter : public PatternPainter
{
public:
    StonePropPainter()
        : PatternPainter({R"(Assets/Sprites/Props/(single_grave|double_grave_0[1-3]|triple_grave)\.png)",
                          R"(Assets/Sprites/Props/(bones_0[1-3]|body|ribs_0[12]|skull_0[1-4]|skull_bone(_ribs)?)\.png)",
                          R"(Assets/Sprites/Props/(pillar_0[1-3]|statue|stone_0[1-6]|totem|pentagram|souls)\.png)"})
    {
    }
    std::string name() const override { return "stone props"; }
    int version() const override { return 1; }

    void paint(const std::string& path, const std::filesystem::path& output) const override
    {
        const std::string n = stemOf(path);
        const std::uint32_t seed = seedOf(n);
        const int k = trailingNumber(n);
        if (n == "souls")
        {
            const auto strip = PropRegistry::stripOf(n);
            const int fw = static_cast<int>(strip.frameSize.x), fh = static_cast<int>(strip.frameSize.y);
            const int frames = static_cast<int>(strip.frameCount);
            Canvas sheet(fw * frames, fh);
            paintSheet(sheet, fw, fh, frames, frames, [&](Canvas& c, int, double t) { souls(c, fw, fh, t); });
            sheet.savePng(output);
            return;
        }
        if (n.find("grave") != std::string::npos)
        {
            const int stones = n == "single_grave" ? 1 : n == "triple_grave" ? 3 : 2;
            Canvas c(110 * stones + 60, 190);
            checkStanding(n, c.width(), c.height());
            for (int i = 0; i < stones; ++i)
                headstone(c, 85 + i * 110, 150 - (i % 2) * 8, 76, 118 - (i == 1 ? 0 : 10) + k * 3, seed + i,
                          (i + k) % 3);
            c.grain(0.15, 2.5, seed);
            c.savePng(output);
            return;
        }
        if (n.rfind("skull", 0) == 0 || n.rfind("bones", 0) == 0 || n.rfind("ribs", 0) == 0 || n == "body")
        {
            Canvas c(n == "body" ? 240 : 150, n == "body" ? 150 : 120);
            const double w = c.width(), h = c.height();
            Dice dice(seed);
            if (n == "body")
            {
                // A fallen adventurer: a ragged cloak, a skull, an outflung arm, blood.
                blobPath(c, w * 0.55, h * 0.55, w * 0.36, h * 0.3, seed, 0.4, 14);
                c.fillColour(kBlood.alpha(0.7));
                c.clearPath();
                blobPath(c, w * 0.5, h * 0.5, w * 0.3, h * 0.22, seed + 1, 0.5, 14);
                c.stroke(kInk, 4);
                c.fillLinear(0, h * 0.3, 0, h * 0.7, {{0, Rgba::rgb(80, 70, 66)}, {1, Rgba::rgb(30, 24, 26)}});
                c.clearPath();
                bone(c, w * 0.62, h * 0.5, w * 0.86, h * 0.28, 7);
                skull(c, w * 0.22, h * 0.42, 26, -0.4);
            }
            else if (n.rfind("ribs", 0) == 0)
                ribs(c, w / 2, h / 2, h * 0.42, k == 1 ? 0.5 : -0.9);
            else if (n.rfind("bones", 0) == 0)
            {
                softShadow(c, w / 2, h * 0.55, w * 0.45, h * 0.3, 0.4);
                for (int i = 0; i < 2 + k; ++i)
                {
                    const double a = dice.range(0, M_PI), l = dice.range(w * 0.25, w * 0.4);
                    const double x = w / 2 + dice.range(-15, 15), y = h / 2 + dice.range(-12, 12);
                    bone(c, x - std::cos(a) * l / 2, y - std::sin(a) * l / 2, x + std::cos(a) * l / 2,
                         y + std::sin(a) * l / 2, 8);
                }
            }
            else
            {
                if (n != "skull_01" && n != "skull_02" && n != "skull_03" && n != "skull_04")
                {
                    bone(c, w * 0.2, h * 0.75, w * 0.8, h * 0.6, 9);
                    bone(c, w * 0.25, h * 0.35, w * 0.75, h * 0.85, 8);
                    if (n == "skull_bone_ribs")
                        ribs(c, w * 0.72, h * 0.45, h * 0.28, 1.1);
                }
                skull(c, w * (n.size() > 8 ? 0.38 : 0.5), h * 0.42, h * (0.28 + 0.02 * k), dice.range(-0.4, 0.4));
            }
            c.grain(0.12, 2, seed);
            c.savePng(output);
            return;
        }
        if (n.rfind("pillar", 0) == 0)
        {
            Canvas c(120, 300);
            checkStanding(n, c.width(), c.height());
            pillar(c, 120, 300, k, k == 1 ? cavern() : forest());
            c.grain(0.15, 2.5, seed);
            c.savePng(output);
            return;
        }
        if (n == "statue")
        {
            Canvas c(220, 320);
            checkStanding(n, c.width(), c.height());
            statue(c, 220, 320);
            c.savePng(output);
            return;
        }
        if (n == "totem")
        {
            Canvas c(150, 320);
            checkStanding(n, c.width(), c.height());
            totem(c, 150, 320);
            c.savePng(output);
            return;
        }
        if (n == "pentagram")
        {
            Canvas c(420, 420);
            pentagram(c, 420, 420);
            c.savePng(output);
            return;
        }
        if (n.rfind("stone", 0) == 0)
        {
            const Mood& mood = k <= 2 ? forest() : k <= 4 ? cavern() : inferno();
            Canvas c(150 + k * 10, 170 + (k % 3) * 30);
            checkStanding(n, c.width(), c.height());
            standingStone(c, c.width() / 2.0, c.height() - 22.0, c.width() * 0.7, c.height() * 0.78, seed, mood,
                          k % 2 == 0);
            c.grain(0.2, 2.5, seed);
            c.savePng(output);
            return;
        }
        throw std::runtime_error("no stone prop for " + n);
    }
};

RegisterPainter<StonePropPainter> registration;
} // namespace
