// Kahiyu: a hunched, stone-backed brute with long arms that lobs rocks from over
// its shoulder. Earthy ochre skin, slate plates, ember eyes; a wide, low silhouette.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

const Rgba kSkin = Rgba::rgb(150, 104, 62);
const Rgba kPlate = Rgba::rgb(86, 84, 92);
const Rgba kEye = Rgba::rgb(255, 140, 40);
const Rgba kRock = Rgba::rgb(112, 100, 96);

struct Pose
{
    double bob = 0;      // body lift, pixels
    double stride = 0;   // walk phase, radians
    double stepAmp = 0;  // 0 standing, 1 walking
    double throwArm = 0; // rear arm angle: 0 hanging, rising to ~2.6 over the shoulder
    double frontArm = 0; // front arm swing
    double lean = 0;     // radians, forward positive
    bool rock = false;
    double rockGlow = 0;
    double squash = 0; // collapse for death
};

void drawRock(Canvas& c, double x, double y, double r, double glow)
{
    c.ellipse(x, y, r, r * 0.85);
    c.stroke(kInk, 3);
    c.fillRadial(x - r * 0.3, y - r * 0.3, 0, r * 1.3, {{0, kRock.scaled(1.5)}, {1, kRock.scaled(0.5)}});
    c.clearPath();
    if (glow > 0)
    {
        cairo_t* cr = c.cr();
        cairo_move_to(cr, x - r * 0.5, y - r * 0.2);
        cairo_line_to(cr, x, y + r * 0.1);
        cairo_line_to(cr, x + r * 0.4, y - r * 0.4);
        c.glow(kEmber.alpha(glow), 4, 3);
        c.stroke(kEmber.mix(kHoly, 0.3).alpha(glow), 2);
        c.clearPath();
    }
}

// Facing right in a w × h cell, feet near the bottom.
void drawKahiyu(Canvas& c, double w, double h, const Pose& p)
{
    cairo_t* cr = c.cr();
    const double cx = w * 0.5, ground = h * 0.86;
    const double hip = ground - h * 0.2 + p.bob * 0.5;
    cairo_save(cr);
    cairo_translate(cr, cx, ground);
    cairo_scale(cr, 1.2, 1.2);
    cairo_scale(cr, 1 + p.squash * 0.15, 1 - p.squash * 0.35);
    cairo_rotate(cr, p.lean + p.squash * 0.25);
    cairo_translate(cr, -cx, -ground);

    // Legs: short and thick.
    for (int side : {-1, 1})
    {
        const double s = std::sin(p.stride + (side > 0 ? 0 : M_PI)) * p.stepAmp;
        const double lift = std::max(0.0, std::cos(p.stride + (side > 0 ? 0 : M_PI))) * p.stepAmp * 6;
        limb(c, cx + side * w * 0.07, hip, cx + side * w * 0.06 + s * w * 0.08, ground - 4 - lift, w * 0.085,
             side < 0 ? kSkin.scaled(0.7) : kSkin.scaled(0.9));
        c.ellipse(cx + side * w * 0.06 + s * w * 0.08 + w * 0.02, ground - 3 - lift, w * 0.05, w * 0.025);
        c.fillColour(kInk);
        c.clearPath();
    }

    const double shoulderX = cx + w * 0.04, shoulderY = hip - h * 0.2 + p.bob;
    // Rear (throwing) arm, behind the body.
    const double ra = p.throwArm;
    const double elbowX = shoulderX - w * 0.06 - std::sin(ra) * w * 0.14, elbowY = shoulderY + std::cos(ra) * h * 0.14;
    const double handX = elbowX - std::sin(ra + 0.3) * w * 0.12, handY = elbowY + std::cos(ra + 0.3) * h * 0.13;
    limb(c, shoulderX - w * 0.06, shoulderY, elbowX, elbowY, w * 0.07, kSkin.scaled(0.7));
    limb(c, elbowX, elbowY, handX, handY, w * 0.065, kSkin.scaled(0.7));
    if (p.rock)
        drawRock(c, handX, handY - w * 0.03, w * 0.085, p.rockGlow);

    // Torso: a hunched barrel leaning forward, stone plates on the back.
    cairo_move_to(cr, cx - w * 0.16, hip + h * 0.02);
    cairo_curve_to(cr, cx - w * 0.24, hip - h * 0.14, cx - w * 0.12, shoulderY - h * 0.1, cx + w * 0.08,
                   shoulderY - h * 0.06);
    cairo_curve_to(cr, cx + w * 0.2, shoulderY - h * 0.02, cx + w * 0.18, hip - h * 0.02, cx + w * 0.12,
                   hip + h * 0.03);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(cx - w * 0.2, shoulderY, cx + w * 0.2, hip,
                 {{0, kSkin.scaled(0.6)}, {0.6, kSkin}, {1, kSkin.scaled(0.75)}});
    c.clearPath();
    for (int i = 0; i < 3; ++i)
    {
        const double px = cx - w * 0.12 + i * w * 0.07,
                     py = shoulderY - h * 0.05 + i * h * 0.015 + (i == 0 ? h * 0.04 : 0);
        c.polygon({{px - w * 0.05, py + h * 0.03},
                   {px - w * 0.01, py - h * 0.05},
                   {px + w * 0.045, py + h * 0.01},
                   {px + w * 0.01, py + h * 0.06}});
        c.stroke(kInk, 3);
        c.fillLinear(px, py - h * 0.05, px, py + h * 0.06, {{0, kPlate.scaled(1.4)}, {1, kPlate.scaled(0.6)}});
        c.clearPath();
    }

    // A paler belly under the hunch.
    c.ellipse(cx + w * 0.04, hip - h * 0.06, w * 0.1, h * 0.07);
    c.fillRadial(cx + w * 0.05, hip - h * 0.08, 0, w * 0.12, {{0, kSkin.scaled(1.5).alpha(0.8)}, {1, kSkin.alpha(0)}});
    c.clearPath();

    // Head: big, low and jutting forward under a heavy brow, tusks and ember eyes.
    const double hx = cx + w * 0.17, hy = shoulderY + h * 0.035;
    shadedEllipse(c, hx, hy, w * 0.1, h * 0.085, kSkin.scaled(1.05));
    // Lower jaw.
    cairo_move_to(cr, hx - w * 0.05, hy + h * 0.03);
    cairo_curve_to(cr, hx, hy + h * 0.1, hx + w * 0.09, hy + h * 0.08, hx + w * 0.1, hy + h * 0.02);
    c.stroke(kInk, 4);
    c.fillColour(kSkin.scaled(0.8));
    c.clearPath();
    for (double tx : {0.03, 0.075})
    {
        c.polygon({{hx + w * tx - w * 0.012, hy + h * 0.045},
                   {hx + w * tx, hy + h * 0.005},
                   {hx + w * tx + w * 0.012, hy + h * 0.045}});
        c.stroke(kInk, 1.5);
        c.fillColour(kBone);
        c.clearPath();
    }
    // Brow ridge.
    cairo_move_to(cr, hx - w * 0.06, hy - h * 0.045);
    cairo_curve_to(cr, hx, hy - h * 0.075, hx + w * 0.06, hy - h * 0.05, hx + w * 0.1, hy - h * 0.02);
    c.stroke(kInk, 6);
    c.stroke(kPlate.scaled(1.2), 3);
    c.clearPath();
    glowingEye(c, hx + w * 0.03, hy - h * 0.02, w * 0.016, kEye);
    glowingEye(c, hx + w * 0.075, hy - h * 0.012, w * 0.013, kEye);

    // Front arm: long, knuckles near the ground.
    const double fa = p.frontArm;
    const double fex = shoulderX + w * 0.06 + std::sin(fa) * w * 0.08, fey = shoulderY + h * 0.13;
    const double fhx = fex + std::sin(fa + 0.2) * w * 0.08 + w * 0.03,
                 fhy = fey + h * 0.13 - std::abs(std::sin(fa)) * h * 0.03;
    limb(c, shoulderX + w * 0.04, shoulderY + h * 0.01, fex, fey, w * 0.075, kSkin);
    limb(c, fex, fey, fhx, fhy, w * 0.07, kSkin);
    shadedEllipse(c, fhx, fhy, w * 0.045, w * 0.04, kSkin.scaled(0.9), 2.5);
    cairo_restore(cr);
}

class KahiyuPainter : public KindPainter
{
public:
    KahiyuPainter() : KindPainter("Kahiyu", 5) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const bool left = name.find("Left") != std::string::npos;
        if (name.rfind("Idle", 0) == 0)
            return [left](const Frame& f)
            {
                Pose p;
                p.bob = std::sin(f.t * 2 * M_PI) * 3;
                p.frontArm = std::sin(f.t * 2 * M_PI) * 0.15;
                mirrored(f, left,
                         [&](Canvas& c)
                         {
                             groundShadow(c, f.w / 2, f.h * 0.86, f.w * 0.26);
                             drawKahiyu(c, f.w, f.h, p);
                         });
            };
        if (name.rfind("Walk", 0) == 0)
            return [left](const Frame& f)
            {
                Pose p;
                p.stride = f.t * 2 * M_PI;
                p.stepAmp = 1;
                p.bob = -std::abs(std::sin(p.stride)) * 5;
                p.frontArm = -std::sin(p.stride) * 0.6;
                p.throwArm = std::sin(p.stride) * 0.4;
                p.lean = 0.08;
                mirrored(f, left,
                         [&](Canvas& c)
                         {
                             groundShadow(c, f.w / 2, f.h * 0.86, f.w * 0.26);
                             drawKahiyu(c, f.w, f.h, p);
                         });
            };
        if (name.find("_P01") != std::string::npos)
            // Wind-up: scoops a rock from the ground and hauls it over the shoulder.
            return [left](const Frame& f)
            {
                const double u = f.u();
                Pose p;
                p.rock = u > 0.25;
                p.throwArm = u < 0.3 ? -0.4 * (u / 0.3) : -0.4 + ease((u - 0.3) / 0.7) * 2.75;
                p.lean = u < 0.3 ? 0.25 * (u / 0.3) : 0.25 - 0.4 * ease((u - 0.3) / 0.7);
                p.rockGlow = u;
                p.bob = -4 * std::sin(u * M_PI);
                mirrored(f, left,
                         [&](Canvas& c)
                         {
                             groundShadow(c, f.w / 2, f.h * 0.86, f.w * 0.26);
                             drawKahiyu(c, f.w, f.h, p);
                         });
            };
        if (name.find("_P02") != std::string::npos)
            // The lob: a coil, the heave (release on frame 6), then the follow-through.
            return [left](const Frame& f)
            {
                const int i = f.index;
                Pose p;
                const double coil[] = {2.35, 2.45, 2.55, 2.6, 2.45, 2.1, 1.7, 0.9, 0.3, 0.0};
                const double lean[] = {-0.15, -0.18, -0.2, -0.2, -0.1, 0.05, 0.2, 0.3, 0.2, 0.05};
                p.throwArm = coil[std::min(i, 9)];
                p.lean = lean[std::min(i, 9)];
                p.rock = i < 6;
                p.rockGlow = 1;
                p.bob = i >= 5 && i <= 7 ? -6 : 0;
                mirrored(f, left,
                         [&](Canvas& c)
                         {
                             groundShadow(c, f.w / 2, f.h * 0.86, f.w * 0.26);
                             drawKahiyu(c, f.w, f.h, p);
                             if (i == 6 || i == 7)
                             {
                                 // The rock leaves the hand high behind the back.
                                 const double k = i - 5;
                                 drawRock(c, f.w * (0.2 - 0.05 * k), f.h * (0.2 - 0.06 * k), f.w * 0.085, 1);
                                 swoosh(c, f.w * 0.45, f.h * 0.5, f.w * 0.3, -2.2, -1.3, 6, kBone.alpha(0.6));
                             }
                         });
            };
        if (name.rfind("Death", 0) == 0)
            return [left](const Frame& f)
            {
                dissolvingDeath(f, kEmber,
                                [&](Canvas& c, double collapse)
                                {
                                    Frame inner{c, f.w, f.h, f.index, f.count, f.t};
                                    Pose p;
                                    p.squash = collapse;
                                    p.lean = collapse * 0.3;
                                    p.frontArm = collapse * 0.8;
                                    mirrored(inner, left, [&](Canvas& cc) { drawKahiyu(cc, f.w, f.h, p); });
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kEmber.mix(kSkin, 0.3), kEmber); };
        return nullptr;
    }
};

RegisterPainter<KahiyuPainter> registration;
} // namespace
