// The three Toa: masked tribal warriors seen from the front. ToaTao is lean and
// red-ochre with a long spear and a crest of feathers; ToaMangere is a charcoal
// giant with stone-knuckled fists; ToaKaipupuhi is a thin violet-robed caster
// with a staff whose orb spits bolts. Figures are drawn in pixels around the
// cell centre (the creature's position) so every sheet of a kind lines up.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

struct Look
{
    Rgba skin, cloth, mask, paint, eyes;
    double build;  // width factor
    double height; // size factor
};

const Look kTao{Rgba::rgb(168, 78, 48), Rgba::rgb(60, 40, 30), kBone, kCrimson, Rgba::rgb(255, 200, 80), 1.0, 1.0};
const Look kMangere{Rgba::rgb(74, 64, 66), Rgba::rgb(96, 30, 26), Rgba::rgb(200, 190, 170), kEmber, kEmber, 1.9, 1.3};
const Look kKaipupuhi{Rgba::rgb(120, 92, 110),
                      Rgba::rgb(80, 40, 120),
                      kBone,
                      Rgba::rgb(170, 90, 255),
                      Rgba::rgb(190, 130, 255),
                      0.85,
                      1.05};

struct Pose
{
    double bob = 0, crouch = 0, stride = 0, step = 0;
    // Arm angles from hanging straight down (0), positive outward/up; elbows bend by `bend`.
    double leftArm = 0.2, rightArm = 0.2, bend = 0.3;
    double squash = 0;
};

struct Hands
{
    double lx, ly, rx, ry;
};

// A front-facing Toa with its feet at (ox, oy + feet). Returns where the hands are.
Hands drawToa(Canvas& c, double ox, double oy, double feet, const Look& look, const Pose& p,
              const std::function<void(Canvas&)>& behind = {})
{
    cairo_t* cr = c.cr();
    const double s = look.height, b = look.build;
    cairo_save(cr);
    cairo_translate(cr, ox, oy + feet);
    cairo_scale(cr, s * (1 + p.squash * 0.25), s * (1 - p.squash * 0.6));
    // From here on the feet are at y = 0 and one unit is one pixel of a standard Toa.
    const double hip = -42 + p.crouch + p.bob, shoulder = hip - 50, headY = shoulder - 20;
    if (behind)
        behind(c);
    // Legs.
    for (int side : {-1, 1})
    {
        const double swing = std::sin(p.stride + (side > 0 ? 0 : M_PI)) * p.step;
        const double lift = std::max(0.0, std::cos(p.stride + (side > 0 ? 0 : M_PI))) * p.step * 8;
        const double kneeX = side * (11 * b + p.crouch * 0.4), kneeY = hip + 20 - lift * 0.5;
        limb(c, side * 8 * b, hip, kneeX, kneeY, 10 * b, look.skin.scaled(0.8));
        limb(c, kneeX, kneeY, side * 10 * b + swing * 6, -4 - lift, 9 * b, look.skin.scaled(0.75));
        c.ellipse(side * 11 * b + swing * 6, -3 - lift, 7 * b, 3.5);
        c.fillColour(kInk);
        c.clearPath();
    }
    // Loincloth.
    c.polygon({{-15 * b, hip - 4}, {15 * b, hip - 4}, {9 * b, hip + 22}, {-9 * b, hip + 22}});
    c.stroke(kInk, 3);
    c.fillLinear(0, hip, 0, hip + 22, {{0, look.cloth.scaled(1.3)}, {1, look.cloth.scaled(0.7)}});
    c.clearPath();
    // Torso.
    cairo_move_to(cr, -20 * b, shoulder);
    cairo_curve_to(cr, -24 * b, shoulder + 20, -15 * b, hip - 10, -13 * b, hip);
    cairo_line_to(cr, 13 * b, hip);
    cairo_curve_to(cr, 15 * b, hip - 10, 24 * b, shoulder + 20, 20 * b, shoulder);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(-22 * b, 0, 22 * b, 0,
                 {{0, look.skin.scaled(0.65)}, {0.45, look.skin.scaled(1.15)}, {1, look.skin.scaled(0.6)}});
    c.clearPath();
    // Tattoo chevrons.
    for (int i = 0; i < 3; ++i)
    {
        const double y = shoulder + 10 + i * 11;
        cairo_move_to(cr, -11 * b, y);
        cairo_line_to(cr, 0, y + 6);
        cairo_line_to(cr, 11 * b, y);
        c.stroke(look.paint.alpha(0.85), 2.2);
        c.clearPath();
    }
    // Arms.
    Hands hands{};
    for (int side : {-1, 1})
    {
        const double a = side < 0 ? p.leftArm : p.rightArm;
        const double sx = side * 21 * b, sy = shoulder + 4;
        const double ex = sx + side * std::sin(a) * 22, ey = sy + std::cos(a) * 22;
        const double a2 = a + p.bend;
        const double hx = ex + side * std::sin(a2) * 20, hy = ey + std::cos(a2) * 20;
        limb(c, sx, sy, ex, ey, 9 * b, look.skin);
        limb(c, ex, ey, hx, hy, 8 * b, look.skin.scaled(0.9));
        shadedEllipse(c, hx, hy, 5 * b, 5 * b, look.skin.scaled(0.9), 2);
        if (side < 0)
            hands.lx = hx, hands.ly = hy;
        else
            hands.rx = hx, hands.ry = hy;
    }
    // Head and mask.
    shadedEllipse(c, 0, headY, 14, 15, look.skin.scaled(0.8));
    cairo_move_to(cr, -13, headY - 9);
    cairo_curve_to(cr, -13, headY + 8, -8, headY + 17, 0, headY + 19);
    cairo_curve_to(cr, 8, headY + 17, 13, headY + 8, 13, headY - 9);
    cairo_curve_to(cr, 8, headY - 15, -8, headY - 15, -13, headY - 9);
    cairo_close_path(cr);
    c.stroke(kInk, 3);
    c.fillLinear(0, headY - 14, 0, headY + 18, {{0, look.mask.scaled(1.1)}, {1, look.mask.scaled(0.7)}});
    c.clearPath();
    cairo_move_to(cr, 0, headY - 13);
    cairo_line_to(cr, 0, headY + 17);
    c.stroke(look.paint, 2.5);
    c.clearPath();
    for (int side : {-1, 1})
    {
        c.polygon({{side * 2.5, headY - 3}, {side * 10.0, headY - 5}, {side * 8.0, headY + 2}});
        c.fillColour(kInk);
        c.clearPath();
        glowingEye(c, side * 6.5, headY - 2, 2.2, look.eyes);
    }
    cairo_restore(cr);
    // Hands back in cell coordinates.
    auto toCell = [&](double x, double y) {
        return std::pair{ox + x * s * (1 + p.squash * 0.25), oy + feet + y * s * (1 - p.squash * 0.6)};
    };
    auto [lx, ly] = toCell(hands.lx, hands.ly);
    auto [rx, ry] = toCell(hands.rx, hands.ry);
    return {lx, ly, rx, ry};
}

// A feather crest behind the head (ToaTao).
void crest(Canvas& c, double sway)
{
    for (int i = -2; i <= 2; ++i)
    {
        cairo_t* cr = c.cr();
        cairo_save(cr);
        cairo_translate(cr, i * 5, -128);
        cairo_rotate(cr, i * 0.3 + sway * 0.1);
        c.ellipse(0, -10, 4, 12);
        c.stroke(kInk, 2.5);
        c.fillLinear(0, -22, 0, 2, {{0, i % 2 ? kCrimson : kHoly}, {1, kInk}});
        c.clearPath();
        cairo_restore(cr);
    }
}

// A spear held at (x, y), pointing at angle a (screen radians), with its tip `reach` from (px, py).
void spear(Canvas& c, double px, double py, double a, double reach, double glow)
{
    cairo_t* cr = c.cr();
    const double ca = std::cos(a), sa = std::sin(a);
    const double bx = px - ca * 40, by = py - sa * 40, tx = px + ca * reach, ty = py + sa * reach;
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, tx - ca * 16, ty - sa * 16);
    c.stroke(kInk, 7);
    c.stroke(Rgba::rgb(120, 84, 50), 4);
    c.clearPath();
    const double nx = -sa, ny = ca;
    c.polygon({{tx, ty},
               {tx - ca * 20 + nx * 6, ty - sa * 20 + ny * 6},
               {tx - ca * 16, ty - sa * 16},
               {tx - ca * 20 - nx * 6, ty - sa * 20 - ny * 6}});
    if (glow > 0)
        c.glow(kEmber.alpha(glow), 6, 4);
    c.stroke(kInk, 2.5);
    c.fillLinear(tx - ca * 20, ty - sa * 20, tx, ty, {{0, kAsh}, {1, kHoly}});
    c.clearPath();
    // Feathers tied under the head.
    c.ellipse(tx - ca * 24 + nx * 4, ty - sa * 24 + ny * 4, 3, 3);
    c.fillColour(kCrimson);
    c.clearPath();
}

// ---- ToaTao ----
class ToaTaoPainter : public KindPainter
{
public:
    ToaTaoPainter() : KindPainter("ToaTao", 3) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const auto& tao = records().toaTao;
        const double feet = tao.shadowPosDeltaY > 0 ? tao.shadowPosDeltaY : 70;
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kEmber.mix(kCrimson, 0.5), kEmber); };
        if (name == "Idle" || name == "Move")
        {
            const bool move = name == "Move";
            return [move, feet](const Frame& f)
            {
                Pose p;
                const double ph = f.t * 2 * M_PI;
                double lift = 0;
                if (move)
                {
                    // A hop: crouch, spring, hang, land.
                    lift = std::max(0.0, std::sin(ph)) * 16;
                    p.crouch = std::max(0.0, -std::sin(ph)) * 8;
                    p.step = 0.3;
                    p.stride = ph;
                }
                else
                    p.bob = std::sin(ph) * 1.5;
                p.rightArm = 0.15;
                p.leftArm = 0.35;
                groundShadow(f.c, f.w / 2, f.h / 2 + feet, 30 - lift * 0.6);
                const Hands h =
                    drawToa(f.c, f.w / 2, f.h / 2 - lift, feet, kTao, p, [&](Canvas& c) { crest(c, std::sin(ph)); });
                spear(f.c, h.rx, h.ry, -M_PI / 2 + 0.1, 70, 0);
            };
        }
        // The overhead sweep: the spear pivots on the warrior's centre and its arc
        // runs below him, where the player stands, as the handler turns it.
        const double start = tao.attack1.angleStart, end = tao.attack1.angleEnd;
        const double reach = tao.attack1.reach > 0 ? tao.attack1.reach : 100;
        // Screen angle of the spear for the handler's angle: spear bearing s = -angle - 180 in
        // degrees, measured like the player bearing b = 180 - atan2; so screen = 180 - s.
        auto screen = [](double angle) { return M_PI - (-angle - M_PI); };
        const double a0 = screen(start), a1 = screen(end);
        const int part = name == "Attack_Down_P01" ? 1 : (name == "Attack_Down_P02" ? 2 : 3);
        return [=](const Frame& f)
        {
            const int i = f.index;
            double a = -M_PI / 2, glow = 0, crouch = 0;
            bool sweeping = false;
            if (part == 1)
            {
                // Wind-up: the spear is hoisted overhead and drawn back.
                a = -M_PI / 2 + 0.1 + (a0 - 2 * M_PI + M_PI / 2 - 0.1) * ease(f.u()) * 0.6;
                crouch = 8 * f.u();
                glow = f.u();
            }
            else if (part == 2)
            {
                // Held, trembling, then the sweep starts on frame 5.
                if (i <= 4)
                {
                    a = -M_PI / 2 + 0.1 + (a0 - 2 * M_PI + M_PI / 2 - 0.1) * 0.6 + std::sin(i * 2.5) * 0.04;
                    crouch = 8;
                    glow = 1;
                }
                else
                {
                    sweeping = true;
                    a = a0 + (a1 - a0) * (i - 4) / 6.0 * 0.5;
                }
            }
            else
            {
                if (i < 3)
                {
                    sweeping = true;
                    a = a0 + (a1 - a0) * (0.5 + (i + 1) / 3.0 * 0.5);
                }
                else
                    a = a1 + (-M_PI / 2 + 0.1 - a1) * ease((i - 2) / 3.0);
            }
            Pose p;
            p.crouch = crouch;
            const double cx = f.w / 2, cy = f.h / 2;
            // Arms reach toward the spear's grip.
            const double grip = std::fmod(a + 4 * M_PI, 2 * M_PI);
            p.rightArm = std::clamp(M_PI / 2 - std::sin(grip) * 1.2, 0.0, 2.8);
            p.leftArm = std::clamp(M_PI / 2 - std::sin(grip) * 1.2 - std::cos(grip) * 0.8, 0.0, 2.8);
            groundShadow(f.c, cx, cy + feet, 30);
            if (sweeping)
                swoosh(f.c, cx, cy, reach * 0.85, a0, a, 16, kEmber.alpha(0.5));
            drawToa(f.c, cx, cy, feet, kTao, p, [&](Canvas& c) { crest(c, 0); });
            spear(f.c, cx + std::cos(a) * 20, cy + std::sin(a) * 20, a, reach - 20, glow);
        };
    }
};

// ---- ToaMangere ----
void rockFist(Canvas& c, double x, double y, double r)
{
    c.polygon({{x - r, y - r * 0.6},
               {x - r * 0.3, y - r * 1.1},
               {x + r * 0.8, y - r * 0.8},
               {x + r * 1.1, y + r * 0.2},
               {x + r * 0.4, y + r},
               {x - r * 0.8, y + r * 0.7}});
    c.stroke(kInk, 3);
    c.fillRadial(x - r * 0.3, y - r * 0.4, 0, r * 1.6, {{0, kStone.scaled(1.8)}, {1, kStone.scaled(0.7)}});
    c.clearPath();
}

class ToaMangerePainter : public KindPainter
{
public:
    ToaMangerePainter() : KindPainter("ToaMangere", 1) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const auto& m = records().toaMangere;
        const double feet = m.shadowPosDeltaY > 0 ? m.shadowPosDeltaY : 90;
        auto body = [feet](Canvas& c, double w, double h, const Pose& p, double fistLift)
        {
            Pose q = p;
            const Hands hands = drawToa(c, w / 2, h / 2, feet, kMangere, q);
            rockFist(c, hands.lx, hands.ly - fistLift, 15);
            rockFist(c, hands.rx, hands.ry - fistLift, 15);
        };
        if (name == "Idle" || name == "Walk")
        {
            const bool walk = name == "Walk";
            return [walk, body, feet](const Frame& f)
            {
                Pose p;
                const double ph = f.t * 2 * M_PI;
                p.bob = walk ? -std::abs(std::sin(ph)) * 4 : std::sin(ph) * 2;
                p.step = walk ? 1 : 0;
                p.stride = ph;
                p.leftArm = 0.25 + (walk ? std::sin(ph) * 0.25 : 0);
                p.rightArm = 0.25 - (walk ? std::sin(ph) * 0.25 : 0);
                p.bend = 0.2;
                groundShadow(f.c, f.w / 2, f.h / 2 + feet, 60);
                body(f.c, f.w, f.h, p, 0);
            };
        }
        if (name == "Attack")
            // Frames 0-11 raise both fists high (a long, readable wind-up); 12 is the
            // slam; 12-14 the shock; 15-17 the recovery.
            return [body, feet](const Frame& f)
            {
                const int i = f.index;
                Pose p;
                double shake = 0;
                if (i < 12)
                {
                    const double k = ease(i / 11.0);
                    p.leftArm = p.rightArm = 0.25 + k * 2.6;
                    p.bend = 0.2 + k * 0.3;
                    p.crouch = -6 * k;
                    shake = i >= 9 ? std::sin(i * 3.0) * 2 : 0;
                }
                else if (i <= 14)
                {
                    p.leftArm = p.rightArm = 0.6;
                    p.bend = -0.2;
                    p.crouch = 14;
                }
                else
                {
                    const double k = (i - 14) / 3.0;
                    p.leftArm = p.rightArm = 0.6 - 0.35 * k;
                    p.crouch = 14 * (1 - k);
                }
                const double cx = f.w / 2 + shake, cy = f.h / 2;
                groundShadow(f.c, cx, cy + feet, 60);
                if (i >= 12 && i <= 14)
                {
                    const double k = (i - 11) / 3.0;
                    f.c.ellipse(cx, cy + feet, 60 + 40 * k, 18 + 12 * k);
                    f.c.fillRadial(cx, cy + feet, 0, 100, {{0, kEmber.alpha(0.5 * (1.2 - k))}, {1, kEmber.alpha(0)}});
                    f.c.clearPath();
                }
                Canvas& c = f.c;
                cairo_save(c.cr());
                cairo_translate(c.cr(), shake, 0);
                body(c, f.w, f.h, p, 0);
                cairo_restore(c.cr());
                if (i >= 12 && i <= 14)
                    burst(f.c, cx, cy + feet - 4, 30, 100, 14, kBone.alpha(0.8), 3, 11 + i);
            };
        if (name == "Slaam")
            // The shock-wave decal: cracks radiating from the slam, a dust ring spreading, fading.
            return [](const Frame& f)
            {
                const double u = f.u();
                const double cx = f.w / 2, cy = f.h / 2;
                const double fade = 1 - ease((u - 0.5) / 0.5);
                cairo_t* cr = f.c.cr();
                Dice dice(42);
                for (int k = 0; k < 12; ++k)
                {
                    const double a = (k + dice.uniform() * 0.5) / 12 * 2 * M_PI;
                    const double len = (0.6 + dice.uniform() * 0.4) * f.w * 0.45 * std::min(1.0, u * 4 + 0.3);
                    cairo_move_to(cr, cx, cy);
                    double x = cx, y = cy;
                    for (int s = 1; s <= 4; ++s)
                    {
                        x = cx + std::cos(a + (dice.uniform() - 0.5) * 0.3) * len * s / 4;
                        y = cy + std::sin(a + (dice.uniform() - 0.5) * 0.3) * len * s / 4 * 0.5;
                        cairo_line_to(cr, x, y);
                    }
                    f.c.stroke(kInk.alpha(0.85 * fade), 4);
                    f.c.stroke(kEmber.alpha(0.6 * fade * (1 - u)), 1.5);
                    f.c.clearPath();
                }
                const double ring = f.w * (0.15 + 0.33 * ease(u));
                f.c.ellipse(cx, cy, ring, ring * 0.45);
                f.c.stroke(kAsh.alpha(0.6 * (1 - u)), 10 * (1 - u) + 2);
                f.c.clearPath();
            };
        if (name == "Death")
            return [body](const Frame& f)
            {
                dissolvingDeath(f, kEmber,
                                [&](Canvas& c, double collapse)
                                {
                                    Pose p;
                                    p.squash = collapse;
                                    p.leftArm = 0.25 + collapse;
                                    p.rightArm = 0.25 + collapse * 0.8;
                                    body(c, f.w, f.h, p, 0);
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kEmber.scaled(0.8), kEmber); };
        return nullptr;
    }
};

// ---- ToaKaipupuhi ----
const Rgba kArcane = Rgba::rgb(170, 90, 255);

void staff(Canvas& c, double hx, double hy, double a, double charge)
{
    cairo_t* cr = c.cr();
    const double ca = std::cos(a), sa = std::sin(a);
    const double tx = hx + ca * 36, ty = hy + sa * 36, bx = hx - ca * 36, by = hy - sa * 36;
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, tx, ty);
    c.stroke(kInk, 7);
    c.stroke(Rgba::rgb(90, 70, 60), 4);
    c.clearPath();
    const double r = 7 + charge * 5;
    c.ellipse(tx + ca * r, ty + sa * r, r, r);
    c.glow(kArcane, 6 + charge * 14, 6);
    c.fillRadial(tx + ca * r, ty + sa * r, 0, r, {{0, kHoly}, {0.5, kArcane.scaled(1.3)}, {1, kArcane}});
    c.clearPath();
}

class ToaKaipupuhiPainter : public KindPainter
{
public:
    ToaKaipupuhiPainter() : KindPainter("ToaKaipupuhi", 4) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const auto& k = records().toaKaipupuhi;
        const double feet = k.shadowPosDeltaY > 0 ? k.shadowPosDeltaY : 70;
        // A hooded robe hides the legs; the staff is held in the right hand.
        auto body = [feet](Canvas& c, double w, double h, const Pose& p, double staffAngle, double charge)
        {
            // A little left of centre, so the staff arm has room in the cell.
            const double cx = w / 2 - 10, cy = h / 2;
            Hands hands =
                drawToa(c, cx, cy, feet, kKaipupuhi, p,
                        [&](Canvas& cc)
                        {
                            cairo_t* cr = cc.cr();
                            // Robe skirt and a tall hood behind the head.
                            cairo_move_to(cr, -18, -92 + p.crouch);
                            cairo_line_to(cr, -28, -2);
                            cairo_line_to(cr, 28, -2);
                            cairo_line_to(cr, 18, -92 + p.crouch);
                            cairo_close_path(cr);
                            cc.stroke(kInk, 3);
                            cc.fillLinear(-28, 0, 28, 0,
                                          {{0, kKaipupuhi.cloth.scaled(0.6)},
                                           {0.5, kKaipupuhi.cloth.scaled(1.2)},
                                           {1, kKaipupuhi.cloth.scaled(0.6)}});
                            cc.clearPath();
                            cc.polygon({{-20, -108 + p.crouch}, {0, -142 + p.crouch}, {20, -108 + p.crouch}});
                            cc.stroke(kInk, 3);
                            cc.fillLinear(0, -142, 0, -100, {{0, kKaipupuhi.cloth.scaled(0.5)}, {1, kKaipupuhi.cloth}});
                            cc.clearPath();
                        });
            staff(c, hands.rx, hands.ry, staffAngle, charge);
        };
        if (name == "Idle_P01" || name == "Idle_P02" || name == "Walk")
        {
            const int which = name == "Walk" ? 2 : (name == "Idle_P02" ? 1 : 0);
            return [which, body, feet](const Frame& f)
            {
                Pose p;
                const double ph = f.t * 2 * M_PI;
                p.bob = which == 2 ? -std::abs(std::sin(ph)) * 3 : std::sin(ph) * 1.5;
                p.step = which == 2 ? 0.8 : 0;
                p.stride = ph;
                p.rightArm = 0.5;
                p.leftArm = which == 1 ? 0.6 + std::sin(ph) * 0.5 : 0.25;
                const double staffA = -M_PI / 2 + 0.25 + (which == 1 ? std::sin(ph) * 0.2 : 0);
                groundShadow(f.c, f.w / 2, f.h / 2 + feet, 28);
                body(f.c, f.w, f.h, p, staffA, 0.2 + 0.15 * std::sin(ph));
            };
        }
        if (name == "Attack_P01")
            // Gathering: the staff swings up and its orb swells.
            return [body, feet](const Frame& f)
            {
                Pose p;
                const double u = ease(f.u());
                p.rightArm = 0.5 + u * 0.9;
                p.leftArm = 0.25 + u * 0.9;
                p.crouch = -4 * u;
                groundShadow(f.c, f.w / 2, f.h / 2 + feet, 28);
                body(f.c, f.w, f.h, p, -M_PI / 2 + 0.25 - u * 0.25, 0.2 + u * 0.8);
                if (f.index >= 4)
                    burst(f.c, f.w / 2 + 30, f.h / 2 - 70, 10, 26, 8, kArcane.alpha(0.6), 2, f.index);
            };
        if (name == "Attack_P02")
            // Frames 0-2 bring the staff down toward the player below, 3-5 it fires, 6-8 recoil.
            return [body, feet](const Frame& f)
            {
                const int i = f.index;
                Pose p;
                double a, charge;
                if (i < 3)
                {
                    const double k = (i + 1) / 3.0;
                    a = -M_PI / 2 + 0.75 + k * (M_PI - 1.35);
                    charge = 1;
                    p.rightArm = 2.1 - k * 1.2;
                }
                else if (i <= 5)
                {
                    a = M_PI / 2 - 0.6;
                    charge = 1.2 - (i - 3) * 0.3;
                    p.rightArm = 0.9;
                    p.crouch = 6;
                }
                else
                {
                    const double k = (i - 5) / 3.0;
                    a = M_PI / 2 - 0.6 - k * (M_PI - 0.85);
                    charge = 0.3;
                    p.rightArm = 0.9 - k * 0.4;
                }
                p.leftArm = 0.6;
                groundShadow(f.c, f.w / 2, f.h / 2 + feet, 28);
                body(f.c, f.w, f.h, p, a, charge);
            };
        if (name == "ChockWave")
            // The muzzle blast drawn over the caster as the bolt leaves.
            return [](const Frame& f)
            {
                const double u = f.u();
                const double cx = f.w / 2, cy = f.h / 2;
                f.c.ellipse(cx, cy, f.w * (0.12 + 0.36 * u), f.h * (0.08 + 0.26 * u));
                f.c.glow(kArcane.alpha(1 - u), 8, 5);
                f.c.stroke(kArcane.mix(kHoly, 0.5).alpha(1 - u), 6 * (1 - u) + 1);
                f.c.clearPath();
                burst(f.c, cx, cy, f.w * 0.1 + u * 20, f.w * 0.45, 10, kHoly.alpha(1 - u), 2.5, 3);
            };
        if (name == "Death")
            return [body](const Frame& f)
            {
                dissolvingDeath(f, kArcane,
                                [&](Canvas& c, double collapse)
                                {
                                    Pose p;
                                    p.squash = collapse;
                                    p.rightArm = 0.5 + collapse;
                                    body(c, f.w, f.h, p, -M_PI / 2 + 0.25 + collapse * 1.2, 0.2 * (1 - collapse));
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kArcane, kArcane.mix(kHoly, 0.3)); };
        return nullptr;
    }
};

RegisterPainter<ToaTaoPainter> taoRegistration;
RegisterPainter<ToaMangerePainter> mangereRegistration;
RegisterPainter<ToaKaipupuhiPainter> kaipupuhiRegistration;
} // namespace
