// DarkHulant, the great owl of the second floor, and its little owls. The angelic
// variant is white and pale gold with a halo; the demonic one black and crimson
// with horns. Both share one body: a round facial disc with huge eyes, wings that
// fold, flap, wrap and spread, and talons.

#include "EnemyArt.h"

#include <cmath>

namespace
{
using namespace palette;
using namespace enemyart;

struct Variant
{
    Rgba plume, plumeDark, face, eyes, trim;
    bool angel;
};

const Variant kAngel{kHoly, Rgba::rgb(200, 180, 130), Rgba::rgb(255, 246, 220), kGold, kPaleGold, true};
const Variant kDemon{
    Rgba::rgb(52, 40, 44), Rgba::rgb(14, 8, 10), Rgba::rgb(90, 24, 30), Rgba::rgb(255, 60, 40), kCrimson, false};

struct Pose
{
    double wings = 0;  // 0 folded, 1 spread level, >1 raised overhead, <0 swept back
    double flap = 0;   // extra flap angle
    double crouch = 0; // pixels
    double beak = 0;   // open
    double tilt = 0;   // head tilt, radians
    double lean = 0;   // body lean, radians
    double squash = 0; // death
    double glow = 0;   // wind-up glow
    bool eyesShut = false;
    bool dizzy = false;
    bool talonsForward = false;
};

void wing(Canvas& c, int side, double angle, const Variant& v, double span)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, side * 22, -58);
    cairo_scale(cr, side, 1);
    cairo_rotate(cr, -angle);
    // The wing: a broad blade of layered primaries.
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, span * 0.3, -18, span * 0.8, -14, span, 8);
    cairo_curve_to(cr, span * 0.8, 22, span * 0.55, 40, span * 0.2, 58);
    cairo_curve_to(cr, span * 0.08, 40, 0, 24, -4, 12);
    cairo_close_path(cr);
    c.stroke(kInk, 4);
    c.fillLinear(0, 0, span, 40, {{0, v.plume}, {0.7, v.plumeDark}, {1, v.plumeDark.scaled(0.7)}});
    c.clearPath();
    for (int i = 0; i < 5; ++i)
    {
        const double k = 0.25 + i * 0.17;
        cairo_move_to(cr, span * k * 0.7, 6 + k * 10);
        cairo_line_to(cr, span * k, 18 + k * 36);
        c.stroke(v.trim.alpha(0.6), 2);
        c.clearPath();
    }
    cairo_restore(cr);
}

// An owl centred at (cx, cy) whose unit is `scale` pixels; talons at about y = +60 units.
void drawOwl(Canvas& c, double cx, double cy, double scale, const Variant& v, const Pose& p)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 60 * scale);
    cairo_scale(cr, scale * (1 + p.squash * 0.3), scale * (1 - p.squash * 0.55));
    cairo_rotate(cr, p.lean);
    cairo_translate(cr, 0, -60 + p.crouch);
    // Halo or horns behind the head.
    if (v.angel)
    {
        c.ellipse(0, -96, 30, 8);
        c.glow(kPaleGold, 8, 5);
        c.stroke(kGold, 4);
        c.clearPath();
    }
    // Wings behind the body when spread.
    const double wingAngle = std::min(p.wings * 1.3 + p.flap, 1.75);
    if (p.wings > 0.15 || p.wings < -0.15)
        for (int side : {-1, 1})
            wing(c, side, wingAngle, v, 95);
    // Talons.
    for (int side : {-1, 1})
    {
        const double fx = side * 14, fy = p.talonsForward ? 52 : 58;
        for (int t = -1; t <= 1; ++t)
        {
            cairo_move_to(cr, fx, fy - 10);
            cairo_line_to(cr, fx + t * 6, fy + (p.talonsForward ? 8 : 4));
            c.stroke(kInk, 4);
            c.stroke(kGold.scaled(0.8), 2);
            c.clearPath();
        }
    }
    // Body: an egg of feathers with a lighter chest; the demon smoulders at its edges.
    c.ellipse(0, 10, 40, 52);
    if (!v.angel)
        c.glow(kCrimson.alpha(0.8), 9, 5);
    c.stroke(kInk, 5);
    c.fillRadial(-10, -6, 0, 60, {{0, v.plume}, {0.7, v.plumeDark}, {1, v.plumeDark.scaled(0.6)}});
    c.clearPath();
    c.ellipse(0, 20, 24, 34);
    c.fillLinear(0, -10, 0, 54, {{0, v.face.alpha(0.8)}, {1, v.face.alpha(0.2)}});
    c.clearPath();
    for (int row = 0; row < 4; ++row)
        for (int k = -1; k <= 1; ++k)
        {
            const double x = k * 11 + (row % 2) * 5, y = row * 11 + 4;
            cairo_arc(cr, x, y, 5, 0.2, M_PI - 0.2);
            c.stroke(v.plumeDark.alpha(0.6), 1.5);
            c.clearPath();
        }
    // Folded wings on the flanks.
    if (p.wings <= 0.15 && p.wings >= -0.15)
        for (int side : {-1, 1})
        {
            cairo_move_to(cr, side * 30, -30);
            cairo_curve_to(cr, side * 50, -10, side * 48, 30, side * 26, 58);
            cairo_curve_to(cr, side * 30, 20, side * 26, -10, side * 22, -26);
            cairo_close_path(cr);
            c.stroke(kInk, 3.5);
            c.fillLinear(side * 20, 0, side * 50, 0, {{0, v.plume}, {1, v.plumeDark}});
            c.clearPath();
        }
    // Head with a facial disc.
    cairo_save(cr);
    cairo_translate(cr, 0, -52);
    cairo_rotate(cr, p.tilt);
    if (!v.angel)
        for (int side : {-1, 1})
        {
            cairo_move_to(cr, side * 18, -22);
            cairo_curve_to(cr, side * 26, -40, side * 34, -48, side * 30, -62);
            cairo_curve_to(cr, side * 22, -46, side * 16, -38, side * 8, -28);
            cairo_close_path(cr);
            c.stroke(kInk, 3);
            c.fillLinear(0, -62, 0, -22, {{0, kBone}, {1, kAsh}});
            c.clearPath();
        }
    else
        for (int side : {-1, 1})
        {
            c.polygon({{side * 14.0, -26}, {side * 26.0, -40}, {side * 26.0, -20}});
            c.stroke(kInk, 3);
            c.fillColour(v.plume);
            c.clearPath();
        }
    c.ellipse(0, 0, 34, 30);
    c.stroke(kInk, 4);
    c.fillRadial(0, 0, 0, 34, {{0, v.plume}, {1, v.plumeDark}});
    c.clearPath();
    for (int side : {-1, 1})
    {
        c.ellipse(side * 14, -2, 15, 15);
        c.fillRadial(side * 14, -2, 0, 15, {{0, v.face}, {1, v.face.scaled(0.75)}});
        c.clearPath();
        if (p.dizzy)
        {
            cairo_arc(cr, side * 14, -2, 7, 0, 3.5 * M_PI);
            c.stroke(v.eyes, 2.5);
            c.clearPath();
        }
        else if (p.eyesShut)
        {
            cairo_move_to(cr, side * 14 - 8, -2);
            cairo_line_to(cr, side * 14 + 8, -2);
            c.stroke(kInk, 3);
            c.clearPath();
        }
        else
        {
            c.ellipse(side * 14, -2, 9, 9);
            if (p.glow > 0)
                c.glow(v.eyes.alpha(p.glow), 8 * p.glow, 4);
            c.fillRadial(side * 14, -2, 0, 9, {{0, kHoly}, {0.4, v.eyes}, {1, v.eyes.scaled(0.6)}});
            c.clearPath();
            c.ellipse(side * 14, -2, 4, 4);
            c.fillColour(kInk);
            c.clearPath();
        }
    }
    // Beak.
    c.polygon({{-5, 8}, {5, 8}, {0, 18 + p.beak * 4}});
    c.stroke(kInk, 2);
    c.fillColour(kGold);
    c.clearPath();
    if (p.beak > 0.1)
    {
        c.polygon({{-4, 14}, {4, 14}, {0, 16 + p.beak * 8}});
        c.fillColour(kBlood);
        c.clearPath();
    }
    cairo_restore(cr);
    cairo_restore(cr);
}

void speedLines(Canvas& c, double cx, double cy, double dir, double t, const Rgba& colour)
{
    Dice dice(9);
    for (int i = 0; i < 8; ++i)
    {
        const double x = cx + (dice.uniform() - 0.5) * 120;
        const double y0 = cy + dir * (30 + std::fmod(t * 200 + dice.uniform() * 80, 80));
        cairo_move_to(c.cr(), x, y0);
        cairo_line_to(c.cr(), x, y0 + dir * 40);
        c.stroke(colour.alpha(0.5), 2.5);
        c.clearPath();
    }
}

void stars(Canvas& c, double cx, double cy, double t)
{
    for (int k = 0; k < 3; ++k)
    {
        const double a = t * 2 * M_PI + k * 2.1;
        const double x = cx + std::cos(a) * 40, y = cy + std::sin(a) * 10;
        c.polygon({{x, y - 7},
                   {x + 2, y - 2},
                   {x + 7, y},
                   {x + 2, y + 2},
                   {x, y + 7},
                   {x - 2, y + 2},
                   {x - 7, y},
                   {x - 2, y - 2}});
        c.glow(kPaleGold, 3, 2);
        c.fillColour(kHoly);
        c.clearPath();
    }
}

void flyingFeathers(Canvas& c, double cx, double cy, double u, const Variant& v, std::uint32_t seed)
{
    Dice dice(seed);
    for (int i = 0; i < 8; ++i)
    {
        const double a = dice.uniform() * 2 * M_PI, d = 20 + u * 70 * (0.5 + dice.uniform());
        cairo_save(c.cr());
        cairo_translate(c.cr(), cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7 + u * 20);
        cairo_rotate(c.cr(), a + u * 3);
        c.ellipse(0, 0, 9, 3);
        c.fillColour(v.plume.alpha(1 - u * 0.7));
        c.clearPath();
        cairo_restore(c.cr());
    }
}

// The body pose and offset for every sheet of the boss.
FrameFn bossSheet(const std::string& sheet, const Variant& v)
{
    auto frame =
        [v](std::function<void(const Frame&, Pose&, double& lift)> pose, std::function<void(const Frame&)> over = {})
    {
        return [v, pose, over](const Frame& f)
        {
            Pose p;
            double lift = 0;
            pose(f, p, lift);
            drawOwl(f.c, f.w / 2, f.h / 2 + 14 - lift, 0.7, v, p);
            if (over)
                over(f);
        };
    };
    const double flapOf = 0.9;
    if (sheet.rfind("Intro_P0", 0) == 0)
    {
        const int part = sheet.back() - '0';
        // A display: the owl stirs, opens its eyes, stretches up, spreads its wings,
        // screeches, and folds back to its perch.
        return frame(
            [part](const Frame& f, Pose& p, double&)
            {
                const double u = f.u();
                switch (part)
                {
                case 1:
                    p.eyesShut = true;
                    p.crouch = 6;
                    break;
                case 2:
                    p.eyesShut = u < 0.6;
                    p.crouch = 6 * (1 - u);
                    break;
                case 3:
                    p.tilt = std::sin(u * M_PI * 2) * 0.35;
                    break;
                case 4:
                    p.wings = ease(u);
                    p.crouch = -6 * u;
                    break;
                case 5:
                    p.wings = 1 + 0.2 * std::sin(u * M_PI);
                    p.beak = std::sin(u * M_PI);
                    p.glow = u;
                    p.crouch = -6;
                    break;
                case 6:
                    p.wings = 1.2 - ease(u) * 1.2;
                    p.beak = 1 - u;
                    p.glow = 1 - u;
                    break;
                default:
                    p.tilt = -0.15 * std::sin(u * M_PI);
                    break;
                }
            });
    }
    if (sheet == "Idle")
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                p.crouch = std::sin(f.t * 2 * M_PI) * 2;
                p.eyesShut = f.index == 5;
                p.tilt = std::sin(f.t * 2 * M_PI) * 0.06;
            });
    if (sheet == "Takes_Off")
        return frame(
            [](const Frame& f, Pose& p, double& lift)
            {
                const double u = f.u();
                p.crouch = u < 0.4 ? 12 * u / 0.4 : 12 * (1 - u);
                p.wings = ease(u) * 1.4;
                lift = u > 0.5 ? (u - 0.5) * 30 : 0;
            });
    if (sheet == "Fly_P01" || sheet == "Fly_P02" || sheet == "Dash_Up")
    {
        const bool dash = sheet == "Dash_Up";
        return frame(
            [dash, flapOf](const Frame& f, Pose& p, double& lift)
            {
                const double ph = f.t * 2 * M_PI;
                p.wings = dash ? -0.4 : 0.9;
                p.flap = dash ? 0 : std::sin(ph) * flapOf;
                p.talonsForward = true;
                lift = 8 + std::sin(ph) * (dash ? 2 : 6);
            },
            [dash, v](const Frame& f)
            {
                if (dash)
                    speedLines(f.c, f.w / 2, f.h / 2, 1, f.t, v.trim);
            });
    }
    if (sheet.rfind("Land_P0", 0) == 0)
    {
        const int part = sheet.back() - '0';
        return frame(
            [part](const Frame& f, Pose& p, double& lift)
            {
                const double u = f.u();
                if (part == 1)
                {
                    p.wings = 1.1;
                    p.flap = std::sin(u * M_PI * 2) * 0.3;
                    p.talonsForward = true;
                    lift = 14 * (1 - u) + 4;
                }
                else if (part == 2)
                {
                    p.wings = 1.1 - u * 0.5;
                    p.crouch = 10 * std::sin(u * M_PI);
                    lift = 4 * (1 - u);
                }
                else
                    p.wings = 0.6 * (1 - ease(u));
            });
    }
    if (sheet == "Dive_Load_P01" || sheet == "Dive_Load_P02")
    {
        const bool second = sheet == "Dive_Load_P02";
        // Wind-up: the wings rise overhead and the eyes blaze; the second part trembles, ready.
        return frame(
            [second](const Frame& f, Pose& p, double&)
            {
                const double u = f.u();
                p.wings = second ? 1.6 + std::sin(f.index * 2.7) * 0.05 : 1 + 0.6 * ease(u);
                p.crouch = second ? 10 : 10 * u;
                p.glow = second ? 1 : u;
                p.beak = second ? 0.6 : 0;
            });
    }
    if (sheet == "Dash_Down")
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                p.wings = -0.6;
                p.talonsForward = true;
                p.glow = 1;
                p.beak = 0.8;
                p.lean = std::sin(f.t * 2 * M_PI) * 0.03;
            },
            [v](const Frame& f) { speedLines(f.c, f.w / 2, f.h / 2 + 40, -1, f.t, v.trim.alpha(0.7)); });
    if (sheet == "Dizzy")
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                p.dizzy = true;
                p.wings = 0.3;
                p.crouch = 14;
                p.tilt = std::sin(f.t * 2 * M_PI) * 0.25;
                p.lean = std::sin(f.t * 2 * M_PI) * 0.08;
            },
            [](const Frame& f) { stars(f.c, f.w / 2, f.h / 2 - 70, f.t); });
    if (sheet == "Feather_Attack")
        // 0-5 the wings sweep back and glow; 6 they snap forward and loose the feathers; 7-9 recover.
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                const int i = f.index;
                if (i <= 5)
                {
                    p.wings = 1 + 0.5 * ease(i / 5.0);
                    p.glow = i / 5.0;
                    p.crouch = -4;
                }
                else if (i <= 7)
                {
                    p.wings = 0.5;
                    p.flap = -0.6;
                    p.beak = 1;
                    p.crouch = 6;
                }
                else
                    p.wings = 0.5 * (1 - (i - 7) / 2.0);
            },
            [v](const Frame& f)
            {
                if (f.index == 6 || f.index == 7)
                    flyingFeathers(f.c, f.w / 2, f.h / 2, (f.index - 5) / 2.0, v, 4);
            });
    if (sheet == "Death_P01")
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                p.wings = 0.8 + std::sin(f.index * 2.1) * 0.3;
                p.beak = 1;
                p.lean = std::sin(f.index * 1.7) * 0.15;
                p.eyesShut = f.index % 3 == 0;
            },
            [v](const Frame& f) { flyingFeathers(f.c, f.w / 2, f.h / 2, f.u(), v, 8); });
    if (sheet == "Death_P02")
        return frame(
            [](const Frame& f, Pose& p, double&)
            {
                p.squash = ease(f.u()) * 0.6;
                p.wings = 0.6 - 0.4 * f.u();
                p.eyesShut = true;
                p.lean = 0.3 * ease(f.u());
            });
    if (sheet == "Death_P03")
        return [v](const Frame& f)
        {
            Frame g = f;
            dissolvingDeath(g, v.angel ? kPaleGold : kCrimson,
                            [&](Canvas& c, double)
                            {
                                Pose p;
                                p.squash = 0.6;
                                p.wings = 0.2;
                                p.eyesShut = true;
                                p.lean = 0.3;
                                drawOwl(c, f.w / 2, f.h / 2 + 14, 0.7, v, p);
                            });
        };
    if (sheet == "Soul")
        return [v](const Frame& f) { soulWisp(f, v.angel ? kGold : kCrimson, v.angel ? kPaleGold : kEmber); };
    return nullptr;
}

// The wind that gathers on the arena floor while the dive is loaded.
FrameFn windSheet(int part)
{
    return [part](const Frame& f)
    {
        const double u = f.u();
        const double strength = part == 1 ? ease(u) : (part == 4 ? 1 - ease(u) : 1.0);
        const double cx = f.w / 2, cy = f.h / 2;
        cairo_t* cr = f.c.cr();
        for (int k = 0; k < 4; ++k)
        {
            const double r = f.w * (0.12 + 0.08 * k);
            const double spin = f.t * 2 * M_PI + k * 1.3 + (part == 3 ? M_PI / 4 : 0);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1, 0.45);
            cairo_arc(cr, 0, 0, r, spin, spin + 2.4);
            f.c.stroke(kBone.alpha(0.8 * strength * (1 - k * 0.15)), 6 - k);
            f.c.clearPath();
            cairo_arc(cr, 0, 0, r * 0.9, spin + M_PI, spin + M_PI + 1.8);
            f.c.stroke(kAsh.alpha(0.7 * strength), 3);
            f.c.clearPath();
            cairo_restore(cr);
        }
        Dice dice(12);
        for (int i = 0; i < 12; ++i)
        {
            const double a = dice.uniform() * 2 * M_PI + f.t * 4;
            const double r = f.w * (0.1 + dice.uniform() * 0.3);
            f.c.ellipse(cx + std::cos(a) * r, cy + std::sin(a) * r * 0.45, 3, 1.5);
            f.c.fillColour(kBone.alpha(0.6 * strength));
            f.c.clearPath();
        }
    };
}

class DarkHulantPainter : public KindPainter
{
public:
    DarkHulantPainter() : KindPainter("DarkHulant", 4) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        if (name.rfind("Angel_", 0) == 0)
            return bossSheet(name.substr(6), kAngel);
        if (name.rfind("Demon_", 0) == 0)
            return bossSheet(name.substr(6), kDemon);
        if (name.rfind("Wind_Effect_P0", 0) == 0)
            return windSheet(name.back() - '0');
        return nullptr;
    }

    void single(const std::string& name, const std::filesystem::path& output) const override
    {
        if (name == "Shadow")
        {
            Canvas c(192, 96);
            c.ellipse(96, 48, 92, 44);
            c.fillRadial(96, 48, 0, 92, {{0, Rgba{0, 0, 0, 0.6}}, {0.7, Rgba{0, 0, 0, 0.35}}, {1, Rgba{0, 0, 0, 0}}});
            c.savePng(output);
            return;
        }
        if (name == "Angel_Feather" || name == "Demon_Feather")
        {
            // A feather flying right: quill on the left, its point (the sprite's right edge) leading.
            const Variant& v = name[0] == 'A' ? kAngel : kDemon;
            Canvas c(72, 24);
            cairo_t* cr = c.cr();
            cairo_move_to(cr, 70, 12);
            cairo_curve_to(cr, 50, 2, 24, 2, 10, 8);
            cairo_line_to(cr, 10, 16);
            cairo_curve_to(cr, 24, 22, 50, 22, 70, 12);
            cairo_close_path(cr);
            c.glow(v.angel ? kPaleGold : kCrimson, 4, 3);
            c.stroke(kInk, 2.5);
            c.fillLinear(10, 0, 70, 0, {{0, v.plumeDark}, {1, v.plume}});
            c.clearPath();
            cairo_move_to(cr, 2, 12);
            cairo_line_to(cr, 66, 12);
            c.stroke(v.trim, 1.5);
            c.clearPath();
            c.savePng(output);
            return;
        }
        KindPainter::single(name, output);
    }
};

class LittleOwlPainter : public KindPainter
{
public:
    LittleOwlPainter() : KindPainter("LittleOwl", 3) {}

protected:
    FrameFn sheet(const std::string& name) const override
    {
        const bool angel = name.rfind("Angel_", 0) == 0;
        const Variant v = angel ? kAngel : kDemon;
        const std::string what = name.substr(6);
        const double scale = 0.34;
        if (what == "Fly")
            return [v, scale](const Frame& f)
            {
                Pose p;
                p.wings = 0.9;
                p.flap = std::sin(f.t * 2 * M_PI) * 0.9;
                groundShadow(f.c, f.w / 2, f.h * 0.92, 18, 0.25);
                drawOwl(f.c, f.w / 2, f.h / 2 - 8 + std::sin(f.t * 2 * M_PI) * 3, scale, v, p);
            };
        if (what == "Attack")
            // 0-7 it rises and spreads, eyes flaring; from 8 it swoops down, talons first.
            return [v, scale](const Frame& f)
            {
                const int i = f.index;
                Pose p;
                double y = f.h / 2 - 8;
                if (i < 8)
                {
                    p.wings = 1 + 0.5 * ease(i / 7.0);
                    p.glow = i / 7.0;
                    y -= 14 * ease(i / 7.0);
                }
                else
                {
                    p.wings = -0.5;
                    p.talonsForward = true;
                    p.beak = 1;
                    y += -14 + (i - 7) * 9;
                }
                groundShadow(f.c, f.w / 2, f.h * 0.92, 18, 0.25);
                drawOwl(f.c, f.w / 2, y, scale, v, p);
                if (i >= 8 && i <= 9)
                    speedLines(f.c, f.w / 2, y - 20, -1, f.t, v.trim);
            };
        if (what == "Death")
            return [v, scale](const Frame& f)
            {
                dissolvingDeath(f, v.angel ? kPaleGold : kCrimson,
                                [&](Canvas& c, double collapse)
                                {
                                    Pose p;
                                    p.wings = 0.6 * (1 - collapse);
                                    p.eyesShut = true;
                                    p.lean = collapse * 0.8;
                                    drawOwl(c, f.w / 2, f.h / 2 - 8 + collapse * 14, scale, v, p);
                                });
                flyingFeathers(f.c, f.w / 2, f.h / 2, f.u(), v, 3);
            };
        return nullptr;
    }
};

RegisterPainter<DarkHulantPainter> bossRegistration;
RegisterPainter<LittleOwlPainter> owlRegistration;
} // namespace
