// Nepturath: a sea serpent of deep teal scales, bone spines and cold cyan eyes.
// Swimming, only its dorsal fin and the dark mass beneath break the water; it
// bursts out as a rearing neck and jaws, lies stunned on the surface, charges in
// a bow wave, and when the charge breaks on a wall it scatters into sardines.

#include "EnemyArt.h"

#include <cmath>
#include <map>

namespace
{
using namespace palette;
using namespace enemyart;

const Rgba kScale = Rgba::rgb(26, 96, 104);
const Rgba kBelly = Rgba::rgb(170, 200, 170);
const Rgba kGlow = Rgba::rgb(110, 255, 240);
const Rgba kWater = Rgba::rgb(70, 150, 170);
const Rgba kFoam = Rgba::rgb(220, 245, 245);

// Ripples on the surface around (cx, cy).
void ripples(Canvas& c, double cx, double cy, double r, double t, double alpha = 0.6)
{
    for (int i = 0; i < 3; ++i)
    {
        const double k = std::fmod(t + i / 3.0, 1.0);
        c.ellipse(cx, cy, r * (0.5 + k), r * (0.5 + k) * 0.4);
        c.stroke(kFoam.alpha(alpha * (1 - k)), 2.5);
        c.clearPath();
    }
}

// Foam and droplets thrown up around (cx, cy); k from 0 to 1 grows the splash.
void splash(Canvas& c, double cx, double cy, double r, double k, std::uint32_t seed)
{
    if (k <= 0)
        return;
    Dice dice(seed);
    for (int i = 0; i < 18; ++i)
    {
        const double a = -M_PI * (0.05 + dice.uniform() * 0.9);
        const double d = r * (0.3 + dice.uniform() * 0.9) * k;
        const double x = cx + std::cos(a) * d * 1.3, y = cy + std::sin(a) * d * 1.4 + k * k * r * 0.4;
        const double size = 3 + dice.uniform() * 5 * (1 - k * 0.5);
        c.ellipse(x, y, size, size * 1.2);
        c.fillColour(kFoam.alpha(0.9 * (1 - k * 0.6)));
        c.clearPath();
    }
    c.ellipse(cx, cy, r * (0.6 + 0.5 * k), r * (0.25 + 0.2 * k));
    c.stroke(kFoam.alpha(0.9 * (1 - k * 0.7)), 5);
    c.clearPath();
}

// The body's dark shape under the water, long along direction `a`.
void underwaterMass(Canvas& c, double cx, double cy, double a, double len, double alpha)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1, 0.55);
    c.ellipse(-len * 0.2, 0, len * 0.6, len * 0.16);
    c.fillRadial(-len * 0.1, 0, 0, len * 0.6,
                 {{0, kInk.alpha(alpha)}, {0.7, kScale.scaled(0.4).alpha(alpha * 0.7)}, {1, kInk.alpha(0)}});
    c.clearPath();
    cairo_restore(cr);
}

// A dorsal fin standing out of the water at (cx, cy), swept back against motion (dx).
void fin(Canvas& c, double cx, double cy, double height, double dx)
{
    if (height <= 1)
        return;
    cairo_t* cr = c.cr();
    const double back = -dx * height * 0.5;
    cairo_move_to(cr, cx - 24, cy);
    cairo_curve_to(cr, cx - 16, cy - height * 0.6, cx + back * 0.5, cy - height * 0.9, cx + back, cy - height);
    cairo_curve_to(cr, cx + back * 0.4 + 8, cy - height * 0.5, cx + 18, cy - height * 0.2, cx + 24, cy);
    cairo_close_path(cr);
    c.stroke(kInk, 3.5);
    c.fillLinear(cx, cy - height, cx, cy, {{0, kScale.scaled(1.5)}, {1, kScale.scaled(0.6)}});
    c.clearPath();
    for (int i = 1; i <= 3; ++i)
    {
        cairo_move_to(cr, cx - 20 + i * 10, cy - 2);
        cairo_line_to(cr, cx + back * (0.2 + 0.25 * i), cy - height * (0.3 + 0.2 * i));
        c.stroke(kBone.alpha(0.55), 1.5);
        c.clearPath();
    }
}

struct Serpent
{
    double height = 1; // 0 head at the surface, 1 fully reared
    double mouth = 0;  // 0 shut, 1 gaping
    double facing = 0; // -1 left, 0 toward the viewer, 1 right
    double lean = 0;   // head offset sideways, pixels
    double dizzy = 0;  // spiral eyes
    double eyeGlow = 0.6;
};

// A neck rising out of the water at (cx, waterY), crowned by the head.
void serpent(Canvas& c, double cx, double waterY, const Serpent& s)
{
    cairo_t* cr = c.cr();
    const double hx = cx + s.lean + s.facing * 18, hy = waterY - 20 - s.height * 95;
    // Neck: a thick S-curve, scales dark on the back and pale on the belly.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx - s.facing * 10, waterY + 4);
    cairo_curve_to(cr, cx - s.facing * 30 - 14, waterY - 30 * s.height, hx + s.facing * 6 + 14, hy + 40 * s.height, hx,
                   hy + 8);
    c.stroke(kInk, 40);
    c.stroke(kScale, 34);
    c.stroke(kScale.scaled(1.3), 16);
    c.clearPath();
    cairo_move_to(cr, cx - s.facing * 10 + 8, waterY + 4);
    cairo_curve_to(cr, cx - s.facing * 30 - 4, waterY - 30 * s.height, hx + s.facing * 6 + 22, hy + 40 * s.height,
                   hx + 8, hy + 12);
    c.stroke(kBelly.alpha(0.55), 9);
    c.clearPath();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // Spines along the back.
    for (int i = 1; i <= 4; ++i)
    {
        const double k = i / 5.0;
        const double x = cx - s.facing * 10 + (hx - cx) * k - 16 - 6 * std::sin(k * M_PI),
                     y = waterY + (hy - waterY) * k;
        c.polygon({{x, y - 5}, {x - 12, y - 2}, {x, y + 5}});
        c.fillColour(kBone);
        c.clearPath();
    }
    // Head: a long snout in profile, or a broad wedge facing the viewer.
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    if (s.facing < 0)
        cairo_scale(cr, -1, 1);
    const bool profile = s.facing != 0;
    const double jaw = s.mouth * 18;
    if (profile)
    {
        // Lower jaw.
        c.polygon({{-14, 6}, {40, 8 + jaw}, {34, 16 + jaw}, {-10, 18}});
        c.stroke(kInk, 3);
        c.fillLinear(0, 6, 0, 18 + jaw, {{0, kBelly}, {1, kScale.scaled(0.6)}});
        c.clearPath();
        if (s.mouth > 0.1)
        {
            c.polygon({{-8, 6}, {38, 4 + jaw * 0.3}, {36, 8 + jaw}, {-6, 12}});
            c.fillColour(kBlood);
            c.clearPath();
            for (int i = 0; i < 5; ++i)
            {
                c.polygon({{6 + i * 7, 4}, {9 + i * 7, 10}, {12 + i * 7, 4}});
                c.polygon({{6 + i * 7, 8 + jaw}, {9 + i * 7, 2 + jaw}, {12 + i * 7, 8 + jaw}});
                c.fillColour(kBone);
                c.clearPath();
            }
        }
        // Skull and upper jaw.
        cairo_move_to(cr, -22, 8);
        cairo_curve_to(cr, -24, -16, 0, -20, 14, -12);
        cairo_curve_to(cr, 30, -6, 44, -2, 46, 4);
        cairo_line_to(cr, -10, 8);
        cairo_close_path(cr);
        c.stroke(kInk, 3.5);
        c.fillLinear(0, -20, 0, 8, {{0, kScale.scaled(1.5)}, {1, kScale.scaled(0.8)}});
        c.clearPath();
        // Horn frill.
        c.polygon({{-20, -4}, {-38, -22}, {-12, -14}});
        c.polygon({{-16, -12}, {-26, -34}, {-4, -18}});
        c.stroke(kInk, 2.5);
        c.fillColour(kBone);
        c.clearPath();
        if (s.dizzy > 0)
        {
            cairo_arc(cr, 8, -8, 5, 0, 4 * M_PI * s.dizzy);
            c.stroke(kGlow, 2);
            c.clearPath();
        }
        else
            glowingEye(c, 8, -8, 3.5, kGlow.alpha(0.6 + 0.4 * s.eyeGlow));
    }
    else
    {
        // Facing the viewer: a broad skull fringed with fins, two eyes, jaws gaping downward.
        cairo_scale(cr, 1.35, 1.35);
        for (int side : {-1, 1})
        {
            cairo_move_to(cr, side * 24, -6);
            cairo_curve_to(cr, side * 44, -14, side * 56, 0, side * 50, 16);
            cairo_curve_to(cr, side * 42, 8, side * 34, 10, side * 24, 8);
            cairo_close_path(cr);
            c.stroke(kInk, 2.5);
            c.fillLinear(side * 24, 0, side * 54, 0, {{0, kScale.scaled(1.2)}, {1, kGlow.alpha(0.7)}});
            c.clearPath();
        }
        c.polygon({{-26, 0}, {-18, 16 + jaw}, {18, 16 + jaw}, {26, 0}});
        c.stroke(kInk, 3);
        c.fillColour(s.mouth > 0.1 ? kBlood : kScale.scaled(0.7));
        c.clearPath();
        if (s.mouth > 0.1)
            for (int i = -2; i <= 2; ++i)
            {
                c.polygon({{i * 8.0 - 3, 2}, {i * 8.0, 10}, {i * 8.0 + 3, 2}});
                c.polygon({{i * 8.0 - 3, 14 + jaw}, {i * 8.0, 7 + jaw}, {i * 8.0 + 3, 14 + jaw}});
                c.fillColour(kBone);
                c.clearPath();
            }
        cairo_move_to(cr, -28, 2);
        cairo_curve_to(cr, -30, -22, 30, -22, 28, 2);
        cairo_close_path(cr);
        c.stroke(kInk, 3.5);
        c.fillLinear(0, -20, 0, 4, {{0, kScale.scaled(1.5)}, {1, kScale.scaled(0.8)}});
        c.clearPath();
        for (int side : {-1, 1})
        {
            c.polygon({{side * 18.0, -12}, {side * 40.0, -30}, {side * 24.0, -4}});
            c.stroke(kInk, 2.5);
            c.fillColour(kBone);
            c.clearPath();
            if (s.dizzy > 0)
            {
                cairo_arc(cr, side * 11, -8, 5, 0, 4 * M_PI * s.dizzy);
                c.stroke(kGlow, 2);
                c.clearPath();
            }
            else
                glowingEye(c, side * 11, -8, 3.5, kGlow.alpha(0.6 + 0.4 * s.eyeGlow));
        }
    }
    cairo_restore(cr);
}

// The ring of water where the neck meets the surface, drawn over the neck's base.
void waterline(Canvas& c, double cx, double cy, double r, double t)
{
    c.ellipse(cx, cy, r, r * 0.35);
    c.fillRadial(cx, cy, 0, r, {{0, kWater.alpha(0.5)}, {1, kWater.alpha(0)}});
    c.stroke(kFoam.alpha(0.8), 3);
    c.clearPath();
    ripples(c, cx, cy, r, t, 0.4);
}

double directionAngle(const std::string& d)
{
    static const std::map<std::string, double> angles = {{"Right", 0},       {"Down_Right", 45}, {"Down", 90},
                                                         {"Down_Left", 135}, {"Left", 180},      {"Up_Left", -135},
                                                         {"Up", -90},        {"Up_Right", -45}};
    return angles.at(d) * M_PI / 180;
}

class NepturathPainter : public KindPainter
{
public:
    NepturathPainter() : KindPainter("Nepturath", 2) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        auto startsWith = [&](const char* p) { return name.rfind(p, 0) == 0; };
        if (startsWith("Move_Fin_") || (startsWith("Plunge_") && name != "Plunge_After_Stunned"))
        {
            const bool plunge = startsWith("Plunge_");
            const double a = directionAngle(name.substr(plunge ? 7 : 9));
            return [a, plunge](const Frame& f)
            {
                const double cx = f.w / 2, cy = f.h / 2 + 20;
                const double dx = std::cos(a), dy = std::sin(a);
                const double sink = plunge ? ease(f.u()) : 0;
                // Wake: a V of foam trailing behind.
                cairo_t* cr = f.c.cr();
                for (int side : {-1, 1})
                {
                    const double na = a + M_PI + side * 0.35;
                    cairo_move_to(cr, cx + dx * 10, cy + dy * 6);
                    cairo_line_to(cr, cx + std::cos(na) * 90, cy + std::sin(na) * 45);
                    f.c.stroke(kFoam.alpha(0.5 * (1 - sink)), 4);
                    f.c.clearPath();
                }
                underwaterMass(f.c, cx, cy, a, 150, 0.75 - 0.3 * sink);
                ripples(f.c, cx, cy, 40, f.t, 0.5);
                fin(f.c, cx + dx * 10, cy + dy * 5, (56 + std::sin(f.t * 2 * M_PI) * 4) * (1 - sink), dx);
                if (plunge)
                    splash(f.c, cx, cy, 50, sink, 5);
            };
        }
        if (name == "Move_Underwater")
            return [](const Frame& f)
            {
                const double cx = f.w / 2, cy = f.h / 2 + 20;
                underwaterMass(f.c, cx, cy, f.t * 0.4, 140, 0.4);
                Dice dice(3);
                for (int i = 0; i < 6; ++i)
                {
                    const double k = std::fmod(f.t + dice.uniform(), 1.0);
                    f.c.ellipse(cx + (dice.uniform() - 0.5) * 60, cy - k * 30, 3 + k * 2, 3 + k * 2);
                    f.c.stroke(kFoam.alpha(0.6 * (1 - k)), 1.5);
                    f.c.clearPath();
                }
            };
        if (name == "Close_Surface")
            // The warning: bubbles boil and a glowing ring marks where the jaws will burst out.
            return [](const Frame& f)
            {
                const double cx = f.w / 2, cy = f.h / 2 + 20, u = f.u();
                f.c.ellipse(cx, cy, 70 + 10 * u, 30 + 4 * u);
                f.c.fillRadial(cx, cy, 0, 80, {{0, kGlow.alpha(0.15 + 0.35 * u)}, {1, kGlow.alpha(0)}});
                f.c.stroke(kGlow.alpha(0.4 + 0.5 * u), 3);
                f.c.clearPath();
                underwaterMass(f.c, cx, cy, -M_PI / 2, 100, 0.5 + 0.3 * u);
                Dice dice(8);
                for (int i = 0; i < 10 + int(u * 14); ++i)
                {
                    const double x = cx + (dice.uniform() - 0.5) * 120, y = cy + (dice.uniform() - 0.5) * 44;
                    const double r = 2 + dice.uniform() * 5 * (0.5 + u);
                    f.c.ellipse(x, y, r, r);
                    f.c.stroke(kFoam.alpha(0.8), 1.5);
                    f.c.clearPath();
                }
            };
        if (name == "Exit_Water" || name == "Intro")
        {
            const bool intro = name == "Intro";
            return [intro](const Frame& f)
            {
                const double cx = f.w / 2, water = f.h / 2 + 50;
                const int i = f.index;
                Serpent s;
                double burstK;
                if (intro)
                {
                    s.height = ease(f.u() / 0.5);
                    s.mouth = f.u() > 0.55 ? std::sin((f.u() - 0.55) / 0.45 * M_PI) : 0;
                    burstK = clamp01(f.u() * 2);
                }
                else
                {
                    // 0-3 the burst, 4-9 reared with the jaws snapping (it hurts), 10-15 it slumps.
                    s.height = i < 4 ? ease((i + 1) / 4.0) : (i < 10 ? 1.0 : 1.0 - ease((i - 9) / 6.0) * 0.9);
                    s.mouth = i < 4 ? 0.6 : (i < 10 ? 0.6 + 0.4 * std::sin(i * 1.3) : 0.2);
                    burstK = clamp01((i + 1) / 6.0);
                }
                s.facing = 0;
                s.eyeGlow = 1;
                waterline(f.c, cx, water, 60, f.t);
                serpent(f.c, cx, water, s);
                splash(f.c, cx, water, 70, burstK, intro ? 21 : 12);
            };
        }
        if (name == "Stunned" || name == "Plunge_After_Stunned")
        {
            const bool sinking = name == "Plunge_After_Stunned";
            return [sinking](const Frame& f)
            {
                const double cx = f.w / 2, water = f.h / 2 + 40;
                Serpent s;
                s.height = sinking ? 0.1 * (1 - f.u()) : 0.1;
                s.facing = 1;
                s.mouth = 0.3;
                s.dizzy = sinking ? 0 : 0.5 + 0.5 * f.t;
                const double sink = sinking ? ease(f.u()) : 0;
                waterline(f.c, cx, water, 70, f.t);
                cairo_save(f.c.cr());
                cairo_rectangle(f.c.cr(), 0, 0, f.w, water + 6 - sink * 50);
                cairo_clip(f.c.cr());
                cairo_translate(f.c.cr(), 0, sink * 60);
                serpent(f.c, cx - 10, water, s);
                cairo_restore(f.c.cr());
                if (!sinking)
                    for (int k = 0; k < 3; ++k)
                    {
                        const double a = f.t * 2 * M_PI + k * 2.1;
                        const double x = cx + 20 + std::cos(a) * 30, y = water - 60 + std::sin(a) * 8;
                        f.c.polygon({{x, y - 6},
                                     {x + 2, y - 2},
                                     {x + 6, y},
                                     {x + 2, y + 2},
                                     {x, y + 6},
                                     {x - 2, y + 2},
                                     {x - 6, y},
                                     {x - 2, y - 2}});
                        f.c.glow(kPaleGold, 3, 2);
                        f.c.fillColour(kHoly);
                        f.c.clearPath();
                    }
                else
                    splash(f.c, cx, water, 60, f.u(), 31);
            };
        }
        if (startsWith("Charge_Build_") || startsWith("Charge_") || startsWith("Chock_Wall_"))
        {
            const bool left = name.find("Left") != std::string::npos;
            const int kind = startsWith("Charge_Build_") ? 0 : (startsWith("Chock_Wall_") ? 2 : 1);
            return [left, kind](const Frame& f)
            {
                cairo_t* cr = f.c.cr();
                cairo_save(cr);
                if (left)
                {
                    cairo_translate(cr, f.w, 0);
                    cairo_scale(cr, -1, 1);
                }
                const double cx = f.w / 2, water = f.h / 2 + 40;
                const int i = f.index;
                Serpent s;
                s.facing = 1;
                double spray = 0;
                if (kind == 0)
                {
                    // Rears back and glares, water swirling (frames 0-10); from 11 it lunges forward.
                    s.height = i <= 10 ? 0.3 + 0.6 * ease(i / 10.0) : 0.5;
                    s.lean = i <= 10 ? -16 * ease(i / 10.0) : 24;
                    s.mouth = i <= 10 ? 0.3 * i / 10.0 : 0.8;
                    s.eyeGlow = i / 15.0;
                    spray = i > 10 ? (i - 10) / 5.0 : 0;
                    for (int k = 0; k < 3; ++k)
                    {
                        cairo_arc(cr, cx, water, 40 + k * 16, f.t * 6 + k, f.t * 6 + k + 2.2);
                        f.c.stroke(kFoam.alpha(0.5 * i / 15.0), 3);
                        f.c.clearPath();
                    }
                }
                else if (kind == 1)
                {
                    s.height = 0.35;
                    s.lean = 22;
                    s.mouth = 0.9;
                    s.eyeGlow = 1;
                    spray = 1;
                    for (int k = 0; k < 5; ++k)
                    {
                        const double y = water - 70 + k * 22 + std::fmod(i * 7.0 + k * 11, 9);
                        cairo_move_to(cr, 8 + std::fmod(i * 17.0 + k * 23, 30), y);
                        cairo_line_to(cr, cx - 50, y);
                        f.c.stroke(kFoam.alpha(0.5), 2);
                        f.c.clearPath();
                    }
                }
                else
                {
                    // Crash: the head snaps back, stars and spray at the wall.
                    s.height = 0.5 - 0.3 * f.u();
                    s.lean = 20 - 40 * ease(f.u() * 2);
                    s.mouth = 0.4;
                    s.dizzy = f.u();
                    splash(f.c, cx + 60, water - 20, 60, clamp01(f.u() * 3), 44);
                    if (i < 4)
                        burst(f.c, cx + 80, water - 70, 10, 60, 10, kHoly.alpha(0.9), 3, 2);
                }
                waterline(f.c, cx - 10, water, 66, f.t);
                serpent(f.c, cx - 10, water, s);
                if (spray > 0)
                    splash(f.c, cx + 60, water, 50 * spray, 0.6, 17 + i % 3);
                cairo_restore(cr);
            };
        }
        if (startsWith("Sardine_"))
        {
            const bool left = name.find("Left") != std::string::npos;
            return [left](const Frame& f)
            {
                const double cx = f.w / 2, cy = f.h / 2 + 10;
                Dice dice(5);
                ripples(f.c, cx, cy + 30, 60, f.t, 0.3);
                for (int i = 0; i < 46; ++i)
                {
                    const double orbit = dice.uniform() * 2 * M_PI + f.t * 2 * M_PI * (0.8 + dice.uniform() * 0.4);
                    const double r = 18 + dice.uniform() * 62;
                    const double x = cx + std::cos(orbit) * r,
                                 y = cy + std::sin(orbit) * r * 0.5 + (dice.uniform() - 0.5) * 20;
                    const double heading = (left ? M_PI : 0) + std::sin(orbit) * 0.5;
                    cairo_t* cr = f.c.cr();
                    cairo_save(cr);
                    cairo_translate(cr, x, y);
                    cairo_rotate(cr, heading);
                    f.c.polygon({{8, 0}, {2, -3}, {-6, -1.5}, {-10, -4}, {-9, 0}, {-10, 4}, {-6, 1.5}, {2, 3}});
                    f.c.stroke(kInk, 1.5);
                    f.c.fillLinear(0, -3, 0, 3, {{0, kHoly}, {0.5, Rgba::rgb(170, 190, 200)}, {1, kAsh}});
                    f.c.clearPath();
                    cairo_restore(cr);
                }
            };
        }
        if (name == "Death_P01")
            // Thrashing: the neck whips from side to side, jaws wide.
            return [](const Frame& f)
            {
                const double cx = f.w / 2, water = f.h / 2 + 50;
                Serpent s;
                s.height = 0.9;
                s.lean = std::sin(f.index * 1.9) * 26;
                s.mouth = 1;
                s.facing = 0;
                s.eyeGlow = 1 - f.u();
                waterline(f.c, cx, water, 64, f.t);
                serpent(f.c, cx, water, s);
                splash(f.c, cx, water, 60, 0.5 + 0.3 * std::sin(f.index * 2.3), f.index);
            };
        if (name == "Death_P02")
            // It sinks, and dark blood spreads through the water.
            return [](const Frame& f)
            {
                const double cx = f.w / 2, water = f.h / 2 + 50, u = ease(f.u());
                f.c.ellipse(cx, water, 30 + 60 * u, 12 + 24 * u);
                f.c.fillRadial(cx, water, 0, 90, {{0, kBlood.alpha(0.7)}, {1, kBlood.alpha(0)}});
                f.c.clearPath();
                Serpent s;
                s.height = 0.9 * (1 - u);
                s.facing = 0;
                s.mouth = 0.5;
                s.eyeGlow = 0;
                cairo_save(f.c.cr());
                cairo_rectangle(f.c.cr(), 0, 0, f.w, water + 4);
                cairo_clip(f.c.cr());
                cairo_translate(f.c.cr(), 0, u * 80);
                serpent(f.c, cx, water, s);
                cairo_restore(f.c.cr());
                waterline(f.c, cx, water, 64, f.t);
                splash(f.c, cx, water, 60, u, 77);
            };
        if (name == "Death_P03")
            // The carcass floats up belly-first and burns away to its soul.
            return [](const Frame& f)
            {
                dissolvingDeath(f, kGlow,
                                [&](Canvas& c, double)
                                {
                                    const double cx = f.w / 2, water = f.h / 2 + 40;
                                    c.ellipse(cx, water, 90, 26);
                                    c.fillRadial(cx, water, 0, 90, {{0, kBlood.alpha(0.5)}, {1, kBlood.alpha(0)}});
                                    c.clearPath();
                                    cairo_t* cr = c.cr();
                                    cairo_move_to(cr, cx - 80, water);
                                    cairo_curve_to(cr, cx - 40, water - 22, cx + 30, water - 26, cx + 80, water - 6);
                                    c.stroke(kInk, 30);
                                    c.stroke(kBelly.scaled(0.9), 24);
                                    c.clearPath();
                                    Serpent s;
                                    s.height = 0;
                                    s.facing = 1;
                                    s.dizzy = 1;
                                    serpent(c, cx + 60, water + 16, s);
                                });
            };
        if (name == "Soul")
            return [](const Frame& f) { soulWisp(f, kGlow.scaled(0.8), kGlow); };
        return nullptr;
    }
};

RegisterPainter<NepturathPainter> registration;
} // namespace
