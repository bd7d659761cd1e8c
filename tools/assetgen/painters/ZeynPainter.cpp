// Zeyn: a hooded wraith that glides without legs, its right arm a long curved
// blade. Cold teal and black with a bone mask; a tall shape tapering to a wisp.
// The blade pivots on the wraith's centre, so its reach on screen is the reach it hits with.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

const Rgba kCloak = Rgba::rgb(36, 92, 104);
const Rgba kCloakDark = Rgba::rgb(10, 26, 34);
const Rgba kSpirit = Rgba::rgb(120, 240, 230);

struct Pose
{
    double bob = 0;
    double sway = 0;      // tail sway phase
    double blade = 1.0;   // blade angle, screen radians (0 right, positive clockwise)
    double bladeGlow = 0; // wind-up telegraph
    double lean = 0;
    double squash = 0;
    double reach = 88; // blade tip distance from the centre, in cell pixels
};

void drawBlade(Canvas& c, double cx, double cy, const Pose& p)
{
    cairo_t* cr = c.cr();
    const double a = p.blade;
    const double ca = std::cos(a), sa = std::sin(a);
    // Forearm from the shoulder to the hilt, then a curved blade out to the reach.
    const double hx = cx + ca * 24, hy = cy + sa * 24;
    limb(c, cx + 6, cy - 10, hx, hy, 9, kCloak.scaled(0.8));
    const double tx = cx + ca * p.reach, ty = cy + sa * p.reach;
    const double nx = -sa, ny = ca; // normal: the blade's curve bows to this side
    cairo_move_to(cr, hx, hy);
    cairo_curve_to(cr, hx + ca * 30 + nx * 16, hy + sa * 30 + ny * 16, tx - ca * 20 + nx * 14, ty - sa * 20 + ny * 14,
                   tx, ty);
    cairo_curve_to(cr, tx - ca * 26 + nx * 4, ty - sa * 26 + ny * 4, hx + ca * 26 - nx * 2, hy + sa * 26 - ny * 2, hx,
                   hy);
    cairo_close_path(cr);
    if (p.bladeGlow > 0)
        c.glow(kSpirit.alpha(p.bladeGlow), 6 + 6 * p.bladeGlow, 5);
    c.stroke(kInk, 4);
    c.fillLinear(hx, hy, tx, ty, {{0, kAsh}, {0.4, kBone}, {1, kHoly}});
    c.clearPath();
}

// Facing right; the centre of the cell is the wraith's centre.
void drawZeyn(Canvas& c, double w, double h, const Pose& p, bool bladeInFront)
{
    cairo_t* cr = c.cr();
    const double cx = w / 2, cy = h / 2 + p.bob;
    cairo_save(cr);
    cairo_translate(cr, cx, h * 0.82);
    cairo_scale(cr, 1 + p.squash * 0.3, 1 - p.squash * 0.55);
    cairo_rotate(cr, p.lean);
    cairo_translate(cr, -cx, -h * 0.82);

    if (!bladeInFront)
        drawBlade(c, cx, cy, p);
    // Cloak: broad shoulders narrowing to a ragged, swaying tail.
    const double sway = std::sin(p.sway) * w * 0.06;
    cairo_move_to(cr, cx - w * 0.02, cy - h * 0.3);
    cairo_curve_to(cr, cx + w * 0.16, cy - h * 0.28, cx + w * 0.2, cy - h * 0.05, cx + w * 0.12, cy + h * 0.12);
    cairo_curve_to(cr, cx + w * 0.06, cy + h * 0.22, cx + w * 0.02 + sway, cy + h * 0.28, cx - w * 0.06 + sway * 1.6,
                   cy + h * 0.36);
    cairo_line_to(cr, cx - w * 0.06 + sway, cy + h * 0.24);
    cairo_line_to(cr, cx - w * 0.12 + sway * 1.3, cy + h * 0.3);
    cairo_curve_to(cr, cx - w * 0.14, cy + h * 0.12, cx - w * 0.2, cy - h * 0.1, cx - w * 0.14, cy - h * 0.22);
    cairo_close_path(cr);
    c.glow(kSpirit.alpha(0.5), 8, 5);
    c.stroke(kInk, 4);
    c.fillLinear(cx - w * 0.2, cy - h * 0.3, cx + w * 0.2, cy + h * 0.3,
                 {{0, kCloakDark}, {0.45, kCloak}, {0.8, kCloakDark}, {1, kCloakDark.alpha(0.6)}});
    c.clearPath();
    // Ragged hem lines.
    for (int i = 0; i < 3; ++i)
    {
        cairo_move_to(cr, cx - w * 0.08 + i * w * 0.06, cy + h * 0.02);
        cairo_line_to(cr, cx - w * 0.08 + i * w * 0.05 + sway, cy + h * 0.2 - i * h * 0.03);
        c.stroke(kCloakDark.scaled(0.6), 2);
        c.clearPath();
    }
    // Hood with a bone mask and two cold eyes.
    const double hx = cx + w * 0.03, hy = cy - h * 0.3;
    cairo_move_to(cr, hx - w * 0.11, hy + h * 0.08);
    cairo_curve_to(cr, hx - w * 0.13, hy - h * 0.06, hx - w * 0.04, hy - h * 0.14, hx - w * 0.14, hy - h * 0.18);
    cairo_curve_to(cr, hx + w * 0.06, hy - h * 0.16, hx + w * 0.13, hy - h * 0.06, hx + w * 0.11, hy + h * 0.07);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(hx - w * 0.1, hy - h * 0.15, hx + w * 0.1, hy + h * 0.05, {{0, kCloakDark}, {1, kCloak}});
    c.clearPath();
    c.ellipse(hx + w * 0.035, hy, w * 0.055, h * 0.05);
    c.stroke(kInk, 2.5);
    c.fillLinear(hx, hy - h * 0.05, hx, hy + h * 0.05, {{0, kBone}, {1, kAsh}});
    c.clearPath();
    glowingEye(c, hx + w * 0.015, hy - h * 0.005, 2.6, kSpirit);
    glowingEye(c, hx + w * 0.06, hy - h * 0.005, 2.6, kSpirit);
    if (bladeInFront)
        drawBlade(c, cx, cy, p);
    cairo_restore(cr);
}

class ZeynPainter : public KindPainter
{
public:
    ZeynPainter() : KindPainter("Zeyn", 2) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const bool left = name.find("Left") != std::string::npos;
        if (name.rfind("Idle", 0) == 0)
            return [left](const Frame& f)
            {
                Pose p;
                p.bob = std::sin(f.t * 2 * M_PI) * 5;
                p.sway = f.t * 2 * M_PI;
                p.blade = 1.25 + std::sin(f.t * 2 * M_PI) * 0.08;
                mirrored(f, left,
                       [&](Canvas& c)
                       {
                           groundShadow(c, f.w / 2, f.h * 0.9, f.w * 0.18 - p.bob * 0.6, 0.3);
                           drawZeyn(c, f.w, f.h, p, true);
                       });
            };
        if (name.rfind("Attack", 0) == 0)
        {
            // The right-hand sweep runs from -70° to 70° through frames 8 to 14, as the
            // sweep in the data turns; the left sheet is its mirror.
            const auto& zeyn = enemyart::records().zeyn.attack;
            const double start = zeyn.rightStartAngle != 0 ? zeyn.rightStartAngle : -70 * M_PI / 180;
            const double end = zeyn.rightEndAngle != 0 ? zeyn.rightEndAngle : 70 * M_PI / 180;
            const double reach = zeyn.reach > 0 ? zeyn.reach : 88;
            return [left, start, end, reach](const Frame& f)
            {
                const int i = f.index;
                Pose p;
                p.reach = std::min(reach, f.w / 2 - 4);
                p.sway = i * 0.5;
                if (i < 8)
                {
                    // Wind-up: the blade rises behind the head while the wraith coils back.
                    const double k = ease(i / 7.0);
                    // Clockwise through down and back, so the blade ends raised behind the head.
                    p.blade = 1.25 + (start + 2 * M_PI - 0.5 - 1.25) * k;
                    p.lean = -0.18 * k;
                    p.bladeGlow = k;
                    p.bob = -6 * k;
                }
                else if (i < 15)
                {
                    const double k = (i - 8) / 6.0;
                    p.blade = start + (end - start) * k;
                    p.lean = 0.15;
                    p.bladeGlow = 0.6;
                }
                else
                {
                    p.blade = end + 0.2;
                    p.lean = 0.05;
                }
                mirrored(f, left,
                       [&](Canvas& c)
                       {
                           groundShadow(c, f.w / 2, f.h * 0.9, f.w * 0.18, 0.3);
                           if (i >= 8 && i < 15)
                               swoosh(c, f.w / 2, f.h / 2, p.reach * 0.85, start, p.blade, 14, kSpirit.alpha(0.55));
                           drawZeyn(c, f.w, f.h, p, true);
                       });
            };
        }
        if (name.rfind("Death", 0) == 0)
            return [left](const Frame& f)
            {
                dissolvingDeath(f, kSpirit,
                                [&](Canvas& c, double collapse)
                                {
                                    Frame inner{c, f.w, f.h, f.index, f.count, f.t};
                                    Pose p;
                                    p.squash = collapse;
                                    p.lean = -collapse * 0.4;
                                    p.blade = 1.25 + collapse * 0.6;
                                    mirrored(inner, left, [&](Canvas& cc) { drawZeyn(cc, f.w, f.h, p, true); });
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kSpirit.scaled(0.8), kSpirit); };
        return nullptr;
    }
};

RegisterPainter<ZeynPainter> registration;
} // namespace
